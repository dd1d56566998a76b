#include "app/about_dlg.h"

#include "framework/localised_texts.h"
#include "res/dialogs.h"

CAboutDlg::CAboutDlg(QWidget* owner) : CDialog(res::kAboutDialog, Frame::Platform, owner) {}

void CAboutDlg::OnInitDialog() {
    ApplyLocalisedTexts(*this, res::IDD_ABOUTBOX);
}
