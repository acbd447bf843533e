// Exercise pictures: drawings from their recipes, JPEG files.
#include <filesystem>
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
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);   // no temporary left
    fs::remove_all(dir);
}

TEST(Drawings, EveryKindDrawsAFittingPictureAndBadRecipesAreRefused) {
    for (const PictureRecipe& r : {Recipe("pommes", {"1"}), Recipe("pommes", {"36"}), Recipe("regle", {"7,5"}),
                                   Recipe("horloge", {"14", "45"}), Recipe("fraction", {"0", "1"}),
                                   Recipe("fraction", {"5", "12"}),
                                   Recipe("formes", {"carre", "rectangle", "triangle", "cercle", "losange", "hexagone"}),
                                   Recipe("rectangle", {"12", "1,5"}), Recipe("angle", {"90"}), Recipe("angle", {"170"})}) {
        ASSERT_EQ(CheckRecipe(r), "") << r.drawing;
        const QImage image = DrawPicture(r);
        EXPECT_TRUE(!image.isNull() && image.width() <= 300 && image.height() <= 300) << r.drawing;
        std::set<QRgb> colours;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
        EXPECT_GT(colours.size(), 2u) << r.drawing << " draws nothing";
    }
    for (const PictureRecipe& r : {Recipe("pommes", {}), Recipe("pommes", {"0"}), Recipe("pommes", {"37"}),
                                   Recipe("pommes", {"douze"}), Recipe("regle", {"11"}), Recipe("regle", {"7,5,1"}),
                                   Recipe("horloge", {"24", "0"}), Recipe("horloge", {"3"}), Recipe("fraction", {"5", "4"}),
                                   Recipe("fraction", {"1", "0"}), Recipe("formes", {"etoile"}), Recipe("formes", {}),
                                   Recipe("rectangle", {"8"}), Recipe("angle", {"0"}), Recipe("dessin", {"1"})}) {
        EXPECT_NE(CheckRecipe(r), "") << r.drawing;
        EXPECT_THROW(DrawPicture(r), BuildError) << r.drawing;
    }
}

TEST(Drawings, ExercisePicturesAreExactlyThoseNamedByExercises) {
    const std::string parent = MakeTempDir("exercices-images");
    const std::string dir = parent + "/exo_images";
    const std::vector<std::string> used = LoadContent(DefaultContentDir()).UsedPictures();
    EXPECT_EQ(MakeExercisePictures(DefaultContentDir(), dir), static_cast<int>(used.size()));
    std::set<std::string> files;
    for (const auto& e : fs::directory_iterator(dir)) files.insert(e.path().filename().string());
    EXPECT_EQ(files, std::set<std::string>(used.begin(), used.end()));
    for (const std::string& name : used) EXPECT_FALSE(QImage(QString::fromStdString(dir + "/" + name), "JPEG").isNull()) << name;
    fs::remove_all(parent);
}
