// A chapter of multiple-choice, short-answer and matching exercises played with the
// mouse: VERIFIER, then CORRIGER, and the marks read back from the trace database.
// With PLAYER_SCREENSHOT_DIR set, each page is saved after VERIFIER and after CORRIGER.
#include <functional>
#include <string>

#include "ChapterFixture.h"

namespace {

std::string EightPairs() {   // left n goes with right 9 - n
    std::string c = "/#Relie chaque nombre à son double.#/";
    for (int n = 1; n <= 8; ++n) c += " /#" + std::to_string(n) + "#/";
    for (int n = 1; n <= 8; ++n) c += " /#" + std::to_string(9 - n) + "#/";
    for (int k = 1; k <= 8; ++k) c += " /#" + std::to_string(2 * (9 - k)) + "#/";
    return c;
}

}  // namespace

TEST_F(ChapterTest, ChoicePagesPlayedAndTraced) {
    SetExercises({Exo("N1", 1, "21", "/#Coche les nombres pairs.#/ /#3#/ /#8#/ /#5#/ /#12#/ /##/ /##/ /##/ /##/"
                                     " /#0#/ /#1#/ /#0#/ /#1#/"),
                  Exo("N1", 3, "22", "[1] /#Un libraire reçoit 6 cartons de 24 livres.\nIl en vend 58.#/"
                                     " /#Reçus :#/ /#Vendus :#/ /#Restants :#/ /##/ /#144#/ /#58#/ /#86#/"),
                  Exo("N1", 4, "23", EightPairs())});
    OpenChapter();
    SendClick(player->AfficherNote);
    auto verifyThenCorrect = [&](const char* name, int mark, const std::function<void()>& between) {
        SendClick(player->LabelVerification);
        SaveScreen((std::string(name) + "_verifier.png").c_str());
        between();
        SendClick(player->LabelCorriger);
        EXPECT_TRUE(SamePicture(player->ImgExoNote, player->NoteImage(mark))) << name;
        SaveScreen((std::string(name) + "_corriger.png").c_str());
        SendClick(player->LabelSuivant);
    };

    ASSERT_EQ(ActivePage(), 0);
    SendClick(player->Label_choix[1]);
    SendClick(player->Label_choix[2]);
    // The wrong choice unticked after VERIFIER: 3 right of 4, 7 points, less one.
    verifyThenCorrect("qcm", 7, [&] { SendClick(player->choix[1]); });
    EXPECT_FALSE(player->QCMverdict->Visible());

    ASSERT_EQ(ActivePage(), 1);
    for (auto [box, text] : {std::pair{1, "144"}, {2, "58 livres"}, {3, "96"}}) player->qo_answer[box]->SetText(text);
    verifyThenCorrect("qo", 7, [] {});   // (10 + 10 + 3) / 3 = 7, less one, plus one

    ASSERT_EQ(ActivePage(), 3);
    for (int n = 1; n <= 8; ++n) {
        SendClick(player->left_choice[n]);
        SendClick(player->right_choice[n <= 6 ? 9 - n : n]);   // 7 and 8 wrong
    }
    verifyThenCorrect("qcc", 7, [] {});  // 6 of 8: 7 points, less one, plus one

    EXPECT_EQ(Traced("ExoCode"), std::vector<std::string>({"21", "22", "23"}));
    EXPECT_EQ(Traced("ExoType"), std::vector<std::string>({"QCM", "QO", "QCC"}));
    EXPECT_EQ(Traced("ExoNote"), std::vector<std::string>({"7", "7", "7"}));
    EXPECT_EQ(Traced("ExoUseverif"), std::vector<std::string>({"1", "1", "1"}));
}
