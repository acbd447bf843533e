// The pictures of the home screen, its letter pictures and the identification screen.
#include "ui/ArtParts.h"
#include "ui/ArtRegistry.h"

namespace art {

std::vector<std::pair<std::string, QColor>> LevelColours() {
    return {{"CP", kOrange}, {"CE1", kOrange}, {"CE2", kOrange}, {"CM1", kTeal}, {"CM2", kTeal},
            {"6e", kTeal},   {"5e", kGrape},   {"4e", kGrape},   {"3e", kGrape}};
}

void RegisterHomeArt(Registry& r) {
    const QSize face(305, 65), banner(785, 41);
    r.AddFace("ImageOptions", "1", "2", face, kScreen, kSky, QStringLiteral("OPTIONS"), Icon::Gear, 30);
    r.AddFace("ImageHistorique", "1", "2", face, kScreen, kGrape, QStringLiteral("HISTORIQUE"), Icon::Clock, 30);
    r.AddFace("ImageTravailler", "1", "2", face, kScreen, kGrass, QStringLiteral("TRAVAILLER"), Icon::Pencil, 30);
    r.AddFace("ImageQuitter", "1", "2", face, kScreen, kCoral, QStringLiteral("QUITTER"), Icon::Door, 30);
    r.AddBanner("HintImageOptions", banner, kScreen, QStringLiteral("Edition des options de fonctionnement"), 22);
    r.AddBanner("HintImageHistorique", banner, kScreen, QStringLiteral("Affichage de l'historique de l'apprenant"), 22);
    r.AddBanner("HintImageTravailler", banner, kScreen, QStringLiteral("Début d'une session de travail"), 22);
    r.AddBanner("HintImageQuitter", banner, kScreen, QStringLiteral("Fin du programme"), 22);
    r.Add("pingouin", QSize(65, 73), kScreen, [](QPainter& p, const QSize& s) {
        DrawPenguin(p, QRectF(0, 0, s.width(), s.height()), true);
    });
    r.AddTwins("web_quillombre_education_", "1", "2", QSize(684, 33), kScreen, DrawWebLink);
    r.AddTwins("changer_", "1", "2", QSize(90, 20), kScreen, DrawChangeLink);
    r.Add("ballon", QSize(90, 120), kScreen, DrawBalloon);
    r.Add("papillon", QSize(70, 60), kScreen, DrawButterfly);
    // The butterfly flutters over the left end of the two banners: they keep it free.
    for (const auto& [level, color] : LevelColours())
        r.AddRibbon("Classe" + level, QSize(340, 44), kScreen, 72, color,
                  QStringLiteral("CLASSE DE ") + QString::fromStdString(level), 24, Icon::None);
    r.AddRibbon("titre_math", QSize(560, 44), kScreen, 80, kSky, QStringLiteral("MATHÉMATIQUES"), 28, Icon::Maths);
    r.AddRibbon("titre_francais", QSize(560, 44), kScreen, 80, kPink, QStringLiteral("FRANÇAIS"), 28, Icon::Book);
}

void RegisterLetterArt(Registry& r) {
    for (const SmallGlyph& g : SmallGlyphs()) {
        const char ch = g.ch;
        r.Add(g.name, QSize(g.width, g.height), kScreen,
            [ch](QPainter& p, const QSize& s) { DrawSmallGlyph(p, s, ch); });
    }
    r.Add("LatestALPHA", QSize(kSheetWidth, kSheetHeight), kScreen,
        [](QPainter& p, const QSize&) { DrawGlyphSheet(p); }, true);
}

void RegisterIdentificationArt(Registry& r) {
    r.Add("ident_banner", QSize(1172, 150), kScreen, DrawIdentBanner);
    r.Add("ident_form", QSize(489, 457), kScreen, DrawIdentForm);
    r.AddFace("o", "1", "2", QSize(150, 50), kScreen, kGrass, QStringLiteral("OK"), Icon::Check, 26);
    r.AddFace("v", "1", "2", QSize(150, 50), kScreen, kCoral, QStringLiteral("ANNULER"), Icon::Cross, 22);
}

}  // namespace art
