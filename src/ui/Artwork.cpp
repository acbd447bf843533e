// The catalogue of pictures: each name with its size, the colour of the surface it
// sits on, and how it is drawn. Pictures are drawn once and kept.
#include "ui/Artwork.h"

#include <functional>
#include <map>
#include <mutex>
#include <string>

#include <QPainter>

#include "ui/ArtParts.h"

namespace {

using namespace art;

using DrawFn = std::function<void(QPainter&, const QSize&)>;

struct Entry {
    QSize size;
    QColor surface;
    DrawFn draw;
};

class Catalogue {
public:
    Catalogue() { Build(); }
    const Entry* Find(const std::string& name) const {
        auto it = entries_.find(name);
        return it == entries_.end() ? nullptr : &it->second;
    }
    const std::vector<AnsiString>& Names() const { return names_; }

private:
    void Add(const std::string& name, QSize size, const QColor& surface, DrawFn draw) {
        if (entries_.emplace(name, Entry{size, surface, std::move(draw)}).second) names_.push_back(name);
    }
    // A normal face (suffix1) and its hovered twin (suffix2).
    void AddTwins(const std::string& stem, const char* normal, const char* hover, QSize size,
                  const QColor& surface, const std::function<void(QPainter&, const QSize&, bool)>& draw) {
        Add(stem + normal, size, surface, [draw](QPainter& p, const QSize& s) { draw(p, s, false); });
        Add(stem + hover, size, surface, [draw](QPainter& p, const QSize& s) { draw(p, s, true); });
    }
    void AddFace(const std::string& stem, const char* normal, const char* hover, QSize size,
                 const QColor& surface, const QColor& base, const QString& caption, Icon icon, qreal px) {
        AddTwins(stem, normal, hover, size, surface, [=](QPainter& p, const QSize& s, bool h) {
            DrawButtonFace(p, s, base, caption, icon, h, px);
        });
    }
    void AddBanner(const std::string& name, QSize size, const QColor& surface, const QString& text, qreal px) {
        Add(name, size, surface, [=](QPainter& p, const QSize& s) { DrawHintBanner(p, s, text, px); });
    }
    void AddRibbon(const std::string& name, QSize size, const QColor& surface, qreal leftGap,
                   const QColor& base, const QString& text, qreal px, Icon icon) {
        Add(name, size, surface, [=](QPainter& p, const QSize& s) {
            DrawRibbon(p, QRectF(leftGap, 1, s.width() - leftGap, s.height() - 2), base, text, px, icon);
        });
    }

    void Build() {
        BuildHome();
        BuildLetters();
        BuildIdentification();
        BuildPlayer();
    }

    void BuildHome() {
        const QSize face(305, 65), banner(785, 41);
        AddFace("ImageOptions", "1", "2", face, kScreen, kSky, QStringLiteral("OPTIONS"), Icon::Gear, 30);
        AddFace("ImageHistorique", "1", "2", face, kScreen, kGrape, QStringLiteral("HISTORIQUE"), Icon::Clock, 30);
        AddFace("ImageTravailler", "1", "2", face, kScreen, kGrass, QStringLiteral("TRAVAILLER"), Icon::Pencil, 30);
        AddFace("ImageQuitter", "1", "2", face, kScreen, kCoral, QStringLiteral("QUITTER"), Icon::Door, 30);
        AddBanner("HintImageOptions", banner, kScreen, QStringLiteral("Edition des options de fonctionnement"), 22);
        AddBanner("HintImageHistorique", banner, kScreen, QStringLiteral("Affichage de l'historique de l'apprenant"), 22);
        AddBanner("HintImageTravailler", banner, kScreen, QStringLiteral("Début d'une session de travail"), 22);
        AddBanner("HintImageQuitter", banner, kScreen, QStringLiteral("Fin du programme"), 22);
        Add("pingouin", QSize(65, 73), kScreen, [](QPainter& p, const QSize& s) {
            DrawPenguin(p, QRectF(0, 0, s.width(), s.height()), true);
        });
        AddTwins("web_quillombre_education_", "1", "2", QSize(684, 33), kScreen, DrawWebLink);
        AddTwins("changer_", "1", "2", QSize(90, 20), kScreen, DrawChangeLink);
        Add("ballon", QSize(90, 120), kScreen, DrawBalloon);
        Add("papillon", QSize(70, 60), kScreen, DrawButterfly);
        // The butterfly flutters over the left end of the two banners: they keep it free.
        for (const auto& [level, color] : Levels())
            AddRibbon("Classe" + level, QSize(340, 44), kScreen, 72, color,
                      QStringLiteral("CLASSE DE ") + QString::fromStdString(level), 24, Icon::None);
        AddRibbon("titre_math", QSize(560, 44), kScreen, 80, kSky, QStringLiteral("MATHÉMATIQUES"), 28, Icon::Maths);
        AddRibbon("titre_francais", QSize(560, 44), kScreen, 80, kPink, QStringLiteral("FRANÇAIS"), 28, Icon::Book);
    }

    static std::vector<std::pair<std::string, QColor>> Levels() {
        return {{"CP", kOrange}, {"CE1", kOrange}, {"CE2", kOrange}, {"CM1", kTeal}, {"CM2", kTeal},
                {"6e", kTeal},   {"5e", kGrape},   {"4e", kGrape},   {"3e", kGrape}};
    }

    void BuildLetters() {
        for (const SmallGlyph& g : SmallGlyphs()) {
            const char ch = g.ch;
            Add(g.name, QSize(g.width, g.height), kScreen,
                [ch](QPainter& p, const QSize& s) { DrawSmallGlyph(p, s, ch); });
        }
        Add("LatestALPHA", QSize(kSheetWidth, kSheetHeight), kScreen,
            [](QPainter& p, const QSize&) { DrawGlyphSheet(p); });
    }

    void BuildIdentification() {
        Add("ident_banner", QSize(1172, 150), kScreen, DrawIdentBanner);
        Add("ident_form", QSize(489, 457), kScreen, DrawIdentForm);
        AddFace("o", "1", "2", QSize(150, 50), kScreen, kGrass, QStringLiteral("OK"), Icon::Check, 26);
        AddFace("v", "1", "2", QSize(150, 50), kScreen, kCoral, QStringLiteral("ANNULER"), Icon::Cross, 22);
    }

    void BuildPlayer() {
        const QSize command(200, 56), banner(762, 49), verdict(737, 57);
        AddFace("ImageRetour", "1", "2", command, kPlayer, kCoral, QStringLiteral("RETOUR"), Icon::House, 25);
        AddFace("ImageVerification", "1", "2", command, kPlayer, kSky, QStringLiteral("VÉRIFIER"), Icon::Magnifier, 25);
        AddFace("ImageCorriger", "1", "2", command, kPlayer, kGrape, QStringLiteral("CORRIGER"), Icon::Check, 25);
        AddFace("ImageSuivant", "1", "2", command, kPlayer, kGrass, QStringLiteral("SUIVANT"), Icon::ArrowRight, 25);
        AddTwins("image_previous_", "1", "2", QSize(60, 56), kPlayer, [](QPainter& p, const QSize& s, bool h) {
            DrawRoundCommand(p, s, kGrass, Icon::ArrowLeft, h);
        });
        AddFace("image_sommaire_", "1", "2", QSize(200, 48), kPlayer, kTeal, QStringLiteral("SOMMAIRE"), Icon::List, 22);
        AddTwins("jump_", "1", "2", QSize(28, 40), kPlayer, [](QPainter& p, const QSize& s, bool h) {
            DrawRoundCommand(p, s, kOrange, Icon::Jump, h);
        });
        AddTwins("Help_Button_", "1", "2", QSize(74, 74), kFrame, DrawHelpButton);
        AddFace("ImageJEU_", "1", "2", QSize(145, 49), kPlayer, kPink, QStringLiteral("JEUX"), Icon::Dice, 24);
        AddBanner("ImageHint_Exit", banner, kFrame, QStringLiteral("Retour à l'écran d'accueil"), 24);
        AddBanner("ImageHint_Verification", banner, kFrame, QStringLiteral("Vérifier mes réponses sans voir la solution"), 24);
        AddBanner("ImageHint_Correction", banner, kFrame, QStringLiteral("Corriger l'exercice et voir ma note"), 24);
        AddBanner("ImageHint_Next", banner, kFrame, QStringLiteral("Passer à l'exercice suivant"), 24);
        AddBanner("ImageHint_Help", banner, kFrame, QStringLiteral("Aide"), 24);
        AddBanner("ImageHint_Jeu", banner, kFrame, QStringLiteral("Jouer à un jeu"), 24);
        AddBanner("hint_jump", banner, kFrame, QStringLiteral("Aller directement à un exercice"), 24);
        AddBanner("hint_previous", banner, kFrame, QStringLiteral("Revenir à l'exercice précédent"), 24);
        AddBanner("hint_sommaire", banner, kFrame, QStringLiteral("Revenir à la table des matières"), 24);
        AddRibbon("Titre_MATIERE_MATH", QSize(400, 44), kPlayer, 0, kSky, QStringLiteral("MATHÉMATIQUES"), 26, Icon::Maths);
        AddRibbon("Titre_MATIERE_FRANCAIS", QSize(400, 44), kPlayer, 0, kPink, QStringLiteral("FRANÇAIS"), 26, Icon::Book);
        for (const auto& [level, color] : Levels())
            AddRibbon("player_Classe" + level, QSize(240, 44), kPlayer, 0, color,
                      QStringLiteral("CLASSE DE ") + QString::fromStdString(level), 22, Icon::None);
        AddFace("Img_Index_OK_", "1", "2", QSize(160, 48), kPaper, kGrass, QStringLiteral("OUVRIR"), Icon::Book, 22);
        Add("TableMatieres", QSize(833, 617), kPaper, DrawContentsPage);
        AddFace("aide_close_", "1", "2", QSize(150, 44), kFrame, kCoral, QStringLiteral("FERMER"), Icon::Cross, 21);
        for (int mark = 0; mark <= 10; ++mark)
            Add("Note" + std::to_string(mark), QSize(161, 157), kFrame,
                [mark](QPainter& p, const QSize& s) { DrawMarkBadge(p, s, mark); });
        auto addVerdict = [&](const std::string& name, const QColor& base, const QString& text, Icon icon) {
            Add(name, verdict, kFrame, [=](QPainter& p, const QSize& s) { DrawVerdict(p, s, base, text, icon); });
        };
        addVerdict("ToutBon", kGrass, QStringLiteral("BRAVO, TOUT EST JUSTE !"), Icon::Star);
        addVerdict("PasMal", kOrange, QStringLiteral("PAS MAL ! REGARDE LA CORRECTION"), Icon::Smile);
        addVerdict("qb_bravo", kGrass, QStringLiteral("BRAVO ! C'EST LA BONNE RÉPONSE"), Icon::Star);
        addVerdict("qb_faux_vrai", kCoral, QStringLiteral("FAUX : L'AFFIRMATION ÉTAIT VRAIE"), Icon::Cross);
        addVerdict("qb_faux_faux", kCoral, QStringLiteral("FAUX : L'AFFIRMATION ÉTAIT FAUSSE"), Icon::Cross);
        Add("yes_1", QSize(200, 100), kFrame, [](QPainter& p, const QSize& s) { DrawFullMarks(p, s, 1); });
        Add("yes_2", QSize(200, 100), kFrame, [](QPainter& p, const QSize& s) { DrawFullMarks(p, s, 2); });
        Add("info_note", QSize(300, 40), kFrame, DrawInfoNote);
        Add("qb_img_select", QSize(41, 46), kFrame, [](QPainter& p, const QSize& s) { DrawTickBox(p, s, true); });
        Add("qb_img_unselect", QSize(41, 46), kFrame, [](QPainter& p, const QSize& s) { DrawTickBox(p, s, false); });
    }

    std::map<std::string, Entry> entries_;
    std::vector<AnsiString> names_;
};

const Catalogue& TheCatalogue() {
    static const Catalogue catalogue;
    return catalogue;
}

}  // namespace

QImage Artwork(const AnsiString& name) {
    static std::mutex mutex;
    static std::map<std::string, QImage> drawn;
    const Entry* entry = TheCatalogue().Find(name);
    if (!entry) return QImage();
    std::lock_guard<std::mutex> lock(mutex);
    auto it = drawn.find(name);
    if (it != drawn.end()) return it->second;
    QImage image(entry->size, QImage::Format_RGB32);
    image.fill(entry->surface);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        entry->draw(p, entry->size);
    }
    drawn.emplace(name, image);
    return image;
}

QSize ArtworkSize(const AnsiString& name) {
    const Entry* entry = TheCatalogue().Find(name);
    return entry ? entry->size : QSize();
}

std::vector<AnsiString> ArtworkNames() {
    return TheCatalogue().Names();
}
