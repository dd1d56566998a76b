#include "framework/controls.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "framework/accessible_list.h"

CComboBox::CComboBox(QWidget* parent) : QComboBox(parent) {
    AccessibleList::Install(staticMetaObject.className());
}

bool CComboBox::SelectString(const QString& text) {
    const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        return false;
    }
    setCurrentIndex(index);
    return true;
}

void CComboBox::hidePopup() {
    QComboBox::hidePopup();
    Q_EMIT DropDownClosed();
}

// A closed list is as high as its font needs: a new font gives it a new height, its top and width
// unchanged.
void CComboBox::changeEvent(QEvent* event) {
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        resize(width(), sizeHint().height());
    }
}

QString GetWindowText(const QWidget* window) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(window)) {
        return edit->text();
    }
    if (const auto* list = qobject_cast<const QComboBox*>(window)) {
        return list->currentText();
    }
    if (const auto* label = qobject_cast<const QLabel*>(window)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(window)) {
        return button->text();
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(window)) {
        return group->title();
    }
    return window->windowTitle();
}

void SetWindowText(QWidget* window, const QString& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(window)) {
        edit->setText(text);
    } else if (auto* list = qobject_cast<CComboBox*>(window)) {
        list->SelectString(text);
    } else if (auto* label = qobject_cast<QLabel*>(window)) {
        label->setText(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(window)) {
        button->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(window)) {
        group->setTitle(text);
    } else {
        window->setWindowTitle(text);
    }
}

QString ControlName(const QWidget* control) {
    QAccessibleInterface* accessible =
        QAccessible::queryAccessibleInterface(const_cast<QWidget*>(control));
    return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}
