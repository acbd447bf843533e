// Exercise texts: vowel substitution and the parse of the content envelope.
#include "player/ContentCodec.h"

namespace {

// The substitution the exercise database is written with:
// a->o, e->u, i->y, o->e, u->a, y->i.
char ScrambleChar(char c) {
    switch (c) {
    case 'a': return 'o';
    case 'e': return 'u';
    case 'i': return 'y';
    case 'o': return 'e';
    case 'u': return 'a';
    case 'y': return 'i';
    default: return c;
    }
}

char UnscrambleChar(char c) {
    switch (c) {
    case 'o': return 'a';
    case 'u': return 'e';
    case 'y': return 'i';
    case 'e': return 'o';
    case 'a': return 'u';
    case 'i': return 'y';
    default: return c;
    }
}

// Field ends: both ends trimmed, or only the end for the retyping kind.
AnsiString TrimField(const AnsiString& s, ContentKind kind) {
    return kind == ContentKind::QMT ? TrimRight(s) : Trim(s);
}

}  // namespace

AnsiString ScrambleContent(const AnsiString& text) {
    AnsiString r = text;
    for (char& c : r) c = ScrambleChar(c);
    return r;
}

AnsiString UnscrambleContent(const AnsiString& text) {
    AnsiString r = text;
    for (char& c : r) c = UnscrambleChar(c);
    return r;
}

const AnsiString& ParsedContent::Field(int i) const {
    static const AnsiString empty;
    if (i < 0 || i >= static_cast<int>(fields.size())) return empty;
    return fields[static_cast<size_t>(i)];
}

ParsedContent ParseExerciseContent(const AnsiString& content, ContentKind kind) {
    ParsedContent parsed;
    AnsiString s = Trim(content);

    if (kind == ContentKind::QO && s.size() > 3) {
        const AnsiString prefix = SubString(s, 1, 3);
        if (prefix == "[0]") {
            parsed.qoKind = "qo";
            s = Trim(SubStringFrom(s, 4));
        } else if (prefix == "[1]") {
            parsed.qoKind = "probleme";
            s = Trim(SubStringFrom(s, 4));
        }
    }

    while (s.size() > 2 && s[0] == '/' && s[1] == '#') {
        s = TrimField(SubStringFrom(s, 3), kind);
        const int p = Pos("#/", s);
        if (p > 0) {
            parsed.fields.push_back(TrimField(SubString(s, 1, p - 1), kind));
            s = Trim(SubStringFrom(s, p + 2));
        }
        // Without a closing mark the text is left as it is; the loop test then ends
        // the parse unless it starts with another "/#".
    }
    parsed.written = static_cast<int>(parsed.fields.size());
    parsed.fields.resize(parsed.fields.size() + 30);
    return parsed;
}
