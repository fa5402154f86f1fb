#pragma once
// A keyword table: every keyword recognised by any of its forms, and by any longer word
// that begins with one of them.

#include <string>
#include <string_view>
#include <vector>

namespace lomvira {

class KlicovaSlova {
public:
    KlicovaSlova() = default;
    explicit KlicovaSlova(std::string_view table) { Klice(table); }

    void Klice(std::string_view table);
    const std::string& Klice() const { return table_; }

    // Number of the keyword the word denotes; 0 when none.
    int KSHle(std::string_view word) const;
    // Canonical form of keyword n; "" outside 1..count.
    std::string Klic(int n) const;
    int Pocet() const { return keywordCount_; }

private:
    struct Forma {
        std::string name;
        int code;
    };
    std::string table_;
    int keywordCount_ = 0;
    std::vector<Forma> forms_;          // descending by character code
    std::vector<std::string> canonical_; // index 0 = keyword 1
};

// The notebook's keyword tables.
namespace Tabulka {
inline constexpr const char* Prikazy =
    "VZD,V;HOR_UH,A;VER_UH,S;SOU_SYS,K;VYP_POM,P;LOKALITA;SADA;DELKOMER;KOMPAS;SKLONOMER;"
    "DEKLINACE,DEK;POLYGON,VRSTVA,LAYER;MISTO;DATUM;KOMPAR";
inline constexpr const char* VlastnostiMeridla = "JED;PRE;ZPU";
inline constexpr const char* VlastnostiKompasu = "ODCH;KOMP_ZAM;JED;PRE";
inline constexpr const char* VlastnostiOpakovanehoKompasu = "ODCH;KOMP_ZAM";
inline constexpr const char* ZpusobDelky = "SIK,S;VOD,V;SVI,H";
inline constexpr const char* ZpusobSklonu = "VYS,V;ZEN,Z";
inline constexpr const char* JednotkyUhlu = "STUPNE,ST,D;GRADY,G;RAD";
inline constexpr const char* JednotkyDelky = "M;CM;MM;FT;IN";
inline constexpr const char* HorUh = "JED,J;KON,K;DEG,D;GRA,G;RAD";
inline constexpr const char* VerUh = "VYS,V;ZEN,Z;DEG,D;GRA,G;RAD";
} // namespace Tabulka

} // namespace lomvira
