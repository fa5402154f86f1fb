#include "input/KlicovaSlova.h"

namespace lomvira {

void KlicovaSlova::Klice(std::string_view table)
{
    table_ = std::string(table);
    forms_.clear();
    canonical_.clear();
    keywordCount_ = 0;
    if (table.empty())
        return;

    keywordCount_ = 1;
    bool firstOfKeyword = true;
    std::string form;
    auto append = [&](char separator) {
        if (firstOfKeyword) {
            canonical_.push_back(form);
            firstOfKeyword = false;
        }
        forms_.push_back({form, keywordCount_});
        // Insertion into descending order, so a longer form is tried before its prefix.
        for (std::size_t i = forms_.size() - 1; i > 0 && forms_[i].name > forms_[i - 1].name; --i)
            std::swap(forms_[i], forms_[i - 1]);
        form.clear();
        if (separator == ';') {
            ++keywordCount_;
            firstOfKeyword = true;
        }
    };
    for (char c : table) {
        if (c == ';' || c == ',')
            append(c);
        else
            form += c;
    }
    if (table.back() != ';' && table.back() != ',')
        append(';');
    // A table ending in a separator opened a keyword that never came.
    keywordCount_ = static_cast<int>(canonical_.size());
}

int KlicovaSlova::KSHle(std::string_view word) const
{
    if (word.empty())
        return 0;
    for (const Forma& f : forms_) {
        if (word.substr(0, f.name.size()) == f.name)
            return f.code;
    }
    return 0;
}

std::string KlicovaSlova::Klic(int n) const
{
    if (n < 1 || n > keywordCount_)
        return {};
    return canonical_[n - 1];
}

} // namespace lomvira
