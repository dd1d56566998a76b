#pragma once

// The built-in table of countries and mobile operators with the network settings an MMS camera
// needs, from which the MMS Setup form fills its Country and Operator lists and MmsSet.dat takes
// the six network values in Auto mode.

#include <cstdint>
#include <string_view>

#include "core/operator_rows.h"

// One operator: its name and six network values, each NUL-terminated and zero-padded to the end
// of its field.
struct MmsOperatorEntry {
    char name[30];
    char url[60];
    char apn[60];
    char gateway[16];
    char port[10];
    char account[40];
    char password[20];
};

inline constexpr int kMmsOperatorRows = 10;

// One country: its name, how many leading rows the Operator list offers, and ten rows, of which
// those at or beyond the count are entirely zero.
struct MmsCountryEntry {
    char name[20];
    std::int32_t operatorCount;
    MmsOperatorEntry operators[kMmsOperatorRows];
};

inline constexpr int kMmsCountryCount = 39;

// The countries in list order, which is also the order the lists show them in.
extern const MmsCountryEntry MmsOperatorTable[kMmsCountryCount];

// The six values that MmsSet.dat writes as URL, APN, IP, PORT, ACC and PWD; views into the table.
struct MmsNetworkValues {
    std::string_view url;
    std::string_view apn;
    std::string_view gateway;
    std::string_view port;
    std::string_view account;
    std::string_view password;
};

// Lookups by list position. A position outside the table, or at or beyond the country's operator
// count, gives an empty name, a count of 0 and empty network values.
std::string_view MmsCountryName(int country);
int MmsOperatorCount(int country);
std::string_view MmsOperatorName(int country, int operatorIndex);
MmsNetworkValues MmsOperatorNetwork(int country, int operatorIndex);

// The lookups as the Country and Operator lists use them.
inline constexpr OperatorCatalogue kMmsOperatorCatalogue{kMmsCountryCount, &MmsCountryName,
                                                         &MmsOperatorCount, &MmsOperatorName};
