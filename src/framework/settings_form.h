#pragma once

// What the three setup forms share: the target folder with "Select", "Generate" and "Exit", and
// "Load from card" in the window menu. A form gives its layout, the identifiers of those controls,
// the name of its settings file and two operations, writing its settings file into a folder and
// showing the settings of a file; the rest happens here: choosing the folder, refusing typed texts
// that the camera cannot read, writing, reading, and telling the user the outcome.
#include <QString>

#include <optional>
#include <string>

#include "core/settings_file.h"
#include "framework/dialog.h"

// The title of the folder browser that "Select" opens.
inline constexpr const char* kSelectFolderTitle = QT_TRANSLATE_NOOP("CSettingsForm", "Select :");

// The window menu's command that reads the form's settings file from the target folder.
inline constexpr int IDM_LOAD_FROM_CARD = 0x0020;
inline constexpr const char* kLoadFromCardText =
    QT_TRANSLATE_NOOP("CSettingsForm", "&Load from card");

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
    // `fileName` is the settings file's name with its leading separator, as the writer takes it.
    CSettingsForm(const res::DialogTemplate& layout, const Commands& commands,
                  const std::string& fileName, Texts texts, QWidget* owner);

    // The form's own initialisation, once the commands are wired.
    virtual void OnInitForm() {}
    // Data exchange of the form's own text fields; the target folder is exchanged here.
    virtual void ExchangeFields(bool save) { (void)save; }
    // Writes the form's settings file into `folder`, named as the file system names it; nothing
    // is written if the folder no longer lies on `selectedDevice`, the device it lay on when it
    // was chosen with "Select".
    virtual SettingsFileOutcome WriteSettingsFileInto(
        const std::string& folder, std::optional<FolderDevice> selectedDevice) = 0;
    // Reads the settings file at `path` and shows its settings in the controls. When the file
    // cannot be read, is not one of the form's or holds a value the form does not offer, it
    // changes nothing and says why, to follow the file's path.
    virtual std::optional<QString> LoadSettingsFileFrom(const std::string& path) = 0;

    // What to say beside "Settings loaded from ..." of the file just loaded; empty for nothing.
    virtual QString AboutWhatWasLoaded() const { return {}; }
    // What to say when the form's own check refused to write the settings it shows.
    virtual QString WhyRefused() const { return {}; }

    // Chooses the target folder; when the chosen folder holds the form's file, asks once whether
    // to load it, and Yes does what "Load from card" does.
    void OnSelect();
    void OnGenerate();
    void OnExit();
    void OnLoadFromCard();

    void OnSysCommand(int command) override;

private:
    void OnInitDialog() final;
    void DoDataExchange(bool save) final;

    std::string FolderPath() const;

    const Commands m_commands;
    const std::string m_fileName;
    QString m_targetFolder = QString::fromLatin1(kDefaultTargetFolder);
    // Where the folder lay when it was chosen; nothing for the default folder.
    std::optional<FolderDevice> m_selectedDevice;
};

// Lets the user choose the target folder of a form: the chosen folder is shown in the form's
// edit `editId` and read back into its text fields. Cancelling changes nothing and gives false.
bool SelectTargetFolder(CDialog& form, int editId);
