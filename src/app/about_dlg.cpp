#include "app/about_dlg.h"

#include "res/about_dialog.h"

CAboutDlg::CAboutDlg(QWidget* owner)
    : CDialog(res::kAboutDialog, Frame::Platform, Texts::Localised, owner) {}
