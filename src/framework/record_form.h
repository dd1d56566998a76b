#pragma once

// A setup form bound to its settings record by the lines of its file and the fields it shows
// beside them: it reads the record from its controls, writes it, and loads a file's record into
// them. A record form is its layout and its binding.
#include <span>
#include <string>

#include "core/settings_file_reader.h"
#include "framework/enable_rules.h"
#include "framework/form_words.h"
#include "framework/record_fields.h"
#include "framework/settings_form.h"

template <class Record>
class CRecordForm : public CSettingsForm {
public:
    struct Binding {
        Commands commands;
        // The file's lines, and what the form shows beside them, in the order it selects them.
        std::span<const SettingsLine<Record>> lines;
        std::span<const SettingsLine<Record>> shownOnly;
        std::span<const EnableRule> rules;
        // The settings file: its name with its leading separator, how it is written into a
        // folder and how it is read back.
        const std::string& fileName;
        SettingsFileOutcome (*write)(const Record& settings, const std::string& targetFolder,
                                     std::optional<FolderDevice> selectedDevice);
        ReadFrom<Record> (*read)(const std::string& path);
    };

    // Whether the commands and rules of the binding name controls of the right kind in `layout`;
    // each form checks its binding so at compile time (its record checks its lines).
    static constexpr bool Fits(const res::DialogTemplate& layout, const Binding& binding) {
        using K = res::ControlKind;
        const Commands& commands = binding.commands;
        bool fits = layout.Has(commands.select, K::PushButton) &&
                    layout.Has(commands.folder, K::Edit) &&
                    layout.Has(commands.generate, K::PushButton);
        for (const EnableRule& rule : binding.rules) {
            fits = fits && layout.Has(rule.switchId, K::DropDownList);
            for (const int id : rule.enabledWhenOn) {
                fits = fits && layout.Has(id);
            }
            for (const int id : rule.enabledWhenOff) {
                fits = fits && layout.Has(id);
            }
        }
        return fits;
    }

    // The settings record as the controls show them now.
    Record ReadSettings() const {
        Record settings;
        ReadFields<Record>(*this, m_binding.lines, settings);
        ReadFields<Record>(*this, m_binding.shownOnly, settings);
        return settings;
    }

protected:
    // The binding is a constant that outlives the form.
    CRecordForm(const res::DialogTemplate& layout, const Binding& binding, Texts texts,
                QWidget* owner)
        : CSettingsForm(layout, binding.commands, binding.fileName, texts, owner),
          m_binding(binding) {}

    // Makes every control show `record`, and the enable rules follow.
    void ShowSettings(const Record& record) {
        ShowFields<Record>(*this, m_binding.lines, record);
        ShowFields<Record>(*this, m_binding.shownOnly, record);
        ApplyEnableRules(*this, m_binding.rules);
    }
    // Why the form cannot show the record of a file; nothing when it can. Each list is measured
    // against the items it has now.
    virtual std::optional<QString> WhyNotShown(const Record& record) const {
        std::optional<QString> missing = FieldsNotOffered<Record>(*this, m_binding.lines, record);
        return missing ? missing : FieldsNotOffered<Record>(*this, m_binding.shownOnly, record);
    }
    // What the form does once a file's record is shown.
    virtual void OnLoaded(const Record&) {}

    SettingsFileOutcome WriteSettingsFileInto(const std::string& folder,
                                              std::optional<FolderDevice> device) override {
        return m_binding.write(ReadSettings(), folder, device);
    }
    std::optional<QString> LoadSettingsFileFrom(const std::string& path) override {
        const ReadFrom<Record> read = m_binding.read(path);
        if (!read) {
            return ReadProblemWords(read.Reason(), std::string_view(m_binding.fileName).substr(1));
        }
        if (std::optional<QString> why = WhyNotShown(*read)) {
            return why;
        }
        ShowSettings(*read);
        OnLoaded(*read);
        return std::nullopt;
    }

    const Binding& m_binding;
};
