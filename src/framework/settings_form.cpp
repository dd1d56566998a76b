#include "framework/settings_form.h"

#include <QFile>
#include <QLineEdit>

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

#include "core/file_handle.h"
#include "core/settings_text.h"
#include "framework/command_table.h"
#include "framework/controls.h"
#include "framework/form_words.h"
#include "framework/platform.h"
#include "res/dialogs.h"

CSettingsForm::CSettingsForm(const res::DialogTemplate& layout, const Commands& commands,
                             const std::string& fileName, Texts texts, QWidget* owner)
    : CDialog(layout, Frame::Skinned, texts, owner), m_commands(commands), m_fileName(fileName) {}

void CSettingsForm::OnInitDialog() {
    const std::array<ButtonHandler<CSettingsForm>, 3> buttons{{
        {m_commands.select, &CSettingsForm::OnSelect},
        {m_commands.generate, &CSettingsForm::OnGenerate},
        {res::IDC_EXIT, &CSettingsForm::OnExit},
    }};
    ConnectButtons<CSettingsForm>(*this, buttons);
    AppendSystemMenuItem(IDM_LOAD_FROM_CARD, tr(kLoadFromCardText));
    OnInitForm();
}

void CSettingsForm::DoDataExchange(bool save) {
    ExchangeText(save, m_commands.folder, m_targetFolder);
    ExchangeFields(save);
}

void CSettingsForm::OnSelect() {
    if (!SelectTargetFolder(*this, m_commands.folder)) {
        return;
    }
    m_selectedDevice = ReadFolderDevice(FolderPath());
    // A card that holds the form's file already is most often one to start from.
    const std::string path = ComposeSettingsFilePath(FolderPath(), m_fileName);
    std::error_code error;
    if (std::filesystem::is_regular_file(NativePath(path), error) &&
        AskYesNo(ShownPath(path) + u'\n' +
                 CSettingsForm::tr("This folder holds settings already. Load them into the "
                                   "form?"))) {
        OnLoadFromCard();
    }
}

namespace {

// The first enabled edit, in template order, whose text the camera cannot read: a line break, a
// tab or a character outside printable ASCII would break the settings file (a line feed starts a
// new line; other bytes can scramble into the line mark). The enabled edits hold exactly the
// texts a form writes; disabled ones show values the form makes itself or texts that the
// current mode leaves out of the file.
QLineEdit* UnwritableTypedText(const CDialog& form) {
    for (QWidget* control : form.Controls()) {
        auto* edit = qobject_cast<QLineEdit*>(control);
        if (edit != nullptr && edit->isEnabled() &&
            !IsPrintableAscii(edit->text().toUtf8().toStdString())) {
            return edit;
        }
    }
    return nullptr;
}

}  // namespace

void CSettingsForm::OnGenerate() {
    UpdateData(true);
    if (QLineEdit* edit = UnwritableTypedText(*this)) {
        ShowMessage(
            CSettingsForm::tr("\"%1\" holds a line break, a tab or a character outside plain "
                              "ASCII, which the camera cannot read.\nNothing was written.")
                .arg(ControlName(edit)));
        // Two fields may share a label ("Password"); the focus shows which one is meant.
        edit->setFocus();
        edit->selectAll();
        return;
    }
    const SettingsFileOutcome outcome = WriteSettingsFileInto(FolderPath(), m_selectedDevice);
    if (outcome.Written()) {
        UpdateData(false);
    }
    ShowMessage(OutcomeMessage(outcome, FolderPath(), WhyRefused()));
}

std::string CSettingsForm::FolderPath() const {
    return QFile::encodeName(m_targetFolder).toStdString();
}

void CSettingsForm::OnExit() {
    reject();
}

namespace {

// Why there is no file at `path` to load from `folder`, in plain words; nothing when there is
// something of that name, which reading then judges.
std::optional<QString> WhyNothingToLoad(const std::string& folder, const std::string& path) {
    std::error_code error;
    if (std::filesystem::symlink_status(NativePath(path), error).type() !=
        std::filesystem::file_type::not_found) {
        return std::nullopt;
    }
    const std::filesystem::file_type type =
        std::filesystem::status(NativePath(folder), error).type();
    if (type == std::filesystem::file_type::not_found) {
        return CSettingsForm::tr(
            "There is no such folder: is the card in its slot, or was another folder meant?");
    }
    if (folder == kDefaultTargetFolder) {
        return CSettingsForm::tr(
            "This folder holds no such file: choose the card's folder with \"Select\" first.");
    }
    return CSettingsForm::tr("This folder holds no such file: is it the card's folder?");
}

}  // namespace

void CSettingsForm::OnLoadFromCard() {
    const std::string path = ComposeSettingsFilePath(FolderPath(), m_fileName);
    const QString shownPath = ShownPath(path);
    std::optional<QString> reason = WhyNothingToLoad(FolderPath(), path);
    if (!reason) {
        reason = LoadSettingsFileFrom(path);
    }
    if (reason) {
        QString sentence = *reason;
        if (!sentence.isEmpty()) {
            sentence[0] = sentence[0].toUpper();
        }
        // A sentence ends in its language's stop: a Chinese one in "。".
        static const QString kEnds = QStringLiteral(u".?!\u3002\uFF1F\uFF01");
        if (!sentence.isEmpty() && !kEnds.contains(sentence.back())) {
            const bool chinese = std::any_of(sentence.cbegin(), sentence.cend(), [](QChar c) {
                return c.script() == QChar::Script_Han;
            });
            sentence += chinese ? u'\u3002' : u'.';
        }
        ShowMessage(shownPath + u'\n' + sentence + u'\n' +
                    CSettingsForm::tr("Nothing in the form was changed."));
        return;
    }
    const QString about = AboutWhatWasLoaded();
    ShowMessage(CSettingsForm::tr("Settings loaded from %1.").arg(shownPath) +
                (about.isEmpty() ? QString() : u'\n' + about));
}

void CSettingsForm::OnSysCommand(int command) {
    if ((command & 0xFFF0) == IDM_LOAD_FROM_CARD) {
        OnLoadFromCard();
        return;
    }
    CDialog::OnSysCommand(command);
}

bool SelectTargetFolder(CDialog& form, int editId) {
    QLineEdit* edit = form.Edit(editId);
    const std::optional<QString> folder = Platform::Current().BrowseForFolder(
        &form, CSettingsForm::tr(kSelectFolderTitle), edit->text());
    if (!folder) {
        return false;
    }
    edit->setText(*folder);
    form.UpdateData(true);
    return true;
}
