#pragma once

// What the MMS and Smtp Setup forms share beyond every setup form's folder and commands: a
// settings record whose integers are list positions and whose texts are typed into edits, enable
// rules for the mode and the daily report, and the Country and Operator lists of an operator
// table. A report form is its layout, its record and these tables.
#include <span>
#include <string>
#include <vector>

#include "core/operator_rows.h"

#include "core/parsed.h"
#include "framework/enable_rules.h"
#include "framework/operator_lists.h"
#include "framework/record_fields.h"
#include "framework/settings_form.h"

template <class Record>
class CReportForm : public CSettingsForm {
public:
    struct Tables {
        Commands commands;
        std::span<const PositionField<Record>> positions;
        std::span<const TextField<Record>> texts;
        std::span<const EnableRule> rules;
        int countryId;
        int operatorId;
        const OperatorCatalogue& operators;
        // The settings file: its name with its leading separator, how it is written into a
        // folder and how it is read back.
        const std::string& fileName;
        SettingsFileOutcome (*write)(const Record& settings, const std::string& targetFolder,
                                     std::optional<FolderDevice> selectedDevice);
        Parsed<Record> (*read)(const std::string& path);
        // The operators whose "Auto" writes the network values that a record writes.
        std::vector<OperatorRow> (*operatorsOf)(const Record& settings);
    };

    // Whether every identifier of the tables names a control of the right kind in `layout`; each
    // form checks its tables so at compile time.
    static constexpr bool Fits(const res::DialogTemplate& layout, const Tables& tables) {
        using K = res::ControlKind;
        const auto has = [&](int id) {
            for (const res::ControlTemplate& control : layout.controls) {
                if (control.id == id) {
                    return true;
                }
            }
            return false;
        };
        bool fits = layout.Has(tables.commands.select, K::PushButton) &&
                    layout.Has(tables.commands.folder, K::Edit) &&
                    layout.Has(tables.commands.generate, K::PushButton) &&
                    layout.Has(tables.countryId, K::DropDownList) &&
                    layout.Has(tables.operatorId, K::DropDownList) &&
                    layout.HasAll(tables.positions, K::DropDownList,
                                  [](const PositionField<Record>& list) { return list.listId; }) &&
                    layout.HasAll(tables.texts, K::Edit,
                                  [](const TextField<Record>& text) { return text.editId; });
        for (const EnableRule& rule : tables.rules) {
            fits = fits && layout.Has(rule.switchId, K::DropDownList);
            for (const int id : rule.enabledWhenOn) {
                fits = fits && has(id);
            }
            for (const int id : rule.enabledWhenOff) {
                fits = fits && has(id);
            }
        }
        return fits;
    }

    // The settings record as the controls show them now.
    Record ReadSettings() const {
        Record settings;
        ReadPositions<Record>(*this, m_tables.positions, settings);
        ReadTexts<Record>(*this, m_tables.texts, settings);
        return settings;
    }

protected:
    // The tables are constants that outlive the form. A report form takes its texts from the
    // localisation file.
    CReportForm(const res::DialogTemplate& layout, const Tables& tables, QWidget* owner)
        : CSettingsForm(layout, tables.commands, tables.fileName, Texts::Localised, owner),
          m_tables(tables) {}

    void OnInitForm() override {
        ConnectOperatorLists(*this, m_tables.countryId, m_tables.operatorId, m_tables.operators);
        SelectPositions<Record>(*this, m_tables.positions, Record{});
        ConnectEnableRules(*this, m_tables.rules);
    }
    SettingsFileOutcome WriteSettingsFileInto(const std::string& folder,
                                              std::optional<FolderDevice> device) override {
        return m_tables.write(ReadSettings(), folder, device);
    }
    std::optional<std::string> LoadSettingsFileFrom(const std::string& path) override {
        const Parsed<Record> read = m_tables.read(path);
        if (!read) {
            return read.Reason();
        }
        // The country comes before its operators, so each is measured against the operators of
        // the file's country, and a refusal leaves every list as it was.
        if (std::optional<std::string> missing =
                SelectOfferedPositions<Record>(*this, m_tables.positions, *read)) {
            ApplyEnableRules(*this, m_tables.rules);
            return missing;
        }
        ShowTexts<Record>(*this, m_tables.texts, *read);
        ApplyEnableRules(*this, m_tables.rules);
        m_operatorsLoaded = m_tables.operatorsOf(*read);
        return std::nullopt;
    }
    // Which operator the network values of the file loaded are, where that is not plain.
    std::string AboutWhatWasLoaded() const override {
        const OperatorRowNames names{m_tables.operators.countryName,
                                     m_tables.operators.operatorName};
        if (m_operatorsLoaded.empty()) {
            return "Its network values are those of no operator in the lists, so the form shows "
                   "them in \"Manual\" mode.";
        }
        if (m_operatorsLoaded.size() == 1) {
            return {};
        }
        return "Its network values are those of " + std::to_string(m_operatorsLoaded.size()) +
               " operators (" + NameOperatorRows(m_operatorsLoaded, names) +
               "): the form shows the first, " +
               NameOperatorRows(std::span(m_operatorsLoaded).first(1), names) + ".";
    }

private:
    const Tables& m_tables;
    std::vector<OperatorRow> m_operatorsLoaded;
};
