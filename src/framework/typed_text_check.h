#pragma once

// The check of the texts a user typed, before anything is written: a line break, a tab or a
// character outside printable ASCII would break the camera's settings file (a line feed starts a
// new line; other bytes can scramble into the line mark). The texts checked are those of the
// enabled edits, which are exactly the texts a form writes; disabled edits show values the form
// makes itself or texts that the current mode leaves out of the file.
#include <QString>

#include <optional>

class CDialog;

// The message that refuses the first edit, in template order, whose text cannot be written, naming
// it by its label; nothing when every text can be written.
std::optional<QString> RefuseUnwritableTypedText(const CDialog& dialog);
