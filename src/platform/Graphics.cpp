// Colours, fonts, the canvas and picture loading.
#include "Graphics.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QPen>

extern "C" {
#include <jpeglib.h>
#include <jerror.h>
}

#include "Errors.h"
#include "Files.h"

QColor ToQColor(TColor c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

TColor FromQColor(const QColor& c) {
    return (c.red() & 0xFF) | ((c.green() & 0xFF) << 8) | ((c.blue() & 0xFF) << 16);
}

QFont TFont::ToQFont() const {
    QFont f(ToQString(name_));
    f.setPixelSize(height_ > 0 ? height_ : 1);
    f.setBold(style_ & fsBold);
    f.setItalic(style_ & fsItalic);
    f.setUnderline(style_ & fsUnderline);
    f.setStrikeOut(style_ & fsStrikeOut);
    return f;
}

// ---------------------------------------------------------------------------
// Canvas

namespace {

QPen MakePen(const TPen& pen) {
    if (pen.Style() == TPenStyle::Clear) return QPen(Qt::NoPen);
    QPen p(ToQColor(pen.Color()));
    p.setWidth(pen.Width() > 0 ? pen.Width() : 1);
    switch (pen.Style()) {
    case TPenStyle::Dot: p.setStyle(Qt::DotLine); break;
    case TPenStyle::Dash: p.setStyle(Qt::DashLine); break;
    default: p.setStyle(Qt::SolidLine); break;
    }
    p.setCapStyle(Qt::FlatCap);
    return p;
}

QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

}  // namespace

void TCanvas::LineTo(int x, int y) {
    if (target_ && !target_->isNull() && Pen.Style() != TPenStyle::Clear) {
        QPainter p(target_);
        p.setPen(MakePen(Pen));
        p.drawLine(penX_, penY_, x, y);
    }
    penX_ = x;
    penY_ = y;
    Changed();
}

void TCanvas::FillRect(const TRect& r) {
    if (!target_ || target_->isNull() || Brush.Style() == TBrushStyle::Clear) return;
    if (r.Width() <= 0 || r.Height() <= 0) return;
    {
        QPainter p(target_);
        p.fillRect(ToQRect(r), ToQColor(Brush.Color()));
    }
    Changed();
}

void TCanvas::Rectangle(const TRect& r) {
    if (!target_ || target_->isNull() || r.Width() <= 0 || r.Height() <= 0) return;
    struct Notify { TCanvas* c; ~Notify() { c->Changed(); } } notify{this};
    QPainter p(target_);
    if (Brush.Style() != TBrushStyle::Clear) p.fillRect(ToQRect(r), ToQColor(Brush.Color()));
    if (Pen.Style() != TPenStyle::Clear) {
        p.setPen(MakePen(Pen));
        p.setBrush(Qt::NoBrush);
        int w = Pen.Width() > 0 ? Pen.Width() : 1;
        // The outline stays inside the rectangle.
        QRectF box(r.Left + w / 2.0, r.Top + w / 2.0, r.Width() - w, r.Height() - w);
        if (w == 1)
            p.drawRect(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
        else
            p.drawRect(box);
    }
}

void TCanvas::CopyRect(const TRect& dest, const QImage& source, const TRect& src) {
    if (!target_ || target_->isNull() || source.isNull()) return;
    if (dest.Width() <= 0 || dest.Height() <= 0 || src.Width() <= 0 || src.Height() <= 0) return;
    struct Notify { TCanvas* c; ~Notify() { c->Changed(); } } notify{this};
    QPainter p(target_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    if (&source == target_) {
        QImage copy = source.copy(ToQRect(src));
        p.drawImage(ToQRect(dest), copy);
    } else {
        p.drawImage(ToQRect(dest), source, ToQRect(src));
    }
}

void TCanvas::Draw(int x, int y, const QImage& image) {
    if (!target_ || target_->isNull() || image.isNull()) return;
    {
        QPainter p(target_);
        p.drawImage(x, y, image);
    }
    Changed();
}

void TCanvas::TextOut(int x, int y, const AnsiString& text) {
    if (!target_ || target_->isNull()) return;
    struct Notify { TCanvas* c; ~Notify() { c->Changed(); } } notify{this};
    QPainter p(target_);
    QFont f = Font.ToQFont();
    p.setFont(f);
    QFontMetrics fm(f);
    QString s = ToQString(text);
    QRect box(x, y, fm.horizontalAdvance(s), fm.height());
    if (Brush.Style() != TBrushStyle::Clear) p.fillRect(box, ToQColor(Brush.Color()));
    p.setPen(ToQColor(Font.Color()));
    p.drawText(QPoint(x, y + fm.ascent()), s);
    penX_ = x + box.width();
    penY_ = y;
}

// ---------------------------------------------------------------------------
// Bitmap

TBitmap::TBitmap(int w, int h) : canvas_(&image_) {
    SetSize(w, h);
}

void TBitmap::SetSize(int w, int h, TColor fill) {
    if (w <= 0 || h <= 0) {
        image_ = QImage();
        return;
    }
    if (image_.width() == w && image_.height() == h) return;
    QImage grown(w, h, QImage::Format_ARGB32_Premultiplied);
    grown.fill(ToQColor(fill));
    if (!image_.isNull()) {
        QPainter p(&grown);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, image_);
    }
    image_ = grown;
}

// ---------------------------------------------------------------------------
// Pictures

namespace {

// The extension of the file name in lower case ("" when it has none).
std::string Extension(const std::string& path) {
    const size_t slash = path.rfind(PathSep);
    const size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    std::string ext = path.substr(dot + 1);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext;
}

// A figure is 300 x 300 pixels, and the builder makes pictures of at most 400 x 400;
// a school may add its own photos. 40 million pixels admit a camera's photo (8000 x
// 5000) and take at most 160 MB once decoded; more is refused from the header.
constexpr long long kMaxPicturePixels = 40'000'000;
// 64 MiB hold such a photo as JPEG, a 12-megapixel one as PNG, and an uncompressed
// BMP of 4000 x 3000 (36 MB); a larger file is refused before it is read.
constexpr std::uint64_t kMaxPictureBytes = 64ull << 20;

// What Qt's reader may take for the largest picture admitted, in MiB.
constexpr int kReaderLimitMiB = static_cast<int>((kMaxPicturePixels * 8 + (1 << 20) - 1) >> 20);

// A progressive JPEG is read scan by scan, each scan a walk over every block of the
// picture; photos have about ten. A file repeating scans would keep the screen waiting
// for minutes: past this many it is not a picture we show.
constexpr int kMaxJpegScans = 64;

bool TooManyPixels(long long width, long long height) { return width * height > kMaxPicturePixels; }

[[noreturn]] void RefuseTooLarge(long long width, long long height, const std::string& path) {
    throw EFileError(Utf8ToAnsi("Image trop grande \"") + PathText(path) + "\" : " + IntToStr(width) +
                     Utf8ToAnsi(" × ") + IntToStr(height) + " pixels");
}

}  // namespace

void TPicture::LoadFromFile(const std::string& path) {
    // The kind follows the name, as the picture component always did: a PNG named
    // .bmp is not read.
    const std::string ext = Extension(path);
    QImage loaded;
    if (ext == "jpg" || ext == "jpeg") {
        loaded = LoadJpeg(path);
    } else if (ext == "png" || ext == "bmp") {
        const std::string bytes = ReadFileBytes(path, kMaxPictureBytes);
        QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, ext == "png" ? "PNG" : "BMP");
        reader.setAutoDetectImageFormat(false);
        // Qt's own ceiling (128 MB) would refuse a picture our limit admits: a PNG of
        // 16 bits a channel takes 8 bytes a pixel while it is read.
        QImageReader::setAllocationLimit(kReaderLimitMiB);
        // The header's size, before any pixel is read.
        const QSize declared = reader.size();
        if (declared.isValid() && TooManyPixels(declared.width(), declared.height()))
            RefuseTooLarge(declared.width(), declared.height(), path);
        if (!declared.isValid() || !reader.read(&loaded))
            throw EFileError(Utf8ToAnsi("Image illisible \"") + PathText(path) + "\"");
        // Kept at 4 bytes a pixel, as a JPEG is.
        if (loaded.depth() > 32)
            loaded.convertTo(loaded.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    } else {
        throw EFileError(Utf8ToAnsi("Type d'image inconnu \"") + PathText(path) + "\"");
    }
    image_ = loaded;
    deferred_.reset();
    Changed();
}

DeferredImage TPicture::Source() const {
    if (deferred_ || image_.isNull()) return deferred_;
    return std::make_shared<const TDeferredImage>(image_.size(), [image = image_] { return image; });
}

const QImage& TDeferredImage::Image() const {
    if (!drawn_) {
        drawn_ = true;
        if (draw_) image_ = draw_();
        draw_ = nullptr;
        drawPart_ = nullptr;
    }
    return image_;
}

QImage TDeferredImage::Part(const QRect& part) const {
    if (!drawn_ && drawPart_) return drawPart_(part);
    return Image().copy(part);
}

namespace {

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<JpegError*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Called before each piece of input is read: a scan past the limit stops the picture
// before it is walked.
void JpegProgress(j_common_ptr cinfo) {
    if (reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number <= kMaxJpegScans) return;
    auto* err = reinterpret_cast<JpegError*>(cinfo->err);
    std::snprintf(err->message, JMSG_LENGTH_MAX, "more than %d scans", kMaxJpegScans);
    std::longjmp(err->jump, 1);
}

// A file that ends before its end marker is an error, not a grey picture.
void JpegEmitMessage(j_common_ptr cinfo, int level) {
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) {
        auto* err = reinterpret_cast<JpegError*>(cinfo->err);
        (*cinfo->err->format_message)(cinfo, err->message);
        std::longjmp(err->jump, 1);
    }
    if (level < 0) cinfo->err->num_warnings++;
}

enum class JpegResult { Decoded, Unreadable, TooLarge };

// Decodes into *out; *declared receives the size the header gives, checked before
// decoding starts (a progressive file takes memory for all its pixels at once). Only
// plain data lives in this frame across setjmp, so an error unwinding by longjmp skips
// no destructor.
JpegResult DecodeJpeg(const unsigned char* data, unsigned long size, QImage* out, QSize* declared, char* message) {
    jpeg_decompress_struct cinfo;
    JpegError err;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = JpegErrorExit;
    err.mgr.emit_message = JpegEmitMessage;
    err.message[0] = 0;
    std::vector<unsigned char>* volatile row = nullptr;
    if (setjmp(err.jump)) {
        std::strncpy(message, err.message, JMSG_LENGTH_MAX);
        delete row;
        jpeg_destroy_decompress(&cinfo);
        return JpegResult::Unreadable;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_progress_mgr progress{};
    progress.progress_monitor = JpegProgress;
    cinfo.progress = &progress;
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);
    *declared = QSize(static_cast<int>(cinfo.image_width), static_cast<int>(cinfo.image_height));
    if (TooManyPixels(cinfo.image_width, cinfo.image_height)) {
        jpeg_destroy_decompress(&cinfo);
        return JpegResult::TooLarge;
    }
    bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&cinfo);
    const int w = static_cast<int>(cinfo.output_width);
    const int h = static_cast<int>(cinfo.output_height);
    const int comps = cinfo.output_components;
    *out = QImage(w, h, QImage::Format_RGB32);
    if (out->isNull()) {
        std::strncpy(message, "out of memory", JMSG_LENGTH_MAX);
        jpeg_destroy_decompress(&cinfo);
        return JpegResult::Unreadable;
    }
    row = new std::vector<unsigned char>(static_cast<size_t>(w) * comps);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW rp = row->data();
        int y = static_cast<int>(cinfo.output_scanline);
        jpeg_read_scanlines(&cinfo, &rp, 1);
        auto* line = reinterpret_cast<QRgb*>(out->scanLine(y));
        const unsigned char* s = row->data();
        for (int x = 0; x < w; ++x, s += comps) {
            if (comps == 3) {
                line[x] = qRgb(s[0], s[1], s[2]);
            } else if (comps == 4) {
                // Adobe writes CMYK inverted.
                int k = s[3];
                line[x] = qRgb(s[0] * k / 255, s[1] * k / 255, s[2] * k / 255);
            } else {
                line[x] = qRgb(s[0], s[0], s[0]);
            }
        }
    }
    jpeg_finish_decompress(&cinfo);
    delete row;
    row = nullptr;
    jpeg_destroy_decompress(&cinfo);
    return JpegResult::Decoded;
}

}  // namespace

QImage LoadJpeg(const std::string& path) {
    const std::string bytes = ReadFileBytes(path, kMaxPictureBytes);
    if (bytes.empty()) throw EFileError(Utf8ToAnsi("Image JPEG vide \"") + PathText(path) + "\"");
    QImage image;
    QSize declared;
    char message[JMSG_LENGTH_MAX] = {0};
    const JpegResult result = DecodeJpeg(reinterpret_cast<const unsigned char*>(bytes.data()),
                                         static_cast<unsigned long>(bytes.size()), &image, &declared, message);
    if (result == JpegResult::TooLarge) RefuseTooLarge(declared.width(), declared.height(), path);
    if (result != JpegResult::Decoded)
        throw EFileError(Utf8ToAnsi("Image JPEG illisible \"") + PathText(path) + "\" : " + message);
    return image;
}
