#pragma once

// The drop-down list of the dialogs, and what the window text of a dialog or control means.

#include <QComboBox>
#include <QString>

class QWidget;

// A drop-down list that also says when its dropped-down part closes. Screen readers call it by
// its label or its own accessible name and read its current item (framework/accessible_list.h).
class CComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit CComboBox(QWidget* parent = nullptr);

    // Makes the item whose text is exactly `text` current; false, changing nothing, if none is.
    bool SelectString(const QString& text);

    void hidePopup() override;

Q_SIGNALS:
    void DropDownClosed();

protected:
    void changeEvent(QEvent* event) override;
};

// The window text of a dialog or control, as the dialog system knows it: a dialog's title, a
// label's, button's or group box's caption, an edit's content, a list's current item.
QString GetWindowText(const QWidget* window);
// Sets it; for a drop-down list this selects the item with exactly that text, if there is one.
void SetWindowText(QWidget* window, const QString& text);

// The name by which a screen reader calls `control`: its own accessible name, else the caption of
// the label that names it, without its mnemonic ("Serial number character 3", "Country").
QString ControlName(const QWidget* control);
