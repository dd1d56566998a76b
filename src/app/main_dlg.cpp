#include "app/main_dlg.h"

#include <QComboBox>
#include <QEvent>
#include <QPushButton>
#include <QWindow>

#include <array>
#include <memory>

#include "app/about_dlg.h"
#include "camera/camera_dlg.h"
#include "framework/control_factory.h"
#include "framework/controls.h"
#include "framework/dialog_font.h"
#include "framework/resource_picture.h"
#include "mms/mms_dlg.h"
#include "res/main_dialog.h"
#include "smtp/smtp_dlg.h"

namespace {

// Each setup form: the button that opens it, the first model (position in the model list) that
// may open it, and how to make the form.
struct SetupForm {
    int buttonId;
    int firstModel;
    CMainDlg::MakeForm make;
};

template <class Form>
std::unique_ptr<CDialog> Make(QWidget* owner) {
    return std::make_unique<Form>(owner);
}

constexpr std::array<SetupForm, 3> kSetupForms{{
    {res::IDC_CAMERA_SETUP, 0, &Make<CCameraDlg>},
    {res::IDC_MMS_SETUP, 1, &Make<CMmsDlg>},
    {res::IDC_SMTP_SETUP, 2, &Make<CSmtpDlg>},
}};

}  // namespace

QFont MainWindowFont() {
    QFont font(ArialFamily());
    font.setStyleHint(QFont::SansSerif);
    // A cell height of 24 pixels is an em of 21 pixels in Arial's proportions.
    font.setPixelSize(21);
    font.setBold(true);
    font.setItalic(true);
    // Its texts are the program's own, plain ASCII, which the face's own advances and kerning
    // table lay out as the text shaper would; skipping the shaper saves building its tables.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

CMainDlg::CMainDlg(QWidget* owner)
    : CDialog(res::kMainDialog, Frame::Skinned, Texts::Fixed, owner),
      m_icon(ResourcePicture(QString::fromUtf8(res::kAppIconPath))) {
    SetControlFont(MainWindowFont());
}

void CMainDlg::OnInitDialog() {
    AppendSystemMenuItem(res::IDM_ABOUTBOX, TemplateText(res::kAboutMenuText, "MainWindow"));
    setWindowIcon(m_icon);

    List(res::IDC_MODEL)->setCurrentIndex(0);
    ApplyModelRule();
    connect(List(res::IDC_MODEL), &QComboBox::currentIndexChanged, this, &CMainDlg::ApplyModelRule);
    for (const SetupForm& setup : kSetupForms) {
        if (setup.make != nullptr) {
            connect(Button(setup.buttonId), &QPushButton::clicked, this,
                    [this, make = setup.make] { OpenForm(make); });
        }
    }
    connect(Button(res::IDC_EXIT), &QPushButton::clicked, this, &CMainDlg::OnExit);
}

void CMainDlg::ApplyModelRule() {
    const int model = List(res::IDC_MODEL)->currentIndex();
    if (model < 0) {
        return;
    }
    for (const SetupForm& setup : kSetupForms) {
        Button(setup.buttonId)->setEnabled(model >= setup.firstModel);
    }
}

// The form lives for this one opening; the main window steps aside meanwhile and comes back
// however the form ends. While it is hidden it gives up its window and the picture of it that the
// window system keeps, and makes both again when it is shown, where it stood. The form is placed
// over it as over an owner but is not its child: making a child's window would make the main
// window's again.
void CMainDlg::OpenForm(MakeForm make) {
    const QPoint place = pos();
    const Qt::WindowStates state = windowState();
    hide();
    destroy();
    const std::unique_ptr<CDialog> form = make(nullptr);
    form->Create();
    form->PlaceOver(*this);
    form->DoModal();
    m_returning = true;
    move(place);
    create();
    windowHandle()->setWindowStates(state);
    show();
}

// A window minimised once and restored from the task bar may come back minimised when it is
// shown again, because the window system still holds the hint to start it so: it is restored
// at once, since the user ended the form to see it.
void CMainDlg::changeEvent(QEvent* event) {
    CDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && m_returning) {
        m_returning = false;
        if (isMinimized()) {
            showNormal();
        }
    } else if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        m_returning = false;
    }
}

void CMainDlg::OnExit() {
    reject();
}

void CMainDlg::OnSysCommand(int command) {
    if ((command & 0xFFF0) == res::IDM_ABOUTBOX) {
        CAboutDlg about(this);
        about.DoModal();
        return;
    }
    CDialog::OnSysCommand(command);
}
