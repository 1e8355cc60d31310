#include "platform/value/text.h"

#include "tests/value/error_number_of.h"

#include <gtest/gtest.h>

namespace usina {
namespace {

TEST(CharCounting, CountsCharactersNotBytes) {
    EXPECT_EQ(charCount(""), 0u);
    EXPECT_EQ(charCount("Traço"), 5u);
    EXPECT_EQ(charCount("ãéÇ€"), 4u);
    EXPECT_EQ(charCount("\xF0\x9F\x98\x80"), 1u);
    // Bytes that are no UTF-8 count one each, so nothing is lost when cutting them.
    EXPECT_EQ(charCount("a\xE7z"), 3u);
    EXPECT_EQ(charCount("\xE2\x82"), 2u);
    EXPECT_EQ(charCount("\xC0\x80"), 2u);
}

TEST(CharCounting, TellsWellFormedUtf8) {
    const struct {
        const char* text;
        bool wellFormed;
    } cases[] = {
        {"", true},          {"Traço €", true},       {"\xF0\x9F\x98\x80", true}, {"a\xE7z", false},
        {"\xE2\x82", false}, {"\xC0\x80", false},     {"\xED\xA0\x80", false},    {"\xF4\x90\x80\x80", false},
        {"\x80", false},     {"\xE2\x82\xACx", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(isWellFormedUtf8(c.text), c.wellFormed);
    }
}

TEST(CharCounting, CutsOnCharacterBoundaries) {
    const std::string text = "Média ção";
    EXPECT_EQ(leftChars(text, 2), "Mé");
    EXPECT_EQ(leftChars(text, 0), "");
    EXPECT_EQ(leftChars(text, 99), text);
    EXPECT_EQ(rightChars(text, 3), "ção");
    EXPECT_EQ(rightChars(text, 99), text);
    EXPECT_EQ(rightChars(text, 0), "");
    EXPECT_EQ(midChars(text, 1, 4), "édia");
    EXPECT_EQ(midChars(text, 6), "ção");
    EXPECT_EQ(midChars(text, 99, 2), "");
    EXPECT_EQ(byteOffsetOfChar(text, 2), 3u);
    EXPECT_EQ(byteOffsetOfChar(text, charCount(text)), text.size());
    EXPECT_EQ(byteOffsetOfChar(text, 99), text.size());
    EXPECT_EQ(leftChars("a\xE7z", 2), "a\xE7");
}

TEST(TrimBlanks, TrimsSpacesOnly) {
    EXPECT_EQ(trimBlanks("  4 "), "4");
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_EQ(trimBlanks(""), "");
    EXPECT_EQ(trimBlanks("\t4\t"), "\t4\t");
    EXPECT_EQ(trimBlanks(" a b "), "a b");
}

TEST(Windows1252, MapsTheWholePage) {
    const struct {
        char32_t codePoint;
        int code;
    } cases[] = {
        {U'A', 65},   {U'\0', 0},   {0x7F, 0x7F}, {U'ç', 231},  {U'ã', 227},  {U'Ç', 199},  {0xA0, 0xA0},
        {U'ÿ', 0xFF}, {U'€', 0x80}, {U'‚', 0x82}, {U'ƒ', 0x83}, {U'„', 0x84}, {U'…', 0x85}, {U'†', 0x86},
        {U'‡', 0x87}, {U'ˆ', 0x88}, {U'‰', 0x89}, {U'Š', 0x8A}, {U'‹', 0x8B}, {U'Œ', 0x8C}, {U'Ž', 0x8E},
        {U'‘', 0x91}, {U'’', 0x92}, {U'“', 0x93}, {U'”', 0x94}, {U'•', 0x95}, {U'–', 0x96}, {U'—', 0x97},
        {U'˜', 0x98}, {U'™', 0x99}, {U'š', 0x9A}, {U'›', 0x9B}, {U'œ', 0x9C}, {U'ž', 0x9E}, {U'Ÿ', 0x9F},
        {0x81, 0x81}, {0x8D, 0x8D}, {0x8F, 0x8F}, {0x90, 0x90}, {0x9D, 0x9D},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(windows1252FromCodePoint(c.codePoint), c.code);
        EXPECT_EQ(codePointFromWindows1252(c.code), c.codePoint);
    }
}

TEST(Windows1252, WhatThePageLacksBecomesAQuestionMark) {
    const char32_t lacking[] = {0x80, 0x9F, 0x100, 0x20AD, U'Ω', 0x1F600};
    for (const char32_t codePoint : lacking) {
        SCOPED_TRACE(static_cast<unsigned>(codePoint));
        EXPECT_EQ(windows1252FromCodePoint(codePoint), 63);
    }
    EXPECT_EQ(toWindows1252("Ω ok"), "? ok");
    EXPECT_EQ(toWindows1252("bad\xE7"), "bad?");
    EXPECT_EQ(errorNumberOf([] { codePointFromWindows1252(256); }), error_number::invalidProcedureCall);
    EXPECT_EQ(errorNumberOf([] { codePointFromWindows1252(-1); }), error_number::invalidProcedureCall);
}

TEST(Windows1252, WholeTextsBothWays) {
    const std::string text = "Traço € “ok” — 25°C";
    const std::string bytes = toWindows1252(text);
    EXPECT_EQ(bytes, "Tra\xE7o \x80 \x93ok\x94 \x97 25\xB0"
                     "C");
    EXPECT_EQ(fromWindows1252(bytes), text);
    EXPECT_EQ(charFromWindows1252(231), "ç");
    EXPECT_EQ(charFromWindows1252(13), "\r");
    EXPECT_EQ(charFromWindows1252(0x80), "€");
}

TEST(FoldCase, FoldsPortugueseLettersOnly) {
    EXPECT_EQ(foldCase("AÇÃO Ñ É Ø Þ"), "ação ñ é ø þ");
    EXPECT_EQ(foldCase("×"), "×");
    EXPECT_EQ(foldCase("ß ÿ Œ Ÿ"), "ß ÿ Œ Ÿ");
    EXPECT_EQ(foldCase("Silo 1 [x]_@"), "silo 1 [x]_@");
    EXPECT_EQ(foldCase("A\xC3Z"), "a\xC3z");
}

TEST(CompareFolded, OrdersFoldedBytes) {
    const struct {
        const char* a;
        const char* b;
        int expected;
    } cases[] = {
        {"CAP", "cap", 0},     {"Traço", "TRAÇO", 0}, {"abc", "abd", -1}, {"b", "A", 1},
        {"silo", "silo ", -1}, {"é", "z", 1},         {"", "", 0},        {"Á", "à", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " / " + c.b);
        EXPECT_EQ(compareFolded(c.a, c.b), c.expected);
    }
}

} // namespace
} // namespace usina
