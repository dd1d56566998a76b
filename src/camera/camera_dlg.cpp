#include "camera/camera_dlg.h"

#include <array>

#include "core/clock_text.h"
#include "framework/command_table.h"
#include "framework/platform.h"
#include "res/camera_dialog.h"

namespace {

using namespace res;

// What the form says of a working-time window that does not start before it ends.
QString TimerWindowMessage(int window) {
    return CCameraDlg::tr("Timer %1 set error !\nStar time need < End time .").arg(window);
}

// The "Off"/"On" switches and the lists they enable.
constexpr std::array<int, 2> kPirLists{IDC_CAMERA_PIR_MINUTES, IDC_CAMERA_PIR_SECONDS};
constexpr std::array<int, 4> kSerialLists{IDC_CAMERA_SERIAL_CHAR1, IDC_CAMERA_SERIAL_CHAR2,
                                          IDC_CAMERA_SERIAL_CHAR3, IDC_CAMERA_SERIAL_CHAR4};
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

constexpr CRecordForm<CameraSettings>::Binding kBinding{
    {IDC_CAMERA_SELECT, IDC_CAMERA_FOLDER, IDC_CAMERA_GENERATE},
    kCameraSetLines,
    {},
    kEnableRules,
    kCameraSetFileName,
    &WriteCameraSettingsFile,
    &ReadCameraSettingsFile};
static_assert(CRecordForm<CameraSettings>::Fits(kCameraDialog, kBinding));

}  // namespace

CCameraDlg::CCameraDlg(QWidget* owner)
    : CRecordForm(kCameraDialog, kBinding, Texts::Fixed, owner) {}

void CCameraDlg::OnInitForm() {
    static constexpr std::array<ButtonHandler<CCameraDlg>, 2> kButtons{{
        {IDC_CAMERA_GET_TIME, &CCameraDlg::OnGetTime},
        {IDC_CAMERA_DEFAULT, &CCameraDlg::OnDefault},
    }};
    ConnectButtons<CCameraDlg>(*this, kButtons);

    ShowSettings(CameraSettings{});
    TakeClock();
    UpdateData(false);
    ConnectEnableRules(*this, kEnableRules);

    // A new date order always comes with a newly taken clock in that order.
    connect(List(IDC_CAMERA_DATE_ORDER), &QComboBox::currentIndexChanged, this,
            &CCameraDlg::OnGetTime);
    // Every working-time list keeps a definite value.
    for (const int id : kTimerLists) {
        CComboBox* list = List(id);
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

void CCameraDlg::TakeClock() {
    m_clockText = QString::fromStdString(
        FormatClockText(List(IDC_CAMERA_DATE_ORDER)->currentIndex(), Platform::Current().Now()));
}

void CCameraDlg::OnGetTime() {
    TakeClock();
    UpdateData(false);
}

std::optional<QString> CCameraDlg::WhyNotShown(const CameraSettings& settings) const {
    if (std::optional<QString> missing = CRecordForm::WhyNotShown(settings)) {
        return missing;
    }
    // A working window that "Generate" would refuse is refused here with the same words, so
    // the form never holds a file it cannot write again.
    const std::optional<int> wrong = CheckTimerWindows(settings);
    return wrong ? std::optional<QString>(TimerWindowMessage(*wrong)) : std::nullopt;
}

void CCameraDlg::OnLoaded(const CameraSettings&) {
    TakeClock();
    UpdateData(false);
}

QString CCameraDlg::WhyRefused() const {
    return TimerWindowMessage(CheckTimerWindows(ReadSettings()).value_or(0));
}

void CCameraDlg::OnDefault() {
    ShowSettings(CameraSettings{});
    UpdateData(false);
}
