#include "framework/settings_form.h"

#include <QFile>
#include <QLineEdit>

#include <array>

#include "framework/command_table.h"
#include "framework/platform.h"
#include "framework/typed_text_check.h"
#include "res/dialogs.h"

CSettingsForm::CSettingsForm(const res::DialogTemplate& layout, const Commands& commands,
                             Texts texts, QWidget* owner)
    : CDialog(layout, Frame::Skinned, texts, owner), m_commands(commands) {}

void CSettingsForm::OnInitDialog() {
    const std::array<ButtonHandler<CSettingsForm>, 3> buttons{{
        {m_commands.select, &CSettingsForm::OnSelect},
        {m_commands.generate, &CSettingsForm::OnGenerate},
        {res::IDC_EXIT, &CSettingsForm::OnExit},
    }};
    ConnectButtons<CSettingsForm>(*this, buttons);
    OnInitForm();
}

void CSettingsForm::DoDataExchange(bool save) {
    ExchangeText(save, m_commands.folder, m_targetFolder);
    ExchangeFields(save);
}

void CSettingsForm::OnSelect() {
    SelectTargetFolder(*this, m_commands.folder);
}

void CSettingsForm::OnGenerate() {
    UpdateData(true);
    if (const std::optional<QString> refusal = RefuseUnwritableTypedText(*this)) {
        ShowMessage(*refusal);
        return;
    }
    const SettingsFileOutcome outcome =
        WriteSettingsFileInto(QFile::encodeName(m_targetFolder).toStdString());
    if (outcome.Written()) {
        UpdateData(false);
    }
    ShowMessage(QFile::decodeName(QByteArray::fromStdString(outcome.message)));
}

void CSettingsForm::OnExit() {
    reject();
}

void SelectTargetFolder(CDialog& form, int editId) {
    QLineEdit* edit = form.Edit(editId);
    const std::optional<QString> folder = Platform::Current().BrowseForFolder(
        &form, QString::fromLatin1(kSelectFolderTitle), edit->text());
    if (!folder) {
        return;
    }
    edit->setText(*folder);
    form.UpdateData(true);
}
