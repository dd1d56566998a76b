#pragma once

#include "framework/dialog.h"

// The About box: the program's name and version over the platform's own frame, in the texts of
// the localisation file where it gives them. Enter and Escape close it like any dialog.
class CAboutDlg : public CDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* owner = nullptr);
};
