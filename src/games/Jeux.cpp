// The games screen: its frame, the choice panel over both boards, what showing and
// closing do, and the trace records the games write through the player.
#include "games/Jeux.h"

#include "games/TextButton.h"
#include "home/Intro.h"
#include "home/Screens.h"
#include "platform/DateTime.h"
#include "player/Mainform_exo.h"
#include "player/TraceLog.h"
#include "ui/ScreenParts.h"

TJeu* Jeu = nullptr;

namespace {

// Where both boards and the choice panel lie once the screen is shown.
constexpr int kBoardLeft = 10, kBoardTop = 10, kBoardWidth = 1170, kBoardHeight = 944;

// Seconds since 1 January 1970 of a clock reading (the calendar days counted exactly).
long long SecondsSinceEpoch(const TDateTime& t) {
    const int y = t.year - (t.month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (t.month + (t.month > 2 ? -3 : 9)) + 2) / 5 + t.day - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const long long days = static_cast<long long>(era) * 146097 + doe - 719468;
    return days * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

}  // namespace

AnsiString NumberedName(const char* stem, int k) {
    AnsiString name = stem;
    name += IntToStr(k);
    return name;
}

TMemo* StoredText(TControl* parent, const AnsiString& name, int left, int top, int width, int height,
                  const AnsiString& font, int px, const std::vector<const char*>& lines) {
    auto* memo = new TMemo(parent, name);
    memo->SetBounds(left, top, width, height);
    memo->SetColor(parent->Color());
    memo->SetBorderStyle(TBorderStyle::None);
    memo->SetReadOnly(true);
    memo->SetScrollBars(false);
    memo->Font().SetName(font);
    memo->Font().SetHeight(px);
    memo->Font().SetColor(clNavy);
    TStringList text;
    for (const char* line : lines) text.Add(Utf8ToAnsi(line));
    memo->SetLines(text);
    return memo;
}

TImage* CentredPicture(TControl* parent, const AnsiString& name, int left, int top, int width, int height) {
    TImage* image = MakePicture(parent, name, "", left, top, width, height);
    image->SetCenter(true);
    return image;
}

TJeu::TJeu() : TForm("Jeu") {
    SetCaption(Utf8ToAnsi("JEUX"));
    Border = AddScreenBorder(this);
    BuildNavalBoard();
    BuildCompteBoard();
    BuildChoicePanel();
    Border->BringToFront();
    OnShow = [this](TObject* s) { FormShow(s); };
    OnClose = [this](TObject* s) { FormClose(s); };
}

void TJeu::BuildChoicePanel() {
    CHOISIRJEU = MakePanel(this, "CHOISIRJEU", kBoardLeft, kBoardTop, kBoardWidth, kBoardHeight, kScreenColor);
    TPanel* p = CHOISIRJEU;
    Image7 = MakePicture(p, "Image7", "jeu_banniere", 205, 72);
    Image8 = MakePicture(p, "Image8", "jeu_bateau", 170, 372);
    Image9 = MakePicture(p, "Image9", "jeu_cartes", 760, 372);
    Image10 = MakePicture(p, "Image10", "jeu_pingouin_1", 48, 790);
    Image11 = MakePicture(p, "Image11", "jeu_pingouin_2", 1012, 790);
    ChoixDuJeu = CentredPicture(p, "ChoixDuJeu", 32, 280, 1081, 97);
    nom_joueur = CentredPicture(p, "nom_joueur", 112, 624, 993, 73);
    nom_joueur->SetProportional(true);   // a long name shrinks rather than lose its ends

    Label19 = AddTextButton(p, "Label19", "Shape113", "LA RECONNAISSANCE NAVALE", 498, 392, 247, 33, Shape113);
    Label17 = AddTextButton(p, "Label17", "Shape111", "LE COMPTE EST BON", 498, 432, 247, 33, Shape111);
    Label16 = AddTextButton(p, "Label16", "Shape110", "QUITTER", 498, 472, 247, 33, Shape110);
    Label19->OnClick = [this](TObject* s) { Label19Click(s); };
    Label17->OnClick = [this](TObject* s) { Label17Click(s); };
    Label16->OnClick = [this](TObject* s) { Label16Click(s); };
}

void TJeu::FormShow(TObject*) {
    // Two openings within the same second draw the same games.
    RandSeed(static_cast<unsigned>(static_cast<unsigned long long>(SecondsSinceEpoch(Now())) * 1000u));
    ResetNavalBoard();
    ResetCompteBoard();
    StartForm->RenderGlyphText("choix du jeu", ChoixDuJeu);
    CHOISIRJEU->SetBounds(kBoardLeft, kBoardTop, kBoardWidth, kBoardHeight);
    nom_joueur->Picture().Assign(StartForm->IdentifiantNOM->Picture());
}

void TJeu::FormClose(TObject*) {
    CHOISIRJEU->Show();
    CompteEstBon->Hide();
}

void TJeu::Label19Click(TObject*) {
    CompteEstBon->Hide();
    CHOISIRJEU->Hide();
}

void TJeu::Label17Click(TObject*) {
    CHOISIRJEU->Hide();
    CompteEstBon->SetBounds(kBoardLeft, kBoardTop, kBoardWidth, kBoardHeight);
    CompteEstBon->Show();
}

void TJeu::Label16Click(TObject*) {
    CHOISIRJEU->Show();
    CompteEstBon->Hide();
    Close();
}

void TJeu::StartGameAttempt(const AnsiString& typeName) {
    TMainFormEXO& player = *MainFormEXO;
    player.ExoMark = 0;
    player.ExoStartTime = DateTimeText(Now());
    player.ExoEndTime = "";
    player.ExoTypeName = typeName;
    player.ExoVerifUsed = 0;
    player.ChapterTitle = "Jeu";
    player.ChapterCode = "";
}

void TJeu::WriteGameRecord(int mark, int verifUsed, const AnsiString& typeName) {
    // The game's start and end come from its attempt; the exercise shown in the player
    // keeps its own members.
    TraceRecord record = MainFormEXO->AttemptRecord();
    record.ExoCode = "jeu";
    record.ExoNote = mark;
    record.ExoUseverif = verifUsed;
    record.ExoType = typeName;
    record.ExoChap = "Jeu";
    record.ExoChapcode = "Jeu";
    // A record that cannot be written is announced by the player's writer.
    Guarded([&] { MainFormEXO->WriteTraceRecord(record); });
}
