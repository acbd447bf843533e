// The progress bar.
#include "Forms.h"

#include <algorithm>

#include <QProgressBar>

// ---------------------------------------------------------------------------
// TProgressBar

TProgressBar::TProgressBar(TControl* parent, const AnsiString& name)
    : TControl(parent, name), bar_(new QProgressBar(this)) {
    resize(150, 17);
    bar_->setTextVisible(false);
    ForwardEventsOf(bar_);
    Sync();
}

void TProgressBar::SetMin(int v) {
    min_ = v;
    if (max_ < min_) max_ = min_;
    position_ = std::clamp(position_, min_, max_);
    Sync();
}

void TProgressBar::SetMax(int v) {
    max_ = v;
    if (min_ > max_) min_ = max_;
    position_ = std::clamp(position_, min_, max_);
    Sync();
}

void TProgressBar::SetPosition(int v) {
    position_ = std::clamp(v, min_, max_);
    Sync();
}

void TProgressBar::StepIt() {
    long long next = static_cast<long long>(position_) + step_;
    const long long range = static_cast<long long>(max_) - min_;
    if (next > max_ || next < min_) {
        if (range <= 0) next = min_;
        else next = min_ + (((next - min_) % range) + range) % range;
    }
    position_ = static_cast<int>(next);
    Sync();
}

void TProgressBar::Sync() {
    bar_->setRange(min_, max_);
    bar_->setValue(position_);
}
