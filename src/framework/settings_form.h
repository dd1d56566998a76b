#pragma once

// What the three setup forms share: the target folder with "Select", "Generate" and "Exit". A
// form gives its layout, the identifiers of those controls and one operation, writing its
// settings file into a folder; the rest happens here: choosing the folder, refusing typed texts
// that the camera cannot read, writing, and telling the user the outcome.
#include <QString>

#include <span>
#include <string>

#include "core/settings_file.h"
#include "framework/dialog.h"

// The title of the folder browser that "Select" opens.
inline constexpr const char* kSelectFolderTitle = "Select :";

class CSettingsForm : public CDialog {
    Q_OBJECT
public:
    // The identifiers of the controls every setup form has.
    struct Commands {
        int select;    // "Select"
        int folder;    // the disabled edit that shows the target folder
        int generate;  // "Generate"
    };

    const QString& TargetFolder() const { return m_targetFolder; }
    const Commands& FormCommands() const { return m_commands; }

protected:
    CSettingsForm(const res::DialogTemplate& layout, const Commands& commands, Texts texts,
                  QWidget* owner);

    // An edit and the text field of the form that mirrors it.
    template <class Form>
    struct TextField {
        int editId;
        QString Form::*field;
    };
    template <class Form>
    void ExchangeTexts(bool save, std::span<const TextField<Form>> fields) {
        for (const TextField<Form>& text : fields) {
            ExchangeText(save, text.editId, static_cast<Form&>(*this).*text.field);
        }
    }
    // A typed text on its way into a settings record; by then it has passed the check of every
    // text the form writes, so it is plain ASCII.
    static std::string SettingsText(const QString& typed);

    // The form's own initialisation, once the commands are wired.
    virtual void OnInitForm() {}
    // Data exchange of the form's own text fields; the target folder is exchanged here.
    virtual void ExchangeFields(bool save) { (void)save; }
    // Writes the form's settings file into `folder`, named as the file system names it.
    virtual SettingsFileOutcome WriteSettingsFileInto(const std::string& folder) = 0;

    void OnSelect();
    void OnGenerate();
    void OnExit();

private:
    void OnInitDialog() final;
    void DoDataExchange(bool save) final;

    const Commands m_commands;
    QString m_targetFolder = QString::fromLatin1(kDefaultTargetFolder);
};

// Lets the user choose the target folder of a form: the chosen folder is shown in the form's
// edit `editId` and read back into its text fields. Cancelling changes nothing.
void SelectTargetFolder(CDialog& form, int editId);
