// Exercise pictures: drawings from their recipes, JPEG files.
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

namespace {

PictureRecipe Recipe(const std::string& drawing, std::vector<std::string> args) {
    return {"essai.jpg", drawing, std::move(args), "test"};
}

int Distance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

}  // namespace

TEST(Jpeg, SavedPictureDecodesAndFailuresAreReported) {
    QImage image(50, 40, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 30));
    for (int y = 0; y < 40; ++y)
        for (int x = 25; x < 50; ++x) image.setPixel(x, y, qRgb(30, 60, 200));
    const std::string dir = MakeTempDir("exercices-jpeg");
    SaveJpeg(image, dir + "/two.jpg");
    QImage back;
    ASSERT_TRUE(back.load(QString::fromStdString(dir + "/two.jpg"), "JPEG"));
    EXPECT_EQ(back.size(), QSize(50, 40));
    EXPECT_LT(Distance(back.pixel(5, 20), qRgb(200, 30, 30)), 30);
    EXPECT_LT(Distance(back.pixel(45, 20), qRgb(30, 60, 200)), 30);
    EXPECT_THROW(SaveJpeg(image, dir + "/nofolder/x.jpg"), BuildError);
    EXPECT_THROW(SaveJpeg(QImage(), dir + "/never.jpg"), BuildError);
    // The other kinds follow the name; a name of no known kind is refused.
    SavePicture(image, dir + "/two.PNG");
    SavePicture(image, dir + "/two.bmp");
    EXPECT_EQ(QImage(QString::fromStdString(dir + "/two.PNG"), "PNG").pixel(45, 20), qRgb(30, 60, 200));
    EXPECT_EQ(QImage(QString::fromStdString(dir + "/two.bmp"), "BMP").pixel(5, 20), qRgb(200, 30, 30));
    EXPECT_THROW(SavePicture(image, dir + "/two.gif"), BuildError);
    EXPECT_THROW(SavePicture(image, dir + "/nofolder/x.png"), BuildError);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 3);   // no temporary left
    fs::remove_all(dir);
}

TEST(Drawings, EveryKindDrawsAFittingPictureAndBadRecipesAreRefused) {
    for (const PictureRecipe& r : {Recipe("pommes", {"1"}), Recipe("pommes", {"36"}), Recipe("regle", {"7,5"}),
                                   Recipe("horloge", {"14", "45"}), Recipe("fraction", {"0", "1"}),
                                   Recipe("fraction", {"5", "12"}),
                                   Recipe("formes", {"carre", "rectangle", "triangle", "cercle", "losange", "hexagone"}),
                                   Recipe("rectangle", {"12", "1,5"}), Recipe("angle", {"90"}), Recipe("angle", {"170"}),
                                   Recipe("quadrillage", {"12"})}) {
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
    for (const PictureRecipe& r : {Recipe("pommes", {}), Recipe("pommes", {"0"}), Recipe("pommes", {"37"}),
                                   Recipe("pommes", {"douze"}), Recipe("regle", {"11"}), Recipe("regle", {"7,5,1"}),
                                   Recipe("horloge", {"24", "0"}), Recipe("horloge", {"3"}), Recipe("fraction", {"5", "4"}),
                                   Recipe("fraction", {"1", "0"}), Recipe("formes", {"etoile"}), Recipe("formes", {}),
                                   Recipe("rectangle", {"8"}), Recipe("angle", {"0"}), Recipe("dessin", {"1"}),
                                   Recipe("quadrillage", {"13"}), Recipe("absente", {"1"})}) {
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
    std::set<std::string> files;
    for (const auto& e : fs::directory_iterator(dir)) files.insert(e.path().filename().string());
    EXPECT_EQ(files, made);
    std::set<std::string> formats;
    for (const std::string& name : made) {
        EXPECT_FALSE(QImage(QString::fromStdString(dir + "/" + name), PictureFormat(name)).isNull()) << name;
        formats.insert(PictureFormat(name));
    }
    EXPECT_EQ(formats, (std::set<std::string>{"JPEG", "PNG", "BMP"}));
    fs::remove_all(parent);
}
