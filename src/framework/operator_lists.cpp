#include "framework/operator_lists.h"

#include "framework/controls.h"
#include "framework/dialog.h"

namespace {

QString Name(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

void FillOperators(CComboBox& operators, int country, const OperatorCatalogue& catalogue) {
    operators.clear();
    for (int row = 0; row < catalogue.operatorCount(country); ++row) {
        operators.addItem(Name(catalogue.operatorName(country, row)));
    }
    operators.setCurrentIndex(0);
}

}  // namespace

void ConnectOperatorLists(CDialog& dialog, int countryId, int operatorId,
                          const OperatorCatalogue& catalogue) {
    CComboBox* countries = dialog.List(countryId);
    CComboBox* operators = dialog.List(operatorId);
    countries->clear();
    for (int country = 0; country < catalogue.countryCount; ++country) {
        countries->addItem(Name(catalogue.countryName(country)));
    }
    countries->setCurrentIndex(0);
    FillOperators(*operators, 0, catalogue);
    QObject::connect(
        countries, &QComboBox::currentIndexChanged, &dialog,
        [operators, &catalogue](int country) { FillOperators(*operators, country, catalogue); });
}
