#pragma once

// Why a settings file, or the text it holds, gives no settings: what was found where, for the
// program's edges to put into words.
#include <cstddef>
#include <string>
#include <system_error>

struct ReadProblem {
    enum class Kind {
        // The file itself.
        Unreadable,   // it cannot be read: `reason`
        FileTooLong,  // it holds more bytes than a settings file can
        // Its text, which is not the lines of its kind of file. `line` counts from 1.
        Empty,             // the text is empty
        TextTooLong,       // the text is `size` bytes long, more than a settings text holds
        WrongKey,          // `key` expected, `found` the bytes before the line's equals sign
        EndOfText,         // `key` expected, the text ended
        NoLineEnd,         // the line of `key` has no line feed: the text is cut short
        NotPrintable,      // the value `found` of `key` holds a byte outside printable ASCII
        NotANumber,        // `found` is no number as the file writes them
        NumberOutOfRange,  // `found` has more digits than a number of the file can
        WrongCharacters,   // `found` is not `size` characters
        WrongTimes,        // `found` is not `size` numbers laid out as hh:mm pairs
        MoreText,          // the text goes on with `found` after its last line
    };
    Kind kind = Kind::Empty;
    std::error_code reason = {};
    int line = 0;
    std::string key = {};
    std::string found = {};
    std::size_t size = 0;

    bool operator==(const ReadProblem&) const = default;
};
