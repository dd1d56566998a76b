#include "cli/settings_kinds.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "camera/camera_settings.h"
#include "core/file_handle.h"
#include "core/scramble.h"
#include "core/settings_file_reader.h"
#include "mms/mms_operator_table.h"
#include "mms/mms_settings.h"
#include "res/camera_dialog.h"
#include "res/mms_dialog.h"
#include "res/report_lists.h"
#include "res/smtp_dialog.h"
#include "smtp/gprs_operator_table.h"
#include "smtp/smtp_settings.h"

namespace {

using namespace res;
using Shape = FormLine::Shape;

constexpr std::array<FormLine, 21> kCameraLines{{
    {"MODE", Shape::Position, IDC_CAMERA_MODE_LABEL, {IDC_CAMERA_MODE}},
    {"PRES", Shape::Position, IDC_CAMERA_PHOTO_RESOLUTION_LABEL, {IDC_CAMERA_PHOTO_RESOLUTION}},
    {"MRES", Shape::Position, IDC_CAMERA_VIDEO_RESOLUTION_LABEL, {IDC_CAMERA_VIDEO_RESOLUTION}},
    {"IMGB", Shape::Position, IDC_CAMERA_SERIES_PHOTOS_LABEL, {IDC_CAMERA_SERIES_PHOTOS}},
    {"VLEN", Shape::Position, IDC_CAMERA_VIDEO_LENGTH_LABEL, {IDC_CAMERA_VIDEO_LENGTH}},
    {"BEEP", Shape::Position, IDC_CAMERA_BEEP_LABEL, {IDC_CAMERA_BEEP}},
    {"SENL", Shape::Position, IDC_CAMERA_SENSITIVITY_LABEL, {IDC_CAMERA_SENSITIVITY}},
    {"TSTP", Shape::Position, IDC_CAMERA_TIME_STAMP_LABEL, {IDC_CAMERA_TIME_STAMP}},
    {"IRLED", Shape::Position, IDC_CAMERA_IR_LED_LABEL, {IDC_CAMERA_IR_LED}},
    {"YMD", Shape::Position, IDC_CAMERA_CLOCK_LABEL, {IDC_CAMERA_DATE_ORDER}},
    {"CLK", Shape::Clock, IDC_CAMERA_CLOCK_LABEL, {IDC_CAMERA_CLOCK}, {}, "YMD"},
    {"PINV", Shape::Position, IDC_CAMERA_PIR_INTERVAL_LABEL, {IDC_CAMERA_PIR_INTERVAL}},
    {"PINVT",
     Shape::Times,
     IDC_CAMERA_PIR_INTERVAL_LABEL,
     {IDC_CAMERA_PIR_MINUTES, IDC_CAMERA_PIR_SECONDS}},
    {"TINV", Shape::Position, IDC_CAMERA_TIME_INTERVAL_LABEL, {IDC_CAMERA_TIME_INTERVAL}},
    {"TINVT",
     Shape::Times,
     IDC_CAMERA_TIME_INTERVAL_LABEL,
     {IDC_CAMERA_INTERVAL_HOURS, IDC_CAMERA_INTERVAL_MINUTES}},
    {"SNUM", Shape::Position, IDC_CAMERA_SERIAL_NUMBER_LABEL, {IDC_CAMERA_SERIAL_NUMBER}},
    {"SNUMS",
     Shape::Characters,
     IDC_CAMERA_SERIAL_NUMBER_LABEL,
     {IDC_CAMERA_SERIAL_CHAR1, IDC_CAMERA_SERIAL_CHAR2, IDC_CAMERA_SERIAL_CHAR3,
      IDC_CAMERA_SERIAL_CHAR4}},
    {"TIMER", Shape::Position, IDC_CAMERA_FIXED_TIME_LABEL, {IDC_CAMERA_FIXED_TIME}},
    {"TIMERT1",
     Shape::Times,
     IDC_CAMERA_FIXED_TIME_LABEL,
     {IDC_CAMERA_WINDOW1_START_HOUR, IDC_CAMERA_WINDOW1_START_MINUTE, IDC_CAMERA_WINDOW1_END_HOUR,
      IDC_CAMERA_WINDOW1_END_MINUTE},
     " 1"},
    {"TIMERT2",
     Shape::Times,
     IDC_CAMERA_FIXED_TIME_LABEL,
     {IDC_CAMERA_WINDOW2_START_HOUR, IDC_CAMERA_WINDOW2_START_MINUTE, IDC_CAMERA_WINDOW2_END_HOUR,
      IDC_CAMERA_WINDOW2_END_MINUTE},
     " 2"},
    {"TIMERT3",
     Shape::Times,
     IDC_CAMERA_FIXED_TIME_LABEL,
     {IDC_CAMERA_WINDOW3_START_HOUR, IDC_CAMERA_WINDOW3_START_MINUTE, IDC_CAMERA_WINDOW3_END_HOUR,
      IDC_CAMERA_WINDOW3_END_MINUTE},
     " 3"},
}};

constexpr std::array<FormLine, 18> kMmsLines{{
    {"MMSS", Shape::Position, IDC_MMS_STATUS_LABEL, {IDC_MMS_STATUS}},
    {"MMSDNUM", Shape::Text, IDC_MMS_NUMBER_LABEL, {IDC_MMS_NUMBER}},
    {"MMSDR", Shape::Position, IDC_MMS_DAILY_REPORT_LABEL, {IDC_MMS_DAILY_REPORT}},
    {"MMSDRT", Shape::Position, IDC_MMS_HOUR_LABEL, {IDC_MMS_HOUR}},
    {"URL", Shape::Text, IDC_MMS_URL_LABEL, {IDC_MMS_URL}},
    {"APN", Shape::Text, IDC_MMS_APN_LABEL, {IDC_MMS_APN}},
    {"IP", Shape::Text, IDC_MMS_GATEWAY_LABEL, {IDC_MMS_GATEWAY}},
    {"PORT", Shape::Text, IDC_MMS_PORT_LABEL, {IDC_MMS_PORT}},
    {"ACC", Shape::Text, IDC_MMS_ACCOUNT_LABEL, {IDC_MMS_ACCOUNT}},
    {"PWD", Shape::Text, IDC_MMS_PASSWORD_LABEL, {IDC_MMS_PASSWORD}},
    {"PHNO1", Shape::Text, IDC_MMS_MOBILE1_LABEL, {IDC_MMS_MOBILE1}},
    {"PHNUM2", Shape::Text, IDC_MMS_MOBILE2_LABEL, {IDC_MMS_MOBILE2}},
    {"PHNO3", Shape::Text, IDC_MMS_MOBILE3_LABEL, {IDC_MMS_MOBILE3}},
    {"PHNUM4", Shape::Text, IDC_MMS_MOBILE4_LABEL, {IDC_MMS_MOBILE4}},
    {"EML1", Shape::Text, IDC_MMS_EMAIL1_LABEL, {IDC_MMS_EMAIL1}},
    {"EMN2", Shape::Text, IDC_MMS_EMAIL2_LABEL, {IDC_MMS_EMAIL2}},
    {"EMN3", Shape::Text, IDC_MMS_EMAIL3_LABEL, {IDC_MMS_EMAIL3}},
    {"EML4", Shape::Text, IDC_MMS_EMAIL4_LABEL, {IDC_MMS_EMAIL4}},
}};

constexpr std::array<FormLine, 15> kSmtpLines{{
    {"SMTPS", Shape::Position, IDC_SMTP_STATUS_LABEL, {IDC_SMTP_STATUS}},
    {"SMTPDNUM", Shape::Text, IDC_SMTP_NUMBER_LABEL, {IDC_SMTP_NUMBER}},
    {"SMTPDR", Shape::Position, IDC_SMTP_DAILY_REPORT_LABEL, {IDC_SMTP_DAILY_REPORT}},
    {"SMTPDRT", Shape::Position, IDC_SMTP_HOUR_LABEL, {IDC_SMTP_HOUR}},
    {"APN", Shape::Text, IDC_SMTP_APN_LABEL, {IDC_SMTP_APN}},
    {"ACC", Shape::Text, IDC_SMTP_ACCOUNT_LABEL, {IDC_SMTP_ACCOUNT}},
    {"PWD1", Shape::Text, IDC_SMTP_APN_PASSWORD_LABEL, {IDC_SMTP_APN_PASSWORD}},
    {"SRV", Shape::Text, IDC_SMTP_SERVER_LABEL, {IDC_SMTP_SERVER}},
    {"PORT", Shape::Text, IDC_SMTP_PORT_LABEL, {IDC_SMTP_PORT}},
    {"SEND", Shape::Text, IDC_SMTP_SENDER_LABEL, {IDC_SMTP_SENDER}},
    {"PWD2", Shape::Text, IDC_SMTP_SERVER_PASSWORD_LABEL, {IDC_SMTP_SERVER_PASSWORD}},
    {"EML1", Shape::Text, IDC_SMTP_EMAIL1_LABEL, {IDC_SMTP_EMAIL1}},
    {"EMN2", Shape::Text, IDC_SMTP_EMAIL2_LABEL, {IDC_SMTP_EMAIL2}},
    {"EMN3", Shape::Text, IDC_SMTP_EMAIL3_LABEL, {IDC_SMTP_EMAIL3}},
    {"EML4", Shape::Text, IDC_SMTP_EMAIL4_LABEL, {IDC_SMTP_EMAIL4}},
}};

// Whether every line names a label and controls of the right kind in `layout`.
constexpr bool Fits(const DialogTemplate& layout, std::span<const FormLine> lines) {
    for (const FormLine& line : lines) {
        const bool edit = line.shape == Shape::Text || line.shape == Shape::Clock;
        bool fits = layout.Has(line.label, ControlKind::Label) && line.controls[0] != 0;
        for (const int id : line.controls) {
            fits = fits && (id == 0 ||
                            layout.Has(id, edit ? ControlKind::Edit : ControlKind::DropDownList));
        }
        if (!fits) {
            return false;
        }
    }
    return true;
}
static_assert(Fits(kCameraDialog, kCameraLines));
static_assert(Fits(kMmsDialog, kMmsLines));
static_assert(Fits(kSmtpDialog, kSmtpLines));

// The steps of each kind, from the record's own functions.
template <class Record>
using Parse = Parsed<Record> (*)(std::string_view text);
template <class Record>
using Write = SettingsFileOutcome (*)(const Record& settings, const std::string& folder,
                                      std::optional<FolderDevice> selectedDevice);

template <class Record, Parse<Record> parse>
std::optional<std::string> Refuse(std::string_view text) {
    const Parsed<Record> parsed = parse(text);
    return parsed ? std::nullopt : std::optional<std::string>(parsed.Reason());
}

template <class Record, Parse<Record> parse, Write<Record> write>
SettingsFileOutcome WriteText(std::string_view text, const std::string& folder,
                              std::optional<FolderDevice> card) {
    return write(*parse(text), folder, card);
}

template <class Record, std::string (*compose)(const Record&)>
std::string Defaults() {
    return compose(Record{});
}

// "Auto, Australia, Optus" or "Manual", in the words of the report forms' lists; where several
// operators share the values, every one of them after the first that the form shows.
template <class Record, Parse<Record> parse, int Record::*mode,
          std::string_view (*countryName)(int), std::string_view (*operatorName)(int, int),
          std::vector<OperatorRow> (*operatorsOf)(const Record&)>
std::string ModeOf(std::string_view text) {
    const Parsed<Record> settings = parse(text);
    if (!settings || (*settings).*mode != 0) {
        return std::string(kReportModeItems[1]);
    }
    const OperatorRowNames names{countryName, operatorName};
    const std::vector<OperatorRow> rows = operatorsOf(*settings);
    std::string shown =
        std::string(kReportModeItems[0]) + ", " + NameOperatorRows(std::span(rows).first(1), names);
    if (rows.size() > 1) {
        shown += " (the values of " + std::to_string(rows.size()) +
                 " operators: " + NameOperatorRows(rows, names) + ")";
    }
    return shown;
}

std::vector<std::string> NoRecordProblems(std::string_view) {
    return {};
}

// The working-time windows that the Camera form refuses to write.
std::vector<std::string> TimerWindowProblems(std::string_view text) {
    std::vector<std::string> problems;
    const Parsed<CameraSettings> settings = ParseCameraSettingsText(text);
    for (std::size_t i = 0; settings && i < settings->timers.size(); ++i) {
        const TimerWindow& w = settings->timers[i];
        if (!TimerWindowPasses(w)) {
            char problem[160];
            std::snprintf(problem, sizeof problem,
                          "TIMERT%zu=%02d:%02d %02d:%02d: the working time %zu must start before "
                          "it ends on the same day (00:00 00:00 for none)",
                          i + 1, w.startHour, w.startMinute, w.endHour, w.endMinute, i + 1);
            problems.emplace_back(problem);
        }
    }
    return problems;
}

const std::array<SettingsKind, 3> kKinds{{
    {"camera", kCameraDialog, kCameraSetFileName, kCameraScrambleKey, kCameraLines,
     &Refuse<CameraSettings, &ParseCameraSettingsText>, &TimerWindowProblems,
     &WriteText<CameraSettings, &ParseCameraSettingsText, &WriteCameraSettingsFile>,
     &Defaults<CameraSettings, &ComposeCameraSettingsText>},
    {"mms", kMmsDialog, kMmsSetFileName, kMmsScrambleKey, kMmsLines,
     &Refuse<MmsSettings, &ParseMmsSettingsText>, &NoRecordProblems,
     &WriteText<MmsSettings, &ParseMmsSettingsText, &WriteMmsSettingsFile>,
     &Defaults<MmsSettings, &ComposeMmsSettingsText>, IDC_MMS_MODE_LABEL,
     &ModeOf<MmsSettings, &ParseMmsSettingsText, &MmsSettings::mode, &MmsCountryName,
             &MmsOperatorName, &MmsOperatorsWritingNetworkOf>},
    {"smtp", kSmtpDialog, kSmtpSetFileName, kSmtpScrambleKey, kSmtpLines,
     &Refuse<SmtpSettings, &ParseSmtpSettingsText>, &NoRecordProblems,
     &WriteText<SmtpSettings, &ParseSmtpSettingsText, &WriteSmtpSettingsFile>,
     &Defaults<SmtpSettings, &ComposeSmtpSettingsText>, IDC_SMTP_MODE_LABEL,
     &ModeOf<SmtpSettings, &ParseSmtpSettingsText, &SmtpSettings::smtpMode, &GprsCountryName,
             &GprsOperatorName, &GprsOperatorsWritingAccessPointOf>},
}};

Parsed<std::string> ReadAsKind(std::string_view bytes, const SettingsKind& kind) {
    std::string text = UnscrambleSettingsText(bytes, kind.key);
    if (const std::optional<std::string> reason = kind.refuse(text)) {
        return Parsed<std::string>::Refused(*reason);
    }
    return text;
}

bool SameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::size_t FormLine::ControlCount() const {
    return static_cast<std::size_t>(
        std::count_if(controls.begin(), controls.end(), [](int id) { return id != 0; }));
}

std::span<const SettingsKind> SettingsKinds() {
    return kKinds;
}

const SettingsKind* KindNamed(std::string_view name) {
    for (const SettingsKind& kind : kKinds) {
        if (kind.name == name) {
            return &kind;
        }
    }
    return nullptr;
}

const SettingsKind* KindOfFile(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    for (const SettingsKind& kind : kKinds) {
        if (SameLetters(name, kind.BareFileName())) {
            return &kind;
        }
    }
    return nullptr;
}

std::string WithoutTrailingSeparators(std::string folder) {
#if defined(_WIN32)
    constexpr std::string_view kSeparators = "/\\";
#else
    constexpr std::string_view kSeparators = "/";
#endif
    while (folder.size() > 1 && kSeparators.find(folder.back()) != std::string_view::npos) {
        folder.pop_back();
    }
    return folder;
}

std::vector<Input> InputsOf(const std::string& operand, const SettingsKind* given) {
    std::error_code error;
    if (operand == kStandardInput || !std::filesystem::is_directory(operand, error)) {
        return {{operand, given, std::nullopt}};
    }
    const std::string folder = WithoutTrailingSeparators(operand);
    std::vector<std::pair<const SettingsKind*, std::string>> found;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        const SettingsKind* kind = KindOfFile(name);
        if (kind != nullptr && (given == nullptr || given == kind)) {
            found.emplace_back(kind, name);
        }
    }
    if (error) {
        return {{folder, given, "the folder cannot be read: " + error.message()}};
    }
    if (found.empty()) {
        std::string names;
        const std::span<const SettingsKind> kinds =
            given != nullptr ? std::span<const SettingsKind>(given, 1) : SettingsKinds();
        for (std::size_t i = 0; i < kinds.size(); ++i) {
            names += (i == 0                  ? ""
                      : i + 1 == kinds.size() ? " or "
                                              : ", ") +
                     std::string(kinds[i].BareFileName());
        }
        return {{folder, given, "it is a folder without " + names}};
    }
    std::ranges::sort(found, [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second < b.second;
    });
    const std::string separator = folder.back() == '/' ? "" : "/";
    std::vector<Input> inputs;
    for (const auto& [kind, name] : found) {
        inputs.push_back({folder + separator + name, kind, std::nullopt});
    }
    return inputs;
}

Parsed<std::string> ReadInput(const std::string& operand) {
    Parsed<std::string> bytes = operand == kStandardInput ? ReadSettingsFileBytesFromStandardInput()
                                                          : ReadSettingsFileBytes(operand);
    // A pipe named on the command line, /dev/stdin among them, is read by its other name.
    const std::string pipe = std::error_code(FileProblem::NamedPipe).message();
    if (!bytes && bytes.Reason().ends_with(pipe)) {
        return Parsed<std::string>::Refused(bytes.Reason() + " (- reads standard input)");
    }
    return bytes;
}

Parsed<std::string> SettingsTextOf(std::string_view bytes, const SettingsKind& kind) {
    const Parsed<std::string> text = ReadAsKind(bytes, kind);
    if (text || bytes.empty()) {
        return text;
    }
    // A file of another kind says which it is.
    std::string reason = "it is not a valid " + std::string(kind.BareFileName());
    for (const SettingsKind& other : kKinds) {
        if (&other != &kind && ReadAsKind(bytes, other)) {
            reason += " (it reads as " + std::string(other.BareFileName()) + ")";
        }
    }
    return Parsed<std::string>::Refused(reason + ": " + text.Reason());
}
