#pragma once

#include <QIcon>

#include "framework/dialog.h"

// The main window: the camera model decides which setup forms may be opened. Opening a form
// hides the main window until the form ends, however it ends.
class CMainDlg : public CDialog {
    Q_OBJECT
public:
    explicit CMainDlg(QWidget* owner = nullptr);

protected:
    void OnInitDialog() override;
    void OnSysCommand(int command) override;

private:
    void ApplyModelRule();
    template <class Form>
    void OpenForm();
    void OnCameraSetup();
    void OnExit();

    QIcon m_icon;
};

// The bold italic face of the main window's caption, list and buttons: Arial with a cell
// height of 24 pixels.
QFont MainWindowFont();
