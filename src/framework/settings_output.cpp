#include "framework/settings_output.h"

#include <QLineEdit>

#include "framework/dialog.h"
#include "framework/platform.h"

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

void ReportSettingsFileOutcome(CDialog& form, const SettingsFileOutcome& outcome) {
    if (outcome.Written()) {
        form.UpdateData(false);
    }
    form.ShowMessage(QString::fromStdString(outcome.message));
}
