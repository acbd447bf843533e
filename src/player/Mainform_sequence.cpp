// The walk through a chapter: loading records, "SUIVANT" and the previous command,
// the attempt started on each exercise, the jump list and the table-of-contents command.
#include "player/Mainform_exo.h"

#include <QEvent>

#include "home/Intro.h"
#include "platform/DateTime.h"
#include "platform/Dialogs.h"
#include "player/ContentCodec.h"
#include "player/Marking.h"
#include "player/Sequence.h"
#include "ui/ScreenParts.h"

namespace {

const char* const kNoExerciseLeft = "Aucun exercice restant pour ce chapitre";
const char* const kCannotShow = "Cet exercice ne peut pas être affiché.";
constexpr int kIndexPage = 8;
constexpr int kShortAnswerPage = 2;
constexpr TColor kCloseColor = 0x800000;
constexpr TColor kCloseHoverColor = 255;
constexpr TColor kStatementColour = 0x393024;

bool IsExercisePage(int index) {
    return index >= 0 && index < kIndexPage;
}

// A record can be loaded in the direction of travel (the counter must be readable).
bool CanLoad(TMainFormEXO& f) {
    if (Pos("/", f.NbExo->Caption()) == 0) return false;
    TADOQuery& list = *f.Table_Exos;
    if (!list.Active()) return false;
    return RecordAvailable(list.RecordCount(), list.Bof(), list.Eof(), f.NavDirection);
}

// Reads the record under the cursor and fills the page of its kind. A record of no
// known kind, or whose content holds no field at all, is rejected as a page rejects one.
void ShowRecordUnderCursor(TMainFormEXO& f) {
    TADOQuery& list = *f.Table_Exos;
    const int page = PageNumberOfType(static_cast<int>(list.FieldByName("typeEXO").AsInteger()));
    if (!IsExercisePage(page - 1)) {
        f.ExoLoadDone = 0;
        return;
    }
    f.ExoPageControl->SetActivePageIndex(page - 1);
    f.ExoNumber = list.FieldByName("numEXO").AsString();
    const AnsiString content = StartForm->UnscrambleText(list.FieldByName("contenuEXO").AsString());
    const ContentKind kind = page == kShortAnswerPage ? ContentKind::QO : ContentKind::Plain;
    if (ParseExerciseContent(content, kind).written == 0) {
        f.ExoLoadDone = 0;
        return;
    }
    switch (page) {
    case 1: f.ShowExerciseQCM(content); break;
    case 2: f.ShowExerciseQO(content); break;
    case 3: f.ShowExerciseQB(content); break;
    case 4: f.ShowExerciseQCC(content); break;
    case 5: f.ShowExerciseQTRO(content); break;
    case 6: f.ShowExerciseQTRC(content); break;
    case 7: f.ShowExerciseQMR(content); break;
    case 8: f.ShowExerciseQMT(content); break;
    }
}

enum class Loaded { Nothing, Shown, Rejected };

// The start of both loaders: the record in the direction of travel, shown by the page
// of its kind, which may reject it (ExoLoadDone 0, or a failure).
Loaded LoadRecord(TMainFormEXO& f, bool moveFirst) {
    f.ExoChecked = 0;
    f.PanelNote->Hide();
    if (!CanLoad(f)) {
        f.ExoLoadDone = 1;
        return Loaded::Nothing;
    }
    if (moveFirst) {
        if (f.NavDirection == NavBackward)
            f.Table_Exos->Prior();
        else
            f.Table_Exos->Next();
    }
    f.ExoNumber = "";
    f.ExoLoadDone = 1;
    if (!Guarded([&] { ShowRecordUnderCursor(f); })) f.ExoLoadDone = 0;
    return f.ExoLoadDone == 1 ? Loaded::Shown : Loaded::Rejected;
}

// The word over the page area stands while the exercise under the counter could not be
// shown and one of the exercise pages is active (never over the contents or the help).
void FollowPage(TMainFormEXO& f) {
    f.ExoNotShown->SetVisible(f.ExoUnshown && IsExercisePage(f.ExoPageControl->ActivePageIndex()));
}

// The end of both loaders. An exercise on its page can be checked and corrected; one
// that could not be shown can be neither, and the page says so, whatever its kind.
void SettleLoad(TMainFormEXO& f, bool shown) {
    f.ExoUnshown = !shown;
    if (!shown) {
        // Nothing of another exercise stays in view under its counter.
        f.HideExercisePictures();
        f.Panel_afficher_image->Hide();
        if (!IsExercisePage(f.ExoPageControl->ActivePageIndex()))
            f.ExoPageControl->SetActivePageIndex(IsExercisePage(f.CurrentExoPage) ? f.CurrentExoPage : 0);
    }
    // After the page: leaving the table of contents gives back the commands it set aside.
    f.LabelVerification->SetEnabled(shown);
    f.LabelCorriger->SetEnabled(shown);
    f.CurrentExoPage = f.ExoPageControl->ActivePageIndex();
    FollowPage(f);
}

// Tells FollowPage whenever a page is shown or hidden, whoever changes pages. And away
// from an exercise page (the table of contents, the help) there is nothing to check:
// VERIFIER and CORRIGER are set aside meanwhile, and get back their state with the
// exercise.
class PageWatch : public QObject {
public:
    explicit PageWatch(TMainFormEXO& f) : QObject(&f), f_(f) {}
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::ShowToParent || e->type() == QEvent::HideToParent) {
            FollowPage(f_);
            FollowContents();
        }
        return false;
    }
private:
    void FollowContents() {
        const int page = f_.ExoPageControl->ActivePageIndex();
        const bool setAside = !IsExercisePage(page);
        if (setAside == setAside_) return;
        setAside_ = setAside;
        TLabel* const commands[] = {f_.LabelVerification, f_.LabelCorriger};
        for (int i = 0; i < 2; ++i) {
            if (setAside) enabledBefore_[i] = commands[i]->Enabled();
            commands[i]->SetEnabled(!setAside && enabledBefore_[i]);
        }
    }
    TMainFormEXO& f_;
    bool setAside_ = false;
    bool enabledBefore_[2] = {};
};

// What the previous exercise left on the pages: mark, animation, verdicts (its
// picture and the toggle go when the next one's picture is shown).
void HideResults(TMainFormEXO& f) {
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

void TMainFormEXO::BuildNotShownCover() {
    // Just above the pages, under the tab row's cover and every command of the frame.
    const int top = ExoPageControl->Top() + TPageControl::TabHeight;
    ExoNotShown = FixedLabel(TextLabel(MainFrame, "ExoNotShown", 0, 0, "Arial Narrow", 32, 0,
                                       kStatementColour, Utf8ToAnsi(kCannotShow)),
                             ExoPageControl->Left(), top, ExoPageControl->Width(),
                             ExoPageControl->Height() - TPageControl::TabHeight, TAlignment::Center);
    ExoNotShown->SetTransparent(false);
    ExoNotShown->SetColor(TabSheet1->Color());
    ExoNotShown->SetLayoutCenter(true);
    ExoNotShown->stackUnder(Panel3);
    ExoNotShown->Hide();
    PageFollower = new PageWatch(*this);
    for (int i = 0; i < ExoPageControl->PageCount(); ++i)
        ExoPageControl->Page(i)->installEventFilter(PageFollower);
}

void TMainFormEXO::LoadCurrentExercise(int position) {
    if (!Guarded([&] {
            const Loaded loaded = LoadRecord(*this, false);
            // An empty list shows no exercise: its counter says so.
            const int k = loaded == Loaded::Nothing ? 0 : position;
            const ExoCounter c = ReadCounter(NbExo->Caption());
            NbExo->SetCaption(CounterText(k, c.n));
            CurrentExoIndex = k;
            jump_label->SetEnabled(JumpListUseful(c.n));
            HideResults(*this);
            if (loaded == Loaded::Shown) ShowExercisePicture();
            SettleLoad(*this, loaded == Loaded::Shown);
        })) {
        ExoLoadDone = 0;
        SettleLoad(*this, false);
    }
}

void TMainFormEXO::LoadAdjacentExercise() {
    // The counter follows the cursor, also onto a record that cannot be shown.
    if (!Guarded([&] {
            const Loaded loaded = LoadRecord(*this, true);
            if (loaded == Loaded::Nothing) return;
            const ExoCounter c = ReadCounter(NbExo->Caption());
            jump_label->SetEnabled(JumpListUseful(c.n));
            NbExo->SetCaption(CounterAfterMove(NbExo->Caption(), NavDirection));
            CurrentExoIndex = ReadCounter(NbExo->Caption()).k;
            if (loaded == Loaded::Shown) ShowExercisePicture();
            SettleLoad(*this, loaded == Loaded::Shown);
        })) {
        ExoLoadDone = 0;
        SettleLoad(*this, false);
    }
}

void TMainFormEXO::NextExercise() {
    Guarded([&] {
        ExoChecked = 0;
        ExoLoadDone = 1;
        ExoNumber = "";
        // Records that cannot be shown are skipped until one is shown or none is left; a
        // move past the end raises the end flag, so at most one try per record and one more.
        bool shown = false;
        for (int tries = Table_Exos->RecordCount() + 1; !shown && tries > 0 && CanLoad(*this); --tries) {
            LoadAdjacentExercise();
            shown = ExoLoadDone == 1;
            ExoLoadDone = 1;
        }
        HideResults(*this);
        if (!shown) {
            // The counter stays on the last record tried, which the page says it cannot show.
            ShowNoneLeft(*this);
            return;
        }
        StartAttempt();
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
