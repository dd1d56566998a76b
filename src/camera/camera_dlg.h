#pragma once

// The Camera Setup form: the camera's operating settings, its clock and the target folder of
// CameraSet.dat. Every opening starts from the defaults; the lists hold the whole state.
#include <QString>

#include "camera/camera_settings.h"
#include "framework/settings_form.h"

class CCameraDlg : public CSettingsForm {
    Q_OBJECT
public:
    explicit CCameraDlg(QWidget* owner = nullptr);

    // The settings record as the controls show them now.
    CameraSettings ReadSettings() const;

protected:
    void OnInitForm() override;
    void ExchangeFields(bool save) override;
    SettingsFileOutcome WriteSettingsFileInto(const std::string& folder,
                                              std::optional<FolderDevice> device) override;
    // The clock is not taken from the file: a file's clock is as old as the file.
    std::optional<QString> LoadSettingsFileFrom(const std::string& path) override;
    QString WhyRefused() const override;

private:
    void TakeClock();

    void OnGetTime();
    void OnDefault();

    QString m_clockText;
};
