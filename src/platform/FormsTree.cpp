// The tree view and its nodes.
#include "Forms.h"

#include <QTreeWidget>

#include "FormsSelection.h"

// ---------------------------------------------------------------------------
// TTreeView, TTreeNode

namespace {
constexpr int kNodeRole = Qt::UserRole + 2;
}

void TTreeNode::SetText(const AnsiString& t) {
    if (t == text_) return;   // the view is not told of a change that is none
    text_ = t;
    if (item_) item_->setText(0, ToQString(t));
}

int TTreeNode::Level() const {
    int level = 0;
    for (TTreeNode* p = parent_; p; p = p->parent_) ++level;
    return level;
}

int TTreeNode::Index() const { return index_; }

TTreeNode* TTreeNode::GetNextSibling() const {
    const auto& siblings = parent_ ? parent_->children_ : tree_->roots_;
    const size_t next = static_cast<size_t>(index_) + 1;
    return next < siblings.size() ? siblings[next].get() : nullptr;
}

TTreeNode* TTreeNode::GetNext() const {
    if (!children_.empty()) return children_.front().get();
    for (const TTreeNode* n = this; n; n = n->parent_)
        if (TTreeNode* s = n->GetNextSibling()) return s;
    return nullptr;
}

bool TTreeNode::Expanded() const { return item_ && item_->isExpanded(); }

void TTreeNode::Expand(bool recurse) {
    if (item_) item_->setExpanded(true);
    if (recurse)
        for (auto& c : children_) c->Expand(true);
}

void TTreeNode::Collapse() {
    if (item_) item_->setExpanded(false);
}

bool TTreeNode::Selected() const { return tree_ && tree_->Selected() == this; }

TTreeView::TTreeView(TControl* parent, const AnsiString& name)
    : TControl(parent, name), tree_(new KeepSelection<QTreeWidget>(this)) {
    color_ = clWhite;
    SetColor(clWhite);
    resize(121, 97);
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setExpandsOnDoubleClick(true);
    ForwardEventsOf(tree_);
    QObject::connect(tree_, &QTreeWidget::currentItemChanged, this,
                     [this](QTreeWidgetItem*, QTreeWidgetItem*) {
                         if (!quiet_) Notify(OnChange);
                     });
    StateChanged();
}

TTreeView::~TTreeView() {
    quiet_ = true;
    QObject::disconnect(tree_, nullptr, this, nullptr);
}

TTreeNode* TTreeView::NodeOf(QTreeWidgetItem* item) const {
    if (!item) return nullptr;
    return reinterpret_cast<TTreeNode*>(item->data(0, kNodeRole).value<quintptr>());
}

int TTreeView::Count() const { return static_cast<int>(Nodes().size()); }

TTreeNode* TTreeView::GetFirstNode() const { return roots_.empty() ? nullptr : roots_.front().get(); }

std::vector<TTreeNode*> TTreeView::Nodes() const {
    // Tree order: each node, then its children, with the nodes still to visit on a stack.
    std::vector<TTreeNode*> all, pending;
    const auto push = [&pending](const std::vector<std::unique_ptr<TTreeNode>>& nodes) {
        for (auto n = nodes.rbegin(); n != nodes.rend(); ++n) pending.push_back(n->get());
    };
    push(roots_);
    while (!pending.empty()) {
        TTreeNode* n = pending.back();
        pending.pop_back();
        all.push_back(n);
        push(n->children_);
    }
    return all;
}

TTreeNode* TTreeView::AddChild(TTreeNode* parent, const AnsiString& text) {
    auto node = std::make_unique<TTreeNode>();
    TTreeNode* n = node.get();
    n->tree_ = this;
    n->parent_ = parent;
    n->text_ = text;
    n->item_ = new QTreeWidgetItem(QStringList(ToQString(text)));
    n->item_->setData(0, kNodeRole, QVariant::fromValue(reinterpret_cast<quintptr>(n)));
    // Nodes are only ever added at the end or all removed, so the place stays true.
    n->index_ = static_cast<int>(parent ? parent->children_.size() : roots_.size());
    quiet_ = true;
    if (parent) {
        parent->item_->addChild(n->item_);
        parent->children_.push_back(std::move(node));
    } else {
        tree_->addTopLevelItem(n->item_);
        roots_.push_back(std::move(node));
    }
    quiet_ = false;
    return n;
}

void TTreeView::LoadFromLines(const std::vector<AnsiString>& lines) {
    Clear();
    // Each open node with its tab count; a line hangs under the nearest one with fewer tabs.
    std::vector<std::pair<int, TTreeNode*>> open;
    for (const AnsiString& line : lines) {
        int tabs = 0;
        while (tabs < static_cast<int>(line.size()) && line[tabs] == '\t') ++tabs;
        while (!open.empty() && open.back().first >= tabs) open.pop_back();
        TTreeNode* parent = open.empty() ? nullptr : open.back().second;
        TTreeNode* node = AddChild(parent, line.substr(tabs));
        open.emplace_back(tabs, node);
    }
}

void TTreeView::Clear() {
    quiet_ = true;
    // All items leave the view at once: deleting them while in it would search the
    // view for each one.
    tree_->selectionModel()->clear();
    qDeleteAll(tree_->invisibleRootItem()->takeChildren());
    roots_.clear();
    quiet_ = false;
}

void TTreeView::FullExpand() { tree_->expandAll(); }

TTreeNode* TTreeView::Selected() const {
    QTreeWidgetItem* item = tree_->currentItem();
    if (!item || !item->isSelected()) return nullptr;
    return NodeOf(item);
}

void TTreeView::SetSelected(TTreeNode* node) {
    if (node == Selected()) return;
    quiet_ = true;
    if (node && node->item_) {
        tree_->setCurrentItem(node->item_, 0, QItemSelectionModel::ClearAndSelect);
    } else {
        tree_->clearSelection();
        tree_->setCurrentItem(nullptr);
    }
    quiet_ = false;
    Notify(OnChange);
}

void TTreeView::ClickNode(TTreeNode* node) {
    if (!isEnabled()) return;
    QPointer<TControl> self(this);
    SetSelected(node);
    if (self) Click();
}

void TTreeView::SetIndent(int px) { tree_->setIndentation(px); }
void TTreeView::SetReadOnly(bool) { tree_->setEditTriggers(QAbstractItemView::NoEditTriggers); }
