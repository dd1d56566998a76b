#pragma once

// What the MMS and Smtp Setup forms share beyond every setup form's folder and commands: a
// settings record bound to the form by its file's lines and by the mode, country and operator
// that the form shows beside them, enable rules for the mode and the daily report, and the
// Country and Operator lists of an operator table. A report form is its layout, its record and
// these tables.
#include <QCoreApplication>

#include <vector>

#include "core/operator_rows.h"
#include "framework/record_form.h"

template <class Record>
class CReportForm : public CRecordForm<Record> {
public:
    struct Tables {
        typename CRecordForm<Record>::Binding binding;  // its shownOnly: mode, country, operator
        const OperatorCatalogue& operators;
        // The operators whose "Auto" writes the network values that a record writes.
        std::vector<OperatorRow> (*operatorsOf)(const Record& settings);
        // Why "Auto" writes nothing at an operator without the values the camera needs: %1 the
        // operator, %2 its country.
        const char* autoRefusal;
    };

protected:
    // The tables are constants that outlive the form. A report form takes its texts from the
    // localisation file.
    CReportForm(const res::DialogTemplate& layout, const Tables& tables, QWidget* owner)
        : CRecordForm<Record>(layout, tables.binding, CDialog::Texts::Localised, owner),
          m_tables(tables) {}

    // The Country list holds the table's countries, the Operator list the chosen country's
    // operators in row order; choosing another country refills it and selects the first.
    void OnInitForm() override {
        CComboBox* countries = this->List(Choice(1).control);
        CComboBox* operators = this->List(Choice(2).control);
        const OperatorCatalogue& table = m_tables.operators;
        const auto name = [](std::string_view text) {
            return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
        };
        const auto fillOperators = [operators, &table, name](int country) {
            operators->clear();
            for (int row = 0; row < table.operatorCount(country); ++row) {
                operators->addItem(name(table.operatorName(country, row)));
            }
            operators->setCurrentIndex(0);
        };
        countries->clear();
        for (int country = 0; country < table.countryCount; ++country) {
            countries->addItem(name(table.countryName(country)));
        }
        fillOperators(0);
        QObject::connect(countries, &QComboBox::currentIndexChanged, this, fillOperators);
        this->ShowSettings(Record{});
        ConnectEnableRules(*this, m_tables.binding.rules);
    }
    // The Operator list offers the operators of the file's country once that is chosen.
    std::optional<QString> WhyNotShown(const Record& record) const override {
        const auto& binding = m_tables.binding;
        std::optional<QString> missing = FieldsNotOffered<Record>(*this, binding.lines, record);
        if (!missing) {
            missing = FieldsNotOffered<Record>(*this, binding.shownOnly.first(2), record);
        }
        const OperatorRow row = Chosen(record);
        if (!missing && (row.operatorIndex < 0 ||
                         row.operatorIndex >= m_tables.operators.operatorCount(row.country))) {
            missing = NoSuchItem(this->Item(Choice(2).control), QString::number(row.operatorIndex));
        }
        return missing;
    }
    void OnLoaded(const Record& record) override {
        m_operatorsLoaded = m_tables.operatorsOf(record);
    }
    // Which operator the network values of the file loaded are, where that is not plain.
    QString AboutWhatWasLoaded() const override {
        if (m_operatorsLoaded.empty()) {
            return QCoreApplication::translate(
                "ReportForm",
                "Its network values are those of no operator in the lists, so the form shows "
                "them in \"Manual\" mode.");
        }
        if (m_operatorsLoaded.size() == 1) {
            return {};
        }
        return QCoreApplication::translate(
                   "ReportForm",
                   "Its network values are those of %1 operators (%2): the form shows the first, "
                   "%3.")
            .arg(QString::number(m_operatorsLoaded.size()),
                 QString::fromLatin1(NameOperatorRows(m_operatorsLoaded, m_tables.operators)),
                 QString::fromLatin1(
                     NameOperatorRows(std::span(m_operatorsLoaded).first(1), m_tables.operators)));
    }
    QString WhyRefused() const override {
        const OperatorRow row = Chosen(this->ReadSettings());
        return QCoreApplication::translate("ReportForm", m_tables.autoRefusal)
            .arg(QString::fromLatin1(
                     m_tables.operators.operatorName(row.country, row.operatorIndex)),
                 QString::fromLatin1(m_tables.operators.countryName(row.country)));
    }

private:
    const LineField<Record>& Choice(std::size_t i) const {
        return m_tables.binding.shownOnly[i].fields[0];
    }
    OperatorRow Chosen(Record record) const {
        return {Choice(1).number(record), Choice(2).number(record)};
    }

    const Tables& m_tables;
    std::vector<OperatorRow> m_operatorsLoaded;
};
