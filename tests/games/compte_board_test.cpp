// The numbers board: draws within the bounds, tokens in the slots, the three verdicts
// and the trace records, the solution, draws that give no target, wide numbers inside
// their tiles, the bound fields and the rules panel.
#include <algorithm>

#include "GamesFixture.h"
#include "ui/ArtParts.h"

namespace {

using Texts = std::vector<std::string>;

const char* const kNoTarget = "Pas de compte: nouveau tirage ou autres bornes!";

// Bounds 2 and 20, three numbers from the bounds (12, 7, 3) and the small 4: the
// generator then takes them in order and gives 12*7 - 3*4 = 72.
const std::deque<int> kFourNumbers = {0, 10, 5, 1, 2};

class CompteTest : public GamesTest {
protected:
    void SetUp() override {
        GamesTest::SetUp();
        OpenGames();
        SendClick(games->Label17);
    }
    void Draw(std::deque<int> script) {
        ScriptDraws(std::move(script));
        SendClick(games->NOUVEAUTirage);
    }
    // Clicks tokens: digits name a number image v1..v5, other characters an operator.
    void Place(const std::string& tokens) {
        for (char t : tokens) {
            if (t >= '1' && t <= '5') SendClick(games->Numbers[t - '1']);
            for (TImage* op : games->Operators)
                if (op->Hint() == std::string(1, t)) SendClick(op);
        }
    }
    void DrawWithin(const char* min, const char* max, std::deque<int> script) {
        games->min_compte->SetText(min);
        games->max_compte->SetText(max);
        Draw(std::move(script));
    }
    // The pixels of a tile as its group shows it, rim and picture.
    static QImage Seen(const TImage* tile) { return tile->parentWidget()->grab(tile->geometry()).toImage(); }
    // The hints of images, ";" after each.
    template <class Images>
    static std::string Hints(const Images& images) {
        std::string hints;
        for (const TImage* image : images) hints += image->Hint() + ";";
        return hints;
    }
};

}  // namespace

TEST_F(CompteTest, DrawsStayWithinTheBounds) {
    const struct { const char *min, *max; std::deque<int> script; const char* numbers; } cases[] = {
        // The highest draw from 2 and 20 is 19; 20 is never drawn.
        {"2", "20", {2, 17, 17, 17, 17, 17}, "19;19;19;19;19;"},
        {"2", "20", {2, 0, 0, 0, 0, 0}, "2;2;2;2;2;"},
        {"5", "5", {2, 17, 17, 17, 17, 17}, "5;5;5;5;5;"},
        // Four from the bounds and the small number, always last.
        {"5", "5", {1, 5}, "5;5;5;5;7;"},
        // Bounds too far apart for one draw still give numbers between them.
        {"-2147483648", "2147483647", {0, 2147483646, 0, 0, 5}, "-2;-2147483648;-2147483648;7;;"},
        // Reversed bounds draw as 2 and 20; the fields keep what the learner typed.
        {"20", "2", {2, 17, 17, 17, 17, 17}, "19;19;19;19;19;"},
        // A four-number draw leaves nothing of the fifth number before.
        {"2", "20", kFourNumbers, "12;7;3;4;;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.min) + ".." + c.max);
        games->min_compte->SetText(c.min);
        games->max_compte->SetText(c.max);
        Draw(c.script);
        EXPECT_EQ(Hints(games->Numbers), c.numbers);
        EXPECT_EQ(games->min_compte->Text() + games->max_compte->Text(), std::string(c.min) + c.max);
        for (TImage* v : games->Numbers) EXPECT_TRUE(v->Hint().empty() ? v->Picture().Empty() : Shows(v, v->Hint()));
    }
    EXPECT_TRUE(Shows(games->compte, "72"));
}

TEST_F(CompteTest, TokensVerdictsAndTraceRecords) {
    player->ExoNumber = "301";    // the exercise the player shows
    Place("1+");
    SendClick(games->VERIFIERCompte);
    EXPECT_EQ(Hints(games->Slots), std::string(14, ';')) << "nothing is placed before a draw";
    EXPECT_TRUE(games->verdict->Picture().Empty()) << "all slots free: nothing to check";

    Draw(kFourNumbers);
    // Each row after RECOMMENCER: the tokens clicked, the slots then and the verdict.
    const struct { const char *tokens, *placed, *verdict; int minute; } rows[] = {
        {"1*2-3*", "12;*;7;-;3;*;", "Expression incorrecte!", 33},
        // Two right answers give two records.
        {"1*2-3*4", "12;*;7;-;3;*;4;", "Le compte est bon, bravo!", 34},
        {"1*2-3*4", "12;*;7;-;3;*;4;", "Le compte est bon, bravo!", 35},
        // A number clicked twice goes in again; numbers side by side join into one.
        {"112", "12;12;7;", "Tu as 12127 au lieu de 72", 36},
        {"(", "(;", "Tu as 0 au lieu de 72", 36},
        // Fourteen slots: a fifteenth token is not placed, but its number is used up.
        {"1+2+3+((((((((4", "12;+;7;+;3;+;(;(;(;(;(;(;(;(;", "Expression incorrecte!", 36},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.tokens);
        SendClick(games->EFFACERSolution);
        EXPECT_TRUE(Shows(games->Numbers[0], "12") && games->verdict->Picture().Empty()) << "RECOMMENCER";
        Place(r.tokens);
        clock.minute = r.minute;
        SendClick(games->VERIFIERCompte);
        const std::string placed = r.placed;
        EXPECT_EQ(Hints(games->Slots), placed + std::string(14 - std::count(placed.begin(), placed.end(), ';'), ';'));
        EXPECT_TRUE(Shows(games->verdict, r.verdict));
    }
    EXPECT_TRUE(Shows(games->Slots[0], "12") && games->Numbers[3]->Picture().Empty());
    // SOLUTION, which may be asked again, is a record each time.
    SendClick(games->SOLUTIONCompte);
    EXPECT_TRUE(Shows(games->verdict, "12*7 - 3*4"));
    SendClick(games->SOLUTIONCompte);

    EXPECT_EQ(Traced("ExoNote"), Texts({"10", "10", "0", "0"}));
    EXPECT_EQ(Traced("ExoUseverif"), Texts({"0", "0", "1", "1"}));
    EXPECT_EQ(Traced("ExoEnd"), Texts({"14/03/2024 09:34:00", "14/03/2024 09:35:00", "14/03/2024 09:36:00",
                                       "14/03/2024 09:36:00"}));
    for (const DbRow& r : TraceRows())
        EXPECT_EQ(r.at("ExoCode") + "|" + r.at("ExoStart") + "|" + r.at("ExoType") + "|" + r.at("ExoChap") + "|" +
                      r.at("ExoChapcode"),
                  "jeu|14/03/2024 09:30:00|LE COMPTE EST BON|Jeu|Jeu");
    // The records borrow the player's members and give them back.
    EXPECT_EQ(player->ExoNumber + "|" + player->ChapterCode, "301|");
    EXPECT_EQ(player->ExoMark + player->ExoVerifUsed, 0);

    // Showing the screen again leaves no target, number or verdict on show, and no
    // solution to record.
    games->Close();
    OpenGames();
    games->Label17Click();
    EXPECT_EQ(games->compte->Hint() + Hints(games->Numbers), ";;;;;");
    for (TImage* image : {games->compte, games->Numbers[0], games->verdict}) EXPECT_TRUE(image->Picture().Empty());
    SendClick(games->SOLUTIONCompte);
    EXPECT_EQ(TraceRows().size(), 4u);

    // A record that cannot be written is announced once, by the player's writer.
    ExecSql(data->TraceDb(), "DROP TABLE TraceExo");
    Draw(kFourNumbers);
    SendClick(games->SOLUTIONCompte);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(games->Visible());
}

TEST_F(CompteTest, BoundAnswers) {
    // The answer typed, and what the field keeps (nullptr: "Nombre non valide").
    const struct { const char *answer, *kept; } cases[] = {
        {"12", "12"}, {"-3", "-3"}, {"0", "0"}, {" 7 ", "7"}, {"2147483647", "2147483647"},
        {"", nullptr}, {"05", nullptr}, {"+5", nullptr}, {"5a", nullptr}, {"1 2", nullptr},
        {"-0", nullptr}, {"99999999999", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.answer + "\"");
        games->min_compte->SetText("2");
        dialogs.clear();
        inputs.clear();
        inputAnswers = {c.answer};
        SendClick(games->min_compte);
        EXPECT_EQ(inputs, std::vector<AnsiString>({"Le plus petit nombre"})) << "once per click";
        EXPECT_EQ(games->min_compte->Text(), c.kept ? c.kept : "2");
        EXPECT_EQ(dialogs, c.kept ? std::vector<AnsiString>{} : std::vector<AnsiString>({"Nombre non valide"}));
    }
    // Cancelling gives back the field's own text; the upper bound asks its own question.
    inputs.clear();
    SendClick(games->max_compte);
    EXPECT_EQ(inputs, std::vector<AnsiString>({"Le plus grand nombre"}));
    EXPECT_EQ(games->max_compte->Text(), "20");
}

TEST_F(CompteTest, RulesPanelCoversTheCommandsUntilClosed) {
    SendClick(games->AIDECompte);
    const TStringList rules = games->Memo2->Lines();
    ASSERT_EQ(rules.Count(), 16);
    EXPECT_NE(Pos("on peut faire  4 x 7 - 8", rules[11]), 0);
    const QPoint verifier = games->VERIFIERCompte->mapTo(games, QPoint(20, 10));
    EXPECT_TRUE(games->COMPTEHELP->isAncestorOf(ClickAt(games, verifier.x(), verifier.y())));
    SendClick(games->HideHelpCompte);
    EXPECT_EQ(ClickAt(games, verifier.x(), verifier.y()), games->VERIFIERCompte);
}

TEST_F(CompteTest, DrawsWithoutATargetSaySoAndForgetTheEarlierSolution) {
    // Bounds whose numbers the generator cannot make a target of: negative numbers
    // are read as a sign and a number.
    const struct { const char *min, *max; std::deque<int> script; const char* numbers; } cases[] = {
        {"-5", "0", {2, 1, 2, 3, 4, 0}, "-4;-3;-2;-1;-5;"},
        {"-50", "-10", {2, 1, 2, 3, 4, 0}, "-49;-48;-47;-46;-50;"},
        {"-2147483648", "2147483647", {0, 2147483646, 0, 0, 5}, "-2;-2147483648;-2147483648;7;;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.min) + ".." + c.max);
        DrawWithin("2", "20", kFourNumbers);
        ASSERT_TRUE(Shows(games->compte, "72"));
        DrawWithin(c.min, c.max, c.script);
        EXPECT_EQ(Hints(games->Numbers), c.numbers);
        EXPECT_TRUE(games->compte->Hint().empty() && games->compte->Picture().Empty());
        EXPECT_TRUE(Shows(games->verdict, kNoTarget));
        // Nothing to place, no solution to show or record, and the board still says why.
        Place("1+2");
        SendClick(games->SOLUTIONCompte);
        SendClick(games->EFFACERSolution);
        EXPECT_EQ(Hints(games->Slots), std::string(14, ';'));
        EXPECT_TRUE(Shows(games->verdict, kNoTarget));
        EXPECT_TRUE(TraceRows().empty());
    }

    // A draw of an earlier showing of the screen leaves no solution either.
    DrawWithin("2", "20", kFourNumbers);
    games->Close();
    OpenGames();
    games->Label17Click();
    DrawWithin("-5", "0", {2, 1, 2, 3, 4, 0});
    SendClick(games->SOLUTIONCompte);
    EXPECT_TRUE(Shows(games->verdict, kNoTarget));
    EXPECT_TRUE(TraceRows().empty());

    // The next good draw plays as ever.
    DrawWithin("2", "20", kFourNumbers);
    EXPECT_TRUE(Shows(games->compte, "72") && games->verdict->Picture().Empty());
    Place("1*2-3*4");
    SendClick(games->VERIFIERCompte);
    EXPECT_TRUE(Shows(games->verdict, "Le compte est bon, bravo!"));
    SendClick(games->SOLUTIONCompte);
    EXPECT_TRUE(Shows(games->verdict, "12*7 - 3*4"));
    EXPECT_EQ(Traced("ExoNote"), Texts({"10", "0"}));
}

TEST_F(CompteTest, WideNumbersStayInsideTheirTiles) {
    // The tiles, target and slots as they show empty: their rims must stay so.
    const std::vector<TImage*> tiles = {games->Numbers[0], games->Numbers[1], games->compte, games->Slots[0],
                                        games->Slots[2]};
    std::vector<QImage> empty;
    for (const TImage* tile : tiles) empty.push_back(Seen(tile));
    const auto expectInside = [&](size_t k) {
        SCOPED_TRACE(tiles[k]->Name());
        const QImage seen = Seen(tiles[k]);
        const QRect well = art::TileWell(tiles[k]->size()).toAlignedRect();
        int rimChanged = 0, wellChanged = 0;
        for (int y = 0; y < seen.height(); ++y)
            for (int x = 0; x < seen.width(); ++x)
                (well.contains(x, y) ? wellChanged : rimChanged) += seen.pixel(x, y) != empty[k].pixel(x, y);
        EXPECT_EQ(rimChanged, 0);
        EXPECT_GT(wellChanged, 40) << "the number is shown";
    };
    // -7 and 123 on tiles (no target: -7 is read as a sign and a number).
    DrawWithin("-7", "5000", {0, 0, 130, 4574, 0});
    ASSERT_EQ(Hints(games->Numbers), "-7;123;4567;2;;");
    expectInside(0);
    expectInside(1);
    // 123 and 4567 on tiles, the target 123 + 4567 - 1000/4, then both numbers in slots.
    DrawWithin("100", "5000", {0, 23, 4467, 900, 2});
    ASSERT_EQ(Hints(games->Numbers), "123;4567;1000;4;;");
    for (size_t k : {1, 2}) expectInside(k);
    EXPECT_TRUE(Shows(games->compte, "4440"));
    Place("1+2");
    EXPECT_EQ(Hints(games->Slots).substr(0, 11), "123;+;4567;");
    for (size_t k : {3, 4}) expectInside(k);
}
