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
// Whether `family` is one of the Song faces that the layouts were drawn in.
bool IsSongFace(const QString& family);

// The layouts' font at `pointSize` points.
QFont LayoutFont(int pointSize);

// The dialog units of the layouts' font at `pointSize` points. A Song face's are known, half an
// em across and an em high, so the face is not loaded before it draws anything (the main window
// draws nothing in it); any other face's are measured.
DialogUnits LayoutUnits(int pointSize);

// The family of the skin's Arial texts: Arial where it is installed, else its metric twin
// Liberation Sans where that is (Wine has no Arial, and no alias for it), else Arial, for the
// system's font matching to stand in for. Chosen from the installed families, without the
// system's alias rules a font of several families would run for each.
QString ArialFamily();
