#pragma once
// Lists and trees whose selection only a click on an entry changes, as the framework's
// do: a click in the empty part, or a Ctrl click on the selected entry, keeps the
// selection (Qt would clear it, and the screen would then disagree with itself).
#include <QAbstractItemView>
#include <QItemSelectionModel>

template <class View>
class KeepSelection : public View {
public:
    using View::View;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override {
        const QItemSelectionModel::SelectionFlags flags = View::selectionCommand(index, event);
        if (!event) return flags;   // the control's own code sets the current entry
        if (!index.isValid() || flags.testFlag(QItemSelectionModel::Deselect))
            return QItemSelectionModel::NoUpdate;
        return flags;
    }
};
