#include "core/operator_rows.h"

std::string NameOperatorRows(std::span<const OperatorRow> rows, const OperatorRowNames& names) {
    std::string named;
    for (const OperatorRow& row : rows) {
        named.append(named.empty() ? "" : "; ")
            .append(names.countryName(row.country))
            .append(", ")
            .append(names.operatorName(row.country, row.operatorIndex));
    }
    return named;
}
