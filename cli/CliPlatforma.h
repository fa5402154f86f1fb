#pragma once
// The platform of the command line: questions are answered by their default button or by
// --answer, and both the question and the answer go to standard error.

#include "common/Nastaveni.h"
#include "common/Platforma.h"

#include <iosfwd>
#include <optional>

namespace lomvira::cli {

class CliPlatforma : public Platforma {
public:
    // answer: nullopt = default buttons; 1 = yes (or OK); 0 = no (or cancel).
    CliPlatforma(std::ostream& out, std::ostream& err, std::optional<int> answer)
        : out_(out), err_(err), answer_(answer) {}

    int ZpravaBox(const std::string& text, int style, const std::string& title, int helpContext) override;
    std::optional<std::string> VstupniBox(const std::string& prompt, const std::string& title,
                                          const std::string& defaultText) override;
    void StavovyRadek(const std::string&) override {}

private:
    std::ostream& out_;
    std::ostream& err_;
    std::optional<int> answer_;
};

// What a command gets.
struct Prostredi {
    CliPlatforma& platforma;
    UlozisteNastaveni& nastaveni;
    std::ostream& out;
    std::ostream& err;
    bool konecProcesu = false;
};

} // namespace lomvira::cli
