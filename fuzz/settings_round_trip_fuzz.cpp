// Composing, scrambling and unscrambling the three settings records, with every field taken from
// the fuzzer's bytes. Composing must never crash or run past its buffers, whatever a record
// holds. For a record whose texts the forms would let through (printable ASCII), the text must
// have exactly the file's lines, key by key in order, each text field standing as it was given;
// scrambling must keep the length, mark every line end and only the line ends with the byte 1,
// and unscrambling must give the text back byte for byte.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "camera/camera_settings.h"
#include "core/scramble.h"
#include "core/settings_text.h"
#include "mms/mms_settings.h"
#include "smtp/smtp_settings.h"

namespace {

// Texts longer than a settings file can hold are refused before composing matters, so longer
// fields find nothing new.
constexpr std::size_t kMaxFieldLength = 3000;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// One expected line: its key and, for a text field written as it stands, its value.
struct Line {
    std::string_view key;
    const std::string* value = nullptr;
};

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        Require(end != std::string_view::npos);  // every line ends in a line feed
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    return lines;
}

void CheckLines(const std::string& text, const std::vector<Line>& expected) {
    const std::vector<std::string_view> lines = SplitLines(text);
    Require(lines.size() == expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t equals = lines[i].find('=');
        Require(equals != std::string_view::npos && lines[i].substr(0, equals) == expected[i].key);
        if (expected[i].value != nullptr) {
            Require(lines[i].substr(equals + 1) == *expected[i].value);
        }
    }
}

void CheckScrambling(const std::string& text, const ScrambleKey& key, bool printable) {
    std::string scrambled = text;
    scrambled.push_back('\x7f');  // room for the terminating zero, which must overwrite this
    Require(ScrambleSettingsText(scrambled.data(), text.size(), key) == !text.empty());
    if (text.empty()) {
        return;
    }
    Require(scrambled.back() == '\0');
    scrambled.pop_back();
    std::string unscrambled;
    for (std::size_t i = 0; i < scrambled.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(scrambled[i]);
        Require((text[i] == '\n') == (byte == kScrambledLineEnd) || !printable);
        Require(byte != 0 || !printable);
        unscrambled += byte == kScrambledLineEnd
                           ? '\n'
                           : static_cast<char>(byte - key.bytes[i % key.bytes.size()]);
    }
    Require(unscrambled == text || !printable);
}

bool AllPrintable(std::initializer_list<const std::string*> texts) {
    for (const std::string* text : texts) {
        if (!IsPrintableAscii(*text)) {
            return false;
        }
    }
    return true;
}

std::string Text(FuzzedDataProvider& bytes) {
    return bytes.ConsumeRandomLengthString(kMaxFieldLength);
}

void Camera(FuzzedDataProvider& bytes) {
    CameraSettings s;
    for (int* field :
         {&s.mode, &s.photoResolution, &s.videoResolution, &s.seriesPhotos, &s.videoLength, &s.beep,
          &s.sensitivity, &s.timeStamp, &s.irLed, &s.dateOrder, &s.pirInterval, &s.pirMinutes,
          &s.pirSeconds, &s.timeInterval, &s.timeIntervalHours, &s.timeIntervalMinutes,
          &s.serialNumberOn, &s.fixedTime}) {
        *field = bytes.ConsumeIntegral<int>();
    }
    for (TimerWindow& window : s.timers) {
        window = {bytes.ConsumeIntegral<int>(), bytes.ConsumeIntegral<int>(),
                  bytes.ConsumeIntegral<int>(), bytes.ConsumeIntegral<int>()};
    }
    for (char& c : s.serialNumber) {
        c = bytes.ConsumeIntegralInRange<char>(0x20, 0x7E);
    }
    s.clockText = Text(bytes);
    const std::string text = ComposeCameraSettingsText(s);
    const bool printable = AllPrintable({&s.clockText});
    if (printable) {
        CheckLines(text, {{"MODE"},
                          {"PRES"},
                          {"MRES"},
                          {"IMGB"},
                          {"VLEN"},
                          {"BEEP"},
                          {"SENL"},
                          {"TSTP"},
                          {"IRLED"},
                          {"YMD"},
                          {"CLK", &s.clockText},
                          {"PINV"},
                          {"PINVT"},
                          {"TINV"},
                          {"TINVT"},
                          {"SNUM"},
                          {"SNUMS"},
                          {"TIMER"},
                          {"TIMERT1"},
                          {"TIMERT2"},
                          {"TIMERT3"}});
    }
    CheckScrambling(text, kCameraScrambleKey, printable);
}

void Mms(FuzzedDataProvider& bytes) {
    MmsSettings s;
    s.status = bytes.ConsumeIntegral<int>();
    s.dailyReport = bytes.ConsumeIntegral<int>();
    s.reportHour = bytes.ConsumeIntegral<int>();
    s.mode = bytes.ConsumeBool() ? kMmsModeManual : kMmsModeAuto;
    s.countryIndex = bytes.ConsumeIntegralInRange(-1, 40);
    s.operatorIndex = bytes.ConsumeIntegralInRange(-1, 11);
    for (std::string* field :
         {&s.numberPerDay, &s.url, &s.apn, &s.gateway, &s.port, &s.account, &s.password}) {
        *field = Text(bytes);
    }
    for (std::string& field : s.mobiles) {
        field = Text(bytes);
    }
    for (std::string& field : s.emails) {
        field = Text(bytes);
    }
    const std::string text = ComposeMmsSettingsText(s);
    const bool manual = s.mode == kMmsModeManual;
    const auto typed = [manual](const std::string& field) { return manual ? &field : nullptr; };
    const bool printable =
        AllPrintable({&s.numberPerDay, &s.mobiles[0], &s.mobiles[1], &s.mobiles[2], &s.mobiles[3],
                      &s.emails[0], &s.emails[1], &s.emails[2], &s.emails[3]}) &&
        (!manual || AllPrintable({&s.url, &s.apn, &s.gateway, &s.port, &s.account, &s.password}));
    if (printable) {
        CheckLines(text, {{"MMSS"},
                          {"MMSDNUM", &s.numberPerDay},
                          {"MMSDR"},
                          {"MMSDRT"},
                          {"URL", typed(s.url)},
                          {"APN", typed(s.apn)},
                          {"IP", typed(s.gateway)},
                          {"PORT", typed(s.port)},
                          {"ACC", typed(s.account)},
                          {"PWD", typed(s.password)},
                          {"PHNO1", &s.mobiles[0]},
                          {"PHNUM2", &s.mobiles[1]},
                          {"PHNO3", &s.mobiles[2]},
                          {"PHNUM4", &s.mobiles[3]},
                          {"EML1", &s.emails[0]},
                          {"EMN2", &s.emails[1]},
                          {"EMN3", &s.emails[2]},
                          {"EML4", &s.emails[3]}});
    }
    CheckScrambling(text, kMmsScrambleKey, printable);
}

void Smtp(FuzzedDataProvider& bytes) {
    SmtpSettings s;
    s.gprsStatus = bytes.ConsumeIntegral<int>();
    s.dailyReport = bytes.ConsumeIntegral<int>();
    s.dailyReportHour = bytes.ConsumeIntegral<int>();
    s.smtpMode = bytes.ConsumeIntegralInRange(0, 2);
    s.countryIndex = bytes.ConsumeIntegralInRange(-1, 40);
    s.operatorIndex = bytes.ConsumeIntegralInRange(-1, 11);
    for (std::string* field : {&s.emailsPerDay, &s.apn, &s.account, &s.apnPassword, &s.smtpServer,
                               &s.port, &s.senderEmail, &s.smtpPassword}) {
        *field = Text(bytes);
    }
    for (std::string& field : s.recipients) {
        field = Text(bytes);
    }
    const std::string text = ComposeSmtpSettingsText(s);
    const bool manual = s.smtpMode != kSmtpModeAuto;
    const auto typed = [manual](const std::string& field) { return manual ? &field : nullptr; };
    const bool printable =
        AllPrintable({&s.emailsPerDay, &s.smtpServer, &s.port, &s.senderEmail, &s.smtpPassword,
                      &s.recipients[0], &s.recipients[1], &s.recipients[2], &s.recipients[3]}) &&
        (!manual || AllPrintable({&s.apn, &s.account, &s.apnPassword}));
    if (printable) {
        CheckLines(text, {{"SMTPS"},
                          {"SMTPDNUM", &s.emailsPerDay},
                          {"SMTPDR"},
                          {"SMTPDRT"},
                          {"APN", typed(s.apn)},
                          {"ACC", typed(s.account)},
                          {"PWD1", typed(s.apnPassword)},
                          {"SRV", &s.smtpServer},
                          {"PORT", &s.port},
                          {"SEND", &s.senderEmail},
                          {"PWD2", &s.smtpPassword},
                          {"EML1", &s.recipients[0]},
                          {"EMN2", &s.recipients[1]},
                          {"EMN3", &s.recipients[2]},
                          {"EML4", &s.recipients[3]}});
    }
    CheckScrambling(text, kSmtpScrambleKey, printable);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider bytes(data, size);
    switch (bytes.ConsumeIntegralInRange(0, 2)) {
        case 0:
            Camera(bytes);
            break;
        case 1:
            Mms(bytes);
            break;
        default:
            Smtp(bytes);
            break;
    }
    return 0;
}
