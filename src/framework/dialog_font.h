#pragma once

// The font the layouts are drawn in. Every layout names "宋体", a Song (Ming) face whose Latin
// letters are half an em wide; its dialog units decide the size of every window and control.
#include <QFont>
#include <QString>

#include "framework/dialog_units.h"

// The installed face that stands for the layouts' face: a Song face where one is installed, else
// the candidate whose dialog units at `pointSize` come closest to a Song face's without being
// wider (so no window grows beyond its drawn size), else the narrowest candidate.
QString LayoutFaceFamily(int pointSize);

// The layouts' font at `pointSize` points.
QFont LayoutFont(int pointSize);

// The dialog units of the layouts' font at `pointSize` points. A Song face's are known, half an
// em across and an em high, so the face is not loaded before it draws anything (the main window
// draws nothing in it); any other face's are measured.
DialogUnits LayoutUnits(int pointSize);
