#include "framework/dialog.h"

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <array>

#include "framework/controls.h"
#include "framework/dialog_font.h"
#include "framework/dialog_skin.h"
#include "framework/platform.h"
#include "tests/support/fake_platform.h"

namespace {

using K = res::ControlKind;

constexpr std::array<std::string_view, 3> kFruit{"pear", "Apple", "fig"};
constexpr std::array<res::ControlTemplate, 8> kControls{{
    {res::kUnnamedId, K::GroupBox, "", 2, 2, 196, 96},
    {10, K::Label, "Fruit", 8, 10, 40, 8, {}, res::kNoFlags, 11},
    {11, K::DropDownList, "", 50, 8, 60, 60, res::ListItems{kFruit}, res::kSorted},
    {12, K::DropDownList, "", 120, 8, 30, 60, res::Numbers(5, 9)},
    {13, K::Edit, "", 50, 30, 100, 12},
    {14, K::Edit, "start", 50, 50, 100, 12, {}, res::kDisabled},
    {15, K::PushButton, "Go", 8, 70, 50, 14},
    {16, K::PushButton, "Stop", 60, 70, 50, 14},
}};
constexpr res::DialogTemplate kTestDialog{900, "Test & Dialog", 200, 100, 9, kControls};

// A dialog whose edit 13 mirrors a text field.
class FieldDialog : public CDialog {
public:
    explicit FieldDialog(Frame frame) : CDialog(kTestDialog, frame) {}
    QString field = QStringLiteral("from field");

protected:
    void DoDataExchange(bool save) override { ExchangeText(save, 13, field); }
};

class DialogTest : public testing::Test {
protected:
    void SetUp() override {
        dialog.Create();
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }

    FakePlatform platform;
    FieldDialog dialog{CDialog::Frame::Skinned};
};

TEST_F(DialogTest, ControlsFollowTheTemplate) {
    const std::vector<QWidget*>& controls = dialog.Controls();
    ASSERT_EQ(controls.size(), kControls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        EXPECT_EQ(CDialog::ControlId(controls[i]), kControls[i].id) << i;
    }
    EXPECT_NE(qobject_cast<QGroupBox*>(controls[0]), nullptr);
    EXPECT_NE(qobject_cast<QLabel*>(dialog.Item(10)), nullptr);
    EXPECT_NE(dialog.List(11), nullptr);
    EXPECT_NE(dialog.Edit(13), nullptr);
    EXPECT_NE(dialog.Button(15), nullptr);
    EXPECT_EQ(dialog.FindItem(77), nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Test & Dialog"));
}

TEST_F(DialogTest, TabOrderIsTemplateOrderOverListsEditsAndButtons) {
    dialog.List(11)->setFocus();
    const std::array<int, 4> expected{12, 13, 15, 16};  // the disabled edit 14 is skipped
    for (const int id : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(CDialog::ControlId(QApplication::focusWidget()), id);
    }
}

TEST_F(DialogTest, ListsHoldTheirItemsSortedWhereAsked) {
    CComboBox* fruit = dialog.List(11);
    ASSERT_EQ(fruit->count(), 3);
    EXPECT_EQ(fruit->itemText(0), QStringLiteral("Apple"));
    EXPECT_EQ(fruit->itemText(1), QStringLiteral("fig"));
    EXPECT_EQ(fruit->itemText(2), QStringLiteral("pear"));
    CComboBox* numbers = dialog.List(12);
    ASSERT_EQ(numbers->count(), 5);
    EXPECT_EQ(numbers->itemText(0), QStringLiteral("5"));
    EXPECT_EQ(numbers->itemText(4), QStringLiteral("9"));
}

TEST_F(DialogTest, DialogUnitsFollowTheFontAndKeepProportions) {
    const QRect label = dialog.Item(10)->geometry();
    const QRect edit = dialog.Edit(13)->geometry();
    EXPECT_EQ(label.x(), dialog.DialogUnitsToPixelsX(8));
    EXPECT_EQ(edit.width(), dialog.DialogUnitsToPixelsX(100));
    EXPECT_EQ(edit.height(), dialog.DialogUnitsToPixelsY(12));
    // A dialog unit is about a quarter of a character across and an eighth of a line high.
    const QFontMetrics metrics(dialog.font());
    EXPECT_NEAR(dialog.DialogUnitsToPixelsX(400), metrics.averageCharWidth() * 100,
                metrics.averageCharWidth() * 25);
    EXPECT_EQ(dialog.DialogUnitsToPixelsY(800), metrics.height() * 100);
    EXPECT_EQ(dialog.ClientArea()->size(),
              QSize(dialog.DialogUnitsToPixelsX(200), dialog.DialogUnitsToPixelsY(100)));
}

TEST(LayoutUnits, AreTheUnitsTheSongFaceMeasures) {
    // Reckoned for a Song face without loading it, they must be what its letters measure, at
    // every size the layouts use. The face drawn must really be a Song face: where none is
    // installed the units are measured rather than reckoned, and nothing would be held.
    for (const int points : {9, 10}) {
        SCOPED_TRACE(points);
        const QString drawn = QFontInfo(LayoutFont(points)).family();
        ASSERT_TRUE(IsSongFace(drawn)) << "the layouts are drawn in " << drawn.toStdString()
                                       << ", no Song face: is fonts-arphic-uming installed?";
        const DialogUnits reckoned = LayoutUnits(points);
        const DialogUnits measured(LayoutFont(points));
        EXPECT_EQ(reckoned.BaseX(), measured.BaseX());
        EXPECT_EQ(reckoned.BaseY(), measured.BaseY());
    }
}

TEST_F(DialogTest, FrameMarginsSurroundTheClientArea) {
    const QSize client = dialog.ClientArea()->size();
    dialog.SetFrameMargins(QMargins(4, 22, 4, 4));
    EXPECT_EQ(dialog.ClientArea()->pos(), QPoint(4, 22));
    EXPECT_EQ(dialog.size(), client + QSize(8, 26));
    EXPECT_EQ(dialog.ClientArea()->size(), client);
}

TEST_F(DialogTest, FlagsDisableAndLabelsNameTheirControls) {
    EXPECT_FALSE(dialog.Edit(14)->isEnabled());
    EXPECT_EQ(dialog.Edit(14)->text(), QStringLiteral("start"));
    EXPECT_EQ(static_cast<QLabel*>(dialog.Item(10))->buddy(), dialog.List(11));
}

TEST_F(DialogTest, DataExchangeRunsBothWays) {
    EXPECT_EQ(dialog.Edit(13)->text(), QStringLiteral("from field"));
    dialog.Edit(13)->setText(QStringLiteral("typed"));
    dialog.UpdateData(true);
    EXPECT_EQ(dialog.field, QStringLiteral("typed"));
    dialog.field = QStringLiteral("back");
    dialog.UpdateData(false);
    EXPECT_EQ(dialog.Edit(13)->text(), QStringLiteral("back"));
}

TEST_F(DialogTest, EnterAndEscapeNeverReachTheWorkingWindow) {
    int clicks = 0;
    QObject::connect(dialog.Button(15), &QPushButton::clicked, &dialog, [&] { ++clicks; });
    for (const int id : {11, 13, 15}) {
        dialog.Item(id)->setFocus();
        for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(dialog.Item(id), key);
        }
    }
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(clicks, 0);
}

TEST_F(DialogTest, AButtonAddedLaterNeitherTakesEnterNorClosesTheWindowOnEscape) {
    auto* later = new QPushButton(QStringLiteral("Later"), dialog.ClientArea());
    later->setAutoDefault(true);
    later->show();
    int clicks = 0;
    QObject::connect(later, &QPushButton::clicked, &dialog, [&] { ++clicks; });
    later->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), later);
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        QTest::keyClick(later, key);
    }
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_EQ(clicks, 0);
}

TEST_F(DialogTest, EscapeClosesADroppedListButNotTheWindow) {
    CComboBox* list = dialog.List(11);
    list->setFocus();
    list->showPopup();
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(DialogTest, EnterAndEscapeKeepTheirMeaningInPlatformDialogs) {
    FieldDialog plain(CDialog::Frame::Platform);
    plain.Create();
    plain.show();
    plain.Edit(13)->setFocus();
    QTest::keyClick(plain.Edit(13), Qt::Key_Escape);
    EXPECT_FALSE(plain.isVisible());
    EXPECT_EQ(plain.SystemMenu(), nullptr);
}

TEST_F(DialogTest, AltSpaceOpensTheWindowMenu) {
    QMenu* menu = dialog.SystemMenu();
    ASSERT_NE(menu, nullptr);
    dialog.Edit(13)->setFocus();
    QTest::keyClick(dialog.Edit(13), Qt::Key_Space, Qt::AltModifier);
    EXPECT_TRUE(menu->isVisible());
    QStringList texts;
    for (QAction* action : menu->actions()) {
        texts << action->text();
    }
    EXPECT_EQ(texts, (QStringList{QStringLiteral("&Restore"), QStringLiteral("Mi&nimize"),
                                  QStringLiteral("Ma&ximize"), QStringLiteral("&Close")}));
    // Escape closes the menu, not the dialog.
    QTest::keyClick(menu, Qt::Key_Escape);
    EXPECT_FALSE(menu->isVisible());
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(DialogTest, RightClickOnTheBackgroundOpensTheWindowMenu) {
    QWidget* client = dialog.ClientArea();
    QContextMenuEvent onBackground(QContextMenuEvent::Mouse, QPoint(1, 1),
                                   client->mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(client, &onBackground);
    EXPECT_TRUE(dialog.SystemMenu()->isVisible());
    dialog.SystemMenu()->hide();

    const QPoint onList = dialog.List(11)->rect().center();
    QContextMenuEvent onControl(QContextMenuEvent::Mouse, onList,
                                dialog.List(11)->mapToGlobal(onList));
    QApplication::sendEvent(dialog.List(11), &onControl);
    EXPECT_FALSE(dialog.SystemMenu()->isVisible());
}

TEST_F(DialogTest, WindowMenuCloseAndAltF4EndTheDialog) {
    QAction* close = dialog.SystemMenu()->actions().last();
    ASSERT_EQ(close->data().toInt(), SC_CLOSE);
    close->trigger();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    dialog.show();
    dialog.Edit(13)->setFocus();
    QTest::keyClick(dialog.Edit(13), Qt::Key_F4, Qt::AltModifier);
    EXPECT_FALSE(dialog.isVisible());
}

// The layout's size comes back only once the window system has the window back in its normal
// state: drawn at that size while a Wayland compositor still holds the window maximised, the
// window would break the protocol, and the compositor would end the program.
TEST_F(DialogTest, MaximiseGivesUpTheLayoutsSizeAndRestoreTakesItBackOnceRestored) {
    // The window menu and the skin's middle button both come here.
    const QSize layoutSize = dialog.size();
    dialog.SendSysCommand(SC_MAXIMIZE);
    EXPECT_TRUE(dialog.isMaximized());
    // The window system has maximised it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.size() != layoutSize; }));
    const QSize maximised = dialog.size();
    EXPECT_GT(dialog.maximumWidth(), layoutSize.width());
    EXPECT_GT(dialog.maximumHeight(), layoutSize.height());
    dialog.SendSysCommand(SC_RESTORE);
    EXPECT_EQ(dialog.size(), maximised);
    EXPECT_GT(dialog.maximumWidth(), layoutSize.width());
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.maximumSize() == layoutSize; }));
    EXPECT_EQ(dialog.size(), layoutSize);
    EXPECT_FALSE(dialog.isMaximized());
}

TEST_F(DialogTest, AppendedMenuItemsComeAfterASeparator) {
    dialog.AppendSystemMenuItem(16, QStringLiteral("About"));
    dialog.AppendSystemMenuItem(17, QString());  // an empty text adds nothing
    const QList<QAction*> actions = dialog.SystemMenu()->actions();
    ASSERT_EQ(actions.size(), 6);
    EXPECT_TRUE(actions[4]->isSeparator());
    EXPECT_EQ(actions[5]->text(), QStringLiteral("About"));
    EXPECT_EQ(actions[5]->data().toInt(), 16);
}

TEST_F(DialogTest, DoModalRunsUntilTheDialogEndsEvenWhenHiddenMeanwhile) {
    FieldDialog modal(CDialog::Frame::Skinned);
    bool hiddenAndStillRunning = false;
    QTimer::singleShot(0, &modal, [&] {
        modal.hide();
        QTimer::singleShot(0, &modal, [&] {
            hiddenAndStillRunning = QApplication::activeModalWidget() != &modal;
            modal.show();
            modal.accept();
        });
    });
    EXPECT_EQ(modal.DoModal(), QDialog::Accepted);
    EXPECT_TRUE(hiddenAndStillRunning);
}

TEST(WindowText, MeansWhatTheDialogSystemMeans) {
    FieldDialog dialog(CDialog::Frame::Skinned);
    dialog.Create();
    SetWindowText(dialog.Item(10), QStringLiteral("Obst"));
    EXPECT_EQ(GetWindowText(dialog.Item(10)), QStringLiteral("Obst"));
    SetWindowText(dialog.Button(15), QStringLiteral("Los"));
    EXPECT_EQ(dialog.Button(15)->text(), QStringLiteral("Los"));
    SetWindowText(dialog.Edit(13), QStringLiteral("<b>typed</b>"));
    EXPECT_EQ(dialog.Edit(13)->text(), QStringLiteral("<b>typed</b>"));
    SetWindowText(&dialog, QStringLiteral("Titel"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Titel"));
    SetWindowText(dialog.Controls()[0], QStringLiteral("Rahmen"));
    EXPECT_EQ(static_cast<QGroupBox*>(dialog.Controls()[0])->title(), QStringLiteral("Rahmen"));

    // A list takes a text only as the item it names.
    CComboBox* fruit = dialog.List(11);
    SetWindowText(fruit, QStringLiteral("fig"));
    EXPECT_EQ(fruit->currentText(), QStringLiteral("fig"));
    SetWindowText(fruit, QStringLiteral("banana"));
    EXPECT_EQ(fruit->currentText(), QStringLiteral("fig"));
    EXPECT_EQ(fruit->count(), 3);
}

TEST(Labels, ShowTextsAsTheyStandNeverAsMarkup) {
    FieldDialog dialog(CDialog::Frame::Skinned);
    dialog.Create();
    auto* label = static_cast<QLabel*>(dialog.Item(10));
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
}

TEST(DesktopMessages, AreModalWithOkOnlyNoIconAndTheProgramNameAsCaption) {
    FieldDialog owner(CDialog::Frame::Skinned);
    owner.Create();
    owner.show();
    QString caption;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::Information;
    QList<QMessageBox::StandardButton> buttons;
    bool modal = false;
    QWidget* parent = nullptr;
    QTimer::singleShot(0, &owner, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        caption = box->windowTitle();
        text = box->text();
        format = box->textFormat();
        icon = box->icon();
        for (QAbstractButton* button : box->buttons()) {
            buttons << box->standardButton(button);
        }
        modal = box->isModal();
        parent = box->parentWidget();
        box->accept();
    });
    DesktopPlatform().ShowMessage(&owner, QStringLiteral("<i>/media/card//CameraSet.dat</i>"));
    EXPECT_EQ(caption, ApplicationName());
    EXPECT_EQ(caption, QStringLiteral("framework_test"));
    EXPECT_EQ(text, QStringLiteral("<i>/media/card//CameraSet.dat</i>"));
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    EXPECT_TRUE(modal);
    EXPECT_EQ(parent, &owner);
}

}  // namespace

namespace {

// A skin that marks the controls it makes and the dialogs it is attached to.
class MarkingSkin : public DialogSkin {
public:
    QPushButton* CreatePushButton(QWidget* parent) override {
        auto* button = new QPushButton(parent);
        button->setObjectName(QStringLiteral("skinned"));
        return button;
    }
    QLineEdit* CreateEdit(QWidget* parent) override {
        auto* edit = new QLineEdit(parent);
        edit->setObjectName(QStringLiteral("skinned"));
        return edit;
    }
    void Attach(CDialog& dialog) override { attached.push_back(&dialog); }

    std::vector<CDialog*> attached;
};

TEST(DialogSkin, MakesTheButtonsAndEditsOfWorkingWindowsOnly) {
    MarkingSkin skin;
    DialogSkin::Install(&skin);
    FieldDialog working(CDialog::Frame::Skinned);
    FieldDialog plain(CDialog::Frame::Platform);
    working.Create();
    plain.Create();
    DialogSkin::Install(nullptr);

    for (const int id : {13, 14, 15, 16}) {
        EXPECT_EQ(working.Item(id)->objectName(), QStringLiteral("skinned")) << id;
        EXPECT_NE(plain.Item(id)->objectName(), QStringLiteral("skinned")) << id;
    }
    EXPECT_EQ(skin.attached, std::vector<CDialog*>{&working});
    // Controls from the skin are still the template's: identifiers, texts and places.
    EXPECT_EQ(working.Button(15)->text(), QStringLiteral("Go"));
    EXPECT_EQ(working.Edit(14)->text(), QStringLiteral("start"));
    EXPECT_FALSE(working.Edit(14)->isEnabled());
}

}  // namespace
