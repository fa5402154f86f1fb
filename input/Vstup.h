#pragma once
// The notebook's character-level reader: holds the whole text, hands it out a line at a
// time and, on the current line, tells what kind of token comes next and reads tokens of
// a requested kind. It knows nothing of the notebook's commands.
//
// Text is UTF-8. Columns and token starts count bytes of the current line (1-based where
// a position is reported); the line start is a 1-based byte index into the whole text.
// Bytes of 0x80 and above are neither blank, digit nor letter, so multi-byte letters pass
// through names and quoted texts whole.

#include <cstddef>
#include <string>
#include <string_view>

namespace lomvira {

class Platforma;

// Classes of the next token, as answered by CoNasleduje.
namespace Trida {
inline constexpr int KonecTextu = -2;   // nothing left on the line, and it is the last one
inline constexpr int KonecRadku = -1;   // nothing left on the line, more lines follow
inline constexpr int Oddelovac = 0;
inline constexpr int Cislo = 1;
inline constexpr int Pismeno = 2;
inline constexpr int Jine = 3;
inline constexpr int RidiciZnak = 4;
inline constexpr int Rovnitko = 5;
inline constexpr int Uvozovky = 6;
inline constexpr int Lomitko = 7;
inline constexpr int Komentar = 8;
inline constexpr int Zavorka = 9;
} // namespace Trida

// Status codes of Chyba.
namespace ChybaVstupu {
inline constexpr int Zadna = 0;
inline constexpr int ChybiOteviraciZavorka = 11;
inline constexpr int ChybiUzaviraciZavorka = 12;
inline constexpr int ChybiKomentar = 21;
} // namespace ChybaVstupu

class Vstup {
public:
    // The platform, when given, shows the one message of the lexer (an unclosed quote).
    explicit Vstup(Platforma* platforma = nullptr);

    // The settings the parser and the load driver both read notebooks with.
    void NastavProZapisnik();

    void Soubor(std::string text);
    const std::string& Soubor() const { return text_; }
    // The whole content of a notebook file as UTF-8; "" when it cannot be read.
    std::string ReadFile(const std::string& path) const;

    void NaZacatek();
    void NovyRadek();
    // True when the line just loaded starts at or beyond the last character of the text.
    bool Konec() const { return r_.konecTextu; }
    bool KonecRadku();

    // The current line, a view into the text: valid until the text is replaced.
    std::string_view Radek() const { return {text_.data() + r_.od, static_cast<std::size_t>(r_.delka)}; }
    int DelkaRadku() const { return r_.delka; }
    int Poloha() const { return r_.sloupec; }
    std::size_t ZacatekRadku() const { return r_.zacatek; }
    // 1-based column of the token found by the last CoNasleduje; 0 at the end of the line.
    int ZacatekSlova() const { return zacatekSlova_; }
    // The same column in characters, with tabs expanded to the tab width.
    int ZacatekSlovaC() const;

    int CoNasleduje()
    {
        // The parser asks again and again before it takes the token: the class stays known.
        return peekSloupec_ == r_.sloupec ? peekTrida_ : TridaDalsiho();
    }
    std::string GetZnak();
    std::string GetZN();
    double GetCislo();
    double GetHodnota();
    const std::string& Parametr() const { return parametr_; }
    // True when the last GetCislo or GetHodnota met a numeral too large for a double; the
    // number was then read as 0.
    bool CisloMimoRozsah() const { return mimoRozsah_; }
    std::string GetSL();
    std::string GetKS();
    bool GetRovnitko();
    std::string GetPTH();
    std::string GetZavorka();
    std::string GetKomentar();
    int Chyba() const { return chyba_; }

    void RidiciZnak(std::string_view znaky);
    const std::string& RidiciZnak() const { return ridiciZnaky_; }
    void Oddelovac(std::string_view znaky);
    const std::string& Oddelovac() const { return oddelovace_; }
    void Zavorka(std::string_view par);
    void Komentar(std::string_view znak);
    void Uvozovky(std::string_view znak);
    const std::string& Uvozovky() const { return uvozovky_; }

    bool OriznoutKomentar = false;
    bool UhlyDMS = false;
    bool KonecLF = false; // the current line ended with a lone LF (not a CR LF or a lone CR)
    bool VelkaPismena = true;
    bool MezeraVeSlove = false;
    bool ZavorkaJednoradkova = false;

private:
    // Which line is current and how far it has been read.
    struct Pozice {
        std::size_t zacatek = 1;  // 1-based index of the line's first byte in the text
        std::size_t konec = 0;    // 1-based index of its terminator; 0 before the first line
        std::size_t od = 0;       // 0-based index of the line's first byte (0 past the text)
        int delka = 0;
        int sloupec = 0;          // bytes of the line already consumed
        bool konecTextu = true;
    };
    struct Cislovka;

    std::size_t ZacatekDalsihoRadku() const;
    bool JePosledniRadek() const { return ZacatekDalsihoRadku() > text_.size(); }

    int DelkaZnakuNa(int pos) const;
    bool JeZnakNa(std::string_view znak, int pos) const;
    // Asked of most bytes of a line, and most are no configured character: the table of
    // possible marks answers that without a call.
    bool JeZnakZeSady(std::string_view sada, int pos) const
    {
        return pos < r_.delka && MoznaZnacka(pos) && JeZnakZeSadyNa(sada, pos);
    }
    bool JeZnakZeSadyNa(std::string_view sada, int pos) const;
    int TridaDalsiho();
    bool JeOddelovacNa(int pos) const { return JeZnakZeSady(oddelovace_, pos); }
    bool JeZavorkaNa(int pos) const { return JeZnakNa(oteviraci_, pos) || JeZnakNa(uzaviraci_, pos); }
    bool ZacinaCislo(int pos) const;
    int TridaZnaku(int pos) const;
    int PreskocMezery(int pos) const;
    int ZnackaUhlu(int pos, int& delka) const;
    Cislovka CtiCislovku(int pos, bool dms, bool jenUvodniZnamenko) const;
    void ZbytkovyOddelovac();
    int NajdiNaRadku(std::string_view znak, int od) const;
    // Byte pos of the current line (pos below its length).
    char Z(int pos) const { return text_[r_.od + static_cast<std::size_t>(pos)]; }
    // Whether some configured character (control, separator, bracket, comment, quote) may
    // start at pos: most bytes of a line are none of them, and this tells so at once.
    bool MoznaZnacka(int pos) const { return znacky_[static_cast<unsigned char>(Z(pos))]; }
    void ZnackyZnovu();

    Platforma* platforma_;
    std::string text_;
    Pozice r_;

    int peekSloupec_ = -1;
    int peekTrida_ = 0;
    int zacatekSlova_ = 0;
    std::string parametr_;
    bool mimoRozsah_ = false;
    int chyba_ = 0;

    std::string ridiciZnaky_;
    std::string oddelovace_ = ",;";
    std::string oteviraci_;
    std::string uzaviraci_;
    std::string komentar_;
    std::string uvozovky_ = "\"";
    bool znacky_[256] = {}; // first bytes of the configured characters
};

} // namespace lomvira
