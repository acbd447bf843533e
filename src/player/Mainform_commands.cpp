// The player's picture commands (hover faces and hint banners), RETOUR, JEUX, and the
// help page with its five tabs.
#include <algorithm>
#include <tuple>

#include "games/Jeux.h"
#include "player/Mainform_exo.h"
#include "ui/Artwork.h"

namespace {

constexpr TColor kFrameColour = 0xB0968C;
// Help tab frames: the colour is the tab's state.
constexpr TColor kTabIdle = 0xFF8080;
constexpr TColor kTabHover = 14329263;      // 0xDAA5AF
constexpr TColor kTabSelected = 13020254;   // 0xC6AC5E, the colour of the text area

// ---- The help texts ---------------------------------------------------------------

const char* const kHelpGeneral =
    "L'écran actuel permet de résoudre divers exercices selon le chapitre choisi.\n"
    "\n"
    "CHOISIR UN CHAPITRE\n"
    "A l'ouverture de cet écran, la table des matières de la matière et de la classe de "
    "l'élève est affichée. Un clic sur une entrée la sélectionne : le nombre d'exercices "
    "qui lui sont directement liés s'affiche sous la liste, ainsi que le nombre d'exercices "
    "de ses sous-chapitres. Le bouton [OUVRIR] (ou un double-clic sur l'entrée) ouvre "
    "le chapitre et affiche son premier exercice. Une entrée qui n'a pas d'exercice propre ne "
    "peut pas être ouverte : il faut alors choisir l'un de ses sous-chapitres.\n"
    "\n"
    "CHANGER DE CHAPITRE\n"
    "A tout moment, le bouton [SOMMAIRE] ramène à la table des matières. On peut alors "
    "choisir un autre chapitre, ou revenir à l'exercice en cours avec la croix [X] placée en "
    "haut à droite de la table des matières.\n"
    "\n"
    "CHANGER D'ELEVE\n"
    "Le prénom de l'élève, sa matière et sa classe se choisissent sur l'écran d'accueil. Le "
    "bouton [RETOUR] y ramène : choisir un autre élève (ou une autre matière et une autre "
    "classe), puis cliquer sur [TRAVAILLER] pour retrouver cet écran avec la table des "
    "matières correspondante.\n"
    "\n"
    "SE DIVERTIR\n"
    "Le bouton [JEUX], en bas de la colonne de gauche, ouvre l'écran des jeux. En quittant "
    "les jeux, on retrouve l'exercice là où on l'avait laissé.\n"
    "\n"
    "VERIFIER OU CORRIGER\n"
    "Le bouton [VERIFIER] signale les réponses justes et les réponses fausses sans donner "
    "la solution : il est encore temps de modifier ses réponses. Le bouton [CORRIGER] "
    "affiche la solution et attribue une note sur 10. Une vérification avant la correction "
    "coûte en général un point, et la note de 10/10 n'est alors plus possible. Les "
    "questions vrai ou faux font exception : [VERIFIER] y donne le verdict (et la bonne "
    "réponse quand aucune n'a été choisie), et la note ne dépend pas de la vérification.";

const char* const kHelpKinds =
    "Les exercices pouvant être proposés sont de divers types:\n"
    "\n"
    "- QUESTIONS A CHOIX MULTIPLE : cocher la ou les bonnes réponses parmi celles qui sont "
    "proposées. Quand une seule réponse est juste, cocher une réponse décoche la précédente.\n"
    "\n"
    "- VRAI OU FAUX : lire l'affirmation, puis cliquer sur « vrai » ou sur « faux ».\n"
    "\n"
    "- REPONSES A ECRIRE : écrire la réponse dans la case prévue. Un problème peut "
    "demander jusqu'à quatre réponses, chacune dans sa case, sous sa propre question. Les "
    "majuscules et les espaces ne comptent pas.\n"
    "\n"
    "- ASSOCIATIONS : relier chaque élément de la colonne de gauche à l'élément qui lui "
    "correspond dans la colonne de droite, en cliquant sur l'un puis sur l'autre. Un trait "
    "de couleur montre chaque association ; on peut la refaire autant de fois que "
    "nécessaire.\n"
    "\n"
    "- TEXTES A TROUS : cliquer sur un trou du texte. Selon l'exercice, on y écrit le mot "
    "manquant dans la petite fenêtre qui s'ouvre (avec son clavier pour les nombres), ou "
    "bien on choisit le mot qui convient dans la liste de mots affichée au-dessus du texte.\n"
    "\n"
    "- MOTS D'UN TEXTE : repérer, en cliquant dessus, les mots du texte qui répondent à la "
    "consigne, ou réécrire sous leur bonne forme les mots écrits en bleu.\n"
    "\n"
    "Certains exercices sont accompagnés d'une figure. Le bouton placé sous la page permet "
    "de la masquer ou de l'afficher de nouveau.";

const char* const kHelpNavigation =
    "Les exercices s'enchaînent (bouton [SUIVANT]) et il n'y a pas de durée prédéfinie "
    "pour fournir une réponse. \n"
    "\n"
    "AVANCER ET RECULER\n"
    "Le bouton [SUIVANT] affiche l'exercice suivant du chapitre ; la flèche placée sous lui "
    "revient à l'exercice précédent. Le compteur sous l'horloge indique le numéro de "
    "l'exercice affiché et le nombre d'exercices du chapitre (par exemple 3/12). Quand le "
    "chapitre compte plus de 10 exercices, la liste de saut, à droite de l'horloge, permet "
    "d'aller directement à l'exercice 1, 10, 20, etc. Quand il ne reste plus d'exercice, le "
    "message « Aucun exercice restant pour ce chapitre » s'affiche et la table des "
    "matières réapparaît.\n"
    "\n"
    "VERIFIER\n"
    "Le bouton [VERIFIER] indique ce qui est juste et ce qui est faux, sans montrer la "
    "solution. Les réponses peuvent encore être modifiées. Un second clic sur [VERIFIER] "
    "corrige l'exercice. Pour les questions vrai ou faux, [VERIFIER] donne le verdict (et "
    "la bonne réponse quand aucune n'a été choisie) ; un second clic vérifie de nouveau "
    "sans corriger : seul [CORRIGER] donne alors la note.\n"
    "\n"
    "CORRIGER\n"
    "Le bouton [CORRIGER] montre la solution et calcule la note, de 0 à 10. La commande "
    "« AFFICHER MA NOTE » montre ou cache la note ; le choix est gardé pour les exercices "
    "suivants. Un exercice corrigé ne peut plus être vérifié ni corrigé : il faut passer à "
    "un autre exercice, ou y revenir pour le refaire.\n"
    "\n"
    "EXERCICE TRAITE\n"
    "Un exercice compte comme traité dès qu'il a été corrigé : sa note, le temps passé et "
    "l'usage éventuel de la vérification sont alors inscrits dans l'historique.\n"
    "\n"
    "RETOUR\n"
    "Le bouton [RETOUR] ferme cet écran et ramène à l'écran d'accueil. Au prochain passage, "
    "on repart de la table des matières.";

const char* const kHelpSettings =
    "PARAMETRES\n"
    "Les options se règlent sur l'écran d'accueil, avec le bouton [OPTIONS]. On y indique "
    "quels exercices proposer (seulement ceux qui n'ont pas encore été traités, ou tous "
    "les exercices) et quand ouvrir les jeux (librement, ou après au moins un exercice "
    "traité). On choisit ensuite comment prendre ces choix en compte : pour cette séance "
    "seulement, pour cette séance et les suivantes (ils sont alors enregistrés), ou pas "
    "du tout.\n"
    "Pour le moment, ces choix sont seulement notés : tous les exercices du chapitre "
    "restent proposés et les jeux restent ouverts à tout moment.\n"
    "\n"
    "HISTORIQUE\n"
    "Le bouton [HISTORIQUE] de l'écran d'accueil affiche la liste de tous les exercices "
    "corrigés et de toutes les parties de jeu, groupés et triés, au choix, par date ou par "
    "chapitre. Pour chacun on y lit le jour, l'heure de début et de fin, le temps écoulé, "
    "la note obtenue et si la vérification a été utilisée. L'historique est commun à tous "
    "les élèves qui utilisent le programme sur cet ordinateur.";

const char* const kHelpGames =
    "Deux jeux sont proposés (cliquer sur le bouton [JEUX)) :\n"
    "\n"
    "LA RECONNAISSANCE NAVALE\n"
    "Sept navires sont cachés sur une grille de 10 cases sur 10. Cliquer sur « NOUVELLE "
    "PARTIE », puis sur une case pour tirer : elle prend la couleur de ce qui a été "
    "trouvé, vert pour l'eau, orange pour le voisinage d'un navire, rouge pour un navire "
    "touché. Un navire dont toutes les cases ont été touchées est annoncé. Le but est de "
    "découvrir toute la flotte avec le moins de tirs possible : le nombre de tirs est le "
    "score de la partie. « TERMINER LA PARTIE » abandonne et montre les navires encore "
    "cachés.\n"
    "\n"
    "LE COMPTE EST BON\n"
    "Cliquer sur « NOUVEAU TIRAGE » : le programme tire quatre ou cinq nombres et affiche "
    "la valeur du compte à atteindre. Composer un calcul en cliquant sur les nombres, sur "
    "les signes d'opération et sur les parenthèses, puis cliquer sur « VERIFIER ». "
    "« RECOMMENCER » efface le calcul, « SOLUTION » montre un calcul qui convient et "
    "« AIDE » rappelle la règle du jeu.\n"
    "\n"
    "Chaque partie de reconnaissance navale, terminée ou abandonnée, et chaque compte "
    "trouvé ou solution affichée sont inscrits dans l'historique. Le bouton « QUITTER » "
    "ramène à l'exercice en cours.";

// One line of a memo per line of the text.
void FillMemo(TMemo* memo, const char* utf8) {
    TStringList lines;
    for (const AnsiString& line : SplitLines(Utf8ToAnsi(utf8))) lines.Add(line);
    memo->SetLines(lines);
}

} // namespace

// ---- Help page ---------------------------------------------------------------------

void TMainFormEXO::BuildHelpPage() {
    TPanel** tabs[] = {&HelpTab1, &HelpTab2, &HelpTab3, &HelpTab4, &HelpTab5};
    TShape** frames[] = {&Shape2, &Shape3, &Shape4, &Shape5, &Shape6};
    TLabel** labels[] = {&Label1, &Label3, &Label4, &Label5, &Label6};
    const char* labelNames[] = {"Label1", "Label3", "Label4", "Label5", "Label6"};
    const char* captions[] = {"Généralités", "Type d'exercice", "Navigation",
                              "Paramètres/Historique", "Divertissement"};
    for (int i = 0; i < 5; ++i) {
        auto* tab = new TPanel(TabSheet10, "HelpTab" + IntToStr(i + 1));
        tab->SetBounds(8 + i * 164, 14, 161, 33);
        tab->SetColor(kFrameColour);
        tab->SetBevelOuter(TBevelCut::None);
        tab->SetShowCaption(false);
        auto* frame = new TShape(tab, "Shape" + IntToStr(i + 2));
        frame->SetBounds(0, 0, 161, 33);
        frame->SetShape(TShapeType::RoundRect);
        frame->Pen().SetColor(clNavy);
        frame->Brush().SetColor(kTabIdle);
        auto* label = new TLabel(tab, labelNames[i]);
        label->SetAutoSize(false);
        label->SetBounds(0, 0, 161, 33);
        label->SetAlignment(TAlignment::Center);
        label->SetLayoutCenter(true);
        label->SetTransparent(true);
        label->SetCursor(TCursor::HandPoint);
        label->Font().SetName("Arial Narrow");
        label->Font().SetHeight(16);
        label->Font().SetColor(clNavy);
        label->SetCaption(Utf8ToAnsi(captions[i]));
        *tabs[i] = tab;
        *frames[i] = frame;
        *labels[i] = label;
    }

    HelpMemo = new TMemo(TabSheet10, "HelpMemo");
    HelpMemo->SetBounds(8, 56, 817, 508);
    HelpMemo->SetColor(kTabSelected);
    HelpMemo->SetReadOnly(true);
    HelpMemo->SetBorderStyle(TBorderStyle::None);
    HelpMemo->SetWordWrap(true);
    HelpMemo->SetScrollBars(true);
    HelpMemo->Font().SetName("Verdana");
    HelpMemo->Font().SetHeight(12);
    HelpMemo->Font().SetColor(clBlack);

    TMemo** memos[] = {&Memo1, &Memo2, &Memo3, &Memo4, &Memo5};
    const char* texts[] = {kHelpGeneral, kHelpKinds, kHelpNavigation, kHelpSettings, kHelpGames};
    for (int i = 0; i < 5; ++i) {
        auto* memo = new TMemo(TabSheet10, "Memo" + IntToStr(i + 1));
        memo->SetBounds(8, 56, 817, 508);
        FillMemo(memo, texts[i]);
        memo->Hide();
        *memos[i] = memo;
    }

    const QSize close = ArtworkSize("aide_close_1").isEmpty() ? QSize(120, 48)
                                                              : ArtworkSize("aide_close_1");
    aide_close_img = new TImage(TabSheet10, "aide_close_img");
    aide_close_img->SetBounds(825 - close.width(), 570, close.width(), close.height());
    SetArtwork(aide_close_img->Picture(), "aide_close_1");
    Label_Close_Aide = new TLabel(TabSheet10, "Label_Close_Aide");
    Label_Close_Aide->SetAutoSize(false);
    Label_Close_Aide->SetTransparent(true);
    Label_Close_Aide->SetCaption("");
    Label_Close_Aide->SetCursor(TCursor::HandPoint);
    Label_Close_Aide->SetBounds(aide_close_img->Left(), aide_close_img->Top(),
                                aide_close_img->Width(), aide_close_img->Height());
}

// The frame of a help tab: the first control of the tab's panel.
static TShape* TabFrame(TObject* sender) {
    auto* label = dynamic_cast<TLabel*>(sender);
    if (!label || !label->Parent() || label->Parent()->ControlCount() == 0) return nullptr;
    return dynamic_cast<TShape*>(label->Parent()->Controls().front());
}

void TMainFormEXO::HelpButtonEnter(TObject* Sender) {
    TShape* frame = TabFrame(Sender);
    if (!frame || frame->Brush().Color() != kTabIdle) return;
    frame->Brush().SetColor(kTabHover);
    static_cast<TLabel*>(Sender)->Font().SetColor(0x000080);
}

void TMainFormEXO::HelpButtonLeave(TObject* Sender) {
    TShape* frame = TabFrame(Sender);
    if (!frame || frame->Brush().Color() != kTabHover) return;
    frame->Brush().SetColor(kTabIdle);
    static_cast<TLabel*>(Sender)->Font().SetColor(clNavy);
}

void TMainFormEXO::HelpButtonSelect(TObject* Sender) {
    TShape* frame = TabFrame(Sender);
    if (!frame || frame->Brush().Color() == kTabSelected) return;
    for (TShape* s : {Shape2, Shape3, Shape4, Shape5, Shape6}) s->Brush().SetColor(kTabIdle);
    frame->Brush().SetColor(kTabSelected);
    static_cast<TLabel*>(Sender)->Font().SetColor(clNavy);
    const std::pair<TLabel*, TMemo*> texts[] = {
        {Label1, Memo1}, {Label3, Memo2}, {Label4, Memo3}, {Label5, Memo4}, {Label6, Memo5}};
    for (const auto& [label, memo] : texts)
        if (label == Sender) HelpMemo->SetText(memo->Text());
}

void TMainFormEXO::LabelExoHelpButtonClick(TObject*) {
    ExoPageControl->SetActivePageIndex(9);
}

void TMainFormEXO::Label_Close_AideClick(TObject*) {
    ExoPageControl->SetActivePageIndex(CurrentExoPage);
}

void TMainFormEXO::Label_Close_AideMouseEnter(TObject*) {
    aide_close_img->Picture().Assign(aide_close_2->Picture());
}

void TMainFormEXO::Label_Close_AideMouseLeave(TObject*) {
    aide_close_img->Picture().Assign(aide_close_1->Picture());
}

// ---- Command hovers -----------------------------------------------------------------

namespace {
struct CommandFaces {
    TLabel* label;
    TImage* face;
    TImage* hovered;
    TImage* normal;
    TImage* banner;
};
} // namespace

static bool FindCommand(TMainFormEXO& f, TObject* sender, CommandFaces& out) {
    const CommandFaces all[] = {
        {f.LabelRetour, f.ImageRetour, f.ImageRetour2, f.ImageRetour1, f.ImageHint_Exit},
        {f.LabelVerification, f.ImageVerification, f.ImageVerification2, f.ImageVerification1,
         f.ImageHint_Verification},
        {f.LabelCorriger, f.ImageCorriger, f.ImageCorriger2, f.ImageCorriger1, f.ImageHint_Correction},
        {f.LabelSuivant, f.ImageSuivant, f.ImageSuivant2, f.ImageSuivant1, f.ImageHint_Next},
        {f.LabelExoHelpButton, f.ExoHelpButton, f.Help_Button_2, f.Help_Button_1, f.ImageHint_Help},
        {f.jump_label, f.jump_image, f.jump_2, f.jump_1, f.hint_jump},
        {f.label_previous, f.image_previous, f.image_previous_2, f.image_previous_1, f.hint_previous},
        {f.label_sommaire, f.image_sommaire, f.image_sommaire_2, f.image_sommaire_1, f.hint_sommaire},
    };
    for (const CommandFaces& c : all)
        if (c.label == sender) {
            out = c;
            return true;
        }
    return false;
}

void TMainFormEXO::LeftEnter(TObject* Sender) {
    CommandFaces c{};
    if (!FindCommand(*this, Sender, c)) return;
    c.face->Picture().Assign(c.hovered->Picture());
    ImageHint->Picture().Assign(c.banner->Picture());
    ImageHint->Show();
}

void TMainFormEXO::LeftExit(TObject* Sender) {
    CommandFaces c{};
    if (!FindCommand(*this, Sender, c)) return;
    c.face->Picture().Assign(c.normal->Picture());
    HintButton->SetCaption("");
    ImageHint->Hide();
}

void TMainFormEXO::LabelJEUMouseEnter(TObject*) {
    // The games screen gets its window surface while the learner is heading for it.
    if (Jeu) Jeu->PrepareSurface();
    ImageJEU->Picture().Assign(ImageJEU_2->Picture());
    ImageHint->Picture().Assign(ImageHint_Jeu->Picture());
    ImageHint->Show();
}

void TMainFormEXO::LabelJEUMouseLeave(TObject*) {
    ImageJEU->Picture().Assign(ImageJEU_1->Picture());
    ImageHint->Hide();
}

void TMainFormEXO::CommonTextEnter(TObject* Sender) {
    auto* label = dynamic_cast<TControl*>(Sender);
    if (!label) return;
    HoverFontColor = label->Font().Color();
    label->Font().SetColor(clRed);
}

void TMainFormEXO::CommonTextLeave(TObject* Sender) {
    if (auto* label = dynamic_cast<TControl*>(Sender)) label->Font().SetColor(HoverFontColor);
}

// ---- Leaving the player -------------------------------------------------------------

void TMainFormEXO::LabelRetourClick(TObject*) {
    Close();
}

void TMainFormEXO::LabelJEUClick(TObject*) {
    if (!Jeu) return;
    // The games start attempts of their own in the shared members; the exercise left
    // on screen gets its own back, so that its correction traces it and not a game.
    const auto attempt = std::make_tuple(ExoMark, ExoStartTime, ExoEndTime, ExoTypeName,
                                         ExoVerifUsed, ChapterTitle, ChapterCode, ExoNumber);
    Jeu->ShowModal();
    std::tie(ExoMark, ExoStartTime, ExoEndTime, ExoTypeName, ExoVerifUsed, ChapterTitle,
             ChapterCode, ExoNumber) = attempt;
}
