#pragma once
// A learner is one line of the learner file: first name, "@", subject, a blank, level.
// The rules that turn such a line, a subject and a level into what the screens use.
#include "platform/Text.h"

struct LearnerLine {
    AnsiString name;
    AnsiString subject;
    AnsiString level;
};

// Reads a learner line. The subject and level start as "Mathematiques" and "CP";
// the name ends at the first "@"; what follows it is split at its first blank
// into subject and level. Every part found replaces its default, even an empty one:
// "Paul" keeps both defaults, "Paul@" gives an empty subject, "Paul@Mathematiques"
// keeps the level "CP". The parts around "@" are trimmed; a line without "@" is
// the name as it stands.
LearnerLine ParseLearnerLine(const AnsiString& line);

// Splits a subject-and-level entry ("Français 6e") at its first blank, both parts
// trimmed; without a blank the whole entry is the subject and the level is empty.
LearnerLine SplitSubjectLevel(const AnsiString& entry);

// What keeps a typed first name out of the learner file: an "@" would end the name
// when the line is read back, and a character that Windows-1252 has no code for, or a
// control character, cannot be written as typed.
enum class NameFault { None, Separator, Unwritable };
NameFault TypedNameFault(const QString& typed);

// The first name as shown: trimmed, lowered, with a capital at the start and after
// every blank or "-" ("  jean-PIERRE  dupont" -> "Jean-Pierre  Dupont").
AnsiString CapitaliseName(const AnsiString& name);

// The exercise table of a subject and level: "exos_francais_" when the subject
// holds "FRAN" (any case), else "exos_math_", then the level in small letters.
AnsiString LevelTableName(const AnsiString& subject, const AnsiString& level);
// True when the subject is French (the upper-cased, trimmed subject holds "FRAN").
bool IsFrenchSubject(const AnsiString& subject);

// The class picture of a level ("ClasseCM1", "Classe6e"); "" for an unknown level.
AnsiString LevelPictureName(const AnsiString& level);

// The query text of the exercise list of a table: every record of it.
AnsiString ExerciseQueryText(const AnsiString& tableName);

// The eleven subject-and-level entries, in list order (Windows-1252).
TStringList SubjectLevelList();
// The caption of a level's exercise count: "1 414 exercices", "1 exercice", "0 exercice".
AnsiString ExerciseCountCaption(long long count);
