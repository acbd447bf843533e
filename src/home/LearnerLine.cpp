// Learner lines, name capitalisation, level tables and the exercise query.
#include "home/LearnerLine.h"

#include <iterator>

#include <QString>

namespace {

const AnsiString kDefaultSubject = "Mathematiques";
const AnsiString kDefaultLevel = "CP";

struct SubjectLevelEntry {
    const char* entry;   // UTF-8 source text
    const char* count;
};
constexpr SubjectLevelEntry kEntries[] = {
    {"Mathematiques CP", "1 241 exercices"},  {"Mathematiques CE1", "1 641 exercices"},
    {"Mathematiques CE2", "2 250 exercices"}, {"Mathematiques CM1", "1 414 exercices"},
    {"Mathematiques CM2", "1 509 exercices"}, {"Mathematiques 6e", "1 032 exercices"},
    {"Mathematiques 5e", "528 exercices"},    {"Mathematiques 4e", "1 741 exercices"},
    {"Mathematiques 3e", "1 806 exercices"},  {"Français CE1", "312 exercices"},
    {"Français 6e", "461 exercices"},
};

}  // namespace

LearnerLine SplitSubjectLevel(const AnsiString& entry) {
    LearnerLine parts;
    const AnsiString rest = Trim(entry);
    const int blank = Pos(" ", rest);
    if (blank > 0) {
        parts.subject = Trim(SubString(rest, 1, blank - 1));
        parts.level = Trim(SubStringFrom(rest, blank + 1));
    } else {
        parts.subject = rest;
    }
    return parts;
}

LearnerLine ParseLearnerLine(const AnsiString& line) {
    LearnerLine result{line, kDefaultSubject, kDefaultLevel};
    const int at = Pos("@", line);
    if (at == 0) return result;
    result.name = Trim(SubString(line, 1, at - 1));
    const AnsiString rest = Trim(SubStringFrom(line, at + 1));
    const LearnerLine parts = SplitSubjectLevel(rest);
    result.subject = parts.subject;
    if (Pos(" ", rest) > 0) result.level = parts.level;
    return result;
}

NameFault TypedNameFault(const QString& typed) {
    if (typed.contains(u'@')) return NameFault::Separator;
    const AnsiString held = FromQString(typed);
    if (ToQString(held) != typed) return NameFault::Unwritable;
    for (char c : Trim(held))
        if (static_cast<unsigned char>(c) < 32 || c == 0x7F) return NameFault::Unwritable;
    return NameFault::None;
}

AnsiString CapitaliseName(const AnsiString& name) {
    const AnsiString s = AnsiLowerCase(Trim(name));
    AnsiString out;
    out.reserve(s.size());
    bool capitalNext = true;
    for (char c : s) {
        out += capitalNext ? AnsiUpperChar(c) : c;
        capitalNext = (c == ' ' || c == '-');
    }
    return out;
}

bool IsFrenchSubject(const AnsiString& subject) {
    return Pos("FRAN", Trim(AnsiUpperCase(subject))) > 0;
}

AnsiString LevelTableName(const AnsiString& subject, const AnsiString& level) {
    const AnsiString lvl = Trim(AnsiUpperCase(level));
    const AnsiString suffix = "_" + Trim(AnsiLowerCase(lvl));
    return (IsFrenchSubject(subject) ? "exos_francais" : "exos_math") + suffix;
}

AnsiString LevelPictureName(const AnsiString& level) {
    static const char* const known[][2] = {
        {"CP", "ClasseCP"},   {"CE1", "ClasseCE1"}, {"CE2", "ClasseCE2"},
        {"CM1", "ClasseCM1"}, {"CM2", "ClasseCM2"}, {"6E", "Classe6e"},
        {"5E", "Classe5e"},   {"4E", "Classe4e"},   {"3E", "Classe3e"},
    };
    const AnsiString lvl = Trim(AnsiUpperCase(level));
    for (const auto& k : known)
        if (lvl == k[0]) return k[1];
    return "";
}

AnsiString ExerciseQueryText(const AnsiString& tableName) {
    // The stored query, with the table in place of "WWW"; its condition is always true.
    return ReplaceFirst("SELECT * FROM WWW WHERE ((codeExo=\"XXX\")OR(1=1))", "WWW", tableName);
}

TStringList SubjectLevelList() {
    TStringList list;
    for (const SubjectLevelEntry& e : kEntries) list.Add(Utf8ToAnsi(e.entry));
    return list;
}

AnsiString ExerciseCountCaption(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kEntries))) return "";
    return kEntries[index].count;
}
