#pragma once

// The Camera Setup form: the camera's operating settings, its clock and the target folder of
// CameraSet.dat. Every opening starts from the defaults; the lists hold the whole state.
#include <QString>

#include "camera/camera_settings.h"
#include "framework/record_form.h"

class CCameraDlg : public CRecordForm<CameraSettings> {
    Q_OBJECT
public:
    explicit CCameraDlg(QWidget* owner = nullptr);

protected:
    void OnInitForm() override;
    void ExchangeFields(bool save) override;
    std::optional<QString> WhyNotShown(const CameraSettings& settings) const override;
    // The clock is not taken from the file: a file's clock is as old as the file.
    void OnLoaded(const CameraSettings& settings) override;
    QString WhyRefused() const override;

private:
    void TakeClock();

    void OnGetTime();
    void OnDefault();

    QString m_clockText;
};
