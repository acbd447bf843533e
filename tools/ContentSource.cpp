// Reading and checking the exercise sources of content/.
#include "ContentSource.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "Pictures.h"
#include "TextOnScreen.h"
#include "platform/Text.h"
#include "player/ContentCodec.h"

namespace fs = std::filesystem;

namespace {

const char* const kKindNames[8] = {"QCM", "QB", "QO", "QCC", "QTRO", "QTRC", "QMR", "QMT"};

std::string Where(const std::string& file, int line) {
    return file + ":" + std::to_string(line) + ": ";
}

// The lines of a UTF-8 text file (a leading byte-order mark is dropped). Lines end
// where the program ends them: at CR, LF or CR LF. Every line must be UTF-8 that
// 8-bit text can hold.
std::vector<std::string> ReadLines(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw BuildError(path.string() + ": cannot be read");
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::string bytes = buffer.str();
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);

    std::vector<std::string> lines = SplitLines(bytes);
    while (!lines.empty() && lines.back().empty()) lines.pop_back();

    for (size_t i = 0; i < lines.size(); ++i)
        if (AnsiToUtf8(Utf8ToAnsi(lines[i])) != lines[i])
            throw BuildError(Where(path.string(), static_cast<int>(i + 1)) +
                             "not UTF-8, or a character that the program's 8-bit text cannot hold");
    return lines;
}

std::string LowerAscii(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string Joined(const std::vector<std::string>& lines, size_t from, size_t to) {
    std::string r;
    for (size_t i = from; i < to; ++i) {
        if (i > from) r += '\n';
        r += lines[i];
    }
    return r;
}

// --- Programme texts -------------------------------------------------------------

// What in a chapter code the program would read otherwise: it takes the number after
// the first "=" of a tree entry's data as its count, cuts the code before "NbExo" and
// puts it between double quotes in its query; and Jet SQL, which the queries are
// written in, compares texts without regard to case.
std::string ChapterCodeProblem(const std::string& code, const std::vector<std::string>& earlier) {
    if (code.empty()) return "empty chapter code";
    if (code.find('"') != std::string::npos) return "a chapter code cannot hold a double quote";
    if (code.find('=') != std::string::npos) return "a chapter code cannot hold \"=\"";
    if (Pos("NBEXO", AnsiUpperCase(code)) > 0) return "a chapter code cannot hold \"NbExo\"";
    for (const std::string& other : earlier) {
        if (other == code) return "chapter code [" + code + "] given twice";
        if (SameText(Utf8ToAnsi(other), Utf8ToAnsi(code)))
            return "chapter code [" + code + "] differs from [" + other + "] only in case";
    }
    return "";
}

ProgrammeSource ReadProgramme(const LevelInfo& level, const fs::path& path) {
    ProgrammeSource prog;
    prog.level = level;
    const std::string file = path.string();
    std::vector<std::string> lines = ReadLines(path);
    std::vector<std::string> kept;
    int previousDepth = -1;
    for (size_t i = 0; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i + 1);
        const std::string& line = lines[i];
        const std::string text = Trim(line);
        if (text.empty()) continue;
        size_t depth = 0;
        while (depth < line.size() && line[depth] == '\t') ++depth;
        if (depth < line.size() && static_cast<unsigned char>(line[depth]) < 33)
            throw BuildError(Where(file, lineNo) + "indent the lines with tabs only");
        if (static_cast<int>(depth) > previousDepth + 1)
            throw BuildError(Where(file, lineNo) + "indented more than one tab deeper than the line above");
        previousDepth = static_cast<int>(depth);

        if (text.size() >= 3 && text[0] == '[' && text.find(']') != std::string::npos) {
            const size_t close = text.find(']');
            const std::string code = Trim(text.substr(1, close - 1));
            const std::string title = Trim(text.substr(close + 1));
            const std::string problem = ChapterCodeProblem(code, prog.codes);
            if (!problem.empty()) throw BuildError(Where(file, lineNo) + problem);
            if (title.empty()) throw BuildError(Where(file, lineNo) + "chapter without a title");
            prog.codes.push_back(code);
        }
        kept.push_back(std::string(depth, '\t') + text);
    }
    if (kept.empty()) throw BuildError(file + ": empty programme");
    prog.text = Joined(kept, 0, kept.size());
    return prog;
}

// --- Exercises -------------------------------------------------------------------

bool HeaderLine(const std::string& line, std::string& key, std::string& value) {
    const std::string t = Trim(line);
    const size_t colon = t.find(':');
    if (colon == std::string::npos) return false;
    const std::string k = LowerAscii(Trim(t.substr(0, colon)));
    if (k != "chapitre" && k != "type" && k != "image" && k != "note") return false;
    key = k;
    value = Trim(t.substr(colon + 1));
    return true;
}

std::vector<ExerciseSource> ReadExercises(const ProgrammeSource& prog, const fs::path& path) {
    const std::string file = path.string();
    const std::vector<std::string> lines = ReadLines(path);
    std::vector<ExerciseSource> out;
    std::set<std::string> numbers;

    size_t i = 0;
    while (i < lines.size() && lines[i].rfind("@exercice", 0) != 0) ++i;   // notes before the first block
    while (i < lines.size()) {
        ExerciseSource ex;
        ex.table = prog.level.table;
        ex.file = file;
        ex.line = static_cast<int>(i + 1);
        const std::string where = Where(file, ex.line);
        ex.number = Trim(lines[i].substr(9));
        if (ex.number.empty()) throw BuildError(where + "exercise without a number after @exercice");
        if (ex.number.find_first_of(" \t") != std::string::npos)
            throw BuildError(where + "an exercise number has no blank in it");
        if (!numbers.insert(ex.number).second)
            throw BuildError(where + "exercise number " + ex.number + " is used twice in " + ex.table);
        ++i;

        std::string kind;
        std::string key, value;
        while (i < lines.size() && lines[i].rfind("@exercice", 0) != 0 &&
               (Trim(lines[i]).empty() || HeaderLine(lines[i], key, value))) {
            if (!Trim(lines[i]).empty()) {
                if (key == "chapitre") ex.code = value;
                else if (key == "type") kind = value;
                else if (key == "image") ex.image = value;
            }
            ++i;
        }
        const size_t from = i;
        while (i < lines.size() && lines[i].rfind("@exercice", 0) != 0) ++i;
        size_t to = i;
        while (to > from && Trim(lines[to - 1]).empty()) --to;
        ex.content = Joined(lines, from, to);

        if (ex.code.empty()) throw BuildError(where + "missing \"chapitre:\"");
        if (std::find(prog.codes.begin(), prog.codes.end(), ex.code) == prog.codes.end())
            throw BuildError(where + "chapter [" + ex.code + "] is not in the programme of " + ex.table);
        ex.typeExo = TypeExoOfKind(kind);
        if (ex.typeExo == 0)
            throw BuildError(where + "\"type:\" must be one of QCM, QB, QO, QCC, QTRO, QTRC, QMR, QMT");
        if (!ex.image.empty()) {
            if (ex.image.find_first_of("/\\") != std::string::npos)
                throw BuildError(where + "a picture is a file name, without folder");
        }
        const std::string problem = CheckExerciseContent(ex.typeExo, ex.content);
        if (!problem.empty())
            throw BuildError(where + KindNameOfType(ex.typeExo) + " exercise " + ex.number + ": " + problem);
        out.push_back(ex);
    }
    return out;
}

// --- Picture recipes -------------------------------------------------------------

std::map<std::string, PictureRecipe> ReadPictures(const fs::path& path) {
    std::map<std::string, PictureRecipe> recipes;
    if (!fs::exists(path)) return recipes;
    const std::vector<std::string> lines = ReadLines(path);
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string text = Trim(lines[i]);
        if (text.empty() || text[0] == '#') continue;
        std::istringstream words(text);
        PictureRecipe r;
        r.where = "images.txt:" + std::to_string(i + 1);
        words >> r.name >> r.drawing;
        for (std::string w; words >> w;) r.args.push_back(w);
        const std::string where = Where(path.string(), static_cast<int>(i + 1));
        if (!PictureFormat(r.name) || r.name.find_first_of("/\\") != std::string::npos)
            throw BuildError(where + "a picture name is a file name ending in .jpg, .png or .bmp");
        const std::string problem = CheckRecipe(r);
        if (!problem.empty()) throw BuildError(where + problem);
        if (!recipes.emplace(r.name, r).second) throw BuildError(where + r.name + " is described twice");
    }
    return recipes;
}

// --- Kind rules --------------------------------------------------------------------

// Anything that the parse would drop silently: text outside fields, an open field.
std::string EnvelopeProblem(const AnsiString& content, bool qo) {
    AnsiString s = Trim(content);
    if (qo && s.size() > 3 && (s.compare(0, 3, "[0]") == 0 || s.compare(0, 3, "[1]") == 0)) s = Trim(s.substr(3));
    while (!s.empty()) {
        if (s.compare(0, 2, "/#") != 0)
            return "text outside a field, near \"" + AnsiToUtf8(s.substr(0, 24)) + "\"";
        const size_t close = s.find("#/", 2);
        if (close == std::string::npos) return "a field opened with /# is not closed with #/";
        s = Trim(s.substr(close + 2));
    }
    return "";
}

int CountGaps(const AnsiString& text) {
    int n = 0;
    for (size_t p = text.find("{...}"); p != std::string::npos; p = text.find("{...}", p + 1)) ++n;
    return n;
}

// Marked words "{...}" of a text, line by line.
int CountMarks(const AnsiString& text) {
    int n = 0;
    for (const AnsiString& line : SplitLines(text)) {
        size_t from = 0;
        for (;;) {
            const size_t open = line.find('{', from);
            if (open == std::string::npos) break;
            const size_t close = line.find('}', open + 1);
            if (close == std::string::npos) break;
            ++n;
            from = close + 1;
        }
    }
    return n;
}

bool IsNumberIn(const AnsiString& s, int low, int high) {
    if (s.empty() || s.size() > 2) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    const int v = std::stoi(s);
    return v >= low && v <= high;
}

std::string Num(int v) { return std::to_string(v); }

// Answers k = 1..count are fields first..first+count-1, all given; the rest empty.
std::string AnswersProblem(const ParsedContent& p, int first, int count, const char* what) {
    for (int k = 1; k <= 8; ++k) {
        const AnsiString a = Trim(p.Field(first + k - 1));
        if (k <= count && a.empty()) return std::string(what) + " " + Num(k) + " has no answer (field " + Num(first + k - 1) + ")";
        if (k > count && !a.empty()) return std::string("field ") + Num(first + k - 1) + " gives an answer to no " + what;
        if (a.find('#') != std::string::npos) return "an answer cannot hold #";
    }
    return "";
}

std::string KindProblem(int typeExo, const ParsedContent& p) {
    auto f = [&](int i) { return Trim(p.Field(i)); };
    switch (typeExo) {
    case 1: {  // QCM
        int choices = 0, right = 0;
        for (int n = 1; n <= 8; ++n) {
            if (f(n).empty()) {
                if (!f(n + 8).empty()) return "field " + Num(n + 8) + " marks choice " + Num(n) + ", which is empty";
                continue;
            }
            ++choices;
            if (f(n + 8) != "1" && f(n + 8) != "0") return "choice " + Num(n) + " needs 1 (right) or 0 (wrong) in field " + Num(n + 8);
            if (f(n + 8) == "1") ++right;
        }
        if (choices < 2) return "at least two choices are needed";
        if (right < 1) return "no choice is marked right";
        return "";
    }
    case 2:  // QB
        if (f(1) != "1" && f(1) != "0") return "field 1 must be 1 (true) or 0 (false)";
        return "";
    case 3:  // QO
        if (p.qoKind == "qo") {
            if (f(1).empty()) return "the expected answer (field 1) is empty";
            return "";
        } else {
            int boxes = 0;
            for (int n = 1; n <= 4; ++n) {
                if (f(n).empty() != f(n + 4).empty()) return "box " + Num(n) + " needs both a prompt and an answer";
                if (!f(n).empty()) ++boxes;
            }
            if (boxes == 0) return "a problem needs at least one answer box";
            return "";
        }
    case 4: {  // QCC
        int left = 0, rights = 0;
        for (int n = 1; n <= 8; ++n)
            if (!f(16 + n).empty()) ++rights;
        for (int n = 1; n <= 8; ++n) {
            if (f(n).empty()) {
                if (!f(8 + n).empty()) return "field " + Num(8 + n) + " pairs left element " + Num(n) + ", which is empty";
                continue;
            }
            ++left;
            if (!IsNumberIn(f(8 + n), 1, 8)) return "left element " + Num(n) + " needs the number 1-8 of its right element in field " + Num(8 + n);
            if (f(16 + std::stoi(f(8 + n))).empty()) return "left element " + Num(n) + " is paired with an empty right element";
        }
        if (left < 2 || rights < 2) return "at least two elements are needed on each side";
        return "";
    }
    case 5: {  // QTRO
        const int gaps = CountGaps(f(1));
        if (gaps < 1 || gaps > 8) return "the text needs 1 to 8 gaps {...}";
        return AnswersProblem(p, 2, gaps, "gap");
    }
    case 6: {  // QTRC
        const int gaps = CountGaps(f(1));
        if (gaps < 1 || gaps > 8) return "the text needs 1 to 8 gaps {...}";
        int words = 0;
        for (int n = 2; n <= 9; ++n)
            if (!f(n).empty()) ++words;
        if (words != gaps) return "the word bank needs as many words as gaps (" + Num(gaps) + ")";
        for (int k = 1; k <= 8; ++k) {
            const AnsiString num = f(9 + k);
            if (k > gaps) {
                if (!num.empty()) return "field " + Num(9 + k) + " gives a word to no gap";
                continue;
            }
            if (!IsNumberIn(num, 1, 8)) return "gap " + Num(k) + " needs the number 1-8 of its bank word in field " + Num(9 + k);
            if (f(1 + std::stoi(num)).empty()) return "gap " + Num(k) + " names an empty bank word";
        }
        return "";
    }
    case 7:  // QMR
        if (CountMarks(f(1)) < 1) return "the text marks no word with { }";
        return "";
    case 8: {  // QMT
        const int marks = CountMarks(p.Field(1));
        if (marks < 1 || marks > 8) return "the text needs 1 to 8 words marked with { }";
        return AnswersProblem(p, 2, marks, "marked word");
    }
    }
    return "unknown kind";
}

int MaxFields(int typeExo, const ParsedContent& p) {
    switch (typeExo) {
    case 1: return 17;
    case 2: return 2;
    case 3: return p.qoKind == "qo" ? 2 : 9;
    case 4: return 25;
    case 5: return 10;
    case 6: return 18;
    case 7: return 2;
    case 8: return 10;
    }
    return 0;
}

}  // namespace

const std::vector<LevelInfo>& LevelTables() {
    static const std::vector<LevelInfo> levels = {
        {"exos_math_cp", "Mathematiques", "CP"},
        {"exos_math_ce1", "Mathematiques", "CE1"},
        {"exos_math_ce2", "Mathematiques", "CE2"},
        {"exos_math_cm1", "Mathematiques", "CM1"},
        {"exos_math_cm2", "Mathematiques", "CM2"},
        {"exos_math_6e", "Mathematiques", "6e"},
        {"exos_math_5e", "Mathematiques", "5e"},
        {"exos_math_4e", "Mathematiques", "4e"},
        {"exos_math_3e", "Mathematiques", "3e"},
        {"exos_francais_ce1", "Fran\xC3\xA7" "ais", "CE1"},
        {"exos_francais_6e", "Fran\xC3\xA7" "ais", "6e"},
    };
    return levels;
}

int TypeExoOfKind(const std::string& kindName) {
    std::string upper = kindName;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    for (int t = 1; t <= 8; ++t)
        if (upper == kKindNames[t - 1]) return t;
    return 0;
}

std::string KindNameOfType(int typeExo) {
    return typeExo >= 1 && typeExo <= 8 ? kKindNames[typeExo - 1] : "";
}

std::vector<std::string> ContentSet::UsedPictures() const {
    std::set<std::string> names;
    for (const ExerciseSource& ex : exercises)
        if (!ex.image.empty()) names.insert(ex.image);
    return {names.begin(), names.end()};
}

int ContentSet::CountIn(const std::string& table) const {
    return static_cast<int>(std::count_if(exercises.begin(), exercises.end(),
                                          [&](const ExerciseSource& ex) { return ex.table == table; }));
}

std::string CheckExerciseContent(int typeExo, const std::string& contentUtf8) {
    if (typeExo < 1 || typeExo > 8) return "unknown kind";
    const AnsiString content = Utf8ToAnsi(contentUtf8);
    const ContentKind kind = typeExo == 3 ? ContentKind::QO : typeExo == 8 ? ContentKind::QMT : ContentKind::Plain;
    const std::string envelope = EnvelopeProblem(content, typeExo == 3);
    if (!envelope.empty()) return envelope;
    const ParsedContent parsed = ParseExerciseContent(content, kind);
    if (parsed.written == 0 || Trim(parsed.Field(0)).empty()) return "the statement (field 0) is missing";
    if (parsed.written > MaxFields(typeExo, parsed))
        return Num(parsed.written) + " fields written, at most " + Num(MaxFields(typeExo, parsed)) + " are read";
    const std::string problem = KindProblem(typeExo, parsed);
    if (!problem.empty()) return problem;
    return TextOnScreenProblem(typeExo, parsed);
}

std::string StoredContent(const std::string& contentUtf8) {
    return AnsiToUtf8(ScrambleContent(Utf8ToAnsi(contentUtf8)));
}

ContentSet LoadContent(const std::string& contentDir) {
    const fs::path root(contentDir);
    if (!fs::is_directory(root)) throw BuildError(contentDir + ": no such content folder");
    ContentSet set;

    std::set<std::string> tables;
    for (const LevelInfo& level : LevelTables()) tables.insert(level.table);
    for (const char* sub : {"programmes", "exercises"}) {
        if (!fs::is_directory(root / sub)) continue;
        for (const auto& entry : fs::directory_iterator(root / sub)) {
            const fs::path p = entry.path();
            if (p.extension() != ".txt" || !tables.count(p.stem().string()))
                throw BuildError(p.string() + ": not a level table's file (exos_math_cp.txt ... exos_francais_6e.txt)");
        }
    }

    for (const LevelInfo& level : LevelTables()) {
        const fs::path progPath = root / "programmes" / (level.table + ".txt");
        if (!fs::exists(progPath)) throw BuildError(progPath.string() + ": missing programme");
        set.programmes.push_back(ReadProgramme(level, progPath));
        const fs::path exPath = root / "exercises" / (level.table + ".txt");
        if (fs::exists(exPath)) {
            std::vector<ExerciseSource> exs = ReadExercises(set.programmes.back(), exPath);
            set.exercises.insert(set.exercises.end(), exs.begin(), exs.end());
        }
    }

    set.pictures = ReadPictures(root / "images.txt");
    for (const ExerciseSource& ex : set.exercises)
        if (!ex.image.empty() && !set.pictures.count(ex.image))
            throw BuildError(Where(ex.file, ex.line) + "picture " + ex.image + " is not described in images.txt");
    return set;
}
