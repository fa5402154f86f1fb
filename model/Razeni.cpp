#include "model/Razeni.h"

#include "common/Text.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace lomvira {

namespace {

bool JeCislice(char32_t c)
{
    return c >= '0' && c <= '9';
}

// Only the ASCII letters count as letters; an accented letter is a separator.
bool JePismeno(char32_t c)
{
    const char32_t upper = VelkePismeno(c);
    return upper >= 'A' && upper <= 'Z';
}

// Appends to a run of `kind`, or starts one; a digit straight after letters (or the other
// way round) is parted from them by an empty separator.
void PridejDoBehu(std::vector<Razeni::NameToken>& tokens, std::int16_t kind, std::string_view znak)
{
    const std::int16_t other = kind == Razeni::Cislo ? Razeni::Pismena : Razeni::Cislo;
    if (!tokens.empty() && tokens.back().kind == kind) {
        tokens.back().text.append(znak);
        return;
    }
    if (!tokens.empty() && tokens.back().kind == other)
        tokens.push_back({Razeni::Oddelovac, 0.0, {}});
    tokens.push_back({kind, 0.0, std::string(znak)});
}

int PorovnejToken(const Razeni::NameToken& a, const Razeni::NameToken& b)
{
    if (a.kind != b.kind)
        return a.kind < b.kind ? -1 : 1;
    if (a.kind == Razeni::Cislo) {
        if (a.number != b.number)
            return a.number < b.number ? -1 : 1;
        return 0;
    }
    return a.text.compare(b.text);
}

std::string TextHodnoty(const Razeni::NameToken& t)
{
    if (t.kind != Razeni::Cislo)
        return t.text;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15G", t.number);
    return buf;
}

} // namespace

std::vector<Razeni::NameToken> Razeni::Tokenize(const std::string& name)
{
    std::vector<NameToken> tokens;
    std::size_t pos = 0;
    while (pos < name.size()) {
        const std::size_t start = pos;
        const char32_t c = CtiZnak(name, pos);
        const std::string_view znak(name.data() + start, pos - start);
        if (JeCislice(c))
            PridejDoBehu(tokens, Cislo, znak);
        else if (JePismeno(c))
            PridejDoBehu(tokens, Pismena, znak);
        else
            tokens.push_back({Oddelovac, 0.0, std::string(znak)});
    }
    for (NameToken& t : tokens) {
        if (t.kind == Cislo)
            t.number = std::strtod(t.text.c_str(), nullptr);
    }
    return tokens;
}

bool Razeni::Less(const std::vector<NameToken>& a, const std::vector<NameToken>& b)
{
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (const int c = PorovnejToken(a[i], b[i]); c != 0)
            return c < 0;
    }
    return a.size() < b.size();
}

void Razeni::Add(const std::string& name, std::int32_t item)
{
    cekajici_.emplace_back(name, item);
}

void Razeni::Rozloz() const
{
    if (cekajici_.empty())
        return;
    zaznamy_.reserve(zaznamy_.size() + cekajici_.size());
    for (const auto& [name, item] : cekajici_) {
        Zaznam z{Tokenize(name), item};
        std::vector<std::int16_t> vzor;
        vzor.reserve(z.tokens.size());
        for (const NameToken& t : z.tokens)
            vzor.push_back(t.kind);
        if (vzory_.insert(std::move(vzor)).second)
            ukazky_.push_back(z.tokens);
        if (serazeno_ && !zaznamy_.empty() && Less(z.tokens, zaznamy_.back().tokens))
            serazeno_ = false;
        zaznamy_.push_back(std::move(z));
    }
    cekajici_.clear();
    cekajici_.shrink_to_fit();
}

std::int32_t Razeni::Item(std::int32_t k) const
{
    if (k < 1 || k > Count())
        return 0;
    Serad();
    return zaznamy_[static_cast<std::size_t>(k - 1)].item;
}

void Razeni::Serad() const
{
    Rozloz();
    if (serazeno_)
        return;
    // Stable, so that equal names keep the order in which they were added.
    std::stable_sort(zaznamy_.begin(), zaznamy_.end(),
                     [](const Zaznam& a, const Zaznam& b) { return Less(a.tokens, b.tokens); });
    serazeno_ = true;
}

std::string Razeni::ZobrTyp() const
{
    Rozloz();
    std::string out;
    for (const auto& ukazka : ukazky_) {
        for (const NameToken& t : ukazka) {
            if (!out.empty())
                out += "\r\n";
            out += t.kind == Pismena ? "Pisme " : t.kind == Cislo ? "Cislo " : "Oddel ";
            out += "'" + TextHodnoty(t) + "' ";
        }
    }
    return out;
}

} // namespace lomvira
