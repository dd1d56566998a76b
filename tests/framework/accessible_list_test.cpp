#include "framework/accessible_list.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include "framework/controls.h"

namespace {

// A list beside its label, as a dialog builds it.
class AccessibleListTest : public testing::Test {
protected:
    void SetUp() override {
        label->setBuddy(list);
        list->addItems({QStringLiteral("Off"), QStringLiteral("On")});
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QAccessibleInterface* Access() const { return QAccessible::queryAccessibleInterface(list); }

    QWidget window;
    QLabel* label = new QLabel(QStringLiteral("Beep &Sound"), &window);
    CComboBox* list = new CComboBox(&window);
};

TEST_F(AccessibleListTest, IsCalledByItsLabelAndReadsItsCurrentItem) {
    QAccessibleInterface* access = Access();
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(access->role(), QAccessible::ComboBox);
    EXPECT_EQ(access->text(QAccessible::Name), QStringLiteral("Beep Sound"));
    list->setCurrentIndex(1);
    EXPECT_EQ(access->text(QAccessible::Value), QStringLiteral("On"));
    // Screen readers that read a list's shown text find the item there too.
    QAccessibleTextInterface* text = access->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()), QStringLiteral("On"));

    list->setAccessibleName(QStringLiteral("Signal"));
    EXPECT_EQ(access->text(QAccessible::Name), QStringLiteral("Signal"));
}

TEST_F(AccessibleListTest, PressingItDropsItsItemsDownAsItsChild) {
    QAccessibleInterface* access = Access();
    ASSERT_EQ(access->childCount(), 1);
    QAccessibleInterface* items = access->child(0);
    ASSERT_NE(items, nullptr);
    EXPECT_EQ(items->object(), list->view());
    EXPECT_EQ(access->indexOfChild(items), 0);

    list->setFocus();
    access->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(list->view()->isVisible());
    access->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_FALSE(list->view()->isVisible());
}

}  // namespace
