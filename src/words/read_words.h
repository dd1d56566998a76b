#pragma once

// Why a settings file, or the text it holds, gives no settings: what the reader found, in the
// words that the forms and trailcam-card say it in alike.
#include <QString>

#include <string_view>
#include <system_error>

#include "core/read_problem.h"

// Why the settings file named `fileName` ("CameraSet.dat") cannot be read, to follow its path:
// "it is not a valid CameraSet.dat: line 7: expected key SENL, found \"SENX\"".
QString ReadProblemWords(const ReadProblem& problem, std::string_view fileName);

// Why a text is not the lines of its kind of file, with the number of the line where it has one
// ("line 7: expected key SENL, found \"SENX\"") or without it.
QString TextProblemWords(const ReadProblem& problem, bool withLine = true);

// A reason in the user's language: the program's own (a named pipe, no such folder, the card
// removed ...) in its words, the system's in the system's words for the user's locale.
QString ReasonWords(const std::error_code& reason);
