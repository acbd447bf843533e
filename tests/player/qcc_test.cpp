// The matching page: the two columns and their font, the click rules with the marker,
// the pictures and pair lines, the hover frame and the association tooltip, and the
// check with its marks and the solution.
#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>

#include "ChapterFixture.h"
#include "player/ChoiceMarking.h"

namespace {

// Three left elements and four right ones: 1 goes with 2, 2 with 4, 3 with 1.
const char* const kThreeOnFour = "/#Relie chaque calcul à son résultat.#/ /#6 × 7#/ /#9 × 8#/ /#5 × 5#/ /##/ /##/"
                                 " /##/ /##/ /##/ /#2#/ /#4#/ /#1#/ /##/ /##/ /##/ /##/ /##/ /#25#/ /#42#/ /#36#/ /#72#/";

// Left texts 1 and 2, right texts 1 to 3, left 1 with right 1 and left 2 with right 2.
std::string Columns(const char* left2, const char* right3) {
    return std::string("/#Relie.#/ /#un#/ /#") + left2 + "#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#2#/ /##/ /##/ /##/"
           " /##/ /##/ /##/ /#a#/ /#b#/ /#" + right3 + "#/";
}

class MatchingTest : public ChapterTest {
protected:
    void Show(const std::string& utf8Content) { ShowOn(3, &TMainFormEXO::ShowExerciseQCC, utf8Content); }
    void Left(int n) { SendClick(player->left_choice[n]); }
    void Right(int k) { SendClick(player->right_Label[k]); }
    int Check(bool checkOnly = false) { return PointsOf(&TMainFormEXO::CheckQCC, checkOnly); }
    // The partner of each left element from its hint ("." none), its picture checked.
    std::string Pairs() const {
        std::string p;
        for (int n = 1; n <= 8; ++n) {
            const int k = LeadingInt(player->left_choice[n]->Hint());
            const TImage* expected = k > 0 ? player->right_image[k] : player->qcc_empty;
            p += !SamePicture(player->left_image[n], expected) ? '?' : k > 0 ? char('0' + k) : '.';
        }
        return p;
    }
    // "-" idle (hidden, "0", right side), "L3" left 3 waits, "R4" right 4 selected.
    std::string Marker() const {
        const TImage* m = player->right_select_image;
        if (!m->Visible()) return m->Hint() == "0" && m->Left() == 382 ? "-" : "hidden " + m->Hint();
        return (m->Left() == 332 ? "L" : m->Left() == 382 ? "R" : "?") + m->Hint();
    }
    std::string Marks() const { return MarkPattern(player->qcc_mark, player->qcc_true); }
    QColor Pixel(int x, int y) const { return player->QCC_Association->Picture().Image().pixelColor(x, y); }
    // Whether the column x of the association picture shows the line of left n to right k.
    bool Line(int n, int k, int x = 35) const {
        const PairLine l = PairLineOf(n, k);
        const int y = l.y1 + (l.y2 - l.y1) * (x - l.x1) / (l.x2 - l.x1);
        for (int dy = -2; dy <= 2; ++dy)
            if (Pixel(x, y + dy) == ToQColor(PairColour(k))) return true;
        return false;
    }
};

}  // namespace

TEST_F(MatchingTest, ColumnsAndTheirFont) {
    Show(kThreeOnFour);
    std::string shown;
    for (int n = 1; n <= 8; ++n)
        shown += std::string(player->left_Label[n]->Visible() && player->left_image[n]->Visible() ? "L" : ".") +
                 (player->right_Label[n]->Visible() && player->right_image[n]->Visible() ? "R" : ".");
    EXPECT_EQ(shown, "LRLRLR.R........");
    EXPECT_EQ(player->right_Label[4]->Caption(), "72");
    EXPECT_EQ(Pairs() + " " + Marks() + " " + Marker(), "........ ........ -");
    // The clicks over the pictures reach their click areas.
    for (auto [image, target] : {std::pair{player->left_image[2], player->left_choice[2]}, {player->right_image[3], player->right_choice[3]}})
        EXPECT_EQ(player->childAt(image->mapTo(player, QPoint(20, 23))), target);

    // The widest text at 32 pixels sets its whole column to 16 pixels (size 12) past 275.
    const QFontMetrics metrics(player->LabelFormatQCC->Font().ToQFont());
    const char* wide = "le quadrilatère aux côtés égaux";
    const char* fits = "le parallélogramme";
    ASSERT_GT(metrics.boundingRect(ToQString(Ansi(wide))).width(), 275);
    ASSERT_LE(metrics.boundingRect(ToQString(Ansi(fits))).width(), 275);
    const struct { std::string content; int left, right; } fonts[] = {
        {Columns(wide, fits), 16, 32},
        {Columns(fits, wide), 32, 16},
        // A long text of an earlier exercise, now hidden, no longer counts.
        {Columns("", ""), 32, 32},
    };
    for (const auto& f : fonts) {
        Show(f.content);
        for (int n = 1; n <= 8; ++n) {
            EXPECT_EQ(player->left_Label[n]->Font().Height(), f.left) << f.content << n;
            EXPECT_EQ(player->right_Label[n]->Font().Height(), f.right) << f.content << n;
        }
    }
}

TEST_F(MatchingTest, MarkerWalkPairsAndLines) {
    Show(kThreeOnFour);
    Left(2);
    EXPECT_EQ(Marker(), "L2");
    EXPECT_EQ(player->right_select_image->Top(), player->left_choice[2]->Top() + 8);
    Left(3);   // another left element waits instead
    Right(1);  // and pairs with the right element clicked
    EXPECT_EQ(Marker() + " " + Pairs(), "- ..1.....");
    EXPECT_TRUE(Line(3, 1));
    Left(2);
    Left(2);   // the same one again: the wait ends
    SendClick(player->right_choice[4]);
    EXPECT_EQ(Marker(), "R4");
    Right(2);
    Right(2);  // clicked again: deselected
    EXPECT_EQ(Marker(), "-");
    // Two left elements on one right element: both pictures, two lines of its colour.
    Right(1);
    SendClick(player->left_Label[1]);
    EXPECT_EQ(Pairs(), "1.1.....");
    EXPECT_TRUE(Line(1, 1) && Line(3, 1));
    Right(4);
    Left(1);   // a new partner replaces the old one
    EXPECT_EQ(Pairs(), "4.1.....");
    EXPECT_FALSE(Line(1, 1));
    // A paired element clicked with nothing selected is unpaired and does not wait.
    Left(3);
    EXPECT_EQ(Marker() + " " + Pairs(), "- 4.......");
    EXPECT_FALSE(Line(3, 1));

    // Left 7 to right 1: from (1, 324) to (70, 24), 3 pixels wide, on the 100 x 423 bitmap.
    Show("/#Relie.#/ /#a#/ /##/ /##/ /##/ /##/ /##/ /#g#/ /##/ /#1#/ /##/ /##/ /##/ /##/ /##/ /#1#/ /##/ /#x#/");
    Left(7);
    Right(1);
    EXPECT_EQ(player->QCC_Association->Picture().Image().size(), QSize(100, 423));
    for (QPoint on : {QPoint(2, 320), QPoint(35, 174), QPoint(69, 28)}) EXPECT_EQ(Pixel(on.x(), on.y()), ToQColor(PairColour(1)));
    EXPECT_EQ(Pixel(45, 174), ToQColor(player->Panel_Text_QCC->Color()));

    // Loading and checking end a pending selection: no later click is taken by it.
    Right(1);
    Check(true);
    Left(1);
    EXPECT_EQ(Marker(), "L1");
    Show(kThreeOnFour);
    Right(2);
    EXPECT_EQ(Marker(), "R2");
}

TEST_F(MatchingTest, CheckOnlyMarksThenTheSolution) {
    Show(kThreeOnFour);
    Left(1);
    Right(2);  // right
    Left(2);
    Right(3);  // wrong; 3 left alone
    EXPECT_EQ(Check(true), 0);
    EXPECT_EQ(Marks(), "+--.....");
    EXPECT_FALSE(player->QCCverdict->Visible());
    Left(3);   // pairs changed afterwards leave the marks as they were
    Right(1);
    EXPECT_EQ(Marks(), "+--.....");

    EXPECT_EQ(Check(), 6);   // 2 right of 3
    EXPECT_EQ(Marks() + " " + Pairs() + " " + Marker(), "........ 241..... -");
    EXPECT_TRUE(Line(2, 4));
    EXPECT_TRUE(player->QCCverdict->Visible());
    // An element never clicked matches an empty expected number; one clicked does not.
    Show("/#Relie.#/ /#a#/ /#b#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /##/ /##/ /##/ /##/ /##/ /##/ /##/ /#x#/");
    Check(true);
    EXPECT_EQ(Marks(), "-+......");
    Left(2);
    Left(2);
    Check(true);
    EXPECT_EQ(Marks(), "--......");
    // No left element: no point, no verdict.
    Show("/#Rien à relier.#/");
    EXPECT_EQ(Check(), 0);
    EXPECT_FALSE(player->QCCverdict->Visible());
}

TEST_F(MatchingTest, HoverFrameAndAssociationTooltip) {
    Show(kThreeOnFour);
    // The frame stands behind the hovered element's row, on its side.
    ExpectHover(player->left_choice[3], player->left_Label[3], player->qcc_shape_selection,
                {0, player->left_Label[3]->Top() - 4});
    ExpectHover(player->right_Label[2], player->right_Label[2], player->qcc_shape_selection,
                {395, player->right_Label[2]->Top() - 4});
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 40), player->QCC_Association->mapToGlobal(QPointF(5, 40)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(player->QCC_Association, &move);
    EXPECT_EQ(player->QCC_Association->Hint(), "X = 5  Y = 40");
}
