// Reading and writing the items of a connection string.
#include "ConnectionString.h"

AnsiString ConnectionStringItem(const AnsiString& cs, const AnsiString& key) {
    constexpr size_t npos = AnsiString::npos;
    size_t i = 0;
    while (i < cs.size()) {
        const size_t eq = cs.find('=', i);
        const size_t semi = cs.find(';', i);
        if (eq == npos) break;
        if (semi < eq) {   // an item without "="
            i = semi + 1;
            continue;
        }
        const AnsiString name = Trim(cs.substr(i, eq - i));
        size_t v = eq + 1;
        while (v < cs.size() && cs[v] == ' ') ++v;
        AnsiString value;
        size_t end;   // the ";" after the item, npos at the end
        if (v < cs.size() && (cs[v] == '"' || cs[v] == '\'')) {
            const char quote = cs[v];
            size_t p = v + 1;
            for (; p < cs.size(); ++p) {
                if (cs[p] != quote) {
                    value += cs[p];
                } else if (p + 1 < cs.size() && cs[p + 1] == quote) {
                    value += quote;   // a doubled quote stands for one
                    ++p;
                } else {
                    break;
                }
            }
            end = cs.find(';', p);
        } else {
            end = cs.find(';', v);
            value = Trim(cs.substr(v, end == npos ? npos : end - v));
        }
        if (SameText(name, key)) return value;
        if (end == npos) break;
        i = end + 1;
    }
    return "";
}

AnsiString QuoteConnectionValue(const AnsiString& value) {
    // The quote the value does not hold; with both, '"' doubled inside.
    const bool hasDouble = value.find('"') != AnsiString::npos;
    const bool hasSingle = value.find('\'') != AnsiString::npos;
    const char quote = hasDouble && !hasSingle ? '\'' : '"';
    AnsiString r(1, quote);
    for (char c : value) {
        r += c;
        if (c == quote) r += c;
    }
    r += quote;
    return r;
}
