#include "framework/accessible_list.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace {

const char* g_listClassName = nullptr;

QAccessibleInterface* MakeAccessibleList(const QString& className, QObject* object) {
    if (className == QLatin1String(g_listClassName)) {
        return new AccessibleList(static_cast<QComboBox*>(object));
    }
    return nullptr;
}

}  // namespace

AccessibleList::AccessibleList(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

void AccessibleList::Install(const char* className) {
    if (g_listClassName == nullptr) {
        g_listClassName = className;
        QAccessible::installFactory(&MakeAccessibleList);
    }
}

QComboBox* AccessibleList::List() const {
    return static_cast<QComboBox*>(widget());
}

void* AccessibleList::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

// The name is the widget's: its accessible name, else its label's text without the mnemonic.
QString AccessibleList::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Value) {
        return List()->currentText();
    }
    return QAccessibleWidget::text(kind);
}

QAccessibleInterface* AccessibleList::child(int index) const {
    return index == 0 ? QAccessible::queryAccessibleInterface(List()->view()) : nullptr;
}

int AccessibleList::indexOfChild(const QAccessibleInterface* child) const {
    return child != nullptr && child->object() == List()->view() ? 0 : -1;
}

QAccessibleInterface* AccessibleList::childAt(int /*x*/, int /*y*/) const {
    return nullptr;  // the closed list shows no child of its own
}

QStringList AccessibleList::actionNames() const {
    return {showMenuAction(), pressAction()};
}

void AccessibleList::doAction(const QString& action) {
    if (action != showMenuAction() && action != pressAction()) {
        return;
    }
    if (List()->view()->isVisible()) {
        List()->hidePopup();
    } else {
        List()->showPopup();
    }
}

QStringList AccessibleList::keyBindingsForAction(const QString& /*action*/) const {
    return {};
}

QString AccessibleList::text(int startOffset, int endOffset) const {
    return List()->currentText().mid(startOffset, endOffset - startOffset);
}

int AccessibleList::characterCount() const {
    return static_cast<int>(List()->currentText().size());
}

QRect AccessibleList::characterRect(int /*offset*/) const {
    return {};  // not known for the drawn item
}

int AccessibleList::offsetAtPoint(const QPoint& /*point*/) const {
    return -1;
}

void AccessibleList::selection(int /*selectionIndex*/, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

QString AccessibleList::attributes(int /*offset*/, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
