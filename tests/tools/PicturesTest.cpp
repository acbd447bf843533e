// Exercise pictures: drawings from their recipes, picture files.
#include <filesystem>
#include <fstream>
#include <set>

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include "Builder.h"
#include "DataFolder.h"
#include "Pictures.h"

namespace fs = std::filesystem;

TEST(PictureFiles, SavedPicturesDecodeAndFailuresAreReported) {
    QImage image(50, 40, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 30));
    for (int y = 0; y < 40; ++y)
        for (int x = 25; x < 50; ++x) image.setPixel(x, y, qRgb(30, 60, 200));
    const std::string dir = MakeTempDir("exercices-jpeg");
    // The kind follows the name; JPEG is lossy, the others exact.
    for (const char* name : {"two.jpg", "two.PNG", "two.bmp"}) {
        SavePicture(image, dir + "/" + name);
        const QImage back(QString::fromStdString(dir + "/" + name), PictureFormat(name));
        ASSERT_EQ(back.size(), QSize(50, 40)) << name;
        for (const QPoint at : {QPoint(5, 20), QPoint(45, 20)}) {
            const QRgb a = back.pixel(at), b = image.pixel(at);
            EXPECT_LT(std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)),
                      std::string(name).ends_with(".jpg") ? 30 : 1) << name;
        }
    }
    for (const char* bad : {"/nofolder/x.jpg", "/two.gif", "/nofolder/x.png"})
        EXPECT_THROW(SavePicture(image, dir + bad), BuildError) << bad;
    EXPECT_THROW(SaveJpeg(QImage(), dir + "/never.jpg"), BuildError);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 3);   // no temporary left
    fs::remove_all(dir);
}

TEST(Drawings, EveryKindDrawsAFittingPictureAndBadRecipesAreRefused) {
    const auto recipe = [](const std::string& drawing, std::vector<std::string> args) {
        return PictureRecipe{"essai.jpg", drawing, std::move(args), "test"};
    };
    for (const PictureRecipe& r : {recipe("pommes", {"1"}), recipe("pommes", {"36"}), recipe("regle", {"7,5"}),
                                   recipe("horloge", {"14", "45"}), recipe("fraction", {"0", "1"}),
                                   recipe("fraction", {"5", "12"}),
                                   recipe("formes", {"carre", "rectangle", "triangle", "cercle", "losange", "hexagone"}),
                                   recipe("rectangle", {"12", "1,5"}), recipe("angle", {"90"}), recipe("angle", {"170"}),
                                   recipe("quadrillage", {"12"})}) {
        ASSERT_EQ(CheckRecipe(r), "") << r.drawing;
        const QImage image = DrawPicture(r);
        // Only the squared paper is larger than the figure.
        const int most = r.drawing == "quadrillage" ? 400 : 300;
        EXPECT_TRUE(!image.isNull() && image.width() <= most && image.height() <= most) << r.drawing;
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
        EXPECT_GT(colours.size(), 2u) << r.drawing << " draws nothing";
    }
    for (const PictureRecipe& r : {recipe("pommes", {}), recipe("pommes", {"37"}), recipe("pommes", {"douze"}),
                                   recipe("regle", {"11"}), recipe("horloge", {"24", "0"}), recipe("fraction", {"1", "0"}),
                                   recipe("formes", {"etoile"}), recipe("rectangle", {"8"}), recipe("angle", {"0"}),
                                   recipe("quadrillage", {"13"}), recipe("absente", {"1"})}) {
        EXPECT_NE(CheckRecipe(r), "") << r.drawing;
        EXPECT_THROW(DrawPicture(r), BuildError) << r.drawing;
    }
}

TEST(Drawings, ExercisePicturesAreExactlyThoseNamedByExercisesInTheKindOfTheirName) {
    const std::string parent = MakeTempDir("exercices-images");
    const std::string dir = parent + "/exo_images";
    const ContentSet content = LoadContent(DefaultContentDir());
    std::set<std::string> made, missing;
    for (const std::string& name : content.UsedPictures())
        (MakesNoPicture(content.pictures.at(name)) ? missing : made).insert(name);
    ASSERT_FALSE(missing.empty());
    // A picture missing on purpose goes from a folder laid out before.
    fs::create_directories(dir);
    for (const std::string& name : missing) std::ofstream(dir + "/" + name) << "ancienne";
    EXPECT_EQ(MakeExercisePictures(DefaultContentDir(), dir), static_cast<int>(made.size()));
    std::set<std::string> files, formats;
    for (const auto& e : fs::directory_iterator(dir)) files.insert(e.path().filename().string());
    EXPECT_EQ(files, made);
    for (const std::string& name : made) {
        EXPECT_FALSE(QImage(QString::fromStdString(dir + "/" + name), PictureFormat(name)).isNull()) << name;
        formats.insert(PictureFormat(name));
    }
    EXPECT_EQ(formats, (std::set<std::string>{"JPEG", "PNG", "BMP"}));
    fs::remove_all(parent);
}
