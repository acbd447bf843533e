// Exercise texts: vowel substitution and the parse of the content envelope.
#include "player/ContentCodec.h"

#include <string_view>

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

bool IsBlankByte(char c) { return static_cast<unsigned char>(c) < 33; }

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
    // The text is walked with a position instead of being cut again after every field,
    // so that a long text parses in one pass.
    ParsedContent parsed;
    const char* const text = content.data();
    size_t at = 0, end = content.size();
    const auto skipBlanks = [&] {
        while (at < end && IsBlankByte(text[at])) ++at;
    };
    while (end > 0 && IsBlankByte(text[end - 1])) --end;
    skipBlanks();
    // From here on the last character before `end` is never a blank, so trimming the
    // end of what is left changes nothing.

    if (kind == ContentKind::QO && end - at > 3) {
        const std::string_view prefix(text + at, 3);
        if (prefix == "[0]" || prefix == "[1]") {
            parsed.qoKind = prefix == "[1]" ? "probleme" : "qo";
            at += 3;
            skipBlanks();
        }
    }

    // Once no closing mark follows a position, none follows any later one.
    bool closingLeft = true;
    while (end - at > 2 && text[at] == '/' && text[at + 1] == '#') {
        at += 2;
        // Field texts lose their leading blanks, except for the retyping kind.
        if (kind != ContentKind::QMT) skipBlanks();
        const size_t close = closingLeft ? content.find("#/", at) : std::string::npos;
        if (close == std::string::npos || close >= end) {
            // Without a closing mark the text is left as it is; the loop test then ends
            // the parse unless it starts with another "/#".
            closingLeft = false;
            continue;
        }
        size_t last = close;
        while (last > at && IsBlankByte(text[last - 1])) --last;
        parsed.fields.emplace_back(text + at, last - at);
        at = close + 2;
        skipBlanks();
    }
    parsed.written = static_cast<int>(parsed.fields.size());
    parsed.fields.resize(parsed.fields.size() + 30);
    return parsed;
}
