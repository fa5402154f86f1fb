#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace lomvira::test {

// The case folders below tests/data/<slozka> in name order: one golden case each.
inline std::vector<std::string> SlozkyPripadu(const std::string& slozka)
{
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(std::filesystem::path(LOMVIRA_TEST_DATA) / slozka))
        if (e.is_directory())
            out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace lomvira::test
