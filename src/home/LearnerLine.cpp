// Learner lines, name capitalisation, level tables and the exercise query.
#include "home/LearnerLine.h"

#include <iterator>
#include <string>

#include <QString>

namespace {

const AnsiString kDefaultSubject = "Mathematiques";
const AnsiString kDefaultLevel = "CP";

// UTF-8 source texts.
constexpr const char* kEntries[] = {
    "Mathematiques CP",  "Mathematiques CE1", "Mathematiques CE2", "Mathematiques CM1",
    "Mathematiques CM2", "Mathematiques 6e",  "Mathematiques 5e",  "Mathematiques 4e",
    "Mathematiques 3e",  "Français CE1",      "Français 6e",
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
    for (const char* entry : kEntries) list.Add(Utf8ToAnsi(entry));
    return list;
}

AnsiString ExerciseCountCaption(long long count) {
    // Digits grouped by three with an ordinary blank: "1 414 exercices".
    std::string digits = std::to_string(count < 0 ? 0 : count);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<size_t>(at), " ");
    return digits + (count > 1 ? " exercices" : " exercice");
}
