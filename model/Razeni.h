#pragma once
// Natural ordering of names: a name is cut into runs of letters, runs of digits (compared
// as numbers) and single other characters, so that P2 sorts before P10.

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace lomvira {

class Razeni {
public:
    // Token kinds, in their sort order at one position.
    static constexpr std::int16_t Oddelovac = 0;
    static constexpr std::int16_t Cislo = 1;
    static constexpr std::int16_t Pismena = 2;

    struct NameToken {
        std::int16_t kind = Oddelovac;
        double number = 0.0; // value of a number token
        std::string text;    // value of a letters or separator token; the digits of a number
    };

    // Adds the name with its item number; equal names keep the order of addition.
    void Add(const std::string& name, std::int32_t item);
    // Room for that many names added.
    void Rezervuj(std::size_t n) { cekajici_.reserve(cekajici_.size() + n); }
    // Item number of the k-th name in sorted order; 0 when k is outside 1..count.
    std::int32_t Item(std::int32_t k) const;
    std::int32_t Count() const { return static_cast<std::int32_t>(zaznamy_.size() + cekajici_.size()); }
    // Number of distinct token patterns (kinds and length) met so far.
    std::int32_t TypeCount() const
    {
        Rozloz();
        return static_cast<std::int32_t>(vzory_.size());
    }
    // The recorded patterns, each shown by the tokens of the first name that had it:
    // one line per token ("Pisme ", "Cislo ", "Oddel " and the value in quotes), CR LF
    // between lines.
    std::string ZobrTyp() const;

    static std::vector<NameToken> Tokenize(const std::string& name);
    // Whether name a sorts strictly before name b.
    static bool Less(const std::vector<NameToken>& a, const std::vector<NameToken>& b);

private:
    struct Zaznam {
        std::vector<NameToken> tokens;
        std::int32_t item;
    };
    void Serad() const;
    // Tokenizes the names added since the last question, in the order of addition.
    void Rozloz() const;

    // Kept in addition order until someone reads the order: sorting once is much cheaper
    // than an insertion sort over thousands of station names.
    mutable std::vector<Zaznam> zaznamy_;
    mutable bool serazeno_ = true;
    // Names not tokenized yet: a load adds every station, and many a load is never listed.
    mutable std::vector<std::pair<std::string, std::int32_t>> cekajici_;
    mutable std::set<std::vector<std::int16_t>> vzory_;
    mutable std::vector<std::vector<NameToken>> ukazky_; // first name of each pattern, in order met
};

} // namespace lomvira
