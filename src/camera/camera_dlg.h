#pragma once

#include <string>

#include "camera/camera_settings.h"
#include "framework/dialog.h"

// The Camera Setup form: the camera's operating settings, its clock and the target folder of
// CameraSet.dat. Every opening starts from the defaults; the lists hold the whole state.
class CCameraDlg : public CDialog {
    Q_OBJECT
public:
    explicit CCameraDlg(QWidget* owner = nullptr);

    // The settings record as the controls show them now.
    CameraSettings ReadSettings() const;
    const std::string& TargetFolder() const { return m_targetFolder; }
    const std::string& ClockText() const { return m_clockText; }

protected:
    void OnInitDialog() override;
    void DoDataExchange(bool save) override;

private:
    void SelectDefaults();
    void ApplyEnableRules();
    void TakeClock();

    void OnSelect();
    void OnGetTime();
    void OnDefault();
    void OnGenerate();
    void OnExit();

    std::string m_clockText;
    std::string m_targetFolder = kDefaultTargetFolder;
};
