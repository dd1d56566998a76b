#include "camera/camera_dlg.h"

#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <span>

#include "core/clock_text.h"
#include "framework/controls.h"
#include "framework/platform.h"
#include "framework/settings_output.h"
#include "res/dialogs.h"

namespace {

// Lists written as the position of their current item.
struct PositionField {
    int id;
    int CameraSettings::*field;
};
constexpr std::array<PositionField, 18> kPositionFields{{
    {1009, &CameraSettings::mode},
    {1011, &CameraSettings::photoResolution},
    {1013, &CameraSettings::videoResolution},
    {1015, &CameraSettings::seriesPhotos},
    {1017, &CameraSettings::videoLength},
    {1019, &CameraSettings::beep},
    {1021, &CameraSettings::sensitivity},
    {1025, &CameraSettings::timeStamp},
    {1063, &CameraSettings::irLed},
    {res::IDC_DATE_ORDER, &CameraSettings::dateOrder},
    {res::IDC_PIR_INTERVAL, &CameraSettings::pirInterval},
    {1039, &CameraSettings::pirMinutes},
    {1041, &CameraSettings::pirSeconds},
    {res::IDC_TIME_INTERVAL, &CameraSettings::timeInterval},
    {1043, &CameraSettings::timeIntervalHours},
    {1045, &CameraSettings::timeIntervalMinutes},
    {res::IDC_SERIAL_NUMBER, &CameraSettings::serialNumberOn},
    {res::IDC_FIXED_TIME, &CameraSettings::fixedTime},
}};

// The four serial number lists, one character each.
constexpr std::array<int, 4> kSerialLists{1046, 1047, 1048, 1049};

// The twelve lists of the working-time windows, read as the number their item shows.
struct TimerField {
    int id;
    std::size_t window;
    int TimerWindow::*field;
};
constexpr std::array<TimerField, 12> kTimerFields{{
    {1056, 0, &TimerWindow::startHour},
    {1060, 0, &TimerWindow::startMinute},
    {1064, 0, &TimerWindow::endHour},
    {1068, 0, &TimerWindow::endMinute},
    {1057, 1, &TimerWindow::startHour},
    {1061, 1, &TimerWindow::startMinute},
    {1065, 1, &TimerWindow::endHour},
    {1069, 1, &TimerWindow::endMinute},
    {1058, 2, &TimerWindow::startHour},
    {1062, 2, &TimerWindow::startMinute},
    {1066, 2, &TimerWindow::endHour},
    {1070, 2, &TimerWindow::endMinute},
}};

// An "Off"/"On" switch and the lists it disables while it is "Off".
struct EnableRule {
    int switchId;
    std::span<const int> dependents;
};
constexpr std::array<int, 2> kPirLists{1039, 1041};
constexpr std::array<int, 2> kTimeIntervalLists{1043, 1045};
constexpr std::array<int, 12> kTimerLists{1056, 1057, 1058, 1060, 1061, 1062,
                                          1064, 1065, 1066, 1068, 1069, 1070};
constexpr std::array<EnableRule, 4> kEnableRules{{
    {res::IDC_PIR_INTERVAL, kPirLists},
    {res::IDC_TIME_INTERVAL, kTimeIntervalLists},
    {res::IDC_SERIAL_NUMBER, kSerialLists},
    {res::IDC_FIXED_TIME, kTimerLists},
}};

}  // namespace

CCameraDlg::CCameraDlg(QWidget* owner) : CDialog(res::kCameraDialog, Frame::Skinned, owner) {}

void CCameraDlg::OnInitDialog() {
    using Handler = void (CCameraDlg::*)();
    const std::array<std::pair<int, Handler>, 5> buttons{{
        {res::IDC_CAMERA_SELECT, &CCameraDlg::OnSelect},
        {res::IDC_GET_TIME, &CCameraDlg::OnGetTime},
        {res::IDC_CAMERA_DEFAULT, &CCameraDlg::OnDefault},
        {res::IDC_CAMERA_GENERATE, &CCameraDlg::OnGenerate},
        {res::IDC_EXIT, &CCameraDlg::OnExit},
    }};
    for (const auto& [id, handler] : buttons) {
        connect(Button(id), &QPushButton::clicked, this, handler);
    }

    SelectDefaults();
    TakeClock();
    UpdateData(false);
    ApplyEnableRules();

    // A new date order always comes with a newly taken clock in that order.
    connect(List(res::IDC_DATE_ORDER), &QComboBox::currentIndexChanged, this,
            &CCameraDlg::OnGetTime);
    for (const EnableRule& rule : kEnableRules) {
        connect(List(rule.switchId), &QComboBox::currentIndexChanged, this,
                &CCameraDlg::ApplyEnableRules);
    }
    // Every working-time list keeps a definite value.
    for (const TimerField& timer : kTimerFields) {
        CComboBox* list = List(timer.id);
        connect(list, &CComboBox::DropDownClosed, this, [list] {
            if (list->currentIndex() < 0) {
                list->setCurrentIndex(0);
            }
        });
    }
}

void CCameraDlg::DoDataExchange(bool save) {
    ExchangeText(save, res::IDC_CLOCK, m_clockText);
    ExchangeText(save, res::IDC_CAMERA_FOLDER, m_targetFolder);
}

void CCameraDlg::SelectDefaults() {
    const CameraSettings defaults;
    for (const PositionField& list : kPositionFields) {
        List(list.id)->setCurrentIndex(defaults.*list.field);
    }
    for (std::size_t i = 0; i < kSerialLists.size(); ++i) {
        List(kSerialLists[i])->SelectString(QString(QChar::fromLatin1(defaults.serialNumber[i])));
    }
    for (const TimerField& timer : kTimerFields) {
        List(timer.id)->setCurrentIndex(defaults.timers[timer.window].*timer.field);
    }
}

void CCameraDlg::ApplyEnableRules() {
    for (const EnableRule& rule : kEnableRules) {
        const int position = List(rule.switchId)->currentIndex();
        if (position != 0 && position != 1) {
            continue;
        }
        for (const int id : rule.dependents) {
            Item(id)->setEnabled(position == 1);
        }
    }
}

void CCameraDlg::TakeClock() {
    m_clockText =
        FormatClockText(List(res::IDC_DATE_ORDER)->currentIndex(), Platform::Current().Now());
}

CameraSettings CCameraDlg::ReadSettings() const {
    CameraSettings settings;
    for (const PositionField& list : kPositionFields) {
        settings.*list.field = List(list.id)->currentIndex();
    }
    settings.clockText = m_clockText;
    for (std::size_t i = 0; i < kSerialLists.size(); ++i) {
        const QString text = List(kSerialLists[i])->currentText();
        settings.serialNumber[i] = text.isEmpty() ? ' ' : text.at(0).toLatin1();
    }
    for (const TimerField& timer : kTimerFields) {
        settings.timers[timer.window].*timer.field = List(timer.id)->currentText().toInt();
    }
    return settings;
}

void CCameraDlg::OnSelect() {
    SelectTargetFolder(*this, res::IDC_CAMERA_FOLDER);
}

void CCameraDlg::OnGetTime() {
    TakeClock();
    UpdateData(false);
}

void CCameraDlg::OnDefault() {
    SelectDefaults();
    ApplyEnableRules();
    UpdateData(false);
}

void CCameraDlg::OnGenerate() {
    UpdateData(true);
    ReportSettingsFileOutcome(*this, WriteCameraSettingsFile(ReadSettings(), m_targetFolder));
}

void CCameraDlg::OnExit() {
    reject();
}
