#pragma once
// Colours, fonts, pens, brushes, pictures and a canvas, over QImage and QPainter.
#include <functional>
#include <memory>

#include <QColor>
#include <QFont>
#include <QImage>

#include "Text.h"

// The framework's colour number: 0x00BBGGRR (0x0000FF is red).
using TColor = int;
constexpr TColor clBlack = 0x000000, clWhite = 0xFFFFFF, clRed = 0x0000FF,
                 clGreen = 0x008000, clNavy = 0x800000, clBlue = 0xFF0000,
                 clSilver = 0xC0C0C0, clGray = 0x808080, clPurple = 0x800080,
                 clMaroon = 0x000080, clYellow = 0x00FFFF, clLime = 0x00FF00;
constexpr TColor kScreenColor = 8679515;        // 0x84705B, the background of every screen

QColor ToQColor(TColor c);
TColor FromQColor(const QColor& c);

enum TFontStyle { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// A font: family name, pixel height, colour, style bits. Setters notify OnChange.
class TFont {
public:
    AnsiString Name() const { return name_; }
    void SetName(const AnsiString& n) { name_ = n; Changed(); }
    int Height() const { return height_; }        // pixels
    void SetHeight(int px) { height_ = px; Changed(); }
    TColor Color() const { return color_; }
    void SetColor(TColor c) { color_ = c; Changed(); }
    int Style() const { return style_; }          // TFontStyle bits
    void SetStyle(int s) { style_ = s; Changed(); }
    bool Bold() const { return style_ & fsBold; }
    void Assign(const TFont& o) { name_ = o.name_; height_ = o.height_; color_ = o.color_; style_ = o.style_; Changed(); }
    QFont ToQFont() const;
    std::function<void()> OnChange;
private:
    void Changed() { if (OnChange) OnChange(); }
    AnsiString name_ = "Arial";
    int height_ = 13;
    TColor color_ = clBlack;
    int style_ = 0;
};

enum class TPenStyle { Solid, Dot, Dash, Clear };
class TPen {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor c) { color_ = c; Changed(); }
    int Width() const { return width_; }
    void SetWidth(int w) { width_ = w; Changed(); }
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle s) { style_ = s; Changed(); }
    std::function<void()> OnChange;
private:
    void Changed() { if (OnChange) OnChange(); }
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = TPenStyle::Solid;
};

enum class TBrushStyle { Solid, Clear };
class TBrush {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor c) { color_ = c; Changed(); }
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle s) { style_ = s; Changed(); }
    std::function<void()> OnChange;
private:
    void Changed() { if (OnChange) OnChange(); }
    TColor color_ = clWhite;
    TBrushStyle style_ = TBrushStyle::Solid;
};

struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;   // Right and Bottom exclusive
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
};

// Drawing on a QImage: lines with the pen, fills with the brush, rectangle copies.
class TCanvas {
public:
    explicit TCanvas(QImage* target) : target_(target) {}
    TPen Pen;
    TBrush Brush;
    TFont Font;
    void MoveTo(int x, int y) { penX_ = x; penY_ = y; }
    void LineTo(int x, int y);
    void FillRect(const TRect& r);                    // with the brush colour
    void Rectangle(const TRect& r);                   // pen outline, brush fill
    // Copies src rectangle of the source image into dest (scaled when sizes differ).
    void CopyRect(const TRect& dest, const QImage& source, const TRect& src);
    void Draw(int x, int y, const QImage& image);
    void TextOut(int x, int y, const AnsiString& text);
    int PenX() const { return penX_; }
    int PenY() const { return penY_; }
    // Called after each drawing (an image control repaints).
    std::function<void()> OnChange;
private:
    void Changed() { if (OnChange) OnChange(); }
    QImage* target_;
    int penX_ = 0, penY_ = 0;
};

// A bitmap with its canvas (the working bitmaps of the drawing routines).
class TBitmap {
public:
    TBitmap() : canvas_(&image_) {}
    TBitmap(int w, int h);
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    // Resizing keeps the top-left part; new pixels are filled with fill.
    void SetSize(int w, int h, TColor fill = clWhite);
    TCanvas& Canvas() { return canvas_; }
    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }
private:
    QImage image_;
    TCanvas canvas_;
};

// A picture drawn the first time its pixels are needed; its size is known before, so
// screens lay themselves out without drawing anything. Shared by every picture that
// shows it, and drawn once. A picture that can draw a part of itself alone gives its
// parts without being drawn whole.
class TDeferredImage {
public:
    using DrawPart = std::function<QImage(const QRect& part)>;
    TDeferredImage(QSize size, std::function<QImage()> draw, DrawPart drawPart = {})
        : size_(size), draw_(std::move(draw)), drawPart_(std::move(drawPart)) {}
    QSize Size() const { return size_; }
    bool Drawn() const { return drawn_; }
    const QImage& Image() const;
    // A part lying within the picture: cut from it once drawn, otherwise drawn alone
    // when the picture can (the same pixels either way).
    QImage Part(const QRect& part) const;
private:
    QSize size_;
    mutable std::function<QImage()> draw_;   // both dropped once drawn
    mutable DrawPart drawPart_;
    mutable QImage image_;
    mutable bool drawn_ = false;
};
using DeferredImage = std::shared_ptr<const TDeferredImage>;

// A picture held by an image control; assigning copies it (a deferred picture stays
// deferred, shared with the one it was copied from).
class TPicture {
public:
    int Width() const { return deferred_ ? deferred_->Size().width() : image_.width(); }
    int Height() const { return deferred_ ? deferred_->Size().height() : image_.height(); }
    bool Empty() const { return deferred_ ? deferred_->Size().isEmpty() : image_.isNull(); }
    void Assign(const TPicture& other) { image_ = other.image_; deferred_ = other.deferred_; Changed(); }
    void SetImage(const QImage& image) { image_ = image; deferred_.reset(); Changed(); }
    // Shows a picture that is drawn when first painted or read (null: no picture).
    void SetDeferred(DeferredImage source) { image_ = QImage(); deferred_ = std::move(source); Changed(); }
    bool Deferred() const { return deferred_ != nullptr; }
    // The picture as a source to draw from later, not drawn yet (null when empty).
    DeferredImage Source() const;
    // The pixels (a deferred picture is drawn now).
    const QImage& Image() const { return deferred_ ? deferred_->Image() : image_; }
    void Clear() { image_ = QImage(); deferred_.reset(); Changed(); }
    // By the extension of the file name: .jpg/.jpeg through libjpeg, .png and .bmp
    // through Qt. The path is the system's own bytes (Files.h). Throws EFileError when
    // the file is missing, cannot be decoded or has another extension, and when it is
    // far larger than a picture of a screen (in bytes, or in the pixels its header
    // declares: refused before decoding); the picture then stays as it was.
    void LoadFromFile(const std::string& path);
    std::function<void()> OnChange;
private:
    friend class TImage;     // draws on the picture through its canvas
    // The picture's own pixels to draw on: a deferred picture becomes a copy first.
    QImage& Pixels() {
        if (deferred_) { image_ = deferred_->Image(); deferred_.reset(); }
        return image_;
    }
    void Changed() { if (OnChange) OnChange(); }
    QImage image_;
    DeferredImage deferred_;
};

// Decodes a JPEG file with libjpeg (path: the system's bytes); throws EFileError on
// failure and on the sizes LoadFromFile refuses.
QImage LoadJpeg(const std::string& path);
