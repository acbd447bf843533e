#pragma once
// The text pages read back from their panels: the word labels of a panel, their
// captions and Hints, the labels holding an answer, the colours the checks give; and
// the learner's ways of answering: the input box, the word bank, picking words.
#include <map>
#include <string>
#include <vector>

#include "ChapterFixture.h"
#include "player/Myinputbox.h"

class TextPageTest : public ChapterTest {
protected:
    using Texts = std::vector<std::string>;

    void ShowQTRO(const std::string& utf8) { ShowOn(4, &TMainFormEXO::ShowExerciseQTRO, utf8); }
    void ShowQTRC(const std::string& utf8) { ShowOn(5, &TMainFormEXO::ShowExerciseQTRC, utf8); }
    void ShowQMT(const std::string& utf8) { ShowOn(7, &TMainFormEXO::ShowExerciseQMT, utf8); }

    std::vector<TLabel*> Labels(TPanel* panel) const { return player->WordLabels(panel); }
    // Each label as "caption|hint" (UTF-8).
    Texts Read(TPanel* panel) const {
        Texts out;
        for (TLabel* l : Labels(panel)) out.push_back(AnsiToUtf8(l->Caption()) + "|" + AnsiToUtf8(l->Hint()));
        return out;
    }
    // The labels holding an answer, in reading order.
    std::vector<TLabel*> Answers(TPanel* panel) const {
        std::vector<TLabel*> out;
        for (TLabel* l : Labels(panel))
            if (l->Hint().find("#solution") != std::string::npos) out.push_back(l);
        return out;
    }
    TLabel* Find(TPanel* panel, const char* caption) const {
        for (TLabel* l : Labels(panel))
            if (l->Caption() == Ansi(caption)) return l;
        return nullptr;
    }
    // Where each label of the panel lies.
    std::vector<QRect> Places(TPanel* panel) const {
        std::vector<QRect> out;
        for (TLabel* l : Labels(panel)) out.push_back(l->geometry());
        return out;
    }
    static std::string ColourName(TColor c) {
        const std::map<TColor, const char*> names = {
            {0x000000, "black"}, {0x008000, "green"}, {0x0000FF, "red"}, {0xFF0000, "blue"}, {0x800080, "purple"}};
        return names.count(c) ? names.at(c) : "other";
    }
    Texts Colours(const std::vector<TLabel*>& labels) const {
        Texts out;
        for (TLabel* l : labels) out.push_back(ColourName(l->Font().Color()));
        return out;
    }
    // The colours of the labels holding an answer.
    Texts Colours(TPanel* panel) const { return Colours(Answers(panel)); }
    Texts Captions(const std::vector<TLabel*>& labels) const {
        Texts out;
        for (TLabel* l : labels) out.push_back(AnsiToUtf8(l->Caption()));
        return out;
    }

    // Clicks the word and answers in the input box with VALIDER (nothing: ANNULER).
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
    bool selectionShown = false;   // the selection frame, while the box was open

    // The gaps of the word-bank text; clicking gap k (from 0), then the bank word of slot n.
    std::vector<TLabel*> Gaps() const { return Answers(player->Panel_Text_QTRC); }
    void Fill(int k, int n) {
        SendClick(Gaps()[k]);
        SendClick(player->Shape_QTRC_WW[n]);
    }
    // Picks (or puts down) the words of the words-to-pick-out text.
    void Pick(std::initializer_list<const char*> captions) {
        for (const char* c : captions) SendClick(Find(player->Panel_Text_QMR, c));
    }
};
