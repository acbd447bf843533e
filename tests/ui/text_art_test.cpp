// The pictures of the text pages and of the input box: sizes the layouts rely on, a
// distinct face for every key and a hovered twin for each, the word bank's slots and
// covers, and the colours each info picture explains.
#include <string>
#include <vector>

#include <QImage>
#include <gtest/gtest.h>

#include "ui/Artwork.h"

namespace {

// Whether a pixel close to each colour is drawn.
using Near = bool (*)(const QColor&);
bool IsGreen(const QColor& c) { return c.green() > 100 && c.red() < 40 && c.blue() < 40; }
bool IsRed(const QColor& c) { return c.red() > 200 && c.green() < 40 && c.blue() < 40; }
bool IsPurple(const QColor& c) { return c.red() > 100 && c.blue() > 100 && c.green() < 40; }
bool Drawn(const QImage& image, std::initializer_list<Near> colours) {
    for (Near near : colours) {
        bool found = false;
        for (int y = 0; y < image.height() && !found; ++y)
            for (int x = 0; x < image.width() && !found; ++x) found = near(image.pixelColor(x, y));
        if (!found) return false;
    }
    return !image.isNull();
}

}  // namespace

TEST(TextArtwork, KeysOfTheInputBoxHaveDistinctFacesAndTwins) {
    const std::vector<std::string> keys = {"zero", "un", "deux", "trois", "quatre", "cinq", "six",
                                           "sept", "huit", "neuf", "vr", "plus", "moins"};
    std::vector<QImage> faces;
    for (const auto& k : keys) {
        SCOPED_TRACE(k);
        const QImage face = Artwork("saisie_" + k + "_1");
        EXPECT_EQ(face.size(), QSize(46, 46));
        EXPECT_NE(face, Artwork("saisie_" + k + "_2"));
        for (const QImage& other : faces) EXPECT_NE(face, other);
        faces.push_back(face);
    }
    for (const char* c : {"effacer", "annuler", "valider"}) {
        SCOPED_TRACE(c);
        EXPECT_EQ(ArtworkSize(std::string("saisie_") + c + "_1"), QSize(88, 30));
        EXPECT_NE(Artwork(std::string("saisie_") + c + "_1"), Artwork(std::string("saisie_") + c + "_2"));
    }
    EXPECT_NE(Artwork("saisie_annuler_1"), Artwork("saisie_valider_1"));
}

TEST(TextArtwork, TextPagesHaveTheirSheetAndTheMeaningOfTheColours) {
    EXPECT_EQ(ArtworkSize("fond_texte"), QSize(793, 295));
    const QImage sheet = Artwork("fond_texte");
    // Light where the words lie, so that blue, green and red words read well.
    EXPECT_GT(sheet.pixelColor(400, 150).lightness(), 230);
    EXPECT_TRUE(Drawn(Artwork("info_mots"), {IsGreen, IsRed}));
}

TEST(TextArtwork, TheWordBankAndTheWordsToPickOut) {
    EXPECT_EQ(ArtworkSize("banque_fond"), QSize(769, 81));
    EXPECT_EQ(ArtworkSize("banque_case_1"), QSize(170, 25));
    EXPECT_EQ(ArtworkSize("banque_cache"), QSize(169, 25));
    const QImage slot = Artwork("banque_case_1"), hovered = Artwork("banque_case_2");
    EXPECT_NE(slot, hovered);
    // Sky blue, darker under the mouse; the corners are the tray's, left see-through.
    EXPECT_GT(slot.pixelColor(85, 12).lightness(), hovered.pixelColor(85, 12).lightness());
    EXPECT_EQ(slot.pixelColor(0, 24), Artwork("banque_fond").pixelColor(200, 60));
    // The cover lets the word show between its lines: much of it is its see-through colour.
    const QImage cover = Artwork("banque_cache");
    const QColor key = cover.pixelColor(0, cover.height() - 1);
    int seeThrough = 0;
    for (int y = 0; y < cover.height(); ++y)
        for (int x = 0; x < cover.width(); ++x) seeThrough += cover.pixelColor(x, y) == key;
    EXPECT_GT(seeThrough, cover.width() * cover.height() / 2);
    EXPECT_LT(seeThrough, cover.width() * cover.height() * 9 / 10);
    const QImage picked = Artwork("info_mots_choisis");
    EXPECT_LE(picked.width(), 745);
    EXPECT_TRUE(Drawn(picked, {IsGreen, IsRed, IsPurple}));
}
