// Colours, fonts and picture files that cannot be read.
#include <fstream>
#include <string>

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "Errors.h"
#include "Graphics.h"

namespace {

// Writes a w x h JPEG of one colour.
std::string WriteJpeg(const std::string& path, int w, int h, int r, int g, int b) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(QColor(r, g, b));
    return image.save(QString::fromStdString(path), "JPG", 95) ? path : std::string();
}

void WriteAll(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

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
