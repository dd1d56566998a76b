#pragma once

#include <QColor>
#include <QDialog>
#include <QMargins>

#include <string>
#include <vector>

#include "res/dialog_template.h"

class CComboBox;
class QLineEdit;
class QMenu;
class QPushButton;

// System commands of the window menu.
enum SystemCommand : int {
    SC_MINIMIZE = 0xF020,
    SC_MAXIMIZE = 0xF030,
    SC_CLOSE = 0xF060,
    SC_RESTORE = 0xF120,
};

// A dialog window built from its template. The controls are created in template order, which
// is also their tab order; each carries its identifier. Dialogs of the working windows
// (`Frame::Skinned`) swallow Enter and Escape, have their own window menu (Alt+Space or a
// right-click on the window's background) and wear the installed skin; the others keep the
// platform's frame and its behaviour.
class CDialog : public QDialog {
    Q_OBJECT
public:
    enum class Frame { Skinned, Platform };

    CDialog(const res::DialogTemplate& layout, Frame frame, QWidget* owner = nullptr);
    ~CDialog() override;

    // Builds the window and its controls and runs the initialisation; later calls do nothing.
    void Create();
    // Creates the window if needed, shows it and runs its modal loop until it ends. Hiding the
    // dialog meanwhile does not end the loop.
    int DoModal();

    bool IsSkinned() const { return m_frame == Frame::Skinned; }

    // The first control with the identifier, or nullptr.
    QWidget* Item(int id) const;
    CComboBox* List(int id) const;
    QLineEdit* Edit(int id) const;
    QPushButton* Button(int id) const;
    // Every control, in template order.
    const std::vector<QWidget*>& Controls() const { return m_controls; }
    static int ControlId(const QWidget* control);

    // The colours of every dialog's face and static texts, set once at start-up.
    static void SetDialogColours(const QColor& background, const QColor& text);

    // Copies the text fields into their edits (save = false) or the edits into the fields.
    void UpdateData(bool save) { DoDataExchange(save); }
    // A message box owned by this dialog.
    void ShowMessage(const QString& text);

    // Pixels of a length in dialog units of this dialog's font.
    int DialogUnitsToPixelsX(int units) const;
    int DialogUnitsToPixelsY(int units) const;

    // Space around the client area that the frame takes; zero for the platform's frame.
    void SetFrameMargins(const QMargins& margins);
    QWidget* ClientArea() const { return m_client; }

    QMenu* SystemMenu() const { return m_systemMenu; }
    // Appends a separator and a command to the window menu.
    void AppendSystemMenuItem(int command, const QString& text);
    // Opens the window menu at `globalPos` without waiting for a choice.
    void ShowSystemMenu(const QPoint& globalPos);
    // Carries out a window-menu command as if it had been chosen.
    void SendSysCommand(int command) { OnSysCommand(command); }

protected:
    virtual void OnInitDialog() {}
    virtual void DoDataExchange(bool save) { (void)save; }
    virtual void OnSysCommand(int command);

    // Data exchange between an edit and its text field.
    void ExchangeText(bool save, int id, std::string& field);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QWidget* CreateControl(const res::ControlTemplate& control);
    void BuildSystemMenu();
    void Resize();

    const res::DialogTemplate& m_layout;
    const Frame m_frame;
    bool m_created = false;
    QWidget* m_client = nullptr;
    QMenu* m_systemMenu = nullptr;
    QMargins m_frameMargins;
    int m_baseUnitX = 0;
    int m_baseUnitY = 0;
    std::vector<QWidget*> m_controls;
};
