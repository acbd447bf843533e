// The input box driven as the gap handlers drive it: its three layouts, the keypad and
// its one-key entry, the typing limit, VALIDER, ANNULER, EFFACER, Enter and Escape,
// the keyboard's way to the keypad whatever the entry before left, and the hover twins.
#include <functional>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWindow>

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
        onModal = [&](TForm&) { script(); };
        StartForm->InputBox(text, maxLength, 100, 120);
        return text;
    }
    static std::function<void()> Press(std::vector<TLabel*> keys) {
        return [keys] { for (TLabel* k : keys) SendClick(k); };
    }
    QLineEdit* Line() const { return box->InputText->findChild<QLineEdit*>(); }
    static void Key(QObject* target, int key, const char* text) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString::fromUtf8(text));
        QApplication::sendEvent(target, &press);
    }
    void Type(const char* chars) {
        for (const char* c = chars; *c; ++c) Key(Line(), 0, std::string(1, *c).c_str());
    }
    // A key typed on the keyboard: the box's window hands it to the widget that holds
    // the focus, as it does with the window system's keys.
    void TypeOnKeyboard(int key, const char* text) {
        ASSERT_NE(box->windowHandle(), nullptr);
        Key(box->windowHandle(), key, text);
    }

    TEnterText* box = nullptr;
    TPanel page{nullptr, "page"};
    TLabel* word = nullptr;
};

}  // namespace

TEST_F(InputBoxTest, TheExpectedAnswerChoosesTheLayout) {
    // A single digit other than 0 needs the keypad only; "0" the keypad and the text row.
    const struct { const char* hint; bool textRow, keypad; int limit; } cases[] = {
        {"#solution=0#0", true, true, 1},     {"#solution=7#1", false, true, 1},
        {"#solution=1#0", false, true, 1},    {"#solution= 12 #0", true, false, 2},
        {"#solution=00#0", true, false, 2},   {"#solution=-#0", true, false, 1},
        {"#solution=chat#0", true, false, 4}, {"#solution=#1", true, false, 0},   // no answer: no limit
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hint);
        bool open = false;
        Enter(c.hint, "{...}", [&] {
            open = true;
            EXPECT_EQ(box->Height(), c.keypad ? 100 : 48);
            EXPECT_EQ(box->InputText->Visible() && box->effacer->Visible(), c.textRow);
            EXPECT_EQ(box->panel_input->Height() == 90 && box->zero->Visible(), c.keypad);
            EXPECT_EQ(box->InputText->TypingLimit(), c.limit);
            // The word's text is there whole and selected, to be replaced.
            EXPECT_EQ(box->InputText->SelText(), "{...}");
        });
        EXPECT_TRUE(open);
    }
}

// What the box hands back, and whether the keys alone ended the entry (else VALIDER
// ends it).
TEST_F(InputBoxTest, KeysTypingValiderAnnulerEnterAndEscape) {
    const struct { const char* hint; const char* caption; std::function<void()> keys; bool ended; const char* result; } cases[] = {
        // "0": digits go in and the box waits for VALIDER.
        {"#solution=0#0", "{...}", Press({box->zero, box->un}), false, "01"},
        {"#solution=0#0", "5", Press({box->moins, box->vr, box->cinq}), false, "-,5"},
        // "7": the first digit replaces the whole text and ends the entry, even a wrong
        // one; signs only insert, past the limit; the keyboard's digits press the keypad.
        {"#solution=7#0", "{...}", Press({box->trois}), true, "3"},
        {"#solution=7#0", "{...}", Press({box->plus, box->sept}), true, "+7"},
        {"#solution=7#0", "{...}", [&] { Key(box, Qt::Key_7, "7"); }, true, "7"},
        // Typing stops at the answer's length; the word's longer text stays until the
        // learner changes it, and may be shortened; without an answer there is no limit.
        {"#solution=12#0", "{...}", [&] { Type("1234"); }, false, "12"},
        {"#solution=12#0", "{...}", [] {}, false, "{...}"},
        {"#solution=12#0", "quarante", [&] {
             Line()->setCursorPosition(8);
             Key(Line(), Qt::Key_Backspace, "");
             Type("x");
         }, false, "quarant"},
        {"#solution=#0", "", [&] { Type("anticonstitutionnel"); }, false, "anticonstitutionnel"},
        {"#solution=chat#0", "abc", [&] { SendClick(box->effacer); Type("x"); }, false, "x"},
        // Enter does what VALIDER does, Escape what ANNULER does; the answer is untrimmed.
        {"#solution=chat#0", "{...}", [&] { Type("ch"); Key(Line(), Qt::Key_Return, "\r"); }, true, "ch"},
        {"#solution=chat#0", "{...}", [&] { Type(" c"); Key(box, Qt::Key_Enter, "\r"); }, true, " c"},
        {"#solution=chat#0", "{...}", [&] { Type("ch"); Key(Line(), Qt::Key_Escape, "\x1b"); }, true, "{...}"},
        // A box closed any other way gives nothing back.
        {"#solution=chat#0", "{...}", [&] { Type("chat"); box->Close(); }, true, "{...}"},
        // VALIDER with blanks, or nothing, says so and waits; ANNULER gives the word back.
        {"#solution=chat#0", "{...}", [&] {
             box->InputText->SetText("   ");
             Press({box->valider, box->effacer, box->valider, box->annuler})();
         }, true, "{...}"},
    };
    for (const auto& c : cases) {
        bool ended = false;
        const AnsiString result = Enter(c.hint, c.caption, [&] {
            c.keys();
            ended = !box->Visible();
            if (!ended) SendClick(box->valider);
        });
        EXPECT_EQ(result + (ended ? " ended" : ""), c.result + std::string(c.ended ? " ended" : "")) << c.hint;
    }
    const AnsiString noAnswer = Ansi("Aucune proposition de réponse.");
    EXPECT_EQ(messages, std::vector<AnsiString>({noAnswer, noAnswer}));
}

// Whatever the entry before it left in the box, the keyboard's digit in a keypad-only
// box presses its key: it ends the entry with that digit alone.
TEST_F(InputBoxTest, AfterATextRowEntryTheKeyboardPressesTheKeypad) {
    const struct { const char* name; int key; const char* text; const char* result; } before[] = {
        {"typed, then Enter", Qt::Key_Return, "\r", "c"},
        {"typed, then Escape", Qt::Key_Escape, "\x1b", "{...}"},
    };
    for (const auto& b : before) {
        SCOPED_TRACE(b.name);
        EXPECT_EQ(Enter("#solution=chat#0", "{...}", [&] {
            TypeOnKeyboard(Qt::Key_C, "c");
            TypeOnKeyboard(b.key, b.text);
        }), b.result);
        bool ended = false;
        const AnsiString result = Enter("#solution=7#0", "{...}", [&] {
            TypeOnKeyboard(Qt::Key_Plus, "+");
            TypeOnKeyboard(Qt::Key_5, "5");
            ended = !box->Visible();
        });
        EXPECT_TRUE(ended);
        EXPECT_EQ(result, "+5");
        // The next text row has the keyboard again.
        EXPECT_EQ(Enter("#solution=12#0", "{...}", [&] {
            TypeOnKeyboard(Qt::Key_4, "4");
            TypeOnKeyboard(Qt::Key_Return, "\r");
        }), "4");
    }
}

// A key shows its twin while hovered; closing while it is hovered puts its face back.
TEST_F(InputBoxTest, KeysShowTheirTwinWhileHovered) {
    Enter("#solution=0#0", "", [&] {
        SendEnter(box->quatre);
        EXPECT_EQ(box->quatre_1->Picture().Image(), Artwork("saisie_quatre_2"));
        SendLeave(box->quatre);
        EXPECT_EQ(box->quatre_1->Picture().Image(), Artwork("saisie_quatre_1"));
        SendEnter(box->cinq);
        SendClick(box->annuler);
    });
    EXPECT_EQ(box->cinq_1->Picture().Image(), Artwork("saisie_cinq_1"));
}
