#pragma once

// A setup form built, shown and driven the way a user drives it: lists picked with the keyboard,
// buttons clicked, texts typed, a folder chosen in the (fake) folder browser, commands chosen in
// the window menu, and the file that "Generate" wrote read back and unscrambled.
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <string>

#include "framework/controls.h"
#include "framework/settings_form.h"
#include "tests/support/fake_platform.h"
#include "tests/support/files.h"
#include "tests/support/scratch_mount.h"

template <class Form>
class FormFixture : public testing::Test {
protected:
    void SetUp() override {
        form.Create();
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    // Picks an item the way a user does: the list takes the focus and the keyboard moves it.
    void Pick(int id, const QString& text) {
        CComboBox* list = form.List(id);
        ASSERT_TRUE(list->isEnabled()) << id;
        const int target = list->findText(text, Qt::MatchExactly);
        ASSERT_GE(target, 0) << id << " has no item " << text.toStdString();
        list->setFocus();
        while (list->currentIndex() < target) {
            QTest::keyClick(list, Qt::Key_Down);
        }
        while (list->currentIndex() > target) {
            QTest::keyClick(list, Qt::Key_Up);
        }
    }
    // Replaces the text of an edit by typing.
    void Type(int id, const QString& text) {
        QLineEdit* edit = form.Edit(id);
        ASSERT_TRUE(edit->isEnabled()) << id;
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(edit, c.toLatin1());
            } else {  // a character the keyboard layout makes, not a key of its own
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
            }
        }
    }
    void Click(int id) { QTest::mouseClick(form.Button(id), Qt::LeftButton); }

    // What a list or an edit shows.
    QString Shown(int id) const {
        if (const auto* list = qobject_cast<CComboBox*>(form.Item(id))) {
            return list->currentText();
        }
        return form.Edit(id)->text();
    }
    bool Enabled(int id) const { return form.Item(id)->isEnabled(); }

    void ChooseFolder(const QString& folder) {
        platform.nextFolder = folder;
        Click(form.FormCommands().select);
    }
    void Generate() { Click(form.FormCommands().generate); }
    // Chooses "Load from card" in the window menu.
    void LoadFromCard() {
        QAction* load = nullptr;
        for (QAction* action : form.SystemMenu()->actions()) {
            load = action->data().toInt() == IDM_LOAD_FROM_CARD ? action : load;
        }
        ASSERT_NE(load, nullptr);
        EXPECT_EQ(load->text(), QStringLiteral("&Load from card"));
        load->trigger();
    }
    // Puts the settings text `text`, scrambled with `key`, as the file `name` into the temporary
    // folder, and chooses that folder.
    void PutOnCard(const QString& name, const ScrambleKey& key, std::string text) {
        ScrambleSettingsText(text.data(), text.size(), key);
        WriteFileBytes(dir.filePath(name), QByteArray::fromStdString(text));
        ChooseFolder(dir.path());
    }

    // The text of the settings file `name` in the temporary folder, unscrambled with `key`.
    std::string WrittenText(const QString& name, const ScrambleKey& key) const {
        return Unscramble(ReadFileBytes(dir.filePath(name)), key);
    }
    QStringList FolderContents() const { return FolderEntries(dir.path()); }

    // Chooses a folder with "Select", then puts another medium in its place, as when the card
    // is pulled and its empty mount point stays behind: "Generate" must write nothing and say
    // so. Gives the message shown; empty when this machine cannot mount a medium.
    QString GenerateAfterTheCardIsPulled() {
        if (!ScratchMount::Unavailable().empty()) {
            return QString();
        }
        const QString card = dir.filePath(QStringLiteral("card"));
        QDir().mkpath(card);
        ChooseFolder(card);
        const ScratchMount emptyMountPoint(card, "size=16k");
        EXPECT_TRUE(emptyMountPoint.Mounted());
        platform.messages.clear();
        Generate();
        EXPECT_TRUE(FolderEntries(card).isEmpty());
        return platform.messages.value(0);
    }

    FakePlatform platform;
    QTemporaryDir dir;
    Form form;
};
