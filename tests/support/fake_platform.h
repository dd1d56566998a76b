#pragma once

#include <QString>
#include <QStringList>

#include <ctime>
#include <optional>

#include "framework/platform.h"

// What the forms say of a file that is complete on the card.
inline const QString kGenerated = QStringLiteral("System configuration file has been generated.");

// Stands in for the desktop while installed: records messages instead of showing them, answers
// questions with a chosen answer, the folder browser with a chosen folder (or a cancel) and tells
// a fixed time.
class FakePlatform : public Platform {
public:
    FakePlatform() { Platform::Install(this); }
    ~FakePlatform() override { Platform::Install(nullptr); }
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    void ShowMessage(QWidget* owner, const QString& text) override {
        messages << text;
        owners.push_back(owner);
    }
    bool AskYesNo(QWidget* owner, const QString& text) override {
        questions << text;
        owners.push_back(owner);
        return answer;
    }
    std::optional<QString> BrowseForFolder(QWidget*, const QString& title,
                                           const QString& startFolder) override {
        browserTitles << title;
        browserStarts << startFolder;
        return nextFolder;
    }
    std::tm Now() override { return now; }

    // A local time, as the clock would tell it.
    static std::tm Time(int year, int month, int day, int hour, int minute, int second) {
        std::tm time{};
        time.tm_year = year - 1900;
        time.tm_mon = month - 1;
        time.tm_mday = day;
        time.tm_hour = hour;
        time.tm_min = minute;
        time.tm_sec = second;
        return time;
    }

    QStringList messages;
    QStringList questions;
    // Of every message and question.
    std::vector<QWidget*> owners;
    bool answer = false;
    QStringList browserTitles;
    QStringList browserStarts;
    std::optional<QString> nextFolder;
    std::tm now = Time(2026, 12, 6, 14, 5, 9);
};
