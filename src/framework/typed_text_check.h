#pragma once

// The check of the texts a user typed, before anything is written: a line break, a tab or a
// character outside printable ASCII would break the camera's settings file (a line feed starts a
// new line; other bytes can scramble into the line mark). The texts checked are those of the
// enabled edits, which are exactly the texts a form writes; disabled edits show values the form
// makes itself or texts that the current mode leaves out of the file.
#include <QString>

#include <optional>

class CDialog;

class QLineEdit;

// The first edit, in template order, whose text cannot be written, and the message that refuses
// it, naming it as a screen reader does.
struct TypedTextRefusal {
    QLineEdit* edit;
    QString message;
};

// The refusal of the first text that cannot be written; nothing when every text can be written.
std::optional<TypedTextRefusal> RefuseUnwritableTypedText(const CDialog& dialog);
