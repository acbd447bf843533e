// The pictures of the exercise player: command faces, help banners, titles, the table
// of contents, mark badges, verdicts and the true-or-false tick boxes.
#include "ui/ArtParts.h"
#include "ui/ArtRegistry.h"

namespace art {

void RegisterPlayerArt(Registry& r) {
    const QSize command(200, 56), banner(762, 49), verdict(737, 57);
    r.AddFace("ImageRetour", "1", "2", command, kPlayer, kCoral, QStringLiteral("RETOUR"), Icon::House, 25);
    r.AddFace("ImageVerification", "1", "2", command, kPlayer, kSky, QStringLiteral("VÉRIFIER"), Icon::Magnifier, 25);
    r.AddFace("ImageCorriger", "1", "2", command, kPlayer, kGrape, QStringLiteral("CORRIGER"), Icon::Check, 25);
    r.AddFace("ImageSuivant", "1", "2", command, kPlayer, kGrass, QStringLiteral("SUIVANT"), Icon::ArrowRight, 25);
    r.AddTwins("image_previous_", "1", "2", QSize(60, 56), kPlayer, [](QPainter& p, const QSize& s, bool h) {
        DrawRoundCommand(p, s, kGrass, Icon::ArrowLeft, h);
    });
    r.AddFace("image_sommaire_", "1", "2", QSize(200, 48), kPlayer, kTeal, QStringLiteral("SOMMAIRE"), Icon::List, 22);
    r.AddTwins("jump_", "1", "2", QSize(28, 40), kPlayer, [](QPainter& p, const QSize& s, bool h) {
        DrawRoundCommand(p, s, kOrange, Icon::Jump, h);
    });
    r.AddTwins("Help_Button_", "1", "2", QSize(74, 74), kFrame, DrawHelpButton);
    r.AddFace("ImageJEU_", "1", "2", QSize(145, 49), kPlayer, kPink, QStringLiteral("JEUX"), Icon::Dice, 24);
    r.AddBanner("ImageHint_Exit", banner, kFrame, QStringLiteral("Retour à l'écran d'accueil"), 24);
    r.AddBanner("ImageHint_Verification", banner, kFrame, QStringLiteral("Vérifier mes réponses sans voir la solution"), 24);
    r.AddBanner("ImageHint_Correction", banner, kFrame, QStringLiteral("Corriger l'exercice et voir ma note"), 24);
    r.AddBanner("ImageHint_Next", banner, kFrame, QStringLiteral("Passer à l'exercice suivant"), 24);
    r.AddBanner("ImageHint_Help", banner, kFrame, QStringLiteral("Aide"), 24);
    r.AddBanner("ImageHint_Jeu", banner, kFrame, QStringLiteral("Jouer à un jeu"), 24);
    r.AddBanner("hint_jump", banner, kFrame, QStringLiteral("Aller directement à un exercice"), 24);
    r.AddBanner("hint_previous", banner, kFrame, QStringLiteral("Revenir à l'exercice précédent"), 24);
    r.AddBanner("hint_sommaire", banner, kFrame, QStringLiteral("Revenir à la table des matières"), 24);
    r.AddRibbon("Titre_MATIERE_MATH", QSize(400, 44), kPlayer, 0, kSky, QStringLiteral("MATHÉMATIQUES"), 26, Icon::Maths);
    r.AddRibbon("Titre_MATIERE_FRANCAIS", QSize(400, 44), kPlayer, 0, kPink, QStringLiteral("FRANÇAIS"), 26, Icon::Book);
    for (const auto& [level, color] : LevelColours())
        r.AddRibbon("player_Classe" + level, QSize(240, 44), kPlayer, 0, color,
                  QStringLiteral("CLASSE DE ") + QString::fromStdString(level), 22, Icon::None);
    r.AddFace("Img_Index_OK_", "1", "2", QSize(160, 48), kPaper, kGrass, QStringLiteral("OUVRIR"), Icon::Book, 22);
    r.Add("TableMatieres", QSize(833, 617), kPaper, DrawContentsPage);
    r.AddFace("aide_close_", "1", "2", QSize(150, 44), kFrame, kCoral, QStringLiteral("FERMER"), Icon::Cross, 21);
    for (int mark = 0; mark <= 10; ++mark)
        r.Add("Note" + std::to_string(mark), QSize(161, 157), kFrame,
            [mark](QPainter& p, const QSize& s) { DrawMarkBadge(p, s, mark); });
    auto addVerdict = [&](const std::string& name, const QColor& base, const QString& text, Icon icon) {
        r.Add(name, verdict, kFrame, [=](QPainter& p, const QSize& s) { DrawVerdict(p, s, base, text, icon); });
    };
    addVerdict("ToutBon", kGrass, QStringLiteral("BRAVO, TOUT EST JUSTE !"), Icon::Star);
    addVerdict("PasMal", kOrange, QStringLiteral("PAS MAL ! REGARDE LA CORRECTION"), Icon::Smile);
    addVerdict("qb_bravo", kGrass, QStringLiteral("BRAVO ! C'EST LA BONNE RÉPONSE"), Icon::Star);
    addVerdict("qb_faux_vrai", kCoral, QStringLiteral("FAUX : L'AFFIRMATION ÉTAIT VRAIE"), Icon::Cross);
    addVerdict("qb_faux_faux", kCoral, QStringLiteral("FAUX : L'AFFIRMATION ÉTAIT FAUSSE"), Icon::Cross);
    r.Add("yes_1", QSize(200, 100), kFrame, [](QPainter& p, const QSize& s) { DrawFullMarks(p, s, 1); });
    r.Add("yes_2", QSize(200, 100), kFrame, [](QPainter& p, const QSize& s) { DrawFullMarks(p, s, 2); });
    r.Add("qb_img_select", QSize(41, 46), kFrame, [](QPainter& p, const QSize& s) { DrawTickBox(p, s, true); });
    r.Add("qb_img_unselect", QSize(41, 46), kFrame, [](QPainter& p, const QSize& s) { DrawTickBox(p, s, false); });
}

}  // namespace art
