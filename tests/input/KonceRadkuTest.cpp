// Every line end is a line end: a notebook written with LF, CR LF, lone CR or a mixture of
// them loads to the same survey, and a station name is one station however its letters
// are composed.

#include "app/Kontext.h"
#include "app/NactiZapisnik.h"
#include "input/Nacti.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lomvira {
namespace {

// The survey a load made: station names, then each shot's ends, length, azimuth, inclination.
std::vector<std::string> Pruzkum(const std::string& text)
{
    test::FakePlatforma p;
    PametoveNastaveni nastaveni;
    Kontext k(p, nastaveni);
    NactiZapisnik(k, text);
    std::vector<std::string> out{std::to_string(k.posledniChybaNacteni) + " " + std::to_string(k.stav.Stav)};
    for (int s = 1; s <= k.model.stations.StationCount(); ++s)
        out.push_back(k.model.stations.GetStationName(s));
    for (int z = 1; z <= k.model.shots.ShotCount(); ++z) {
        const ShotValues v = k.model.shots.GetShot(z);
        out.push_back(std::to_string(v.From) + "-" + std::to_string(v.To) + " " + std::to_string(v.L) + " "
                      + std::to_string(v.Az) + " " + std::to_string(v.Inc));
    }
    for (int g = 1; g <= k.model.givenPoints.GivenPointCount(); ++g)
        out.push_back("* " + k.model.givenPoints.GetGivenPoint(g).Name);
    out.push_back("spojeni " + std::to_string(k.model.connections.ConnectionCount()));
    return out;
}

std::string Spoj(const std::vector<std::string>& radky, const std::vector<const char*>& konce)
{
    std::string text;
    for (std::size_t i = 0; i < radky.size(); ++i)
        text += radky[i] + konce[i % konce.size()];
    return text;
}

TEST(KonceRadku, KazdyKonecRadkuUkoncujeRadek)
{
    const std::vector<std::string> radky = {"# konce radku", "! DEKLINACE = 2", "* A 100 200 50",
                                            "A B 10 45 5",   "",                "B C 12 120 -3",
                                            "C A 15 260 0"};
    const std::vector<std::string> ocekavany = Pruzkum(Spoj(radky, {"\n"}));
    ASSERT_EQ(ocekavany.size(), 9u) << testing::PrintToString(ocekavany);
    ASSERT_EQ(ocekavany.front(), "0 1");
    const std::vector<std::vector<const char*>> konce = {{"\r\n"}, {"\r"}, {"\r", "\n", "\r\n"}, {"\n", "\r"}};
    for (const auto& k : konce)
        EXPECT_EQ(Pruzkum(Spoj(radky, k)), ocekavany) << testing::PrintToString(Spoj(radky, k));
    // The last line needs no line end, whatever the others have.
    EXPECT_EQ(Pruzkum(Spoj(radky, {"\r"}).substr(0, Spoj(radky, {"\r"}).size() - 1)), ocekavany);

    // The line numbers a script is told count every kind of line end.
    const std::string text = "a\rb\r\nc\n\rd";
    EXPECT_EQ(CisloRadku(text, static_cast<std::int32_t>(text.find('d') + 1)), 5);
}

TEST(KonceRadku, JmenoBoduVNfcJeJedenBod)
{
    // "Čert" as one precomposed letter, as C with a combining caron, and in lower case.
    const std::string slozene = "\xC4\x8C" "ert", rozlozene = "C\xCC\x8C" "ert", male = "c\xCC\x8C" "ert";
    const std::vector<std::string> s = Pruzkum("* " + rozlozene + " 0 0 0\nA " + slozene + " 10 0 0\n" + male
                                               + " B 10 90 0\n" + slozene + " C 5 180 0\n");
    EXPECT_EQ(s, (std::vector<std::string>{"0 1", "A         ", "ČERT      ", "B         ", "C         ",
                                           s[5], s[6], s[7], "* ČERT      ", "spojeni 1"}));
}

} // namespace
} // namespace lomvira
