// Learner lines and names alone; the learner panel, the subject-and-level panel and
// what a choice sets on the player.
#include <filesystem>
#include <fstream>

#include <QListWidget>
#include <gtest/gtest.h>

#include "ScreenFixture.h"
#include "home/Indetificationform.h"
#include "home/Intro.h"
#include "home/LearnerLine.h"
#include "platform/Files.h"
#include "player/Mainform_exo.h"

TEST(LearnerLine, SplitsCapitalisesAndNamesTables) {
    const struct { const char *line, *name, *subject, *level; } lines[] = {
        {"Paul@Mathematiques CM1", "Paul", "Mathematiques", "CM1"},
        {"Zoé@Français CE1", "Zoé", "Français", "CE1"},
        // Blanks around every part are dropped, also two between subject and level.
        {"  Paul  @  Mathematiques   CM1  ", "Paul", "Mathematiques", "CM1"},
        {"\tPaul@Mathematiques  6e\r", "Paul", "Mathematiques", "6e"},
        // The name keeps its inner blanks and ends at the first "@".
        {"Marie Claire@Mathematiques CP", "Marie Claire", "Mathematiques", "CP"},
        {"jo@hn@Français 6e", "jo", "hn@Français", "6e"},
        // Subject and level start as mathematics CP; each part found replaces them.
        {"Paul", "Paul", "Mathematiques", "CP"}, {"  Paul ", "  Paul ", "Mathematiques", "CP"},
        {"Paul@", "Paul", "", "CP"}, {"Paul@Français", "Paul", "Français", "CP"},
        {"@Mathematiques CE2", "", "Mathematiques", "CE2"},
    };
    for (const auto& c : lines) {
        const LearnerLine parsed = ParseLearnerLine(Utf8ToAnsi(c.line));
        EXPECT_EQ(parsed.name + "|" + parsed.subject + "|" + parsed.level,
                  Utf8ToAnsi(c.name) + "|" + Utf8ToAnsi(c.subject) + "|" + c.level) << c.line;
    }
    // A capital after a blank or a hyphen only.
    const std::pair<const char*, const char*> names[] = {
        {"  jean-PIERRE  dupont  ", "Jean-Pierre  Dupont"}, {"d'artagnan", "D'artagnan"}, {"éloïse", "Éloïse"},
        {"ÇA VA", "Ça Va"}, {"œdipe", "Œdipe"}, {"jean.paul", "Jean.paul"}, {"   ", ""},
    };
    for (const auto& [typed, shown] : names) EXPECT_EQ(CapitaliseName(Utf8ToAnsi(typed)), Utf8ToAnsi(shown)) << typed;
    // What a hand-written line may hold: anything not French is mathematics; an
    // unknown level has no picture but a table.
    const struct { const char *subject, *level, *table, *picture; } levels[] = {
        {" français ", " CE1 ", "exos_francais_ce1", "ClasseCE1"}, {"FRANCAIS", "6E", "exos_francais_6e", "Classe6e"},
        {"Mathematiques", "cp", "exos_math_cp", "ClasseCP"},       {"Histoire", "2nde", "exos_math_2nde", ""},
        {"Mathematiques", "", "exos_math_", ""},
    };
    for (const auto& c : levels) {
        EXPECT_EQ(LevelTableName(Utf8ToAnsi(c.subject), c.level), c.table) << c.subject << c.level;
        EXPECT_EQ(LevelPictureName(c.level), c.picture) << c.level;
    }
}

TEST(LearnerLine, TypedNamesTheFileCannotGiveBackAreFound) {
    const std::pair<const char*, NameFault> cases[] = {
        {"Zoé", NameFault::None}, {"  Œdipe l’Ancien  ", NameFault::None}, {"Jean?", NameFault::None},
        {"Paul\t\n", NameFault::None},   // blanks at the ends are trimmed away
        {"jo@hn", NameFault::Separator}, {"@", NameFault::Separator},
        {"Łukasz", NameFault::Unwritable}, {"Zoé 😀", NameFault::Unwritable}, {"李", NameFault::Unwritable},
        {"Jo\nhn", NameFault::Unwritable}, {"Jo\rhn", NameFault::Unwritable},
    };
    for (const auto& [typed, fault] : cases) EXPECT_EQ(TypedNameFault(QString::fromUtf8(typed)), fault) << typed;
}

namespace {

class LearnersTest : public ScreenTest {
protected:
    // Starts with a learner file, opens the learner panel and its add area.
    void StartWith(const std::vector<std::string>& lines) {
        WriteLearnerFile(lines);
        RunStartup();
        SendClick(StartForm->changer_liste_apprenant);
        SendClick(StartForm->Label3);
    }
    void Add(const char* utf8Name, int entry) {
        TypeText(StartForm->AjoutNOM, utf8Name);
        StartForm->AM->SetItemIndex(entry);
        SendClick(StartForm->Label6);
    }
    std::string LearnerFile() const { return ReadFileBytes(DataPath("liste_apprenants.txt")); }
    static const QImage& PictureOf(const TImage* image) { return image->Picture().Image(); }
    static bool SamePicture(const TImage* a, const TImage* b) { return b && PictureOf(a) == PictureOf(b); }
    // The picture of that name on a screen.
    static const TImage* Named(QWidget* screen, const AnsiString& name) {
        for (QWidget* w : screen->findChildren<QWidget*>())
            if (auto* image = dynamic_cast<TImage*>(w); image && image->Name() == name) return image;
        return nullptr;
    }
};

}  // namespace

TEST_F(LearnersTest, AddedLearnersAreSavedSortedInWindows1252WithCrLfAndRefusalsLeaveTheFile) {
    StartWith({"Paul@Mathematiques CM1"});
    const std::pair<const char*, int> accepted[] = {{"  Zoé  ", 9}, {"anna", 0}, {"Émile", 10}, {"Paul", 1}};
    for (const auto& [name, entry] : accepted) Add(name, entry);
    EXPECT_TRUE(messages.empty());
    const std::string saved = "anna@Mathematiques CP\r\n\xC9mile@Fran\xE7" "ais 6e\r\nPaul@Mathematiques CE1\r\n"
                              "Paul@Mathematiques CM1\r\nZo\xE9@Fran\xE7" "ais CE1\r\n";
    EXPECT_EQ(LearnerFile(), saved);
    // The new learners are not selected, the current one stays.
    EXPECT_EQ(StartForm->LearnerName, "Paul");
    EXPECT_EQ(StartForm->Liste_prenoms->ItemIndex(), -1);

    const std::pair<const char*, int> refused[] = {
        {"   ", 3}, {"Lou", -1}, {"paul", 3},   // the same line in another case
        {"jo@hn", 0},                          // read back, the name would end at the "@"
        {"\xC5\x81ukasz", -1},                 // no Windows-1252 code for the first letter
    };
    for (const auto& [name, entry] : refused) Add(name, entry);
    SendClick(StartForm->Label7);
    EXPECT_EQ(messages, (std::vector<AnsiString>{
                            Ansi("Aucun prénom saisi!"), Ansi("Aucune matière sélectionnée!"),
                            Ansi("Cette entrée existe déjà"), Ansi("Le prénom ne doit pas contenir le signe @!"),
                            Ansi("Le prénom contient un signe qui ne peut pas être enregistré!"),
                            Ansi("Aucun nom sélectionné pour la suppression!")}));
    EXPECT_EQ(LearnerFile(), saved);

    // Removing needs no confirmation, keeps the current learner and leaves nothing
    // selected: a second click removes nobody else.
    messages.clear();
    StartForm->Liste_prenoms->SetItemIndex(4);
    SendClick(StartForm->Label7);
    SendClick(StartForm->Label7);
    EXPECT_EQ(messages, std::vector<AnsiString>{Ansi("Aucun nom sélectionné pour la suppression!")});
    EXPECT_EQ(LearnerFile(), saved.substr(0, saved.find("Zo")));
    EXPECT_EQ(StartForm->LearnerName, "Paul");
}

TEST_F(LearnersTest, PanelReloadsTheFileEachTimeItOpensAndAFailedSaveLosesNothing) {
    StartWith({"Paul@Mathematiques CM1"});
    // Written by hand: unsorted, LF only.
    std::ofstream(DataPath("liste_apprenants.txt"), std::ios::binary) << "Zoe@Mathematiques CP\nanna@Mathematiques CE1\n";
    SendClick(StartForm->changer_liste_apprenant);
    ASSERT_EQ(StartForm->Liste_prenoms->Count(), 2);
    EXPECT_EQ(StartForm->Liste_prenoms->Item(0) + "|" + StartForm->Liste_prenoms->Item(1),
              "anna@Mathematiques CE1|Zoe@Mathematiques CP");

    // The folder of the learner file is a regular file: the save fails, is shown, and
    // the file stays whole; the list keeps the new line for the next save.
    const std::string before = LearnerFile();
    std::ofstream(DataPath("blocker")) << "x";
    StartForm->AppDir = DataPath("blocker");
    Add("Lina", 5);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("liste_apprenants.txt"), std::string::npos) << messages[0];
    EXPECT_EQ(LearnerFile(), before);
    StartForm->AppDir = data->Dir();
    StartForm->SaveLearnerList();
    EXPECT_EQ(LearnerFile(), "anna@Mathematiques CE1\r\nLina@Mathematiques 6e\r\nZoe@Mathematiques CP\r\n");

    // Without a file the list keeps its items.
    RemoveLearnerFile();
    SendClick(StartForm->changer_liste_apprenant);
    EXPECT_EQ(StartForm->Liste_prenoms->Count(), 3);
}

TEST_F(LearnersTest, ClickingALearnerSelectsNameSubjectLevelTableAndNamePicture) {
    StartWith({"Paul@Mathematiques CM1", "  marie claire @ Français   6e "});
    const QImage paul = PictureOf(StartForm->IdentifiantNOM);
    StartForm->Liste_prenoms->SelectByUser(0);
    EXPECT_EQ(StartForm->LearnerName + "@" + StartForm->Subject + " " + StartForm->Level, Ansi("marie claire@Français 6e"));
    EXPECT_EQ(MainFormEXO->Apprenant->Caption(), "Marie Claire");
    EXPECT_EQ(MainFormEXO->ExoTableName, "exos_francais_6e");
    EXPECT_EQ(StartForm->Liste_prenoms->Count(), 2) << "a choice changes no line";
    // The name picture follows the learner, and the name typed, blanks collapsed.
    const QImage marie = PictureOf(StartForm->IdentifiantNOM);
    EXPECT_NE(marie, paul);
    int key = 'I';
    for (const char* typed : {"  MARIE   claire ", ""}) {
        StartForm->AjoutNOM->SetText(typed);
        StartForm->AjoutNOMKeyUp(StartForm->AjoutNOM, key, 0);
        EXPECT_EQ(PictureOf(StartForm->IdentifiantNOM) == marie, *typed != 0) << typed;
    }

    // An unknown level keeps the level pictures and still names a table.
    StartForm->SelectLearnerLine("Paul@Mathematiques 2nde");
    EXPECT_EQ(MainFormEXO->ExoTableName, "exos_math_2nde");
    EXPECT_EQ(PictureOf(StartForm->WhichClasse), PictureOf(StartForm->Classe6e));
    EXPECT_EQ(PictureOf(MainFormEXO->titreCLASSE), PictureOf(MainFormEXO->Classe6e));
}

TEST_F(LearnersTest, EachSubjectAndLevelEntrySetsItsTableCaptionAndPictures) {
    StartWith({"Paul@Mathematiques CM1"});
    TStartForm& h = *StartForm;
    TMainFormEXO& p = *MainFormEXO;
    ASSERT_EQ(h.Liste_matieres->Count(), 11);
    for (int i = 0; i < 11; ++i) {
        SCOPED_TRACE(i);
        // The same eleven entries in the three lists.
        EXPECT_EQ(h.AM->Item(i) + Identification->AM->Item(i), h.Liste_matieres->Item(i) + h.Liste_matieres->Item(i));
        h.Liste_matieres->SelectByUser(i);
        EXPECT_EQ(h.LearnerName + "@" + h.Subject + " " + h.Level, "Paul@" + h.Liste_matieres->Item(i));
        EXPECT_EQ(p.ExoTableName, LevelTableName(h.Subject, h.Level));
        const AnsiString level = LevelPictureName(h.Level);
        EXPECT_TRUE(!PictureOf(h.WhichClasse).isNull() && SamePicture(h.WhichClasse, Named(&h, level)));
        EXPECT_TRUE(SamePicture(p.titreCLASSE, Named(&p, level)));
        const bool french = i >= 9;
        EXPECT_TRUE(SamePicture(h.titre, french ? h.titre_francais : h.titre_math));
        EXPECT_TRUE(SamePicture(p.Titre_MATIERE, french ? p.Titre_MATIERE_FRANCAIS : p.Titre_MATIERE_MATH));
    }
}

TEST(LearnerLine, ExerciseCountsAreWrittenInGroupsOfThree) {
    const std::pair<long long, const char*> counts[] = {
        {0, "0 exercice"},          {1, "1 exercice"},           {2, "2 exercices"},
        {528, "528 exercices"},     {1000, "1 000 exercices"},   {1414, "1 414 exercices"},
        {22500, "22 500 exercices"}, {1234567, "1 234 567 exercices"},
    };
    for (const auto& [count, caption] : counts) EXPECT_EQ(ExerciseCountCaption(count), caption) << count;
}

// The count under the subject-and-level list is what the exercise database holds at
// that level, of the kinds the player offers, whatever content a school wrote.
TEST_F(LearnersTest, TheCountOfASubjectAndLevelIsTheDatabases) {
    StartWith({"Paul@Mathematiques CM1"});
    const std::string kinds = "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ";
    ExecSql(data->ExosDb(), "DELETE FROM exos_math_cm1; DELETE FROM exos_math_5e;" + kinds +
                                "1414) INSERT INTO exos_math_cm1 (codeExo, typeEXO, numEXO, contenuEXO) "
                                "SELECT 'CM1.' || (i % 40), 1 + i % 8, i, '' FROM n;" + kinds +
                                "30) INSERT INTO exos_math_cm1 (codeExo, typeEXO, numEXO, contenuEXO) "
                                "SELECT 'CM1.1', 9 + i % 2 * 90, i, '' FROM n;"   // kinds the player never shows
                                "INSERT INTO exos_math_5e (codeExo, typeEXO, numEXO, contenuEXO) VALUES ('5.1', 3, 1, '');"
                                "DELETE FROM exos_math_cp; DROP TABLE exos_francais_6e;");
    const std::pair<int, const char*> entries[] = {
        {3, "1 414 exercices"}, {6, "1 exercice"}, {0, "0 exercice"}, {10, ""}, {3, "1 414 exercices"},
    };
    for (const auto& [index, caption] : entries) {
        StartForm->Liste_matieres->SelectByUser(index);
        EXPECT_EQ(StartForm->exos->Caption(), caption) << index;
    }
    // The bundled French CE1 sample counts what it holds; the database is left closed.
    StartForm->Liste_matieres->SelectByUser(9);
    const auto rows = ReadRows(data->ExosDb(), "SELECT COUNT(*) AS n FROM exos_francais_ce1 WHERE typeEXO BETWEEN 1 AND 8");
    EXPECT_EQ(StartForm->exos->Caption(), ExerciseCountCaption(std::stoll(rows.at(0).at("n"))));
    EXPECT_FALSE(MainFormEXO->MainADOConnection->Connected());

    // Without a database the caption stays empty, and nothing is said until the player
    // opens.
    std::filesystem::remove(data->ExosDb());
    StartForm->Liste_matieres->SelectByUser(3);
    EXPECT_EQ(StartForm->exos->Caption(), "");
    EXPECT_TRUE(messages.empty());
}

// A click in the empty part of a list keeps its entry: SUPPRIMER removes the learner
// clicked before, the subject and level stay those clicked.
TEST_F(LearnersTest, ClickingTheEmptyPartOfAListKeepsItsEntry) {
    StartWith({"Anna@Mathematiques CP", "Paul@Mathematiques CM1"});
    SendClick(StartForm->changer_liste);
    for (TListBox* list : {StartForm->Liste_prenoms, StartForm->Liste_matieres}) {
        auto* view = list->findChild<QListWidget*>();
        view->scrollToBottom();
        const QRect last = view->visualItemRect(view->item(list->Count() - 1));
        ClickOn(view->viewport(), last.center());
        ASSERT_EQ(list->ItemIndex(), list->Count() - 1) << list->Name();
        ASSERT_LT(last.bottom() + 4, view->viewport()->height()) << list->Name();
        ClickOn(view->viewport(), QPoint(last.center().x(), last.bottom() + 4));
        EXPECT_EQ(list->ItemIndex(), list->Count() - 1) << list->Name();
    }
    EXPECT_EQ(StartForm->Level, "6e");
    EXPECT_EQ(StartForm->LearnerName, "Paul");
    SendClick(StartForm->Label7);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(LearnerFile(), "Anna@Mathematiques CP\r\n");
}
