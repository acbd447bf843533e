// The vowel substitution of exercise texts and the parse of the content envelope.
#include <set>

#include <gtest/gtest.h>

#include "player/ContentCodec.h"

namespace {

std::vector<AnsiString> Written(const ParsedContent& p) {
    return {p.fields.begin(), p.fields.begin() + p.written};
}

using Fields = std::vector<AnsiString>;

}  // namespace

// --- Scrambling ----------------------------------------------------------------------

TEST(Scramble, IsAPermutationOfTheSixVowelsWithoutFixedLetter) {
    const AnsiString vowels = "aeiouy";
    const AnsiString image = ScrambleContent(vowels);
    EXPECT_EQ(std::set<char>(image.begin(), image.end()), std::set<char>(vowels.begin(), vowels.end()));
    for (size_t i = 0; i < vowels.size(); ++i) EXPECT_NE(image[i], vowels[i]) << vowels[i] << " is left in clear";
    EXPECT_EQ(UnscrambleContent(image), vowels);
}

TEST(Scramble, EveryByteRoundTripsAndLengthIsKept) {
    AnsiString all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    const AnsiString scrambled = ScrambleContent(all);
    EXPECT_EQ(scrambled.size(), all.size());
    EXPECT_EQ(UnscrambleContent(scrambled), all);
    EXPECT_EQ(ScrambleContent(UnscrambleContent(all)), all);
    // Only the six lower-case vowels move.
    for (int c = 0; c < 256; ++c) {
        const bool vowel = AnsiString("aeiouy").find(static_cast<char>(c)) != AnsiString::npos;
        EXPECT_EQ(scrambled[c] != all[c], vowel) << "byte " << c;
    }
}

TEST(Scramble, LeavesUpperCaseAccentsDigitsAndMarkersAlone) {
    const AnsiString kept = Utf8ToAnsi("AEIOUY ÉÈÀÔÛ éèàùâêîôûÿœ 0123456789 /# #/ [0] [1] {...} ,;:!?\t\r\n");
    EXPECT_EQ(ScrambleContent(kept), kept);
    EXPECT_EQ(UnscrambleContent(kept), kept);
    EXPECT_EQ(ScrambleContent(""), "");
}

TEST(Scramble, ChangesOrdinaryWordsAndTwiceIsNotOnce) {
    const AnsiString text = Utf8ToAnsi("/#Le chat mange une souris.#/");
    const AnsiString once = ScrambleContent(text);
    EXPECT_NE(once, text);
    EXPECT_EQ(once.substr(0, 2), "/#");
    EXPECT_EQ(once.substr(once.size() - 2), "#/");
    const AnsiString twice = ScrambleContent(once);
    EXPECT_NE(twice, once);
    EXPECT_EQ(UnscrambleContent(twice), once);   // a second scramble needs a second unscramble
}

TEST(Scramble, EnvelopeReadsTheSameScrambledOrNot) {
    const AnsiString content = "[1] /#Un probleme#/ /#prix#/ /##/ /#quatre#/";
    const ParsedContent clear = ParseExerciseContent(content, ContentKind::QO);
    const ParsedContent scrambled = ParseExerciseContent(ScrambleContent(content), ContentKind::QO);
    EXPECT_EQ(scrambled.written, clear.written);
    EXPECT_EQ(scrambled.qoKind, "probleme");
    for (int i = 0; i < clear.written; ++i) EXPECT_EQ(UnscrambleContent(scrambled.Field(i)), clear.Field(i));
}

// --- Parse ------------------------------------------------------------------------------

TEST(Parse, EmptyContentGivesOnlyEmptyFields) {
    for (ContentKind kind : {ContentKind::Plain, ContentKind::QO, ContentKind::QMT}) {
        const ParsedContent p = ParseExerciseContent("", kind);
        EXPECT_EQ(p.written, 0);
        ASSERT_EQ(p.fields.size(), 30u);
        for (int i = 0; i < 30; ++i) EXPECT_EQ(p.Field(i), "");
        EXPECT_EQ(p.qoKind, "qo");
    }
    EXPECT_EQ(ParseExerciseContent(" \t\r\n ").written, 0);
}

TEST(Parse, FieldsAreTrimmedAndThirtyEmptiesFollow) {
    const ParsedContent p = ParseExerciseContent("\r\n  /# Combien font 2 + 2 ?\t#/\r\n\t/#4#/  /#  deux mots  #/");
    EXPECT_EQ(Written(p), (Fields{"Combien font 2 + 2 ?", "4", "deux mots"}));
    ASSERT_EQ(p.fields.size(), 33u);
    for (size_t i = 3; i < p.fields.size(); ++i) EXPECT_EQ(p.fields[i], "");
    EXPECT_EQ(p.Field(40), "");
    EXPECT_EQ(p.Field(-1), "");
}

TEST(Parse, InnerLineBreaksAndBlanksStay) {
    const ParsedContent p = ParseExerciseContent("/#s#/ /#7 x 8 = {...}\n9 x 6 = {...}#/");
    EXPECT_EQ(p.Field(1), "7 x 8 = {...}\n9 x 6 = {...}");
}

TEST(Parse, EmptyFieldsAreEntries) {
    EXPECT_EQ(Written(ParseExerciseContent("/##/")), (Fields{""}));
    EXPECT_EQ(Written(ParseExerciseContent("/#  #/")), (Fields{""}));
    EXPECT_EQ(Written(ParseExerciseContent("/#a#/ /##/ /#b#/")), (Fields{"a", "", "b"}));
}

TEST(Parse, TextBeforeTheFirstFieldGivesNoField) {
    EXPECT_EQ(ParseExerciseContent("x /#a#/ /#b#/").written, 0);
    EXPECT_EQ(ParseExerciseContent("#/ /#a#/").written, 0);
}

TEST(Parse, TextBetweenFieldsEndsTheParse) {
    EXPECT_EQ(Written(ParseExerciseContent("/#a#/ stray /#b#/ /#c#/")), (Fields{"a"}));
}

TEST(Parse, OpenLastFieldGivesNoEntryAndEndsTheParse) {
    EXPECT_EQ(Written(ParseExerciseContent("/#first#/ /#second")), (Fields{"first"}));
    EXPECT_EQ(ParseExerciseContent("/#only").written, 0);
    EXPECT_EQ(ParseExerciseContent("/#").written, 0);
    EXPECT_EQ(ParseExerciseContent("  /#  ").written, 0);
}

TEST(Parse, FieldMayHoldAnOpeningMark) {
    EXPECT_EQ(Written(ParseExerciseContent("/#a/#b#/")), (Fields{"a/#b"}));
    EXPECT_EQ(Written(ParseExerciseContent("/#/#x#/")), (Fields{"/#x"}));
    // A field ends at the first closing mark.
    EXPECT_EQ(Written(ParseExerciseContent("/#a#/b#/")), (Fields{"a"}));
}

TEST(Parse, QoPrefixChoosesTheKind) {
    ParsedContent p = ParseExerciseContent("[1]/#Probleme#/ /#a#/", ContentKind::QO);
    EXPECT_EQ(p.qoKind, "probleme");
    EXPECT_EQ(Written(p), (Fields{"Probleme", "a"}));

    p = ParseExerciseContent("\r\n [0] /#Question#/ /#12#/", ContentKind::QO);
    EXPECT_EQ(p.qoKind, "qo");
    EXPECT_EQ(Written(p), (Fields{"Question", "12"}));

    p = ParseExerciseContent("/#Question#/ /#12#/", ContentKind::QO);
    EXPECT_EQ(p.qoKind, "qo");
    EXPECT_EQ(p.written, 2);
}

TEST(Parse, OtherBracketsAreNoPrefix) {
    ParsedContent p = ParseExerciseContent("[2]/#a#/", ContentKind::QO);
    EXPECT_EQ(p.qoKind, "qo");
    EXPECT_EQ(p.written, 0);
    // Recognised only when the trimmed text is longer than three characters.
    p = ParseExerciseContent("  [1]  ", ContentKind::QO);
    EXPECT_EQ(p.qoKind, "qo");
    EXPECT_EQ(p.written, 0);
    p = ParseExerciseContent("[1]/##/", ContentKind::QO);
    EXPECT_EQ(p.qoKind, "probleme");
    EXPECT_EQ(Written(p), (Fields{""}));
}

TEST(Parse, PrefixIsNotRemovedForOtherKinds) {
    EXPECT_EQ(ParseExerciseContent("[0]/#a#/").written, 0);
    EXPECT_EQ(ParseExerciseContent("[1]/#a#/", ContentKind::QMT).written, 0);
    EXPECT_EQ(ParseExerciseContent("[1]/#a#/").qoKind, "qo");
}

TEST(Parse, RetypingKindKeepsLeadingBlanks) {
    const ParsedContent qmt = ParseExerciseContent("/#  Statement  #/\n/#   {mot} suite \t\r\n#/ /#\tx#/", ContentKind::QMT);
    EXPECT_EQ(Written(qmt), (Fields{"  Statement", "   {mot} suite", "\tx"}));
    const ParsedContent plain = ParseExerciseContent("/#  Statement  #/\n/#   {mot} suite \t\r\n#/", ContentKind::Plain);
    EXPECT_EQ(Written(plain), (Fields{"Statement", "{mot} suite"}));
    EXPECT_EQ(Written(ParseExerciseContent("/#   #/", ContentKind::QMT)), (Fields{""}));
}

TEST(Parse, ExtraFieldsAreKeptInOrder) {
    AnsiString content;
    for (int i = 0; i < 40; ++i) content += "/#" + std::to_string(i) + "#/";
    const ParsedContent p = ParseExerciseContent(content);
    EXPECT_EQ(p.written, 40);
    EXPECT_EQ(p.fields.size(), 70u);
    EXPECT_EQ(p.Field(24), "24");
    EXPECT_EQ(p.Field(39), "39");
}
