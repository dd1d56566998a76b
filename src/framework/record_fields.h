#pragma once

// The controls whose values are the fields of a settings record, from tables: lists whose current
// position is an integer field, and edits whose typed text is a text field.
#include <QLineEdit>
#include <QString>

#include <array>
#include <optional>
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

// Why a value of a settings file cannot be shown: `list`, named as a screen reader names it, has
// no item `item`.
inline std::string NoSuchItem(const CDialog&, const QWidget* list, const QString& item) {
    return QStringLiteral(
               "it holds a value that the form does not offer: the list \"%1\" has no item %2")
        .arg(ControlName(list), item)
        .toStdString();
}

// Why the lists cannot show `record`: the first list without an item at its field's position;
// nothing when every list has its item. For lists whose items do not depend on each other.
template <class Record>
std::optional<std::string> PositionsNotOffered(const CDialog& dialog,
                                               std::span<const PositionField<Record>> fields,
                                               const Record& record) {
    for (const PositionField<Record>& list : fields) {
        const int position = record.*list.field;
        if (position < 0 || position >= dialog.List(list.listId)->count()) {
            return NoSuchItem(dialog, dialog.Item(list.listId), QString::number(position));
        }
    }
    return std::nullopt;
}

template <class Record>
void ReadPositions(const CDialog& dialog, std::span<const PositionField<Record>> fields,
                   Record& record);

// Makes each list, in table order, show the item at its field's position in `record`, each
// measured against its items as the lists before it have left them: choosing a country refills
// the list of its operators, so a table names a list before the lists it fills. When a list has
// no such item, every list goes back to the item it showed and the reason is given.
template <class Record>
std::optional<std::string> SelectOfferedPositions(CDialog& dialog,
                                                  std::span<const PositionField<Record>> fields,
                                                  const Record& record) {
    Record before{};
    ReadPositions<Record>(dialog, fields, before);
    for (const PositionField<Record>& list : fields) {
        const int position = record.*list.field;
        CComboBox* shown = dialog.List(list.listId);
        if (position < 0 || position >= shown->count()) {
            SelectPositions<Record>(dialog, fields, before);
            return NoSuchItem(dialog, shown, QString::number(position));
        }
        shown->setCurrentIndex(position);
    }
    return std::nullopt;
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

// Sets each edit to the text its field has in `record`.
template <class Record>
void ShowTexts(CDialog& dialog, std::span<const TextField<Record>> fields, Record record) {
    for (const TextField<Record>& text : fields) {
        dialog.Edit(text.editId)->setText(QString::fromLatin1(text.field(record)));
    }
}

// Sets each text field of `record` to the text of its edit.
template <class Record>
void ReadTexts(const CDialog& dialog, std::span<const TextField<Record>> fields, Record& record) {
    for (const TextField<Record>& text : fields) {
        text.field(record) = SettingsText(dialog.Edit(text.editId)->text());
    }
}
