// The vowel substitution of exercise texts and the parse of the content envelope.
#include <set>
#include <tuple>

#include <gtest/gtest.h>

#include "player/ContentCodec.h"

namespace {

using Fields = std::vector<AnsiString>;

Fields Written(const AnsiString& content, ContentKind kind = ContentKind::Plain) {
    const ParsedContent p = ParseExerciseContent(content, kind);
    return {p.fields.begin(), p.fields.begin() + p.written};
}

}  // namespace

TEST(Scramble, PermutesOnlyTheSixLowerCaseVowelsAndRoundTrips) {
    const AnsiString vowels = "aeiouy";
    const AnsiString image = ScrambleContent(vowels);
    EXPECT_EQ(std::set<char>(image.begin(), image.end()), std::set<char>(vowels.begin(), vowels.end()));
    for (size_t i = 0; i < vowels.size(); ++i) EXPECT_NE(image[i], vowels[i]) << vowels[i] << " is left in clear";

    AnsiString all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    const AnsiString scrambled = ScrambleContent(all);
    ASSERT_EQ(scrambled.size(), all.size());
    EXPECT_EQ(UnscrambleContent(scrambled), all);
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(scrambled[c] != all[c], vowels.find(static_cast<char>(c)) != AnsiString::npos) << "byte " << c;

    // Twice scrambled needs twice unscrambled.
    const AnsiString once = ScrambleContent("/#Le chat mange une souris.#/");
    EXPECT_EQ(UnscrambleContent(ScrambleContent(once)), once);
    EXPECT_NE(ScrambleContent(once), once);
}

TEST(Parse, FieldsAreTrimmedAndThirtyEmptiesFollow) {
    for (ContentKind kind : {ContentKind::Plain, ContentKind::QO, ContentKind::QMT}) {
        const ParsedContent p = ParseExerciseContent(" \t\r\n ", kind);
        EXPECT_EQ(p.written, 0);
        EXPECT_EQ(p.fields, Fields(30, ""));
        EXPECT_EQ(p.qoKind, "qo");
    }
    const AnsiString text = "\r\n  /# Combien font 2 + 2 ?\t#/\r\n\t/#4#/  /#  deux mots  #/";
    const ParsedContent p = ParseExerciseContent(text);
    EXPECT_EQ(Written(text), (Fields{"Combien font 2 + 2 ?", "4", "deux mots"}));
    EXPECT_EQ(p.fields.size(), 33u);
    EXPECT_EQ(p.Field(3), "");
    EXPECT_EQ(p.Field(40), "");
    EXPECT_EQ(p.Field(-1), "");

    AnsiString forty;
    for (int i = 0; i < 40; ++i) forty += "/#" + std::to_string(i) + "#/";
    const ParsedContent many = ParseExerciseContent(forty);
    EXPECT_EQ(many.written, 40);
    EXPECT_EQ(many.fields.size(), 70u);
    EXPECT_EQ(many.Field(39), "39");
}

TEST(Parse, EnvelopeEdgeCasesAndTheKindRules) {
    constexpr ContentKind P = ContentKind::Plain, QO = ContentKind::QO, QMT = ContentKind::QMT;
    const std::vector<std::tuple<AnsiString, ContentKind, const char*, Fields>> cases = {
        {"/#s#/ /#7 x 8 = {...}\n9 x 6 = {...}#/", P, "qo", {"s", "7 x 8 = {...}\n9 x 6 = {...}"}},   // inner breaks stay
        {"/##/", P, "qo", {""}},
        {"/#  #/", P, "qo", {""}},
        {"/#a#/ /##/ /#b#/", P, "qo", {"a", "", "b"}},
        {"x /#a#/ /#b#/", P, "qo", {}},                  // text before the first field
        {"#/ /#a#/", P, "qo", {}},
        {"/#a#/ stray /#b#/ /#c#/", P, "qo", {"a"}},     // text between fields ends the parse
        {"/#first#/ /#second", P, "qo", {"first"}},      // an open last field gives no entry
        {"/#only", P, "qo", {}},
        {"  /#  ", P, "qo", {}},
        {"/#a/#b#/", P, "qo", {"a/#b"}},                 // a field may hold an opening mark
        {"/#a#/b#/", P, "qo", {"a"}},                    // and ends at the first closing mark
        // The QO prefix chooses the kind; other brackets, a prefix alone (three
        // characters) and other kinds have no prefix.
        {"[1]/#Probleme#/ /#a#/", QO, "probleme", {"Probleme", "a"}},
        {"\r\n [0] /#Question#/ /#12#/", QO, "qo", {"Question", "12"}},
        {"/#Question#/ /#12#/", QO, "qo", {"Question", "12"}},
        {"[1]/##/", QO, "probleme", {""}},
        {"[2]/#a#/", QO, "qo", {}},
        {"  [1]  ", QO, "qo", {}},
        {"[0]/#a#/", P, "qo", {}},
        {"[1]/#a#/", QMT, "qo", {}},
        // Retyping keeps the leading blanks of its fields.
        {"/#  Statement  #/\n/#   {mot} suite \t\r\n#/ /#\tx#/", QMT, "qo", {"  Statement", "   {mot} suite", "\tx"}},
        {"/#  Statement  #/\n/#   {mot} suite \t\r\n#/ /#\tx#/", P, "qo", {"Statement", "{mot} suite", "x"}},
        {"/#   #/", QMT, "qo", {""}},
    };
    for (const auto& [content, kind, qoKind, fields] : cases) {
        EXPECT_EQ(ParseExerciseContent(content, kind).qoKind, qoKind) << content;
        EXPECT_EQ(Written(content, kind), fields) << content;
    }
}
