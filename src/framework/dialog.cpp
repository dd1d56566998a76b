#include "framework/dialog.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWindow>

#include <algorithm>

#include "framework/control_factory.h"
#include "framework/controls.h"
#include "framework/dialog_font.h"
#include "framework/dialog_skin.h"
#include "framework/key_filter.h"
#include "framework/localised_texts.h"
#include "framework/platform.h"
#include "res/dialogs.h"

CDialog::CDialog(const res::DialogTemplate& layout, Frame frame, Texts texts, QWidget* owner)
    : QDialog(owner), m_layout(layout), m_frame(frame), m_texts(texts) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

CDialog::~CDialog() = default;

// One palette for every dialog, which its controls share: the style keeps its drawings of
// buttons and lists in a cache under the palette's identity, so a palette made for each dialog
// would leave fresh copies of the same drawings in the cache at every opening of a window. Set
// as the default of the dialog class rather than on each dialog, the palette is inherited
// unchanged, identity included.
void CDialog::SetDialogColours(const QColor& background, const QColor& text) {
    QPalette colours = QApplication::palette();
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::WindowText, text);
    colours.setResolveMask(0);  // a class default: nothing of it counts as set on a widget
    QApplication::setPalette(colours, staticMetaObject.className());
}

void CDialog::Create() {
    if (m_created) {
        return;
    }
    m_created = true;
    ApplyLayoutLook();
    CreateControls();
    ArrangeControls();
    ConnectDefaultButton();
    if (IsSkinned()) {
        InstallWorkingWindowBehaviour();
        DialogSkin::Current().Attach(*this);
    }
    DoDataExchange(false);  // the text fields into their edits
    OnInitDialog();         // the dialog's own initialisation
    if (m_texts == Texts::Localised) {
        ApplyLocalisedTexts(*this, m_controls, m_layout.controls, m_layout.id);
    }
    FitLabelsToTheirTexts();
}

// Title and font of the layout; the font sets the dialog units. The colours are every dialog's
// (SetDialogColours).
void CDialog::ApplyLayoutLook() {
    setWindowTitle(TemplateText(m_layout.title, m_layout.context));
    const QFont dialogFont = LayoutFont(m_layout.pointSize);
    setFont(dialogFont);
    m_units = LayoutUnits(m_layout.pointSize);
}

void CDialog::CreateControls() {
    m_client = new QWidget(this);
    if (m_controlFont) {
        m_client->setFont(*m_controlFont);
    }
    for (const res::ControlTemplate& control : m_layout.controls) {
        QWidget* widget = CreateControl(control, m_layout.context, *m_client, m_units, IsSkinned());
        // A frame's line stands as high as the layout's font places it, whatever its controls'.
        if (m_controlFont && control.kind == res::ControlKind::GroupBox) {
            widget->setFont(font());
        }
        m_controls.push_back(widget);
    }
}

// Template order is the tab order; frames stay behind the controls they surround; each label
// names the control it stands beside.
void CDialog::ArrangeControls() {
    QWidget* previousTabStop = nullptr;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const res::ControlTemplate& control = m_layout.controls[i];
        QWidget* widget = m_controls[i];
        if (IsTabStop(control.kind)) {
            if (previousTabStop != nullptr) {
                setTabOrder(previousTabStop, widget);
            }
            previousTabStop = widget;
        }
        if (control.kind == res::ControlKind::GroupBox) {
            widget->lower();
        }
        if (control.buddy != 0) {
            static_cast<QLabel*>(widget)->setBuddy(Item(control.buddy));
        }
    }
    Resize();
}

// A label whose caption is wider than its place in the layout takes the room up to the control
// it names, where that stands to its right, rather than cutting the caption off. Run once every
// caption and font is set.
void CDialog::FitLabelsToTheirTexts() {
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        auto* label = qobject_cast<QLabel*>(m_controls[i]);
        if (label == nullptr || m_layout.controls[i].buddy == 0) {
            continue;
        }
        const QRect place = label->geometry();
        const QRect named = Item(m_layout.controls[i].buddy)->geometry();
        const bool toTheRight = named.left() >= place.right() && named.top() <= place.bottom() &&
                                named.bottom() >= place.top();
        if (!toTheRight) {
            continue;
        }
        const int need = label->fontMetrics().size(Qt::TextShowMnemonic, label->text()).width() +
                         place.width() - label->contentsRect().width();
        const int room = named.left() - place.left();
        if (need > place.width()) {
            label->resize(std::min(need, room), place.height());
        }
    }
}

void CDialog::ConnectDefaultButton() {
    if (FindItem(res::IDOK) != nullptr) {
        connect(Button(res::IDOK), &QPushButton::clicked, this, &QDialog::accept);
    }
}

void CDialog::InstallWorkingWindowBehaviour() {
    AccessibleWorkingWindow::Install(CDialog::staticMetaObject.className());
    m_systemMenu = new WindowMenu(*this);
    connect(m_systemMenu, &WindowMenu::Command, this, &CDialog::OnSysCommand);
    auto* keys = new KeyFilter(*this);
    connect(keys, &KeyFilter::MenuAsked, this,
            [this] { ShowSystemMenu(m_client->mapToGlobal(QPoint(0, 0))); });
    connect(keys, &KeyFilter::CloseAsked, this, [this] { OnSysCommand(SC_CLOSE); });
}

int CDialog::DoModal() {
    Create();
    setWindowModality(Qt::ApplicationModal);
    setResult(0);
    show();
    raise();
    activateWindow();
    // A loop of its own rather than exec(): the main window hides itself while a form runs,
    // and hiding a dialog ends exec().
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::DialogExec);
    return result();
}

// Controls stand in template order, so the template says which one has the identifier.
QWidget* CDialog::FindItem(int id) const {
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_layout.controls[i].id == id) {
            return m_controls[i];
        }
    }
    return nullptr;
}

QWidget* CDialog::Item(int id) const {
    QWidget* item = FindItem(id);
    Q_ASSERT_X(item != nullptr, "CDialog::Item", "the layout has no control with this identifier");
    return item;
}

namespace {

template <class Kind>
Kind* ItemOfKind(QWidget* item) {
    auto* control = qobject_cast<Kind*>(item);
    Q_ASSERT_X(control != nullptr, "CDialog::Item", "the control is of another kind");
    return control;
}

}  // namespace

CComboBox* CDialog::List(int id) const {
    return ItemOfKind<CComboBox>(Item(id));
}
QLineEdit* CDialog::Edit(int id) const {
    return ItemOfKind<QLineEdit>(Item(id));
}
QPushButton* CDialog::Button(int id) const {
    return ItemOfKind<QPushButton>(Item(id));
}

int CDialog::ControlId(const QWidget* control) {
    return ::ControlId(control);
}

void CDialog::ShowMessage(const QString& text) {
    Platform::Current().ShowMessage(this, text);
}

bool CDialog::AskYesNo(const QString& text) {
    return Platform::Current().AskYesNo(this, text);
}

void CDialog::SetFrameMargins(const QMargins& margins) {
    m_frameMargins = margins;
    if (m_created) {
        Resize();
    }
}

// The window takes the layout's size. It is also the base from which a window manager counts the
// steps in which a window may be sized: where Qt scales the window, it asks for steps of whole
// pixels of the layout (2 device pixels at 150 %), and counted from nothing they would not reach
// an odd number of device pixels, so a window manager restoring the window would cut it short.
void CDialog::Resize() {
    const QSize client(DialogUnitsToPixelsX(m_layout.cx), DialogUnitsToPixelsY(m_layout.cy));
    m_client->setGeometry(QRect(QPoint(m_frameMargins.left(), m_frameMargins.top()), client));
    setBaseSize(client.grownBy(m_frameMargins));
    setFixedSize(client.grownBy(m_frameMargins));
}

void CDialog::AppendSystemMenuItem(int command, const QString& text) {
    if (m_systemMenu != nullptr) {
        m_systemMenu->AppendItem(command, text);
    }
}

void CDialog::ShowSystemMenu(const QPoint& globalPos) {
    if (m_systemMenu != nullptr) {
        m_systemMenu->popup(globalPos);
    }
}

void CDialog::OnSysCommand(int command) {
    switch (command & 0xFFF0) {
        case SC_CLOSE:
            close();
            break;
        case SC_MINIMIZE:
            showMinimized();
            break;
        case SC_MAXIMIZE:
            // The dialog keeps its layout's size but while maximised; it gives that up before it
            // asks, since a window manager maximises no window of a fixed size.
            if (!isMaximized()) {
                m_normalPosition = pos();
            }
            ReleaseSize();
            showMaximized();
            break;
        case SC_RESTORE:
            // The layout's size comes back once the window system reports the window restored
            // (FollowReportedState). Set at once, it would be drawn at that size while a Wayland
            // compositor still holds the window maximised, which the compositor takes for a
            // protocol error and ends the program. A window that was never maximised on the
            // screen, because the window system refused or has not answered yet, takes its size
            // back at once.
            showNormal();
            if (!(m_reportedState & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
                TakeBackSize();
            }
            break;
        default:
            break;
    }
}

void CDialog::ReleaseSize() {
    m_sizeReleased = true;
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

// A window manager would otherwise leave a restored window where the maximised one stood.
void CDialog::TakeBackSize() {
    if (!m_sizeReleased) {
        return;
    }
    m_sizeReleased = false;
    Resize();
    if (m_normalPosition) {
        move(*m_normalPosition);
    }
}

// The window follows what the window system did rather than what was asked of it: maximised, it
// may take any size; back in its normal state, it takes the layout's size again. So a refused
// maximise leaves the window at its size, and the painted buttons, which ask the widget's state
// that Qt brings in line with the report, show the state the window is in.
void CDialog::FollowReportedState() {
    if (m_reportedState & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        ReleaseSize();
    } else if (!(m_reportedState & Qt::WindowMinimized)) {
        TakeBackSize();
    }
}

// The window system's reports of the window's state reach its window, which is made anew each time
// the dialog creates its window.
bool CDialog::event(QEvent* event) {
    if (event->type() == QEvent::WinIdChange && windowHandle() != nullptr) {
        windowHandle()->installEventFilter(this);
    }
    return QDialog::event(event);
}

// Acted upon once Qt has brought the widget's own state in line with the report, after the last
// report of those waiting.
bool CDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && watched == windowHandle()) {
        m_reportedState = windowHandle()->windowStates();
        QMetaObject::invokeMethod(
            this, [this] { FollowReportedState(); }, Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

void CDialog::ExchangeText(bool save, int id, QString& field) {
    QLineEdit* edit = Edit(id);
    if (save) {
        field = edit->text();
    } else {
        edit->setText(field);
    }
}

void CDialog::contextMenuEvent(QContextMenuEvent* event) {
    // A right-click on the window's background, a label or a frame opens the window menu.
    const QWidget* under = m_client->childAt(m_client->mapFrom(this, event->pos()));
    if (IsSkinned() && (under == nullptr || qobject_cast<const QLabel*>(under) != nullptr)) {
        ShowSystemMenu(event->globalPos());
        event->accept();
        return;
    }
    QDialog::contextMenuEvent(event);
}
