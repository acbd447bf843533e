// The walk through a chapter: loading records, "SUIVANT" and the previous command,
// the attempt started on each exercise, the jump list and the table-of-contents command.
#include "player/Mainform_exo.h"

#include "home/Intro.h"
#include "platform/DateTime.h"
#include "platform/Dialogs.h"
#include "player/Marking.h"
#include "player/Sequence.h"

namespace {

const char* const kNoExerciseLeft = "Aucun exercice restant pour ce chapitre";
constexpr int kIndexPage = 8;
constexpr TColor kCloseColor = 0x800000;
constexpr TColor kCloseHoverColor = 255;

// A record can be loaded in the direction of travel (the counter must be readable).
bool CanLoad(TMainFormEXO& f) {
    if (Pos("/", f.NbExo->Caption()) == 0) return false;
    TADOQuery& list = *f.Table_Exos;
    if (!list.Active()) return false;
    return RecordAvailable(list.RecordCount(), list.Bof(), list.Eof(), f.NavDirection);
}

// Reads the record under the cursor and fills the page of its kind.
void ShowRecordUnderCursor(TMainFormEXO& f) {
    const int page = PageNumberOfType(static_cast<int>(f.Table_Exos->FieldByName("typeEXO").AsInteger()));
    f.ExoPageControl->SetActivePageIndex(page - 1);
    f.ExoNumber = f.Table_Exos->FieldByName("numEXO").AsString();
    const AnsiString content = StartForm->UnscrambleText(f.Table_Exos->FieldByName("contenuEXO").AsString());
    switch (page) {
    case 1: f.ShowExerciseQCM(content); break;
    case 2: f.ShowExerciseQO(content); break;
    case 3: f.ShowExerciseQB(content); break;
    case 4: f.ShowExerciseQCC(content); break;
    case 5: f.ShowExerciseQTRO(content); break;
    case 6: f.ShowExerciseQTRC(content); break;
    case 7: f.ShowExerciseQMR(content); break;
    case 8: f.ShowExerciseQMT(content); break;
    default: break;   // not an exercise kind: no page routine
    }
    f.CurrentExoPage = f.ExoPageControl->ActivePageIndex();
}

// The start of both loaders: the commands of a fresh exercise, then the record.
// Returns false when no record can be reached (nothing is shown). A record that
// fails to be read or shown is marked rejected.
bool LoadRecord(TMainFormEXO& f, bool moveFirst) {
    f.ExoChecked = 0;
    f.PanelNote->Hide();
    f.LabelVerification->SetEnabled(true);
    f.LabelCorriger->SetEnabled(true);
    if (!CanLoad(f)) {
        f.ExoLoadDone = 1;
        return false;
    }
    if (moveFirst) {
        if (f.NavDirection == NavBackward)
            f.Table_Exos->Prior();
        else
            f.Table_Exos->Next();
    }
    if (!Guarded([&] { ShowRecordUnderCursor(f); })) f.ExoLoadDone = 0;
    return true;
}

// What the previous exercise left on the pages: picture, mark, animation, verdicts.
void HideResults(TMainFormEXO& f) {
    f.Panel_afficher_image->Hide();
    f.yes_timer->SetEnabled(false);
    f.yes_1->Hide();
    f.yes_2->Hide();
    f.PanelNote->Hide();
    for (TImage* p : {f.QCMverdict, f.QCCverdict, f.QTROverdict, f.QTRCverdict, f.QMRverdict,
                      f.QMTverdict, f.QTRCInfoNote, f.QTROInfoNote, f.QMRInfoNote, f.QMTInfoNote})
        p->Hide();
}

// Nothing left in the direction of travel: the message, then the table of contents.
void ShowNoneLeft(TMainFormEXO& f) {
    MessageDlg(kNoExerciseLeft, TMsgDlgType::Information, mbOK);
    f.ExoPageControl->SetActivePageIndex(kIndexPage);
}

}  // namespace

void TMainFormEXO::LoadCurrentExercise(int position) {
    if (!Guarded([&] {
            if (!LoadRecord(*this, false)) return;
            const ExoCounter c = ReadCounter(NbExo->Caption());
            NbExo->SetCaption(CounterText(position, c.n));
            CurrentExoIndex = position;
            jump_label->SetEnabled(JumpListUseful(c.n));
            HideResults(*this);
            ShowExercisePicture();
        }))
        ExoLoadDone = 0;
}

void TMainFormEXO::LoadAdjacentExercise() {
    // The counter follows the cursor, also past a record that could not be read.
    if (!Guarded([&] {
            if (!LoadRecord(*this, true)) return;
            const ExoCounter c = ReadCounter(NbExo->Caption());
            jump_label->SetEnabled(JumpListUseful(c.n));
            NbExo->SetCaption(CounterAfterMove(NbExo->Caption(), NavDirection));
            CurrentExoIndex = c.k + (NavDirection == NavBackward ? -1 : 1);
            ShowExercisePicture();
        }))
        ExoLoadDone = 0;
}

void TMainFormEXO::NextExercise() {
    Guarded([&] {
        ExoChecked = 0;
        LabelVerification->SetEnabled(true);
        LabelCorriger->SetEnabled(true);
        CurrentExoPage = ExoPageControl->ActivePageIndex();
        ExoLoadDone = 1;
        ExoNumber = "";
        // Rejected records are skipped until one is shown or none is left; a move
        // past the end raises the end flag, so at most one try per record and one more.
        bool shown = false;
        for (int tries = Table_Exos->RecordCount() + 1; !shown && tries > 0 && CanLoad(*this); --tries) {
            LoadAdjacentExercise();
            shown = ExoLoadDone == 1;
            ExoLoadDone = 1;
        }
        if (!shown) {
            // Only records that cannot be shown were left: the page holds an earlier
            // exercise, which must not be corrected under this one's name.
            LabelVerification->SetEnabled(false);
            LabelCorriger->SetEnabled(false);
            HideResults(*this);
            ShowNoneLeft(*this);
            return;
        }
        StartAttempt();
        HideResults(*this);
    });
}

void TMainFormEXO::StartAttempt() {
    ExoMark = 0;
    ExoStartTime = DateTimeText(Now());
    ExoEndTime = "";
    TTabSheet* page = ExoPageControl->ActivePage();
    ExoTypeName = page ? page->Caption() : AnsiString();
    ExoVerifUsed = 0;
    TTreeNode* node = IndexTree->Selected();
    ChapterTitle = node ? node->Text() : AnsiString();
    ChapterCode = node ? ChapterCodeOf(node->Data()) : AnsiString();
}

void TMainFormEXO::LabelSuivantClick(TObject*) {
    Guarded([&] {
        if (CanLoad(*this))
            NextExercise();
        else
            ShowNoneLeft(*this);
    });
}

void TMainFormEXO::label_previousClick(TObject*) {
    NavDirection = NavBackward;
    Guarded([&] { LabelSuivantClick(nullptr); });
    NavDirection = NavForward;
}

void TMainFormEXO::GoToExercise(int position) {
    Guarded([&] {
        Table_Exos->First();
        Table_Exos->MoveBy(position - 1);
        LoadCurrentExercise(position);
        StartAttempt();
    });
}

void TMainFormEXO::FillJumpList(int n) {
    TStringList items;
    for (const AnsiString& e : JumpListEntries(n)) items.Add(e);
    jump_list->SetItems(items);
}

void TMainFormEXO::jump_listClick(TObject*) {
    const int i = jump_list->ItemIndex();
    if (i < 0) return;
    const int position = LeadingInt(jump_list->Item(i));
    if (position > 0) GoToExercise(position);
}

void TMainFormEXO::jump_labelClick(TObject*) {
    jump_list->Show();
    label_close_jump->Show();
    Panel_Jump->SetWidth(75);
}

void TMainFormEXO::label_close_jumpClick(TObject*) {
    jump_list->Hide();
    label_close_jump->Hide();
    Panel_Jump->SetWidth(30);
}

void TMainFormEXO::label_close_jumpMouseEnter(TObject*) {
    label_close_jump->Font().SetColor(kCloseHoverColor);
}

void TMainFormEXO::label_close_jumpMouseLeave(TObject*) {
    label_close_jump->Font().SetColor(kCloseColor);
}

void TMainFormEXO::label_sommaireClick(TObject*) {
    ExoPageControl->SetActivePageIndex(kIndexPage);
    label_close_sommaire->SetVisible(CurrentExoIndex != -1);
}

void TMainFormEXO::label_close_sommaireClick(TObject*) {
    ExoPageControl->SetActivePageIndex(CurrentExoPage);
}

void TMainFormEXO::label_close_sommaireMouseEnter(TObject*) {
    label_close_sommaire->Font().SetColor(kCloseHoverColor);
}

void TMainFormEXO::label_close_sommaireMouseLeave(TObject*) {
    label_close_sommaire->Font().SetColor(kCloseColor);
}
