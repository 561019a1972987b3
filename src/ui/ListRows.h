// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTreeWidget>

namespace telvorin {

// The selected row of a single-selection list, looked for from row 0 so that a selected
// row scrolled out of view still counts; -1 when no row is selected.
inline int SelectedRow(const QTreeWidget* list)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->isSelected())
            return i;
    }
    return -1;
}

} // namespace telvorin
