// The pictures of the text pages and of the input box: sizes the layouts rely on, a
// distinct face for every key and a hovered twin for each, the word bank and the
// colours the words to pick out are corrected with.
#include <string>
#include <vector>

#include <QImage>
#include <gtest/gtest.h>

#include "ui/Artwork.h"

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
    const QImage info = Artwork("info_mots");
    ASSERT_FALSE(info.isNull());
    EXPECT_LE(info.width(), 745);
    // Both a green and a red mark are drawn.
    bool green = false, red = false;
    for (int y = 0; y < info.height(); ++y)
        for (int x = 0; x < info.width(); ++x) {
            const QColor c = info.pixelColor(x, y);
            green = green || (c.green() > 100 && c.red() < 40 && c.blue() < 40);
            red = red || (c.red() > 200 && c.green() < 40 && c.blue() < 40);
        }
    EXPECT_TRUE(green && red);
}

TEST(TextArtwork, TheWordBankAndTheWordsToPickOut) {
    EXPECT_EQ(ArtworkSize("banque_fond"), QSize(769, 81));
    const QImage slot = Artwork("banque_case_1"), cover = Artwork("banque_cache"), key = Artwork("info_mots_choisis");
    EXPECT_EQ(slot.size(), QSize(170, 25));
    // Darker under the mouse; the corners are the tray's, left see-through.
    EXPECT_GT(slot.pixelColor(85, 12).lightness(), Artwork("banque_case_2").pixelColor(85, 12).lightness());
    EXPECT_EQ(slot.pixelColor(0, 24), Artwork("banque_fond").pixelColor(200, 60));
    // The word shows between the cover's lines; the purple of the words missed is explained.
    int seeThrough = 0, purple = 0;
    for (int y = 0; y < cover.height(); ++y)
        for (int x = 0; x < cover.width(); ++x) seeThrough += cover.pixelColor(x, y) == cover.pixelColor(0, 24);
    for (int y = 0; y < key.height(); ++y)
        for (int x = 0; x < key.width(); ++x) purple += key.pixelColor(x, y) == QColor(0x80, 0x00, 0x80);
    EXPECT_GT(seeThrough, cover.width() * cover.height() / 2);
    EXPECT_LT(seeThrough, cover.width() * cover.height() * 9 / 10);
    EXPECT_GT(purple, 50);
    EXPECT_LE(key.width(), 745);
}
