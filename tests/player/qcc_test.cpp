// The matching page: the two columns and their font, the click rules with the marker,
// the pictures and pair lines, the hover frame and the association tooltip, the check
// with its marks and the solution, and a chapter played through.
#include <string>

#include <QApplication>
#include <QFontMetrics>
#include <QMouseEvent>

#include "ChapterFixture.h"
#include "player/ChoiceMarking.h"

namespace {

// Three left elements and four right ones: 1 goes with 2, 2 with 4, 3 with 1.
const char* const kThreeOnFour = "/#Relie chaque calcul à son résultat.#/"
                                 " /#6 × 7#/ /#9 × 8#/ /#5 × 5#/ /##/ /##/ /##/ /##/ /##/"
                                 " /#2#/ /#4#/ /#1#/ /##/ /##/ /##/ /##/ /##/"
                                 " /#25#/ /#42#/ /#36#/ /#72#/";

// Eight pairs: left n goes with right 9 - n.
std::string EightPairs() {
    std::string c = "/#Relie chaque nombre à son double.#/";
    for (int n = 1; n <= 8; ++n) c += " /#" + std::to_string(n) + "#/";
    for (int n = 1; n <= 8; ++n) c += " /#" + std::to_string(9 - n) + "#/";
    for (int k = 1; k <= 8; ++k) c += " /#" + std::to_string(2 * (9 - k)) + "#/";
    return c;
}

class MatchingTest : public ChapterTest {
protected:
    void Show(const std::string& utf8Content) {
        OpenPage(3);
        player->ShowExerciseQCC(Ansi(utf8Content.c_str()));
    }
    void Left(int n) { SendClick(player->left_choice[n]); }
    void Right(int k) { SendClick(player->right_Label[k]); }
    int Check(bool checkOnly = false) { return PointsOf(&TMainFormEXO::CheckQCC, checkOnly); }
    // The partner of each left element 1..8 from its hint, with its picture checked:
    // a digit, or "." unpaired.
    std::string Pairs() const {
        std::string p;
        for (int n = 1; n <= 8; ++n) {
            const int k = LeadingInt(player->left_choice[n]->Hint());
            const TImage* expected = k > 0 ? player->right_image[k] : player->qcc_empty;
            p += !SamePicture(player->left_image[n], expected) ? '?' : k > 0 ? char('0' + k) : '.';
        }
        return p;
    }
    // The marker: "-" idle (hidden, hint "0", on the right side), "L3" left 3 waits,
    // "R4" right 4 selected; with its place checked against the element.
    std::string Marker() const {
        TImage* m = player->right_select_image;
        const AnsiString hint = m->Hint();
        if (!m->Visible()) return hint == "0" && m->Left() == 382 ? "-" : "hidden " + hint + " at " + std::to_string(m->Left());
        const int n = LeadingInt(hint);
        if (m->Left() == 332 && m->Top() == player->left_choice[n]->Top() + 8) return "L" + hint;
        if (m->Left() == 382 && m->Top() == player->right_Label[n]->Top() + 8) return "R" + hint;
        return "misplaced " + hint;
    }
    // Per left element: "+" right mark, "-" wrong mark, "." none.
    std::string Marks() const { return MarkPattern(player->qcc_mark, player->qcc_true); }
    QColor Pixel(int x, int y) const { return player->QCC_Association->Picture().Image().pixelColor(x, y); }
    // Whether a line of colour k crosses the column x between the rows of left n and right m.
    bool LineCrosses(int x, int n, int m, int k) const {
        const PairLine l = PairLineOf(n, m);
        const int y = l.y1 + (l.y2 - l.y1) * (x - l.x1) / (l.x2 - l.x1);
        for (int dy = -2; dy <= 2; ++dy)
            if (Pixel(x, y + dy) == ToQColor(PairColour(k))) return true;
        return false;
    }
    bool Blank() const {
        return player->QCC_Association->Picture().Image() == player->QCC_Association_empty->Picture().Image();
    }
};

}  // namespace

TEST_F(MatchingTest, ColumnsOfThreeAndFour) {
    Show(EightPairs());
    Left(1);
    Right(1);
    Check(true);
    Show(kThreeOnFour);
    EXPECT_EQ(player->qcc_statement->Caption(), Ansi("Relie chaque calcul à son résultat."));
    EXPECT_EQ(player->qcc_statement->Width(), 750);
    for (int n = 1; n <= 8; ++n) {
        SCOPED_TRACE(n);
        for (TControl* c : std::initializer_list<TControl*>{player->left_Label[n], player->left_choice[n], player->left_image[n]})
            EXPECT_EQ(c->Visible(), n <= 3);
        for (TControl* c : std::initializer_list<TControl*>{player->right_Label[n], player->right_choice[n], player->right_image[n]})
            EXPECT_EQ(c->Visible(), n <= 4);
        EXPECT_EQ(player->right_Label[n]->Hint(), std::to_string(n));
        EXPECT_EQ(player->left_choice[n]->Hint(), "");
    }
    EXPECT_EQ(player->left_Label[2]->Caption(), Ansi("9 × 8"));
    EXPECT_EQ(player->right_Label[4]->Caption(), "72");
    EXPECT_EQ(player->left_Label[1]->Hint(), "2");
    EXPECT_EQ(player->left_Label[4]->Hint(), "");
    EXPECT_EQ(Pairs(), "........");
    EXPECT_EQ(Marks(), "........");
    EXPECT_EQ(Marker(), "-");
    EXPECT_TRUE(Blank());
    EXPECT_FALSE(player->QCCverdict->Visible());
    EXPECT_EQ(player->Panel_Text_QCC->Top(), player->qcc_statement->Top() + player->qcc_statement->Height() + 27);
    // The clicks over the pictures reach their click areas.
    for (TImage* image : {player->left_image[2], player->right_image[3]}) {
        const QPoint at = image->mapTo(player, QPoint(20, 23));
        EXPECT_EQ(ClickAt(player, at.x(), at.y()), image == player->left_image[2] ? player->left_choice[2] : player->right_choice[3]);
    }
}

TEST_F(MatchingTest, MarkerWalkAndPairs) {
    Show(EightPairs());
    Left(2);
    EXPECT_EQ(Marker(), "L2");
    SendEnter(player->right_choice[6]);
    SaveScreen("qcc_marker.png");
    SendLeave(player->right_choice[6]);
    EXPECT_EQ(player->left_choice[2]->Hint(), "0");
    Left(5);                                   // another left element waits instead
    EXPECT_EQ(Marker(), "L5");
    Right(3);                                  // and pairs with the right element clicked
    EXPECT_EQ(Marker(), "-");
    EXPECT_EQ(Pairs(), "....3...");
    EXPECT_TRUE(LineCrosses(35, 5, 3, 3));
    Left(2);
    Left(2);                                   // the same one again: the wait ends
    EXPECT_EQ(Marker(), "-");
    EXPECT_EQ(Pairs(), "....3...");

    SendClick(player->right_choice[4]);        // a right element first
    EXPECT_EQ(Marker(), "R4");
    Right(6);
    EXPECT_EQ(Marker(), "R6");
    Right(6);                                  // clicked again: deselected
    EXPECT_EQ(Marker(), "-");
    Right(4);
    SendClick(player->left_Label[1]);
    EXPECT_EQ(Marker(), "-");
    EXPECT_EQ(Pairs(), "4...3...");
    Right(7);
    Left(1);                                   // a new partner replaces the old one
    EXPECT_EQ(Pairs(), "7...3...");
    EXPECT_FALSE(LineCrosses(35, 1, 4, 4));
    EXPECT_TRUE(LineCrosses(35, 1, 7, 7));

    // A paired element clicked with nothing selected is unpaired, and does not wait.
    Left(5);
    EXPECT_EQ(Pairs(), "7.......");
    EXPECT_EQ(Marker(), "-");
    EXPECT_FALSE(LineCrosses(35, 5, 3, 3));
    EXPECT_EQ(player->left_choice[5]->Hint(), "0");
}

TEST_F(MatchingTest, LinesInThePairColours) {
    Show(EightPairs());
    // Two left elements on one right element: both show its picture and a line of its colour.
    for (int n : {1, 3}) {
        Left(n);
        Right(2);
    }
    EXPECT_EQ(Pairs(), "2.2.....");
    EXPECT_TRUE(LineCrosses(35, 1, 2, 2));
    EXPECT_TRUE(LineCrosses(35, 3, 2, 2));
    // Left 7 to right 1: from (1, 324) to (70, 24), 3 pixels wide, on the 100 x 423 bitmap.
    Left(7);
    Right(1);
    EXPECT_EQ(player->QCC_Association->Picture().Image().size(), QSize(100, 423));
    EXPECT_EQ(Pixel(2, 320), ToQColor(PairColour(1)));
    EXPECT_EQ(Pixel(69, 28), ToQColor(PairColour(1)));
    EXPECT_EQ(Pixel(35, 174), ToQColor(PairColour(1)));
    EXPECT_EQ(Pixel(45, 174), ToQColor(player->Panel_Text_QCC->Color()));
    // Every pair colour draws its own line.
    for (int k = 4; k <= 8; ++k) {
        Right(k);
        Left(k - 2);
        EXPECT_TRUE(LineCrosses(20, k - 2, k, k)) << k;
    }
    // Unpairing them all leaves the blank bitmap.
    for (int n = 1; n <= 7; ++n)
        if (player->left_choice[n]->Hint() != "0" && !player->left_choice[n]->Hint().empty()) Left(n);
    EXPECT_EQ(Pairs(), "........");
    EXPECT_TRUE(Blank());
}

TEST_F(MatchingTest, TheWidestTextSetsTheFontOfItsColumn) {
    const QFontMetrics metrics(player->LabelFormatQCC->Font().ToQFont());
    auto width = [&](const char* utf8) { return metrics.boundingRect(ToQString(Ansi(utf8))).width(); };
    const char* wide = "le quadrilatère aux côtés égaux";   // about 300 pixels at 32
    const char* fits = "le parallélogramme";
    ASSERT_GT(width(wide), 275);
    ASSERT_LE(width(fits), 275);
    auto content = [](const char* left2, const char* right3) {
        return std::string("/#Relie.#/ /#un#/ /#") + left2 + "#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#2#/ /##/ /##/ /##/"
               " /##/ /##/ /##/ /#a#/ /#b#/ /#" + right3 + "#/";
    };
    auto heights = [&](const Numbered<TLabel>& column) {
        std::string h;
        for (int n = 1; n <= 8; ++n) h += std::to_string(column[n]->Font().Height()) + " ";
        return h;
    };
    const std::string small = "16 16 16 16 16 16 16 16 ", full = "32 32 32 32 32 32 32 32 ";
    Show(content(wide, fits));
    EXPECT_EQ(heights(player->left_Label), small);
    EXPECT_EQ(heights(player->right_Label), full);
    Show(content(fits, wide));
    EXPECT_EQ(heights(player->left_Label), full);
    EXPECT_EQ(heights(player->right_Label), small);
    // A long text of an earlier exercise, now hidden, no longer counts.
    Show(content("deux", "c"));
    Show("/#Relie.#/ /#un#/ /##/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /##/ /##/ /##/ /##/ /##/ /##/ /##/ /#a#/");
    EXPECT_EQ(heights(player->left_Label), full);
    EXPECT_EQ(heights(player->right_Label), full);
}

TEST_F(MatchingTest, CheckOnlyMarksThenTheSolution) {
    Show(kThreeOnFour);
    Left(1);
    Right(2);   // right
    Left(2);
    Right(3);   // wrong
    // Element 3 left alone.
    player->ExoMark = -1;
    player->ExoChecked = 1;
    player->CheckQCC();
    EXPECT_EQ(player->ExoMark, -1);
    EXPECT_EQ(Marks(), "+--.....");
    EXPECT_FALSE(player->QCCverdict->Visible());
    // Pairs changed afterwards leave the marks as they were.
    Left(3);
    Right(1);
    EXPECT_EQ(Marks(), "+--.....");
    EXPECT_EQ(Pairs(), "231.....");

    EXPECT_EQ(Check(), 6);   // 2 right of 3
    EXPECT_EQ(Marks(), "........");
    EXPECT_EQ(Pairs(), "241.....");
    EXPECT_TRUE(LineCrosses(35, 2, 4, 4));
    EXPECT_EQ(Marker(), "-");
    EXPECT_TRUE(player->QCCverdict->Visible());
    // An element never clicked matches an empty expected number; one that waited does not.
    Show("/#Relie.#/ /#a#/ /#b#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /##/ /##/ /##/ /##/ /##/ /##/ /##/ /#x#/");
    EXPECT_EQ(Check(true), 0);
    EXPECT_EQ(Marks(), "-+......");
    Left(2);
    Left(2);
    Check(true);
    EXPECT_EQ(Marks(), "--......");
    // No left element: marks only, no point, no verdict, no solution.
    Show("/#Rien à relier.#/");
    EXPECT_EQ(Check(), 0);
    EXPECT_FALSE(player->QCCverdict->Visible());
}

TEST_F(MatchingTest, LoadingAndCheckingEndAPendingSelection) {
    Show(kThreeOnFour);
    Right(3);
    Check(true);
    EXPECT_EQ(Marker(), "-");
    Left(1);                                   // waits rather than pairing with 3
    EXPECT_EQ(Marker(), "L1");
    EXPECT_EQ(Pairs(), "........");
    Show(kThreeOnFour);
    EXPECT_EQ(Marker(), "-");
    Right(2);                                  // selects rather than being ignored
    EXPECT_EQ(Marker(), "R2");
    Show(kThreeOnFour);
    Left(1);
    EXPECT_EQ(Marker(), "L1");
}

TEST_F(MatchingTest, HoverFrameAndAssociationTooltip) {
    Show(kThreeOnFour);
    TShape* frame = player->qcc_shape_selection;
    SendEnter(player->left_choice[3]);
    EXPECT_TRUE(frame->Visible());
    EXPECT_EQ(std::make_pair(frame->Left(), frame->Top()), std::make_pair(0, player->left_Label[3]->Top() - 4));
    EXPECT_EQ(player->left_Label[3]->Font().Color(), clBlue);
    SendLeave(player->left_choice[3]);
    EXPECT_FALSE(frame->Visible());
    EXPECT_EQ(player->left_Label[3]->Font().Color(), clBlack);
    SendEnter(player->right_Label[2]);
    EXPECT_EQ(std::make_pair(frame->Left(), frame->Top()), std::make_pair(395, player->right_Label[2]->Top() - 4));
    SendLeave(player->right_Label[2]);
    EXPECT_EQ(player->right_Label[2]->Font().Color(), clBlack);

    QMouseEvent move(QEvent::MouseMove, QPointF(5, 40), player->QCC_Association->mapToGlobal(QPointF(5, 40)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(player->QCC_Association, &move);
    EXPECT_EQ(player->QCC_Association->Hint(), "X = 5  Y = 40");
    EXPECT_TRUE(player->QCC_Association->ShowHint());
}

// Eight pairs checked with VERIFIER, one changed, then corrected. With
// PLAYER_SCREENSHOT_DIR set, the checked and corrected screens are saved.
TEST_F(MatchingTest, PlayAChapter) {
    SetExercises({Exo("N1", 4, "41", EightPairs()), Exo("N1", 4, "42", kThreeOnFour)});
    OpenChapter();
    ASSERT_EQ(ActivePage(), 3);
    SendClick(player->AfficherNote);
    for (int n = 1; n <= 8; ++n) {
        Left(n);
        Right(n <= 6 ? 9 - n : n);   // 7 and 8 wrong
    }
    SendClick(player->LabelVerification);
    EXPECT_EQ(Marks(), "++++++--");
    SaveScreen("qcc_verifier.png");
    SendClick(player->LabelCorriger);
    EXPECT_EQ(Pairs(), "87654321");
    EXPECT_TRUE(SamePicture(player->QCCverdict, player->PasMal));
    SaveScreen("qcc_corriger.png");

    SendClick(player->LabelSuivant);
    for (auto [n, k] : {std::pair{1, 2}, {2, 4}, {3, 1}}) {
        Right(k);
        Left(n);
    }
    SendClick(player->LabelCorriger);
    EXPECT_TRUE(SamePicture(player->QCCverdict, player->ToutBon));
    // 6 of 8 after VERIFIER: 7 - 1 + 1; all three right: 10.
    EXPECT_EQ(Traced("ExoNote"), std::vector<std::string>({"7", "10"}));
    EXPECT_EQ(Traced("ExoType"), std::vector<std::string>({"QCC", "QCC"}));
}
