// The history screen.
#include "home/Historique.h"

#include <vector>

#include "home/HistoryReport.h"
#include "home/Screens.h"
#include "platform/Dialogs.h"
#include "ui/Artwork.h"
#include "player/Mainform_exo.h"
#include "player/TraceLog.h"
#include "ui/ScreenParts.h"

THistoriqueForm* HistoriqueForm = nullptr;

namespace {

constexpr TColor kMemoColor = 10071191;
constexpr TColor kChoiceColor = 0xE7F8FF;   // the light paper of the pictures

AnsiString NotReadText() {
    return Utf8ToAnsi("L'historique n'a pas pu être lu : le fichier bd_trace.mdb est absent, "
                      "occupé par un autre programme ou abîmé.");
}

}  // namespace

THistoriqueForm::THistoriqueForm() : TForm("HistoriqueForm") {
    SetCaption("HISTORIQUE");
    Border = AddScreenBorder(this);

    Titre = MakePicture(this, "Titre", "histo_titre", 0, 70);
    Titre->SetLeft((Width() - Titre->Width()) / 2);

    Panel1 = MakePanel(this, "Panel1", 116, 180, 960, 660, kScreenColor);
    Image1 = MakePicture(Panel1, "Image1", "histo_cahier", 24, 16);

    Histo = new TMemo(Panel1, "Histo");
    Histo->SetBounds(64, 88, 561, 521);
    Histo->SetBorderStyle(TBorderStyle::None);
    Histo->SetColor(kMemoColor);
    Histo->Font().SetName("Verdana");
    Histo->Font().SetHeight(13);
    Histo->SetScrollBars(true);
    Histo->SetReadOnly(true);

    GroupBox1 = new TGroupBox(Panel1, "GroupBox1");
    GroupBox1->SetBounds(700, 88, 228, 80);
    GroupBox1->SetColor(kChoiceColor);
    GroupBox1->Font().SetName("Arial");
    GroupBox1->Font().SetHeight(13);
    GroupBox1->Font().SetStyle(fsBold);
    GroupBox1->Font().SetColor(clNavy);
    GroupBox1->SetCaption(Utf8ToAnsi("Préférence"));
    TD = new TRadioButton(GroupBox1, "TD");
    TD->SetBounds(10, 24, 210, 20);
    TD->SetCaption("Grouper et trier par date");
    TC = new TRadioButton(GroupBox1, "TC");
    TC->SetBounds(10, 50, 210, 20);
    TC->SetCaption("Grouper et trier par chapitre");
    for (TRadioButton* r : {TD, TC}) {
        r->Font().SetName("Arial");
        r->Font().SetHeight(13);
        r->Font().SetStyle(0);
        r->Font().SetColor(clBlack);
    }
    TD->SetChecked(true);

    // The report command under the order choice, OK level with the foot of the report.
    const int commandLeft = GroupBox1->Left() + (GroupBox1->Width() - ArtworkSize("histo_v1").width()) / 2;
    std::tie(vis, LabelVisualiser, v1, v2) =
        MakePictureButton(Panel1, {"vis", "LabelVisualiser", "v1", "v2"}, "histo_v1", "histo_v2", commandLeft, 190);
    std::tie(ok, LabelOK, o1, o2) =
        MakePictureButton(Panel1, {"ok", "LabelOK", "o1", "o2"}, "histo_o1", "histo_o2", commandLeft,
                          Histo->Top() + Histo->Height() - ArtworkSize("histo_o1").height());

    HISTO_Query = std::make_unique<TADOQuery>();
    HISTO_Query->SetSQLText("SELECT * FROM TraceExo ORDER BY ExoStart");
    if (MainFormEXO) HISTO_Query->SetConnection(MainFormEXO->TraceADOConnection);

    OnShow = [this](TObject* s) { FormShow(s); };
    LabelVisualiser->OnClick = [this](TObject* s) { LabelVisualiserClick(s); };
    LabelVisualiser->OnMouseEnter = [this](TObject* s) { LabelVisualiserMouseEnter(s); };
    LabelVisualiser->OnMouseLeave = [this](TObject* s) { LabelVisualiserMouseLeave(s); };
    LabelOK->OnClick = [this](TObject* s) { LabelOKClick(s); };
    LabelOK->OnMouseEnter = [this](TObject* s) { LabelOKMouseEnter(s); };
    LabelOK->OnMouseLeave = [this](TObject* s) { LabelOKMouseLeave(s); };
}

THistoriqueForm::~THistoriqueForm() = default;

void THistoriqueForm::FormShow(TObject* sender) { Histo->Clear(); }

void THistoriqueForm::LabelVisualiserClick(TObject* sender) {
    const HistoryOrder order = TD->Checked() ? HistoryOrder::ByDate : HistoryOrder::ByChapter;
    std::vector<TraceFields> records;
    TADOConnection* connection = HISTO_Query->Connection();
    // A trace locked by another program is waited for no longer than the player waits
    // to write a result; the learner is then told at once.
    const TLockWait wait(connection, TraceLog::kLockWaitMs);
    const bool read = Guarded([&] {
        HISTO_Query->SetSQLText(OrderedQueryText(HISTO_Query->SQLText(), order));
        if (!connection) throw Exception("no trace connection");
        if (!connection->Connected()) connection->Open();
        HISTO_Query->Open();
        if (HISTO_Query->RecordCount() <= 0) return;
        HISTO_Query->First();
        TField code = HISTO_Query->FieldByName("ExoCode"), start = HISTO_Query->FieldByName("ExoStart"),
               end = HISTO_Query->FieldByName("ExoEnd"), note = HISTO_Query->FieldByName("ExoNote"),
               useverif = HISTO_Query->FieldByName("ExoUseverif"), type = HISTO_Query->FieldByName("ExoType"),
               chap = HISTO_Query->FieldByName("ExoChap");
        records.reserve(HISTO_Query->RecordCount());
        while (!HISTO_Query->Eof()) {
            records.push_back({code.AsString(), start.AsString(), end.AsString(), note.AsString(),
                               useverif.AsString(), type.AsString(), chap.AsString()});
            HISTO_Query->Next();
        }
    });
    // Nothing is left open for the player and the options screen, whatever happened.
    HISTO_Query->Close();
    Guarded([&] {
        if (connection && connection->Connected()) connection->Close();
    });

    // What could be read is shown, and the learner is told when it is not everything.
    SortForReport(records, order);
    HistoryReport report(order);
    for (const TraceFields& record : records) report.Add(record);
    Histo->SetText(report.Text());
    if (!read) ShowMessage(NotReadText());
}

void THistoriqueForm::LabelOKClick(TObject* sender) { Close(); }

void THistoriqueForm::LabelVisualiserMouseEnter(TObject* sender) { vis->Picture().Assign(v2->Picture()); }
void THistoriqueForm::LabelVisualiserMouseLeave(TObject* sender) { vis->Picture().Assign(v1->Picture()); }
void THistoriqueForm::LabelOKMouseEnter(TObject* sender) { ok->Picture().Assign(o2->Picture()); }
void THistoriqueForm::LabelOKMouseLeave(TObject* sender) { ok->Picture().Assign(o1->Picture()); }

AnsiString THistoriqueForm::DayNameOf(AnsiString text) { return ::DayNameOf(text); }
