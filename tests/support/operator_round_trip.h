#pragma once

// Every operator of a report form's table, written in "Auto" onto a card, loaded into a freshly
// opened form and generated again: the form must write the very bytes it read.
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <string>

#include "framework/settings_form.h"
#include "tests/support/fake_platform.h"
#include "tests/support/files.h"

// `compose` gives the text of "Auto" at (country, operator); `operatorCount` the rows of a
// country. Gives how many pairs were walked.
template <class Form, class Compose, class Count>
int ExpectEveryAutoFileLoadsAndGeneratesTheSameBytes(int countries, Count operatorCount,
                                                     Compose compose, const QString& name,
                                                     const ScrambleKey& key) {
    FakePlatform platform;
    QTemporaryDir dir;
    int pairs = 0;
    for (int country = 0; country < countries; ++country) {
        for (int row = 0; row < operatorCount(country); ++row, ++pairs) {
            std::string text = compose(country, row);
            std::string scrambled = text;
            ScrambleSettingsText(scrambled.data(), scrambled.size(), key);
            WriteFileBytes(dir.filePath(name), QByteArray::fromStdString(scrambled));

            Form form;
            form.Create();
            platform.nextFolder = dir.path();
            QTest::mouseClick(form.Button(form.FormCommands().select), Qt::LeftButton);
            platform.messages.clear();
            form.SendSysCommand(IDM_LOAD_FROM_CARD);
            EXPECT_TRUE(platform.messages.value(0).startsWith(QStringLiteral("Settings loaded")))
                << country << "/" << row << ": " << platform.messages.value(0).toStdString();
            WriteFileBytes(dir.filePath(name), QByteArray());
            QTest::mouseClick(form.Button(form.FormCommands().generate), Qt::LeftButton);
            EXPECT_EQ(platform.messages.value(1), kGenerated) << country << "/" << row;
            EXPECT_EQ(Unscramble(ReadFileBytes(dir.filePath(name)), key), text)
                << country << "/" << row;
        }
    }
    return pairs;
}
