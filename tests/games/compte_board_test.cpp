// The numbers board: draws within the bounds, placing tokens in the slots, the three
// verdicts and the trace records, the solution, the bound fields and the rules panel.
#include "GamesFixture.h"

namespace {

using Texts = std::vector<std::string>;

// Bounds 2 and 20, three numbers from the bounds (12, 7, 3) and the small 4: the
// generator then takes them in order and gives 12*7 - 3*4 = 72.
const std::deque<int> kFourNumbers = {0, 10, 5, 1, 2};
const char* const kSolution = "12*7 - 3*4";

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
    TImage* V(int k) const { return games->Numbers[k - 1]; }
    // Clicks tokens: digits name a number image v1..v5, other characters an operator.
    void Place(const std::string& tokens) {
        for (char t : tokens) {
            if (t >= '1' && t <= '5') SendClick(V(t - '0'));
            for (TImage* op : games->Operators)
                if (op->Hint() == std::string(1, t)) SendClick(op);
        }
    }
    std::string Hints(const auto& images) const {
        std::string hints;
        for (const TImage* image : images) hints += image->Hint() + ";";
        return hints;
    }
    std::string Composed() const {
        std::string composed;
        for (const TImage* s : games->Slots) composed += s->Hint();
        return composed;
    }
    void Verify() { SendClick(games->VERIFIERCompte); }
};

}  // namespace

TEST_F(CompteTest, DrawsStayWithinTheBounds) {
    const struct {
        const char *min, *max;
        std::deque<int> script;
        const char* numbers;
    } cases[] = {
        // The highest draw from 2 and 20 is 19; 20 is never drawn.
        {"2", "20", {2, 17, 17, 17, 17, 17}, "19;19;19;19;19;"},
        {"2", "20", {2, 0, 0, 0, 0, 0}, "2;2;2;2;2;"},
        {"5", "5", {2, 17, 17, 17, 17, 17}, "5;5;5;5;5;"},
        // Reversed bounds draw as 2 and 20; the fields keep what the learner typed.
        {"20", "2", {2, 17, 17, 17, 17, 17}, "19;19;19;19;19;"},
        // Four from the bounds and the small number, always last.
        {"5", "5", {1, 5}, "5;5;5;5;7;"},
        // Bounds too far apart for one draw still give numbers between them.
        {"-2147483648", "2147483647", {0, 2147483646, 0, 0, 5}, "-2;-2147483648;-2147483648;7;;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.min) + ".." + c.max);
        games->min_compte->SetText(c.min);
        games->max_compte->SetText(c.max);
        Draw(c.script);
        EXPECT_EQ(Hints(games->Numbers), c.numbers);
        EXPECT_EQ(games->min_compte->Text() + games->max_compte->Text(), std::string(c.min) + c.max);
        for (TImage* v : games->Numbers) EXPECT_TRUE(v->Hint().empty() || Shows(v, v->Hint()));
    }
}

TEST_F(CompteTest, FourNumberDrawSolutionAndReset) {
    // A five-number draw first: the next draw leaves nothing of its fifth number.
    Draw({2, 1, 2, 3, 4, 5});
    clock.minute = 31;
    Draw(kFourNumbers);
    EXPECT_EQ(Hints(games->Numbers), "12;7;3;4;;");
    EXPECT_TRUE(V(5)->Picture().Empty());
    EXPECT_TRUE(games->compte->Hint() == "72" && Shows(games->compte, "72"));
    EXPECT_EQ(games->verdict->Hint(), kSolution);
    EXPECT_EQ(player->ExoStartTime + "|" + player->ExoEndTime + "|" + player->ExoTypeName + "|" +
                  player->ChapterTitle + "|" + player->ChapterCode,
              "14/03/2024 09:31:00||LE COMPTE EST BON|Jeu|");
    EXPECT_EQ(player->ExoMark + player->ExoVerifUsed, 0);

    // SOLUTION needs v1 only, and may be asked again.
    SendClick(games->SOLUTIONCompte);
    EXPECT_TRUE(Shows(games->verdict, kSolution));
    SendClick(games->SOLUTIONCompte);
    EXPECT_EQ(Traced("ExoNote"), Texts({"0", "0"}));
    EXPECT_EQ(Traced("ExoUseverif"), Texts({"1", "1"}));

    // Showing the screen again leaves no target, number or verdict on show.
    games->Close();
    OpenGames();
    games->Label17Click();
    EXPECT_EQ(games->compte->Hint() + Hints(games->Numbers) + Composed(), ";;;;;");
    for (TImage* image : {games->compte, V(1), V(4), games->verdict}) EXPECT_TRUE(image->Picture().Empty());
    Place("(");
    SendClick(games->SOLUTIONCompte);
    EXPECT_EQ(Composed(), "");
    EXPECT_EQ(TraceRows().size(), 2u);
}

TEST_F(CompteTest, PlacingTokensInTheSlots) {
    Place("+");
    EXPECT_EQ(Composed(), "") << "nothing is placed before a draw";

    Draw(kFourNumbers);
    const QImage twelve = V(1)->Picture().Image();
    Place("1");
    EXPECT_TRUE(games->Slots[0]->Hint() == "12" && games->Slots[0]->Picture().Image() == twelve);
    EXPECT_TRUE(V(1)->Picture().Empty() && V(1)->Hint() == "12");
    // A number clicked again goes in again, with the picture it has left: none. Numbers
    // side by side join into one: 12 12 7 reads 12127.
    Place("12");
    EXPECT_TRUE(games->Slots[1]->Hint() == "12" && games->Slots[1]->Picture().Empty());
    Verify();
    EXPECT_TRUE(Shows(games->verdict, "Tu as 12127 au lieu de 72"));

    // RECOMMENCER empties the slots and the verdict and brings the numbers back.
    SendClick(games->EFFACERSolution);
    EXPECT_TRUE(Composed().empty() && games->verdict->Picture().Empty());
    EXPECT_EQ(games->verdict->Hint(), kSolution);
    EXPECT_TRUE(Shows(V(1), "12") && Shows(V(2), "7"));

    // A lone "(" is worth 0.
    Place("(");
    Verify();
    EXPECT_TRUE(Shows(games->verdict, "Tu as 0 au lieu de 72"));
    // Fourteen slots: a fifteenth token is not placed, but the number is used up.
    Place("1+2+3+((((((((4");
    EXPECT_EQ(Composed(), "(12+7+3+(((((((");
    EXPECT_TRUE(V(4)->Picture().Empty());
}

TEST_F(CompteTest, VerdictsAndTraceRecords) {
    player->ExoNumber = "301";    // the exercise the player shows
    Verify();
    EXPECT_TRUE(games->verdict->Picture().Empty()) << "all slots free: nothing to check";

    Draw(kFourNumbers);
    Place("1*2-3*");
    Verify();
    EXPECT_TRUE(Shows(games->verdict, "Expression incorrecte!"));
    Place("4");
    clock.minute = 34;
    Verify();
    EXPECT_TRUE(Shows(games->verdict, "Le compte est bon, bravo!"));
    EXPECT_EQ(Composed(), "12*7-3*4") << "a check leaves the slots";
    clock.minute = 35;
    Verify();
    SendClick(games->SOLUTIONCompte);
    clock.minute = 36;
    Verify();

    EXPECT_EQ(Traced("ExoNote"), Texts({"10", "10", "0", "10"}));
    EXPECT_EQ(Traced("ExoUseverif"), Texts({"0", "0", "1", "0"}));
    EXPECT_EQ(Traced("ExoEnd"), Texts({"14/03/2024 09:34:00", "14/03/2024 09:35:00", "14/03/2024 09:35:00",
                                       "14/03/2024 09:36:00"}));
    for (const DbRow& r : TraceRows())
        EXPECT_EQ(r.at("ExoCode") + "|" + r.at("ExoStart") + "|" + r.at("ExoType") + "|" + r.at("ExoChap") + "|" +
                      r.at("ExoChapcode"),
                  "jeu|14/03/2024 09:30:00|LE COMPTE EST BON|Jeu|Jeu");
    // The records borrow the player's members and give them back.
    EXPECT_EQ(player->ExoNumber + "|" + player->ChapterCode + "|" + player->ExoEndTime, "301||14/03/2024 09:36:00");
    EXPECT_EQ(player->ExoMark + player->ExoVerifUsed, 0);

    // A record that cannot be written is announced once, by the player's writer.
    player->TraceADOConnection->Close();
    ExecSql(data->TraceDb(), "DROP TABLE TraceExo");
    player->TraceADOConnection->Open();
    Verify();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_TRUE(games->Visible());
}

TEST_F(CompteTest, BoundAnswers) {
    const struct {
        const char* answer;
        const char* kept;   // nullptr: "Nombre non valide"
    } cases[] = {
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

TEST_F(CompteTest, RulesPanelCoversTheCommands) {
    SendClick(games->AIDECompte);
    const TStringList rules = games->Memo2->Lines();
    ASSERT_EQ(rules.Count(), 16);
    EXPECT_EQ(rules[3], "      1. cliquer sur [NOUVEAU TIRAGE]");
    EXPECT_NE(Pos("on peut faire  4 x 7 - 8", rules[11]), 0);
    // The commands under it are out of reach until FERMER.
    const QPoint verifier = games->VERIFIERCompte->mapTo(games, QPoint(20, 10));
    EXPECT_TRUE(games->COMPTEHELP->isAncestorOf(ClickAt(games, verifier.x(), verifier.y())));
    SendClick(games->HideHelpCompte);
    EXPECT_FALSE(games->COMPTEHELP->Visible());
    EXPECT_EQ(ClickAt(games, verifier.x(), verifier.y()), games->VERIFIERCompte);
}
