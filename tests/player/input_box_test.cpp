// The input box driven as the gap handlers drive it: its three layouts, the keypad and
// its one-key entry, the typing limit, VALIDER, ANNULER, EFFACER, Enter and Escape,
// the hover twins, and where it opens.
#include <functional>
#include <tuple>

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>

#include "ScreenFixture.h"
#include "home/Intro.h"
#include "player/Myinputbox.h"
#include "ui/Artwork.h"

namespace {

class InputBoxTest : public ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        box = EnterText;
        word = new TLabel(&page, "word");
    }
    void TearDown() override {
        onModal = nullptr;
        ScreenTest::TearDown();
    }

    // Opens the box for a word whose Hint holds that answer, pre-filled with caption;
    // the script acts inside it. Returns the text handed back.
    AnsiString Enter(const char* hint, const char* caption, const std::function<void()>& script) {
        word->SetHint(Ansi(hint));
        AnsiString text = Ansi(caption);
        const int maxLength = StartForm->PrepareExpectedAnswer(word);
        onModal = [&](TForm&) {
            open = true;
            if (script) script();
            stillOpen = box->Visible();
        };
        open = stillOpen = false;
        StartForm->InputBox(text, maxLength, 100, 120);
        return text;
    }
    void Press(TLabel* key) { SendClick(key); }
    QLineEdit* Line() const { return box->InputText->findChild<QLineEdit*>(); }
    static void Key(QWidget* target, int key, const char* text) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString::fromUtf8(text));
        QApplication::sendEvent(target, &press);
    }
    void Type(const char* chars) {
        for (const char* c = chars; *c; ++c) Key(Line(), 0, std::string(1, *c).c_str());
    }
    bool KeypadShown() const { return box->panel_input->Height() == 90 && box->zero->Visible(); }

    TEnterText* box = nullptr;
    TPanel page{nullptr, "page"};
    TLabel* word = nullptr;
    bool open = false, stillOpen = false;
};

}  // namespace

TEST_F(InputBoxTest, TheExpectedAnswerChoosesTheLayout) {
    const struct {
        const char* hint;
        int height;
        bool textRow, keypad;
        int limit;
    } cases[] = {
        {"#solution=0#0", 100, true, true, 1},
        {"#solution=7#1", 100, false, true, 1},
        {"#solution= 12 #0", 48, true, false, 2},
        {"#solution=chat#0", 48, true, false, 4},
        {"#solution=#1", 48, true, false, 0},   // no answer: no limit either
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hint);
        Enter(c.hint, "{...}", [&] {
            EXPECT_EQ(box->Height(), c.height);
            EXPECT_EQ(box->Border->Height(), c.height);
            EXPECT_EQ(box->panel_input->Height(), c.height - 10);
            for (TControl* t : {static_cast<TControl*>(box->InputText), static_cast<TControl*>(box->shape_input),
                                static_cast<TControl*>(box->effacer), static_cast<TControl*>(box->effacer_1)})
                EXPECT_EQ(t->Visible(), c.textRow) << t->Name();
            EXPECT_EQ(KeypadShown(), c.keypad);
            EXPECT_TRUE(box->annuler->Visible() && box->valider->Visible());
            EXPECT_EQ(box->InputText->TypingLimit(), c.limit);
            // The word's text is there whole and selected, to be replaced.
            EXPECT_EQ(box->InputText->Text(), "{...}");
            EXPECT_EQ(box->InputText->SelText(), "{...}");
        });
        EXPECT_TRUE(open);
    }
    // A word without an answer keeps the previous one.
    word->SetHint("0#1");
    EXPECT_EQ(StartForm->PrepareExpectedAnswer(word), 0);
    EXPECT_EQ(StartForm->PrepareExpectedAnswer(nullptr), 0);
    EXPECT_EQ(Enter("0#0", "x", [&] { EXPECT_EQ(box->Height(), 48); }), "x");
}

TEST_F(InputBoxTest, KeypadKeysInsertAndAOneDigitAnswerEndsAtTheFirstDigit) {
    // "0": the digit goes in and the box waits for VALIDER.
    EXPECT_EQ(Enter("#solution=0#0", "{...}", [&] {
                  Press(box->zero);
                  EXPECT_TRUE(box->Visible());
                  Press(box->un);
                  Press(box->valider);
              }),
              "01");
    // "7": the first digit replaces the whole text and ends the entry, even a wrong one.
    EXPECT_EQ(Enter("#solution=7#0", "{...}", [&] {
                  Press(box->trois);
                  EXPECT_FALSE(box->Visible());
              }),
              "3");
    // Signs only insert, past the one-character limit of the answer.
    EXPECT_EQ(Enter("#solution=7#0", "{...}", [&] {
                  Press(box->plus);
                  EXPECT_TRUE(box->Visible());
                  Press(box->sept);
              }),
              "+7");
    EXPECT_EQ(Enter("#solution=0#0", "5", [&] {
                  Press(box->moins);
                  Press(box->vr);
                  Press(box->cinq);
                  Press(box->valider);
              }),
              "-,5");
    // The keyboard's digits press the keypad when it is the only row.
    EXPECT_EQ(Enter("#solution=7#0", "{...}", [&] { Key(box, Qt::Key_7, "7"); }), "7");
}

TEST_F(InputBoxTest, TypingStopsAtTheAnswersLengthButTheWordStaysWhole) {
    EXPECT_EQ(Enter("#solution=12#0", "{...}", [&] { Type("1234"); Press(box->valider); }), "12");
    // The word's longer text stays until the learner changes it, and may be shortened.
    EXPECT_EQ(Enter("#solution=12#0", "{...}", [&] { Press(box->valider); }), "{...}");
    EXPECT_EQ(Enter("#solution=12#0", "quarante", [&] {
                  Line()->setCursorPosition(8);
                  Key(Line(), Qt::Key_Backspace, "");
                  Type("x");
                  EXPECT_EQ(box->InputText->Text(), "quarant");
                  Press(box->valider);
              }),
              "quarant");
    // Without an answer there is no limit.
    EXPECT_EQ(Enter("#solution=#0", "", [&] { Type("anticonstitutionnel"); Press(box->valider); }),
              "anticonstitutionnel");
}

TEST_F(InputBoxTest, ValiderNeedsAnAnswerAnnulerAndEscapeGiveTheWordBack) {
    EXPECT_EQ(Enter("#solution=chat#0", "{...}", [&] {
                  box->InputText->SetText("   ");
                  Press(box->valider);
                  EXPECT_TRUE(box->Visible());
                  Press(box->effacer);
                  EXPECT_EQ(box->InputText->Text(), "");
                  Press(box->valider);
                  EXPECT_TRUE(box->Visible());
                  Press(box->annuler);
              }),
              "{...}");
    const AnsiString noAnswer = Ansi("Aucune proposition de réponse.");
    EXPECT_EQ(messages, std::vector<AnsiString>({noAnswer, noAnswer}));
    EXPECT_FALSE(stillOpen);

    // Enter does what VALIDER does, Escape what ANNULER does; the answer is untrimmed.
    EXPECT_EQ(Enter("#solution=chat#0", "{...}", [&] { Type("ch"); Key(Line(), Qt::Key_Return, "\r"); }), "ch");
    EXPECT_EQ(Enter("#solution=chat#0", "{...}", [&] {
                  Type("ch");
                  Key(Line(), Qt::Key_Escape, "\x1b");
                  EXPECT_FALSE(box->Visible());
              }),
              "{...}");
    EXPECT_EQ(Enter("#solution=chat#0", "{...}", [&] { Type(" c"); Key(box, Qt::Key_Enter, "\r"); }), " c");
    // A box closed any other way gives nothing back.
    EXPECT_EQ(Enter("#solution=chat#0", "{...}", [&] { Type("chat"); box->Close(); }), "{...}");
    EXPECT_EQ(messages.size(), 2u);
}

TEST_F(InputBoxTest, KeysShowTheirTwinWhileHovered) {
    Enter("#solution=0#0", "", [&] {
        for (const auto& [label, face, twin] : {std::tuple{box->quatre, box->quatre_1, box->quatre_2},
                                                std::tuple{box->valider, box->valider_1, box->valider_2}}) {
            const QImage normal = face->Picture().Image(), hovered = twin->Picture().Image();
            ASSERT_NE(normal, hovered);
            SendEnter(label);
            EXPECT_EQ(face->Picture().Image(), hovered);
            EXPECT_EQ(twin->Picture().Image(), normal);
            SendLeave(label);
            EXPECT_EQ(face->Picture().Image(), normal);
        }
        // Closing while a key is hovered puts its face back.
        SendEnter(box->cinq);
        Press(box->annuler);
    });
    EXPECT_NE(box->cinq_1->Picture().Image(), box->cinq_2->Picture().Image());
    EXPECT_EQ(box->cinq_1->Picture().Image(), Artwork("saisie_cinq_1"));
}

TEST_F(InputBoxTest, TheBoxOpensBelowTheWordInsideTheScreen) {
    // A word inside nested panels: the sum of every offset and of the screen's place.
    TForm screen("screen", 600, 500);
    screen.SetLeft(30);
    screen.SetTop(20);
    TPanel outer(&screen, "outer");
    outer.SetBounds(40, 50, 400, 300);
    TPanel inner(&outer, "inner");
    inner.SetBounds(7, 9, 200, 100);
    TLabel* w = new TLabel(&inner, "w");
    w->SetLeft(11);
    w->SetTop(13);
    EXPECT_EQ(StartForm->AbsoluteTop(w), 20 + 50 + 9 + 13);
    EXPECT_EQ(StartForm->AbsoluteLeft(w), 30 + 40 + 7 + 11);
    EXPECT_EQ(StartForm->AbsoluteTop(nullptr), 0);

    AnsiString text = "x";
    QPoint opened;
    onModal = [&](TForm& f) { opened = QPoint(f.Left(), f.Top()); };
    StartForm->InputBox(text, 0, 92, 88);
    EXPECT_EQ(opened, QPoint(98, 117));
    // Near the screen's edge the box stays whole on the screen.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    StartForm->InputBox(text, 0, area.bottom() - 10, area.right() - 100);
    EXPECT_EQ(opened, QPoint(area.right() + 1 - 620, area.bottom() + 1 - box->Height()));
}
