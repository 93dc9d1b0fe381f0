#include "ThicknessList.h"

namespace siltmere::ui {

bool SingleChoiceSelectionModel::wouldEmpty(QItemSelectionModel::SelectionFlags command) const
{
    const bool selects = command & (Select | Clear);
    const bool removes = command & (Deselect | Toggle);
    return removes && !selects && hasSelection();
}

void SingleChoiceSelectionModel::select(const QModelIndex& index, QItemSelectionModel::SelectionFlags command)
{
    if (!wouldEmpty(command))
        QItemSelectionModel::select(index, command);
}

void SingleChoiceSelectionModel::select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command)
{
    if (!wouldEmpty(command))
        QItemSelectionModel::select(selection, command);
}

} // namespace siltmere::ui
