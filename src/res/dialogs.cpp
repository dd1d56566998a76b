#include "res/dialogs.h"

#include <array>

namespace res {
namespace {

using K = ControlKind;
using Items = std::span<const std::string_view>;

constexpr std::array<std::string_view, 3> kModels{"CAMERA", "MMS-CAMERA", "SMTP-CAMERA"};

constexpr std::array<ControlTemplate, 4> kAboutControls{{
    {kUnnamedId, K::Icon, "", 11, 17, 21, 20},
    {998, K::Label, "Palvenor 2.1 版", 40, 10, 119, 8, {}, kNoPrefix},
    {999, K::Label, "Copyright (C) 2026", 40, 25, 119, 8},
    {IDOK, K::PushButton, "确定", 178, 7, 50, 14, {}, kDefaultButton},
}};

constexpr std::array<ControlTemplate, 8> kMainControls{{
    {kUnnamedId, K::GroupBox, "", 15, 14, 329, 68},
    {IDC_MODEL_LABEL, K::Label, "Camera Model", 21, 25, 127, 16, {}, kNoFlags, IDC_MODEL},
    {IDC_MODEL, K::DropDownList, "", 21, 53, 314, 68, Items(kModels)},
    {kUnnamedId, K::GroupBox, "", 15, 87, 329, 146},
    {IDC_CAMERA_SETUP, K::PushButton, "Camera Setup", 21, 98, 154, 58},
    {IDC_MMS_SETUP, K::PushButton, "MMS Setup", 183, 99, 154, 58},
    {IDC_SMTP_SETUP, K::PushButton, "Smtp Setup", 22, 168, 154, 58},
    {IDC_EXIT, K::PushButton, "Exit", 183, 168, 154, 58},
}};

constexpr std::array<std::string_view, 3> kModes{"Camera", "Video", "Camera+Video"};
constexpr std::array<std::string_view, 3> kPhotoResolutions{"12M", "8M", "5M"};
constexpr std::array<std::string_view, 3> kVideoResolutions{"1080P", "720P", "VGA"};
constexpr std::array<std::string_view, 3> kSeries{"1 Photo", "2 Photos", "3 Photos"};
constexpr std::array<std::string_view, 4> kVideoLengths{"10S", "20S", "30S", "60S"};
constexpr std::array<std::string_view, 2> kOffOn{"Off", "On"};
constexpr std::array<std::string_view, 3> kSensitivities{"Low", "Medium", "High"};
constexpr std::array<std::string_view, 2> kIrLeds{"Medium", "High"};
constexpr std::array<std::string_view, 3> kDateOrders{"Y/M/D", "D/M/Y", "M/D/Y"};
constexpr std::array<std::string_view, 36> kSerialCharacters{
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C", "D", "E", "F", "G", "H",
    "I", "J", "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};

constexpr ListItems kHours = Numbers(0, 23);
constexpr ListItems kMinutes = Numbers(0, 59);

constexpr auto kCameraControls = std::to_array<ControlTemplate>({
    // Frames: rows 1 to 4 in two columns, row 5, rows 6 to 9, the working-time windows.
    {kUnnamedId, K::GroupBox, "", 9, 0, 135, 25},
    {kUnnamedId, K::GroupBox, "", 147, 0, 135, 25},
    {kUnnamedId, K::GroupBox, "", 9, 23, 135, 25},
    {kUnnamedId, K::GroupBox, "", 147, 23, 135, 25},
    {kUnnamedId, K::GroupBox, "", 9, 46, 135, 25},
    {kUnnamedId, K::GroupBox, "", 147, 46, 135, 25},
    {kUnnamedId, K::GroupBox, "", 9, 69, 135, 25},
    {kUnnamedId, K::GroupBox, "", 147, 69, 135, 25},
    {kUnnamedId, K::GroupBox, "", 9, 93, 135, 25},
    {kUnnamedId, K::GroupBox, "", 9, 117, 272, 25},
    {kUnnamedId, K::GroupBox, "", 9, 141, 272, 25},
    {kUnnamedId, K::GroupBox, "", 9, 165, 272, 25},
    {kUnnamedId, K::GroupBox, "", 9, 189, 272, 25},
    {kUnnamedId, K::GroupBox, "", 9, 212, 272, 79},
    // Rows 1 to 5.
    {1008, K::Label, "Mode", 15, 10, 58, 8, {}, kNoFlags, 1009},
    {1009, K::DropDownList, "", 76, 8, 65, 56, Items(kModes)},
    {1010, K::Label, "Photo Resolution", 152, 10, 60, 8, {}, kNoFlags, 1011},
    {1011, K::DropDownList, "", 214, 8, 65, 81, Items(kPhotoResolutions)},
    {1012, K::Label, "Video Resolution", 15, 33, 58, 8, {}, kNoFlags, 1013},
    {1013, K::DropDownList, "", 76, 31, 65, 52, Items(kVideoResolutions)},
    {1014, K::Label, "Series Photos", 152, 33, 60, 8, {}, kNoFlags, 1015},
    {1015, K::DropDownList, "", 214, 31, 65, 99, Items(kSeries)},
    {1016, K::Label, "Video Length", 15, 56, 58, 8, {}, kNoFlags, 1017},
    {1017, K::DropDownList, "", 76, 54, 65, 61, Items(kVideoLengths)},
    {1018, K::Label, "Beep Sound", 152, 56, 60, 8, {}, kNoFlags, 1019},
    {1019, K::DropDownList, "", 214, 54, 65, 57, Items(kOffOn)},
    {1020, K::Label, "Sensitivity", 15, 79, 58, 8, {}, kNoFlags, 1021},
    {1021, K::DropDownList, "", 76, 77, 65, 83, Items(kSensitivities)},
    {1024, K::Label, "Time Stamp", 152, 79, 60, 8, {}, kNoFlags, 1025},
    {1025, K::DropDownList, "", 214, 77, 65, 59, Items(kOffOn)},
    {1059, K::Label, "IR Led", 15, 103, 58, 8, {}, kNoFlags, 1063},
    {1063, K::DropDownList, "", 76, 101, 65, 56, Items(kIrLeds)},
    // Row 6: the clock.
    {1026, K::Label, "Set Clock", 15, 127, 40, 8, {}, kNoFlags, IDC_CLOCK},
    {IDC_CLOCK, K::Edit, "", 57, 125, 85, 12, {}, kDisabled},
    {IDC_DATE_ORDER, K::DropDownList, "", 151, 125, 48, 50, Items(kDateOrders)},
    {IDC_GET_TIME, K::PushButton, "Get Time", 202, 124, 66, 14},
    // Rows 7 to 9: PIR interval, time interval, serial number.
    {1030, K::Label, "PIR Interval", 15, 152, 47, 8, {}, kNoFlags, IDC_PIR_INTERVAL},
    {IDC_PIR_INTERVAL, K::DropDownList, "", 64, 150, 35, 30, Items(kOffOn)},
    {1038, K::Label, "Min", 130, 152, 18, 8, {}, kNoFlags, 1039},
    {1039, K::DropDownList, "", 151, 150, 30, 80, kMinutes},
    {1040, K::Label, "Sec", 219, 152, 18, 8, {}, kNoFlags, 1041},
    {1041, K::DropDownList, "", 240, 150, 30, 80, kMinutes},
    {1032, K::Label, "Time Interval", 15, 175, 47, 8, {}, kNoFlags, IDC_TIME_INTERVAL},
    {IDC_TIME_INTERVAL, K::DropDownList, "", 64, 173, 35, 30, Items(kOffOn)},
    {1042, K::Label, "Hour", 128, 175, 20, 8, {}, kNoFlags, 1043},
    {1043, K::DropDownList, "", 151, 173, 30, 82, kHours},
    {1044, K::Label, "Min", 219, 175, 18, 8, {}, kNoFlags, 1045},
    {1045, K::DropDownList, "", 240, 173, 30, 82, kMinutes},
    {1034, K::Label, "Serial Number", 15, 199, 47, 8, {}, kNoFlags, IDC_SERIAL_NUMBER},
    {IDC_SERIAL_NUMBER, K::DropDownList, "", 64, 197, 35, 30, Items(kOffOn), kSorted},
    {1046, K::DropDownList, "", 113, 197, 26, 78, Items(kSerialCharacters)},
    {1047, K::DropDownList, "", 156, 197, 26, 78, Items(kSerialCharacters)},
    {1048, K::DropDownList, "", 199, 197, 26, 78, Items(kSerialCharacters)},
    {1049, K::DropDownList, "", 242, 197, 26, 78, Items(kSerialCharacters)},
    // Row 10: the three daily working-time windows under their column headings.
    {1050, K::Label, "Start", 64, 219, 30, 8},
    {1051, K::Label, "Hour", 110, 219, 24, 8},
    {1052, K::Label, "Min", 146, 219, 24, 8},
    {1053, K::Label, "End", 176, 219, 20, 8},
    {1054, K::Label, "Hour", 202, 219, 24, 8},
    {1055, K::Label, "Min", 238, 219, 24, 8},
    {1036, K::Label, "Fixed Time", 15, 256, 47, 8, {}, kNoFlags, IDC_FIXED_TIME},
    {IDC_FIXED_TIME, K::DropDownList, "", 64, 254, 30, 30, Items(kOffOn)},
    {1056, K::DropDownList, "", 107, 233, 30, 82, kHours},
    {1060, K::DropDownList, "", 143, 233, 30, 80, kMinutes},
    {1064, K::DropDownList, "", 199, 233, 30, 82, kHours},
    {1068, K::DropDownList, "", 235, 233, 30, 80, kMinutes},
    {1057, K::DropDownList, "", 107, 254, 30, 82, kHours},
    {1061, K::DropDownList, "", 143, 254, 30, 80, kMinutes},
    {1065, K::DropDownList, "", 199, 254, 30, 82, kHours},
    {1069, K::DropDownList, "", 235, 254, 30, 80, kMinutes},
    {1058, K::DropDownList, "", 107, 275, 30, 82, kHours},
    {1062, K::DropDownList, "", 143, 275, 30, 80, kMinutes},
    {1066, K::DropDownList, "", 199, 275, 30, 82, kHours},
    {1070, K::DropDownList, "", 236, 275, 30, 80, kMinutes},
    // Rows 11 and 12: target folder and the form's commands.
    {IDC_CAMERA_SELECT, K::PushButton, "Select", 8, 295, 62, 12},
    {IDC_CAMERA_FOLDER, K::Edit, "", 80, 295, 201, 12, {}, kDisabled},
    {IDC_CAMERA_GENERATE, K::PushButton, "Generate", 60, 313, 62, 12},
    {IDC_CAMERA_DEFAULT, K::PushButton, "Default", 135, 313, 62, 12},
    {IDC_EXIT, K::PushButton, "Exit", 210, 313, 62, 12},
});

}  // namespace

const DialogTemplate kAboutDialog{IDD_ABOUTBOX, "关于 Palvenor", 235, 55, 9, kAboutControls};
const DialogTemplate kMainDialog{IDD_MAIN, "Setup  V2.1", 361, 251, 9, kMainControls};
const DialogTemplate kCameraDialog{IDD_CAMERA, "Camera Setup", 291, 331, 10, kCameraControls};

}  // namespace res
