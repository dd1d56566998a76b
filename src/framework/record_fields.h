#pragma once

// A form's controls and the fields of its settings record, bound as the record's lines describe
// them: lists whose current item is a position, a number or a character of the record, and edits
// whose text is a text of the record.
#include <QLineEdit>
#include <QString>

#include <optional>
#include <span>
#include <string>

#include "core/settings_lines.h"
#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/form_words.h"

// A text of the window on its way into a settings record. Texts go into a record only after the
// typed-text check, so they are plain ASCII.
inline std::string SettingsText(const QString& text) {
    return text.toLatin1().toStdString();
}

// The value of a list's `field` of `record`: a position, or the text of an item.
template <class Record>
QString ListValue(const LineField<Record>& field, Record& record) {
    return field.character != nullptr ? QString(QChar::fromLatin1(field.character(record)))
                                      : QString::number(field.number(record));
}

// The item of `list` that shows `field` of `record` in a line of `shape`; -1 for none.
template <class Record>
int ItemShowing(const CComboBox& list, LineShape shape, const LineField<Record>& field,
                Record& record) {
    if (shape == LineShape::Position) {
        const int position = field.number(record);
        return position >= 0 && position < list.count() ? position : -1;
    }
    return list.findText(ListValue(field, record), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

// Sets every field of `lines` in `record` to what its control shows.
template <class Record>
void ReadFields(const CDialog& dialog, std::span<const SettingsLine<Record>> lines,
                Record& record) {
    for (const SettingsLine<Record>& line : lines) {
        for (std::size_t i = 0; i < line.FieldCount(); ++i) {
            const LineField<Record>& field = line.fields[i];
            if (field.text != nullptr) {
                field.text(record) = SettingsText(dialog.Edit(field.control)->text());
                continue;
            }
            const CComboBox* list = dialog.List(field.control);
            const QString item = list->currentText();
            if (field.character != nullptr) {
                field.character(record) = item.isEmpty() ? ' ' : item.at(0).toLatin1();
            } else {
                field.number(record) =
                    line.shape == LineShape::Position ? list->currentIndex() : item.toInt();
            }
        }
    }
}

// Why the lists cannot show `record`: the first list, in line order, without the item its field
// asks for; nothing when every list has it. Each list is measured against the items it has now.
template <class Record>
std::optional<QString> FieldsNotOffered(const CDialog& dialog,
                                        std::span<const SettingsLine<Record>> lines,
                                        Record record) {
    for (const SettingsLine<Record>& line : lines) {
        for (std::size_t i = 0; i < line.FieldCount(); ++i) {
            const LineField<Record>& field = line.fields[i];
            if (field.text != nullptr) {
                continue;
            }
            const CComboBox* list = dialog.List(field.control);
            if (ItemShowing(*list, line.shape, field, record) < 0) {
                return NoSuchItem(list, ListValue(field, record));
            }
        }
    }
    return std::nullopt;
}

// Makes every control of `lines` show its field of `record`, in line order, so a list that fills
// another comes before it; a list without the item keeps its own. The clock is not shown: a form
// takes the clock anew.
template <class Record>
void ShowFields(CDialog& dialog, std::span<const SettingsLine<Record>> lines, Record record) {
    for (const SettingsLine<Record>& line : lines) {
        for (std::size_t i = 0; i < line.FieldCount() && line.shape != LineShape::Clock; ++i) {
            const LineField<Record>& field = line.fields[i];
            if (field.text != nullptr) {
                dialog.Edit(field.control)->setText(QString::fromLatin1(field.text(record)));
            } else if (CComboBox* list = dialog.List(field.control);
                       ItemShowing(*list, line.shape, field, record) >= 0) {
                list->setCurrentIndex(ItemShowing(*list, line.shape, field, record));
            }
        }
    }
}
