#pragma once

// Lists whose current position is a field of a settings record: the record's defaults select the
// lists' items, and the lists' positions fill the record.
#include <span>

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
