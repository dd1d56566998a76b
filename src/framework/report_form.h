#pragma once

// What the MMS and Smtp Setup forms share beyond every setup form's folder and commands: a
// settings record bound to the form by its file's lines and by the mode, country and operator
// that the form shows beside them, enable rules for the mode and the daily report, and the
// Country and Operator lists of an operator table. A report form is its layout, its record and
// these tables.
#include <span>
#include <string>
#include <vector>

#include "core/operator_rows.h"
#include "core/settings_file_reader.h"
#include "framework/enable_rules.h"
#include "framework/form_words.h"
#include "framework/operator_lists.h"
#include "framework/record_fields.h"
#include "framework/settings_form.h"

template <class Record>
class CReportForm : public CSettingsForm {
public:
    struct Tables {
        Commands commands;
        // The file's lines, and the mode, the country and the operator the form shows beside them.
        std::span<const SettingsLine<Record>> lines;
        std::span<const SettingsLine<Record>, 3> choice;
        std::span<const EnableRule> rules;
        const OperatorCatalogue& operators;
        // The settings file: its name with its leading separator, how it is written into a
        // folder and how it is read back.
        const std::string& fileName;
        SettingsFileOutcome (*write)(const Record& settings, const std::string& targetFolder,
                                     std::optional<FolderDevice> selectedDevice);
        ReadFrom<Record> (*read)(const std::string& path);
        // The operators whose "Auto" writes the network values that a record writes.
        std::vector<OperatorRow> (*operatorsOf)(const Record& settings);
        // Why "Auto" writes nothing at an operator without the values the camera needs: %1 the
        // operator, %2 its country.
        const char* autoRefusal;

        int CountryList() const { return choice[1].fields[0].control; }
        int OperatorList() const { return choice[2].fields[0].control; }
    };

    // Whether the commands and rules of the tables name controls of the right kind in `layout`;
    // each form checks its tables so at compile time (its record checks its lines).
    static constexpr bool Fits(const res::DialogTemplate& layout, const Tables& tables) {
        return CommandsFit(layout, tables.commands) && RulesFit(layout, tables.rules);
    }

    // The settings record as the controls show them now.
    Record ReadSettings() const {
        Record settings;
        ReadFields<Record>(*this, m_tables.lines, settings);
        ReadFields<Record>(*this, m_tables.choice, settings);
        return settings;
    }

protected:
    // The tables are constants that outlive the form. A report form takes its texts from the
    // localisation file.
    CReportForm(const res::DialogTemplate& layout, const Tables& tables, QWidget* owner)
        : CSettingsForm(layout, tables.commands, tables.fileName, Texts::Localised, owner),
          m_tables(tables) {}

    void OnInitForm() override {
        ConnectOperatorLists(*this, m_tables.CountryList(), m_tables.OperatorList(),
                             m_tables.operators);
        ShowFields<Record>(*this, m_tables.lines, Record{});
        ShowFields<Record>(*this, m_tables.choice, Record{});
        ConnectEnableRules(*this, m_tables.rules);
    }
    SettingsFileOutcome WriteSettingsFileInto(const std::string& folder,
                                              std::optional<FolderDevice> device) override {
        return m_tables.write(ReadSettings(), folder, device);
    }
    std::optional<QString> LoadSettingsFileFrom(const std::string& path) override {
        const ReadFrom<Record> read = m_tables.read(path);
        if (!read) {
            return ReadProblemWords(read.Reason(), std::string_view(m_tables.fileName).substr(1));
        }
        // The Operator list offers the operators of the file's country once that is chosen.
        Record record = *read;
        const int country = m_tables.choice[1].fields[0].number(record);
        const int operatorIndex = m_tables.choice[2].fields[0].number(record);
        std::optional<QString> missing = FieldsNotOffered<Record>(*this, m_tables.lines, record);
        if (!missing) {
            missing = FieldsNotOffered<Record>(*this, m_tables.choice.first(2), record);
        }
        if (!missing &&
            (operatorIndex < 0 || operatorIndex >= m_tables.operators.operatorCount(country))) {
            missing = NoSuchItem(Item(m_tables.OperatorList()), QString::number(operatorIndex));
        }
        if (missing) {
            return missing;
        }
        ShowFields<Record>(*this, m_tables.lines, record);
        ShowFields<Record>(*this, m_tables.choice, record);
        ApplyEnableRules(*this, m_tables.rules);
        m_operatorsLoaded = m_tables.operatorsOf(record);
        return std::nullopt;
    }
    // Which operator the network values of the file loaded are, where that is not plain.
    QString AboutWhatWasLoaded() const override {
        if (m_operatorsLoaded.empty()) {
            return QStringLiteral(
                "Its network values are those of no operator in the lists, so the form shows "
                "them in \"Manual\" mode.");
        }
        if (m_operatorsLoaded.size() == 1) {
            return {};
        }
        return QStringLiteral(
                   "Its network values are those of %1 operators (%2): the form shows "
                   "the first, %3.")
            .arg(QString::number(m_operatorsLoaded.size()),
                 QString::fromLatin1(NameOperatorRows(m_operatorsLoaded, m_tables.operators)),
                 QString::fromLatin1(
                     NameOperatorRows(std::span(m_operatorsLoaded).first(1), m_tables.operators)));
    }
    QString WhyRefused() const override {
        Record settings = ReadSettings();
        const int country = m_tables.choice[1].fields[0].number(settings);
        const int row = m_tables.choice[2].fields[0].number(settings);
        return QString::fromLatin1(m_tables.autoRefusal)
            .arg(QString::fromLatin1(m_tables.operators.operatorName(country, row)),
                 QString::fromLatin1(m_tables.operators.countryName(country)));
    }

private:
    const Tables& m_tables;
    std::vector<OperatorRow> m_operatorsLoaded;
};
