// The gap texts to type (QTRO) and the words to retype (QMT): the word labels read
// back from the text panels, the reflow, the hover frames, answering through the input
// box, the checks with VERIFIER and CORRIGER, and a long walk through text exercises.
#include <string>
#include <vector>

#include <QPointer>

#include "TextFixture.h"
#include "player/Myinputbox.h"

namespace {

class TextPagesTest : public TextPageTest {
protected:
    void ShowQTRO(const std::string& utf8) {
        player->ExoPageControl->SetActivePageIndex(4);
        player->ShowExerciseQTRO(Ansi(utf8.c_str()));
    }
    void ShowQMT(const std::string& utf8) {
        player->ExoPageControl->SetActivePageIndex(7);
        player->ShowExerciseQMT(Ansi(utf8.c_str()));
    }
    // Clicks the word and answers typed in the box with VALIDER (nothing: ANNULER).
    void Answer(TLabel* word, const char* typed) {
        onModal = [&](TForm&) {
            selectionShown = player->ThisWordQO_Select->Visible() || player->ThisWordQMT_Select->Visible();
            if (!typed) {
                EnterText->ButtonClick(EnterText->annuler);
                return;
            }
            EnterText->InputText->SetText(Ansi(typed));
            EnterText->ButtonClick(EnterText->valider);
        };
        SendEnter(word);
        SendClick(word);
        SendLeave(word);
        onModal = nullptr;
    }
    // Checks that every label follows the one before it on its line, or starts the next
    // line at Left 16 (a line of the text always does); returns the number of lines.
    int Flow(TPanel* panel, int step, size_t count = 1000000) const {
        std::vector<TLabel*> l = Labels(panel);
        if (l.size() > count) l.resize(count);
        int lines = l.empty() ? 0 : 1;
        for (size_t i = 1; i < l.size(); ++i) {
            const bool lineStart = l[i]->Hint().find("#1", 1) != std::string::npos;
            if (!lineStart && l[i]->Top() == l[i - 1]->Top()) {
                EXPECT_EQ(l[i]->Left(), l[i - 1]->Left() + l[i - 1]->Width()) << i;
                continue;
            }
            ++lines;
            EXPECT_EQ(l[i]->Left(), 16) << i;
            EXPECT_EQ(l[i]->Top(), l[i - 1]->Top() + step) << i;
        }
        return lines;
    }

    bool selectionShown = false;
};

const char* const kFourGaps = "/#Complète.#/ /#Le {...} mange une {...}, le {...} boit du {...}.#/"
                              " /#chat#/ /#souris#/ /#chien#/ /#lait#/";

}  // namespace

TEST_F(TextPagesTest, LabelsReadBackFromThePanels) {
    const struct {
        bool retype;
        const char* content;
        Texts labels;
    } cases[] = {
        // Two words: each keeps its blank and a blank label follows it.
        {false, "/#S#/ /#un deux#/", {"un |0#1", " |", "deux |0#0", " |"}},
        // Brackets glued to a gap, then a comma and its blank.
        {false, "/#S#/ /#({...}), fin#/ /#mot#/",
         {"(|0#1", "{...}|#solution=mot#0", "), |0#0", " |", "fin |0#0", " |"}},
        // A gap at the start of a line; an empty line is kept as a one-blank word.
        {false, "/#S#/ /#{...} a\r\n\r\nb#/ /#x#/",
         {"{...}|#solution=x#1", " |0#0", " |", "a |0#0", " |", " |0#1", " |", "b |0#1", " |"}},
        // Words to retype: no blank labels; an apostrophe glued to a marked word.
        {true, "/#S#/ /#l'{arbre} vert#/ /#arbres#/", {"l'|0#1", "arbre|#solution=arbres#0", " |0#0", "vert |0#0"}},
        // Leading blanks of the text are kept as one-blank words, trailing ones dropped.
        {true, "/#S#/ /#  Il {va}   #/ /#allait#/",
         {" |0#1", " |0#0", "Il |0#0", "va|#solution=allait#0", " |0#0"}},
        // A marked word holding blanks is one word.
        {true, "/#S#/ /#{trois cent} ans#/ /# 300 #/", {"trois cent|#solution=300#1", " |0#0", "ans |0#0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        TPanel* panel = c.retype ? player->Panel_Text_QMT : player->Panel_Text_QTRO;
        c.retype ? ShowQMT(c.content) : ShowQTRO(c.content);
        EXPECT_EQ(Read(panel), c.labels);
        for (TLabel* l : Labels(panel)) {
            EXPECT_TRUE(l->Transparent() && l->AutoSize());
            EXPECT_EQ(l->Font().Name(), "Arial Narrow");
            EXPECT_EQ(l->Font().Height(), 24);
            const bool answer = l->Hint().find("#solution") != std::string::npos;
            EXPECT_EQ(l->Font().Color(), answer ? 0xFF0000 : 0) << l->Caption();
            EXPECT_EQ(l->Cursor(), answer ? TCursor::HandPoint : TCursor::Default) << l->Caption();
            EXPECT_EQ(bool(l->OnClick), answer) << l->Caption();
        }
    }
    // Lines are 30 pixels apart on gap texts, 26 on words to retype; words follow each other.
    ShowQTRO("/#S#/ /#a b\nc#/");
    std::vector<TLabel*> l = Labels(player->Panel_Text_QTRO);
    EXPECT_EQ(QPoint(l[0]->Left(), l[0]->Top()), QPoint(16, 10));
    EXPECT_EQ(l[1]->Left(), 16 + l[0]->Width());
    EXPECT_EQ(l[2]->Left(), l[1]->Left() + l[1]->Width());
    EXPECT_EQ(QPoint(l[4]->Left(), l[4]->Top()), QPoint(16, 40));
    ShowQMT("/#S#/ /#a {b}\nc#/ /#x#/");
    l = Labels(player->Panel_Text_QMT);
    EXPECT_EQ(QPoint(l[3]->Left(), l[3]->Top()), QPoint(16, 36));
}

TEST_F(TextPagesTest, LongTextsWrapAndPiecesAreNeverSplit) {
    const std::string longWord(120, 'm');
    std::string content = "/#S#/ /#";
    for (int i = 0; i < 8; ++i) content += "mot {...} ";
    for (int i = 0; i < 60; ++i) content += "chaque mot reste entier ";
    content += "\n" + longWord + "#/";
    for (int i = 0; i < 8; ++i) content += "/#a#/";
    ShowQTRO(content);
    ASSERT_EQ(player->ExoLoadDone, 1);
    const std::vector<TLabel*> labels = Labels(player->Panel_Text_QTRO);
    const size_t n = labels.size();
    EXPECT_GT(Flow(player->Panel_Text_QTRO, 30, n - 2), 6);
    // Words end within the limit; only blank labels, placed without the test, may not.
    for (size_t i = 0; i + 2 < n; ++i)
        if (!labels[i]->Hint().empty()) {
            EXPECT_LE(labels[i]->Left() + labels[i]->Width(), 785) << i;
        }
    // A piece wider than the panel starts its own line one line further down.
    TLabel* last = labels[n - 2];
    ASSERT_EQ(last->Caption(), longWord + " ");
    EXPECT_GT(last->Width(), 769);
    EXPECT_EQ(last->Top(), labels[n - 3]->Top() + 60);
}

TEST_F(TextPagesTest, AnswersReflowTheFollowingWords) {
    ShowQTRO("/#S#/ /#Le {...} dort.\nFin#/ /#chat#/");
    TPanel* panel = player->Panel_Text_QTRO;
    TLabel* gap = Answers(panel)[0];
    TLabel* dort = Find(panel, "dort. ");
    TLabel* fin = Find(panel, "Fin ");
    Answer(gap, "chat");
    EXPECT_TRUE(selectionShown) << "the selection frame shows while the box is open";
    EXPECT_FALSE(player->ThisWordQO_Select->Visible());
    EXPECT_EQ(gap->Caption(), "chat");
    const std::vector<QRect> placed = Places(panel);
    EXPECT_EQ(Flow(panel, 30), 2);
    // A longer answer pushes the words of its line right, then onto a new line.
    Answer(gap, "hippopotame");
    EXPECT_GT(dort->Left(), placed[5].left());
    EXPECT_EQ(Flow(panel, 30), 2);
    std::string longer = "hippopotame";
    while (dort->Top() == 10 && longer.size() < 120) Answer(gap, (longer += "s").c_str());
    EXPECT_EQ(gap->Top(), 10);
    EXPECT_EQ(Flow(panel, 30), 3);
    EXPECT_EQ(fin->Top(), 70);
    // A shorter one brings them back.
    Answer(gap, "chat");
    EXPECT_EQ(Places(panel), placed);
    // Blanks only, or ANNULER, leave the gap as it was.
    Answer(gap, "   ");
    Answer(gap, nullptr);
    EXPECT_EQ(gap->Caption(), "chat");
    EXPECT_EQ(gap->Font().Color(), 0xFF0000);
}

TEST_F(TextPagesTest, HoverFramesFollowTheWords) {
    ShowQTRO("/#S#/ /#Le {...} dort.#/ /#chat#/");
    TLabel* gap = Answers(player->Panel_Text_QTRO)[0];
    SendEnter(gap);
    EXPECT_TRUE(player->ThisWordQO->Visible());
    EXPECT_EQ(player->ThisWordQO->geometry(), QRect(gap->Left() - 8, gap->Top(), gap->Width() + 16, 30));
    // Answered while the mouse stays over it, the gap keeps a frame of its new width.
    onModal = [](TForm&) {
        EnterText->InputText->SetText("hippopotame");
        EnterText->ButtonClick(EnterText->valider);
    };
    SendClick(gap);
    EXPECT_EQ(player->ThisWordQO->geometry(), QRect(gap->Left() - 8, gap->Top(), gap->Width() + 16, 30));
    SendLeave(gap);
    EXPECT_FALSE(player->ThisWordQO->Visible());
    // The frames of the other text pages, each with its margin.
    const struct {
        TPanel* panel;
        TShape* frame;
        void (TMainFormEXO::*enter)(TObject*);
        void (TMainFormEXO::*leave)(TObject*);
        int margin;
    } frames[] = {
        {player->Panel_Text_QTRC, player->ThisWordQC, &TMainFormEXO::EnterWWordQTRC, &TMainFormEXO::LeaveWWordQTRC, 8},
        {player->Panel_Text_QMR, player->ThisWordQMR, &TMainFormEXO::EnterWordQMR, &TMainFormEXO::LeaveWordQMR, 4},
        {player->Panel_Text_QMT, player->ThisWordQMT, &TMainFormEXO::EnterWordQMT, &TMainFormEXO::LeaveWordQMT, 2},
    };
    for (const auto& f : frames) {
        auto* word = new TLabel(f.panel, "w");
        word->SetAutoSize(false);
        word->SetBounds(100, 40, 50, 28);
        (player->*f.enter)(word);
        EXPECT_EQ(f.frame->geometry(), QRect(100 - f.margin, 40, 50 + 2 * f.margin, 30)) << f.frame->Name();
        (player->*f.leave)(word);
        EXPECT_FALSE(f.frame->Visible());
        delete word;
    }
}

TEST_F(TextPagesTest, ShowingAGapTextNeedsAsManyAnswersAsGaps) {
    player->ExoLoadDone = 1;
    ShowQTRO("/#Complète.#/ /#{...} et {...}#/ /#un#/");
    EXPECT_EQ(player->ExoLoadDone, 0);
    ShowQTRO("/#Complète.#/ /#{...} et {...}#/ /#un#/ /##/ /#deux#/");
    EXPECT_EQ(player->ExoLoadDone, 1);
    // Answers go by position: an empty field leaves its gap without a solution.
    const std::vector<TLabel*> gaps = Answers(player->Panel_Text_QTRO);
    ASSERT_EQ(gaps.size(), 2u);
    EXPECT_EQ(gaps[0]->Hint(), "#solution=un#1");
    EXPECT_EQ(gaps[1]->Hint(), "#solution=#0");
    EXPECT_EQ(player->qtro_statement->Caption(), Ansi("Complète."));
    EXPECT_EQ(player->qtro_statement->Width(), 785);
    EXPECT_EQ(player->Panel_Text_QTRO->Top(), player->qtro_statement->Top() + player->qtro_statement->Height() + 3);
    // A record of a text without gaps and without answers is shown.
    ShowQTRO("/#Lis.#/ /#Rien à compléter.#/");
    EXPECT_EQ(player->ExoLoadDone, 1);
}

TEST_F(TextPagesTest, VerifierColoursThenCorrigerShowsTheSolutions) {
    SetExercises({Exo("N1", 5, "501", kFourGaps), Exo("N1", 5, "502", kFourGaps),
                  Exo("N1", 5, "503", "/#Lis.#/ /#Rien à compléter.#/")});
    OpenChapter();
    TPanel* panel = player->Panel_Text_QTRO;
    std::vector<TLabel*> gaps = Answers(panel);
    ASSERT_EQ(gaps.size(), 4u);
    Answer(gaps[0], "chat");
    Answer(gaps[1], "souris");
    Answer(gaps[2], "Chien");   // case counts
    // VERIFIER colours without changing the answers; the last gap is unanswered.
    player->LabelVerificationClick();
    EXPECT_EQ(Colours(panel), Texts({"green", "green", "red", "red"}));
    EXPECT_EQ(Captions(gaps), Texts({"chat", "souris", "Chien", "{...}"}));
    EXPECT_FALSE(player->QTROInfoNote->Visible());
    // A gap answered after VERIFIER keeps its colour.
    Answer(gaps[2], "chien");
    EXPECT_EQ(Colours(panel)[2], "red");
    player->LabelCorrigerClick();
    EXPECT_EQ(Colours(panel), Texts({"green", "green", "green", "red"}));
    EXPECT_EQ(Captions(gaps), Texts({"chat", "souris", "chien", "lait"}));
    EXPECT_TRUE(player->QTROInfoNote->Visible());
    // Straight to CORRIGER: 3 of 4 give 7 points, mark 8.
    player->LabelSuivantClick();
    gaps = Answers(panel);
    Answer(gaps[0], "chat");
    Answer(gaps[1], "souris");
    Answer(gaps[3], "lait");
    player->LabelCorrigerClick();
    EXPECT_EQ(Captions(gaps), Texts({"chat", "souris", "chien", "lait"}));
    EXPECT_EQ(Colours(panel), Texts({"green", "green", "red", "green"}));
    // A text without gaps gives no points: mark 1.
    player->LabelSuivantClick();
    player->ExoMark = 0;
    player->CheckQTRO();
    EXPECT_EQ(player->ExoMark, 0);
    EXPECT_FALSE(player->QTROInfoNote->Visible());
    player->LabelCorrigerClick();
    // 3 of 4 give 7 points: mark 7 after VERIFIER, 8 without.
    EXPECT_EQ(Traced("ExoNote"), Texts({"7", "8", "1"}));
    EXPECT_EQ(Traced("ExoUseverif"), Texts({"1", "0", "0"}));
    EXPECT_EQ(Traced("ExoType"), Texts({"QTRO", "QTRO", "QTRO"}));
}

TEST_F(TextPagesTest, WordsToRetypeAreCheckedAgainstTheirAnswers) {
    const std::string tenMarks =
        "/#Écris au pluriel.#/ /#{a} {b} {c} {d} {e} {f} {g} {h} {i} {j}#/ "
        "/#as#/ /#bs#/ /#cs#/ /#ds#/ /#es#/ /#fs#/ /#gs#/ /#hs#/";
    SetExercises({Exo("N1", 8, "801", "/#Accorde.#/ /#Les {oiseau} et les {arbre} et {lune}.#/ /#oiseaux#/ /#arbre#/"),
                  Exo("N1", 8, "802", tenMarks)});
    OpenChapter();
    TPanel* panel = player->Panel_Text_QMT;
    std::vector<TLabel*> words = Answers(panel);
    // A third marked word without an answer field can never be right.
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(AnsiToUtf8(words[2]->Hint()), "#solution=#0");
    Answer(words[0], "oiseau");   // unchanged: stays as it was
    player->LabelVerificationClick();
    // An unchanged word is right when it already is the answer.
    EXPECT_EQ(Colours(panel), Texts({"red", "green", "red"}));
    Answer(words[0], "oiseaux");
    EXPECT_EQ(Colours(panel)[0], "blue");   // changed: blue again
    Answer(words[1], "arbre");
    EXPECT_EQ(Colours(panel)[1], "green");  // the same text: no change
    player->LabelCorrigerClick();
    // Its correction is its empty answer.
    EXPECT_EQ(Captions(words), Texts({"oiseaux", "arbre", ""}));
    EXPECT_EQ(Colours(panel), Texts({"green", "green", "red"}));
    EXPECT_TRUE(player->QMTInfoNote->Visible());
    // Past the eighth, marked words are plain words, without braces, counted nowhere.
    player->LabelSuivantClick();
    words = Answers(panel);
    EXPECT_EQ(words.size(), 8u);
    TLabel* ninth = Find(panel, "i");
    ASSERT_NE(ninth, nullptr);
    EXPECT_EQ(ninth->Hint(), "0#0");
    EXPECT_EQ(ninth->Font().Color(), 0);
    EXPECT_FALSE(ninth->OnClick);
    for (TLabel* w : words) Answer(w, (AnsiToUtf8(w->Caption()) + "s").c_str());
    player->LabelCorrigerClick();
    EXPECT_EQ(Traced("ExoNote"), Texts({"6", "10"}));   // 2 of 3 after VERIFIER; all 8
    EXPECT_EQ(ninth->Caption(), "i");
}

TEST_F(TextPagesTest, AChapterOfManyTextsKeepsOneSetOfLabels) {
    std::vector<ExerciseRecord> exos;
    for (int i = 0; i < 200; ++i)
        exos.push_back(i % 2 ? Exo("N1", 8, std::to_string(i), "/#Accorde.#/ /#Les {oiseau} chantent.#/ /#oiseaux#/")
                             : Exo("N1", 5, std::to_string(i), kFourGaps));
    SetExercises(exos);
    OpenChapter();
    const int gapText = player->Panel_Text_QTRO->ControlCount();
    player->LabelSuivantClick();
    const int retypeText = player->Panel_Text_QMT->ControlCount();
    QPointer<TLabel> first = Labels(player->Panel_Text_QTRO)[0];
    for (int i = 2; i < 200; ++i) player->LabelSuivantClick();
    EXPECT_EQ(Counter(), "200/200");
    EXPECT_EQ(player->Panel_Text_QTRO->ControlCount(), gapText);
    EXPECT_EQ(player->Panel_Text_QMT->ControlCount(), retypeText);
    EXPECT_TRUE(first.isNull()) << "the labels of a previous text are freed";
}
