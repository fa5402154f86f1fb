// UTF-8 helpers: Czech and Slovak upper case, widths in code points, validity.

#include "common/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

namespace lomvira {
namespace {

TEST(Text, VelkaPismena)
{
    const std::pair<std::string, std::string> pripady[] = {
        {"ěščřžýáíéúůďťňóľĺŕô abc 019 !#,.;()~", "ĚŠČŘŽÝÁÍÉÚŮĎŤŇÓĽĹŔÔ ABC 019 !#,.;()~"},
        {"äöüłőźżÿ", "ÄÖÜŁŐŹŻŸ"}, // neighbours: German, Polish, Hungarian
        {"ß÷µ°§", "ß÷µ°§"},       // no upper case of their own
        // Stray, truncated, overlong and surrogate bytes stay as they are, so byte positions
        // in the text do not move.
        {"a\xFF" "b\xC3", "A\xFF" "B\xC3"}, {"\xC0\x80" "a", "\xC0\x80" "A"}, {"\xED\xA0\x80" "č", "\xED\xA0\x80" "Č"},
        {"\xF4\x90\x80\x80", "\xF4\x90\x80\x80"}};
    for (const auto& [vstup, velka] : pripady)
        EXPECT_EQ(VelkaPismena(vstup), velka) << vstup;
}

TEST(Text, SirkaVeZnacichANfc)
{
    EXPECT_EQ(PocetZnaku("a\xC1\xA1" "b"), 4u); // each byte of a bad sequence counts once
    // Station names: 10 code points, blank-padded or cut.
    EXPECT_EQ(PevnaSirka("Čertova díra", 10), "Čertova dí");
    EXPECT_EQ(PevnaSirka("Ďáblík", 10), "Ďáblík    ");
    EXPECT_EQ(Orizni(" \t ab c \r\n"), "ab c");
    EXPECT_EQ(NFC("C\xCC\x8C" "ertu\xCC\x8A"), "Čertů"); // combining caron and ring above
    EXPECT_EQ(NFC("\xFF" "C\xCC\x8C"), "\xFF" "C\xCC\x8C"); // not UTF-8: left as it is
}

TEST(Text, BajtyARadkyVeVelkemTextu)
{
    // Every byte value at every place of an eight-byte word, with neighbours that differ
    // from it in one bit (a count by words must not take them for it).
    std::string text;
    for (int i = 0; i < 600; ++i)
        text += static_cast<char>((i * 37 + i / 7) & 0xFF);
    for (const char bajt : {'\n', '\r', '\x80', '\xFF', '\x00', '\x7F', '\xC3'})
        for (std::size_t od = 0; od < 9; ++od) {
            const std::string_view cast = std::string_view(text).substr(od);
            EXPECT_EQ(PocetBajtu(cast, bajt), static_cast<std::size_t>(std::count(cast.begin(), cast.end(), bajt)))
                << static_cast<int>(bajt) << " " << od;
        }
    EXPECT_EQ(NejcastejsiKonecRadku("a\r\nb\r\nc\nd\re\r"), KonecRadku::CRLF);
    EXPECT_EQ(NejcastejsiKonecRadku("a\r\nb\nc\nd\r"), KonecRadku::LF);
    EXPECT_EQ(NejcastejsiKonecRadku("a\rb\rc\r\n\n"), KonecRadku::CR);
    EXPECT_EQ(NejcastejsiKonecRadku("bez konce\r"), KonecRadku::CR);
}

TEST(Text, PlatneUtf8)
{
    const std::pair<const char*, bool> pripady[] = {
        {"", true},
        {"Jeskyně", true},
        {"\xE0\xA0\x80", true},          // U+0800
        {"\xED\x9F\xBF", true},          // U+D7FF, below the surrogates
        {"\xEE\x80\x80", true},          // U+E000, above them
        {"\xF4\x8F\xBF\xBF", true},      // U+10FFFF
        {"\xC1\xBF", false},             // overlong U+007F
        {"\xE0\x9F\xBF", false},         // overlong U+07FF
        {"\xF0\x8F\xBF\xBF", false},     // overlong U+FFFF
        {"\xED\xA0\x80", false},         // U+D800
        {"\xF4\x90\x80\x80", false},     // past U+10FFFF
        {"\xC4 ", false},                // no continuation byte
        {"\x80", false},                 // continuation without a lead
        {"\xF8\x88\x80\x80\x80", false}, // five-byte form
        {"Jeskyn\xEC", false},           // Windows-1250 ě
    };
    for (const auto& [bajty, platne] : pripady)
        EXPECT_EQ(JePlatneUtf8(bajty), platne) << testing::PrintToString(std::string(bajty));
}

} // namespace
} // namespace lomvira
