#include "app/setup_app.h"

#include <QApplication>
#include <QIcon>

#include "app/main_dlg.h"
#include "framework/localised_texts.h"
#include "framework/resource_picture.h"
#include "res/dialogs.h"
#include "skin/skin.h"

void CSetupApp::InitInstance() {
    // The program lives in nested modal loops: a form closing while the main window is hidden
    // must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(ResourcePicture(QString::fromUtf8(res::kAppIconPath))));
    CDialog::SetDialogColours(QColor(166, 202, 240), QColor(0, 0, 0));
    SetLocalisationFile(FindLocalisationFile());
    static Skin skin;
    DialogSkin::Install(&skin);
}

int CSetupApp::Run() {
    InitInstance();
    CMainDlg mainWindow;
    mainWindow.DoModal();
    return 0;
}
