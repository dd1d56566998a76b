#pragma once

// The operator tables of the report forms, seen from their records: rows by list position, how the
// Country and Operator lists name them, and where a record's network values come from: "Auto"
// takes them from the row of its operator, "Manual" from the record's texts.
#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct OperatorRow {
    int country;
    int operatorIndex;

    bool operator==(const OperatorRow&) const = default;
};

// The lookups of an operator table by list position.
struct OperatorCatalogue {
    int countryCount;
    std::string_view (*countryName)(int country);
    int (*operatorCount)(int country);
    std::string_view (*operatorName)(int country, int operatorIndex);
};

// The rows as the Country and Operator lists show them, one after another:
// "Australia, Optus; Namibia, MTC".
std::string NameOperatorRows(std::span<const OperatorRow> rows, const OperatorCatalogue& table);

// The text of a zero-padded field of a table row, up to its first zero byte and never past its
// end.
template <std::size_t N>
constexpr std::string_view TableFieldText(const char (&field)[N]) {
    std::size_t length = 0;
    while (length < N && field[length] != '\0') {
        ++length;
    }
    return {field, length};
}

// Lookups by list position in a table of countries, each with a name, a count and its operator
// rows: a position outside the table, or at or beyond the country's count, finds nothing.
template <class Country, std::size_t N>
struct OperatorTable {
    const Country (&countries)[N];

    constexpr const Country* CountryAt(int country) const {
        return country >= 0 && country < static_cast<int>(N) ? &countries[country] : nullptr;
    }
    constexpr const auto* RowAt(int country, int row) const {
        const Country* entry = CountryAt(country);
        return entry != nullptr && row >= 0 && row < entry->operatorCount ? &entry->operators[row]
                                                                          : nullptr;
    }
    std::string_view CountryName(int country) const {
        const Country* entry = CountryAt(country);
        return entry != nullptr ? TableFieldText(entry->name) : std::string_view();
    }
    int OperatorCount(int country) const {
        const Country* entry = CountryAt(country);
        return entry != nullptr ? entry->operatorCount : 0;
    }
    std::string_view OperatorName(int country, int row) const {
        const auto* entry = RowAt(country, row);
        return entry != nullptr ? TableFieldText(entry->name) : std::string_view();
    }
};
// Spelled out for compilers that deduce no aggregate's arguments (Clang before 17).
template <class Country, std::size_t N>
OperatorTable(const Country (&)[N]) -> OperatorTable<Country, N>;

// The network values of a report record: which of its fields choose the row and hold the texts,
// and the values of each row.
template <class Record, std::size_t N>
struct OperatorNetwork {
    int Record::*mode;  // "Auto" at `autoMode` takes the values from the table, any other mode not
    int Record::*country;
    int Record::*operatorIndex;
    std::array<std::string Record::*, N> texts;
    std::array<std::string_view, N> (*row)(int country, int operatorIndex);
    const OperatorCatalogue& table;
    // How many leading values the camera cannot send without.
    std::size_t needed;
    int autoMode;

    bool FromTable(const Record& record) const { return record.*mode == autoMode; }
};

// Whether the values of a row lack one that the camera needs.
template <std::size_t N>
bool LacksNeeded(const std::array<std::string_view, N>& values, std::size_t needed) {
    for (std::size_t i = 0; i < needed; ++i) {
        if (values[i].empty()) {
            return true;
        }
    }
    return false;
}

// Whether the record is "Auto" at a row without the values the camera needs.
template <class Record, std::size_t N>
bool AutoLacksNetwork(const OperatorNetwork<Record, N>& network, const Record& record) {
    return network.FromTable(record) &&
           LacksNeeded(network.row(record.*network.country, record.*network.operatorIndex),
                       network.needed);
}

// The record with the values it writes in its texts: in "Auto" those of its row.
template <class Record, std::size_t N>
Record WithNetworkWritten(const OperatorNetwork<Record, N>& network, Record record) {
    if (network.FromTable(record)) {
        const auto row = network.row(record.*network.country, record.*network.operatorIndex);
        for (std::size_t i = 0; i < N; ++i) {
            record.*network.texts[i] = row[i];
        }
    }
    return record;
}

// Every row, in table order, whose "Auto" writes the values that `record` writes.
template <class Record, std::size_t N>
std::vector<OperatorRow> OperatorsWriting(const OperatorNetwork<Record, N>& network,
                                          const Record& record) {
    const Record written = WithNetworkWritten(network, record);
    std::vector<OperatorRow> rows;
    for (int country = 0; country < network.table.countryCount; ++country) {
        for (int row = 0; row < network.table.operatorCount(country); ++row) {
            const auto values = network.row(country, row);
            bool same = !LacksNeeded(values, network.needed);
            for (std::size_t i = 0; same && i < N; ++i) {
                same = written.*network.texts[i] == values[i];
            }
            if (same) {
                rows.push_back({country, row});
            }
        }
    }
    return rows;
}

// The canonical record of a file that holds the network values but no mode, country or operator:
// makes a "Manual" record read from it "Auto" at the first row, in table order, that "Auto" writes
// with its values, its texts emptied; a record whose values no row has (empty ones among them)
// stays "Manual". So for every text that reads, composing the record gives the text back byte for
// byte; and every record whose numbers are from 0 on and whose texts are printable ASCII reads
// back from its text as a record that composes to the same text and equals it in every field the
// file holds.
template <class Record, std::size_t N>
Record TakeOperatorOfTheTable(const OperatorNetwork<Record, N>& network, Record record) {
    const std::vector<OperatorRow> rows = OperatorsWriting(network, record);
    if (rows.empty()) {
        return record;
    }
    record.*network.mode = network.autoMode;
    record.*network.country = rows.front().country;
    record.*network.operatorIndex = rows.front().operatorIndex;
    for (std::string Record::*text : network.texts) {
        (record.*text).clear();
    }
    return record;
}
