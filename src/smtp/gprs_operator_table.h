#pragma once

// The built-in table of countries and mobile operators with the settings of their GPRS data
// connection, from which the Smtp Setup form fills its "Country" and "Operator" lists and
// SmtpSet.dat takes the access point in Auto mode.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

#include "core/operator_rows.h"

// One operator: texts NUL-terminated and zero-padded to the end of their field.
struct GprsOperatorEntry {
    char name[30];
    char apn[30];
    char account[40];
    char password[130];
};

inline constexpr int kGprsOperatorRows = 10;

// One country: its name, how many leading rows the "Operator" list offers, and ten rows, of
// which those at or beyond the count are entirely zero.
struct GprsCountryEntry {
    char name[20];
    std::int32_t operatorCount;
    GprsOperatorEntry operators[kGprsOperatorRows];
};

inline constexpr int kGprsCountryCount = 39;

// The countries in list order, which is also the order the lists show them in.
extern const GprsCountryEntry GprsOperatorTable[kGprsCountryCount];

// The table is a byte image with a fixed layout: every field at its own offset, no padding.
static_assert(std::is_standard_layout_v<GprsOperatorEntry>);
static_assert(std::is_standard_layout_v<GprsCountryEntry>);
static_assert(sizeof(GprsOperatorEntry) == 230);
static_assert(offsetof(GprsOperatorEntry, name) == 0);
static_assert(offsetof(GprsOperatorEntry, apn) == 30);
static_assert(offsetof(GprsOperatorEntry, account) == 60);
static_assert(offsetof(GprsOperatorEntry, password) == 100);
static_assert(sizeof(GprsCountryEntry) == 2324);
static_assert(offsetof(GprsCountryEntry, name) == 0);
static_assert(offsetof(GprsCountryEntry, operatorCount) == 20);
static_assert(offsetof(GprsCountryEntry, operators) == 24);
static_assert(sizeof(GprsOperatorTable) == 90636);

// The access point of one operator's data connection; empty texts where it needs none.
struct GprsAccessPoint {
    std::string_view apn;
    std::string_view account;
    std::string_view password;
};

// Lookups by list position. A position outside the table, or at or beyond the country's
// operator count, gives an empty name, a count of 0 and an empty access point.
std::string_view GprsCountryName(int country);
int GprsOperatorCount(int country);
std::string_view GprsOperatorName(int country, int operatorIndex);
GprsAccessPoint GprsOperatorAccessPoint(int country, int operatorIndex);

// The lookups as the Country and Operator lists use them.
inline constexpr OperatorCatalogue kGprsOperatorCatalogue{kGprsCountryCount, &GprsCountryName,
                                                          &GprsOperatorCount, &GprsOperatorName};
