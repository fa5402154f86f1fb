#include "app/Souhrn.h"

#include <gtest/gtest.h>

namespace lomvira {
namespace {

TEST(Souhrn, CzechCountsAndPrepositions)
{
    for (const auto& [n, text] : std::vector<std::pair<long, std::string>>{{0, "0 bodů"}, {1, "1 bod"}, {4, "4 body"}})
        EXPECT_EQ(Pocet(n, "bod", "body", "bodů"), text);
    for (long n : {2L, 14L, 23L, 100L, 3000L})
        EXPECT_EQ(VOblastech(n), "ve " + std::to_string(n) + " oblastech");
    for (long n : {5L, 11L, 51L, 700L, 1000L})
        EXPECT_EQ(VOblastech(n), "v " + std::to_string(n) + " oblastech");
    EXPECT_EQ(VOblastech(1), "v 1 oblasti");
}

} // namespace
} // namespace lomvira
