#include "framework/dialog.h"

#include <QContextMenuEvent>
#include <QEventLoop>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <algorithm>
#include <array>

#include "framework/controls.h"
#include "framework/dialog_skin.h"
#include "framework/platform.h"
#include "res/dialogs.h"

namespace {

const char* const kControlIdProperty = "controlId";

struct DialogColours {
    QColor background;
    QColor text;
};
DialogColours g_dialogColours;

int MulDiv(int value, int numerator, int denominator) {
    return (value * numerator + denominator / 2) / denominator;
}

bool IsTabStop(res::ControlKind kind) {
    using K = res::ControlKind;
    return kind == K::DropDownList || kind == K::Edit || kind == K::PushButton;
}

bool IsEnterOrEscape(const QKeyEvent& key) {
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Escape;
}

bool IsAltWith(const QKeyEvent& key, int code) {
    return key.key() == code && (key.modifiers() & Qt::AltModifier) != 0;
}

void FillList(CComboBox& list, const res::ControlTemplate& control) {
    QStringList items;
    for (std::size_t i = 0; i < control.items.Count(); ++i) {
        items << QString::fromStdString(control.items.Text(i));
    }
    if ((control.flags & res::kSorted) != 0) {
        std::sort(items.begin(), items.end(), [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
    }
    list.addItems(items);
}

}  // namespace

CDialog::CDialog(const res::DialogTemplate& layout, Frame frame, QWidget* owner)
    : QDialog(owner), m_layout(layout), m_frame(frame) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
}

CDialog::~CDialog() = default;

void CDialog::SetDialogColours(const QColor& background, const QColor& text) {
    g_dialogColours = {background, text};
}

void CDialog::Create() {
    if (m_created) {
        return;
    }
    m_created = true;

    setWindowTitle(
        QString::fromUtf8(m_layout.title.data(), static_cast<qsizetype>(m_layout.title.size())));
    QFont dialogFont = font();
    dialogFont.setPointSize(m_layout.pointSize);
    setFont(dialogFont);
    if (g_dialogColours.background.isValid()) {
        QPalette colours = palette();
        colours.setColor(QPalette::Window, g_dialogColours.background);
        colours.setColor(QPalette::WindowText, g_dialogColours.text);
        setPalette(colours);
    }

    // Dialog units: a quarter of the font's average character width, an eighth of its height.
    const QFontMetrics metrics(dialogFont);
    const int alphabet = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseUnitX = (alphabet / 26 + 1) / 2;
    m_baseUnitY = metrics.height();

    m_client = new QWidget(this);
    QWidget* previousTabStop = nullptr;
    for (const res::ControlTemplate& control : m_layout.controls) {
        QWidget* widget = CreateControl(control);
        m_controls.push_back(widget);
        if (IsTabStop(control.kind)) {
            if (previousTabStop != nullptr) {
                setTabOrder(previousTabStop, widget);
            }
            previousTabStop = widget;
        }
    }
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const res::ControlTemplate& control = m_layout.controls[i];
        if (control.kind == res::ControlKind::GroupBox) {
            m_controls[i]->lower();  // frames stay behind the controls they surround
        }
        if (control.buddy != 0) {
            static_cast<QLabel*>(m_controls[i])->setBuddy(Item(control.buddy));
        }
    }
    Resize();

    if (auto* ok = Button(res::IDOK)) {
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    }

    if (IsSkinned()) {
        BuildSystemMenu();
        // The filter sits on the dialog and its controls, not on the window menu or the
        // dropped-down part of a list, where Enter and Escape keep their meaning.
        installEventFilter(this);
        m_client->installEventFilter(this);
        for (QWidget* child : m_client->findChildren<QWidget*>()) {
            child->installEventFilter(this);
        }
        DialogSkin::Current().Attach(*this);
    }

    DoDataExchange(false);
    OnInitDialog();
}

QWidget* CDialog::CreateControl(const res::ControlTemplate& control) {
    using K = res::ControlKind;
    const QString text =
        QString::fromUtf8(control.text.data(), static_cast<qsizetype>(control.text.size()));
    QWidget* widget = nullptr;
    int height = DialogUnitsToPixelsY(control.cy);
    switch (control.kind) {
        case K::GroupBox: {
            auto* group = new QGroupBox(text, m_client);
            group->setAttribute(Qt::WA_TransparentForMouseEvents);
            widget = group;
            break;
        }
        case K::Label: {
            auto* label = new QLabel(m_client);
            label->setTextFormat(Qt::PlainText);
            label->setText(text);
            widget = label;
            break;
        }
        case K::Icon: {
            auto* icon = new QLabel(m_client);
            icon->setPixmap(QIcon(QString::fromUtf8(res::kAppIconPath)).pixmap(32, 32));
            widget = icon;
            break;
        }
        case K::DropDownList: {
            auto* list = new CComboBox(m_client);
            FillList(*list, control);
            // The template's height includes the dropped-down part; the closed list is as high
            // as its font needs.
            const int closed = list->sizeHint().height();
            const int itemHeight = std::max(1, list->fontMetrics().height() + 2);
            list->setMaxVisibleItems(std::max(1, (height - closed) / itemHeight));
            height = closed;
            widget = list;
            break;
        }
        case K::Edit: {
            QLineEdit* edit =
                IsSkinned() ? DialogSkin::Current().CreateEdit(m_client) : new QLineEdit(m_client);
            edit->setText(text);
            widget = edit;
            break;
        }
        case K::PushButton: {
            QPushButton* button = IsSkinned() ? DialogSkin::Current().CreatePushButton(m_client)
                                              : new QPushButton(m_client);
            button->setText(text);
            // Enter never presses a button of a working window; the key filter swallows it.
            button->setAutoDefault(!IsSkinned());
            button->setDefault(!IsSkinned() && (control.flags & res::kDefaultButton) != 0);
            widget = button;
            break;
        }
    }
    widget->setProperty(kControlIdProperty, control.id);
    widget->setFocusPolicy(IsTabStop(control.kind) ? Qt::StrongFocus : Qt::NoFocus);
    widget->setGeometry(DialogUnitsToPixelsX(control.x), DialogUnitsToPixelsY(control.y),
                        DialogUnitsToPixelsX(control.cx), height);
    if ((control.flags & res::kDisabled) != 0) {
        widget->setEnabled(false);
    }
    return widget;
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

QWidget* CDialog::Item(int id) const {
    const auto found = std::find_if(m_controls.begin(), m_controls.end(),
                                    [id](const QWidget* w) { return ControlId(w) == id; });
    return found != m_controls.end() ? *found : nullptr;
}

CComboBox* CDialog::List(int id) const {
    return qobject_cast<CComboBox*>(Item(id));
}
QLineEdit* CDialog::Edit(int id) const {
    return qobject_cast<QLineEdit*>(Item(id));
}
QPushButton* CDialog::Button(int id) const {
    return qobject_cast<QPushButton*>(Item(id));
}

int CDialog::ControlId(const QWidget* control) {
    const QVariant id = control->property(kControlIdProperty);
    return id.isValid() ? id.toInt() : 0;
}

void CDialog::ShowMessage(const QString& text) {
    Platform::Current().ShowMessage(this, text);
}

int CDialog::DialogUnitsToPixelsX(int units) const {
    return MulDiv(units, m_baseUnitX, 4);
}
int CDialog::DialogUnitsToPixelsY(int units) const {
    return MulDiv(units, m_baseUnitY, 8);
}

void CDialog::SetFrameMargins(const QMargins& margins) {
    m_frameMargins = margins;
    if (m_created) {
        Resize();
    }
}

void CDialog::Resize() {
    const QSize client(DialogUnitsToPixelsX(m_layout.cx), DialogUnitsToPixelsY(m_layout.cy));
    m_client->setGeometry(QRect(QPoint(m_frameMargins.left(), m_frameMargins.top()), client));
    setFixedSize(client.grownBy(m_frameMargins));
}

void CDialog::BuildSystemMenu() {
    struct Entry {
        int command;
        const char* text;
    };
    static constexpr std::array<Entry, 4> kEntries{{
        {SC_RESTORE, "&Restore"},
        {SC_MINIMIZE, "Mi&nimize"},
        {SC_MAXIMIZE, "Ma&ximize"},
        {SC_CLOSE, "&Close"},
    }};
    m_systemMenu = new QMenu(this);
    for (const Entry& entry : kEntries) {
        QAction* action = m_systemMenu->addAction(tr(entry.text));
        action->setData(entry.command);
        if (entry.command == SC_CLOSE) {
            action->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
        }
    }
    connect(m_systemMenu, &QMenu::triggered, this,
            [this](QAction* action) { OnSysCommand(action->data().toInt()); });
    connect(m_systemMenu, &QMenu::aboutToShow, this, [this] {
        for (QAction* action : m_systemMenu->actions()) {
            switch (action->data().toInt()) {
                case SC_RESTORE:
                    action->setEnabled(isMinimized() || isMaximized());
                    break;
                case SC_MINIMIZE:
                    action->setEnabled(!isMinimized());
                    break;
                case SC_MAXIMIZE:
                    action->setEnabled(!isMaximized());
                    break;
                default:
                    break;
            }
        }
    });
}

void CDialog::AppendSystemMenuItem(int command, const QString& text) {
    if (m_systemMenu == nullptr || text.isEmpty()) {
        return;
    }
    m_systemMenu->addSeparator();
    m_systemMenu->addAction(text)->setData(command);
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
            showMaximized();
            break;
        case SC_RESTORE:
            showNormal();
            break;
        default:
            break;
    }
}

void CDialog::ExchangeText(bool save, int id, std::string& field) {
    QLineEdit* edit = Edit(id);
    if (save) {
        field = ToStdString(edit->text());
    } else {
        edit->setText(ToQString(field));
    }
}

bool CDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (IsEnterOrEscape(key)) {
            return true;
        }
        if (IsAltWith(key, Qt::Key_Space)) {
            ShowSystemMenu(m_client->mapToGlobal(QPoint(0, 0)));
            return true;
        }
        if (IsAltWith(key, Qt::Key_F4)) {
            OnSysCommand(SC_CLOSE);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
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
