// UTF-8 helpers: Czech and Slovak upper case, widths in code points, validity.

#include "common/Text.h"

#include <gtest/gtest.h>

#include <string>

namespace lomvira {
namespace {

TEST(Text, VelkaPismenaCeskaASlovenska)
{
    EXPECT_EQ(VelkaPismena("ěščřžýáíéúůďťňóľĺŕô"), "ĚŠČŘŽÝÁÍÉÚŮĎŤŇÓĽĹŔÔ");
    EXPECT_EQ(VelkaPismena("ĚŠČ abc xyz 019 !#,.;()~"), "ĚŠČ ABC XYZ 019 !#,.;()~");
    // Neighbours: German, Polish, Hungarian.
    EXPECT_EQ(VelkaPismena("äöüłőźżÿ"), "ÄÖÜŁŐŹŻŸ");
    // Letters without an upper case of their own, and signs, stay.
    EXPECT_EQ(VelkaPismena("ß÷µ°§"), "ß÷µ°§");
}

TEST(Text, VelkaPismenaNechavaNeplatneBajty)
{
    // Stray and truncated bytes.
    EXPECT_EQ(VelkaPismena("a\xFF" "b\xC3"), "A\xFF" "B\xC3");
    EXPECT_EQ(VelkaPismena("\x80x"), "\x80X");
    // An overlong "a" and an encoded surrogate are no letters: the bytes stay as they are,
    // so byte positions in the text do not move.
    EXPECT_EQ(VelkaPismena("\xC1\xA1"), "\xC1\xA1");
    EXPECT_EQ(VelkaPismena("\xC0\x80" "a"), "\xC0\x80" "A");
    EXPECT_EQ(VelkaPismena("\xED\xA0\x80" "č"), "\xED\xA0\x80" "Č");
    EXPECT_EQ(VelkaPismena("\xF4\x90\x80\x80"), "\xF4\x90\x80\x80");
}

TEST(Text, SirkaVeZnacich)
{
    // Each byte of a bad sequence counts once.
    EXPECT_EQ(PocetZnaku("a\xC1\xA1" "b"), 4u);
    // Station names: 10 code points, blank-padded or cut.
    EXPECT_EQ(PevnaSirka("Čertova díra", 10), "Čertova dí");
    const std::string padded = PevnaSirka("Ďáblík", 10);
    EXPECT_EQ(padded, "Ďáblík    ");
    EXPECT_EQ(PocetZnaku(padded), 10u);
    EXPECT_EQ(PevnaSirka("ŘŘŘŘŘŘŘŘŘŘŘ", 10), "ŘŘŘŘŘŘŘŘŘŘ");
    EXPECT_EQ(PevnaSirka("", 3), "   ");
    EXPECT_EQ(Orizni(" \t ab c \r\n"), "ab c");
}

TEST(Text, PlatneUtf8)
{
    struct Case {
        const char* bytes;
        bool valid;
    };
    const Case cases[] = {
        {"", true},
        {"Jeskyně", true},
        {"\xE0\xA0\x80", true},            // U+0800
        {"\xED\x9F\xBF", true},            // U+D7FF, below the surrogates
        {"\xEE\x80\x80", true},            // U+E000, above them
        {"\xF0\x90\x80\x80", true},        // U+10000
        {"\xF4\x8F\xBF\xBF", true},        // U+10FFFF
        {"\xC0\x80", false},               // overlong NUL
        {"\xC1\xBF", false},               // overlong U+007F
        {"\xE0\x9F\xBF", false},           // overlong U+07FF
        {"\xF0\x8F\xBF\xBF", false},       // overlong U+FFFF
        {"\xED\xA0\x80", false},           // U+D800
        {"\xED\xBF\xBF", false},           // U+DFFF
        {"\xF4\x90\x80\x80", false},       // past U+10FFFF
        {"\xC4", false},                   // cut short
        {"\xC4 ", false},                  // no continuation byte
        {"\x80", false},                   // continuation without a lead
        {"\xF8\x88\x80\x80\x80", false},   // five-byte form
        {"Jeskyn\xEC", false},             // Windows-1250 ě
    };
    for (const Case& c : cases)
        EXPECT_EQ(JePlatneUtf8(c.bytes), c.valid) << testing::PrintToString(std::string(c.bytes));
}

TEST(Text, NfcSjednotiZpusobyZapisu)
{
    const std::pair<std::string, std::string> pripady[] = {
        {"C\xCC\x8C" "ert", "Čert"},                    // C and a combining caron
        {"u\xCC\x8A" "e\xCC\x81", "ůé"},                // ring above, acute
        {"\xFF" "C\xCC\x8C", "\xFF" "C\xCC\x8C"},      // not UTF-8: left as it is
    };
    for (const auto& [vstup, nfc] : pripady)
        EXPECT_EQ(NFC(vstup), nfc) << vstup;
}

} // namespace
} // namespace lomvira
