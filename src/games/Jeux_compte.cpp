// The numbers game "LE COMPTE EST BON": its board, the draw, composing an expression
// from the number and operator tiles, the check, the solution, the bounds and the rules.
#include <cmath>

#include <QFontMetrics>
#include <QPainter>

#include "games/CompteRules.h"
#include "games/ExpressionEvaluator.h"
#include "games/ExpressionGenerator.h"
#include "games/Jeux.h"
#include "games/TextButton.h"
#include "home/Intro.h"
#include "platform/DateTime.h"
#include "platform/Dialogs.h"
#include "player/Mainform_exo.h"
#include "ui/ArtParts.h"
#include "ui/Artwork.h"
#include "ui/ScreenParts.h"

namespace {

const char* const kGameName = "LE COMPTE EST BON";
// Said on the verdict line when the numbers drawn give no target.
const char* const kNoTarget = "Pas de compte: nouveau tirage ou autres bornes!";
constexpr TColor kCaptionColour = 0xD8F6FF;     // cream on the screen's colour
constexpr TColor kBoundColour = 6855555;
constexpr TColor kRulesColour = 12444091;
constexpr int kTile = 57, kTileStep = 64;

const std::vector<const char*> kRules = {
    "Le principe du jeu consiste à obtenir exactement LA VALEUR DU COMPTE à l'aide d'une opération arithmétique composée ",
    "des NOMBRES A UTILISER et des symboles d'opération + - x / et des parenthèses ().",
    "Pour jouer, il suffit de ",
    "      1. cliquer sur [NOUVEAU TIRAGE]",
    "      2. composer l'opération en cliquant sur les valeurs dans NOMBRE A UTILISER et les symboles de calcul",
    "      3. pour valider l'opération, il faut cliquer sur [VERIFIER], ou alors sur [RECOMMENCER] pour l'effacer",
    "      4. pour afficher la solution, cliquer sur [SOLUTION]",
    "",
    "Remarque: La bonne expression n'est pas unique ( il peut y en avoir plusieurs ), le seul but est que son résultat ",
    "soit égal au COMPTE",
    "",
    "Exemple: Pour obtenir 28 avec 4; 7; et 8, on peut faire  4 x 7 - 8 ( les valeurs peuvent être répétées )",
    "",
    "- les valeurs dans NOMBRE A UTILISER sont comprises entre les deux bornes indiquées",
    "- pour changer une des bornes, il suffit de cliquer dessus et saisir la valeur de son choix",
    "- un exemple d'expression avec parenthèse est  ( 4 + 3 ) x 2 - 8, ce qui fait 6.",
};

TGroupBox* GroupBox(TControl* parent, const char* name, const char* caption, int l, int t, int w, int h) {
    auto* box = new TGroupBox(parent, name);
    box->SetBounds(l, t, w, h);
    box->Font().SetName("Arial");
    box->Font().SetHeight(14);
    box->Font().SetStyle(fsBold);
    box->Font().SetColor(kCaptionColour);
    box->SetCaption(caption);
    return box;
}

// The picture of a tile, centred in the tile's well: a number too wide for the well
// (a negative one, three digits or more) is drawn shrunk into it, never over the rim.
class TTilePicture : public TImage {
public:
    using TImage::TImage;

protected:
    void paintEvent(QPaintEvent*) override {
        if (Picture().Empty()) return;
        const QImage& image = Picture().Image();
        // Clear of the well's edge and rounded corners.
        const QRectF room = art::TileWell(size()).adjusted(2, 1, -2, -1);
        QSizeF shown = image.size();
        if (shown.width() > room.width() || shown.height() > room.height())
            shown.scale(room.size(), Qt::KeepAspectRatio);
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        const QPointF corner(std::floor((width() - shown.width()) / 2), std::floor((height() - shown.height()) / 2));
        p.drawImage(QRectF(corner, shown), image);
    }
};

// A picture the size of a tile over its background `art`: tiles and slots show the
// background while they hold nothing.
TImage* Tile(TControl* parent, const AnsiString& name, const char* art, int left, int top, int width = kTile) {
    MakePicture(parent, "fond_" + name, art, left, top, width, kTile);
    TImage* tile = new TTilePicture(parent, name);
    tile->SetBounds(left, top, width, kTile);
    return tile;
}

TEdit* BoundField(TControl* parent, const char* name, const char* text, int left, int top) {
    auto* edit = new TEdit(parent, name);
    edit->SetBounds(left, top, 41, 28);
    edit->SetReadOnly(true);
    edit->SetColor(kBoundColour);
    edit->Font().SetName("Arial Narrow");
    edit->Font().SetHeight(18);
    edit->Font().SetStyle(fsBold);
    edit->Font().SetColor(clPurple);
    edit->SetCursor(TCursor::HandPoint);
    edit->SetText(text);
    return edit;
}

}  // namespace

void TJeu::BuildCompteBoard() {
    CompteEstBon = MakePanel(this, "CompteEstBon", 8, 40, 1169, 817, kScreenColor);
    CompteEstBon->Hide();
    TPanel* board = CompteEstBon;
    Image6 = MakePicture(board, "Image6", "jeu_titre_compte", 235, 22);
    Image12 = MakePicture(board, "Image12", "jeu_cartes", 150, 720);
    Image13 = MakePicture(board, "Image13", "jeu_trophee", 850, 726);

    GroupBox1 = GroupBox(board, "GroupBox1", "VALEUR DU COMPTE", 40, 128, 260, 200);
    compte = Tile(GroupBox1, "compte", "jeu_cadre_compte", 65, 82, 129);
    compte->SetCursor(TCursor::HandPoint);

    GroupBox2 = GroupBox(board, "GroupBox2", "NOMBRES A UTILISER", 330, 128, 800, 200);
    const auto place = [this](TObject* s) { UNSYMBOLE(s); };
    for (int k = 0; k < 5; ++k) {
        Numbers[k] = Tile(GroupBox2, NumberedName("v", k + 1), "jeu_tuile_nombre", 24 + k * kTileStep, 36);
        Numbers[k]->SetCursor(TCursor::HandPoint);
        Numbers[k]->OnClick = place;
    }
    const char* const signs[] = {"+", "-", "*", "/", "(", ")"};
    const char* const signPictures[] = {"alpha_op", "alpha_mm", "alpha_of", "alpha_od", "alpha_opo", "alpha_opf"};
    for (int k = 0; k < 6; ++k) {
        Operators[k] = Tile(GroupBox2, NumberedName("op", k + 1), "jeu_tuile_signe", 24 + k * kTileStep, 120);
        SetArtwork(Operators[k]->Picture(), signPictures[k]);
        Operators[k]->SetHint(signs[k]);
        Operators[k]->SetCursor(TCursor::HandPoint);
        Operators[k]->OnClick = place;
    }
    // The two bounds stand in the gap of the sentence and after its last word.
    const AnsiString sentence = "Utiliser des valeurs comprises entre             et";
    Label15 = TextLabel(GroupBox2, "Label15", 424, 44, "Arial", 14, fsBold, kCaptionColour, sentence);
    const QFontMetrics metrics(Label15->Font().ToQFont());
    const int gap = metrics.horizontalAdvance(ToQString("Utiliser des valeurs comprises entre "));
    const int gapWidth = metrics.horizontalAdvance(ToQString("            "));
    min_compte = BoundField(GroupBox2, "min_compte", "2", Label15->Left() + gap + (gapWidth - 41) / 2, 38);
    max_compte = BoundField(GroupBox2, "max_compte", "20", Label15->Left() + Label15->Width() + 8, 38);
    min_compte->OnClick = [this](TObject* s) { min_compteClick(s); };
    max_compte->OnClick = [this](TObject* s) { max_compteClick(s); };
    ESP = new TCheckBox(GroupBox2, "ESP");
    ESP->SetBounds(424, 128, 320, 24);
    ESP->Font().SetName("Arial");
    ESP->Font().SetHeight(14);
    ESP->Font().SetStyle(fsBold);
    ESP->Font().SetColor(kCaptionColour);
    ESP->SetCaption(Utf8ToAnsi("Expression sans parenthèse uniquement"));
    ESP->SetChecked(true);

    GroupBox3 = GroupBox(board, "GroupBox3", "SOLUTION PROPOSEE", 40, 356, 1090, 132);
    for (int k = 0; k < 14; ++k)
        Slots[k] = Tile(GroupBox3, NumberedName("s", k + 1), "jeu_case", 24 + k * kTileStep, 44);
    EFFACERSolution = AddTextButton(GroupBox3, "EFFACERSolution", "Shape108", "RECOMMENCER", 940, 56, 130, 33, Shape108);
    EFFACERSolution->OnClick = [this](TObject* s) { EFFACERSolutionClick(s); };

    verdict = CentredPicture(board, "verdict", 124, 508, 921, 57);
    verdict->SetProportional(true);    // a long text shrinks rather than lose its ends

    Panel6 = MakePanel(board, "Panel6", 40, 598, 1090, 60, kScreenColor);
    const struct {
        TLabel** label;
        TShape** frame;
        const char *name, *frameName, *caption;
        void (TJeu::*click)(TObject*);
    } commands[] = {
        {&QUITTERCompte, &Shape107, "QUITTERCompte", "Shape107", "QUITTER", &TJeu::QUITTERCompteClick},
        {&AIDECompte, &Shape109, "AIDECompte", "Shape109", "AIDE", &TJeu::AIDECompteClick},
        {&SOLUTIONCompte, &Shape106, "SOLUTIONCompte", "Shape106", "SOLUTION", &TJeu::SOLUTIONCompteClick},
        {&VERIFIERCompte, &Shape104, "VERIFIERCompte", "Shape104", "VERIFIER", &TJeu::VERIFIERCompteClick},
        {&NOUVEAUTirage, &Shape105, "NOUVEAUTirage", "Shape105", "NOUVEAU TIRAGE", &TJeu::NOUVEAUTirageClick},
    };
    int x = 26;
    for (const auto& c : commands) {
        *c.label = AddTextButton(Panel6, c.name, c.frameName, c.caption, x, 14, 190, 33, *c.frame);
        (*c.label)->OnClick = [this, click = c.click](TObject* s) { (this->*click)(s); };
        x += 213;
    }
    BuildCompteRules();
}

void TJeu::BuildCompteRules() {
    // Over the slots, the verdict and the command row, which it keeps out of reach.
    COMPTEHELP = MakePanel(CompteEstBon, "COMPTEHELP", 30, 346, 1110, 322, kRulesColour);
    COMPTEHELP->SetBevelOuter(TBevelCut::Lowered);
    Memo2 = StoredText(COMPTEHELP, "Memo2", 12, 12, 1086, 266, "Courier New", 13, kRules);
    HideHelpCompte = AddTextLink(COMPTEHELP, "HideHelpCompte", "FERMER", 0, 286, 14, clRed);
    HideHelpCompte->SetLeft((COMPTEHELP->Width() - HideHelpCompte->Width()) / 2);
    HideHelpCompte->OnClick = [this](TObject* s) { HideHelpCompteClick(s); };
    COMPTEHELP->Hide();
}

void TJeu::ResetCompteBoard() {
    // The target, the numbers and the solution go with their pictures: nothing of an
    // earlier draw stays on show or can be shown.
    compte->SetHint("");
    verdict->SetHint("");
    compte->Picture().Clear();
    for (TImage* v : Numbers) {
        v->SetHint("");
        v->Picture().Clear();
    }
    EmptySlots();
}

void TJeu::EmptySlots() {
    for (TImage* s : Slots) {
        s->SetHint("");
        s->Picture().Clear();
    }
    // The solution stays in the verdict's hint.
    verdict->Picture().Clear();
}

void TJeu::NOUVEAUTirageClick(TObject*) {
    Guarded([&] {
        const DrawBounds bounds = ReadBounds(min_compte->Text(), max_compte->Text());
        ResetCompteBoard();
        const std::vector<int> numbers = DrawNumbers(bounds);
        for (size_t k = 0; k < numbers.size(); ++k) {
            const AnsiString text = IntToStr(numbers[k]);
            StartForm->RenderGlyphText(text, Numbers[k]);
            Numbers[k]->SetHint(text);
        }
        const AnsiString expression = GenerateExpression(numbers, !ESP->Checked());
        int target;
        if (EvaluateExpression(expression, target)) {
            compte->SetHint(IntToStr(target));
            verdict->SetHint(expression);
            StartForm->RenderGlyphText(IntToStr(target), compte);
        }
        SayWhenNoTarget();
        StartGameAttempt(kGameName);
    });
}

void TJeu::UNSYMBOLE(TObject* Sender) {
    auto* token = dynamic_cast<TImage*>(Sender);
    if (!token || Trim(compte->Hint()).empty()) return;
    for (TImage* slot : Slots) {
        if (!slot->Hint().empty()) continue;
        slot->SetHint(token->Hint());
        slot->Picture().Assign(token->Picture());
        break;
    }
    // A number is used up, even when no slot was free; the operators stay.
    for (TImage* v : Numbers)
        if (v == token) v->Picture().Clear();
}

void TJeu::SayWhenNoTarget() {
    if (Trim(compte->Hint()).empty() && !Trim(Numbers[0]->Hint()).empty())
        StartForm->RenderGlyphText(kNoTarget, verdict);
}

void TJeu::EFFACERSolutionClick(TObject*) {
    EmptySlots();
    for (TImage* v : Numbers)
        if (!Trim(v->Hint()).empty()) StartForm->RenderGlyphText(v->Hint(), v);
    SayWhenNoTarget();
}

void TJeu::VERIFIERCompteClick(TObject*) {
    Guarded([&] {
        std::vector<AnsiString> tokens;
        for (TImage* s : Slots) tokens.push_back(s->Hint());
        const CompositionCheck check = CheckComposition(tokens, compte->Hint());
        if (check.verdict == CompositionVerdict::Nothing) return;
        StartForm->RenderGlyphText(check.text, verdict);
        if (check.verdict != CompositionVerdict::Found) return;
        MainFormEXO->ExoEndTime = DateTimeText(Now());
        WriteGameRecord(10, 0, kGameName);
    });
}

void TJeu::SOLUTIONCompteClick(TObject*) {
    Guarded([&] {
        // Only the solution of the draw on show: a draw without a target has none.
        if (Trim(verdict->Hint()).empty()) return;
        StartForm->RenderGlyphText(verdict->Hint(), verdict);
        MainFormEXO->ExoEndTime = DateTimeText(Now());
        WriteGameRecord(0, 1, kGameName);
    });
}

void TJeu::AskBound(TEdit* field, const AnsiString& prompt) {
    const AnsiString answer = InputBox(Utf8ToAnsi("Valeur entière"), prompt, field->Text());
    AnsiString accepted;
    if (AcceptBound(answer, accepted))
        field->SetText(accepted);
    else
        MessageDlg("Nombre non valide", TMsgDlgType::Information, mbOK);
}

void TJeu::min_compteClick(TObject*) { AskBound(min_compte, "Le plus petit nombre"); }

void TJeu::max_compteClick(TObject*) { AskBound(max_compte, "Le plus grand nombre"); }

void TJeu::AIDECompteClick(TObject*) {
    COMPTEHELP->Show();
    COMPTEHELP->BringToFront();
}

void TJeu::HideHelpCompteClick(TObject*) { COMPTEHELP->Hide(); }

void TJeu::QUITTERCompteClick(TObject*) { Close(); }
