#pragma once

#include <array>
#include <string>

#include "core/settings_file.h"

inline constexpr int kMmsModeAuto = 0;
inline constexpr int kMmsModeManual = 1;

// The camera's MMS reporting settings, one field per control of the MMS Setup form. Integers are
// the positions of list items; texts are written as typed. Both sources of the network values are
// held: Auto takes them from the operator table at (countryIndex, operatorIndex), Manual from the
// six texts.
struct MmsSettings {
    int status = 0;
    std::string numberPerDay;
    int dailyReport = 0;
    int reportHour = 0;
    int mode = kMmsModeAuto;
    int countryIndex = 0;
    int operatorIndex = 0;
    std::string url;
    std::string apn;
    std::string gateway;
    std::string port;
    std::string account;
    std::string password;
    std::array<std::string, 4> mobiles;
    std::array<std::string, 4> emails;
};

// The 18 lines of MmsSet.dat before scrambling. Nothing is checked; the mode is not written.
std::string ComposeMmsSettingsText(const MmsSettings& settings);

// Writes MmsSet.dat into the folder.
SettingsFileOutcome WriteMmsSettingsFile(const MmsSettings& settings,
                                         const std::string& targetFolder,
                                         std::optional<FolderDevice> selectedDevice = std::nullopt);
