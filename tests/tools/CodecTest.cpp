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

TEST(Parse, FieldsOfTheEnvelopeThenThirtyEmpties) {
    const std::vector<std::pair<AnsiString, Fields>> cases = {
        {" \t\r\n ", {}},
        {"\r\n  /# Combien font 2 + 2 ?\t#/\r\n\t/#4#/  /#  deux mots  #/", {"Combien font 2 + 2 ?", "4", "deux mots"}},
        {"/#s#/ /#7 x 8 = {...}\n9 x 6 = {...}#/", {"s", "7 x 8 = {...}\n9 x 6 = {...}"}},   // inner breaks stay
        {"/##/", {""}},
        {"/#  #/", {""}},
        {"/#a#/ /##/ /#b#/", {"a", "", "b"}},
        {"x /#a#/ /#b#/", {}},                  // text before the first field
        {"#/ /#a#/", {}},
        {"/#a#/ stray /#b#/ /#c#/", {"a"}},     // text between fields ends the parse
        {"/#first#/ /#second", {"first"}},      // an open last field gives no entry
        {"/#only", {}},
        {"/# /# /#a", {}},                      // openings that no mark closes
        {"  /#  ", {}},
        {"/#a/#b#/", {"a/#b"}},                 // a field may hold an opening mark
        {"/#a#/b#/", {"a"}},                    // and ends at the first closing mark
    };
    for (const auto& [content, fields] : cases) {
        const ParsedContent p = ParseExerciseContent(content);
        EXPECT_EQ(Written(content), fields) << content;
        EXPECT_EQ(p.fields.size(), fields.size() + 30) << content;
        EXPECT_EQ(p.Field(static_cast<int>(fields.size())), "");
        EXPECT_EQ(p.Field(40), "");
        EXPECT_EQ(p.Field(-1), "");
    }
    AnsiString forty;
    for (int i = 0; i < 40; ++i) forty += "/#" + std::to_string(i) + "#/";
    EXPECT_EQ(ParseExerciseContent(forty).Field(39), "39");
}

TEST(Parse, QoPrefixChoosesTheKindOnlyForQo) {
    const std::vector<std::tuple<AnsiString, ContentKind, const char*, Fields>> cases = {
        {"[1]/#Probleme#/ /#a#/", ContentKind::QO, "probleme", {"Probleme", "a"}},
        {"\r\n [0] /#Question#/ /#12#/", ContentKind::QO, "qo", {"Question", "12"}},
        {"/#Question#/ /#12#/", ContentKind::QO, "qo", {"Question", "12"}},
        {"[1]/##/", ContentKind::QO, "probleme", {""}},
        // Other brackets, a prefix alone (three characters) and other kinds: no prefix.
        {"[2]/#a#/", ContentKind::QO, "qo", {}},
        {"  [1]  ", ContentKind::QO, "qo", {}},
        {"[0]/#a#/", ContentKind::Plain, "qo", {}},
        {"[1]/#a#/", ContentKind::QMT, "qo", {}},
    };
    for (const auto& [content, kind, qoKind, fields] : cases) {
        EXPECT_EQ(ParseExerciseContent(content, kind).qoKind, qoKind) << content;
        EXPECT_EQ(Written(content, kind), fields) << content;
    }
}

TEST(Parse, RetypingKindKeepsLeadingBlanks) {
    const AnsiString content = "/#  Statement  #/\n/#   {mot} suite \t\r\n#/ /#\tx#/";
    EXPECT_EQ(Written(content, ContentKind::QMT), (Fields{"  Statement", "   {mot} suite", "\tx"}));
    EXPECT_EQ(Written(content), (Fields{"Statement", "{mot} suite", "x"}));
    EXPECT_EQ(Written("/#   #/", ContentKind::QMT), (Fields{""}));
}
