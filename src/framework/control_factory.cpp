#include "framework/control_factory.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

#include "framework/controls.h"
#include "framework/dialog_skin.h"
#include "framework/dialog_units.h"
#include "framework/resource_picture.h"
#include "res/dialogs.h"
#include "words/translations.h"

namespace {

const char* const kControlIdProperty = "controlId";

void FillList(CComboBox& list, const res::ControlTemplate& control) {
    QStringList items;
    for (std::size_t i = 0; i < control.items.Count(); ++i) {
        items << TemplateText(control.items.Text(i), "Lists");
    }
    if ((control.flags & res::kSorted) != 0) {
        std::sort(items.begin(), items.end(), [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
    }
    list.addItems(items);
}

QWidget* CreateWidget(const res::ControlTemplate& control, const char* context, QWidget& parent,
                      bool skinned) {
    using K = res::ControlKind;
    switch (control.kind) {
        case K::GroupBox: {
            auto* group = new QGroupBox(TemplateText(control.text, context), &parent);
            group->setAttribute(Qt::WA_TransparentForMouseEvents);
            return group;
        }
        case K::Label: {
            auto* label = new QLabel(&parent);
            label->setTextFormat(Qt::PlainText);
            label->setText(TemplateText(control.text, context));
            return label;
        }
        case K::Icon: {
            auto* icon = new QLabel(&parent);
            icon->setPixmap(ResourcePicture(QString::fromUtf8(res::kAppIconPath))
                                .scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
            return icon;
        }
        case K::DropDownList: {
            auto* list = new CComboBox(&parent);
            FillList(*list, control);
            return list;
        }
        case K::Edit: {
            QLineEdit* edit =
                skinned ? DialogSkin::Current().CreateEdit(&parent) : new QLineEdit(&parent);
            edit->setText(TemplateText(control.text, context));
            return edit;
        }
        case K::PushButton: {
            QPushButton* button = skinned ? DialogSkin::Current().CreatePushButton(&parent)
                                          : new QPushButton(&parent);
            button->setText(TemplateText(control.text, context));
            // Enter never presses a button of a working window; the key filter swallows it.
            button->setAutoDefault(!skinned);
            button->setDefault(!skinned && (control.flags & res::kDefaultButton) != 0);
            return button;
        }
    }
    return nullptr;
}

// The height of a control in pixels. A layout gives a list the height of its dropped-down part;
// the closed list is as high as its font needs, and the layout's height decides how many items
// the dropped list shows.
int PlaceHeight(QWidget& widget, const res::ControlTemplate& control, const DialogUnits& units) {
    const int height = units.ToPixelsY(control.cy);
    auto* list = qobject_cast<CComboBox*>(&widget);
    if (list == nullptr) {
        return height;
    }
    const int closed = list->sizeHint().height();
    const int itemHeight = std::max(1, list->fontMetrics().height() + 2);
    list->setMaxVisibleItems(std::max(1, (height - closed) / itemHeight));
    return closed;
}

}  // namespace

bool IsTabStop(res::ControlKind kind) {
    using K = res::ControlKind;
    return kind == K::DropDownList || kind == K::Edit || kind == K::PushButton;
}

QWidget* CreateControl(const res::ControlTemplate& control, const char* context, QWidget& parent,
                       const DialogUnits& units, bool skinned) {
    QWidget* widget = CreateWidget(control, context, parent, skinned);
    widget->setProperty(kControlIdProperty, control.id);
    widget->setFocusPolicy(IsTabStop(control.kind) ? Qt::StrongFocus : Qt::NoFocus);
    widget->setGeometry(units.ToPixelsX(control.x), units.ToPixelsY(control.y),
                        units.ToPixelsX(control.cx), PlaceHeight(*widget, control, units));
    if ((control.flags & res::kDisabled) != 0) {
        widget->setEnabled(false);
    }
    if (!control.accessibleName.empty()) {
        widget->setAccessibleName(TemplateText(control.accessibleName, context));
    }
    return widget;
}

int ControlId(const QWidget* control) {
    const QVariant id = control->property(kControlIdProperty);
    return id.isValid() ? id.toInt() : 0;
}
