// The vowel substitution of exercise texts and the parse of the content envelope.
#include <tuple>

#include <gtest/gtest.h>

#include "player/ContentCodec.h"

TEST(Scramble, PermutesOnlyTheSixLowerCaseVowelsAndRoundTrips) {
    const AnsiString vowels = "aeiouy";
    AnsiString all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    const AnsiString scrambled = ScrambleContent(all);
    ASSERT_EQ(scrambled.size(), all.size());
    EXPECT_EQ(UnscrambleContent(scrambled), all);
    for (int c = 0; c < 256; ++c) {
        const bool vowel = vowels.find(static_cast<char>(c)) != AnsiString::npos;
        // A vowel becomes another vowel; any other byte stays.
        EXPECT_EQ(scrambled[c] != all[c], vowel) << "byte " << c;
        EXPECT_EQ(vowels.find(scrambled[c]) != AnsiString::npos, vowel) << "byte " << c;
    }
    // Twice scrambled needs twice unscrambled.
    const AnsiString once = ScrambleContent("/#Le chat mange une souris.#/");
    EXPECT_NE(ScrambleContent(once), once);
    EXPECT_EQ(UnscrambleContent(ScrambleContent(once)), once);
}

TEST(Parse, EnvelopeEdgeCasesTheKindRulesAndThirtyEmptiesAfter) {
    using Fields = std::vector<AnsiString>;
    constexpr ContentKind P = ContentKind::Plain, QO = ContentKind::QO, QMT = ContentKind::QMT;
    AnsiString forty;
    Fields fortyFields;
    for (int i = 0; i < 40; ++i) {
        forty += "/#" + std::to_string(i) + "#/";
        fortyFields.push_back(std::to_string(i));
    }
    const std::vector<std::tuple<AnsiString, ContentKind, const char*, Fields>> cases = {
        {" \t\r\n ", QMT, "qo", {}},
        {"\r\n  /# Combien font 2 + 2 ?\t#/\r\n\t/#4#/  /#  deux mots  #/", P, "qo", {"Combien font 2 + 2 ?", "4", "deux mots"}},
        {"/#s#/ /#7 x 8 = {...}\n9 x 6 = {...}#/", P, "qo", {"s", "7 x 8 = {...}\n9 x 6 = {...}"}},   // inner breaks stay
        {"/##/", P, "qo", {""}},
        {"/#a#/ /##/ /#b#/", P, "qo", {"a", "", "b"}},
        {"x /#a#/ /#b#/", P, "qo", {}},                  // text before the first field
        {"/#a#/ stray /#b#/ /#c#/", P, "qo", {"a"}},     // text between fields ends the parse
        {"/#first#/ /#second", P, "qo", {"first"}},      // an open last field gives no entry
        {"/#a/#b#/", P, "qo", {"a/#b"}},                 // a field may hold an opening mark
        {"/#a#/b#/", P, "qo", {"a"}},                    // and ends at the first closing mark
        // The QO prefix chooses the kind; other brackets, a prefix alone (three
        // characters) and other kinds have no prefix.
        {"[1]/#Probleme#/ /#a#/", QO, "probleme", {"Probleme", "a"}},
        {"\r\n [0] /#Question#/ /#12#/", QO, "qo", {"Question", "12"}},
        {"/#Question#/ /#12#/", QO, "qo", {"Question", "12"}},
        {"[2]/#a#/", QO, "qo", {}},
        {"  [1]  ", QO, "qo", {}},
        {"[0]/#a#/", P, "qo", {}},
        {"[1]/#a#/", QMT, "qo", {}},
        // Retyping keeps the leading blanks of its fields.
        {"/#  Statement  #/\n/#   {mot} suite \t\r\n#/ /#\tx#/", QMT, "qo", {"  Statement", "   {mot} suite", "\tx"}},
        {"/#  Statement  #/\n/#   {mot} suite \t\r\n#/ /#\tx#/", P, "qo", {"Statement", "{mot} suite", "x"}},
        {forty, P, "qo", fortyFields},
    };
    for (auto [content, kind, qoKind, fields] : cases) {
        const ParsedContent p = ParseExerciseContent(content, kind);
        EXPECT_EQ(p.qoKind, qoKind) << content;
        EXPECT_EQ(p.written, static_cast<int>(fields.size())) << content;
        // The fields written, then thirty empty ones; any index past them reads empty.
        fields.resize(fields.size() + 30);
        EXPECT_EQ(p.fields, fields) << content;
        EXPECT_EQ(p.Field(-1) + p.Field(static_cast<int>(fields.size())), "") << content;
    }
}
