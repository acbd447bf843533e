// The pictures around the exercise: the figure frame, the toggle faces, the clock
// background, the watch faces and their choices.
#include <cmath>
#include <string>
#include <vector>

#include <QImage>
#include <gtest/gtest.h>

#include "ui/Artwork.h"

namespace {

int Distance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

}  // namespace

TEST(WatchArt, SizesTheScreenRelyOnAndFacesThatDiffer) {
    const std::vector<std::pair<std::string, QSize>> sizes = {
        {"figure_frame", {320, 320}},  {"mf1", {201, 25}},          {"mf2", {201, 25}},
        {"af1", {201, 25}},            {"af2", {201, 25}},          {"clock_background", {161, 153}},
        {"watch_empty_1", {100, 100}}, {"watch_empty_2", {100, 100}}, {"watch_choice_1", {20, 20}},
        {"watch_choice_2", {20, 20}},  {"watch_choice_hide", {20, 20}}};
    for (const auto& [name, size] : sizes) {
        const QImage image = Artwork(name);
        EXPECT_EQ(image.size(), size) << name;
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 255) << name;
    }
    const std::vector<std::vector<std::string>> differ = {
        {"mf1", "mf2", "af1", "af2"}, {"watch_empty_1", "watch_empty_2"},
        {"watch_choice_1", "watch_choice_2", "watch_choice_hide"}};
    for (const auto& group : differ)
        for (size_t i = 0; i < group.size(); ++i)
            for (size_t j = i + 1; j < group.size(); ++j) EXPECT_NE(Artwork(group[i]), Artwork(group[j]));
}

TEST(WatchArt, HandsStandOutOnBothFacesAndFiguresSitOnPlainPaper) {
    // Round the hub, where every hand runs, the dial is far from the hands' colour.
    const QRgb hand = qRgb(0x66, 0x73, 0x94);
    for (const char* name : {"watch_empty_1", "watch_empty_2"}) {
        const QImage face = Artwork(name);
        for (int degrees = 0; degrees < 360; degrees += 15) {
            const double r = degrees * M_PI / 180;
            const QRgb dial = face.pixel(qRound(50 + 15 * std::sin(r)), qRound(50 - 15 * std::cos(r)));
            EXPECT_GE(Distance(dial, hand), 150) << name << " at " << degrees;
        }
    }
    // The frame is plain paper where the picture goes: a small picture sits on it.
    const QImage frame = Artwork("figure_frame");
    const QRgb paper = frame.pixel(156, 157);
    for (int y = 7; y < 307; ++y)
        for (int x = 6; x < 306; ++x) ASSERT_EQ(frame.pixel(x, y), paper) << x << "," << y;
}
