// The choice pages through their own handlers: true or false, multiple choice, short
// answer and matching; what the learner picks, types or pairs, and
// each check with its marks, points and the solution shown (the marks of a whole
// chapter: marking_test).
#include <sstream>

#include <QFontMetrics>

#include "ChapterFixture.h"
#include "Samples.h"
#include "player/ChoiceMarking.h"

namespace {

const char* const kTwelve = "/#Combien font 3 × 4 ?#/ /#12#/";
// Three left elements and four right ones: 1 goes with 2, 2 with 4, 3 with 1.
const char* const kThreeOnFour = "/#Relie chaque calcul à son résultat.#/ /#6 × 7#/ /#9 × 8#/ /#5 × 5#/ /##/ /##/"
                                 " /##/ /##/ /##/ /#2#/ /#4#/ /#1#/ /##/ /##/ /##/ /##/ /##/ /#25#/ /#42#/ /#36#/ /#72#/";

// Left texts 1 and 2, right texts 1 to 3, left 1 with right 1 and left 2 with right 2.
std::string Columns(const char* left2, const char* right3) {
    return std::string("/#Relie.#/ /#un#/ /#") + left2 + "#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#2#/ /##/ /##/ /##/"
           " /##/ /##/ /##/ /#a#/ /#b#/ /#" + right3 + "#/";
}

class ChoicePagesTest : public ChapterTest {
protected:
    void ShowQB(const std::string& utf8Content) { ShowOn(2, &TMainFormEXO::ShowExerciseQB, utf8Content); }
    // True or false: the answers picked ("T", "F"), the boxes ticked, the banner shown.
    std::string Verdict() const {
        auto ticked = [&](TImage* box) { return SamePicture(box, player->qb_img_select); };
        std::string s = player->qb_label_true->Hint() == "selected" ? "T" : ".";
        s += player->qb_label_false->Hint() == "selected" ? "F" : ".";
        s += std::string(" ") + (ticked(player->qb_img_true) ? "T" : ".") + (ticked(player->qb_img_false) ? "F" : ".");
        const TImage* v = player->verdict_qb;
        return s + (!v->Visible() ? "" : SamePicture(v, player->qb_bravo) ? " bravo"
                                       : SamePicture(v, player->qb_faux_vrai) ? " faux-vrai"
                                       : SamePicture(v, player->qb_faux_faux) ? " faux-faux" : " ?");
    }
    void ShowQCM(const std::string& utf8Content) { ShowOn(0, &TMainFormEXO::ShowExerciseQCM, utf8Content); }
    // Per row: "x" ticked, "o" shown ticked by the solution only, "." neither; then
    // after a blank, "+" right mark, "-" wrong mark, "." none.
    std::string Rows() const {
        std::string ticks, marks;
        for (int n = 1; n <= 8; ++n) {
            const bool hint = player->choix[n]->Hint() == "1";
            const bool picture = SamePicture(player->Image_choix[n], player->qcm_selected);
            ticks += hint && picture ? 'x' : picture ? 'o' : hint ? '?' : '.';
            const bool right = player->juste[n]->Visible(), wrong = player->faux[n]->Visible();
            marks += right && wrong ? '?' : right ? '+' : wrong ? '-' : '.';
        }
        return ticks + " " + marks;
    }
    void ShowQO(const std::string& utf8Content) { ShowOn(1, &TMainFormEXO::ShowExerciseQO, utf8Content); }
    void Type(int box, const char* utf8) { player->qo_answer[box]->SetText(Ansi(utf8)); }
    // The boxes shown ("o") or not ("."), then their marks.
    std::string Boxes() const {
        std::string b;
        for (int n = 1; n <= 4; ++n) b += player->qo_answer[n]->Visible() ? 'o' : '.';
        return b + " " + MarkPattern(player->qo_img_rep, player->qo_correct);
    }
    // The "bravo" as the learner sees it (its panel shown too).
    bool BravoSeen() const { return player->Bravo_qo->isVisible(); }
    void ShowQCC(const std::string& utf8Content) { ShowOn(3, &TMainFormEXO::ShowExerciseQCC, utf8Content); }
    // Clicks "L3" on left element 3, "R2" on right element 2 (their texts: "l3", "r2").
    void Click(const std::string& clicks) {
        std::istringstream in(clicks);
        for (std::string c; in >> c;) {
            const int n = c[1] - '0';
            SendClick(c[0] == 'L' ? player->left_choice[n] : c[0] == 'l' ? player->left_Label[n]
                      : c[0] == 'R' ? player->right_choice[n] : player->right_Label[n]);
        }
    }
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
    // The marker, the pairs, then the pair lines drawn ("3-1": left 3 to right 1).
    std::string Matching() const {
        std::string s = Marker() + " " + Pairs();
        for (int n = 1; n <= 8; ++n)
            for (int k = 1; k <= 8; ++k)
                if (Line(n, k)) s += " " + std::to_string(n) + "-" + std::to_string(k);
        return s;
    }
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

TEST_F(ChoicePagesTest, TrueFalsePointsBannersAndTheAnswerShown) {
    const struct { const char* content; TLabel* pick; int points; const char* after; } cases[] = {
        {"/#Vrai ?#/ /#1#/", player->qb_label_true, 10, "T. T. bravo"},
        {"/#Vrai ?#/ /#1#/", player->qb_label_false, 4, ".F .F faux-vrai"},
        {"/#Vrai ?#/ /#1#/", nullptr, 2, ".. T."},   // nothing picked: the right answer ticked
        {"/#Faux ?#/ /# 0 #/", player->qb_label_false, 10, ".F .F bravo"},
        {"/#Faux ?#/ /#0#/", player->qb_label_true, 4, "T. T. faux-faux"},
        {"/#Faux ?#/ /#0#/", nullptr, 2, ".. .F"},
        // Any other expected answer is never right; "faux" is the answer shown.
        {"/#Oui ?#/ /#oui#/", player->qb_label_true, 4, "T. T. faux-faux"},
        {"/#Vide ?#/ /##/", player->qb_label_false, 4, ".F .F faux-vrai"},
        {"", nullptr, 2, ".. .F"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.content) + (c.pick ? c.pick->Caption() : " -"));
        ShowQB(c.content);   // after the check of the case before
        EXPECT_EQ(Verdict(), ".. ..");
        if (c.pick) SendClick(c.pick);
        EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQB), c.points);
        EXPECT_EQ(Verdict(), c.after);
    }
}

TEST_F(ChoicePagesTest, MultipleChoiceChoicesShownAndTheSingleAnswerRule) {
    ShowQCM(kTwoCorrect);
    SendClick(player->choix[1]);
    PointsOf(&TMainFormEXO::CheckQCM);
    // Choice 2 is empty: its row stays empty and its correctness flag does not count,
    // so the one correct shown choice makes a single-answer question.
    ShowQCM("/#Quel nombre est pair ?#/ /#7#/ /##/ /#10#/ /#13#/ /##/ /##/ /##/ /##/ /#0#/ /#1#/ /#1#/ /#x#/");
    std::string shown;
    for (int n = 1; n <= 8; ++n) shown += player->Label_choix[n]->Visible() && player->choix[n]->Visible() ? 'o' : '.';
    EXPECT_EQ(shown, "o.oo....");
    EXPECT_EQ(player->Label_choix[3]->Caption(), "10");
    EXPECT_EQ(Rows(), "........ ........");
    EXPECT_FALSE(player->QCMverdict->Visible());
    SendClick(player->choix[1]);
    SendClick(player->Label_choix[3]);
    SendClick(player->choix[3]);   // the ticked choice stays ticked
    EXPECT_EQ(Rows(), "..x..... ........");
    // Two correct choices, or none: each click toggles.
    for (const char* content : {kTwoCorrect, "/#?#/ /#a#/ /#b#/ /#c#/ /##/ /##/ /##/ /##/ /##/ /#0#/ /#0#/ /#0#/"}) {
        ShowQCM(content);
        for (TLabel* l : {player->choix[1], player->Label_choix[3], player->Label_choix[1]}) SendClick(l);
        EXPECT_EQ(Rows(), "..x..... ........") << content;
    }
    // No choice at all: nothing shown, and no point rather than a division by zero.
    ShowQCM("");
    EXPECT_FALSE(player->Label_choix[1]->Visible());
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQCM), 0);
}

TEST_F(ChoicePagesTest, MultipleChoicePointsMarksAndTheSolution) {
    // Ticks on the four choices; the rows after the check; the points.
    const struct { const char* tick; const char* rows; int points; } cases[] = {
        {".x.x", ".x.x.... .+.+....", 10},
        {".x..", ".x.o.... .+......", 7},    // the missed one shown ticked, unmarked
        {"xx..", "xx.o.... -+......", 5},
        {"....", ".o.o.... ........", 2},    // nothing ticked: 2 right halved
        {"xxxx", "xxxx.... -+-+....", 2},    // everything ticked: 2 right halved
    };
    for (const auto& c : cases) {
        ShowQCM(kTwoCorrect);
        for (int n = 1; n <= 4; ++n)
            if (c.tick[n - 1] == 'x') SendClick(player->Label_choix[n]);
        EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQCM), c.points) << c.tick;
        EXPECT_EQ(Rows(), c.rows) << c.tick;
        EXPECT_TRUE(player->QCMverdict->Visible());
    }
    // As VERIFIER checks: only the ticked choices are marked; the marks stay while the
    // ticks change.
    ShowQCM(kTwoCorrect);
    SendClick(player->choix[1]);
    SendClick(player->choix[2]);
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQCM, true), 0);
    SendClick(player->choix[1]);
    EXPECT_EQ(Rows(), ".x...... -+......");
    EXPECT_FALSE(player->QCMverdict->Visible());
    // Clicks on the text, on the tick box and on a wrong mark's stroke reach the row.
    const std::pair<TControl*, TControl*> hits[] = {
        {player->Label_choix[2], player->Label_choix[2]}, {player->Image_choix[2], player->choix[2]},
        {player->faux[1], player->Label_choix[1]}};
    for (const auto& [over, target] : hits)
        EXPECT_EQ(player->childAt(over->mapTo(player, QPoint(over->Width() / 2, over->Height() / 2))), target);
}

TEST_F(ChoicePagesTest, ShortAnswerProblemBoxesThenASingleAnswer) {
    // Prompts for boxes 1 and 3 only.
    ShowQO("[1] /#Le libraire.#/ /#Reçus#/ /##/ /#Restants#/ /##/ /#144#/ /##/ /#86#/ /##/");
    EXPECT_EQ(player->qo_statement->Hint(), "probleme");
    EXPECT_EQ(Boxes(), "o.o. ....");
    EXPECT_EQ(player->qo_answer[3]->EditLabel()->Caption(), "Restants");
    Type(1, "144 livres");
    Type(3, "90");
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQO), 6);   // (10 + 3) / 2
    EXPECT_EQ(Boxes(), "o.o. +.-.");
    EXPECT_EQ(player->qo_right_answer[1]->Caption() + " " + player->qo_right_answer[3]->Caption(), "1. 144 3. 86");
    EXPECT_TRUE(player->qo_right_answer[1]->isVisible() && player->qo_right_answer[3]->isVisible());
    EXPECT_FALSE(player->qo_right_answer[2]->Visible() || player->qo_right_main_answer->Visible());
    EXPECT_TRUE(BravoSeen());   // the first box is right

    // A "qo" after the problem: the single box, empty, and nothing of the problem left.
    ShowQO(kTwelve);
    EXPECT_EQ(player->qo_statement->Hint(), "qo");
    EXPECT_EQ(Boxes(), "o... ....");
    EXPECT_EQ(player->qo_answer[1]->EditLabel()->Caption(), Ansi("Réponse"));
    EXPECT_EQ(player->qo_answer[1]->Text(), "");
    EXPECT_FALSE(player->Panel_answer_QO->Visible() || player->qo_right_answer[3]->Visible() || player->Bravo_qo->Visible());
    // A problem without any prompt shows no box and gives no point.
    ShowQO("[1] /#Rien.#/ /##/ /##/ /##/ /##/ /#1#/");
    EXPECT_EQ(Boxes(), ".... ....");
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQO), 0);
}

TEST_F(ChoicePagesTest, ShortAnswerLenientComparisonThroughTheCheck) {
    // Blanks and case do not count, nor what follows the first number; the upper case
    // is the Windows-1252 one (é equals É, not E).
    const struct { const char* expected; const char* typed; int points; } cases[] = {
        {"12", "12", 10},      {"12", " 1 2 ", 10},    {"12", "12 cm", 10},       {"12", "12.0", 10},
        {"12", "douze", 3},    {"12", "012", 3},       {"12", "", 1},             {"3,5 cm", "3,5", 10},
        {"3,5", "3.5", 3},     {"X = 4", "x=4", 10},   {"4", "x=4", 3},           {"", "  ", 10},
        {"lechat", "Le Chat", 10}, {"éléphant", "ÉLÉPHANT", 10}, {"éléphant", "ELEPHANT", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " / " + c.expected);
        ShowQO(std::string("/#?#/ /#") + c.expected + "#/");
        Type(1, c.typed);
        EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQO), c.points);
        EXPECT_EQ(Boxes(), c.points == 10 ? "o... +..." : "o... -...");
        EXPECT_EQ(player->qo_right_main_answer->Caption(), Ansi(c.expected));
        EXPECT_EQ(BravoSeen(), c.points == 10);
        EXPECT_EQ(player->qo_answer[1]->Text(), Ansi(c.typed));   // the answer stays as typed
    }
}

TEST_F(ChoicePagesTest, ShortAnswerProblemShowsEveryExpectedAnswerOnThePage) {
    // Whether the whole of w shows: inside each of its parents up to the page.
    const QWidget* page = player->TabSheet2;
    auto wholly = [&](const QWidget* w) {
        const QRect r(w->mapTo(page, QPoint()), w->size());
        for (const QWidget* p = w->parentWidget(); p != page; p = p->parentWidget())
            if (!QRect(p->mapTo(page, QPoint()), p->size()).contains(r)) return false;
        return page->rect().contains(r);
    };
    const char* const word = "Un libraire reçoit six cartons de vingt-quatre livres ";
    std::string five;
    for (int i = 0; i < 6; ++i) five += word;
    const struct { std::string statement; int lines; bool below; } cases[] = {
        {"Le libraire.", 1, true},
        {"Un libraire reçoit 6 cartons de 24 livres pour la rentrée. Il en vend 58 le lundi, 20 le "
         "mardi et range le reste. Combien en a-t-il reçu, vendu, et combien en reste-t-il ?", 3, false},
        {five + "?", 5, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        ShowQO("[1] /#" + c.statement + "#/ /#Reçus :#/ /#Lundi :#/ /#Mardi :#/ /#Restants :#/ /#144#/ /#58#/ /#20#/ /#66#/");
        ASSERT_EQ(player->qo_statement->Height() / 37, c.lines);
        Type(1, "144");
        PointsOf(&TMainFormEXO::CheckQO);
        for (int n = 1; n <= 4; ++n) {
            EXPECT_TRUE(player->qo_right_answer[n]->isVisible()) << n;
            EXPECT_TRUE(wholly(player->qo_right_answer[n])) << n;
            // Nor do they hide a box or its mark.
            for (QWidget* w : std::initializer_list<QWidget*>{player->qo_answer[n], player->qo_img_rep[n]})
                EXPECT_FALSE(w->geometry().intersects(player->Panel_answer_QO->geometry())) << n;
        }
        EXPECT_TRUE(wholly(player->Label_title_answer_QO) && BravoSeen() && wholly(player->Bravo_qo));
        // Under a short statement they stand where they always did, under the boxes.
        const QRect line3 = player->qo_right_answer[3]->geometry();
        EXPECT_EQ(line3.topLeft() == QPoint(77, 504) && player->Panel_answer_QO->Top() == 288, c.below);
    }
}

TEST_F(ChoicePagesTest, ShortAnswerVerifierMarksOnlyAndTheBravoBlinks) {
    ShowQO(kTwelve);
    Type(1, "12");
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQO, true), 0);
    EXPECT_EQ(Boxes(), "o... +...");
    EXPECT_FALSE(player->Panel_answer_QO->Visible() || BravoSeen());
    PointsOf(&TMainFormEXO::CheckQO);
    ASSERT_TRUE(BravoSeen());
    // Hidden, shown, hidden, shown, then shown for good; the sixth tick stops the timer.
    for (bool seen : {false, true, false, true, true}) {
        player->TimerBravo->Fire();
        EXPECT_EQ(BravoSeen(), seen);
    }
    EXPECT_TRUE(player->TimerBravo->Enabled());
    player->TimerBravo->Fire();
    EXPECT_FALSE(player->TimerBravo->Enabled());
    // The next exercise stops a running count at its next tick.
    PointsOf(&TMainFormEXO::CheckQO);
    ShowQO(kTwelve);
    player->TimerBravo->Fire();
    EXPECT_FALSE(player->TimerBravo->Enabled() || player->Bravo_qo->Visible());
}

TEST_F(ChoicePagesTest, MatchingColumnsAndTheirFont) {
    ShowQCC(kThreeOnFour);
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
        ShowQCC(f.content);
        for (int n = 1; n <= 8; ++n) {
            EXPECT_EQ(player->left_Label[n]->Font().Height(), f.left) << f.content << n;
            EXPECT_EQ(player->right_Label[n]->Font().Height(), f.right) << f.content << n;
        }
    }
}

TEST_F(ChoicePagesTest, MatchingMarkerWalkPairsAndLines) {
    ShowQCC(kThreeOnFour);
    const struct { const char* clicks; const char* after; } steps[] = {
        {"L2", "L2 ........"},
        // Another left element waits instead, and pairs with the right element clicked.
        {"L3 r1", "- ..1..... 3-1"},
        // The same one again: the wait ends; a right element waits, and ends likewise.
        {"L2 L2 R4", "R4 ..1..... 3-1"},
        {"r2 r2", "- ..1..... 3-1"},
        // Two left elements on one right element: both pictures, two lines of its colour.
        {"r1 l1", "- 1.1..... 1-1 3-1"},
        // A new partner replaces the old one.
        {"r4 L1", "- 4.1..... 1-4 3-1"},
        // A paired element clicked with nothing selected is unpaired and does not wait.
        {"L3", "- 4....... 1-4"},
    };
    for (const auto& step : steps) {
        Click(step.clicks);
        EXPECT_EQ(Matching(), step.after) << step.clicks;
    }

    // Left 7 to right 1: from (1, 324) to (70, 24), 3 pixels wide, on the 100 x 423 bitmap.
    ShowQCC("/#Relie.#/ /#a#/ /##/ /##/ /##/ /##/ /##/ /#g#/ /##/ /#1#/ /##/ /##/ /##/ /##/ /##/ /#1#/ /##/ /#x#/");
    Click("L7 r1");
    EXPECT_EQ(player->QCC_Association->Picture().Image().size(), QSize(100, 423));
    for (QPoint on : {QPoint(2, 320), QPoint(35, 174), QPoint(69, 28)}) EXPECT_EQ(Pixel(on.x(), on.y()), ToQColor(PairColour(1)));
    EXPECT_EQ(Pixel(45, 174), ToQColor(player->Panel_Text_QCC->Color()));

    // Loading and checking end a pending selection: no later click is taken by it.
    Click("r1");
    PointsOf(&TMainFormEXO::CheckQCC, true);
    Click("L1");
    EXPECT_EQ(Marker(), "L1");
    ShowQCC(kThreeOnFour);
    Click("r2");
    EXPECT_EQ(Marker(), "R2");
}

TEST_F(ChoicePagesTest, MatchingCheckOnlyMarksThenTheSolution) {
    ShowQCC(kThreeOnFour);
    Click("L1 r2 L2 r3");   // right, wrong; 3 left alone
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQCC, true), 0);
    EXPECT_EQ(Marks(), "+--.....");
    EXPECT_FALSE(player->QCCverdict->Visible());
    Click("L3 r1");   // pairs changed afterwards leave the marks as they were
    EXPECT_EQ(Marks(), "+--.....");
    // The solution replays the pairs; 2 right of 3.
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQCC), 6);
    EXPECT_EQ(Marks() + " " + Matching(), "........ - 241..... 1-2 2-4 3-1");
    EXPECT_TRUE(player->QCCverdict->Visible());
    // An element never clicked matches an empty expected number; one clicked does not.
    ShowQCC("/#Relie.#/ /#a#/ /#b#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /##/ /##/ /##/ /##/ /##/ /##/ /##/ /#x#/");
    PointsOf(&TMainFormEXO::CheckQCC, true);
    EXPECT_EQ(Marks(), "-+......");
    Click("L2 L2");
    PointsOf(&TMainFormEXO::CheckQCC, true);
    EXPECT_EQ(Marks(), "--......");
    // No left element: no point, no verdict.
    ShowQCC("/#Rien à relier.#/");
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQCC), 0);
    EXPECT_FALSE(player->QCCverdict->Visible());
}
