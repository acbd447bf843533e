// Pages with a row of tabs.
#include "Forms.h"

#include <algorithm>

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

// ---------------------------------------------------------------------------
// TPageControl, TTabSheet

TPageControl::TPageControl(TControl* parent, const AnsiString& name) : TControl(parent, name) {
    resize(289, 193);
    setFocusPolicy(Qt::ClickFocus);
}

void TPageControl::AddPage(TTabSheet* page) {
    pages_.push_back(page);
    if (active_ < 0) active_ = static_cast<int>(pages_.size()) - 1;
    LayoutPages();
    page->setVisible(page == ActivePage());
    update();
}

TTabSheet* TPageControl::ActivePage() const {
    return active_ >= 0 && active_ < PageCount() ? pages_[active_] : nullptr;
}

void TPageControl::SetActivePageIndex(int i) {
    active_ = (i >= 0 && i < PageCount()) ? i : -1;
    for (int k = 0; k < PageCount(); ++k) pages_[k]->setVisible(k == active_);
    update();
}

void TPageControl::LayoutPages() {
    for (TTabSheet* page : pages_)
        page->setGeometry(0, TabHeight, width(), std::max(0, height() - TabHeight));
}

TRect TPageControl::TabRect(int i) const {
    if (i < 0 || i >= PageCount()) return TRect{};
    QFontMetrics fm(font_.ToQFont());
    int left = 0;
    for (int k = 0; k < PageCount(); ++k) {
        int w = fm.horizontalAdvance(ToQString(pages_[k]->Caption())) + 16;
        if (k == i) return TRect{left, 0, left + w, TabHeight};
        left += w;
    }
    return TRect{};
}

void TPageControl::resizeEvent(QResizeEvent* e) {
    TControl::resizeEvent(e);
    LayoutPages();
}

void TPageControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(QRect(0, 0, width(), TabHeight), ToQColor(color_));
    p.setFont(font_.ToQFont());
    for (int i = 0; i < PageCount(); ++i) {
        TRect r = TabRect(i);
        QRect box(r.Left, r.Top, r.Width(), r.Height());
        QColor face = ToQColor(pages_[i]->Color());
        p.fillRect(box, i == active_ ? face : face.darker(115));
        p.setPen(QColor(128, 128, 128));
        p.drawRect(box.adjusted(0, 0, -1, -1));
        p.setPen(ToQColor(font_.Color()));
        p.drawText(box, Qt::AlignCenter, ToQString(pages_[i]->Caption()));
    }
}

void TPageControl::mousePressEvent(QMouseEvent* e) {
    QPointer<TControl> self(this);
    TControl::mousePressEvent(e);
    if (!self || !isEnabled() || e->button() != Qt::LeftButton) return;
    QPoint pos = e->position().toPoint();
    for (int i = 0; i < PageCount(); ++i) {
        TRect r = TabRect(i);
        if (QRect(r.Left, r.Top, r.Width(), r.Height()).contains(pos)) {
            if (i != active_) {
                SetActivePageIndex(i);
                Notify(OnChange);
            }
            return;
        }
    }
}

TTabSheet::TTabSheet(TPageControl* owner, const AnsiString& name, const AnsiString& caption)
    : TControl(owner, name) {
    caption_ = caption;
    if (owner) owner->AddPage(this);
}

TTabSheet::~TTabSheet() {
    if (auto* owner = dynamic_cast<TPageControl*>(Parent())) {
        auto& pages = owner->pages_;
        auto it = std::find(pages.begin(), pages.end(), this);
        if (it != pages.end()) {
            int index = static_cast<int>(it - pages.begin());
            pages.erase(it);
            if (owner->active_ == index) owner->active_ = -1;
            else if (owner->active_ > index) --owner->active_;
            owner->update();
        }
    }
}

int TTabSheet::PageIndex() const {
    if (auto* owner = dynamic_cast<TPageControl*>(Parent())) {
        for (int i = 0; i < owner->PageCount(); ++i)
            if (owner->Page(i) == this) return i;
    }
    return -1;
}

void TTabSheet::StateChanged() {
    TControl::StateChanged();
    if (Parent()) Parent()->update();
}
