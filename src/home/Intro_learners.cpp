// The learner list, the choice of learner, subject and level, and what that choice
// sets on the exercise player (pictures, level table, exercise query, learner label).
#include "home/Intro.h"

#include <QLineEdit>

#include "home/LearnerLine.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "player/Mainform_exo.h"

namespace {

TMainFormEXO& Player() {
    if (!MainFormEXO) throw Exception("exercise player not created");
    return *MainFormEXO;
}

// Copies a picture; a missing component is a failure of the step that asked.
void CopyPicture(TImage* target, const TImage* source) {
    if (!target || !source) throw Exception("missing picture");
    target->Picture().Assign(source->Picture());
}

}  // namespace

void TStartForm::SelectLearnerLine(AnsiString line) {
    const LearnerLine learner = ParseLearnerLine(line);
    LearnerName = learner.name;
    Subject = learner.subject;
    Level = learner.level;
    if (MainFormEXO && MainFormEXO->Apprenant)
        MainFormEXO->Apprenant->SetCaption(CapitaliseName(learner.name));
    ApplyLevelAndSubject();
}

void TStartForm::ApplyLevelAndSubject() {
    Guarded([this] {
        DrawLearnerName(Trim(LearnerName));
        TMainFormEXO& player = Player();

        // Level pictures: an unknown level keeps the pictures shown.
        const AnsiString levelPicture = LevelPictureName(Level);
        const struct { const char* name; TImage* home; TImage* player; } classes[] = {
            {"ClasseCP", ClasseCP, player.ClasseCP},    {"ClasseCE1", ClasseCE1, player.ClasseCE1},
            {"ClasseCE2", ClasseCE2, player.ClasseCE2}, {"ClasseCM1", ClasseCM1, player.ClasseCM1},
            {"ClasseCM2", ClasseCM2, player.ClasseCM2}, {"Classe6e", Classe6e, player.Classe6e},
            {"Classe5e", Classe5e, player.Classe5e},    {"Classe4e", Classe4e, player.Classe4e},
            {"Classe3e", Classe3e, player.Classe3e},
        };
        for (const auto& c : classes) {
            if (levelPicture != c.name) continue;
            CopyPicture(WhichClasse, c.home);
            CopyPicture(player.titreCLASSE, c.player);
        }

        const bool french = IsFrenchSubject(Subject);
        const AnsiString table = LevelTableName(Subject, Level);
        CopyPicture(titre, french ? titre_francais : titre_math);
        CopyPicture(player.Titre_MATIERE,
                    french ? player.Titre_MATIERE_FRANCAIS : player.Titre_MATIERE_MATH);

        Guarded([&] {
            if (!player.Table_Exos) throw Exception("missing exercise query");
            player.Table_Exos->SetSQLText(ExerciseQueryText(table));
            player.ExoTableName = table;
        });
    });
}

void TStartForm::SetLearnerName(AnsiString name) {
    Guarded([&] {
        DrawLearnerName(name);
        const AnsiString capitalised = CapitaliseName(name);
        TMainFormEXO& player = Player();
        if (!player.Apprenant) throw Exception("missing learner label");
        LearnerName = capitalised;
        player.Apprenant->SetCaption(capitalised);
    });
}

std::string TStartForm::LearnerFilePath() const { return JoinPath(AppDir, "liste_apprenants.txt"); }

void TStartForm::LoadLearnerList() {
    const std::string path = LearnerFilePath();
    if (!FileExists(path)) return;
    TStringList lines;
    lines.LoadFromFile(path);
    Liste_prenoms->SetItems(lines);
}

void TStartForm::SaveLearnerList() {
    // Written whole and atomically: a failed save leaves the previous file as it was,
    // and the failure reaches the caller.
    Liste_prenoms->Items().SaveToFile(LearnerFilePath());
}

void TStartForm::Liste_prenomsClick(TObject* sender) {
    const int index = Liste_prenoms->ItemIndex();
    if (index < 0) return;
    SelectLearnerLine(Trim(Liste_prenoms->Item(index)));
}

void TStartForm::Liste_matieresClick(TObject* sender) {
    const int index = Liste_matieres->ItemIndex();
    if (index < 0) return;
    const LearnerLine entry = SplitSubjectLevel(Trim(Liste_matieres->Item(index)));
    Subject = entry.subject;
    Level = entry.level;
    ApplyLevelAndSubject();
    // What this database holds at that level; nothing when it cannot be read (opening
    // the player says so).
    const long long count = MainFormEXO ? MainFormEXO->CountLevelExercises() : -1;
    exos->SetCaption(count < 0 ? AnsiString() : ExerciseCountCaption(count));
}

void TStartForm::Label6Click(TObject* sender) {
    const AnsiString name = Trim(AjoutNOM->Text());
    if (name.empty()) {
        ShowMessage(Utf8ToAnsi("Aucun prénom saisi!"));
        return;
    }
    switch (TypedNameFault(AjoutNOM->findChild<QLineEdit*>()->text())) {
    case NameFault::Separator:
        ShowMessage(Utf8ToAnsi("Le prénom ne doit pas contenir le signe @!"));
        return;
    case NameFault::Unwritable:
        ShowMessage(Utf8ToAnsi("Le prénom contient un signe qui ne peut pas être enregistré!"));
        return;
    case NameFault::None:
        break;
    }
    if (AM->ItemIndex() < 0) {
        ShowMessage(Utf8ToAnsi("Aucune matière sélectionnée!"));
        return;
    }
    const AnsiString line = name + "@" + AM->Text();
    if (Liste_prenoms->IndexOf(line) >= 0)
        ShowMessage(Utf8ToAnsi("Cette entrée existe déjà"));
    else
        Liste_prenoms->Add(line);
    SaveLearnerList();
}

void TStartForm::Label7Click(TObject* sender) {
    const int index = Liste_prenoms->ItemIndex();
    if (index < 0) {
        ShowMessage(Utf8ToAnsi("Aucun nom sélectionné pour la suppression!"));
        return;
    }
    Liste_prenoms->Delete(index);
    SaveLearnerList();
}

void TStartForm::AjoutNOMKeyUp(TObject* sender, int& key, int shift) {
    DrawLearnerName(AjoutNOM->Text());
}
