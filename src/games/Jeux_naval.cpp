// The ship-locating game "LA RECONNAISSANCE NAVALE": its board of a hundred squares
// over a sea chart, a new game with its fleet, shots, located ships and their markers,
// the end of a game and the rules.
#include <QPainter>

#include "games/Jeux.h"
#include "games/TextButton.h"
#include "home/Intro.h"
#include "platform/DateTime.h"
#include "player/Mainform_exo.h"
#include "ui/ArtParts.h"
#include "ui/ScreenParts.h"

namespace {

using art::kChartHeight, art::kChartLeft, art::kChartTop, art::kChartWidth, art::kSquareLefts,
    art::kSquareTops, art::SquareHeight;

const char* const kNoGame = "NOUVELLE PARTIE";
const char* const kGameRunning = "PARTIE EN COURS";
const char* const kShowRules = "AFFICHER LE PRINCIPE DU JEU";
const char* const kHideRules = "MASQUER LE PRINCIPE DU JEU";
const char* const kFirstCount = "Nombre de tirs: 0";
constexpr TColor kSquareColour = 8757200;
constexpr TColor kPaperColour = 0xE7F8FF;       // the cream of the pictures
constexpr TColor kProgressColour = 0xBEBE7E;

const char* const kFleet[] = {"1 porte-avions", "2 croiseurs", "1 contre-torpilleur (destroyer)", "1 sous-marins",
                              "2 torpilleurs"};
const char* const kSizes[] = {"porte-avions = 5 cases", "croiseur = 4 cases", "contre-torpilleur = 3 cases",
                              "sous-marin = 3 cases", "torpilleurs = 2 cases"};
const std::vector<const char*> kRules = {
    "Le but du jeu est de localiser toute la flotte (initialement invisible!) à l'aide d'un nombre réduit de "
    "tirs (entre 23 et 100).",
    "Pour commencer, cliquer sur [NOUVELLE PARTIE] : les navires sont cachés au hasard sur la grille.",
    "Pour tirer, cliquer sur une case ; sa couleur montre le résultat :",
    "      rouge = touché (un navire occupe cette case)",
    "      orange = en vue (un navire tout près, même en diagonale)",
    "      vert = dans l'eau (aucun navire autour)",
    "Deux navires ne se touchent jamais. [TERMINER LA PARTIE] montre les navires encore cachés.",
};

// The marker over a located ship: a rounded box hatched with a black diagonal cross,
// its grey edge 2 pixels wide. Clicks go through to the squares.
class TShipMarker : public TShape {
public:
    TShipMarker(TControl* parent, const AnsiString& name) : TShape(parent, name) {
        SetShape(TShapeType::RoundRect);
        Brush().SetColor(clBlack);
        Pen().SetColor(clGray);
        Pen().SetWidth(2);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        Hide();
    }
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        art::DrawShipMarker(p, QRectF(rect()), ToQColor(Brush().Color()), ToQColor(Pen().Color()), Pen().Width());
    }
};

// A label of a fixed place and size in navy: nothing is measured while the screen is
// built.
TLabel* FixedText(TControl* parent, const AnsiString& name, int left, int top, int width, int height,
                  const char* font, int px, int style, const AnsiString& caption,
                  TAlignment alignment = TAlignment::LeftJustify) {
    auto* label = new TLabel(parent, name);
    label->SetAutoSize(false);
    label->SetTransparent(true);
    label->SetBounds(left, top, width, height);
    label->SetAlignment(alignment);
    label->Font().SetName(font);
    label->Font().SetHeight(px);
    label->Font().SetStyle(style);
    label->Font().SetColor(clNavy);
    label->SetCaption(caption);
    return label;
}

// A panel of stored texts: a bold title, then one line per text.
TPanel* TextPanel(TControl* parent, const char* name, int left, int top, const char* title,
                  const char* const (&lines)[5]) {
    TPanel* panel = MakePanel(parent, name, left, top, 280, 190, kPaperColour);
    panel->SetBevelOuter(TBevelCut::Raised);
    FixedText(panel, NumberedName(name, 0), 14, 10, 260, 20, "Arial", 16, fsBold, title);
    for (int k = 0; k < 5; ++k)
        FixedText(panel, NumberedName(name, k + 1), 24, 38 + k * 21, 250, 18, "Arial", 14, 0, lines[k]);
    return panel;
}

}  // namespace

void TJeu::BuildNavalBoard() {
    Panel1 = MakePanel(this, "Panel1", 105, 216, 961, 681, kScreenColor);
    Image1 = MakePicture(Panel1, "Image1", "jeu_carte_marine", kChartLeft, kChartTop, kChartWidth, kChartHeight);
    Image3 = MakePicture(Panel1, "Image3", "jeu_phare", 40, 40);
    Image5 = MakePicture(Panel1, "Image5", "jeu_bateau_petit", 16, 380);
    Image4 = MakePicture(Panel1, "Image4", "jeu_boussole", 812, 110);
    for (int row = 1; row <= kGridSize; ++row)
        for (int column = 1; column <= kGridSize; ++column) {
            const int n = (row - 1) * kGridSize + column;
            auto* square = new TShape(Panel1, NumberedName("Shape", n));
            square->SetBounds(kSquareLefts[column - 1], kSquareTops[row - 1], 48, SquareHeight(row));
            square->SetCursor(TCursor::HandPoint);
            square->Pen().SetStyle(TPenStyle::Clear);
            square->Brush().SetColor(kSquareColour);
            square->OnMouseUp = [this](TObject* s, TMouseButton, int, int, int) { Shape1MouseUp(s); };
            Squares[n - 1] = square;
        }
    for (int k = 0; k < 7; ++k) Markers[k] = new TShipMarker(Panel1, NumberedName("b", k + 1));
    Joueur = CentredPicture(Panel1, "Joueur", 8, 576, 929, 41);
    Joueur->SetProportional(true);   // a long name shrinks rather than lose its ends
    Score = CentredPicture(Panel1, "Score", 8, 624, 929, 41);
    PanelPG = MakePanel(Panel1, "PanelPG", 252, 0, 497, 33, kProgressColour);
    PG = new TProgressBar(PanelPG, "PG");
    PG->SetBounds(8, 8, 481, 17);
    PG->SetMax(1000);
    PG->SetStep(1);
    PanelPG->Hide();
    BuildNavalTexts();
}

void TJeu::BuildNavalTexts() {
    Image2 = MakePicture(this, "Image2", "jeu_titre_naval", 316, 24);
    NouvellePartie = AddTextButton(this, "NouvellePartie", "Shape101", kNoGame, 316, 140, 170, 33, Shape101);
    FinPartie = AddTextButton(this, "FinPartie", "Shape102", "TERMINER LA PARTIE", 511, 140, 170, 33, Shape102);
    Label9 = AddTextButton(this, "Label9", "Shape103", "QUITTER", 706, 140, 170, 33, Shape103);
    NouvellePartie->OnClick = [this](TObject* s) { NouvellePartieClick(s); };
    FinPartie->OnClick = [this](TObject* s) { FinPartieClick(s); };
    Label9->OnClick = [this](TObject* s) { Label9Click(s); };

    Panel2 = TextPanel(this, "Panel2", 20, 20, "FLOTTE INITIALE", kFleet);
    ShowRule = FixedLabel(AddTextLink(Panel2, "ShowRule", kShowRules, 0, 0, 12, kTextButtonHoverText), 0, 160,
                          Panel2->Width(), 18, TAlignment::Center);
    ShowRule->SetHint("0");
    ShowRule->OnClick = [this](TObject* s) { ShowRuleClick(s); };
    Panel3 = TextPanel(this, "Panel3", 892, 20, "DESCRIPTION DE LA FLOTTE", kSizes);
    MonTIR = FixedText(Panel3, "MonTIR", 4, 150, 272, 30, "Arial Narrow", 19, fsBold, "", TAlignment::Center);

    // The rules lie over the grid while they show.
    REGLEDUJEU = MakePanel(Panel1, "REGLEDUJEU", kChartLeft, kChartTop, kChartWidth, kChartHeight, kPaperColour);
    REGLEDUJEU->SetBevelOuter(TBevelCut::Raised);
    FixedText(REGLEDUJEU, "Label_regle", 0, 24, kChartWidth, 32, "Arial", 22, fsBold, "PRINCIPE DU JEU",
              TAlignment::Center);
    Memo1 = StoredText(REGLEDUJEU, "Memo1", 32, 90, kChartWidth - 64, kChartHeight - 122, "Arial", 18, kRules);
    REGLEDUJEU->Hide();
}

TShape* TJeu::GetCell(int row, int column) const {
    return FleetGrid::OnGrid(row, column) ? Squares[(row - 1) * kGridSize + column - 1] : nullptr;
}

void TJeu::ResetNavalBoard() {
    for (TShape* square : Squares) {
        square->SetHint(CellText(Cell::Water));
        square->Brush().SetStyle(TBrushStyle::Clear);
    }
    for (TShape* marker : Markers) marker->Hide();
    FleetList = "";
    LocatedShipCount = 0;
    MonTIR->SetCaption("");
    StartForm->RenderGlyphText("Joueur: " + StartForm->LearnerName, Joueur);
    Score->SetHint(kFirstCount);
    StartForm->RenderGlyphText(Score->Hint(), Score);
    NouvellePartie->SetCaption(kNoGame);
    ShowRule->SetCaption(kShowRules);
    ShowRule->SetHint("0");
    REGLEDUJEU->Hide();
}

void TJeu::NouvellePartieClick(TObject*) {
    if (NouvellePartie->Caption() != kNoGame) return;
    ResetNavalBoard();
    PG->SetPosition(0);
    PanelPG->Show();
    NouvellePartie->SetCaption(kGameRunning);
    FleetGrid grid;
    const std::vector<AnsiString> placed =
        PlaceFleet(grid, [this] { PG->SetPosition(0); }, [this] { PG->StepIt(); });
    for (int row = 1; row <= kGridSize; ++row)
        for (int column = 1; column <= kGridSize; ++column)
            GetCell(row, column)->SetHint(CellText(grid.At(row, column)));
    PanelPG->Hide();
    TStringList lines;
    for (const AnsiString& line : placed) lines.Add(line);
    FleetList = lines.Text();
    StartGameAttempt("LA RECONNAISSANCE  NAVALE");
}

void TJeu::Shape1MouseUp(TObject* Sender) {
    auto* square = dynamic_cast<TShape*>(Sender);
    if (!square || NouvellePartie->Caption() != kGameRunning) return;
    FireShot(square);
    CheckLocatedShips();
}

void TJeu::FireShot(TShape* square) {
    // A square already fired at costs no shot.
    if (square->Brush().Style() == TBrushStyle::Clear) {
        Score->SetHint(CountShot(Score->Hint()));
        StartForm->RenderGlyphText(Score->Hint(), Score);
    }
    const ShotOutcome shot = Shoot(square->Hint());
    if (!shot.changes) return;
    square->Brush().SetStyle(TBrushStyle::Solid);
    square->Brush().SetColor(shot.colour);
    square->SetHint(shot.after);
    MonTIR->SetCaption(shot.message);
}

std::vector<FleetLine> TJeu::HiddenShips() const {
    std::vector<FleetLine> ships;
    for (const AnsiString& line : SplitLines(Trim(FleetList))) {
        FleetLine ship;
        if (ReadFleetLine(line, ship)) ships.push_back(ship);
    }
    return ships;
}

void TJeu::CheckLocatedShips() {
    std::vector<FleetLine> ships = HiddenShips();
    for (size_t i = 0; i < ships.size(); ++i) {
        bool located = true;
        for (const auto& [row, column] : ShipSquares(ships[i]))
            located = located && Trim(GetCell(row, column)->Hint()) == CellText(Cell::Hit);
        if (!located) continue;
        // One shot completes one ship at the most.
        const FleetLine ship = ships[i];
        ships.erase(ships.begin() + i);
        TStringList rest;
        for (const FleetLine& s : ships) rest.Add(FleetLineText(s));
        FleetList = Trim(rest.Text());
        ++LocatedShipCount;
        MonTIR->SetCaption(AnsiUpperCase(ShipName(ship.type)) + Utf8ToAnsi(" localisé !"));
        ShowShipMarker(ship.row, ship.column, ship.type, ship.direction);
        break;
    }
    if (LocatedShipCount != kFleetSize) return;
    MonTIR->SetCaption(Utf8ToAnsi("Localisation achevée, BRAVO !"));
    NouvellePartie->SetCaption(kNoGame);
    MainFormEXO->ExoEndTime = DateTimeText(Now());
    WriteGameRecord(StrToIntDef(ShotsOf(Score->Hint()), 0), 0, "LA RECONNAISSANCE NAVALE");
}

void TJeu::ShowShipMarker(int row, int column, int type, int direction) {
    const TShape* square = GetCell(row, column);
    if (!square || ShipLength(type) == 0) return;
    // b1; b2 then b3; b4 then b5; b6 then b7.
    static const int firstMarker[] = {0, 1, 3, 3, 5};
    TShape* marker = Markers[firstMarker[type - 1]];
    if (type > 1 && marker->Visible()) marker = Markers[firstMarker[type - 1] + 1];
    const MarkerPlace m = MarkerBounds(square->Left(), square->Top(), type, direction);
    marker->SetBounds(m.left, m.top, m.width, m.height);
    marker->Show();
}

void TJeu::RevealFleet() {
    for (const FleetLine& ship : HiddenShips()) ShowShipMarker(ship.row, ship.column, ship.type, ship.direction);
}

void TJeu::FinPartieClick(TObject*) {
    if (NouvellePartie->Caption() == kNoGame) return;
    RevealFleet();
    NouvellePartie->SetCaption(kNoGame);
    MainFormEXO->ExoEndTime = DateTimeText(Now());
    WriteGameRecord(StrToIntDef(ShotsOf(Score->Hint()), 0), 1, "La reconnaissance navale");
}

void TJeu::ShowRuleClick(TObject*) {
    const bool show = ShowRule->Hint() == "0";
    REGLEDUJEU->SetVisible(show);
    ShowRule->SetHint(show ? "1" : "0");
    ShowRule->SetCaption(show ? kHideRules : kShowRules);
}

void TJeu::Label9Click(TObject*) { Close(); }
