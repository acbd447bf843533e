// Windows-1252 text, string lists and files.
#include <filesystem>
#include <fstream>
#include <sstream>

#include <QString>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Errors.h"
#include "Files.h"
#include "Text.h"

namespace fs = std::filesystem;

namespace {

// A fresh folder under the system's temporary folder, removed afterwards.
class TempDir {
public:
    TempDir() {
        std::string tmpl = (fs::temp_directory_path() / "textXXXXXX").string();
        path_ = ::mkdtemp(tmpl.data());
    }
    ~TempDir() {
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    const std::string& path() const { return path_; }
private:
    std::string path_;
};

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteRaw(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

int EntriesIn(const std::string& dir) {
    int n = 0;
    for (auto it = fs::directory_iterator(dir); it != fs::directory_iterator(); ++it) ++n;
    return n;
}

}  // namespace

TEST(TextCase, FrenchLettersFollowTheWindows1252Table) {
    EXPECT_EQ(AnsiUpperCase(Utf8ToAnsi("Français")), Utf8ToAnsi("FRANÇAIS"));
    EXPECT_EQ(AnsiLowerCase(Utf8ToAnsi("ÉLÈVE À L'ÉCOLE")), Utf8ToAnsi("élève à l'école"));
    EXPECT_EQ(AnsiUpperCase(Utf8ToAnsi("cœur naïf ÿ š ž")), Utf8ToAnsi("CŒUR NAÏF Ÿ Š Ž"));
    EXPECT_EQ(AnsiLowerCase(Utf8ToAnsi("CŒUR Ÿ Š Ž")), Utf8ToAnsi("cœur ÿ š ž"));
    // Signs and ß have no other case.
    EXPECT_EQ(AnsiUpperCase(Utf8ToAnsi("÷ß×µ")), Utf8ToAnsi("÷ß×µ"));
    EXPECT_EQ(AnsiLowerCase(Utf8ToAnsi("÷ß×µ")), Utf8ToAnsi("÷ß×µ"));
}

TEST(TextCase, EveryByteMapsBackAndForthConsistently) {
    for (int b = 0; b < 256; ++b) {
        char c = static_cast<char>(b);
        char up = AnsiUpperChar(c), low = AnsiLowerChar(c);
        EXPECT_EQ(AnsiUpperChar(up), up) << b;
        EXPECT_EQ(AnsiLowerChar(low), low) << b;
        if (up != c) {
            EXPECT_EQ(AnsiLowerChar(up), c) << b;
        }
        if (low != c) {
            EXPECT_EQ(AnsiUpperChar(low), c) << b;
        }
        // The Unicode view agrees wherever Windows-1252 holds both cases.
        const QString q = ToQString(std::string(1, c));
        const AnsiString unicodeUp = FromQString(q.toUpper());
        const AnsiString unicodeLow = FromQString(q.toLower());
        if (unicodeUp.size() == 1 && unicodeUp != "?") {
            EXPECT_EQ(std::string(1, up), unicodeUp) << b;
        }
        if (unicodeLow.size() == 1 && unicodeLow != "?") {
            EXPECT_EQ(std::string(1, low), unicodeLow) << b;
        }
    }
}

TEST(TextCompare, IgnoresCaseAndSortsAccentsWithTheirLetter) {
    EXPECT_EQ(AnsiCompareText(Utf8ToAnsi("élodie"), Utf8ToAnsi("ÉLODIE")), 0);
    EXPECT_TRUE(SameText(Utf8ToAnsi("Zoé"), Utf8ToAnsi("ZOÉ")));
    EXPECT_FALSE(SameText(Utf8ToAnsi("Zoé"), "ZOE"));
    EXPECT_LT(AnsiCompareText("abc", "ABD"), 0);
    EXPECT_GT(AnsiCompareText("b", "A"), 0);
    EXPECT_LT(AnsiCompareText(Utf8ToAnsi("Élodie"), "Emma"), 0);
    EXPECT_LT(AnsiCompareText("Elodie", Utf8ToAnsi("Élodie")), 0);
    EXPECT_LT(AnsiCompareText("Paul", "Pauline"), 0);
}

TEST(TextBasics, TrimRemovesOnlyControlCodesAndBlanks) {
    EXPECT_EQ(Trim("\t\x01  a b \r\n"), "a b");
    EXPECT_EQ(TrimLeft("  a "), "a ");
    EXPECT_EQ(TrimRight("  a \x1f"), "  a");
    // Bytes from 0x80 up are letters and signs, not blanks.
    const std::string accents = Utf8ToAnsi("é\xC2\xA0x\xC2\xA0é");
    EXPECT_EQ(Trim(" " + accents + " "), accents);
    EXPECT_EQ(Trim("\x80"), "\x80");
    EXPECT_EQ(Trim(" \t "), "");
}

TEST(TextBasics, PositionsAreOneBased) {
    EXPECT_EQ(Pos("b", "abcb"), 2);
    EXPECT_EQ(Pos("x", "abc"), 0);
    EXPECT_EQ(Pos("", "abc"), 0);
    EXPECT_EQ(SubString("abcdef", 2, 3), "bcd");
    EXPECT_EQ(SubString("abcdef", 5, 10), "ef");
    EXPECT_EQ(SubString("abcdef", 0, 2), "ab");
    EXPECT_EQ(SubString("abcdef", 7, 1), "");
    EXPECT_EQ(SubString("abcdef", 2, 0), "");
    EXPECT_EQ(SubStringFrom("abcdef", 3), "cdef");
    EXPECT_EQ(SubStringFrom("abcdef", 9), "");
    EXPECT_EQ(ReplaceFirst("a=b=c", "=", "=="), "a==b=c");
    EXPECT_EQ(ReplaceFirst("abc", "x", "y"), "abc");
}

TEST(TextNumbers, LeadingIntAndStrictConversion) {
    EXPECT_EQ(LeadingInt(" -12ab"), -12);
    EXPECT_EQ(LeadingInt("ab"), 0);
    EXPECT_EQ(LeadingInt("+7/10"), 7);
    EXPECT_EQ(LeadingInt(""), 0);
    EXPECT_EQ(LeadingInt("-"), 0);
    EXPECT_EQ(LeadingInt("99999999999"), 2147483647);
    EXPECT_EQ(StrToInt(" 42 "), 42);
    EXPECT_EQ(StrToInt("-2147483648"), -2147483648LL);
    EXPECT_THROW(StrToInt("12a"), EConvertError);
    EXPECT_THROW(StrToInt(""), EConvertError);
    EXPECT_THROW(StrToInt("-"), EConvertError);
    EXPECT_THROW(StrToInt("2147483648"), EConvertError);
    EXPECT_EQ(StrToIntDef("x", 5), 5);
    EXPECT_EQ(IntToStr(-305), "-305");
}

TEST(TextEncoding, AllBytesRoundTripThroughUtf8AndQString) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(all)), all);
    EXPECT_EQ(FromQString(ToQString(all)), all);
    EXPECT_EQ(QString::fromUtf8(AnsiToUtf8(all)), ToQString(all));
}

TEST(TextEncoding, TheHighRangeHoldsTypographicSigns) {
    EXPECT_EQ(ToQString("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(ToQString("\x92\x93\x94\x85"), QString::fromUtf8("’“”…"));
    EXPECT_EQ(ToQString("\x9C\x8C\x9F"), QString::fromUtf8("œŒŸ"));
    EXPECT_EQ(ToQString("\x81"), QString(QChar(0x81)));
    EXPECT_EQ(Utf8ToAnsi("l’été"), "l\x92\xE9t\xE9");
    // Nothing to map to: one '?' per character, surrogate pairs included.
    EXPECT_EQ(FromQString(QString::fromUtf8("a\xE2\x82\xAC\xF0\x9F\x98\x80\xE4\xB8\xAD")), "a\x80??");
    EXPECT_EQ(Utf8ToAnsi("\xE4\xB8\xAD"), "?");
    // Bytes that are not UTF-8 stay as they are.
    EXPECT_EQ(Utf8ToAnsi("caf\xE9"), "caf\xE9");
}

TEST(TextEncoding, LooksLikeUtf8NeedsValidMultiByteText) {
    EXPECT_TRUE(LooksLikeUtf8("Fran\xC3\xA7" "ais"));
    EXPECT_FALSE(LooksLikeUtf8("plain ascii"));
    EXPECT_FALSE(LooksLikeUtf8("Fran\xE7" "ais"));
    EXPECT_FALSE(LooksLikeUtf8("\xC0\xAF"));           // overlong
    EXPECT_FALSE(LooksLikeUtf8("\xED\xA0\x80"));       // surrogate
    EXPECT_FALSE(LooksLikeUtf8("ok \xC3"));            // cut short
}

TEST(TextLines, SplitOnCrLfOrCrLf) {
    using V = std::vector<AnsiString>;
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), (V{"a"}));
    EXPECT_EQ(SplitLines("a\n\nb\r\r"), (V{"a", "", "b", ""}));
    EXPECT_EQ(SplitLines("\r\n"), (V{""}));
    EXPECT_TRUE(SplitLines("").empty());

    TStringList list;
    list.SetText("one\rtwo\nthree\r\n");
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Text(), "one\r\ntwo\r\nthree\r\n");
    list.SetText(list.Text());
    EXPECT_EQ(list.Count(), 3);
}

TEST(TextLines, SortedListsPlaceItemsIgnoringCase) {
    TStringList list;
    list.Add("zoe");
    list.Add("Bob");
    list.SetSorted(true);
    EXPECT_EQ(list[0], "Bob");
    EXPECT_EQ(list.Add("alice"), 0);
    EXPECT_EQ(list.Add(Utf8ToAnsi("Élodie")), 2);
    EXPECT_EQ(list.Add("Zack"), 3);
    EXPECT_EQ(list.IndexOf("ZOE"), 4);
    EXPECT_EQ(list.IndexOf(Utf8ToAnsi("élodie")), 2);
    EXPECT_EQ(list.IndexOf("nobody"), -1);
    list.SetText("c\nA\nb");
    EXPECT_EQ(list.Text(), "A\r\nb\r\nc\r\n");

    TStringList plain;
    plain.Add("b");
    plain.Insert(0, "a");
    plain.Delete(1);
    EXPECT_EQ(plain.Text(), "a\r\n");
    EXPECT_THROW(plain.Delete(3), Exception);
}

TEST(TextFiles, SaveWritesWindows1252WithCrLf) {
    TempDir dir;
    TStringList list;
    list.Add(Utf8ToAnsi("Léa Français CM1"));
    list.Add("Tom Math 6e");
    list.SaveToFile(dir.File("l.txt"));
    EXPECT_EQ(Bytes(dir.File("l.txt")), "L\xE9" "a Fran\xE7" "ais CM1\r\nTom Math 6e\r\n");
    EXPECT_EQ(EntriesIn(dir.path()), 1);

    TStringList back;
    back.LoadFromFile(dir.File("l.txt"));
    EXPECT_EQ(back.Items(), list.Items());
}

TEST(TextFiles, LoadAcceptsUtf8AndAnyLineEnd) {
    TempDir dir;
    WriteRaw(dir.File("u.txt"), "L\xC3\xA9" "a\nZo\xC3\xA9\rMax\r\n");
    TStringList list;
    list.LoadFromFile(dir.File("u.txt"));
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list[0], Utf8ToAnsi("Léa"));
    EXPECT_EQ(list[1], Utf8ToAnsi("Zoé"));
    EXPECT_EQ(list[2], "Max");

    WriteRaw(dir.File("bom.txt"), "\xEF\xBB\xBFplain");
    list.LoadFromFile(dir.File("bom.txt"));
    EXPECT_EQ(list.Text(), "plain\r\n");

    EXPECT_THROW(list.LoadFromFile(dir.File("missing.txt")), EFileError);
    EXPECT_THROW(list.LoadFromFile(dir.path()), EFileError);
}

TEST(TextFiles, FailedSaveKeepsThePreviousFileWhole) {
    TempDir dir;
    TStringList list;
    list.Add("new");

    // The target is a folder: nothing replaces it, nothing is left behind.
    fs::create_directory(dir.File("sub"));
    EXPECT_THROW(list.SaveToFile(dir.File("sub")), EFileError);
    EXPECT_TRUE(DirectoryExists(dir.File("sub")));
    EXPECT_EQ(EntriesIn(dir.path()), 1);

    WriteRaw(dir.File("keep.txt"), "old\r\n");
    EXPECT_THROW(list.SaveToFile(dir.File("nofolder/keep.txt")), EFileError);

    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the super-user";
    fs::permissions(dir.path(), fs::perms::owner_write, fs::perm_options::remove);
    EXPECT_THROW(list.SaveToFile(dir.File("keep.txt")), EFileError);
    fs::permissions(dir.path(), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(Bytes(dir.File("keep.txt")), "old\r\n");
    EXPECT_EQ(EntriesIn(dir.path()), 2);
}

TEST(Files, ExistenceReadingAndTheCurrentFolder) {
    TempDir dir;
    WriteRaw(dir.File("a.txt"), std::string("x\0y", 3));
    EXPECT_TRUE(FileExists(dir.File("a.txt")));
    EXPECT_FALSE(FileExists(dir.path()));
    EXPECT_FALSE(FileExists(dir.File("b.txt")));
    EXPECT_FALSE(FileExists(""));
    EXPECT_TRUE(DirectoryExists(dir.path()));
    EXPECT_FALSE(DirectoryExists(dir.File("a.txt")));
    EXPECT_EQ(ReadFileBytes(dir.File("a.txt")), std::string("x\0y", 3));
    EXPECT_THROW(ReadFileBytes(dir.path()), EFileError);

    // A Windows-1252 name is the UTF-8 name on disk.
    WriteFileAtomic(dir.File(Utf8ToAnsi("élève.txt")), "1");
    EXPECT_TRUE(fs::exists(dir.File("élève.txt")));
    EXPECT_TRUE(FileExists(dir.File(Utf8ToAnsi("élève.txt"))));

    EXPECT_EQ(JoinPath("/a", "b"), "/a/b");
    EXPECT_EQ(JoinPath("/", "b"), "/b");

    const auto before = fs::current_path();
    fs::current_path(dir.path());
    const AnsiString cwd = GetCurrentDir();
    fs::current_path(before);
    EXPECT_EQ(fs::canonical(cwd), fs::canonical(dir.path()));
    EXPECT_NE(cwd.back(), '/');
}

TEST(Guarded, SwallowsFailuresAndReportsThem) {
    int ran = 0;
    EXPECT_TRUE(Guarded([&] { ++ran; }));
    EXPECT_FALSE(Guarded([&] { ++ran; throw EDatabaseError("x"); }));
    EXPECT_FALSE(Guarded([] { StrToInt("nope"); }));
    EXPECT_EQ(ran, 2);
}
