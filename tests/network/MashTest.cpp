// The network mesh on small networks worked out by hand from the walk: points are numbered
// as their stations were first added, neighbours tried from the last added to the first,
// the mark last of all.
#include "network/Mash.h"
#include "support/FakePlatforma.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace lomvira;

namespace {

struct Pripad {
    const char* zamery;  // "1-2 2-3": shot i (from 1) from the first station to the second
    CisloBodu oznaceny;  // what Auto_DBod marks
    const char* skupiny; // per group its type ("S" network, "P" other) and its vectors
};

const Pripad Pripady[] = {
    {"1-2 2-3 3-4 4-1", 1, "S 1-4-3-2-1"},
    {"1-2 2-3 3-1 3-4 4-5", 3, "P 3-4-5|S 3-1-2-3"},           // a spur off a loop
    {"1-2 2-3 3-4 1-5 5-4 1-6 6-4", 1, "S 1-6-4 4-5-1 4-3-2-1"}, // three ways between two junctions
    {"1-2 2-3", 2, "P 2-3|P 2-1"},                              // a traverse: its middle is marked
    {"1-2 3-4 4-5 5-3", 3, "S 3-5-4-3|P 1-2"},           // two parts: the second from its first point
};

std::string Popis(const Mash& m)
{
    std::string out;
    for (int s = 1; s <= m.Get_Poc_Sku(); ++s) {
        out += std::string(s > 1 ? "|" : "") + (m.Get_Typ_Sku(s) == 2 ? "S" : "P");
        for (int v = 1; v <= m.Get_Poc_Vek_S(s); ++v) {
            out += " " + std::to_string(m.Get_jBod(m.Get_Zam_SVI(s, v, 1).z));
            for (int i = 1; i <= m.Get_Poc_Zam_SV(s, v); ++i)
                out += "-" + std::to_string(m.Get_jBod(m.Get_Zam_SVI(s, v, i).k));
        }
    }
    return out;
}

TEST(Mash, GroupsVectorsAndSignsOfSmallNetworks)
{
    for (const Pripad& p : Pripady) {
        SCOPED_TRACE(p.zamery);
        test::FakePlatforma platforma;
        Mash m(platforma);
        std::vector<std::pair<int, int>> konce{{0, 0}};
        std::istringstream in(p.zamery);
        for (std::string t; in >> t;) {
            konce.push_back({std::stoi(t.substr(0, t.find('-'))), std::stoi(t.substr(t.find('-') + 1))});
            m.Add_Zam(konce.back().first, konce.back().second, static_cast<int>(konce.size()) - 1);
        }
        EXPECT_EQ(m.Auto_DBod(), p.oznaceny);
        m.Skupiny();
        EXPECT_EQ(Popis(m), p.skupiny);
        // Each entry's number runs in the direction walked; Find_Zam finds it there.
        for (int s = 1; s <= m.Get_Poc_Sku(); ++s)
            for (int v = 1; v <= m.Get_Poc_Vek_S(s); ++v)
                for (int i = 1; i <= m.Get_Poc_Zam_SV(s, v); ++i) {
                    const CisloZamery z = m.Get_iZam_SVI(s, v, i);
                    const auto& k = konce[static_cast<std::size_t>(std::abs(z))];
                    EXPECT_EQ(m.Get_jBod(m.Get_Zam_SVI(s, v, i).z), z > 0 ? k.first : k.second);
                    const Mash::Poloha poloha = m.Find_Zam(-z);
                    EXPECT_EQ(poloha.skupina * 10000 + poloha.vektor * 100 + poloha.index, s * 10000 + v * 100 + i);
                }
        EXPECT_TRUE(platforma.boxes.empty());
    }
}

TEST(Mash, OutOfRangeAndAbsentGiveNothing)
{
    test::FakePlatforma platforma;
    Mash m(platforma);
    m.Add_Zam(7, 3, 5); // from the lower point to the higher: kept as it is
    m.Add_Zam(9, 7, 6); // from the higher point to the lower: kept negated
    m.Add_DBod(7);
    m.Skupiny();
    EXPECT_EQ(m.Get_Bod(3), 2);
    EXPECT_EQ(m.Get_Bod(4), 0);
    const Mash::Poloha nic = m.Find_Zam(99);
    EXPECT_EQ(nic.skupina + nic.vektor + nic.index, 0);
    EXPECT_EQ(m.Get_Typ_Sku(0), -1);
    EXPECT_EQ(m.Get_Poc_Bod_S(9), 0);
    EXPECT_EQ(m.Get_Zam_SVI(1, 9, 1).z, 0);
    EXPECT_EQ(m.Get_Bod_SI(1, 99), 0);
    EXPECT_EQ(m.Vystup(), (std::vector<CisloBodu>{0, 7, 3, 9}));
    std::ostringstream vypis;
    m.VypisSite(vypis);
    EXPECT_NE(vypis.str().find("Zamery\ni\tZ\tDo\n1(1.1.1)\t1\t3\t|\t7\t9\n"), std::string::npos) << vypis.str();
    m.Reset_Mash();
    EXPECT_EQ(m.Get_Poc_iBod() + m.Get_Poc_Sku(), 0);
}

TEST(Mash, WithoutAMarkFormsNoGroupAndSaysSo)
{
    test::FakePlatforma platforma;
    Mash m(platforma);
    m.Add_Zam(1, 2, 1);
    m.Skupiny();
    EXPECT_EQ(m.Get_Poc_Sku(), 0);
    ASSERT_EQ(platforma.boxes.size(), 1u);
    EXPECT_EQ(platforma.boxes[0].title, "Chyba");
}

} // namespace
