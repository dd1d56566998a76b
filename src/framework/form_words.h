#pragma once

// What the setup forms tell their user about writing and reading a settings file: the outcomes
// that the writer and the reader return, in the forms' words.
#include <QString>

#include <string>
#include <string_view>

#include "core/settings_file.h"
#include "words/read_words.h"

class QWidget;

// A path of the file system as the window shows it.
QString ShownPath(const std::string& path);

// The message for what became of writing a settings file into `targetFolder`: the success
// message, or the file's path and on the next line what went wrong. A refusal by the form's own
// check is said by `refusal`.
QString OutcomeMessage(const SettingsFileOutcome& outcome, const std::string& targetFolder,
                       const QString& refusal);

// Why a value of a settings file cannot be shown: `list`, named as a screen reader names it, has
// no item `item`.
QString NoSuchItem(const QWidget* list, const QString& item);
