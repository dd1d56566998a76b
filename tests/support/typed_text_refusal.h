#pragma once

// What every edit of a setup form must do with a text the camera cannot read, whichever edit it
// is in and however it got there: "Generate" refuses it with a message that names the field,
// writes nothing (an older file in the folder stays as it was) and leaves every value of the form
// as it stands. Likewise texts that together no longer fit a settings file are refused whole.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>

#include <array>
#include <span>

#include "core/settings_text.h"
#include "tests/support/form_fixture.h"

// An edit of a form and the label the user knows it by.
struct LabelledEdit {
    int id;
    const char* label;
};

// Texts with a character that would break the camera's file, as a user pastes them.
inline const std::array<QString, 6> kUnreadableTexts{
    QStringLiteral("first\nsecond"),         // a line feed starts a line of its own
    QStringLiteral("first\rsecond"),         // a carriage return
    QStringLiteral("tab\there"),             // a tab
    QString::fromUtf8("j\xC3\xB6rg"),        // a letter outside ASCII
    QStringLiteral("bell\x07") + "ringing",  // a control character
    QStringLiteral("delete\x7F"),            // DEL, the one control above the printable range
};

template <class Form>
class TypedTextRefusal : public FormFixture<Form> {
protected:
    // Replaces the text of an edit by pasting, the way control characters get into an edit.
    void Paste(int id, const QString& text) {
        QLineEdit* edit = this->form.Edit(id);
        ASSERT_TRUE(edit->isEnabled()) << id;
        QApplication::clipboard()->setText(text);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        ASSERT_EQ(edit->text(), text) << id;
    }

    // What every control shows: each list's item and each edit's text.
    QStringList Values() const {
        QStringList values;
        for (const QWidget* control : this->form.Controls()) {
            if (const auto* list = qobject_cast<const QComboBox*>(control)) {
                values << list->currentText();
            } else if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
                values << edit->text();
            }
        }
        return values;
    }

    // Chooses the temporary folder, which holds an older settings file `fileName`.
    void ChooseFolderWithAnOlderFile(const QString& fileName) {
        WriteFileBytes(this->dir.filePath(fileName), "older settings, never touched");
        this->ChooseFolder(this->dir.path());
    }

    // Presses "Generate" and expects exactly `message`, nothing changed in the folder and every
    // value of the form kept.
    void ExpectRefused(const QString& message, const std::string& what) {
        const QMap<QString, QByteArray> folder = FolderContents(this->dir.path());
        const QStringList values = Values();
        this->platform.messages.clear();
        this->Generate();
        EXPECT_EQ(this->platform.messages, QStringList{message}) << what;
        EXPECT_EQ(FolderContents(this->dir.path()), folder) << what;
        EXPECT_EQ(Values(), values) << what;
    }

    // Every edit in turn holds each unreadable text while the others hold good ones.
    void ExpectEveryEditRefusesUnreadableTexts(std::span<const LabelledEdit> edits,
                                               const QString& fileName) {
        ChooseFolderWithAnOlderFile(fileName);
        for (const LabelledEdit& edit : edits) {
            for (const QString& unreadable : kUnreadableTexts) {
                Paste(edit.id, unreadable);
                ExpectRefused(QStringLiteral("\"%1\" holds a line break, a tab or a character "
                                             "outside plain ASCII, which the camera cannot "
                                             "read.\nNothing was written.")
                                  .arg(QLatin1String(edit.label)),
                              std::string(edit.label) + ": " + unreadable.toStdString());
            }
            Paste(edit.id, QStringLiteral("fine"));
        }
    }

    // The edits filled so that the settings text is one byte longer than a file can hold, then
    // exactly as long: the first is refused with its length, the second written whole.
    void ExpectTextsPastTheCapacityRefused(std::span<const LabelledEdit> edits,
                                           const QString& fileName) {
        // The length of the text with every edit empty, as the file written then tells it.
        this->ChooseFolder(this->dir.path());
        for (const LabelledEdit& edit : edits) {
            Paste(edit.id, QString());
        }
        this->Generate();
        const qsizetype empty = ReadFileBytes(this->dir.filePath(fileName)).size();
        ASSERT_GT(empty, 0);

        const qsizetype room = static_cast<qsizetype>(kMaxSettingsTextLength) - empty;
        const qsizetype share = room / static_cast<qsizetype>(edits.size());
        for (std::size_t i = 0; i < edits.size(); ++i) {
            const qsizetype length =
                i == 0 ? room - share * static_cast<qsizetype>(edits.size() - 1) : share;
            Paste(edits[i].id, QString(length, QLatin1Char('a' + static_cast<char>(i % 26))));
        }
        Paste(edits[0].id, this->form.Edit(edits[0].id)->text() + QLatin1Char('+'));
        ExpectRefused(QStringLiteral("The settings are too long for the camera: %1 bytes, at "
                                     "most %2 fit.\nNothing was written.")
                          .arg(kMaxSettingsTextLength + 1)
                          .arg(kMaxSettingsTextLength),
                      "one byte too many");

        Paste(edits[0].id, this->form.Edit(edits[0].id)->text().chopped(1));
        this->platform.messages.clear();
        this->Generate();
        EXPECT_EQ(this->platform.messages, QStringList{kGenerated});
        EXPECT_EQ(ReadFileBytes(this->dir.filePath(fileName)).size(),
                  static_cast<qsizetype>(kMaxSettingsTextLength));
    }
};
