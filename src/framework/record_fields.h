#pragma once

// The controls whose values are the fields of a settings record, from tables: lists whose current
// position is an integer field, and edits whose typed text is a text field.
#include <QLineEdit>
#include <QString>

#include <array>
#include <span>
#include <string>

#include "framework/controls.h"
#include "framework/dialog.h"

template <class Record>
struct PositionField {
    int listId;
    int Record::*field;
};

// Makes each list show the item at the position its field has in `record`.
template <class Record>
void SelectPositions(CDialog& dialog, std::span<const PositionField<Record>> fields,
                     const Record& record) {
    for (const PositionField<Record>& list : fields) {
        dialog.List(list.listId)->setCurrentIndex(record.*list.field);
    }
}

// Sets each field of `record` to the position of its list's current item.
template <class Record>
void ReadPositions(const CDialog& dialog, std::span<const PositionField<Record>> fields,
                   Record& record) {
    for (const PositionField<Record>& list : fields) {
        record.*list.field = dialog.List(list.listId)->currentIndex();
    }
}

template <class Record>
struct TextField {
    int editId;
    std::string& (*field)(Record& record);
};

// The text field `Member` of a record, or the element `I` of its array of texts `Member`.
template <class Record, std::string Record::*Member>
std::string& Text(Record& record) {
    return record.*Member;
}
template <class Record, std::array<std::string, 4> Record::*Member, std::size_t I>
std::string& TextAt(Record& record) {
    return (record.*Member)[I];
}

// A text of the window on its way into a settings record. Texts go into a record only after the
// typed-text check, so they are plain ASCII.
inline std::string SettingsText(const QString& text) {
    return text.toLatin1().toStdString();
}

// Sets each text field of `record` to the text of its edit.
template <class Record>
void ReadTexts(const CDialog& dialog, std::span<const TextField<Record>> fields, Record& record) {
    for (const TextField<Record>& text : fields) {
        text.field(record) = SettingsText(dialog.Edit(text.editId)->text());
    }
}
