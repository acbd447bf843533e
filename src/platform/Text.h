#pragma once
// 8-bit text as the screens always held it: Windows-1252 bytes in a std::string,
// 1-based positions, searches returning 0 when nothing is found.
#include <string>
#include <vector>

class QString;

using AnsiString = std::string;

// Position (1-based) of the first occurrence of sub in s; 0 when absent or sub empty.
int Pos(const AnsiString& sub, const AnsiString& s);
// count characters from 1-based index start (clamped like the framework's SubString).
AnsiString SubString(const AnsiString& s, int start, int count);
// Everything from 1-based index start to the end.
AnsiString SubStringFrom(const AnsiString& s, int start);

// Characters with codes below 33 removed from both ends / one end.
AnsiString Trim(const AnsiString& s);
AnsiString TrimLeft(const AnsiString& s);
AnsiString TrimRight(const AnsiString& s);

// Windows-1252 case mapping (accented letters included, compared byte by byte).
char AnsiUpperChar(char c);
char AnsiLowerChar(char c);
AnsiString AnsiUpperCase(const AnsiString& s);
AnsiString AnsiLowerCase(const AnsiString& s);
// Case-insensitive comparison through the case table: <0, 0, >0.
int AnsiCompareText(const AnsiString& a, const AnsiString& b);
bool SameText(const AnsiString& a, const AnsiString& b);

AnsiString IntToStr(long long v);
// Leading integer: blanks skipped, optional sign, digits; no digits gives 0.
int LeadingInt(const AnsiString& s);
// Strict conversion: the whole trimmed text must be an integer, else throws EConvertError.
int StrToInt(const AnsiString& s);
int StrToIntDef(const AnsiString& s, int def);

// Replaces the first occurrence of what (no-op when absent).
AnsiString ReplaceFirst(const AnsiString& s, const AnsiString& what, const AnsiString& with);

// Encoding at the boundaries.
QString ToQString(const AnsiString& s);      // Windows-1252 -> QString (all 256 codes)
AnsiString FromQString(const QString& s);    // QString -> Windows-1252 ('?' when unmappable)
std::string AnsiToUtf8(const AnsiString& s);
AnsiString Utf8ToAnsi(const std::string& utf8);
// True when the bytes are valid UTF-8 holding at least one multi-byte character.
bool LooksLikeUtf8(const std::string& bytes);

// A list of texts, as the framework's string list: Text joins with CR LF;
// SetText splits on CR, LF or CR LF. IndexOf ignores case (Windows-1252 table).
class TStringList {
public:
    TStringList() = default;
    int Count() const { return static_cast<int>(items_.size()); }
    const AnsiString& operator[](int i) const { return items_.at(i); }
    AnsiString& operator[](int i) { return items_.at(i); }
    const AnsiString& Strings(int i) const { return items_.at(i); }
    int Add(const AnsiString& s);                  // respects Sorted
    void Insert(int i, const AnsiString& s);
    void Delete(int i);
    void Clear() { items_.clear(); }
    int IndexOf(const AnsiString& s) const;        // case-insensitive, -1 when absent
    bool Sorted() const { return sorted_; }
    void SetSorted(bool v);                        // sorting is case-insensitive
    AnsiString Text() const;                       // each item followed by CR LF
    void SetText(const AnsiString& text);
    // Reads a Windows-1252 file (or UTF-8 when it is valid multi-byte UTF-8);
    // throws EFileError when it cannot be read. Paths are the system's bytes (Files.h).
    void LoadFromFile(const std::string& path);
    // Writes Windows-1252 with CR LF atomically (temporary file then rename);
    // throws EFileError and leaves the previous file whole on failure.
    void SaveToFile(const std::string& path) const;
    const std::vector<AnsiString>& Items() const { return items_; }
private:
    std::vector<AnsiString> items_;
    bool sorted_ = false;
};

// Splits on CR, LF or CR LF (a final line break does not make an empty line).
std::vector<AnsiString> SplitLines(const AnsiString& text);
