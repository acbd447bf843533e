// Colours, fonts, canvas drawing, bitmaps, picture loading and image controls.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

extern "C" {
#include <jpeglib.h>
}

#include "Forms.h"
#include "Graphics.h"

namespace {

// Writes a w x h JPEG of one colour with libjpeg.
std::string WriteJpeg(const std::string& path, int w, int h, int r, int g, int b) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return {};
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, f);
    cinfo.image_width = w;
    cinfo.image_height = h;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(w) * 3);
    for (int x = 0; x < w; ++x) {
        row[x * 3] = static_cast<unsigned char>(r);
        row[x * 3 + 1] = static_cast<unsigned char>(g);
        row[x * 3 + 2] = static_cast<unsigned char>(b);
    }
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW p = row.data();
        jpeg_write_scanlines(&cinfo, &p, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::fclose(f);
    return path;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

bool Near(QRgb p, int r, int g, int b, int tolerance = 6) {
    return std::abs(qRed(p) - r) <= tolerance && std::abs(qGreen(p) - g) <= tolerance &&
           std::abs(qBlue(p) - b) <= tolerance;
}

class PictureFiles : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return QDir(dir.path()).filePath(QString::fromStdString(name)).toStdString(); }
    QTemporaryDir dir;
};

// ---------------------------------------------------------------------------

TEST(Colours, TColorIsBlueGreenRed) {
    EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(clBlue), QColor(0, 0, 255));
    EXPECT_EQ(ToQColor(clNavy), QColor(0, 0, 128));
    // The screens' background colour.
    EXPECT_EQ(ToQColor(kScreenColor), QColor(0x5B, 0x70, 0x84));
    EXPECT_EQ(FromQColor(QColor(0x24, 0x30, 0x39)), 0x393024);
    for (TColor c : {clBlack, clWhite, clPurple, clMaroon, kScreenColor, 0x8A694A})
        EXPECT_EQ(FromQColor(ToQColor(c)), c);
}

TEST(Fonts, FontAsksForItsFamilyInPixelsWithItsStyle) {
    TFont font;
    int changes = 0;
    font.OnChange = [&] { ++changes; };
    font.SetName("Arial Narrow");
    font.SetHeight(32);
    font.SetStyle(fsBold | fsUnderline);
    EXPECT_EQ(changes, 3);
    QFont q = font.ToQFont();
    EXPECT_EQ(q.family(), "Arial Narrow");
    EXPECT_EQ(q.pixelSize(), 32);
    EXPECT_TRUE(q.bold());
    EXPECT_TRUE(q.underline());
    EXPECT_FALSE(q.italic());

    TFont copy;
    copy.Assign(font);
    EXPECT_EQ(copy.Name(), "Arial Narrow");
    EXPECT_EQ(copy.Height(), 32);
    EXPECT_TRUE(copy.Bold());
}

// ---------------------------------------------------------------------------

TEST(Canvas, LinesFillsAndRectanglesUseThePenAndBrush) {
    TBitmap bmp(40, 30);
    EXPECT_EQ(bmp.Width(), 40);
    EXPECT_TRUE(Near(bmp.Image().pixel(5, 5), 255, 255, 255, 0));   // starts white

    TCanvas& c = bmp.Canvas();
    c.Pen.SetColor(clRed);
    c.Pen.SetWidth(1);
    c.MoveTo(0, 10);
    c.LineTo(39, 10);
    EXPECT_EQ(c.PenX(), 39);
    EXPECT_TRUE(Near(bmp.Image().pixel(20, 10), 255, 0, 0, 0));
    EXPECT_TRUE(Near(bmp.Image().pixel(20, 12), 255, 255, 255, 0));

    c.Pen.SetWidth(5);
    c.Pen.SetColor(clBlue);
    c.MoveTo(20, 0);
    c.LineTo(20, 29);
    EXPECT_TRUE(Near(bmp.Image().pixel(22, 20), 0, 0, 255, 0));   // wide pen
    EXPECT_TRUE(Near(bmp.Image().pixel(26, 20), 255, 255, 255, 0));

    c.Brush.SetColor(clLime);
    c.FillRect(TRect{30, 20, 35, 25});
    EXPECT_TRUE(Near(bmp.Image().pixel(30, 20), 0, 255, 0, 0));
    EXPECT_TRUE(Near(bmp.Image().pixel(34, 24), 0, 255, 0, 0));
    EXPECT_TRUE(Near(bmp.Image().pixel(35, 25), 255, 255, 255, 0));   // exclusive edges

    TBitmap box(20, 20);
    box.Canvas().Pen.SetColor(clBlack);
    box.Canvas().Brush.SetColor(clYellow);
    box.Canvas().Rectangle(TRect{0, 0, 10, 10});
    EXPECT_TRUE(Near(box.Image().pixel(0, 0), 0, 0, 0, 0));
    EXPECT_TRUE(Near(box.Image().pixel(9, 9), 0, 0, 0, 0));
    EXPECT_TRUE(Near(box.Image().pixel(5, 5), 255, 255, 0, 0));
    EXPECT_TRUE(Near(box.Image().pixel(10, 10), 255, 255, 255, 0));
}

TEST(Canvas, CopyRectCopiesAndScalesBetweenBitmaps) {
    TBitmap sheet(20, 10);
    sheet.Canvas().Brush.SetColor(clRed);
    sheet.Canvas().FillRect(TRect{0, 0, 10, 10});
    sheet.Canvas().Brush.SetColor(clBlue);
    sheet.Canvas().FillRect(TRect{10, 0, 20, 10});

    TBitmap glyph(10, 10);
    glyph.Canvas().CopyRect(TRect{0, 0, 10, 10}, sheet.Image(), TRect{10, 0, 20, 10});
    EXPECT_TRUE(Near(glyph.Image().pixel(0, 0), 0, 0, 255, 0));
    EXPECT_TRUE(Near(glyph.Image().pixel(9, 9), 0, 0, 255, 0));

    TBitmap big(40, 40);
    big.Canvas().CopyRect(TRect{0, 0, 40, 20}, sheet.Image(), TRect{0, 0, 20, 10});
    EXPECT_TRUE(Near(big.Image().pixel(5, 5), 255, 0, 0, 0));
    EXPECT_TRUE(Near(big.Image().pixel(35, 15), 0, 0, 255, 0));
    EXPECT_TRUE(Near(big.Image().pixel(35, 30), 255, 255, 255, 0));

    int notified = 0;
    big.Canvas().OnChange = [&] { ++notified; };
    big.Canvas().Draw(0, 30, glyph.Image());
    EXPECT_EQ(notified, 1);
    EXPECT_TRUE(Near(big.Image().pixel(2, 32), 0, 0, 255, 0));
}

TEST(Bitmap, ResizingKeepsTheTopLeftAndFillsTheRest) {
    TBitmap bmp;
    EXPECT_EQ(bmp.Width(), 0);
    bmp.Canvas().FillRect(TRect{0, 0, 5, 5});   // nothing to draw on: no crash
    bmp.SetSize(10, 10);
    bmp.Canvas().Brush.SetColor(clRed);
    bmp.Canvas().FillRect(TRect{0, 0, 10, 10});
    bmp.SetSize(20, 15, clBlack);
    EXPECT_EQ(bmp.Width(), 20);
    EXPECT_EQ(bmp.Height(), 15);
    EXPECT_TRUE(Near(bmp.Image().pixel(9, 9), 255, 0, 0, 0));
    EXPECT_TRUE(Near(bmp.Image().pixel(15, 12), 0, 0, 0, 0));
    // The canvas follows the resized bitmap.
    bmp.Canvas().Brush.SetColor(clBlue);
    bmp.Canvas().FillRect(TRect{18, 13, 20, 15});
    EXPECT_TRUE(Near(bmp.Image().pixel(19, 14), 0, 0, 255, 0));
}

// ---------------------------------------------------------------------------

TEST_F(PictureFiles, JpegLoadsWithItsSizeAndColours) {
    ASSERT_TRUE(dir.isValid());
    const std::string path = WriteJpeg(Path("exo 12.jpg"), 37, 21, 200, 40, 90);
    ASSERT_FALSE(path.empty());
    QImage image = LoadJpeg(path);
    EXPECT_EQ(image.width(), 37);
    EXPECT_EQ(image.height(), 21);
    EXPECT_TRUE(Near(image.pixel(18, 10), 200, 40, 90)) << std::hex << image.pixel(18, 10);

    TPicture picture;
    int changes = 0;
    picture.OnChange = [&] { ++changes; };
    picture.LoadFromFile(path);
    EXPECT_EQ(picture.Width(), 37);
    EXPECT_EQ(changes, 1);

    // Upper-case extension, .jpeg
    const std::string upper = WriteJpeg(Path("PHOTO.JPEG"), 8, 8, 0, 0, 255);
    picture.LoadFromFile(upper);
    EXPECT_TRUE(Near(picture.Image().pixel(4, 4), 0, 0, 255));
}

TEST_F(PictureFiles, CorruptOrTruncatedJpegThrowsWithoutAborting) {
    const std::string good = WriteJpeg(Path("good.jpg"), 64, 64, 10, 200, 10);
    const std::string bytes = ReadAll(good);
    ASSERT_GT(bytes.size(), 200u);

    WriteAll(Path("truncated.jpg"), bytes.substr(0, bytes.size() / 2));
    EXPECT_THROW(LoadJpeg(Path("truncated.jpg")), EFileError);

    std::string garbage = bytes;
    for (size_t i = 2; i < 40; ++i) garbage[i] = static_cast<char>(0x5A);
    WriteAll(Path("garbage.jpg"), garbage);
    EXPECT_THROW(LoadJpeg(Path("garbage.jpg")), EFileError);

    WriteAll(Path("text.jpg"), "not a picture at all");
    EXPECT_THROW(LoadJpeg(Path("text.jpg")), EFileError);
    WriteAll(Path("empty.jpg"), "");
    EXPECT_THROW(LoadJpeg(Path("empty.jpg")), EFileError);

    // A failed load leaves the picture as it was.
    TPicture picture;
    picture.LoadFromFile(good);
    EXPECT_THROW(picture.LoadFromFile(Path("truncated.jpg")), EFileError);
    EXPECT_EQ(picture.Width(), 64);
    // And loading works again after failures.
    EXPECT_EQ(LoadJpeg(good).width(), 64);
}

TEST_F(PictureFiles, MissingFilesAndUnreadableBitmapsThrow) {
    TPicture picture;
    EXPECT_THROW(picture.LoadFromFile(Path("absent.jpg")), EFileError);
    EXPECT_THROW(picture.LoadFromFile(Path("absent.bmp")), EFileError);
    EXPECT_THROW(LoadJpeg(Path("absent.jpg")), EFileError);
    EXPECT_THROW(picture.LoadFromFile(dir.path().toStdString()), EFileError);   // a folder
    WriteAll(Path("bad.bmp"), "BMbroken");
    EXPECT_THROW(picture.LoadFromFile(Path("bad.bmp")), EFileError);
    EXPECT_TRUE(picture.Empty());
}

TEST_F(PictureFiles, BitmapsLoadThroughQt) {
    QImage source(6, 4, QImage::Format_RGB32);
    source.fill(QColor(1, 2, 250));
    ASSERT_TRUE(source.save(QString::fromStdString(Path("lettre.bmp")), "BMP"));
    TPicture picture;
    picture.LoadFromFile(Path("lettre.bmp"));
    EXPECT_EQ(picture.Width(), 6);
    EXPECT_EQ(picture.Height(), 4);
    EXPECT_TRUE(Near(picture.Image().pixel(3, 2), 1, 2, 250, 0));

    TPicture copy;
    copy.Assign(picture);
    picture.Clear();
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(copy.Width(), 6);
}

// ---------------------------------------------------------------------------

TEST(ImageControl, PicturePlacementFollowsCenterStretchAndProportional) {
    TForm form("ImageForm", 400, 400);
    auto* image = new TImage(&form);
    image->SetBounds(0, 0, 100, 50);
    image->Picture().SetImage(QImage(40, 20, QImage::Format_RGB32));

    TRect r = image->DestRect();
    EXPECT_EQ(r.Left, 0);
    EXPECT_EQ(r.Width(), 40);
    image->SetCenter(true);
    r = image->DestRect();
    EXPECT_EQ(r.Left, 30);
    EXPECT_EQ(r.Top, 15);
    image->SetCenter(false);
    image->SetStretch(true);
    r = image->DestRect();
    EXPECT_EQ(r.Width(), 100);
    EXPECT_EQ(r.Height(), 50);
    image->SetProportional(true);
    image->Picture().SetImage(QImage(40, 40, QImage::Format_RGB32));
    r = image->DestRect();
    EXPECT_EQ(r.Width(), 50);
    EXPECT_EQ(r.Height(), 50);

    image->SetAutoSize(true);
    image->Picture().SetImage(QImage(70, 30, QImage::Format_RGB32));
    EXPECT_EQ(image->Width(), 70);
    EXPECT_EQ(image->Height(), 30);
}

TEST(ImageControl, TransparentPictureLetsTheParentShowThrough) {
    TForm form("ImageForm", 100, 100);
    form.SetColor(clRed);
    auto* image = new TImage(&form);
    image->SetBounds(0, 0, 20, 20);
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::white);                     // the bottom-left colour
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) picture.setPixel(x, y, qRgb(0, 0, 255));
    image->Picture().SetImage(picture);

    QImage shot = form.grab(QRect(0, 0, 20, 20)).toImage();
    EXPECT_TRUE(Near(shot.pixel(15, 15), 255, 255, 255, 0));
    image->SetTransparent(true);
    shot = form.grab(QRect(0, 0, 20, 20)).toImage();
    EXPECT_TRUE(Near(shot.pixel(15, 15), 255, 0, 0, 0));
    EXPECT_TRUE(Near(shot.pixel(5, 5), 0, 0, 255, 0));

    // Drawing on the image's canvas repaints it.
    image->SetTransparent(false);
    image->Canvas().Brush.SetColor(clLime);
    image->Canvas().FillRect(TRect{10, 10, 20, 20});
    shot = form.grab(QRect(0, 0, 20, 20)).toImage();
    EXPECT_TRUE(Near(shot.pixel(15, 15), 0, 255, 0, 0));
}

TEST(ImageControl, EmptyImageCanvasIsTheControlsSize) {
    TForm form("ImageForm", 100, 100);
    auto* image = new TImage(&form);
    image->SetBounds(0, 0, 30, 25);
    image->Canvas().Pen.SetColor(clBlack);
    EXPECT_EQ(image->Picture().Width(), 30);
    EXPECT_EQ(image->Picture().Height(), 25);
}

TEST(ShapeControl, ShapesPaintTheirPenAndBrush) {
    TForm form("ShapeForm", 100, 100);
    form.SetColor(clWhite);
    auto* shape = new TShape(&form);
    shape->SetBounds(0, 0, 60, 60);
    shape->Pen().SetColor(0x8A694A);
    shape->Pen().SetWidth(10);
    shape->Brush().SetStyle(TBrushStyle::Clear);
    QImage shot = form.grab(QRect(0, 0, 60, 60)).toImage();
    EXPECT_TRUE(Near(shot.pixel(2, 30), 0x4A, 0x69, 0x8A, 0));   // border inside the control
    EXPECT_TRUE(Near(shot.pixel(30, 30), 255, 255, 255, 0));     // no fill

    shape->Brush().SetStyle(TBrushStyle::Solid);
    shape->Brush().SetColor(clYellow);
    shape->SetShape(TShapeType::Ellipse);
    shot = form.grab(QRect(0, 0, 60, 60)).toImage();
    EXPECT_TRUE(Near(shot.pixel(30, 30), 255, 255, 0, 0));
    EXPECT_TRUE(Near(shot.pixel(1, 1), 255, 255, 255, 0));       // outside the ellipse
}

TEST(PanelControl, PanelFillsItsColour) {
    TForm form("PanelForm", 100, 100);
    auto* panel = new TPanel(&form);
    panel->SetBounds(0, 0, 50, 50);
    panel->SetColor(0xB0968C);
    panel->SetBevelOuter(TBevelCut::None);
    QImage shot = form.grab(QRect(0, 0, 50, 50)).toImage();
    EXPECT_TRUE(Near(shot.pixel(0, 0), 0x8C, 0x96, 0xB0, 0));
    EXPECT_TRUE(Near(shot.pixel(25, 25), 0x8C, 0x96, 0xB0, 0));
}

}  // namespace
