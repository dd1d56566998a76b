// Every window as a person meets it who uses a screen reader or the keyboard alone: each list,
// edit and button has a name, Tab walks the controls in the order of the layout, and Space presses
// the focused button.
#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <vector>

#include "framework/control_factory.h"
#include "mms/mms_dlg.h"
#include "res/mms_dialog.h"
#include "smtp/smtp_dlg.h"
#include "tests/support/every_window.h"
#include "tests/support/fake_platform.h"
#include "tests/support/localisation_file.h"

namespace {

QString AccessibleText(QWidget* control, QAccessible::Text kind) {
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(control);
    return access != nullptr ? access->text(kind) : QString();
}

// How often Space, pressed on the focused button, clicks it. The window's own reaction to the
// click is left out: here only the key counts.
int ClicksBySpace(QPushButton& button) {
    QObject::disconnect(&button, &QPushButton::clicked, nullptr, nullptr);
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, &button, [&clicks] { ++clicks; });
    QTest::keyClick(&button, Qt::Key_Space);
    return clicks;
}

using EveryWindow = ShownWindow;

TEST_P(EveryWindow, NamesEveryListEditAndButtonForScreenReaders) {
    const auto& layout = window->Layout().controls;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        if (!IsTabStop(layout[i].kind)) {
            continue;
        }
        QWidget* control = window->Controls()[i];
        const QString name = AccessibleText(control, QAccessible::Name);
        EXPECT_FALSE(name.trimmed().isEmpty()) << layout[i].id;
        if (layout[i].kind == res::ControlKind::DropDownList) {
            // A list's name says what it sets; the item it shows is its value.
            EXPECT_NE(name, AccessibleText(control, QAccessible::Value)) << layout[i].id;
        }
    }
}

TEST_P(EveryWindow, TabWalksTheLayoutInOrderAndSpacePressesEachButton) {
    // Every control that may be enabled is, so that the walk meets them all.
    std::vector<int> expected;
    const auto& layout = window->Layout().controls;
    for (std::size_t i = 0; i < layout.size(); ++i) {
        if (IsTabStop(layout[i].kind) && (layout[i].flags & res::kDisabled) == 0) {
            window->Controls()[i]->setEnabled(true);
            expected.push_back(layout[i].id);
        }
    }
    ASSERT_FALSE(expected.empty());
    QWidget* first = window->Item(expected.front());
    first->setFocus();

    std::vector<int> visited;
    for (std::size_t step = 0; step < expected.size(); ++step) {
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr) << "after " << visited.size() << " steps";
        visited.push_back(CDialog::ControlId(focused));
        if (auto* button = qobject_cast<QPushButton*>(focused)) {
            EXPECT_EQ(ClicksBySpace(*button), 1) << visited.back();
        }
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(QApplication::focusWidget(), first);  // and round again
}

// The window menu is a window of its own: while it is open, a screen reader walking the window
// meets it as the window's last child, with its items by name, and no longer once it has closed.
TEST_P(EveryWindow, OpenWindowMenuStandsInItsWindowWithItsItems) {
    if (!GetParam().skinned) {
        GTEST_SKIP() << "the window manager's frame gives the window menu";
    }
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(window.get());
    ASSERT_NE(access, nullptr);
    const int closed = access->childCount();
    QTest::keyClick(window.get(), Qt::Key_Space, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->SystemMenu()->isVisible(); }));

    ASSERT_EQ(access->childCount(), closed + 1);
    QAccessibleInterface* menu = access->child(closed);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->role(), QAccessible::PopupMenu);
    EXPECT_EQ(menu->text(QAccessible::Name), QStringLiteral("Window menu"));
    EXPECT_EQ(access->indexOfChild(menu), closed);
    QStringList items;
    for (int i = 0; i < menu->childCount(); ++i) {
        if (menu->child(i)->role() == QAccessible::MenuItem) {
            items << menu->child(i)->text(QAccessible::Name);
        }
    }
    ASSERT_EQ(items.size(), 5) << items.join(u',').toStdString();
    EXPECT_EQ(items.first(4), QStringList({QStringLiteral("Restore"), QStringLiteral("Minimize"),
                                           QStringLiteral("Maximize"), QStringLiteral("Close")}));
    EXPECT_FALSE(items.last().isEmpty());

    QTest::keyClick(window->SystemMenu(), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->SystemMenu()->isVisible(); }));
    EXPECT_EQ(access->childCount(), closed);
}

INSTANTIATE_TEST_SUITE_P(Accessibility, EveryWindow, testing::ValuesIn(kEveryWindow), WindowName);

TEST(ScreenReaderNames, FollowTheLocalisedLabels) {
    const ScopedLocalisationFile texts("[String]\nIDD105_1076=Modus\nIDD105_1091=Adresse\n");
    FakePlatform platform;
    CMmsDlg form;
    form.Create();
    EXPECT_EQ(AccessibleText(form.Item(res::IDC_MMS_MODE), QAccessible::Name).toStdString(),
              "Modus");
    EXPECT_EQ(AccessibleText(form.Item(res::IDC_MMS_URL), QAccessible::Name).toStdString(),
              "Adresse");
}

}  // namespace
