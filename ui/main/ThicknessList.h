#pragma once

// A single-choice list as a desktop user knows it: clicking or pressing keys
// moves the one selection, but nothing the user does can leave the list with
// no entry selected (Ctrl+click and Ctrl+Space would in a plain Qt list).

#include <QItemSelectionModel>

namespace siltmere::ui {

class SingleChoiceSelectionModel : public QItemSelectionModel {
    Q_OBJECT
public:
    using QItemSelectionModel::QItemSelectionModel;

    void select(const QModelIndex& index, QItemSelectionModel::SelectionFlags command) override;
    void select(const QItemSelection& selection, QItemSelectionModel::SelectionFlags command) override;

private:
    bool wouldEmpty(QItemSelectionModel::SelectionFlags command) const;
};

} // namespace siltmere::ui
