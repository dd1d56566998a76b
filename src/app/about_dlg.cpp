#include "app/about_dlg.h"

#include "res/dialogs.h"

CAboutDlg::CAboutDlg(QWidget* owner) : CDialog(res::kAboutDialog, Frame::Platform, owner) {}
