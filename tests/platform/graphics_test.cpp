// Colours, fonts, canvas drawing, bitmaps, picture loading and painted controls.
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <sys/stat.h>

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "Forms.h"
#include "Graphics.h"

namespace {

// Writes a w x h JPEG of one colour.
std::string WriteJpeg(const std::string& path, int w, int h, int r, int g, int b) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(r, g, b));
    return image.save(QString::fromStdString(path), "JPG", 95) ? path : std::string();
}

void WriteAll(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

bool Near(QRgb p, int r, int g, int b, int tolerance = 0) {
    return std::abs(qRed(p) - r) <= tolerance && std::abs(qGreen(p) - g) <= tolerance &&
           std::abs(qBlue(p) - b) <= tolerance;
}

// What a form shows in its top-left corner.
QImage Shot(TForm& form, int size) { return form.grab(QRect(0, 0, size, size)).toImage(); }

class PictureFiles : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const {
        return QDir(dir.path()).filePath(QString::fromStdString(name)).toStdString();
    }
    QTemporaryDir dir;
};

}  // namespace

TEST(Colours, TColorIsBlueGreenRedAndFontsAskForPixels) {
    EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(kScreenColor), QColor(0x5B, 0x70, 0x84));
    TFont font;
    font.SetName("Arial Narrow");
    font.SetHeight(32);
    font.SetStyle(fsBold | fsUnderline);
    const QFont q = font.ToQFont();
    EXPECT_EQ(q.family(), "Arial Narrow");
    EXPECT_EQ(q.pixelSize(), 32);
    EXPECT_TRUE(q.bold() && q.underline() && !q.italic());
}

TEST(Canvas, LinesOfThePensWidthAndColour) {
    TBitmap bmp(40, 30);
    TCanvas& c = bmp.Canvas();
    EXPECT_TRUE(Near(bmp.Image().pixel(5, 5), 255, 255, 255));   // starts white
    c.Pen.SetColor(clRed);
    c.MoveTo(0, 10);
    c.LineTo(39, 10);
    EXPECT_TRUE(Near(bmp.Image().pixel(20, 10), 255, 0, 0));
    EXPECT_TRUE(Near(bmp.Image().pixel(20, 12), 255, 255, 255));
    c.Pen.SetWidth(5);
    c.Pen.SetColor(clBlue);
    c.MoveTo(20, 0);
    c.LineTo(20, 29);
    EXPECT_TRUE(Near(bmp.Image().pixel(22, 20), 0, 0, 255));   // a wide pen
    EXPECT_TRUE(Near(bmp.Image().pixel(26, 20), 255, 255, 255));
    TBitmap empty;
    empty.Canvas().LineTo(5, 5);   // nothing to draw on: no crash
}

TEST_F(PictureFiles, BadPictureFilesThrowAndLeaveThePictureAsItWas) {
    const std::string good = WriteJpeg(Path("good.jpg"), 64, 64, 10, 200, 10);
    std::ifstream in(good, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    std::string garbage = bytes;
    for (size_t i = 2; i < 40; ++i) garbage[i] = static_cast<char>(0x5A);
    WriteAll(Path("truncated.jpg"), bytes.substr(0, bytes.size() / 2));
    WriteAll(Path("garbage.jpg"), garbage);
    WriteAll(Path("text.jpg"), "not a picture at all");
    WriteAll(Path("empty.jpg"), "");
    WriteAll(Path("bad.bmp"), "BMbroken");

    TPicture picture;
    picture.LoadFromFile(good);
    for (const char* bad : {"truncated.jpg", "garbage.jpg", "text.jpg", "empty.jpg", "bad.bmp", "absent.jpg",
                            "absent.bmp", ""}) {
        EXPECT_THROW(picture.LoadFromFile(Path(bad)), EFileError) << bad;   // "" is the folder
        EXPECT_EQ(picture.Width(), 64) << bad;
    }
    EXPECT_EQ(LoadJpeg(good).width(), 64);   // libjpeg works again after failures
}

TEST_F(PictureFiles, PathsAreTheSystemsOwnBytesAndTheKindFollowsTheName) {
    // "dossier_é" in UTF-8, the same bytes read as Windows-1252 ("dossier_Ã©"), and
    // "dossier_é" in Latin-1: three folders, each with its own pictures of each kind.
    const std::string folders[] = {"dossier_\xC3\xA9", "dossier_\xC3\x83\xC2\xA9", "dossier_\xE9"};
    auto write = [](const std::string& path, QColor colour, const char* format) {
        QImage image(12, 10, QImage::Format_RGB32);
        image.fill(colour);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format, 95);
        WriteAll(path, bytes.toStdString());
    };
    TPicture picture;
    for (int i = 0; i < 3; ++i) {
        const std::string folder = dir.path().toStdString() + "/" + folders[i];
        ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0);
        for (const char* kind : {"jpg", "JPEG", "PNG", "bmp"}) {
            write(folder + "/image." + kind, QColor(40 * i, 200, 0), kind);
            picture.LoadFromFile(folder + "/image." + kind);
            EXPECT_TRUE(Near(picture.Image().pixel(5, 5), 40 * i, 200, 0, 6)) << i << kind;
        }
        EXPECT_EQ(LoadJpeg(folder + "/image.jpg").size(), QSize(12, 10));
    }
    // A PNG named .bmp or .gif is not read.
    for (const char* other : {"png.bmp", "png.gif"}) {
        write(Path(other), Qt::blue, "PNG");
        EXPECT_THROW(picture.LoadFromFile(Path(other)), EFileError) << other;
    }
}

TEST(ImageControl, CentreTransparencyAndCanvas) {
    TForm form("ImageForm", 200, 200);
    form.SetColor(clRed);
    auto* image = new TImage(&form);
    image->SetBounds(0, 0, 100, 50);
    image->Picture().SetImage(QImage(40, 20, QImage::Format_RGB32));
    image->SetCenter(true);
    EXPECT_EQ(image->DestRect().Left, 30);
    EXPECT_EQ(image->DestRect().Top, 15);
    delete image;

    // Transparent pictures let the bottom-left colour show the parent through.
    auto* keyed = new TImage(&form);
    keyed->SetBounds(0, 0, 20, 20);
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) picture.setPixel(x, y, qRgb(0, 0, 255));
    keyed->Picture().SetImage(picture);
    EXPECT_TRUE(Near(Shot(form, 20).pixel(15, 15), 255, 255, 255));
    keyed->SetTransparent(true);
    EXPECT_TRUE(Near(Shot(form, 20).pixel(15, 15), 255, 0, 0));
    EXPECT_TRUE(Near(Shot(form, 20).pixel(5, 5), 0, 0, 255));
    keyed->SetTransparent(false);
    keyed->Canvas().Pen.SetColor(clLime);   // drawing on the canvas repaints
    keyed->Canvas().MoveTo(0, 15);
    keyed->Canvas().LineTo(20, 15);
    EXPECT_TRUE(Near(Shot(form, 20).pixel(15, 15), 0, 255, 0));

    auto* blank = new TImage(&form);
    blank->SetBounds(0, 0, 30, 25);
    blank->Canvas();
    EXPECT_EQ(blank->Picture().Width(), 30);   // an empty image's canvas is the control's size
    EXPECT_EQ(blank->Picture().Height(), 25);
}

TEST(ShapeAndPanel, PaintTheirPenBrushAndColour) {
    TForm form("ShapeForm", 100, 100);
    form.SetColor(clWhite);
    auto* shape = new TShape(&form);
    shape->SetBounds(0, 0, 60, 60);
    shape->Pen().SetColor(0x8A694A);
    shape->Pen().SetWidth(10);
    shape->Brush().SetStyle(TBrushStyle::Clear);
    EXPECT_TRUE(Near(Shot(form, 60).pixel(2, 30), 0x4A, 0x69, 0x8A));   // the border lies inside
    EXPECT_TRUE(Near(Shot(form, 60).pixel(30, 30), 255, 255, 255));    // no fill
    shape->Brush().SetStyle(TBrushStyle::Solid);
    shape->Brush().SetColor(clYellow);
    EXPECT_TRUE(Near(Shot(form, 60).pixel(30, 30), 255, 255, 0));

    auto* panel = new TPanel(&form);
    panel->SetBounds(0, 0, 50, 50);
    panel->SetColor(0xB0968C);
    panel->SetBevelOuter(TBevelCut::None);
    EXPECT_TRUE(Near(Shot(form, 50).pixel(0, 0), 0x8C, 0x96, 0xB0));
}
