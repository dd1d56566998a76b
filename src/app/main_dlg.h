#pragma once

// The main window: the camera model decides which setup forms may be opened. Opening a form
// hides the main window until the form ends, however it ends.
#include <QIcon>

#include <memory>

#include "framework/dialog.h"

class CMainDlg : public CDialog {
    Q_OBJECT
public:
    explicit CMainDlg(QWidget* owner = nullptr);

    // Makes a setup form for one opening.
    using MakeForm = std::unique_ptr<CDialog> (*)(QWidget* owner);

protected:
    void OnInitDialog() override;
    void OnSysCommand(int command) override;
    void changeEvent(QEvent* event) override;

private:
    void ApplyModelRule();
    void OpenForm(MakeForm make);
    void OnExit();

    QIcon m_icon;
    bool m_returning = false;  // shown again after a form, until it is seen on the screen
};

// The bold italic face of the main window's caption, list and buttons: Arial with a cell
// height of 24 pixels.
QFont MainWindowFont();
