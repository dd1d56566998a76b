#include "framework/typed_text_check.h"

#include <QLineEdit>

#include "core/settings_text.h"
#include "framework/controls.h"
#include "framework/dialog.h"

std::optional<QString> RefuseUnwritableTypedText(const CDialog& dialog) {
    for (const QWidget* control : dialog.Controls()) {
        const auto* edit = qobject_cast<const QLineEdit*>(control);
        if (edit == nullptr || !edit->isEnabled() ||
            IsPrintableAscii(edit->text().toUtf8().toStdString())) {
            continue;
        }
        return QStringLiteral(
                   "\"%1\" holds a line break, a tab or a character outside plain "
                   "ASCII, which the camera cannot read.\nNothing was written.")
            .arg(LabelOf(dialog.Controls(), edit));
    }
    return std::nullopt;
}
