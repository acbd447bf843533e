// Exercise pictures: apples to count, a ruler, a clock, a shared disc, shapes, a
// rectangle with its sides, an angle; saved as JPEG.
#include "Pictures.h"

#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

#include <QBuffer>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <unistd.h>

#include <jpeglib.h>

#include "ContentSource.h"

namespace {

const QColor kPaper(255, 253, 245);
const QColor kInk(40, 48, 57);
const QColor kBlue(44, 98, 170);
const QColor kRed(200, 40, 40);
const QColor kGreen(60, 140, 60);
const QColor kYellow(240, 200, 60);

bool ParseInt(const std::string& s, int low, int high, int& v) {
    if (s.empty() || s.size() > 4) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    v = std::stoi(s);
    return v >= low && v <= high;
}

// A decimal written with a comma or a point ("7,5").
bool ParseNumber(const std::string& s, double low, double high, double& v) {
    std::string t = s;
    int separators = 0;
    for (char& c : t) {
        if (c == ',') c = '.';
        if (c == '.') ++separators;
        else if (c < '0' || c > '9') return false;
    }
    if (t.empty() || separators > 1 || t.front() == '.' || t.back() == '.') return false;
    v = std::strtod(t.c_str(), nullptr);
    return v >= low && v <= high;
}

// The number as the pictures write it: "7,5" or "8".
QString FrenchNumber(const std::string& s) {
    QString q = QString::fromStdString(s);
    q.replace('.', ',');
    return q;
}

const std::set<std::string>& ShapeNames() {
    static const std::set<std::string> names = {"carre", "rectangle", "triangle", "cercle", "losange", "hexagone"};
    return names;
}

QFont TextFont(int pixels, bool bold = true) {
    QFont font("Liberation Sans");
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QImage Canvas(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kPaper);
    return image;
}

void DrawApple(QPainter& p, QPointF c, double r) {
    p.setPen(QPen(QColor(120, 20, 20), 1.5));
    p.setBrush(kRed);
    QPainterPath left, right;
    left.addEllipse(QPointF(c.x() - r * 0.35, c.y()), r * 0.7, r * 0.85);
    right.addEllipse(QPointF(c.x() + r * 0.35, c.y()), r * 0.7, r * 0.85);
    p.drawPath(left.united(right));
    p.setPen(QPen(QColor(110, 70, 30), std::max(2.0, r * 0.12), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(c.x(), c.y() - r * 0.7), QPointF(c.x() + r * 0.1, c.y() - r * 1.1));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(c.x() + r * 0.4, c.y() - r * 0.95), r * 0.32, r * 0.16);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(QPointF(c.x() - r * 0.45, c.y() - r * 0.3), r * 0.15, r * 0.25);
}

QImage Apples(int count) {
    QImage image = Canvas(280, 280);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    int cols = 1;
    while (cols * cols < count) ++cols;
    const int rows = (count + cols - 1) / cols;
    const double cell = 260.0 / std::max(cols, rows);
    const double left = (280 - cell * cols) / 2, top = (280 - cell * rows) / 2;
    for (int i = 0; i < count; ++i) {
        const QPointF c(left + cell * (i % cols + 0.5), top + cell * (i / cols + 0.55));
        DrawApple(p, c, cell * 0.38);
    }
    return image;
}

QImage Ruler(double length) {
    QImage image = Canvas(300, 170);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double x0 = 20, perCm = 26, top = 80;
    // The ruler.
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kYellow);
    p.drawRect(QRectF(8, top, 284, 60));
    for (int mm = 0; mm <= 100; ++mm) {
        const double x = x0 + mm * perCm / 10;
        const double tick = mm % 10 == 0 ? 18 : mm % 5 == 0 ? 12 : 7;
        p.setPen(QPen(kInk, mm % 10 == 0 ? 1.5 : 1));
        p.drawLine(QPointF(x, top), QPointF(x, top + tick));
    }
    p.setFont(TextFont(13));
    for (int cm = 0; cm <= 10; ++cm)
        p.drawText(QRectF(x0 + cm * perCm - 12, top + 20, 24, 18), Qt::AlignCenter, QString::number(cm));
    p.setFont(TextFont(11, false));
    p.drawText(QRectF(240, top + 40, 48, 16), Qt::AlignCenter, "cm");
    // The segment laid on it, from 0.
    const double x1 = x0 + length * perCm;
    p.setPen(QPen(kBlue, 5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x0, top - 22), QPointF(x1, top - 22));
    p.setPen(QPen(kBlue, 2));
    p.drawLine(QPointF(x0, top - 32), QPointF(x0, top - 12));
    p.drawLine(QPointF(x1, top - 32), QPointF(x1, top - 12));
    p.setPen(QPen(kBlue, 1, Qt::DashLine));
    p.drawLine(QPointF(x1, top - 12), QPointF(x1, top));
    p.setFont(TextFont(18));
    p.setPen(kBlue);
    p.drawText(QRectF(x0 - 15, 10, 30, 28), Qt::AlignCenter, "A");
    p.drawText(QRectF(x1 - 15, 10, 30, 28), Qt::AlignCenter, "B");
    return image;
}

QImage Clock(int hours, int minutes) {
    QImage image = Canvas(280, 280);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(140, 140);
    p.setPen(QPen(kInk, 5));
    p.setBrush(Qt::white);
    p.drawEllipse(c, 125, 125);
    for (int i = 0; i < 60; ++i) {
        const double a = i * 6 * M_PI / 180;
        const double r1 = i % 5 == 0 ? 104 : 112;
        p.setPen(QPen(kInk, i % 5 == 0 ? 3 : 1));
        p.drawLine(QPointF(c.x() + std::sin(a) * r1, c.y() - std::cos(a) * r1),
                   QPointF(c.x() + std::sin(a) * 118, c.y() - std::cos(a) * 118));
    }
    p.setFont(TextFont(22));
    p.setPen(kInk);
    for (int h = 1; h <= 12; ++h) {
        const double a = h * 30 * M_PI / 180;
        const QPointF at(c.x() + std::sin(a) * 84, c.y() - std::cos(a) * 84);
        p.drawText(QRectF(at.x() - 20, at.y() - 15, 40, 30), Qt::AlignCenter, QString::number(h));
    }
    const double hourAngle = ((hours % 12) * 30 + minutes * 0.5) * M_PI / 180;
    const double minuteAngle = minutes * 6 * M_PI / 180;
    p.setPen(QPen(kRed, 9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(c.x() + std::sin(hourAngle) * 58, c.y() - std::cos(hourAngle) * 58));
    p.setPen(QPen(kBlue, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, QPointF(c.x() + std::sin(minuteAngle) * 96, c.y() - std::cos(minuteAngle) * 96));
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(c, 7, 7);
    return image;
}

QImage SharedDisc(int shaded, int parts) {
    QImage image = Canvas(280, 280);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(20, 20, 240, 240);
    for (int i = 0; i < parts; ++i) {
        // Qt angles: sixteenths of a degree, counter-clockwise from 3 o'clock; start at
        // 12 o'clock and go clockwise.
        const int start = (90 - i * 360 / parts) * 16;
        const int span = -(360 * 16 / parts);
        p.setPen(QPen(kInk, 2));
        p.setBrush(i < shaded ? QColor(90, 150, 220) : QColor(Qt::white));
        if (parts == 1) p.drawEllipse(disc);
        else p.drawPie(disc, start, span);
    }
    return image;
}

void DrawShape(QPainter& p, const std::string& name, const QRectF& box) {
    const QPointF c = box.center();
    const double s = std::min(box.width(), box.height());
    p.setPen(QPen(kInk, 2.5));
    if (name == "carre") {
        p.setBrush(QColor(230, 120, 90));
        p.drawRect(QRectF(c.x() - s * 0.35, c.y() - s * 0.35, s * 0.7, s * 0.7));
    } else if (name == "rectangle") {
        p.setBrush(QColor(120, 180, 90));
        p.drawRect(QRectF(c.x() - s * 0.45, c.y() - s * 0.25, s * 0.9, s * 0.5));
    } else if (name == "triangle") {
        p.setBrush(QColor(240, 200, 60));
        QPolygonF t;
        t << QPointF(c.x(), c.y() - s * 0.4) << QPointF(c.x() + s * 0.42, c.y() + s * 0.35)
          << QPointF(c.x() - s * 0.42, c.y() + s * 0.35);
        p.drawPolygon(t);
    } else if (name == "cercle") {
        p.setBrush(QColor(90, 150, 220));
        p.drawEllipse(c, s * 0.38, s * 0.38);
    } else if (name == "losange") {
        p.setBrush(QColor(190, 110, 200));
        QPolygonF l;
        l << QPointF(c.x(), c.y() - s * 0.42) << QPointF(c.x() + s * 0.3, c.y())
          << QPointF(c.x(), c.y() + s * 0.42) << QPointF(c.x() - s * 0.3, c.y());
        p.drawPolygon(l);
    } else {  // hexagone
        p.setBrush(QColor(90, 200, 190));
        QPolygonF h;
        for (int i = 0; i < 6; ++i) {
            const double a = (60 * i) * M_PI / 180;
            h << QPointF(c.x() + std::cos(a) * s * 0.4, c.y() + std::sin(a) * s * 0.4);
        }
        p.drawPolygon(h);
    }
}

QImage Shapes(const std::vector<std::string>& names) {
    QImage image = Canvas(280, 280);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const int cols = names.size() <= 4 ? 2 : 3;
    const int rows = (static_cast<int>(names.size()) + cols - 1) / cols;
    const double w = 270.0 / cols, h = 270.0 / std::max(rows, 2);
    for (size_t i = 0; i < names.size(); ++i) {
        const QRectF cell(5 + w * (i % cols), 5 + h * (i / cols), w, h);
        DrawShape(p, names[i], cell.adjusted(8, 24, -8, -4));
        p.setPen(kInk);
        p.setFont(TextFont(18));
        p.drawText(QRectF(cell.left(), cell.top(), 30, 24), Qt::AlignCenter, QString(QChar('A' + static_cast<int>(i))));
    }
    return image;
}

QImage Rectangle(double length, double width, const std::string& lengthText, const std::string& widthText) {
    QImage image = Canvas(300, 240);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double scale = std::min(200.0 / length, 150.0 / width);
    const QRectF r(30, 45, length * scale, width * scale);
    p.setPen(QPen(kInk, 3));
    p.setBrush(QColor(200, 225, 245));
    p.drawRect(r);
    p.setFont(TextFont(18));
    p.setPen(kBlue);
    p.drawText(QRectF(r.left(), r.top() - 36, r.width(), 30), Qt::AlignCenter, FrenchNumber(lengthText) + " cm");
    p.drawText(QRectF(r.right() + 6, r.top(), 80, r.height()), Qt::AlignLeft | Qt::AlignVCenter, FrenchNumber(widthText) + " cm");
    // Right-angle marks at the corners.
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::NoBrush);
    const double m = 10;
    p.drawRect(QRectF(r.left(), r.top(), m, m));
    p.drawRect(QRectF(r.right() - m, r.bottom() - m, m, m));
    return image;
}

QImage Angle(int degrees) {
    QImage image = Canvas(280, 220);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF o(degrees > 90 ? 150 : 50, 180);
    const double a = degrees * M_PI / 180;
    const QPointF end1(o.x() + 200 * (degrees > 90 ? 0.6 : 1.0), o.y());
    const QPointF end2(o.x() + std::cos(a) * 160, o.y() - std::sin(a) * 160);
    p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(o, end1);
    p.drawLine(o, end2);
    p.setPen(QPen(kRed, 2.5));
    p.setBrush(Qt::NoBrush);
    if (degrees == 90) {
        p.drawRect(QRectF(o.x(), o.y() - 22, 22, 22));
    } else {
        p.drawArc(QRectF(o.x() - 40, o.y() - 40, 80, 80), 0, degrees * 16);
    }
    p.setBrush(kInk);
    p.setPen(Qt::NoPen);
    p.drawEllipse(o, 5, 5);
    return image;
}

// Squared paper larger than the figure, a square of `side` squares in its middle: the
// figure shows the middle, so the square is whole and the paper runs off the edges.
QImage SquaredPaper(int side) {
    constexpr int kSize = 400, kCell = 20;
    QImage image = Canvas(kSize, kSize);
    QPainter p(&image);
    p.setPen(QPen(QColor(170, 200, 230), 1));
    for (int i = 0; i <= kSize; i += kCell) {
        p.drawLine(i, 0, i, kSize);
        p.drawLine(0, i, kSize, i);
    }
    const int at = (kSize / kCell - side) / 2 * kCell;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kBlue, 3));
    p.setBrush(QColor(90, 150, 220, 90));
    p.drawRect(QRectF(at, at, side * kCell, side * kCell));
    return image;
}

// libjpeg reports errors through a jump back into the encoder.
struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr cinfo) {
    JpegError* error = reinterpret_cast<JpegError*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, error->message);
    std::longjmp(error->jump, 1);
}

// Only plain locals here: the error path jumps over this frame's code.
bool EncodeRgb(const unsigned char* rgb, int width, int height, int quality,
               unsigned char** out, unsigned long* outSize, char* message) {
    jpeg_compress_struct cinfo;
    JpegError error;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = OnJpegError;
    error.message[0] = 0;
    if (setjmp(error.jump)) {
        jpeg_destroy_compress(&cinfo);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", error.message);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, out, outSize);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb + static_cast<size_t>(cinfo.next_scanline) * width * 3);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

// Writes through a temporary file in the same folder, then a rename; false on failure,
// with no temporary file left.
bool WriteAtomically(const std::string& path, const void* data, size_t size) {
    const std::string temp = path + ".tmp-" + std::to_string(::getpid());
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    bool written = f && std::fwrite(data, 1, size, f) == size;
    if (f && std::fclose(f) != 0) written = false;
    if (!written || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace

std::string CheckRecipe(const PictureRecipe& r) {
    const auto& a = r.args;
    int i1 = 0, i2 = 0;
    double d1 = 0, d2 = 0;
    if (r.drawing == "pommes") {
        if (a.size() != 1 || !ParseInt(a[0], 1, 36, i1)) return "pommes N: N from 1 to 36";
    } else if (r.drawing == "regle") {
        if (a.size() != 1 || !ParseNumber(a[0], 0.1, 10, d1)) return "regle L: a length in cm, up to 10 (7 or 7,5)";
    } else if (r.drawing == "horloge") {
        if (a.size() != 2 || !ParseInt(a[0], 0, 23, i1) || !ParseInt(a[1], 0, 59, i2))
            return "horloge H M: hours 0-23 and minutes 0-59";
    } else if (r.drawing == "fraction") {
        if (a.size() != 2 || !ParseInt(a[0], 0, 12, i1) || !ParseInt(a[1], 1, 12, i2) || i1 > i2)
            return "fraction N D: N shaded parts of D (D up to 12)";
    } else if (r.drawing == "formes") {
        if (a.empty() || a.size() > 6) return "formes: 1 to 6 shapes";
        for (const std::string& s : a)
            if (!ShapeNames().count(s)) return "formes: unknown shape " + s + " (carre rectangle triangle cercle losange hexagone)";
    } else if (r.drawing == "rectangle") {
        if (a.size() != 2 || !ParseNumber(a[0], 0.1, 1000, d1) || !ParseNumber(a[1], 0.1, 1000, d2))
            return "rectangle L l: the two sides in cm";
    } else if (r.drawing == "angle") {
        if (a.size() != 1 || !ParseInt(a[0], 1, 180, i1)) return "angle D: degrees from 1 to 180";
    } else if (r.drawing == "quadrillage") {
        if (a.size() != 1 || !ParseInt(a[0], 1, 12, i1)) return "quadrillage N: a square of 1 to 12 squares";
    } else if (r.drawing == "absente") {
        if (!a.empty()) return "absente: no values (no file is made)";
    } else {
        return "unknown drawing \"" + r.drawing +
               "\" (pommes regle horloge fraction formes rectangle angle quadrillage absente)";
    }
    return "";
}

bool MakesNoPicture(const PictureRecipe& r) { return r.drawing == "absente"; }

QImage DrawPicture(const PictureRecipe& r) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw BuildError("drawing the exercise pictures needs a QGuiApplication");
    const std::string problem = CheckRecipe(r);
    if (!problem.empty()) throw BuildError(r.where + ": " + problem);
    if (MakesNoPicture(r)) throw BuildError(r.where + ": " + r.name + " is missing on purpose: no picture to draw");
    const auto& a = r.args;
    double d1 = 0, d2 = 0;
    if (r.drawing == "pommes") return Apples(std::stoi(a[0]));
    if (r.drawing == "regle") {
        ParseNumber(a[0], 0, 10, d1);
        return Ruler(d1);
    }
    if (r.drawing == "horloge") return Clock(std::stoi(a[0]), std::stoi(a[1]));
    if (r.drawing == "fraction") return SharedDisc(std::stoi(a[0]), std::stoi(a[1]));
    if (r.drawing == "formes") return Shapes(a);
    if (r.drawing == "rectangle") {
        ParseNumber(a[0], 0, 1000, d1);
        ParseNumber(a[1], 0, 1000, d2);
        return Rectangle(d1, d2, a[0], a[1]);
    }
    if (r.drawing == "quadrillage") return SquaredPaper(std::stoi(a[0]));
    return Angle(std::stoi(a[0]));
}

void SaveJpeg(const QImage& image, const std::string& path, int quality) {
    if (image.isNull()) throw BuildError(path + ": no picture to save");
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::vector<unsigned char> pixels(static_cast<size_t>(rgb.width()) * rgb.height() * 3);
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(pixels.data() + static_cast<size_t>(y) * rgb.width() * 3, rgb.constScanLine(y),
                    static_cast<size_t>(rgb.width()) * 3);

    unsigned char* data = nullptr;
    unsigned long size = 0;
    char message[JMSG_LENGTH_MAX] = {0};
    const bool ok = EncodeRgb(pixels.data(), rgb.width(), rgb.height(), quality, &data, &size, message);
    if (!ok) {
        std::free(data);
        throw BuildError(path + ": JPEG encoding failed: " + message);
    }

    const bool saved = WriteAtomically(path, data, size);
    std::free(data);
    if (!saved) throw BuildError(path + ": cannot be written");
}

const char* PictureFormat(const std::string& name) {
    std::string lower = name.substr(name.find_last_of("/\\") + 1);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower.size() > 4 && (lower.ends_with(".jpg") || lower.ends_with(".jpeg"))) return "JPEG";
    if (lower.size() > 4 && lower.ends_with(".png")) return "PNG";
    if (lower.size() > 4 && lower.ends_with(".bmp")) return "BMP";
    return nullptr;
}

void SavePicture(const QImage& image, const std::string& path) {
    const char* format = PictureFormat(path);
    if (!format) throw BuildError(path + ": a picture is a .jpg, .png or .bmp file");
    if (std::string(format) == "JPEG") return SaveJpeg(image, path);
    if (image.isNull()) throw BuildError(path + ": no picture to save");
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format)) throw BuildError(path + ": " + format + " encoding failed");
    if (!WriteAtomically(path, bytes.constData(), static_cast<size_t>(bytes.size())))
        throw BuildError(path + ": cannot be written");
}
