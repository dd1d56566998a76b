#include "framework/typed_text_check.h"

#include <QLabel>
#include <QLineEdit>

#include "core/settings_text.h"
#include "framework/dialog.h"

namespace {

// The caption of the label that names `edit`, as the window shows it now.
QString LabelOf(const CDialog& dialog, const QWidget* edit) {
    for (const QWidget* control : dialog.Controls()) {
        const auto* label = qobject_cast<const QLabel*>(control);
        if (label != nullptr && label->buddy() == edit) {
            return label->text();
        }
    }
    return QString();
}

}  // namespace

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
            .arg(LabelOf(dialog, edit));
    }
    return std::nullopt;
}
