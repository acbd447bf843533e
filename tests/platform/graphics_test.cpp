// Colours, fonts, and picture files that cannot be read or are too large to be.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "Errors.h"
#include "Graphics.h"
#include "JpegFiles.h"

namespace {

// Writes a w x h JPEG of one colour.
std::string WriteJpeg(const std::string& path, int w, int h, int r, int g, int b) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(r, g, b));
    return image.save(QString::fromStdString(path), "JPG", 95) ? path : std::string();
}

void WriteAll(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// A small grey JPEG; a progressive one needs all its scans before its first row, so
// the decoder holds every pixel at once.
std::string JpegBytes(bool progressive) { return EncodeJpeg(16, 16, 1, progressive); }

std::string JpegDeclaring(bool progressive, int w, int h) { return JpegDeclaringSize(JpegBytes(progressive), w, h); }

std::string QtBytes(const char* format) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return buffer.data().toStdString();
}

// A BMP declaring w x h (little-endian at 18 and 22).
std::string BmpDeclaring(int w, int h) {
    std::string bmp = QtBytes("BMP");
    for (int i = 0; i < 4; ++i) {
        bmp[18 + i] = static_cast<char>(w >> (8 * i));
        bmp[22 + i] = static_cast<char>(h >> (8 * i));
    }
    return bmp;
}

// A PNG declaring w x h: its header chunk changed, with its check sum made again.
std::string PngDeclaring(int w, int h) {
    std::string png = QtBytes("PNG");
    for (int i = 0; i < 4; ++i) {
        png[16 + i] = static_cast<char>(w >> (24 - 8 * i));
        png[20 + i] = static_cast<char>(h >> (24 - 8 * i));
    }
    unsigned crc = 0xFFFFFFFFu;
    for (size_t at = 12; at < 29; ++at) {     // chunk type and data
        crc ^= static_cast<unsigned char>(png[at]);
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    crc ^= 0xFFFFFFFFu;
    for (int i = 0; i < 4; ++i) png[29 + i] = static_cast<char>(crc >> (24 - 8 * i));
    return png;
}

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

// What refused a picture: the message of the EFileError, "" when it loaded.
std::string Refusal(const std::string& path) {
    try {
        TPicture picture;
        picture.LoadFromFile(path);
        return "";
    } catch (const EFileError& e) {
        return e.what();
    }
}

TEST_F(PictureFiles, AFileFarLargerThanAPictureIsRefusedBeforeItIsRead) {
    // Sparse files: no disk space taken, and nothing read before the refusal.
    for (const char* name : {"huge.jpg", "huge.png", "huge.bmp", "large.jpg"}) {
        SCOPED_TRACE(name);
        const std::string path = Path(name);
        std::ofstream(path).close();
        std::filesystem::resize_file(path, name[0] == 'h' ? (2ull << 30) + 1 : (64ull << 20) + 1);
        EXPECT_NE(Refusal(path).find("trop volumineux"), std::string::npos) << Refusal(path);
    }
}

TEST_F(PictureFiles, TheSizeAHeaderDeclaresIsCheckedBeforeDecoding) {
    // A tiny file declaring a huge picture: the refusal names the size read from the
    // header, where a decoder that started would have taken the memory and then run
    // out of data. A camera photo's size is admitted (its missing rows come grey).
    const struct {
        const char* name;
        std::string bytes;
        const char* refusal;
    } cases[] = {
        {"progressive.jpg", JpegDeclaring(true, 20000, 20000), "Image trop grande"},
        {"baseline.jpg", JpegDeclaring(false, 20000, 20000), "Image trop grande"},
        {"wide.jpg", JpegDeclaring(false, 65000, 1000), "Image trop grande"},
        {"photo.jpg", JpegDeclaring(false, 4000, 3000), ""},
        {"progressive_photo.jpg", JpegDeclaring(true, 4000, 3000), ""},
        {"large.png", PngDeclaring(20000, 20000), "Image trop grande"},
        {"large.bmp", BmpDeclaring(10000, 5000), "Image trop grande"},
        {"small.png", PngDeclaring(16, 16), ""},
        {"small.bmp", BmpDeclaring(16, 16), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteAll(Path(c.name), c.bytes);
        const std::string refusal = Refusal(Path(c.name));
        EXPECT_EQ(refusal.substr(0, std::string(c.refusal).size()), c.refusal) << refusal;
    }
    EXPECT_NE(Refusal(Path("large.png")).find("20000"), std::string::npos);
}

TEST_F(PictureFiles, AJpegRepeatingItsScansIsStoppedWhileARealProgressiveOneShows) {
    // Each scan walks every block of the declared picture again: 10,000 of them hold
    // the screen for half a minute. Photos have about ten; sixty-four still show.
    const struct {
        const char* name;
        std::string bytes;
        bool shows;
    } cases[] = {
        {"ten.jpg", JpegRepeatingScan(JpegBytes(true), 0, 10), true},
        {"sixty_four.jpg", JpegRepeatingScan(JpegBytes(true), 0, 64), true},
        {"sixty_five.jpg", JpegRepeatingScan(JpegBytes(true), 0, 65), false},
        {"ten_thousand.jpg", JpegRepeatingScan(JpegBytes(true), 0, 10000), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteAll(Path(c.name), c.bytes);
        TPicture picture;
        if (c.shows) {
            EXPECT_NO_THROW(picture.LoadFromFile(Path(c.name)));
            EXPECT_EQ(picture.Width(), 16);
        } else {
            EXPECT_THROW(picture.LoadFromFile(Path(c.name)), EFileError);
            EXPECT_TRUE(picture.Empty());
        }
    }
    // The decoder is whole again after a stop.
    EXPECT_EQ(LoadJpeg(Path("ten.jpg")).width(), 16);
}

TEST_F(PictureFiles, APictureWithinThePixelLimitShowsWhateverItsFormat) {
    // 7000 x 5000 = 35 million pixels: 140 MB while it is read; 5000 x 4000 at 16 bits a
    // channel: 160 MB. Both are above Qt's own 128 MB ceiling.
    const struct {
        QSize size;
        QImage::Format format;
    } cases[] = {{{7000, 5000}, QImage::Format_RGB32}, {{5000, 4000}, QImage::Format_RGBX64}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        const std::string path = Path("photo.png");
        {
            QImage image(c.size, c.format);
            image.fill(QColor(30, 120, 200));
            ASSERT_TRUE(image.save(QString::fromStdString(path), "PNG"));
        }
        TPicture picture;
        ASSERT_NO_THROW(picture.LoadFromFile(path));
        EXPECT_EQ(picture.Image().size(), c.size);
        // Held as a JPEG is, 4 bytes a pixel.
        EXPECT_EQ(picture.Image().depth(), 32);
        EXPECT_EQ(picture.Image().pixelColor(2500, 2000), QColor(30, 120, 200));
    }
}
