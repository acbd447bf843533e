// Windows-1252 text: positions, blanks, case, numbers, encodings and string lists.
#include "Text.h"

#include <algorithm>
#include <climits>
#include <cstdio>

#include <QString>

#include "Errors.h"
#include "Files.h"

namespace {

inline unsigned char U(char c) { return static_cast<unsigned char>(c); }

// Code points of 0x80..0x9F; the five unassigned codes keep their own value so that
// every byte survives a round trip.
const char16_t kHighTable[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t ToCodePoint(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) return kHighTable[b - 0x80];
    return b;
}

// The Windows-1252 byte of a code point; -1 when it has none.
int FromCodePoint(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHighTable[i] == cp) return 0x80 + i;
    return -1;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at i (strict: no overlong forms, no surrogates);
// returns its length, or 0 when the bytes there are not valid UTF-8.
int DecodeUtf8(const std::string& s, size_t i, char32_t& cp) {
    unsigned char b = U(s[i]);
    int len;
    char32_t min;
    if (b < 0x80) { cp = b; return 1; }
    if (b >= 0xC2 && b <= 0xDF) { len = 2; cp = b & 0x1F; min = 0x80; }
    else if (b >= 0xE0 && b <= 0xEF) { len = 3; cp = b & 0x0F; min = 0x800; }
    else if (b >= 0xF0 && b <= 0xF4) { len = 4; cp = b & 0x07; min = 0x10000; }
    else return 0;
    if (i + len > s.size()) return 0;
    for (int k = 1; k < len; ++k) {
        unsigned char c = U(s[i + k]);
        if ((c & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

bool IsBlank(char c) { return U(c) < 33; }

// Upper-case letters with accents folded away, for ordering texts as a reader expects.
void AppendFolded(std::string& out, char c) {
    unsigned char u = U(AnsiUpperChar(c));
    switch (u) {
    case 0xC0: case 0xC1: case 0xC2: case 0xC3: case 0xC4: case 0xC5: out += 'A'; return;
    case 0xC6: out += "AE"; return;
    case 0xC7: out += 'C'; return;
    case 0xC8: case 0xC9: case 0xCA: case 0xCB: out += 'E'; return;
    case 0xCC: case 0xCD: case 0xCE: case 0xCF: out += 'I'; return;
    case 0xD0: out += 'D'; return;
    case 0xD1: out += 'N'; return;
    case 0xD2: case 0xD3: case 0xD4: case 0xD5: case 0xD6: case 0xD8: out += 'O'; return;
    case 0xD9: case 0xDA: case 0xDB: case 0xDC: out += 'U'; return;
    case 0xDD: case 0x9F: out += 'Y'; return;
    case 0x8A: out += 'S'; return;
    case 0x8E: out += 'Z'; return;
    case 0x8C: out += "OE"; return;
    case 0xDF: out += "SS"; return;
    default: out += static_cast<char>(u);
    }
}

int CompareBytes(const std::string& a, const std::string& b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i)
        if (a[i] != b[i]) return U(a[i]) < U(b[i]) ? -1 : 1;
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace

int Pos(const AnsiString& sub, const AnsiString& s) {
    if (sub.empty()) return 0;
    size_t p = s.find(sub);
    return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
}

AnsiString SubString(const AnsiString& s, int start, int count) {
    if (start < 1) start = 1;
    const int len = static_cast<int>(s.size());
    if (count <= 0 || start > len) return AnsiString();
    if (count > len - start + 1) count = len - start + 1;
    return s.substr(static_cast<size_t>(start - 1), static_cast<size_t>(count));
}

AnsiString SubStringFrom(const AnsiString& s, int start) {
    if (start < 1) start = 1;
    if (start > static_cast<int>(s.size())) return AnsiString();
    return s.substr(static_cast<size_t>(start - 1));
}

AnsiString Trim(const AnsiString& s) { return TrimLeft(TrimRight(s)); }

AnsiString TrimLeft(const AnsiString& s) {
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    return s.substr(i);
}

AnsiString TrimRight(const AnsiString& s) {
    size_t n = s.size();
    while (n > 0 && IsBlank(s[n - 1])) --n;
    return s.substr(0, n);
}

char AnsiUpperChar(char c) {
    unsigned char u = U(c);
    if (u >= 'a' && u <= 'z') return static_cast<char>(u - 32);
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7) return static_cast<char>(u - 32);
    switch (u) {
    case 0x9A: return static_cast<char>(0x8A);  // š
    case 0x9C: return static_cast<char>(0x8C);  // œ
    case 0x9E: return static_cast<char>(0x8E);  // ž
    case 0xFF: return static_cast<char>(0x9F);  // ÿ
    default: return c;
    }
}

char AnsiLowerChar(char c) {
    unsigned char u = U(c);
    if (u >= 'A' && u <= 'Z') return static_cast<char>(u + 32);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7) return static_cast<char>(u + 32);
    switch (u) {
    case 0x8A: return static_cast<char>(0x9A);
    case 0x8C: return static_cast<char>(0x9C);
    case 0x8E: return static_cast<char>(0x9E);
    case 0x9F: return static_cast<char>(0xFF);
    default: return c;
    }
}

AnsiString AnsiUpperCase(const AnsiString& s) {
    AnsiString r(s);
    for (char& c : r) c = AnsiUpperChar(c);
    return r;
}

AnsiString AnsiLowerCase(const AnsiString& s) {
    AnsiString r(s);
    for (char& c : r) c = AnsiLowerChar(c);
    return r;
}

int AnsiCompareText(const AnsiString& a, const AnsiString& b) {
    // Accents first count as their letter ("Élodie" next to "Elodie"), then the
    // upper-cased bytes break the tie, so 0 means equal regardless of case.
    std::string fa, fb;
    for (char c : a) AppendFolded(fa, c);
    for (char c : b) AppendFolded(fb, c);
    int r = CompareBytes(fa, fb);
    if (r != 0) return r;
    return CompareBytes(AnsiUpperCase(a), AnsiUpperCase(b));
}

bool SameText(const AnsiString& a, const AnsiString& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AnsiUpperChar(a[i]) != AnsiUpperChar(b[i])) return false;
    return true;
}

AnsiString IntToStr(long long v) { return std::to_string(v); }

int LeadingInt(const AnsiString& s) {
    size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    long long v = 0;
    bool any = false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        any = true;
        if (v <= static_cast<long long>(INT_MAX) + 1) v = v * 10 + (s[i] - '0');
        ++i;
    }
    if (!any) return 0;
    if (negative) v = -v;
    if (v > INT_MAX) return INT_MAX;
    if (v < INT_MIN) return INT_MIN;
    return static_cast<int>(v);
}

int StrToInt(const AnsiString& s) {
    const AnsiString t = Trim(s);
    size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) negative = t[i++] == '-';
    long long v = 0;
    bool ok = i < t.size();
    for (; ok && i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') { ok = false; break; }
        v = v * 10 + (t[i] - '0');
        if (v > static_cast<long long>(INT_MAX) + 1) ok = false;
    }
    if (ok) {
        if (negative) v = -v;
        if (v >= INT_MIN && v <= INT_MAX) return static_cast<int>(v);
    }
    throw EConvertError("'" + s + "' is not a valid integer value");
}

int StrToIntDef(const AnsiString& s, int def) {
    try {
        return StrToInt(s);
    } catch (const EConvertError&) {
        return def;
    }
}

AnsiString ReplaceFirst(const AnsiString& s, const AnsiString& what, const AnsiString& with) {
    if (what.empty()) return s;
    size_t p = s.find(what);
    if (p == std::string::npos) return s;
    AnsiString r(s);
    r.replace(p, what.size(), with);
    return r;
}

QString ToQString(const AnsiString& s) {
    QString r;
    r.reserve(static_cast<qsizetype>(s.size()));
    for (char c : s) r.append(QChar(static_cast<char16_t>(ToCodePoint(U(c)))));
    return r;
}

AnsiString FromQString(const QString& s) {
    AnsiString r;
    r.reserve(static_cast<size_t>(s.size()));
    for (qsizetype i = 0; i < s.size(); ++i) {
        char32_t cp = s.at(i).unicode();
        if (QChar::isHighSurrogate(cp) && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(static_cast<char16_t>(cp), s.at(i + 1).unicode());
            ++i;
        }
        int b = FromCodePoint(cp);
        r += b < 0 ? '?' : static_cast<char>(b);
    }
    return r;
}

std::string AnsiToUtf8(const AnsiString& s) {
    std::string r;
    r.reserve(s.size() + s.size() / 4);
    for (char c : s) AppendUtf8(r, ToCodePoint(U(c)));
    return r;
}

AnsiString Utf8ToAnsi(const std::string& utf8) {
    AnsiString r;
    r.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        char32_t cp;
        int len = DecodeUtf8(utf8, i, cp);
        if (len == 0) {
            // Not UTF-8 here: the byte is taken as it is.
            r += utf8[i++];
            continue;
        }
        int b = FromCodePoint(cp);
        r += b < 0 ? '?' : static_cast<char>(b);
        i += static_cast<size_t>(len);
    }
    return r;
}

bool LooksLikeUtf8(const std::string& bytes) {
    bool multi = false;
    for (size_t i = 0; i < bytes.size();) {
        char32_t cp;
        int len = DecodeUtf8(bytes, i, cp);
        if (len == 0) return false;
        if (len > 1) multi = true;
        i += static_cast<size_t>(len);
    }
    return multi;
}

std::vector<AnsiString> SplitLines(const AnsiString& text) {
    std::vector<AnsiString> lines;
    size_t start = 0, i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(text.substr(start, i - start));
            ++i;
            if (c == '\r' && i < text.size() && text[i] == '\n') ++i;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

namespace {
bool TextLess(const AnsiString& a, const AnsiString& b) { return AnsiCompareText(a, b) < 0; }
}  // namespace

int TStringList::Add(const AnsiString& s) {
    if (!sorted_) {
        items_.push_back(s);
        return Count() - 1;
    }
    auto it = std::upper_bound(items_.begin(), items_.end(), s, TextLess);
    it = items_.insert(it, s);
    return static_cast<int>(it - items_.begin());
}

void TStringList::Insert(int i, const AnsiString& s) {
    // A sorted list keeps its order: the text goes to its place.
    if (sorted_) {
        Add(s);
        return;
    }
    if (i < 0 || i > Count()) throw Exception("List index out of bounds (" + IntToStr(i) + ")");
    items_.insert(items_.begin() + i, s);
}

void TStringList::Delete(int i) {
    if (i < 0 || i >= Count()) throw Exception("List index out of bounds (" + IntToStr(i) + ")");
    items_.erase(items_.begin() + i);
}

int TStringList::IndexOf(const AnsiString& s) const {
    for (int i = 0; i < Count(); ++i)
        if (SameText(items_[static_cast<size_t>(i)], s)) return i;
    return -1;
}

void TStringList::SetSorted(bool v) {
    if (v && !sorted_) std::stable_sort(items_.begin(), items_.end(), TextLess);
    sorted_ = v;
}

AnsiString TStringList::Text() const {
    AnsiString r;
    for (const auto& s : items_) {
        r += s;
        r += "\r\n";
    }
    return r;
}

void TStringList::SetText(const AnsiString& text) {
    items_ = SplitLines(text);
    if (sorted_) std::stable_sort(items_.begin(), items_.end(), TextLess);
}

void TStringList::LoadFromFile(const std::string& path) {
    std::string bytes = ReadFileBytes(path);
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        bytes.erase(0, 3);
        bytes = Utf8ToAnsi(bytes);
    } else if (LooksLikeUtf8(bytes)) {
        bytes = Utf8ToAnsi(bytes);
    }
    SetText(bytes);
}

void TStringList::SaveToFile(const std::string& path) const { WriteFileAtomic(path, Text()); }
