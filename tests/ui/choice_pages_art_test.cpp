// The pictures of the multiple-choice, short-answer and matching pages: each at the
// size its page gives it, the element pictures in their pair colours and all distinct.
#include <string>
#include <vector>

#include <QImage>
#include <gtest/gtest.h>

#include "platform/Graphics.h"
#include "player/ChoiceMarking.h"
#include "ui/Artwork.h"

TEST(ChoicePagesArt, EveryPictureAtItsPlaceSize) {
    std::vector<std::pair<std::string, QSize>> sizes = {
        {"qcm_selected", {41, 46}},         {"qcm_unselected", {41, 46}},       {"qcm_shape_selection", {686, 57}},
        {"qcm_juste", {25, 30}},            {"qo_correct", {30, 30}},           {"qo_incorrect", {30, 30}},
        {"qcc_true", {30, 30}},             {"qcc_false", {30, 30}},            {"Imq_title_answer_QO", {281, 57}},
        {"Imq_title_answers_QO", {281, 57}}, {"Bravo_qo", {137, 41}},           {"qcc_empty", {41, 46}},
        {"right_select_image", {20, 25}},   {"QCC_Association_empty", {100, 423}},
    };
    for (int k = 1; k <= 8; ++k) sizes.push_back({"qcc_right_" + std::to_string(k), {41, 46}});
    for (const auto& [name, size] : sizes) {
        const QImage image = Artwork(name);
        EXPECT_EQ(image.size(), size) << name;
        EXPECT_EQ(ArtworkSize(name), size) << name;
    }
}

TEST(ChoicePagesArt, ElementsInTheirPairColoursAndMarksApart) {
    // The middle of the glossy square's lower half carries the pair colour.
    for (int k = 1; k <= 8; ++k) {
        const QImage element = Artwork("qcc_right_" + std::to_string(k));
        const QColor expected = ToQColor(PairColour(k));
        const QColor seen = element.pixelColor(10, 36);
        EXPECT_LT(std::abs(seen.red() - expected.red()) + std::abs(seen.green() - expected.green()) +
                      std::abs(seen.blue() - expected.blue()), 60) << k;
        for (int m = 1; m < k; ++m) EXPECT_NE(element, Artwork("qcc_right_" + std::to_string(m))) << k << " / " << m;
    }
    EXPECT_NE(Artwork("qo_correct"), Artwork("qo_incorrect"));
    EXPECT_NE(Artwork("Imq_title_answer_QO"), Artwork("Imq_title_answers_QO"));
    EXPECT_NE(Artwork("qcm_selected"), Artwork("qcm_unselected"));
    // The blank association picture is the panel's colour, so that the lines stand alone.
    const QImage blank = Artwork("QCC_Association_empty");
    EXPECT_EQ(blank.pixelColor(50, 200), ToQColor(0xB0968C));
}
