#include "cli/settings_kinds.h"

#include "cli/card_words.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "camera/camera_settings.h"
#include "core/file_handle.h"
#include "core/scramble.h"
#include "core/settings_file_reader.h"
#include "core/settings_text.h"
#include "mms/mms_operator_table.h"
#include "mms/mms_settings.h"
#include "res/camera_dialog.h"
#include "res/mms_dialog.h"
#include "res/report_lists.h"
#include "res/smtp_dialog.h"
#include "smtp/gprs_operator_table.h"
#include "smtp/smtp_settings.h"
#include "words/read_words.h"
#include "words/translations.h"

namespace {

using namespace res;

// The lines of each file as the command line knows them, from the files' own descriptions.
constexpr auto kCameraLines = FormLinesOf(kCameraSetLines);
constexpr auto kMmsLines = FormLinesOf(kMmsSetLines);
constexpr auto kSmtpLines = FormLinesOf(kSmtpSetLines);

// The steps of each kind, from the record's own functions.
template <class Record>
using Parse = ReadFrom<Record> (*)(std::string_view text);
template <class Record>
using Write = SettingsFileOutcome (*)(const Record& settings, const std::string& folder,
                                      std::optional<FolderDevice> selectedDevice);

template <class Record, Parse<Record> parse>
std::optional<ReadProblem> Refuse(std::string_view text) {
    const ReadFrom<Record> parsed = parse(text);
    return parsed ? std::nullopt : std::optional<ReadProblem>(parsed.Reason());
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
template <class Record, Parse<Record> parse, const OperatorCatalogue& table,
          std::vector<OperatorRow> (*operatorsOf)(const Record&)>
std::string ModeOf(std::string_view text) {
    const ReadFrom<Record> settings = parse(text);
    const std::vector<OperatorRow> rows =
        settings ? operatorsOf(*settings) : std::vector<OperatorRow>{};
    if (rows.empty()) {
        return TemplateText(kReportModeItems[1], "Lists").toStdString();
    }
    const std::string first = NameOperatorRows(std::span(rows).first(1), table);
    const std::string mode = TemplateText(kReportModeItems[0], "Lists").toStdString();
    if (rows.size() == 1) {
        return mode + ", " + first;
    }
    return Said(TrailcamCard::tr("%1, %2 (the values of %3 operators: %4)"),
                {mode, first, std::to_string(rows.size()), NameOperatorRows(rows, table)});
}

std::vector<std::string> NoRecordProblems(std::string_view) {
    return {};
}

// The working-time windows that the Camera form refuses to write.
std::vector<std::string> TimerWindowProblems(std::string_view text) {
    std::vector<std::string> problems;
    const ReadFrom<CameraSettings> settings = ParseCameraSettingsText(text);
    for (std::size_t i = 0; settings && i < settings->timers.size(); ++i) {
        const TimerWindow& w = settings->timers[i];
        if (!TimerWindowPasses(w)) {
            char line[64];
            std::snprintf(line, sizeof line, "TIMERT%zu=%02d:%02d %02d:%02d", i + 1, w.startHour,
                          w.startMinute, w.endHour, w.endMinute);
            problems.push_back(Said(TrailcamCard::tr("%1: the working time %2 must start before "
                                                     "it ends on the same day (00:00 00:00 for "
                                                     "none)"),
                                    {line, std::to_string(i + 1)}));
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
     &Defaults<MmsSettings, &ComposeMmsSettingsText>, kMmsChoiceLines[0].label,
     &ModeOf<MmsSettings, &ParseMmsSettingsText, kMmsOperatorCatalogue,
             &MmsOperatorsWritingNetworkOf>},
    {"smtp", kSmtpDialog, kSmtpSetFileName, kSmtpScrambleKey, kSmtpLines,
     &Refuse<SmtpSettings, &ParseSmtpSettingsText>, &NoRecordProblems,
     &WriteText<SmtpSettings, &ParseSmtpSettingsText, &WriteSmtpSettingsFile>,
     &Defaults<SmtpSettings, &ComposeSmtpSettingsText>, kSmtpChoiceLines[0].label,
     &ModeOf<SmtpSettings, &ParseSmtpSettingsText, kGprsOperatorCatalogue,
             &GprsOperatorsWritingAccessPointOf>},
}};

ReadFrom<std::string> ReadAsKind(std::string_view bytes, const SettingsKind& kind) {
    std::string text = UnscrambleSettingsText(bytes, kind.key);
    if (std::optional<ReadProblem> problem = kind.refuse(text)) {
        return ReadFrom<std::string>::Refused(std::move(*problem));
    }
    return text;
}

}  // namespace

std::string SettingsKind::Title() const {
    return TemplateText(form.title, form.context).toStdString();
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
        if (SameAsciiLetters(name, kind.BareFileName())) {
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

std::string Shown(std::string_view name) {
    // Printable runs in single quotes, a quote as \', the rest as $'\n' or $'\033'. Printable
    // are ASCII from the blank on and UTF-8 sequences of anything but the C1 controls, U+0080 to
    // U+009F.
    constexpr std::string_view kLetters = "abtnvfr";  // \a to \r, bytes 7 to 13
    std::string shown = "'";
    bool quoted = false;
    enum { InQuotes, InDollarQuotes, Outside } state = InQuotes;
    const auto enter = [&](decltype(state) next, std::string_view opening) {
        if (state != next) {
            shown += state == Outside ? "" : "'";
            shown += next == Outside ? "" : opening;
            state = next;
        }
    };
    for (std::string_view rest = name; !rest.empty();) {
        const std::size_t length = Utf8SequenceLength(rest);
        const auto lead = static_cast<unsigned char>(rest[0]);
        const bool control =
            length == 1
                ? lead < 0x20 || lead == 0x7F
                : length == 0 || (lead == 0xC2 && static_cast<unsigned char>(rest[1]) < 0xA0);
        if (rest[0] == '\'') {
            enter(Outside, {});
            shown += "\\'";
        } else if (!control) {
            enter(InQuotes, "'");
            shown += rest.substr(0, length);
        } else {
            enter(InDollarQuotes, "$'");
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\%03o", lead);
            shown += lead >= 7 && lead <= 13 ? std::string{'\\', kLetters[lead - 7]} : escaped;
            quoted = true;
        }
        rest.remove_prefix(control ? 1 : length);
    }
    return quoted ? shown + (state == Outside ? "" : "'") : std::string(name);
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
        return {{folder, given,
                 Said(TrailcamCard::tr("the folder cannot be read: %1"), {error.message()})}};
    }
    if (found.empty()) {
        const std::string without =
            given != nullptr
                ? Said(TrailcamCard::tr("it is a folder without %1"), {given->BareFileName()})
                : Said(TrailcamCard::tr("it is a folder without %1, %2 or %3"),
                       {kKinds[0].BareFileName(), kKinds[1].BareFileName(),
                        kKinds[2].BareFileName()});
        return {{folder, given, without}};
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
    const ReadFrom<std::string> bytes = operand == kStandardInput
                                            ? ReadSettingsFileBytesFromStandardInput()
                                            : ReadSettingsFileBytes(operand);
    if (!bytes) {
        // A pipe named on the command line, /dev/stdin among them, is read by its other name.
        const bool pipe = bytes.Reason().reason == FileProblem::NamedPipe;
        const std::string why = ReadProblemWords(bytes.Reason(), {}).toStdString();
        return Parsed<std::string>::Refused(
            pipe ? Said(TrailcamCard::tr("%1 (- reads standard input)"), {why}) : why);
    }
    return *bytes;
}

Parsed<std::string> SettingsTextOf(std::string_view bytes, const SettingsKind& kind) {
    const ReadFrom<std::string> text = ReadAsKind(bytes, kind);
    if (text) {
        return *text;
    }
    if (bytes.empty()) {
        return Parsed<std::string>::Refused(TextProblemWords(text.Reason()).toStdString());
    }
    // A file of another kind says which it is.
    const std::string why = TextProblemWords(text.Reason()).toStdString();
    for (const SettingsKind& other : kKinds) {
        if (&other != &kind && ReadAsKind(bytes, other)) {
            return Parsed<std::string>::Refused(
                Said(TrailcamCard::tr("it is not a valid %1 (it reads as %2): %3"),
                     {kind.BareFileName(), other.BareFileName(), why}));
        }
    }
    return Parsed<std::string>::Refused(
        Said(TrailcamCard::tr("it is not a valid %1: %2"), {kind.BareFileName(), why}));
}
