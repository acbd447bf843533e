#pragma once
// The input box of the text exercises: a small borderless screen opened just below the
// word being answered, with a text row, an on-screen keypad, or both, chosen by the
// word's expected answer. The home screen drives it (TStartForm::InputBox).
#include <vector>

#include "platform/Forms.h"

class QValidator;

// The box's edit: typing stops at a number of characters, while a longer text put in
// by the program (the word's caption) stays whole until the learner shortens it, and
// the keypad inserts beyond the limit.
class TAnswerEdit : public TEdit {
public:
    explicit TAnswerEdit(TControl* parent, const AnsiString& name = "");
    int TypingLimit() const { return limit_; }
    void SetTypingLimit(int n);                    // 0: no limit
    void SetText(const AnsiString& t);
    // Replaces the selection, at the caret, with s (the keypad's keys).
    void ReplaceSelection(const AnsiString& s);
    AnsiString SelText() const;

private:
    friend class TypingLimitValidator;
    // Whether the edit may take that text (Qt's text, as the learner changed it).
    bool Accepts(int length) const;
    int limit_ = 0;
    int keptLength_ = 0;      // length of the last text taken
    bool inserting_ = false;
};

class TEnterText : public TForm {
public:
    TEnterText();

    TShape* Border;
    TPanel* panel_input;
    TShape* shape_input;
    TAnswerEdit* InputText;        // Hint: "1" accepted, "0" not
    // Faces and the labels over them that take the mouse: the text row's commands,
    // then the keypad.
    TImage *effacer_1, *annuler_1, *valider_1;
    TLabel *effacer, *annuler, *valider;
    TImage *zero_1, *un_1, *deux_1, *trois_1, *quatre_1, *cinq_1, *six_1, *sept_1, *huit_1,
           *neuf_1, *vr_1, *plus_1, *moins_1;
    TLabel *zero, *un, *deux, *trois, *quatre, *cinq, *six, *sept, *huit, *neuf, *vr, *plus,
           *moins;
    // Hidden picture store: the hover twins and the empty picture used for swapping.
    TPanel* Panel1;
    TImage *effacer_2, *annuler_2, *valider_2;
    TImage *zero_2, *un_2, *deux_2, *trois_2, *quatre_2, *cinq_2, *six_2, *sept_2, *huit_2,
           *neuf_2, *vr_2, *plus_2, *moins_2;
    TImage* echange;

    void FormShow(TObject* Sender);
    void ButtonClick(TObject* Sender);
    void ButtonOver(TObject* Sender);
    void SwapPictures(TImage* a, TImage* b);

protected:
    // Enter validates and Escape cancels, as in any dialog; with the keypad shown, the
    // keyboard's digits, ",", "+" and "-" press its keys.
    void keyPressEvent(QKeyEvent* e) override;

private:
    friend class TStartForm;
    int AnchorTop = 0;
    int AnchorLeft = 0;
    AnsiString ExpectedAnswer;

    struct Key {
        TLabel* label;
        TImage* face;
        TImage* twin;
        char inserts;   // 0 for the three commands
    };
    std::vector<Key> keys_;
    const Key* KeyOf(TObject* sender) const;
    void BuildTextRow();
    void BuildKeypad();
    // Keeps the box on the screen that shows the word.
    void KeepOnScreen();
};

extern TEnterText* EnterText;
