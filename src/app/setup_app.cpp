#include "app/setup_app.h"

#include <QApplication>
#include <QIcon>

#include "app/main_dlg.h"
#include "framework/localised_texts.h"
#include "framework/resource_picture.h"
#include "res/dialogs.h"
#include "skin/skin.h"
#include "words/translations.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void CSetupApp::InitInstance() {
#if defined(__GLIBC__)
    // A window's drawing surface is given back to the system when the window lets go of it.
    // Left to itself, the allocator would keep every block up to the size of the last surface
    // freed, the main window's, in its heap for reuse, and a form would then cost its surface
    // on top of what the main window held.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
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
    // The user's language, as the desktop's settings give it; English where it has none.
    InstallTranslations();
    InitInstance();
    CMainDlg mainWindow;
    mainWindow.DoModal();
    return 0;
}
