#pragma once
// Exercise texts: the fixed vowel substitution they are stored with, and the parse of
// the content envelope into a list of fields.
#include <vector>

#include "platform/Text.h"

// Applies the vowel substitution (a permutation of a, e, i, o, u, y); every other
// byte is kept, so the length never changes.
AnsiString ScrambleContent(const AnsiString& text);
// The inverse substitution.
AnsiString UnscrambleContent(const AnsiString& text);

enum class ContentKind { Plain, QO, QMT };

struct ParsedContent {
    // The parsed field texts followed by 30 empty strings (every index 0..29 reads).
    std::vector<AnsiString> fields;
    // QO only: "qo" or "probleme" (the kind prefix "[0]"/"[1]"); "qo" otherwise.
    AnsiString qoKind = "qo";
    // Number of fields actually written in the content.
    int written = 0;
    const AnsiString& Field(int i) const;   // "" past the end
};

// The parse shared by the eight show routines: fields written "/#" text "#/",
// trimmed (QMT keeps leading blanks), 30 empty strings appended.
ParsedContent ParseExerciseContent(const AnsiString& content, ContentKind kind = ContentKind::Plain);
