#pragma once

// Rows of an operator table, by list position, and how a message names them.
#include <span>
#include <string>
#include <string_view>

struct OperatorRow {
    int country;
    int operatorIndex;

    bool operator==(const OperatorRow&) const = default;
};

// The names of an operator table's countries and operators, by list position.
struct OperatorRowNames {
    std::string_view (*countryName)(int country);
    std::string_view (*operatorName)(int country, int operatorIndex);
};

// The rows as the Country and Operator lists show them, one after another:
// "Australia, Optus; Namibia, MTC".
std::string NameOperatorRows(std::span<const OperatorRow> rows, const OperatorRowNames& names);
