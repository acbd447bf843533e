// SQLite statements, column values and the SQL text of the data layer: the Jet
// dialect rewritten, and what the datasets need to know of a SELECT.
#include "AdoSql.h"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace {

bool IsWordByte(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return u >= 0x80 || std::isalnum(u) || c == '_' || c == '$';
}

// Tokens of SQLite SQL text: words, quoted names and literals, single punctuation.
struct Token {
    enum Kind { Word, Name, Literal, Punct } kind;
    AnsiString text;  // a Name without its quotes
};

std::vector<Token> Tokenize(const AnsiString& sql) {
    std::vector<Token> tokens;
    size_t i = 0, n = sql.size();
    while (i < n) {
        char c = sql[i];
        if (static_cast<unsigned char>(c) <= ' ') {
            ++i;
        } else if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
            while (i < n && sql[i] != '\n') ++i;
        } else if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
            size_t end = sql.find("*/", i + 2);
            i = end == std::string::npos ? n : end + 2;
        } else if (c == '\'' || c == '"' || c == '`' || c == '[') {
            char close = c == '[' ? ']' : c;
            AnsiString text;
            ++i;
            while (i < n) {
                if (sql[i] == close) {
                    if (close != ']' && i + 1 < n && sql[i + 1] == close) {
                        text += close;
                        i += 2;
                        continue;
                    }
                    break;
                }
                text += sql[i++];
            }
            ++i;
            tokens.push_back({c == '\'' ? Token::Literal : Token::Name, text});
        } else if (IsWordByte(c)) {
            size_t start = i;
            while (i < n && IsWordByte(sql[i])) ++i;
            tokens.push_back({Token::Word, sql.substr(start, i - start)});
        } else {
            tokens.push_back({Token::Punct, AnsiString(1, c)});
            ++i;
        }
    }
    return tokens;
}

bool IsWord(const Token& t, const char* word) { return t.kind == Token::Word && SameText(t.text, word); }

}  // namespace

namespace adosql {

[[noreturn]] void Fail(sqlite3* db, const AnsiString& context) {
    AnsiString message = db ? Utf8ToAnsi(sqlite3_errmsg(db)) : AnsiString("out of memory");
    throw EDatabaseError(context.empty() ? message : context + ": " + message);
}

Variant ColumnValue(sqlite3_stmt* stmt, int i) {
    switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_NULL:
        return Variant();
    case SQLITE_INTEGER:
        return Variant(static_cast<long long>(sqlite3_column_int64(stmt, i)));
    case SQLITE_FLOAT: {
        double d = sqlite3_column_double(stmt, i);
        if (std::floor(d) == d && std::fabs(d) < 9.0e18) return Variant(static_cast<long long>(d));
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.15g", d);
        AnsiString text(buf);
        for (char& c : text)
            if (c == '.') c = ',';  // French decimal comma
        return Variant(text);
    }
    case SQLITE_BLOB: {
        const void* p = sqlite3_column_blob(stmt, i);
        int n = sqlite3_column_bytes(stmt, i);
        return Variant(AnsiString(static_cast<const char*>(p ? p : ""), static_cast<size_t>(n)));
    }
    default: {
        const char* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
        int n = sqlite3_column_bytes(stmt, i);
        return Variant(Utf8ToAnsi(p ? std::string(p, static_cast<size_t>(n)) : std::string()));
    }
    }
}

AnsiString QuoteIdentifier(const AnsiString& name) {
    AnsiString r = "\"";
    for (char c : name) {
        r += c;
        if (c == '"') r += '"';
    }
    return r + "\"";
}

AnsiString SimpleSelectTable(const AnsiString& sqliteSql) {
    static const char* const kRefused[] = {"DISTINCT", "GROUP", "HAVING", "UNION", "INTERSECT",
                                           "EXCEPT", "JOIN", "WINDOW", "OVER", "VALUES"};
    static const char* const kAggregates[] = {"COUNT", "SUM", "MIN", "MAX", "AVG", "TOTAL",
                                              "GROUP_CONCAT", "STRING_AGG"};
    std::vector<Token> t = Tokenize(sqliteSql);
    if (t.empty() || !IsWord(t[0], "SELECT")) return "";
    int depth = 0;
    size_t from = 0;
    for (size_t i = 1; i < t.size(); ++i) {
        if (t[i].kind == Token::Punct) {
            if (t[i].text == "(") ++depth;
            else if (t[i].text == ")") --depth;
            else if (t[i].text == ";" && i + 1 < t.size()) return "";
            continue;
        }
        if (depth != 0) continue;
        for (const char* w : kRefused)
            if (IsWord(t[i], w)) return "";
        if (from == 0 && i + 1 < t.size() && t[i + 1].kind == Token::Punct && t[i + 1].text == "(")
            for (const char* w : kAggregates)
                if (IsWord(t[i], w)) return "";
        if (from == 0 && IsWord(t[i], "FROM")) from = i;
    }
    if (from == 0 || from + 1 >= t.size()) return "";
    const Token& table = t[from + 1];
    if (table.kind != Token::Word && table.kind != Token::Name) return "";
    // After the table: an optional alias, then the end or a clause.
    size_t k = from + 2;
    if (k < t.size() && IsWord(t[k], "AS")) k += 2;
    else if (k < t.size() && t[k].kind != Token::Punct && !IsWord(t[k], "WHERE") &&
             !IsWord(t[k], "ORDER") && !IsWord(t[k], "LIMIT"))
        ++k;
    if (k < t.size()) {
        const Token& next = t[k];
        bool ok = IsWord(next, "WHERE") || IsWord(next, "ORDER") || IsWord(next, "LIMIT") ||
                  (next.kind == Token::Punct && next.text == ";");
        if (!ok) return "";
    }
    return table.text;
}

AnsiString WithRowid(const AnsiString& sqliteSql) {
    size_t p = 0;
    while (p < sqliteSql.size() && static_cast<unsigned char>(sqliteSql[p]) <= ' ') ++p;
    p += 6;  // SELECT
    return sqliteSql.substr(0, p) + " rowid AS " + kRowidColumn + "," + sqliteSql.substr(p);
}

}  // namespace adosql

// ---- Jet SQL ----

AnsiString JetToSqlite(const AnsiString& sql) {
    AnsiString out;
    out.reserve(sql.size() + 8);
    size_t i = 0, n = sql.size();
    while (i < n) {
        char c = sql[i];
        if (c == '"') {
            // A Jet string literal.
            out += '\'';
            ++i;
            while (i < n) {
                if (sql[i] == '"') {
                    if (i + 1 < n && sql[i + 1] == '"') {
                        out += '"';
                        i += 2;
                        continue;
                    }
                    break;
                }
                if (sql[i] == '\'') out += '\'';
                out += sql[i++];
            }
            if (i < n) {
                out += '\'';
                ++i;
            }
        } else if (c == '\'' || c == '[' || c == '`') {
            // Passed through whole: single-quoted literals and bracketed names.
            char close = c == '[' ? ']' : c;
            out += sql[i++];
            while (i < n) {
                out += sql[i];
                if (sql[i] == close) {
                    if (close != ']' && i + 1 < n && sql[i + 1] == close) {
                        out += sql[i + 1];
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
        } else if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
            while (i < n && sql[i] != '\n') out += sql[i++];
        } else if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
            size_t end = sql.find("*/", i + 2);
            end = end == std::string::npos ? n : end + 2;
            out += sql.substr(i, end - i);
            i = end;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

