#include "app/setup_app.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>
#include <iostream>

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

// Qt 6.4's Wayland client can deadlock while the application object tears it down: the main thread
// waits for the thread that reads the compositor's events, and that thread waits for a read the
// main thread had prepared, so the process stays after its last window has gone. By now nothing is
// left to do: every settings file was written, synced and checked before its form could close,
// and the folder dialog saved what it remembers when it closed. So once the program's own output
// is flushed, the process ends here, before that teardown.
void CSetupApp::EndBeforeTeardown(int status) {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return;
    }
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::_Exit(status);
}
