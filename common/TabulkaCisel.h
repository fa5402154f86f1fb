#pragma once
// A hash table of item numbers: the items (and their keys) live in the caller's own array,
// the table holds only each item's number and the key's hash. A key is stored once, and a
// search reads one slot and, when the hash matches, one item; with a node per key a large
// survey spent a fifth of its load chasing nodes through the memory.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace lomvira {

class TabulkaCisel {
public:
    // Item number (1 and up) of the key with that hash for which `shoda(item)` holds, 0 when none.
    template <class Shoda>
    std::int32_t Najdi(std::uint64_t hash, Shoda&& shoda) const
    {
        if (sloty_.empty())
            return 0;
        const auto h = static_cast<std::uint32_t>(hash);
        for (std::size_t i = Zacatek(h);; i = (i + 1) & maska_) {
            const Slot& s = sloty_[i];
            if (s.item == 0)
                return 0;
            if (s.hash == h && shoda(s.item))
                return s.item;
        }
    }

    // The item of the key when there is one, else `novy` is placed under the hash and returned.
    template <class Shoda>
    std::int32_t NajdiNeboVloz(std::uint64_t hash, std::int32_t novy, Shoda&& shoda)
    {
        if ((pocet_ + 1) * 2 > sloty_.size())
            Zvetsi(pocet_ + 1);
        const auto h = static_cast<std::uint32_t>(hash);
        for (std::size_t i = Zacatek(h);; i = (i + 1) & maska_) {
            Slot& s = sloty_[i];
            if (s.item == 0) {
                s = Slot{h, novy};
                ++pocet_;
                return novy;
            }
            if (s.hash == h && shoda(s.item))
                return s.item;
        }
    }

    // Starts bringing the first slot of the hash into the caches, for a search a little later.
    void Predzvedni(std::uint64_t hash) const
    {
        if (!sloty_.empty())
            __builtin_prefetch(&sloty_[Zacatek(static_cast<std::uint32_t>(hash))]);
    }

    // Room for that many items without growing.
    void Rezervuj(std::size_t n)
    {
        if (n * 2 > sloty_.size())
            Zvetsi(n);
    }
    void Vymaz()
    {
        sloty_.clear();
        maska_ = 0;
        pocet_ = 0;
    }

    static std::uint64_t Hash(std::string_view klic) { return std::hash<std::string_view>{}(klic); }
    static std::uint64_t Hash(std::uint64_t klic)
    {
        // A mix of every bit, since item keys such as station pairs differ in few of them.
        klic ^= klic >> 33;
        klic *= 0xff51afd7ed558ccdULL;
        klic ^= klic >> 33;
        klic *= 0xc4ceb9fe1a85ec53ULL;
        return klic ^ (klic >> 33);
    }

private:
    struct Slot {
        std::uint32_t hash = 0; // low half of the key's hash
        std::int32_t item = 0;  // 0: empty
    };

    // The slot to start from, by the kept half of the hash alone, so that growing needs no keys.
    std::size_t Zacatek(std::uint32_t h) const { return static_cast<std::size_t>(h) & maska_; }

    // At most half full for n items; the slots are placed anew from their stored hashes.
    void Zvetsi(std::size_t n)
    {
        std::size_t velikost = 16;
        while (velikost < n * 2)
            velikost *= 2;
        std::vector<Slot> stare(velikost);
        stare.swap(sloty_);
        maska_ = velikost - 1;
        for (const Slot& s : stare) {
            if (s.item == 0)
                continue;
            std::size_t i = Zacatek(s.hash);
            while (sloty_[i].item != 0)
                i = (i + 1) & maska_;
            sloty_[i] = s;
        }
    }

    std::vector<Slot> sloty_;
    std::size_t maska_ = 0;
    std::size_t pocet_ = 0;
};

} // namespace lomvira
