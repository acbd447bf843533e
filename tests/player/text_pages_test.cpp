// The text pages through their own handlers: gap texts to type (QTRO), words to retype
// (QMT), gap texts with a word bank (QTRC) and words to pick out (QMR); the word labels
// read back from the text panels, the wrap and the reflow, the hover frame, answering
// through the input box, the bank and picking, the checks as VERIFIER and CORRIGER run
// them (the marks of a whole chapter: marking_test), and a long walk through texts.
#include <functional>
#include <QPointer>

#include "Samples.h"
#include "TextFixture.h"

namespace {

class TextPagesTest : public TextPageTest {
protected:
    // Checks that every label follows the one before it on its line, or starts the next
    // line at Left 16 one step lower (a line of the text always does); returns the
    // number of lines.
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
    void ShowQMR(const std::string& utf8) { ShowOn(6, &TMainFormEXO::ShowExerciseQMR, utf8); }
    // The slots whose cover shows, then the selected gap ("-1": none, hidden).
    std::string Covered() const {
        std::string covered;
        for (int n = 1; n <= 8; ++n)
            if (player->Disabled_QTRC[n]->Visible()) covered += std::to_string(n);
        const TShape* selection = player->ThisWordQC_Select;
        return covered + " " + (selection->Visible() ? AnsiString("shown") : selection->Hint());
    }
    Texts GapHints() const {
        Texts hints;
        for (TLabel* gap : Gaps()) hints.push_back(gap->Hint());
        return hints;
    }
    // What shows of a word on its page: its panel cuts away what lies beyond it.
    static QRect Seen(const TLabel* word, const QWidget* page) {
        const QWidget* panel = word->parentWidget();
        return QRect(word->mapTo(page, QPoint()), word->size()) & QRect(panel->mapTo(page, QPoint()), panel->size());
    }
    Texts ColoursOf(std::initializer_list<const char*> captions) const {
        std::vector<TLabel*> words;
        for (const char* c : captions) words.push_back(Find(player->Panel_Text_QMR, c));
        return Colours(words);
    }
};

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
        // Gap texts do not see braces.
        {false, "/#S#/ /#{mot} {...}#/ /#x#/", {"{mot} |0#1", " |", "{...}|#solution=x#0", " |0#0", " |"}},
        // Words to retype: no blank labels; an apostrophe glued to a marked word.
        {true, "/#S#/ /#l'{arbre} vert#/ /#arbres#/", {"l'|0#1", "arbre|#solution=arbres#0", " |0#0", "vert |0#0"}},
        // Leading blanks of the text are kept as one-blank words, trailing ones dropped.
        {true, "/#S#/ /#  Il {va}   #/ /#allait#/", {" |0#1", " |0#0", "Il |0#0", "va|#solution=allait#0", " |0#0"}},
        // A marked word holding blanks is one word; a "}" before the "{" or a "{" never
        // closed marks nothing.
        {true, "/#S#/ /#{trois cent} ans#/ /# 300 #/", {"trois cent|#solution=300#1", " |0#0", "ans |0#0"}},
        {true, "/#S#/ /#a}{b c} {ouvert#/ /#x#/", {"a}{b |0#1", "c} |0#0", "{ouvert |0#0"}},
        // Lines are 26 pixels apart on words to retype (30 on gap texts, above).
        {true, "/#S#/ /#a {b}\nc#/ /#x#/", {"a |0#1", "b|#solution=x#0", " |0#0", "c |0#1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.content);
        TPanel* panel = c.retype ? player->Panel_Text_QMT : player->Panel_Text_QTRO;
        c.retype ? ShowQMT(c.content) : ShowQTRO(c.content);
        EXPECT_EQ(Read(panel), c.labels);
        Flow(panel, c.retype ? 26 : 30);
        // Only the words holding an answer are blue and clickable.
        for (TLabel* l : Labels(panel)) {
            const bool answer = l->Hint().find("#solution") != std::string::npos;
            EXPECT_EQ(l->Font().Color(), answer ? 0xFF0000 : 0) << l->Caption();
            EXPECT_EQ(l->Cursor() == TCursor::HandPoint && l->OnClick, answer) << l->Caption();
        }
    }
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
    EXPECT_EQ(last->Top(), labels[n - 3]->Top() + 60);
}

TEST_F(TextPagesTest, AnswersReflowTheFollowingWords) {
    ShowQTRO("/#S#/ /#Le {...} dort.\nFin#/ /#chat#/");
    TPanel* panel = player->Panel_Text_QTRO;
    TLabel* gap = Answers(panel)[0];
    TLabel* dort = Find(panel, "dort. ");
    Answer(gap, "chat");
    EXPECT_TRUE(selectionShown);
    EXPECT_FALSE(player->ThisWordQO_Select->Visible());
    EXPECT_EQ(gap->Caption(), "chat");
    const std::vector<QRect> placed = Places(panel);
    // A longer answer pushes the words of its line right, then onto a new line.
    Answer(gap, "hippopotame");
    EXPECT_GT(dort->Left(), placed[5].left());
    EXPECT_EQ(Flow(panel, 30), 2);
    std::string longer = "hippopotame";
    while (dort->Top() == gap->Top() && longer.size() < 120) Answer(gap, (longer += "s").c_str());
    EXPECT_EQ(Flow(panel, 30), 3);
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
    const auto framed = [](const TShape* frame, const TLabel* word) {
        return frame->Visible() && frame->geometry().contains(word->geometry()) &&
               frame->geometry().center().x() == word->geometry().center().x();
    };
    // Answered while the mouse stays over it, the gap keeps a frame of its new width.
    SendEnter(gap);
    EXPECT_TRUE(framed(player->ThisWordQO, gap));
    onModal = [](TForm&) {
        EnterText->InputText->SetText("hippopotame");
        EnterText->ButtonClick(EnterText->valider);
    };
    SendClick(gap);
    EXPECT_TRUE(framed(player->ThisWordQO, gap));
    SendLeave(gap);
    EXPECT_FALSE(player->ThisWordQO->Visible());
}

TEST_F(TextPagesTest, GapTextsCheckedThenCorrected) {
    ShowQTRO(kFourGaps);
    TPanel* panel = player->Panel_Text_QTRO;
    const std::vector<TLabel*> gaps = Answers(panel);
    Answer(gaps[0], "chat");
    Answer(gaps[1], "souris");
    Answer(gaps[2], "Chien");   // case counts
    // VERIFIER colours without changing the answers; the last gap is unanswered.
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQTRO, true), 0);
    EXPECT_EQ(Colours(panel), Texts({"green", "green", "red", "red"}));
    EXPECT_EQ(Captions(gaps), Texts({"chat", "souris", "Chien", "{...}"}));
    EXPECT_FALSE(player->QTROInfoNote->Visible());
    // A gap answered after VERIFIER keeps its colour until CORRIGER.
    Answer(gaps[2], "chien");
    EXPECT_EQ(Colours(panel)[2], "red");
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQTRO), 7);
    EXPECT_EQ(Colours(panel), Texts({"green", "green", "green", "red"}));
    EXPECT_EQ(Captions(gaps), Texts({"chat", "souris", "chien", "lait"}));
    // A text without gaps gives no points.
    ShowQTRO("/#Lis.#/ /#Rien à compléter.#/");
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQTRO), 0);
}

TEST_F(TextPagesTest, WordsToRetypeCheckedThenCorrected) {
    ShowQMT(kAgreement);
    TPanel* panel = player->Panel_Text_QMT;
    const std::vector<TLabel*> words = Answers(panel);
    // A third marked word without an answer field can never be right.
    ASSERT_EQ(words.size(), 3u);
    Answer(words[0], "oiseau");   // unchanged: stays as it was
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQMT, true), 0);
    // An unchanged word is right when it already is the answer.
    EXPECT_EQ(Colours(panel), Texts({"red", "green", "red"}));
    Answer(words[0], "oiseaux");
    EXPECT_EQ(Colours(panel)[0], "blue");   // changed: blue again
    Answer(words[1], "arbre");
    EXPECT_EQ(Colours(panel)[1], "green");  // the same text: no change
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQMT), 6);
    // Its correction is its empty answer.
    EXPECT_EQ(Captions(words), Texts({"oiseaux", "arbre", ""}));
    EXPECT_EQ(Colours(panel), Texts({"green", "green", "red"}));

    // Past the eighth, marked words are plain words, without braces, counted nowhere.
    ShowQMT("/#Écris au pluriel.#/ /#{a} {b} {c} {d} {e} {f} {g} {h} {i} {j}#/ "
            "/#as#/ /#bs#/ /#cs#/ /#ds#/ /#es#/ /#fs#/ /#gs#/ /#hs#/");
    EXPECT_EQ(Answers(panel).size(), 8u);
    TLabel* ninth = Find(panel, "i");
    ASSERT_NE(ninth, nullptr);
    EXPECT_EQ(ninth->Hint(), "0#0");
    EXPECT_FALSE(ninth->OnClick);
    for (TLabel* w : Answers(panel)) Answer(w, (AnsiToUtf8(w->Caption()) + "s").c_str());
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQMT), 10);
    EXPECT_EQ(ninth->Caption(), "i");
}

TEST_F(TextPagesTest, AChapterOfManyTextsKeepsOneSetOfLabels) {
    std::vector<ExerciseRecord> exos;
    for (int i = 0; i < 40; ++i)
        exos.push_back(i % 2 ? Exo("N1", 8, std::to_string(i), kAgreement) : Exo("N1", 5, std::to_string(i), kFourGaps));
    SetExercises(exos);
    OpenChapter();
    const int gapText = player->Panel_Text_QTRO->ControlCount();
    Next();
    const int retypeText = player->Panel_Text_QMT->ControlCount();
    QPointer<TLabel> first = Labels(player->Panel_Text_QTRO)[0];
    for (int i = 2; i < 40; ++i) Next();
    EXPECT_EQ(Counter(), "40/40");
    EXPECT_EQ(player->Panel_Text_QTRO->ControlCount(), gapText);
    EXPECT_EQ(player->Panel_Text_QMT->ControlCount(), retypeText);
    EXPECT_TRUE(first.isNull()) << "the labels of a previous text are freed";
}

TEST_F(TextPagesTest, ABankTextShowsItsWordsAndRecordsThatDisagreeAreNot) {
    ShowQTRC(kHomophones);
    ASSERT_EQ(player->ExoLoadDone, 1);
    EXPECT_EQ(GapHints(), Texts({"#solution=1#0", "#solution=2#0", "#solution=2#0"}));
    EXPECT_EQ(Colours(Gaps()), Texts({"blue", "blue", "blue"}));
    // Each word in its slot; "à", given to two gaps, is the only reusable one.
    std::string shown, reusable;
    for (int n = 1; n <= 8; ++n) {
        shown += player->Shape_QTRC_WW[n]->Visible() && player->Shape_QTRC_BW[n]->Visible() ? '+' : '.';
        reusable += player->Shape_QTRC_BW[n]->Hint() == "0" ? 'r' : '.';
        EXPECT_EQ(AnsiToUtf8(player->Disabled_QTRC[n]->Hint()),
                  "Cet élément a déjà été utilisé et ne peut l'être qu'une seule fois. Clique dessus pour le récupérer");
    }
    EXPECT_EQ(shown + " " + reusable, "+++..... .r......");
    EXPECT_EQ(AnsiToUtf8(player->Shape_QTRC_WW[2]->Caption()), "à");
    EXPECT_EQ(Covered(), " -1");

    // A gap text needs as many answers as gaps, a bank text as many numbers and words
    // too (a number that reads 0 names no word): another record is shown instead.
    const struct { bool bank; const char* content; int shown; } records[] = {
        {false, "/#S#/ /#{...} et {...}#/ /#un#/", 0},
        {false, "/#S#/ /#Rien à compléter.#/", 1},
        // Answers go by position: an empty field leaves its gap without a solution.
        {false, "/#S#/ /#{...} et {...}#/ /#un#/ /##/ /#deux#/", 1},
        {true, "/#S#/ /#{...} et {...}#/ /#un#/ /##/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#1#/", 0},
        {true, "/#S#/ /#{...} et {...}#/ /#un#/ /#deux#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#0#/", 0},
        {true, "/#S#/ /#Rien à compléter.#/", 1},
        // A later number stands for a missing one: the gap without one gets 10.
        {true, "/#S#/ /#{...} et {...}#/ /#un#/ /#deux#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /##/ /#2#/", 1},
    };
    for (const auto& r : records) {
        player->ExoLoadDone = 1 - r.shown;
        r.bank ? ShowQTRC(r.content) : ShowQTRO(r.content);
        EXPECT_EQ(player->ExoLoadDone, r.shown) << r.content;
    }
    EXPECT_EQ(Captions(Answers(player->Panel_Text_QTRO)), Texts({"{...}", "{...}"}));
    EXPECT_EQ(AnsiToUtf8(Answers(player->Panel_Text_QTRO)[1]->Hint()), "#solution=#0");
    EXPECT_EQ(GapHints(), Texts({"#solution=1#1", "#solution=10#0"}));
    // The third slot of the bank shown before is empty now.
    EXPECT_FALSE(player->Shape_QTRC_WW[3]->Visible());
    EXPECT_EQ(player->Shape_QTRC_WW[3]->Caption(), "");
}

TEST_F(TextPagesTest, ChoosingReplacingAndTakingBackWords) {
    ShowQTRC(kHomophones);
    const std::vector<TLabel*> gaps = Gaps();
    const std::vector<QRect> placed = Places(player->Panel_Text_QTRC);
    // No gap selected: a bank word goes nowhere.
    SendClick(player->Shape_QTRC_WW[1]);
    EXPECT_EQ(Captions(gaps), Texts({"{...}", "{...}", "{...}"}));
    // The gap takes the word and stays selected; a word that serves once is covered.
    Fill(0, 3);
    EXPECT_EQ(gaps[0]->Hint(), "#selection=3#solution=1#0");
    EXPECT_EQ(Covered(), "3 shown");
    // Another word replaces it, and frees the first.
    SendClick(player->Shape_QTRC_WW[1]);
    EXPECT_EQ(gaps[0]->Hint(), "#selection=1#solution=1#0");
    EXPECT_EQ(Covered(), "1 shown");
    // A word given to two gaps is never covered.
    Fill(1, 2);
    Fill(2, 2);
    EXPECT_EQ(Captions(gaps), Texts({"a", "à", "à"}));
    // A second click on the selected gap clears the selection.
    SendClick(gaps[2]);
    EXPECT_EQ(Covered(), "1 -1");
    // A click on the cover, where the learner sees it, empties the gap, frees the word,
    // brings the words after it back and clears the selection.
    SendClick(gaps[1]);
    EXPECT_EQ(ClickOn(player->Panel_Word_QTRC, player->Disabled_QTRC[1]->geometry().center()), player->Disabled_QTRC[1]);
    EXPECT_EQ(Captions(gaps), Texts({"{...}", "à", "à"}));
    EXPECT_EQ(gaps[0]->Hint(), "#solution=1#0");
    EXPECT_EQ(Places(player->Panel_Text_QTRC)[5], placed[5]);
    EXPECT_EQ(Covered(), " -1");

    // Two gaps with the same Hint each take the selection and their own word.
    ShowQTRC("/#S#/ /#Il {...} et {...}.#/ /#x#/ /#y#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#1#/");
    ASSERT_EQ(Gaps()[0]->Hint(), Gaps()[1]->Hint());
    Fill(1, 1);
    EXPECT_EQ(Captions(Gaps()), Texts({"{...}", "x"}));
    Fill(0, 1);
    Fill(1, 2);
    EXPECT_EQ(Captions(Gaps()), Texts({"x", "y"}));
}

TEST_F(TextPagesTest, BankTextsCheckedThenCorrected) {
    ShowQTRC(kHomophones);
    Fill(0, 1);
    Fill(1, 3);
    // The learner's words stay, coloured; an empty gap is wrong.
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQTRC, true), 0);
    EXPECT_EQ(Captions(Gaps()), Texts({"a", "as", "{...}"}));
    EXPECT_EQ(Colours(Gaps()), Texts({"green", "red", "red"}));
    EXPECT_FALSE(player->QTRCInfoNote->Visible());
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQTRC), 3);
    EXPECT_EQ(Captions(Gaps()), Texts({"a", "à", "à"}));
    EXPECT_EQ(Colours(Gaps()), Texts({"green", "red", "red"}));
    EXPECT_EQ(Covered(), "13 -1");   // the check leaves the covers alone
    // With the mark shown, only the word in use lies under something: its cover.
    player->PanelNote->Show();
    EXPECT_EQ(CoveredControls(player), std::vector<AnsiString>({"Shape_QTRC_WW_1", "Shape_QTRC_WW_3"}));
    player->PanelNote->Hide();

    // Gap 2 names slot 5, which is empty: wrong, its caption kept in red.
    ShowQTRC("/#S#/ /#Le {...} et le {...}#/ /#chat#/ /#chien#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#5#/");
    Fill(0, 1);
    Fill(1, 2);
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQTRC), 5);
    EXPECT_EQ(Captions(Gaps()), Texts({"chat", "chien"}));
    EXPECT_EQ(Colours(Gaps()), Texts({"green", "red"}));
}

TEST_F(TextPagesTest, TheNoteOfACorrectedTextLeavesItsWordsInSight) {
    const std::string three = "Complète avec a, à ou as. Lis bien chaque phrase avant de choisir le mot qui convient, "
                              "clique sur le trou, puis choisis le mot dans la banque au-dessus du texte.";
    const auto lines = [](int n) {
        std::string more;
        for (int i = 0; i < n; ++i) more += "\nUne ligne de plus.";
        return more;
    };
    const struct { std::string statement; int lines; int more; bool stored; } cases[] = {
        {"Complète.", 1, 7, true},
        {three, 3, 0, true},              // the text ends high enough
        // The text runs down past the note's place to the banner (the builder refuses such
        // a text): the note keeps off the banner, just above it, over the last words.
        {three + " " + three, 5, 9, false},
    };
    // Every text page: its text with two answers, then what follows the text.
    const struct {
        std::function<void(const std::string&)> show;
        void (TMainFormEXO::*check)();
        const char* gaps[2];
        const char* after;
        TImage *note, *banner;
        TLabel* statement;
        TPanel* panel;
        TTabSheet* page;
    } pages[] = {
        {[this](const std::string& t) { ShowQTRC(t); }, &TMainFormEXO::CheckQTRC, {"{...}", "{...}"},
         " /#a#/ /#à#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#2#/", player->QTRCInfoNote, player->QTRCverdict,
         player->qtrc_statement, player->Panel_Text_QTRC, player->TabSheet6},
        {[this](const std::string& t) { ShowQTRO(t); }, &TMainFormEXO::CheckQTRO, {"{...}", "{...}"}, " /#a#/ /#à#/",
         player->QTROInfoNote, player->QTROverdict, player->qtro_statement, player->Panel_Text_QTRO, player->TabSheet5},
        {[this](const std::string& t) { ShowQMT(t); }, &TMainFormEXO::CheckQMT, {"{a}", "{à}"}, " /#a#/ /#à#/",
         player->QMTInfoNote, player->QMTverdict, player->qmt_statement, player->Panel_Text_QMT, player->TabSheet8},
        {[this](const std::string& t) { ShowQMR(t); }, &TMainFormEXO::CheckQMR, {"{a}", "{à}"}, "", player->QMRInfoNote,
         player->QMRverdict, player->qmr_statement, player->Panel_Text_QMR, player->TabSheet7},
    };
    for (const auto& page : pages) {
        SCOPED_TRACE(page.note->Name());
        for (const auto& c : cases) {
            SCOPED_TRACE(c.lines);
            page.show("/#" + c.statement + "#/ /#Lucas " + page.gaps[0] + " un vélo.\nIl va " +
                               page.gaps[1] + " l'école." + (c.more ? lines(c.more) : "") + "#/" + page.after);
            ASSERT_EQ(page.statement->Height() / 37, c.lines);
            PointsOf(page.check);
            ASSERT_TRUE(page.note->isVisible());
            EXPECT_EQ(page.note->Top() == 508, c.stored);
            EXPECT_FALSE(page.note->geometry().intersects(page.banner->geometry()));
            if (!c.stored) {
                EXPECT_EQ(page.note->geometry().bottom() + 1, page.banner->Top());
            } else {
                for (TLabel* word : Labels(page.panel))
                    EXPECT_FALSE(page.note->geometry().intersects(Seen(word, page.page))) << AnsiToUtf8(word->Caption());
            }
            // Around its card the page shows through: the picture's corner looks as without it.
            const QPoint corner =
                page.note->geometry().topLeft() + QPoint(page.note->DestRect().Left + 1, page.note->DestRect().Top + 1);
            const QColor with = page.page->grab().toImage().pixelColor(corner);
            page.note->Hide();
            EXPECT_EQ(page.page->grab().toImage().pixelColor(corner), with);
        }
    }
}

TEST_F(TextPagesTest, TheNoteOfACorrectedTextThatRunsBelowItsPanelKeepsOffTheBanner) {
    // Gaps that fit, and plain lines running below the panel, as a record may hold.
    std::string text = "Lucas {...} un vélo.\nIl va {...} l'école.";
    for (int i = 3; i <= 14; ++i) text += "\nLigne " + std::to_string(i) + " du texte.";
    SetExercises({Exo("N1", 6, "1", "/#Complète.#/ /#" + text + "#/ /#a#/ /#à#/ /##/ /##/ /##/ /##/ /##/ /##/ /#1#/ /#2#/")});
    OpenChapter();
    Fill(0, 1);
    Correct();
    SaveScreen("QTRC_overflow_corriger.png");
    TImage* note = player->QTRCInfoNote;
    ASSERT_TRUE(note->isVisible());
    ASSERT_TRUE(player->QTRCverdict->isVisible());
    EXPECT_FALSE(note->geometry().intersects(player->QTRCverdict->geometry()));
    // The words that show are all above it.
    for (TLabel* word : Labels(player->Panel_Text_QTRC))
        EXPECT_FALSE(note->geometry().intersects(Seen(word, player->TabSheet6))) << AnsiToUtf8(word->Caption());
}

TEST_F(TextPagesTest, WordsPickedCheckedThenCorrected) {
    // Running numbers for the words not to find, blanks after a marked word included.
    ShowQMR("/#S#/ /#Le {chat bleu} {dort}.#/");
    EXPECT_EQ(Read(player->Panel_Text_QMR),
              Texts({"Le |1#1", " |", "chat bleu|0#0", " |2#0", " |", "dort|0#0", ". |3#0", " |"}));
    // The panel's text colour, then blue, black, blue; a marked word of two words is one.
    TLabel* chat = Find(player->Panel_Text_QMR, "chat bleu");
    for (const char* colour : {"black", "blue", "black", "blue"}) {
        EXPECT_EQ(ColourName(chat->Font().Color()), colour);
        SendClick(chat);
    }

    const auto all = {"chien ", "court", "chat ", "dort", "chante"};
    ShowQMR(kVerbs);
    Pick({"court", "dort", "chien "});
    // Picked words are coloured; nothing is shown of the word missed, no points.
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQMR, true), 0);
    EXPECT_EQ(ColoursOf(all), Texts({"red", "green", "black", "green", "black"}));
    EXPECT_FALSE(player->QMRInfoNote->Visible());
    // A coloured word is put down by a click; the word missed shows purple, underlined.
    Pick({"chien "});
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQMR), 6);
    EXPECT_EQ(ColoursOf(all), Texts({"black", "green", "black", "green", "purple"}));
    EXPECT_TRUE(Find(player->Panel_Text_QMR, "chante")->Font().Style() & fsUnderline);
    EXPECT_FALSE(Find(player->Panel_Text_QMR, "court")->Font().Style() & fsUnderline);
    EXPECT_TRUE(player->QMRInfoNote->Visible());

    // 2 found and 1 wrong of 3; a blank picked counts for nothing.
    ShowQMR(kVerbs);
    Pick({"court", "dort", "chien "});
    for (TLabel* l : Labels(player->Panel_Text_QMR))
        if (l->Caption() == " " && !l->Hint().empty()) SendClick(l);
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQMR), 3);
    // More wrong than found gives no points, never fewer.
    ShowQMR(kVerbs);
    Pick({"court", "chien ", "chat "});
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQMR), 0);
    // Nothing to find: no points and nothing to explain.
    ShowQMR("/#Lis.#/ /#Rien à trouver ici.#/");
    Pick({"Rien "});
    EXPECT_EQ(PointsOf(&TMainFormEXO::CheckQMR), 0);
    EXPECT_EQ(ColourName(Find(player->Panel_Text_QMR, "Rien ")->Font().Color()), "red");
    EXPECT_FALSE(player->QMRInfoNote->Visible());
}
