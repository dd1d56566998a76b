#include "core/operator_rows.h"

std::string NameOperatorRows(std::span<const OperatorRow> rows, const OperatorCatalogue& table) {
    std::string named;
    for (const OperatorRow& row : rows) {
        named.append(named.empty() ? "" : "; ")
            .append(table.countryName(row.country))
            .append(", ")
            .append(table.operatorName(row.country, row.operatorIndex));
    }
    return named;
}
