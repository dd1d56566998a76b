#pragma once

#include <QComboBox>
#include <QString>

#include <string>

class QWidget;

// A drop-down list that also says when its dropped-down part closes.
class CComboBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    // Makes the item whose text is exactly `text` current; false, changing nothing, if none is.
    bool SelectString(const QString& text);

    void hidePopup() override;

Q_SIGNALS:
    void DropDownClosed();
};

// The window text of a dialog or control, as the dialog system knows it: a dialog's title, a
// label's, button's or group box's caption, an edit's content, a list's current item.
QString GetWindowText(const QWidget* window);
// Sets it; for a drop-down list this selects the item with exactly that text, if there is one.
void SetWindowText(QWidget* window, const QString& text);

// Texts of the settings and paths are kept as 8-bit strings; the widgets show them as Unicode.
QString ToQString(const std::string& text);
std::string ToStdString(const QString& text);
