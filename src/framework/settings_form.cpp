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
    if (SelectTargetFolder(*this, m_commands.folder)) {
        m_selectedDevice = ReadFolderDevice(FolderPath());
    }
}

void CSettingsForm::OnGenerate() {
    UpdateData(true);
    if (const std::optional<QString> refusal = RefuseUnwritableTypedText(*this)) {
        ShowMessage(*refusal);
        return;
    }
    const SettingsFileOutcome outcome = WriteSettingsFileInto(FolderPath(), m_selectedDevice);
    if (outcome.Written()) {
        UpdateData(false);
    }
    ShowMessage(QFile::decodeName(QByteArray::fromStdString(outcome.message)));
}

std::string CSettingsForm::FolderPath() const {
    return QFile::encodeName(m_targetFolder).toStdString();
}

void CSettingsForm::OnExit() {
    reject();
}

bool SelectTargetFolder(CDialog& form, int editId) {
    QLineEdit* edit = form.Edit(editId);
    const std::optional<QString> folder = Platform::Current().BrowseForFolder(
        &form, QString::fromLatin1(kSelectFolderTitle), edit->text());
    if (!folder) {
        return false;
    }
    edit->setText(*folder);
    form.UpdateData(true);
    return true;
}
