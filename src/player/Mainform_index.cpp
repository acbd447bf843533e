// The table of contents: loading the programme of the subject and level, counting the
// exercises of each chapter, selecting an entry and opening a chapter.
#include <algorithm>

#include "home/Intro.h"
#include "platform/Dialogs.h"
#include "player/ChapterIndex.h"
#include "player/Mainform_exo.h"
#include "player/Sequence.h"
#include "player/TraceLog.h"

namespace {

AnsiString DataOf(const TTreeNode* node) {
    return node && node->HasData() ? node->Data() : AnsiString();
}

// The chapter title ends a little before the text of the learner's name, which is
// right-aligned in its box; a longer title is shown cut with "…".
void PlaceChapterTitle(TLabel& title, const TLabel& name) {
    constexpr int kGap = 16;
    const int nameLeft = name.Left() + name.Width() - name.TextWidth(name.ShownText());
    title.SetWidth(std::max(0, nameLeft - kGap - title.Left()));
}

} // namespace

void TMainFormEXO::Load_IndexClick(TObject*) {
    // No entry of an earlier showing outlives a database that cannot be read now.
    IndexTree->Clear();
    Guarded([this] {
        if (!MainADOConnection->Connected()) MainADOConnection->Open();
        INDEX_Table->Open();
        AnsiString programme;
        const AnsiString subject = Trim(AnsiLowerCase(StartForm ? StartForm->Subject : ""));
        const AnsiString level = Trim(AnsiLowerCase(StartForm ? StartForm->Level : ""));
        if (INDEX_Table->RecordCount() > 0) {
            INDEX_Table->First();
            while (!INDEX_Table->Eof()) {
                if (Trim(AnsiLowerCase(INDEX_Table->FieldByName("matiere").AsString())) == subject &&
                    Trim(AnsiLowerCase(INDEX_Table->FieldByName("classe").AsString())) == level) {
                    programme = INDEX_Table->FieldByName("programme").AsString();
                    break;
                }
                INDEX_Table->Next();
            }
        }

        TStringList lines;
        lines.SetText(Trim(programme));
        // A coded line goes into the tree with its title already: changing a node's text
        // once it is in the view makes the view update its row, for every chapter.
        std::vector<AnsiString> entries = lines.Items();
        std::vector<std::pair<size_t, AnsiString>> codes;
        for (size_t i = 0; i < entries.size(); ++i) {
            const size_t tabs = entries[i].find_first_not_of('\t');
            AnsiString code, title;
            if (tabs != AnsiString::npos && SplitChapterLine(entries[i].substr(tabs), code, title)) {
                entries[i] = entries[i].substr(0, tabs) + title;
                codes.emplace_back(i, code);
            }
        }
        IndexTree->LoadFromLines(entries);
        // One node per line, in the order of the lines.
        const std::vector<TTreeNode*> nodes = IndexTree->Nodes();
        for (const auto& [line, code] : codes) nodes.at(line)->SetData(code);
        for (int i = 0; i < IndexTree->TopCount(); ++i) IndexTree->TopItem(i)->Expand(true);

        if (TTreeNode* first = IndexTree->GetFirstNode()) {
            first->Expand(false);
            IndexTree->SetSelected(first);
            IndexTree->SetSelected(nullptr);
        }
        INDEX_Table->Close();
    });
}

void TMainFormEXO::CountChapterExercises() {
    ChapterCountTable counts;

    Guarded([&] {
        GEN_Query->SetSQLText(CountQueryText(ExoTableName));
        GEN_Query->Open();
        const TField code = GEN_Query->FieldByName("codeExo");
        const TField number = GEN_Query->FieldByName("NbExo");
        for (GEN_Query->First(); !GEN_Query->Eof(); GEN_Query->Next())
            counts.Add(code.AsString(), number.AsInteger());
        GEN_Query->Close();
    });

    Guarded([&] {
        // One walk of the tree: each code's total goes to the first entry holding it.
        for (TTreeNode* node : IndexTree->Nodes()) {
            node->SetText(CutRemark(node->Text()));
            AnsiString data;
            if (node->HasData() && counts.TakeEntryData(node->Data(), data)) node->SetData(data);
        }
    });
    IndexTree->Repaint();
}

long long TMainFormEXO::CountLevelExercises() {
    long long count = -1;
    const bool wasOpen = MainADOConnection->Connected();
    Guarded([&] {
        if (!wasOpen) MainADOConnection->Open();
        // The home screen asks: another program's lock must not hold it long.
        const TLockWait wait(MainADOConnection, TraceLog::kLockWaitMs);
        GEN_Query->SetSQLText(LevelCountQueryText(ExoTableName));
        GEN_Query->Open();
        count = GEN_Query->FieldByName("NbExo").AsInteger();
    });
    Guarded([&] {
        GEN_Query->Close();
        if (!wasOpen && MainADOConnection->Connected()) MainADOConnection->Close();
    });
    return count;
}

AnsiString TMainFormEXO::SumTypeCounts(const AnsiString& counts) {
    AnsiString sum = " T = 0";
    Guarded([&] { sum = SumTypeCountsText(counts); });
    return sum;
}

void TMainFormEXO::IndexTreeChange(TObject* Sender) {
    IndexTreeClick(Sender);
}

void TMainFormEXO::IndexTreeClick(TObject*) {
    Guarded([this] {
        NbExoChap->SetCaption("");
        NbExoChap->SetHint("0");
        TTreeNode* node = IndexTree->Selected();
        if (!node) return;

        const int own = EntryExerciseCount(DataOf(node));
        if (own != 0) {
            NbExoChap->SetCaption(Utf8ToAnsi("Nombre d'exercices liés à cette entrée: ") +
                                  IntToStr(own));
            NbExoChap->SetHint("1");
        } else {
            NbExoChap->SetCaption(Utf8ToAnsi("Aucun exercice directement lié à cette entrée"));
            NbExoChap->SetHint("0");
        }

        int subChapters = node->Count();
        int total = 0;
        for (int i = 0; i < node->Count(); ++i) total += CountNodeExercises(node->Item(i), subChapters);
        if (total < 1)
            Nb_Child_Exo->SetCaption("");
        else
            Nb_Child_Exo->SetCaption("Nombre d'exercices des " + IntToStr(subChapters) +
                                     " sous-chapitres : " + IntToStr(total));
    });
}

int TMainFormEXO::CountNodeExercises(TTreeNode* node, int& subChapters) {
    int total = EntryExerciseCount(DataOf(node));
    subChapters += node->Count();
    for (int i = 0; i < node->Count(); ++i) total += CountNodeExercises(node->Item(i), subChapters);
    return total;
}

void TMainFormEXO::Label_Index_OKClick(TObject*) {
    Guarded([this] {
        TTreeNode* node = IndexTree->Selected();
        if (!node) {
            Nb_Child_Exo->SetCaption(Utf8ToAnsi("Aucun (sous-)chapitre n'a été sélectionné!"));
            return;
        }
        if (NbExoChap->Hint() != "1") {
            MessageDlg(Utf8ToAnsi("Aucun exercice n'est directement lié à cette entrée de la "
                                  "table des matières.\nIl faut sélectionner un sous-chapitre précis."),
                       TMsgDlgType::Information, mbOK);
            return;
        }
        ThisChapter->SetCaption(node->Text());
        PlaceChapterTitle(*ThisChapter, *Apprenant);
        const AnsiString code = EntryChapterCode(DataOf(node));
        Table_Exos->SetSQLText(NarrowQueryToChapter(Table_Exos->SQLText(), code));

        int n = 0;
        Guarded([&] {
            Table_Exos->Open();
            n = Table_Exos->RecordCount();
        });
        FillJumpList(n);

        NbExo->SetCaption("1/" + IntToStr(n));
        CurrentExoIndex = 1;
        PanelNote->Hide();
        LabelSuivant->SetEnabled(true);
        label_previous->SetEnabled(true);

        // The loader offers VERIFIER and CORRIGER once the exercise is on the page.
        LoadCurrentExercise(1);
        StartAttempt();
    });
}

void TMainFormEXO::Label_Index_OKMouseEnter(TObject*) {
    Img_Index_OK->Picture().Assign(Img_Index_OK_2->Picture());
}

void TMainFormEXO::Label_Index_OKMouseLeave(TObject*) {
    Img_Index_OK->Picture().Assign(Img_Index_OK_1->Picture());
}
