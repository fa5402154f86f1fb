#pragma once

#include <algorithm>
#include <cctype>
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

// A case folder's name as a test name: letters and digits, "_" for the rest.
inline std::string JmenoPripadu(const std::string& slozka)
{
    std::string name = slozka;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

} // namespace lomvira::test
