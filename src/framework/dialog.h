#pragma once

// A dialog window built from its layout: the controls in template order (which is also their tab
// order and the order in which they are walked), each carrying its identifier, and the steps
// that every dialog takes, in one fixed order, when its window is created.
#include <QColor>
#include <QDialog>
#include <QFont>
#include <QMargins>

#include <optional>
#include <vector>

#include "framework/dialog_units.h"
#include "framework/window_menu.h"
#include "res/dialog_template.h"

class CComboBox;
class QLineEdit;
class QPushButton;

// Dialogs of the working windows (`Frame::Skinned`) swallow Enter and Escape, have their own
// window menu (Alt+Space or a right-click on the window's background) and wear the installed
// skin; the others keep the platform's frame and its behaviour.
class CDialog : public QDialog {
    Q_OBJECT
public:
    enum class Frame { Skinned, Platform };
    // Whether the dialog takes its title and control texts from the localisation file.
    enum class Texts { Fixed, Localised };

    CDialog(const res::DialogTemplate& layout, Frame frame, Texts texts = Texts::Fixed,
            QWidget* owner = nullptr);
    ~CDialog() override;

    // Builds the window and its controls and runs the initialisation; later calls do nothing.
    void Create();
    // Places the dialog over `owner` as over its parent, centred, within the screen.
    void PlaceOver(QWidget& owner) { adjustPosition(&owner); }
    // Creates the window if needed, shows it and runs its modal loop until it ends. Hiding the
    // dialog meanwhile does not end the loop.
    int DoModal();

    bool IsSkinned() const { return m_frame == Frame::Skinned; }
    const res::DialogTemplate& Layout() const { return m_layout; }

    // The control with the identifier, of the asked kind; asking for one the layout does not
    // have is a programming error.
    QWidget* Item(int id) const;
    CComboBox* List(int id) const;
    QLineEdit* Edit(int id) const;
    QPushButton* Button(int id) const;
    // The first control with the identifier, or nullptr.
    QWidget* FindItem(int id) const;
    // Every control, in template order.
    const std::vector<QWidget*>& Controls() const { return m_controls; }
    static int ControlId(const QWidget* control);

    // The colours of every dialog's face and static texts, set once at start-up.
    static void SetDialogColours(const QColor& background, const QColor& text);

    // Copies the text fields into their edits (save = false) or the edits into the fields.
    void UpdateData(bool save) { DoDataExchange(save); }
    // A message box owned by this dialog.
    void ShowMessage(const QString& text);
    // A Yes/No question owned by this dialog; true for Yes.
    bool AskYesNo(const QString& text);

    // Pixels of a length in dialog units of this dialog's font.
    int DialogUnitsToPixelsX(int units) const { return m_units.ToPixelsX(units); }
    int DialogUnitsToPixelsY(int units) const { return m_units.ToPixelsY(units); }

    // Space around the client area that the frame takes; zero for the platform's frame.
    void SetFrameMargins(const QMargins& margins);
    QWidget* ClientArea() const { return m_client; }

    // The window menu of a working window; nullptr for the platform's frame.
    WindowMenu* SystemMenu() const { return m_systemMenu; }
    // Appends a separator and a command to the window menu.
    void AppendSystemMenuItem(int command, const QString& text);
    // Opens the window menu at `globalPos` without waiting for a choice.
    void ShowSystemMenu(const QPoint& globalPos);
    // Carries out a command of the window menu, as if it had been chosen there.
    void SendSysCommand(int command) { OnSysCommand(command); }

protected:
    // The font of the controls, where it is not the layout's (frames keep the layout's): set
    // before the window is created, so the controls are made in it rather than changed to it,
    // and a list need not build its drop-down part before it is first opened.
    void SetControlFont(const QFont& font) { m_controlFont = font; }

    virtual void OnInitDialog() {}
    virtual void DoDataExchange(bool save) { (void)save; }
    virtual void OnSysCommand(int command);

    // Data exchange between an edit and its text field.
    void ExchangeText(bool save, int id, QString& field);

    void contextMenuEvent(QContextMenuEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The steps of Create, in their order.
    void ApplyLayoutLook();
    void CreateControls();
    void ArrangeControls();
    void ConnectDefaultButton();
    void InstallWorkingWindowBehaviour();
    void FitLabelsToTheirTexts();

    void Resize();
    // The layout's size is given up while the window is maximised, and taken back, where the
    // window stood, once the window system has the window in its normal state again.
    void ReleaseSize();
    void TakeBackSize();
    void FollowReportedState();

    const res::DialogTemplate& m_layout;
    const Frame m_frame;
    const Texts m_texts;
    bool m_created = false;
    DialogUnits m_units;
    QWidget* m_client = nullptr;
    WindowMenu* m_systemMenu = nullptr;
    QMargins m_frameMargins;
    std::optional<QFont> m_controlFont;
    std::optional<QPoint> m_normalPosition;  // where the window stood before it was maximised
    bool m_sizeReleased = false;
    // The state the window system last reported, which may lag behind the one asked for.
    Qt::WindowStates m_reportedState = Qt::WindowNoState;
    std::vector<QWidget*> m_controls;
};
