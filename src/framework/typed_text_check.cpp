#include "framework/typed_text_check.h"

#include <QLineEdit>

#include "core/settings_text.h"
#include "framework/controls.h"
#include "framework/dialog.h"

std::optional<TypedTextRefusal> RefuseUnwritableTypedText(const CDialog& dialog) {
    for (QWidget* control : dialog.Controls()) {
        auto* edit = qobject_cast<QLineEdit*>(control);
        if (edit == nullptr || !edit->isEnabled() ||
            IsPrintableAscii(edit->text().toUtf8().toStdString())) {
            continue;
        }
        return TypedTextRefusal{
            edit, QStringLiteral("\"%1\" holds a line break, a tab or a character outside plain "
                                 "ASCII, which the camera cannot read.\nNothing was written.")
                      .arg(ControlName(edit))};
    }
    return std::nullopt;
}
