// Lists of texts: the list box and the drop-down list.
#include "Forms.h"

#include <algorithm>

#include <QComboBox>
#include <QListWidget>
#include <QMouseEvent>

#include "FormsSelection.h"

// ---------------------------------------------------------------------------
// TListBox

namespace {
constexpr int kAnsiRole = Qt::UserRole + 1;
}

TListBox::TListBox(TControl* parent, const AnsiString& name)
    : TControl(parent, name), list_(new KeepSelection<QListWidget>(this)) {
    color_ = clWhite;
    SetColor(clWhite);
    resize(121, 97);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    ForwardEventsOf(list_);
    QObject::connect(list_, &QListWidget::currentRowChanged, this, [this](int) {
        // Arrow keys (a mouse click is reported at its release).
        if (!quiet_ && !mouseDown_) Notify(OnClick);
    });
    StateChanged();
}

bool TListBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && isEnabled()) {
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            mouseDown_ = true;
            rowAtPress_ = ItemIndex();
        } else if (event->type() == QEvent::MouseButtonRelease &&
                   static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            if (mouseDown_) {
                mouseDown_ = false;
                QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
                bool onItem = list_->itemAt(p) != nullptr;
                if (ItemIndex() >= 0 && (onItem || ItemIndex() != rowAtPress_)) {
                    QPointer<TControl> self(this);
                    bool handled = TControl::eventFilter(watched, event);
                    if (!self) return true;
                    Notify(OnClick);
                    return handled || !self;
                }
            }
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            mouseDown_ = false;
        }
    }
    return TControl::eventFilter(watched, event);
}

int TListBox::Count() const { return list_->count(); }

AnsiString TListBox::Item(int i) const {
    if (i < 0 || i >= Count()) throw Exception("List index out of bounds (" + IntToStr(i) + ")");
    return list_->item(i)->data(kAnsiRole).toByteArray().toStdString();
}

TStringList TListBox::Items() const {
    TStringList list;
    for (int i = 0; i < Count(); ++i) list.Insert(i, Item(i));
    return list;
}

void TListBox::Insert(int i, const AnsiString& s) {
    auto* item = new QListWidgetItem(ToQString(s));
    item->setData(kAnsiRole, QByteArray(s.data(), static_cast<int>(s.size())));
    quiet_ = true;
    list_->insertItem(i, item);
    quiet_ = false;
}

void TListBox::SetItems(const TStringList& items) {
    Clear();
    for (const AnsiString& s : items.Items()) Add(s);
}

int TListBox::Add(const AnsiString& s) {
    int i = Count();
    if (sorted_) {
        // After the equal items already there.
        int lo = 0, hi = Count();
        while (lo < hi) {
            int mid = (lo + hi) / 2;
            if (AnsiCompareText(Item(mid), s) <= 0) lo = mid + 1;
            else hi = mid;
        }
        i = lo;
    }
    Insert(i, s);
    return i;
}

void TListBox::Delete(int i) {
    if (i < 0 || i >= Count()) return;
    const bool current = list_->currentRow() == i;
    quiet_ = true;
    delete list_->takeItem(i);
    // Removing the selected item leaves nothing selected (not its neighbour).
    if (current) {
        list_->clearSelection();
        list_->setCurrentRow(-1);
    }
    quiet_ = false;
}

void TListBox::Clear() {
    quiet_ = true;
    list_->clear();
    quiet_ = false;
}

int TListBox::IndexOf(const AnsiString& s) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(Item(i), s)) return i;
    return -1;
}

void TListBox::SetSorted(bool v) {
    if (v == sorted_) return;
    sorted_ = v;
    if (!v) return;
    std::vector<AnsiString> items;
    for (int i = 0; i < Count(); ++i) items.push_back(Item(i));
    std::stable_sort(items.begin(), items.end(),
                     [](const AnsiString& a, const AnsiString& b) { return AnsiCompareText(a, b) < 0; });
    Clear();
    for (size_t i = 0; i < items.size(); ++i) Insert(static_cast<int>(i), items[i]);
}

int TListBox::ItemIndex() const {
    QListWidgetItem* item = list_->currentItem();
    if (!item || !item->isSelected()) return -1;
    return list_->row(item);
}

void TListBox::SetItemIndex(int i) {
    quiet_ = true;
    if (i < 0 || i >= Count()) {
        list_->clearSelection();
        list_->setCurrentRow(-1);
    } else {
        list_->setCurrentRow(i, QItemSelectionModel::ClearAndSelect);
    }
    quiet_ = false;
}

void TListBox::SelectByUser(int i) {
    if (!isEnabled()) return;
    SetItemIndex(i);
    Notify(OnClick);
}

// ---------------------------------------------------------------------------
// TComboBox

TComboBox::TComboBox(TControl* parent, const AnsiString& name)
    : TControl(parent, name), combo_(new QComboBox(this)) {
    color_ = clWhite;
    SetColor(clWhite);
    resize(145, 21);
    combo_->setEditable(false);
    ForwardEventsOf(combo_);
    QObject::connect(combo_, &QComboBox::activated, this, [this](int) { Notify(OnChange); });
    StateChanged();
}

int TComboBox::Count() const { return combo_->count(); }

AnsiString TComboBox::Item(int i) const {
    if (i < 0 || i >= Count()) throw Exception("List index out of bounds (" + IntToStr(i) + ")");
    return combo_->itemData(i, kAnsiRole).toByteArray().toStdString();
}

void TComboBox::SetItems(const TStringList& items) {
    Clear();
    for (const AnsiString& s : items.Items()) Add(s);
}

int TComboBox::Add(const AnsiString& s) {
    const int current = combo_->currentIndex();
    combo_->addItem(ToQString(s));
    int i = combo_->count() - 1;
    combo_->setItemData(i, QByteArray(s.data(), static_cast<int>(s.size())), kAnsiRole);
    // Adding an item selects nothing.
    if (combo_->currentIndex() != current) combo_->setCurrentIndex(current);
    return i;
}

void TComboBox::Clear() { combo_->clear(); }

int TComboBox::ItemIndex() const { return combo_->currentIndex(); }

void TComboBox::SetItemIndex(int i) {
    combo_->setCurrentIndex(i >= 0 && i < Count() ? i : -1);
}

void TComboBox::SelectByUser(int i) {
    if (!isEnabled()) return;
    SetItemIndex(i);
    Notify(OnChange);
}

AnsiString TComboBox::Text() const {
    int i = ItemIndex();
    return i >= 0 ? Item(i) : AnsiString();
}
