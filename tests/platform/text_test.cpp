// Windows-1252 text, string lists and files.
#include <filesystem>
#include <fstream>

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>
#include <sys/stat.h>

#include "ConnectionString.h"
#include "Errors.h"
#include "Files.h"
#include "Text.h"
#include "TextFit.h"
#include "Unprivileged.h"

namespace fs = std::filesystem;

namespace {

// A fresh folder, removed afterwards.
struct TempDir : QTemporaryDir {
    std::string File(const std::string& name) const { return Path() + "/" + name; }
    std::string Path() const { return path().toStdString(); }
    int Entries() const { return static_cast<int>(QDir(path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size()); }
};

void WriteRaw(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

using V = std::vector<AnsiString>;

}  // namespace

TEST(TextCase, FollowsTheWindows1252TableForEveryByte) {
    EXPECT_EQ(AnsiUpperCase(Utf8ToAnsi("Français")), Utf8ToAnsi("FRANÇAIS"));
    EXPECT_EQ(AnsiUpperCase(Utf8ToAnsi("cœur naïf ÿ š ž ÷ß×µ")), Utf8ToAnsi("CŒUR NAÏF Ÿ Š Ž ÷ß×µ"));
    for (int b = 0; b < 256; ++b) {
        const char c = static_cast<char>(b), up = AnsiUpperChar(c), low = AnsiLowerChar(c);
        EXPECT_EQ(AnsiUpperChar(up), up) << b;
        EXPECT_EQ(AnsiLowerChar(low), low) << b;
        if (up != c) {
            EXPECT_EQ(AnsiLowerChar(up), c) << b;
        }
        // The Unicode view agrees wherever Windows-1252 holds both cases.
        const AnsiString unicodeUp = FromQString(ToQString(AnsiString(1, c)).toUpper());
        if (unicodeUp.size() == 1 && unicodeUp != "?") {
            EXPECT_EQ(AnsiString(1, up), unicodeUp) << b;
        }
    }
    EXPECT_TRUE(SameText(Utf8ToAnsi("Zoé"), Utf8ToAnsi("ZOÉ")));
    EXPECT_LT(AnsiCompareText(Utf8ToAnsi("Élodie"), "Emma"), 0);   // accents sort with their letter
    EXPECT_LT(AnsiCompareText("Elodie", Utf8ToAnsi("Élodie")), 0);
    EXPECT_LT(AnsiCompareText("Paul", "Pauline"), 0);
}

TEST(TextBasics, TrimAndNumbers) {
    EXPECT_EQ(Trim("\t\x01  a b \r\n"), "a b");
    EXPECT_EQ(TrimRight("  a \x1f"), "  a");
    const AnsiString accents = Utf8ToAnsi("é\xC2\xA0x\xC2\xA0é");   // bytes from 0x80 up are no blanks
    EXPECT_EQ(Trim(" " + accents + " "), accents);
    for (auto [text, value] : std::vector<std::pair<const char*, int>>{
             {" -12ab", -12}, {"ab", 0}, {"+7/10", 7}, {"", 0}, {"-", 0}, {"99999999999", 2147483647}})
        EXPECT_EQ(LeadingInt(text), value) << text;
    EXPECT_EQ(StrToInt(" 42 "), 42);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483648LL);
    for (const char* bad : {"12a", "", "-", "2147483648"}) EXPECT_THROW(StrToInt(bad), EConvertError) << bad;
}

TEST(TextEncoding, AllBytesRoundTripAndTheHighRangeHoldsTypographicSigns) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
    EXPECT_EQ(FromQString(ToQString(all)), all);
    EXPECT_EQ(QString::fromUtf8(AnsiToUtf8(all)), ToQString(all));

    EXPECT_EQ(ToQString("\x80\x92\x93\x94\x85\x9C\x8C\x9F"), QString::fromUtf8("€’“”…œŒŸ"));
    // Nothing to map to: one '?' per character, surrogate pairs included.
    EXPECT_EQ(FromQString(QString::fromUtf8("a\xE2\x82\xAC\xF0\x9F\x98\x80\xE4\xB8\xAD")), "a\x80??");
    EXPECT_EQ(Utf8ToAnsi("caf\xE9"), "caf\xE9");   // bytes that are not UTF-8 stay

    EXPECT_TRUE(LooksLikeUtf8("Fran\xC3\xA7" "ais"));
    for (const char* no : {"plain ascii", "Fran\xE7" "ais", "\xC0\xAF", "\xED\xA0\x80", "ok \xC3"})
        EXPECT_FALSE(LooksLikeUtf8(no)) << no;
}

TEST(TextLines, SplitOnAnyLineEndAndSortedListsIgnoreCase) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\n\nb\r\r"), (V{"a", "", "b", ""}));
    TStringList list;
    list.SetText("zoe\rBob\n");
    list.SetSorted(true);
    EXPECT_EQ(list.Add(Utf8ToAnsi("Élodie")), 1);
    EXPECT_EQ(list.Text(), "Bob\r\n" + Utf8ToAnsi("Élodie") + "\r\nzoe\r\n");
    EXPECT_EQ(list.IndexOf("ZOE"), 2);
}

// Ten pixels a character, "…" included.
TEST(TextFit, KeepsTheLongestBeginningThatFitsWithAnEllipsis) {
    const auto tenEach = [](const AnsiString& s) { return static_cast<int>(s.size()) * 10; };
    const struct { const char* text; int width; const char* shown; } cases[] = {
        {"Les angles", 100, "Les angles"},    // fits exactly
        {"Les angles", 99, "Les angl\x85"},
        {"Les angles", 59, "Les\x85"},        // no blank before the ellipsis
        {"Les angles", 10, "\x85"},
        {"Les angles", 9, ""},
        {"", 0, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(FitText(c.text, c.width, tenEach), c.shown) << c.width;
}

TEST(TextFiles, SaveWritesWindows1252WithCrLfAndLoadAcceptsUtf8) {
    TempDir dir;
    TStringList list;
    list.Add(Utf8ToAnsi("Léa Français CM1"));
    list.Add("Tom Math 6e");
    list.SaveToFile(dir.File("l.txt"));
    EXPECT_EQ(ReadFileBytes(dir.File("l.txt")), "L\xE9" "a Fran\xE7" "ais CM1\r\nTom Math 6e\r\n");
    EXPECT_EQ(dir.Entries(), 1);   // no temporary file left
    TStringList back;
    back.LoadFromFile(dir.File("l.txt"));
    EXPECT_EQ(back.Items(), list.Items());

    WriteRaw(dir.File("u.txt"), "\xEF\xBB\xBFL\xC3\xA9" "a\nZo\xC3\xA9\rMax\r\n");
    back.LoadFromFile(dir.File("u.txt"));
    EXPECT_EQ(back.Items(), (V{Utf8ToAnsi("Léa"), Utf8ToAnsi("Zoé"), "Max"}));
    EXPECT_THROW(back.LoadFromFile(dir.Path()), EFileError);
}

TEST(TextFiles, FailedSaveKeepsThePreviousFileWholeAndLeavesNoTemporaryFile) {
    TempDir dir;
    TStringList list;
    list.Add("a new line, longer than the room left");
    fs::create_directory(dir.File("sub"));
    EXPECT_THROW(list.SaveToFile(dir.File("sub")), EFileError);   // a folder is not replaced
    EXPECT_TRUE(DirectoryExists(dir.File("sub")));
    EXPECT_THROW(list.SaveToFile(dir.File("nofolder/keep.txt")), EFileError);
    WriteRaw(dir.File("keep.txt"), "old\r\n");

    // Saves run without the super-user's rights; each must fail with the French
    // file-error message and leave the folder as it was.
    const auto rw = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::group_write |
                    fs::perms::others_read | fs::perms::others_write;
    const auto rx = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read | fs::perms::group_exec |
                    fs::perms::others_read | fs::perms::others_exec;
    struct Case { const char* what; fs::perms folder, file; long sizeLimit; const char* reason; };
    const Case cases[] = {
        {"read-only file", fs::perms::all, rx & ~fs::perms::owner_exec & ~fs::perms::group_exec & ~fs::perms::others_exec,
         -1, "accès refusé"},
        {"read-only folder", rx, rw, -1, "accès refusé"},
        {"write cut short", fs::perms::all, rw, 4, ""},
    };
    for (const Case& c : cases) {
        fs::permissions(dir.Path(), c.folder);
        fs::permissions(dir.File("keep.txt"), c.file);
        const int result = RunUnprivileged([&] {
            if (c.sizeLimit >= 0) {
                ::signal(SIGXFSZ, SIG_IGN);
                const rlimit limit{static_cast<rlim_t>(c.sizeLimit), static_cast<rlim_t>(c.sizeLimit)};
                ::setrlimit(RLIMIT_FSIZE, &limit);
            }
            try {
                list.SaveToFile(dir.File("keep.txt"));
                return 1;
            } catch (const EFileError& e) {
                const AnsiString expected = Utf8ToAnsi("Impossible d'écrire le fichier \"") + dir.File("keep.txt") +
                                            "\" : " + Utf8ToAnsi(c.reason);
                return e.Message().rfind(expected, 0) == 0 ? 0 : 2;
            }
        });
        fs::permissions(dir.Path(), fs::perms::owner_all);
        EXPECT_EQ(result, 0) << c.what << " (1: saved; 2: another message; -1: could not run without rights)";
        EXPECT_EQ(ReadFileBytes(dir.File("keep.txt")), "old\r\n") << c.what;
        EXPECT_EQ(dir.Entries(), 2) << c.what << ": a temporary file is left";
    }
}

TEST(Files, ExistenceReadingAndPathTexts) {
    TempDir dir;
    WriteRaw(dir.File("a.txt"), std::string("x\0y", 3));
    EXPECT_TRUE(FileExists(dir.File("a.txt")));
    EXPECT_FALSE(FileExists(dir.Path()));   // a folder is no file
    EXPECT_EQ(ReadFileBytes(dir.File("a.txt")), std::string("x\0y", 3));
    EXPECT_THROW(ReadFileBytes(dir.Path()), EFileError);

    // Folder names are the system's bytes (data folders: startup_test), read as text for messages only.
    EXPECT_EQ(PathText("/d/dossier_\xC3\xA9"), "/d/dossier_\xE9");
    EXPECT_EQ(PathText("/d/dossier_\xE9"), "/d/dossier_\xE9");
}

TEST(ConnectionString, QuotedValuesReadBackWhole) {
    for (const AnsiString value : {"/d/a;b/bd_exos.mdb", " deux  blancs ", "l'apostrophe", "les \"guillemets\"",
                                   "l'un et \"l'autre\"", "x=y;z=w", ""}) {
        const AnsiString cs = "Provider=P;Data Source=" + QuoteConnectionValue(value) + ";Mode=ReadWrite";
        EXPECT_EQ(ConnectionStringItem(cs, "data source"), value) << cs;
        EXPECT_EQ(ConnectionStringItem(cs, "Mode"), "ReadWrite") << cs;
    }
    // Unquoted values are trimmed; items without "=" are skipped.
    EXPECT_EQ(ConnectionStringItem("junk;Data Source= /p/q.mdb ;Mode=R", "Data Source"), "/p/q.mdb");
    EXPECT_EQ(ConnectionStringItem("Provider=x", "Data Source"), "");
}
