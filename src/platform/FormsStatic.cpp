// Controls we paint ourselves: labels, pictures, shapes, panels and group boxes.
#include "Forms.h"

#include <algorithm>
#include <climits>

#include <QFontMetrics>
#include <QPainter>

#include "TextFit.h"

namespace {

// Drawing text the way labels and panels do.
int AlignFlags(TAlignment a) {
    switch (a) {
    case TAlignment::RightJustify: return Qt::AlignRight;
    case TAlignment::Center: return Qt::AlignHCenter;
    default: return Qt::AlignLeft;
    }
}

}  // namespace

// ---------------------------------------------------------------------------
// TLabel

TLabel::TLabel(TControl* parent, const AnsiString& name) : TControl(parent, name) {
    FitToText();
}

void TLabel::SetTransparent(bool v) { transparent_ = v; update(); }
void TLabel::SetAlignment(TAlignment a) {
    // A right-aligned label keeps its right edge at every fit: it fits at once.
    if (a == TAlignment::RightJustify) Settle();
    alignment_ = a;
    update();
}
void TLabel::SetLayoutCenter(bool v) { vcenter_ = v; update(); }
void TLabel::SetEndEllipsis(bool v) { ellipsis_ = v; update(); }

AnsiString TLabel::ShownText() const {
    if (!ellipsis_ || wordWrap_) return caption_;
    return FitText(caption_, width(), [this](const AnsiString& s) { return TextWidth(s); });
}

int TLabel::TextWidth(const AnsiString& text) const {
    return QFontMetrics(font_.ToQFont()).horizontalAdvance(ToQString(text));
}


void TLabel::SetAutoSize(bool v) {
    if (!v && autoSize_ && sizePending_) {
        // The fit owed so far keeps the font and text it was owed for.
        if (wordWrap_ || owedFit_) Settle();
        else owedFit_ = std::make_unique<std::pair<QFont, QString>>(font_.ToQFont(), ToQString(caption_));
    }
    autoSize_ = v;
    FitToText();
}

void TLabel::SetWordWrap(bool v) {
    if (v && !wordWrap_ && autoSize_ && sizePending_ && !owedFit_) {
        // A wrapped label keeps the width its unwrapped text gave it.
        owedFit_ = std::make_unique<std::pair<QFont, QString>>(font_.ToQFont(), ToQString(caption_));
    } else if (v != wordWrap_) {
        Settle();
    }
    wordWrap_ = v;
    FitToText();
    update();
}

void TLabel::SetCaption(const AnsiString& c) {
    if (c == caption_) return;
    caption_ = c;
    FitToText();
    update();
}

void TLabel::FitToText() {
    if (!autoSize_ || adjusting_) return;
    if (isVisible() || alignment_ == TAlignment::RightJustify) AdjustSize();
    else sizePending_ = true;
}

void TLabel::SizeGiven(bool width, bool height) {
    if (!sizePending_) return;
    if (autoSize_) {
        if (width) owedFit_.reset();   // the fit gives the other side
    } else if (width && height) {
        owedFit_.reset();
        sizePending_ = false;
    } else {
        Settle();   // the other side comes from the fit owed
    }
}

void TLabel::ApplyPendingSize() {
    sizePending_ = false;
    if (owedFit_) {
        const auto owed = std::move(owedFit_);
        Measure(owed->first, owed->second, false);
    }
    AdjustSize();
}

void TLabel::showEvent(QShowEvent* e) {
    Settle();
    TControl::showEvent(e);
}

void TLabel::AdjustSize() {
    if (!autoSize_ || adjusting_) return;
    sizePending_ = false;
    if (owedFit_) {
        ApplyPendingSize();
        return;
    }
    Measure(font_.ToQFont(), ToQString(caption_), wordWrap_);
}

void TLabel::Measure(const QFont& font, const QString& caption, bool wrap) {
    adjusting_ = true;
    const QString text = caption.isEmpty() ? QStringLiteral(" ") : caption;
    const int wrapWidth = wrap ? std::max(1, width()) : -1;
    if (wrapWidth != fitWrapWidth_ || text != fitText_ || font != fitFont_) {
        QFontMetrics fm(font);
        if (wrap) {
            QRect r = fm.boundingRect(QRect(0, 0, wrapWidth, INT_MAX / 4),
                                      Qt::TextWordWrap | AlignFlags(alignment_) | Qt::AlignTop, text);
            fitSize_ = QSize(wrapWidth, std::max(r.height(), fm.height()));
        } else {
            QRect r = fm.boundingRect(QRect(0, 0, INT_MAX / 4, INT_MAX / 4),
                                      Qt::AlignLeft | Qt::AlignTop, text);
            fitSize_ = QSize(r.width(), std::max(r.height(), fm.height()));
        }
        fitFont_ = font;
        fitText_ = text;
        fitWrapWidth_ = wrapWidth;
    }
    // A right-aligned label keeps its right edge.
    if (!wrap && alignment_ == TAlignment::RightJustify) move(x() + width() - fitSize_.width(), y());
    resize(fitSize_);
    adjusting_ = false;
}

void TLabel::StateChanged() {
    FitToText();
    update();
}

void TLabel::BoundsChanged() { FitToText(); }

void TLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!transparent_) p.fillRect(rect(), ToQColor(color_));
    p.setFont(font_.ToQFont());
    p.setPen(isEnabled() ? ToQColor(font_.Color()) : QColor(128, 128, 128));
    int flags = AlignFlags(alignment_) | (vcenter_ ? Qt::AlignVCenter : Qt::AlignTop);
    if (wordWrap_) flags |= Qt::TextWordWrap;
    p.drawText(rect(), flags, ToQString(ShownText()));
}

// ---------------------------------------------------------------------------
// TImage

TImage::TImage(TControl* parent, const AnsiString& name) : TControl(parent, name) {
    resize(105, 105);
    picture_.OnChange = [this] { PictureChanged(); };
}

void TImage::PictureChanged() {
    keyed_ = QImage();
    keyedFrom_ = 0;
    if (autoSize_ && !picture_.Empty()) {
        resize(picture_.Width(), picture_.Height());
        BoundsChanged();
    }
    update();
}

void TImage::SetAutoSize(bool v) {
    autoSize_ = v;
    if (v && !picture_.Empty()) resize(picture_.Width(), picture_.Height());
    update();
}

TCanvas& TImage::Canvas() {
    if (picture_.Empty()) {
        QImage blank(std::max(1, width()), std::max(1, height()), QImage::Format_RGB32);
        blank.fill(Qt::white);
        picture_.image_ = blank;
    }
    picture_.Pixels();   // a deferred picture is drawn on as a copy of its own
    if (!canvas_) {
        canvas_ = std::make_unique<TCanvas>(&picture_.image_);
        canvas_->OnChange = [this] {
            keyed_ = QImage();
            keyedFrom_ = 0;
            update();
        };
    }
    return *canvas_;
}

TRect TImage::DestRect() const {
    int w = picture_.Width(), h = picture_.Height();
    const int cw = width(), ch = height();
    if (stretch_ || (proportional_ && (w > cw || h > ch))) {
        if (proportional_ && w > 0 && h > 0) {
            double ratio = static_cast<double>(w) / h;
            if (w > h) {
                w = cw;
                h = static_cast<int>(cw / ratio);
                if (h > ch) { h = ch; w = static_cast<int>(ch * ratio); }
            } else {
                h = ch;
                w = static_cast<int>(ch * ratio);
                if (w > cw) { w = cw; h = static_cast<int>(cw / ratio); }
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    TRect r{0, 0, w, h};
    if (center_) {
        int dx = (cw - w) / 2, dy = (ch - h) / 2;
        r = TRect{dx, dy, dx + w, dy + h};
    }
    return r;
}

void TImage::paintEvent(QPaintEvent*) {
    if (picture_.Empty()) return;
    QPainter p(this);
    const QImage* image = &picture_.Image();
    if (transparent_ && !image->hasAlphaChannel()) {
        if (keyed_.isNull() || keyedFrom_ != image->cacheKey()) {
            QImage src = image->convertToFormat(QImage::Format_ARGB32);
            QRgb key = src.pixel(0, src.height() - 1) & 0xFFFFFF;
            for (int y = 0; y < src.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(src.scanLine(y));
                for (int x = 0; x < src.width(); ++x)
                    if ((line[x] & 0xFFFFFF) == key) line[x] = 0;
            }
            keyed_ = src;
            keyedFrom_ = image->cacheKey();
        }
        image = &keyed_;
    }
    TRect d = DestRect();
    if (d.Width() == image->width() && d.Height() == image->height())
        p.drawImage(d.Left, d.Top, *image);
    else {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRect(d.Left, d.Top, d.Width(), d.Height()), *image);
    }
}

// ---------------------------------------------------------------------------
// TShape

TShape::TShape(TControl* parent, const AnsiString& name) : TControl(parent, name) {
    resize(65, 65);
    pen_.OnChange = [this] { update(); };
    brush_.OnChange = [this] { update(); };
}

void TShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int pw = pen_.Style() == TPenStyle::Clear ? 0 : pen_.Width();
    if (pw > 0) {
        QPen pen(ToQColor(pen_.Color()));
        pen.setWidth(pw);
        if (pen_.Style() == TPenStyle::Dot) pen.setStyle(Qt::DotLine);
        if (pen_.Style() == TPenStyle::Dash) pen.setStyle(Qt::DashLine);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
    } else {
        p.setPen(Qt::NoPen);
    }
    if (brush_.Style() == TBrushStyle::Clear) p.setBrush(Qt::NoBrush);
    else p.setBrush(ToQColor(brush_.Color()));

    // The outline lies inside the control.
    double x = pw / 2.0, y = pw / 2.0;
    double w = width() - pw, h = height() - pw;
    if (pw == 0) { x = 0; y = 0; w = width(); h = height(); }
    double s = std::min(w, h);
    if (shape_ == TShapeType::Square || shape_ == TShapeType::RoundSquare || shape_ == TShapeType::Circle) {
        x += (w - s) / 2;
        y += (h - s) / 2;
        w = h = s;
    }
    QRectF box(x, y, w, h);
    switch (shape_) {
    case TShapeType::Rectangle:
    case TShapeType::Square:
        p.drawRect(box);
        break;
    case TShapeType::RoundRect:
    case TShapeType::RoundSquare:
        p.setRenderHint(QPainter::Antialiasing);
        p.drawRoundedRect(box, s / 8, s / 8);
        break;
    case TShapeType::Ellipse:
    case TShapeType::Circle:
        p.setRenderHint(QPainter::Antialiasing);
        p.drawEllipse(box);
        break;
    }
}

// ---------------------------------------------------------------------------
// TPanel, TGroupBox

TPanel::TPanel(TControl* parent, const AnsiString& name) : TControl(parent, name) {
    resize(185, 41);
}

void TPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!parentBackground_) p.fillRect(rect(), ToQColor(color_));
    if (bevel_ != TBevelCut::None) {
        QColor light(255, 255, 255), dark(128, 128, 128);
        if (bevel_ == TBevelCut::Lowered) std::swap(light, dark);
        const int r = width() - 1, b = height() - 1;
        p.setPen(light);
        p.drawLine(0, 0, r, 0);
        p.drawLine(0, 0, 0, b);
        p.setPen(dark);
        p.drawLine(0, b, r, b);
        p.drawLine(r, 0, r, b);
    }
    if (showCaption_ && !caption_.empty()) {
        p.setFont(font_.ToQFont());
        p.setPen(ToQColor(font_.Color()));
        p.drawText(rect(), Qt::AlignCenter, ToQString(caption_));
    }
}

TGroupBox::TGroupBox(TControl* parent, const AnsiString& name) : TControl(parent, name) {
    resize(185, 105);
}

void TGroupBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ToQColor(color_));
    QFontMetrics fm(font_.ToQFont());
    const int top = fm.height() / 2;
    p.setPen(QColor(128, 128, 128));
    p.drawRect(QRect(0, top, width() - 1, height() - top - 1));
    if (!caption_.empty()) {
        QString text = ToQString(caption_);
        QRect box(8, 0, fm.horizontalAdvance(text) + 4, fm.height());
        p.fillRect(box, ToQColor(color_));
        p.setFont(font_.ToQFont());
        p.setPen(ToQColor(font_.Color()));
        p.drawText(box, Qt::AlignCenter, text);
    }
}
