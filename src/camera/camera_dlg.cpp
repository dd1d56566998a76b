#include "camera/camera_dlg.h"

#include <array>

#include "core/clock_text.h"
#include "framework/command_table.h"
#include "framework/enable_rules.h"
#include "framework/platform.h"
#include "framework/record_fields.h"
#include "res/camera_dialog.h"

namespace {

using namespace res;
using K = ControlKind;

// Lists written as the position of their current item.
constexpr std::array<PositionField<CameraSettings>, 18> kPositionFields{{
    {IDC_CAMERA_MODE, &CameraSettings::mode},
    {IDC_CAMERA_PHOTO_RESOLUTION, &CameraSettings::photoResolution},
    {IDC_CAMERA_VIDEO_RESOLUTION, &CameraSettings::videoResolution},
    {IDC_CAMERA_SERIES_PHOTOS, &CameraSettings::seriesPhotos},
    {IDC_CAMERA_VIDEO_LENGTH, &CameraSettings::videoLength},
    {IDC_CAMERA_BEEP, &CameraSettings::beep},
    {IDC_CAMERA_SENSITIVITY, &CameraSettings::sensitivity},
    {IDC_CAMERA_TIME_STAMP, &CameraSettings::timeStamp},
    {IDC_CAMERA_IR_LED, &CameraSettings::irLed},
    {IDC_CAMERA_DATE_ORDER, &CameraSettings::dateOrder},
    {IDC_CAMERA_PIR_INTERVAL, &CameraSettings::pirInterval},
    {IDC_CAMERA_PIR_MINUTES, &CameraSettings::pirMinutes},
    {IDC_CAMERA_PIR_SECONDS, &CameraSettings::pirSeconds},
    {IDC_CAMERA_TIME_INTERVAL, &CameraSettings::timeInterval},
    {IDC_CAMERA_INTERVAL_HOURS, &CameraSettings::timeIntervalHours},
    {IDC_CAMERA_INTERVAL_MINUTES, &CameraSettings::timeIntervalMinutes},
    {IDC_CAMERA_SERIAL_NUMBER, &CameraSettings::serialNumberOn},
    {IDC_CAMERA_FIXED_TIME, &CameraSettings::fixedTime},
}};

// The four serial number lists, one character each.
constexpr std::array<int, 4> kSerialLists{IDC_CAMERA_SERIAL_CHAR1, IDC_CAMERA_SERIAL_CHAR2,
                                          IDC_CAMERA_SERIAL_CHAR3, IDC_CAMERA_SERIAL_CHAR4};

// The twelve lists of the working-time windows, read as the number their item shows.
struct TimerField {
    int id;
    std::size_t window;
    int TimerWindow::*field;
};
constexpr std::array<TimerField, 12> kTimerFields{{
    {IDC_CAMERA_WINDOW1_START_HOUR, 0, &TimerWindow::startHour},
    {IDC_CAMERA_WINDOW1_START_MINUTE, 0, &TimerWindow::startMinute},
    {IDC_CAMERA_WINDOW1_END_HOUR, 0, &TimerWindow::endHour},
    {IDC_CAMERA_WINDOW1_END_MINUTE, 0, &TimerWindow::endMinute},
    {IDC_CAMERA_WINDOW2_START_HOUR, 1, &TimerWindow::startHour},
    {IDC_CAMERA_WINDOW2_START_MINUTE, 1, &TimerWindow::startMinute},
    {IDC_CAMERA_WINDOW2_END_HOUR, 1, &TimerWindow::endHour},
    {IDC_CAMERA_WINDOW2_END_MINUTE, 1, &TimerWindow::endMinute},
    {IDC_CAMERA_WINDOW3_START_HOUR, 2, &TimerWindow::startHour},
    {IDC_CAMERA_WINDOW3_START_MINUTE, 2, &TimerWindow::startMinute},
    {IDC_CAMERA_WINDOW3_END_HOUR, 2, &TimerWindow::endHour},
    {IDC_CAMERA_WINDOW3_END_MINUTE, 2, &TimerWindow::endMinute},
}};

// The "Off"/"On" switches and the lists they enable.
constexpr std::array<int, 2> kPirLists{IDC_CAMERA_PIR_MINUTES, IDC_CAMERA_PIR_SECONDS};
constexpr std::array<int, 2> kTimeIntervalLists{IDC_CAMERA_INTERVAL_HOURS,
                                                IDC_CAMERA_INTERVAL_MINUTES};
constexpr std::array<int, 12> kTimerLists{
    IDC_CAMERA_WINDOW1_START_HOUR,   IDC_CAMERA_WINDOW2_START_HOUR,
    IDC_CAMERA_WINDOW3_START_HOUR,   IDC_CAMERA_WINDOW1_START_MINUTE,
    IDC_CAMERA_WINDOW2_START_MINUTE, IDC_CAMERA_WINDOW3_START_MINUTE,
    IDC_CAMERA_WINDOW1_END_HOUR,     IDC_CAMERA_WINDOW2_END_HOUR,
    IDC_CAMERA_WINDOW3_END_HOUR,     IDC_CAMERA_WINDOW1_END_MINUTE,
    IDC_CAMERA_WINDOW2_END_MINUTE,   IDC_CAMERA_WINDOW3_END_MINUTE};
constexpr std::array<EnableRule, 4> kEnableRules{{
    {IDC_CAMERA_PIR_INTERVAL, kPirLists},
    {IDC_CAMERA_TIME_INTERVAL, kTimeIntervalLists},
    {IDC_CAMERA_SERIAL_NUMBER, kSerialLists},
    {IDC_CAMERA_FIXED_TIME, kTimerLists},
}};

// Every identifier of the tables names a control of the right kind in the layout.
static_assert(kCameraDialog.HasAll(kPositionFields, K::DropDownList,
                                   [](const auto& list) { return list.listId; }));
static_assert(kCameraDialog.HasAll(kSerialLists, K::DropDownList));
static_assert(kCameraDialog.HasAll(kTimerFields, K::DropDownList,
                                   [](const TimerField& list) { return list.id; }));
static_assert(kCameraDialog.HasAll(kTimerLists, K::DropDownList));
static_assert(kCameraDialog.HasAll(kEnableRules, K::DropDownList,
                                   [](const EnableRule& rule) { return rule.switchId; }));

}  // namespace

CCameraDlg::CCameraDlg(QWidget* owner)
    : CSettingsForm(kCameraDialog, {IDC_CAMERA_SELECT, IDC_CAMERA_FOLDER, IDC_CAMERA_GENERATE},
                    kCameraSetFileName, Texts::Fixed, owner) {}

void CCameraDlg::OnInitForm() {
    static constexpr std::array<ButtonHandler<CCameraDlg>, 2> kButtons{{
        {IDC_CAMERA_GET_TIME, &CCameraDlg::OnGetTime},
        {IDC_CAMERA_DEFAULT, &CCameraDlg::OnDefault},
    }};
    ConnectButtons<CCameraDlg>(*this, kButtons);

    SelectSettings(CameraSettings{});
    TakeClock();
    UpdateData(false);
    ConnectEnableRules(*this, kEnableRules);

    // A new date order always comes with a newly taken clock in that order.
    connect(List(IDC_CAMERA_DATE_ORDER), &QComboBox::currentIndexChanged, this,
            &CCameraDlg::OnGetTime);
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

void CCameraDlg::ExchangeFields(bool save) {
    ExchangeText(save, IDC_CAMERA_CLOCK, m_clockText);
}

std::optional<std::string> CCameraDlg::NotOffered(const CameraSettings& settings) const {
    if (std::optional<std::string> missing =
            PositionsNotOffered<CameraSettings>(*this, kPositionFields, settings)) {
        return missing;
    }
    for (std::size_t i = 0; i < kSerialLists.size(); ++i) {
        const QString character(QChar::fromLatin1(settings.serialNumber[i]));
        if (List(kSerialLists[i])->findText(character, Qt::MatchExactly) < 0) {
            return NoSuchItem(*this, Item(kSerialLists[i]), character);
        }
    }
    for (const TimerField& timer : kTimerFields) {
        const int number = settings.timers[timer.window].*timer.field;
        if (List(timer.id)->findText(QString::number(number), Qt::MatchExactly) < 0) {
            return NoSuchItem(*this, Item(timer.id), QString::number(number));
        }
    }
    return std::nullopt;
}

void CCameraDlg::SelectSettings(const CameraSettings& settings) {
    SelectPositions<CameraSettings>(*this, kPositionFields, settings);
    for (std::size_t i = 0; i < kSerialLists.size(); ++i) {
        List(kSerialLists[i])->SelectString(QString(QChar::fromLatin1(settings.serialNumber[i])));
    }
    for (const TimerField& timer : kTimerFields) {
        List(timer.id)->SelectString(QString::number(settings.timers[timer.window].*timer.field));
    }
}

void CCameraDlg::TakeClock() {
    m_clockText = QString::fromStdString(
        FormatClockText(List(IDC_CAMERA_DATE_ORDER)->currentIndex(), Platform::Current().Now()));
}

CameraSettings CCameraDlg::ReadSettings() const {
    CameraSettings settings;
    ReadPositions<CameraSettings>(*this, kPositionFields, settings);
    settings.clockText = SettingsText(m_clockText);
    for (std::size_t i = 0; i < kSerialLists.size(); ++i) {
        const QString text = List(kSerialLists[i])->currentText();
        settings.serialNumber[i] = text.isEmpty() ? ' ' : text.at(0).toLatin1();
    }
    for (const TimerField& timer : kTimerFields) {
        settings.timers[timer.window].*timer.field = List(timer.id)->currentText().toInt();
    }
    return settings;
}

SettingsFileOutcome CCameraDlg::WriteSettingsFileInto(const std::string& folder,
                                                      std::optional<FolderDevice> device) {
    return WriteCameraSettingsFile(ReadSettings(), folder, device);
}

void CCameraDlg::OnGetTime() {
    TakeClock();
    UpdateData(false);
}

std::optional<std::string> CCameraDlg::LoadSettingsFileFrom(const std::string& path) {
    const Parsed<CameraSettings> read = ReadCameraSettingsFile(path);
    if (!read) {
        return read.Reason();
    }
    if (std::optional<std::string> missing = NotOffered(*read)) {
        return missing;
    }
    // A working window that "Generate" would refuse is refused here with the same words, so
    // the form never holds a file it cannot write again.
    if (const std::optional<int> wrong = CheckTimerWindows(*read)) {
        return TimerWindowMessage(*wrong);
    }
    SelectSettings(*read);
    ApplyEnableRules(*this, kEnableRules);
    TakeClock();
    UpdateData(false);
    return std::nullopt;
}

void CCameraDlg::OnDefault() {
    SelectSettings(CameraSettings{});
    ApplyEnableRules(*this, kEnableRules);
    UpdateData(false);
}
