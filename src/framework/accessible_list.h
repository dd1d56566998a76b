#pragma once

// The drop-down list as screen readers meet it, the same on every desktop: called by its own
// accessible name or else by the label that names it, and reading out its current item as its
// value and as its text.
//
// Qt's own list on Linux and macOS gives its current item as its name and leaves the label to a
// relation, so a list that no label names ("Serial number character 2") would be announced by
// its item alone ("E combo box"), and a named one without its item ("Mode combo box").
#include <QAccessibleWidget>

class QComboBox;

class AccessibleList : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleList(QComboBox* list);

    // Makes every drop-down list of the class `className` (a static name) answer through this
    // class; later calls do nothing.
    static void Install(const char* className);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;

    // The one child is the dropped-down list of items.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // Pressing the list drops its items down, or closes them.
    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString& action) const override;

    // The current item as read-only text without a caret or a selection.
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    QComboBox* List() const;
};
