#include "app/Souhrn.h"

#include <gtest/gtest.h>

namespace lomvira {
namespace {

TEST(Souhrn, CzechCountsAndPrepositions)
{
    const std::vector<std::pair<long, std::string>> pocty = {
        {0, "0 bodů"}, {1, "1 bod"}, {2, "2 body"}, {4, "4 body"}, {5, "5 bodů"}, {756, "756 bodů"}};
    for (const auto& [n, text] : pocty)
        EXPECT_EQ(Pocet(n, "bod", "body", "bodů"), text);
    const std::vector<std::pair<long, std::string>> oblasti = {
        {1, "v 1 oblasti"},       {2, "ve 2 oblastech"},       {5, "v 5 oblastech"},
        {11, "v 11 oblastech"},   {14, "ve 14 oblastech"},     {23, "ve 23 oblastech"},
        {51, "v 51 oblastech"},   {100, "ve 100 oblastech"},   {1000, "v 1000 oblastech"},
        {3000, "ve 3000 oblastech"}, {700, "v 700 oblastech"}};
    for (const auto& [n, text] : oblasti)
        EXPECT_EQ(VOblastech(n), text);
}

} // namespace
} // namespace lomvira
