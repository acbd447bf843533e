// The watch faces: the hands stand out on both.
#include <cmath>

#include <QImage>
#include <gtest/gtest.h>

#include "ui/Artwork.h"

TEST(WatchArt, HandsStandOutOnBothFaces) {
    // Round the hub, where every hand runs, the dial is far from the hands' colour.
    const QRgb hand = qRgb(0x66, 0x73, 0x94);
    for (const char* name : {"watch_empty_1", "watch_empty_2"}) {
        const QImage face = Artwork(name);
        ASSERT_EQ(face.size(), QSize(100, 100));
        for (int degrees = 0; degrees < 360; degrees += 15) {
            const double r = degrees * M_PI / 180;
            const QRgb dial = face.pixel(qRound(50 + 15 * std::sin(r)), qRound(50 - 15 * std::cos(r)));
            const int distance = std::abs(qRed(dial) - qRed(hand)) + std::abs(qGreen(dial) - qGreen(hand)) +
                                 std::abs(qBlue(dial) - qBlue(hand));
            EXPECT_GE(distance, 150) << name << " at " << degrees;
        }
    }
    EXPECT_NE(Artwork("watch_empty_1"), Artwork("watch_empty_2"));
}
