// The exercise's figure: the picture file the record names in the data folder's
// exo_images, shown on its page or not at all, and the toggle that hides and shows it.
#include <filesystem>
#include <fstream>

#include <QImage>

#include "ChapterFixture.h"
#include "JpegFiles.h"

namespace fs = std::filesystem;

namespace {

// Writes a picture of one colour in that format (JPG, PNG, BMP).
void WritePicture(const std::string& path, int w, int h, QColor colour, const char* format) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    ASSERT_TRUE(image.save(QString::fromStdString(path), format, 95));
}

bool Near(QRgb p, QColor c) {
    return std::abs(qRed(p) - c.red()) + std::abs(qGreen(p) - c.green()) + std::abs(qBlue(p) - c.blue()) < 20;
}

class PicturesTest : public ChapterTest {
protected:
    std::string Image(const std::string& name) const { return data->ImagesDir() + "/" + name; }
    static ExerciseRecord WithPicture(int typeExo, const std::string& number, const std::string& image) {
        ExerciseRecord r = Exo("N1", typeExo, number, "/#Exercice " + number + "#/ /#1#/");
        r.image = image;
        return r;
    }
    // The page number whose figure is shown: 0 for none, -1 for more than one.
    int ShownFigure() const {
        int shown = 0;
        for (int page = 1; page <= 8; ++page)
            if (player->FigurePanel(page)->Visible()) shown = shown ? -1 : page;
        return shown;
    }
    QRgb FigureCentre(int page) const {
        const QImage& image = player->FigureImage(page)->Picture().Image();
        return image.pixel(image.width() / 2, image.height() / 2);
    }
    bool ToggleShown() const { return player->Panel_afficher_image->Visible(); }
    // The figure of the true-or-false page, the toggle and the watch shown ("F", "T",
    // "W"), the toggle's state ("0": the figure shown) and its face.
    std::string Toggle() const {
        std::string face = "?";
        for (auto [image, name] : {std::pair{player->mf1, "mf1"}, {player->mf2, "mf2"}, {player->af1, "af1"}, {player->af2, "af2"}})
            if (SamePicture(player->af, image)) face = name;
        return std::string(player->Panel_Fig_QB->Visible() ? "F" : ".") + (ToggleShown() ? "T" : ".") +
               (player->watch_panel->Visible() ? "W " : ". ") + player->af->Hint() + " " + face;
    }
};

}  // namespace

TEST_F(PicturesTest, FigureOnItsPageOnlyWhenItsFileCanBeRead) {
    WritePicture(Image("vert.jpg"), 120, 80, Qt::green, "JPG");
    WritePicture(Image("rouge.png"), 50, 50, Qt::red, "PNG");
    WritePicture(Image("bleu.BMP"), 40, 60, Qt::blue, "BMP");
    WritePicture(Image("grand.jpg"), 400, 400, Qt::yellow, "JPG");
    WritePicture(Image("image.gif"), 40, 40, Qt::red, "PNG");   // a kind the figure does not read
    std::ofstream(Image("casse.jpg")) << "pas une image";
    // One scan given again and again: stopped, as a picture that cannot be read.
    std::ofstream(Image("passes.jpg"), std::ios::binary)
        << JpegRepeatingScan(JpegDeclaringSize(EncodeJpeg(16, 16, 3, true), 1000, 1000), 0, 2000);
    fs::create_directory(Image("dossier.jpg"));
    SetExercises({WithPicture(2, "1", "vert.jpg"), WithPicture(1, "2", "rouge.png"), WithPicture(3, "3", "bleu.BMP"),
                  WithPicture(4, "4", "grand.jpg"), WithPicture(5, "5", "absente.jpg"), WithPicture(6, "6", "image.gif"),
                  WithPicture(7, "7", "casse.jpg"), WithPicture(8, "8", "dossier.jpg"), WithPicture(2, "9", ""),
                  WithPicture(1, "10", " vert.jpg"), WithPicture(3, "11", "passes.jpg")});
    ExecSql(data->ExosDb(), "UPDATE exos_math_cm1 SET imageExo = NULL WHERE numEXO = '9'");
    // {page whose figure is shown (0: none), its colour}
    const std::pair<int, QColor> expected[] = {{3, Qt::green}, {1, Qt::red}, {2, Qt::blue}, {4, Qt::yellow},
                                               {0, {}}, {0, {}}, {0, {}}, {0, {}}, {0, {}}, {0, {}}, {0, {}}};
    OpenChapter();
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE("exercise " + std::to_string(i + 1));
        ASSERT_EQ(Counter(), std::to_string(i + 1) + "/11");
        const auto [page, colour] = expected[i];
        EXPECT_EQ(ShownFigure(), page);
        EXPECT_EQ(ToggleShown(), page != 0);
        if (page) {
            EXPECT_EQ(ActivePage(), page - 1);
            EXPECT_TRUE(Near(FigureCentre(page), colour));
        }
        Next();
    }
    // The large picture is drawn at its own size, its middle in the frame.
    const TRect placed = player->Img_QCC->DestRect();
    EXPECT_EQ(std::make_tuple(placed.Left, placed.Top, placed.Width(), placed.Height()), std::make_tuple(-50, -50, 400, 400));
    EXPECT_EQ(player->Img_QCC->Width(), 300);
}

TEST_F(PicturesTest, TheToggleKeepsItsStateFromOneExerciseToTheNext) {
    WritePicture(Image("a.jpg"), 60, 60, Qt::green, "JPG");
    SetExercises({WithPicture(2, "1", "a.jpg"), WithPicture(2, "2", "a.jpg"), WithPicture(2, "3", ""),
                  WithPicture(9, "4", "a.jpg")});
    OpenChapter();
    EXPECT_EQ(Toggle(), "FTW 0 mf1");
    // Hiding with the mouse: the hovered face, then the one at rest.
    SendEnter(player->af_label);
    EXPECT_EQ(Toggle(), "FTW 0 mf2");
    SendClick(player->af_label);
    EXPECT_EQ(Toggle(), ".TW 1 af2");
    SendLeave(player->af_label);
    EXPECT_EQ(Toggle(), ".TW 1 af1");
    // The next exercise shows its figure; the toggle still offers to show it, and its
    // first click keeps the figure and turns to hiding.
    Next();
    EXPECT_EQ(Toggle(), "FTW 1 af1");
    player->af_labelClick();
    EXPECT_EQ(Toggle(), "FTW 0 mf2");
    // An exercise without a picture, or one that cannot be shown, has neither the figure
    // nor the toggle (the watch stays); both come back with the next exercise shown.
    Next();
    EXPECT_EQ(Toggle().substr(0, 3), "..W");
    player->GoToExercise(4);
    EXPECT_EQ(ShownFigure(), 0);
    EXPECT_EQ(Toggle().substr(0, 3), "..W");
    player->GoToExercise(1);
    EXPECT_EQ(Toggle().substr(0, 3), "FTW");
    // Away from the exercise pages the toggle turns only itself.
    player->label_sommaireClick();
    player->af_labelClick();
    EXPECT_EQ(player->af->Hint(), "1");
    EXPECT_EQ(ShownFigure(), 3);
    // Shown again, the player has its watch, and no toggle of an exercise no longer there.
    player->GoToExercise(4);
    player->Close();
    player->ShowForm();
    EXPECT_EQ(Toggle().substr(1, 2), ".W");
}

TEST_F(PicturesTest, OnlyAFileOfTheImagesFolderIsShownEvenByAnotherCase) {
    // Pictures in the data folder, outside exo_images, and links that lead there.
    WritePicture(data->Path("dehors.jpg"), 60, 60, Qt::red, "JPG");
    WritePicture(Image("vert.jpg"), 60, 60, Qt::green, "JPG");
    WritePicture(Image("Vert.jpg"), 60, 60, Qt::yellow, "JPG");
    WritePicture(Image("t_qcm.jpg"), 60, 60, Qt::cyan, "JPG");
    fs::create_directory(Image("sous"));
    WritePicture(Image("sous/\xC3\xA9t\xC3\xA9.png"), 60, 60, Qt::blue, "PNG");        // été.png
    fs::create_symlink(data->Path("dehors.jpg"), Image("lien.jpg"));
    fs::create_symlink(data->Path(""), Image("sous_lien"));
    fs::create_symlink("../vert.jpg", Image("sous/lien_dedans.jpg"));
    ASSERT_TRUE(fs::exists(Image("horloge_8h45.jpg")));   // made by the builder
    // {the name the record gives, the file of exo_images shown ("": no figure)}
    const std::pair<std::string, std::string> cases[] = {
        {"../dehors.jpg", ""},
        {data->Path("dehors.jpg"), ""},
        {"sous/../../dehors.jpg", ""},
        {"lien.jpg", ""},
        {"sous_lien/dehors.jpg", ""},
        {"sous/../vert.jpg", "vert.jpg"},
        {"sous/lien_dedans.jpg", "vert.jpg"},
        {"vert.jpg", "vert.jpg"},
        {"Vert.jpg", "Vert.jpg"},
        {"T_QCM.jpg", "t_qcm.jpg"},
        {"SOUS/\xC3\x89T\xC3\x89.PNG", "sous/\xC3\xA9t\xC3\xA9.png"},   // SOUS/ÉTÉ.PNG
        {"HORLOGE_8h45.JPG", "horloge_8h45.jpg"},
        {"T_QCM.jpeg", ""},
    };
    std::vector<ExerciseRecord> exos;
    for (const auto& c : cases) exos.push_back(WithPicture(2, std::to_string(exos.size() + 1), c.first));
    SetExercises(exos);
    OpenChapter();
    int number = 0;
    for (const auto& [name, shown] : cases) {
        SCOPED_TRACE(name);
        ASSERT_EQ(Counter(), std::to_string(++number) + "/" + std::to_string(exos.size()));
        if (shown.empty()) {
            EXPECT_EQ(ShownFigure(), 0);
        } else {
            EXPECT_EQ(ShownFigure(), 3);
            TPicture expected;
            expected.LoadFromFile(Image(shown));
            EXPECT_TRUE(player->Img_QB->Picture().Image() == expected.Image());
        }
        if (name == "HORLOGE_8h45.JPG") SaveScreen("figure_other_case.png");
        Next();
    }
}
