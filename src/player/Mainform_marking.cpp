// VERIFIER and CORRIGER: the checks of the pages, the mark and its badge, the verdict
// banners, the trace record, the done flag, the mark command and the full-marks animation.
#include "player/Mainform_exo.h"

#include <algorithm>
#include <string>

#include "platform/DateTime.h"
#include "platform/Dialogs.h"
#include "player/Marking.h"
#include "player/PageParts.h"
#include "player/TextPagePlaces.h"
#include "player/TraceLog.h"
#include "ui/Artwork.h"

namespace {

constexpr int kTrueFalsePage = 3;
constexpr int kTypedGapsPage = 5;
constexpr int kWordBankPage = 6;
constexpr int kPickedWordsPage = 7;
constexpr int kRetypedWordsPage = 8;

const char* const kShowMark = "AFFICHER MA NOTE";
const char* const kHideMark = "MASQUER MA NOTE";

AnsiString TraceLaterText() {
    return Utf8ToAnsi("Ce résultat n'a pas pu être enregistré pour l'instant : il sera ajouté à "
                      "l'historique plus tard.");
}

}  // namespace

void TMainFormEXO::RunCheckOfPage(int pageNumber) {
    switch (pageNumber) {
    case 1: CheckQCM(); break;
    case 2: CheckQO(); break;
    case kTrueFalsePage: CheckQB(); break;
    case 4: CheckQCC(); break;
    case kTypedGapsPage: CheckQTRO(); break;
    case kWordBankPage: CheckQTRC(); break;
    case kPickedWordsPage: CheckQMR(); break;
    case kRetypedWordsPage: CheckQMT(); break;
    default: break;
    }
}

void TMainFormEXO::LabelVerificationClick(TObject*) {
    // Only an exercise on its page is checked.
    if (!LabelVerification->Enabled()) return;
    Guarded([&] {
        if (ExoChecked == 1) {
            ExoChecked = 0;
            LabelCorrigerClick(nullptr);
            return;
        }
        ExoChecked = 1;
        ExoVerifUsed = 1;
        ExoMark = -1;
        const int page = ExoPageControl->ActivePageIndex() + 1;
        // The true-or-false check always runs in full.
        if (page == kTrueFalsePage) ExoChecked = 0;
        RunCheckOfPage(page);
    });
}

void TMainFormEXO::LabelCorrigerClick(TObject*) {
    // Only an exercise on its page is marked.
    if (!LabelCorriger->Enabled()) return;
    Guarded([&] {
        ExoChecked = 0;
        const int page = ExoPageControl->ActivePageIndex() + 1;
        Guarded([&] {
            ExoMark = MarkBeforeCheck(ExoMark);
            RunCheckOfPage(page);
            LabelVerification->SetEnabled(false);
            LabelCorriger->SetEnabled(false);
            ExoMark = MarkAfterCheck(ExoMark);

            if (TImage* badge = NoteImage(ExoMark)) ImgExoNote->Picture().Assign(badge->Picture());
            TImage* banner = FullMarks(ExoMark) ? ToutBon : PasMal;
            yes_timer->SetEnabled(FullMarks(ExoMark));
            // Over whatever the pages laid out since.
            for (TImage* v : {QCMverdict, QCCverdict, QTROverdict, QTRCverdict, QMRverdict, QMTverdict}) {
                v->Picture().Assign(banner->Picture());
                v->Show();
                v->BringToFront();
            }
            // The words to pick out show theirs from their own check, when there were words to find.
            for (TImage* info : {QTROInfoNote, QTRCInfoNote, QMTInfoNote}) {
                info->Show();
                info->BringToFront();
            }

            PanelNote->SetVisible(Trim(AfficherNote->Caption()) != kShowMark);
            PanelNote->Repaint();

            ExoEndTime = DateTimeText(Now());
            WriteTraceRecord(AttemptRecord());
            Guarded([&] { MarkExerciseSolved(); });
            ExoMark = 0;
        });
        ExoChecked = 0;
        LabelVerification->SetEnabled(false);
        LabelCorriger->SetEnabled(false);
    });
}

TraceRecord TMainFormEXO::AttemptRecord() const {
    TraceRecord r;
    r.ExoCode = ExoNumber;
    r.ExoStart = ExoStartTime;
    r.ExoEnd = ExoEndTime;
    r.ExoNote = ExoMark;
    r.ExoUseverif = ExoVerifUsed;
    r.ExoType = ExoTypeName;
    r.ExoChap = ChapterTitle;
    r.ExoChapcode = ChapterCode;
    return r;
}

void TMainFormEXO::WriteTraceRecord(const TraceRecord& record) {
    // The learner hears it when results start to wait, not at each one while they do,
    // and not when the trace database was already reported missing or unreadable.
    const bool othersWaiting = Trace->Waiting() > 0;
    if (!Trace->Write(record) && !othersWaiting && !TraceProblemTold) ShowMessage(TraceLaterText());
}

void TMainFormEXO::SettleWaitingResults() {
    Guarded([this] { Trace->Flush(); });
    const int lost = Trace->Waiting();
    if (lost == 1)
        ShowMessage(Utf8ToAnsi("Attention : un résultat n'a pas pu être enregistré dans l'historique."));
    else if (lost > 1)
        ShowMessage(Utf8ToAnsi("Attention : " + std::to_string(lost) +
                               " résultats n'ont pas pu être enregistrés dans l'historique."));
    Trace->Abandon();
}

void TMainFormEXO::MarkExerciseSolved() {
    if (Table_Exos->RecordCount() < 1 || Table_Exos->Eof()) return;
    Table_Exos->Edit();
    Table_Exos->FieldByName("resoluExo").SetValue(1);
    Table_Exos->Post();
}

void TMainFormEXO::AfficherNoteClick(TObject*) {
    if (Trim(AfficherNote->Caption()) == kShowMark) {
        AfficherNote->SetCaption(kHideMark);
        PanelNote->Show();
    } else {
        AfficherNote->SetCaption(kShowMark);
        PanelNote->Hide();
    }
}

void TMainFormEXO::yes_timerTimer(TObject*) {
    const bool first = yes_1->Visible();
    yes_1->SetVisible(!first);
    yes_2->SetVisible(first);
}

void TMainFormEXO::BuildMarkingPictures() {
    // The verdict banners of the pages, filled with "ToutBon" or "PasMal" by the
    // correction (never lower than the banner itself), and on the text pages, above
    // the banner, what the colours of a corrected text mean.
    const int bannerHeight = ArtworkSize("ToutBon").height();
    const struct {
        TImage** image;
        TTabSheet* page;
        const char* name;
        int top, height;
        const char* picture;
    } places[] = {
        {&QTROverdict, TabSheet5, "QTROverdict", kTextVerdictTop, std::max(41, bannerHeight), nullptr},
        {&QTRCverdict, TabSheet6, "QTRCverdict", kTextVerdictTop, std::max(41, bannerHeight), nullptr},
        {&QMRverdict, TabSheet7, "QMRverdict", kTextVerdictTop, std::max(41, bannerHeight), nullptr},
        {&QMTverdict, TabSheet8, "QMTverdict", kTextVerdictTop, std::max(41, bannerHeight), nullptr},
        {&QTROInfoNote, TabSheet5, "QTROInfoNote", kColourNoteTop, kColourNoteHeight, "info_mots"},
        {&QTRCInfoNote, TabSheet6, "QTRCInfoNote", kColourNoteTop, kColourNoteHeight, "info_mots"},
        {&QMRInfoNote, TabSheet7, "QMRInfoNote", kColourNoteTop, kColourNoteHeight, "info_mots_choisis"},
        {&QMTInfoNote, TabSheet8, "QMTInfoNote", kColourNoteTop, kColourNoteHeight, "info_mots"},
    };
    for (const auto& p : places) {
        auto* image = new TImage(p.page, p.name);
        image->SetBounds(24, p.top, 745, p.height);
        image->SetCenter(true);
        if (p.picture) SetArtwork(image->Picture(), p.picture);
        image->Hide();
        *p.image = image;
    }
}
