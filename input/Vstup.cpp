#include "input/Vstup.h"

#include "common/Platforma.h"
#include "common/Soubory.h"
#include "common/Text.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

namespace lomvira {

namespace {

constexpr int SirkaTabulatoru = 8;
constexpr char DesetinnaTecka = '.';
constexpr std::string_view ZnakStupne = "\xC2\xB0"; // "°"

bool JeMezera(char c) { return static_cast<unsigned char>(c) <= 32; }
bool JeCislice(char c) { return c >= '0' && c <= '9'; }
bool JePismeno(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
char Velke(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

// Bytes of the UTF-8 character at pos; a broken or cut sequence counts as one byte.
int DelkaZnakuV(std::string_view s, std::size_t pos)
{
    const std::size_t n = DelkaZnaku(static_cast<unsigned char>(s[pos]));
    if (pos + n > s.size())
        return 1;
    for (std::size_t i = 1; i < n; ++i) {
        if ((static_cast<unsigned char>(s[pos + i]) & 0xC0) != 0x80)
            return 1;
    }
    return static_cast<int>(n);
}

std::string PrvniZnak(std::string_view s)
{
    return s.empty() ? std::string() : std::string(s.substr(0, DelkaZnakuV(s, 0)));
}

std::string BezMezer(std::string_view s)
{
    std::string out;
    for (char c : s) {
        if (!JeMezera(c))
            out += c;
    }
    return out;
}

// Whether a numeral known to lie outside the range of a double is too large (rather than
// too small to tell from 0): the decimal order of its first significant digit plus the
// exponent decides.
bool JePreteceni(std::string_view mantisa, std::string_view exponent)
{
    long long e = 0;
    std::size_t i = 0;
    const bool zaporny = !exponent.empty() && exponent[0] == '-';
    if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-'))
        i = 1;
    for (; i < exponent.size(); ++i)
        e = std::min(e * 10 + (exponent[i] - '0'), 1'000'000'000LL);
    if (zaporny)
        e = -e;
    const std::size_t tecka = mantisa.find(DesetinnaTecka);
    const long long cele = static_cast<long long>(tecka == std::string_view::npos ? mantisa.size() : tecka);
    for (std::size_t k = 0; k < mantisa.size(); ++k) {
        if (mantisa[k] == DesetinnaTecka || mantisa[k] == '0')
            continue;
        const long long k2 = static_cast<long long>(k);
        const long long rad = k2 < cele ? cele - 1 - k2 : cele - k2;
        return rad + e > 0;
    }
    return false;
}

// The value of the leading numeric part of a numeral ("12-3" is 12, "12E" is 12). A
// numeral too large for a double gives 0 and sets `mimo`.
double HodnotaCislovky(std::string_view s, bool& mimo)
{
    std::size_t i = 0;
    const bool zaporne = !s.empty() && s[0] == '-';
    if (!s.empty() && (s[0] == '+' || s[0] == '-'))
        i = 1;
    const std::size_t zacatek = i;
    bool cislice = false, tecka = false;
    for (; i < s.size(); ++i) {
        if (JeCislice(s[i]))
            cislice = true;
        else if (s[i] == DesetinnaTecka && !tecka)
            tecka = true;
        else
            break;
    }
    if (!cislice)
        return 0.0;
    const std::string_view mantisa = s.substr(zacatek, i - zacatek);
    std::string_view exponent;
    if (i < s.size() && s[i] == 'E') {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        std::size_t k = j;
        while (k < s.size() && JeCislice(s[k]))
            ++k;
        if (k > j) { // an exponent only counts with its digits
            exponent = s.substr(i + 1, k - i - 1);
            i = k;
        }
    }
    double v = 0.0;
    const auto vysledek = std::from_chars(s.data() + zacatek, s.data() + i, v);
    if (vysledek.ec == std::errc::result_out_of_range) {
        if (JePreteceni(mantisa, exponent))
            mimo = true;
        return 0.0;
    }
    if (vysledek.ec != std::errc())
        return 0.0;
    return zaporne ? -v : v;
}

constexpr int ZnackaStupnu = 1;
constexpr int ZnackaMinut = 2;
constexpr int ZnackaVteriny = 3;

// The parts of a number written as an angle: degrees, minutes, seconds.
struct SoucetUhlu {
    double soucet = 0.0;
    int znamenko = 1;
    int uroven = 0; // the last mark read

    void Znacka(int znacka, std::string_view cast, bool& mimo)
    {
        // The first mark, whichever it is, carries the sign of the whole angle.
        if (uroven == 0)
            znamenko = (!cast.empty() && cast[0] == '-') ? -1 : 1;
        const double v = std::fabs(HodnotaCislovky(cast, mimo));
        soucet += znacka == ZnackaStupnu ? v : znacka == ZnackaMinut ? v / 60.0 : v / 3600.0;
        uroven = znacka;
    }

    // The whole number, with the numeral left after the last mark (minutes after the
    // degrees, seconds after the minutes). Never infinite: a numeral or a sum out of range
    // gives 0 and sets `mimo`.
    double Vysledek(std::string_view zbytek, bool& mimo) const
    {
        const double v = HodnotaCislovky(zbytek, mimo);
        double hodnota = v;
        if (uroven > 0) {
            double s = soucet;
            if (uroven == ZnackaStupnu)
                s += std::fabs(v) / 60.0;
            else if (uroven == ZnackaMinut)
                s += std::fabs(v) / 3600.0;
            hodnota = s * znamenko;
        }
        if (!std::isfinite(hodnota))
            mimo = true;
        return mimo ? 0.0 : hodnota;
    }
};

// A decimal number as text, with "." whatever the locale, to 15 significant digits.
std::string TextCisla(double v)
{
    char buf[40];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
    return std::string(buf, r.ptr);
}

} // namespace

// A number read from the line, possibly an angle in degrees, minutes and seconds.
struct Vstup::Cislovka {
    double hodnota = 0.0;
    bool znacky = false;   // a degree, minute or second mark was read
    bool uzavreno = false; // the seconds mark ended it
    bool mimo = false;     // a numeral did not fit a double
    int konec = 0;         // index of the first byte not taken
};

Vstup::Vstup(Platforma* platforma) : platforma_(platforma)
{
    ZnackyZnovu();
    NaZacatek();
}

void Vstup::NastavProZapisnik()
{
    RidiciZnak("!*");
    Oddelovac(",;");
    Zavorka("()");
    Komentar("#");
    UhlyDMS = true;
    OriznoutKomentar = false;
}

void Vstup::Soubor(std::string text)
{
    text_ = std::move(text);
    NaZacatek();
}

std::string Vstup::ReadFile(const std::string& path) const
{
    NactenyText nacteny = NactiZapisnik(path);
    return nacteny.ok ? std::move(nacteny.text) : std::string();
}

void Vstup::NaZacatek()
{
    r_.konec = 0;
    NovyRadek();
}

std::size_t Vstup::ZacatekDalsihoRadku() const
{
    if (r_.konec == 0)
        return 1;
    const std::size_t i = r_.konec - 1; // 0-based index of the terminator
    if (i + 1 < text_.size() && text_[i] == '\r' && text_[i + 1] == '\n')
        return r_.konec + 2;
    return r_.konec + 1;
}

void Vstup::NovyRadek()
{
    const std::size_t n = text_.size();
    Pozice p;
    p.zacatek = ZacatekDalsihoRadku();
    p.konec = n + 1;
    KonecLF = false;
    std::size_t delka = 0;
    if (p.zacatek <= n) {
        const std::size_t od = p.zacatek - 1;
        // A lone CR, a LF and a CR LF each end the line: the first CR or LF is its end.
        const char* const zacatek = text_.data();
        const char* const konec = zacatek + n;
        const char* z = zacatek + od;
        while (z != konec && *z != '\n' && *z != '\r')
            ++z;
        if (z != konec) {
            p.konec = static_cast<std::size_t>(z - zacatek) + 1;
            KonecLF = *z == '\n';
        }
        delka = p.konec - p.zacatek;
        if (OriznoutKomentar && !komentar_.empty()) {
            const std::size_t k = std::string_view(text_).substr(od, delka).find(komentar_);
            if (k != std::string_view::npos)
                delka = k;
        }
        // Far beyond what a notebook line can be; keeps the int columns meaningful.
        delka = std::min<std::size_t>(delka, INT_MAX);
        p.od = od;
    } else {
        p.od = n;
    }
    p.delka = static_cast<int>(delka);
    p.konecTextu = p.zacatek >= n;
    r_ = std::move(p);
    peekSloupec_ = -1;
    zacatekSlova_ = 0;
}

bool Vstup::KonecRadku()
{
    return CoNasleduje() < 0;
}

int Vstup::ZacatekSlovaC() const
{
    if (zacatekSlova_ == 0)
        return 0;
    int sloupec = 1;
    for (int pos = 0; pos < zacatekSlova_ - 1 && pos < r_.delka; pos += DelkaZnakuNa(pos)) {
        if (Z(pos) == '\t')
            sloupec = ((sloupec - 1) / SirkaTabulatoru + 1) * SirkaTabulatoru + 1;
        else
            ++sloupec;
    }
    return sloupec;
}

// --- character classes --------------------------------------------------------------------

int Vstup::DelkaZnakuNa(int pos) const
{
    return DelkaZnakuV(Radek(), static_cast<std::size_t>(pos));
}

bool Vstup::JeZnakNa(std::string_view znak, int pos) const
{
    if (znak.empty() || pos >= r_.delka || Z(pos) != znak[0])
        return false;
    // An ASCII character is one byte, whatever follows it.
    if (znak.size() == 1 && static_cast<unsigned char>(znak[0]) < 0x80)
        return true;
    return static_cast<std::size_t>(DelkaZnakuNa(pos)) == znak.size() &&
           Radek().compare(static_cast<std::size_t>(pos), znak.size(), znak) == 0;
}

bool Vstup::JeZnakZeSadyNa(std::string_view sada, int pos) const
{
    for (std::size_t i = 0; i < sada.size();) {
        const int n = DelkaZnakuV(sada, i);
        if (JeZnakNa(sada.substr(i, n), pos))
            return true;
        i += n;
    }
    return false;
}

bool Vstup::ZacinaCislo(int pos) const
{
    const std::string_view r = Radek();
    auto cisliceNa = [&](int i) { return i < r_.delka && JeCislice(r[i]); };
    auto teckaNa = [&](int i) { return i < r_.delka && r[i] == DesetinnaTecka; };
    if (cisliceNa(pos))
        return true;
    if (r[pos] == '+' || r[pos] == '-')
        return cisliceNa(pos + 1) || (teckaNa(pos + 1) && cisliceNa(pos + 2));
    return teckaNa(pos) && cisliceNa(pos + 1);
}

int Vstup::TridaZnaku(int pos) const
{
    const char z = Z(pos);
    int trida = Trida::Jine;
    if (JeCislice(z))
        trida = Trida::Cislo;
    else if (JePismeno(z))
        trida = Trida::Pismeno;
    else if (z == '=')
        trida = Trida::Rovnitko;
    else if (JeZnakNa(uvozovky_, pos))
        trida = Trida::Uvozovky;
    else if (z == '/')
        trida = Trida::Lomitko;
    else if (ZacinaCislo(pos))
        trida = Trida::Cislo;
    if (!MoznaZnacka(pos))
        return trida;
    // The configured characters override in this order; the last one that matches wins.
    if (JeOddelovacNa(pos))
        trida = Trida::Oddelovac;
    if (JeZnakNa(komentar_, pos))
        trida = Trida::Komentar;
    if (JeZavorkaNa(pos))
        trida = Trida::Zavorka;
    if (JeZnakZeSady(ridiciZnaky_, pos))
        trida = Trida::RidiciZnak;
    return trida;
}

int Vstup::PreskocMezery(int pos) const
{
    while (pos < r_.delka && JeMezera(Z(pos)))
        ++pos;
    return pos;
}

int Vstup::NajdiNaRadku(std::string_view znak, int od) const
{
    if (znak.empty())
        return r_.delka;
    const std::size_t k = Radek().find(znak, static_cast<std::size_t>(od));
    return k == std::string::npos ? r_.delka : static_cast<int>(k);
}

// --- peeking --------------------------------------------------------------------------------

int Vstup::TridaDalsiho()
{
    const int pos = PreskocMezery(r_.sloupec);
    if (pos >= r_.delka) {
        zacatekSlova_ = 0;
        peekTrida_ = JePosledniRadek() ? Trida::KonecTextu : Trida::KonecRadku;
    } else {
        zacatekSlova_ = pos + 1;
        peekTrida_ = TridaZnaku(pos);
    }
    peekSloupec_ = r_.sloupec;
    return peekTrida_;
}

std::string Vstup::GetZnak()
{
    if (CoNasleduje() <= 0)
        return {};
    const int pos = zacatekSlova_ - 1;
    const int n = DelkaZnakuNa(pos);
    r_.sloupec = pos + n;
    return std::string(Radek().substr(static_cast<std::size_t>(pos), static_cast<std::size_t>(n)));
}

std::string Vstup::GetZN()
{
    if (r_.sloupec >= r_.delka)
        return {};
    const int pos = r_.sloupec;
    const int n = DelkaZnakuNa(pos);
    r_.sloupec = pos + n;
    return std::string(Radek().substr(static_cast<std::size_t>(pos), static_cast<std::size_t>(n)));
}

bool Vstup::GetRovnitko()
{
    if (CoNasleduje() != Trida::Rovnitko)
        return false;
    r_.sloupec = zacatekSlova_;
    return true;
}

// When the last byte consumed is not a separator and, past blanks, a separator follows,
// it belongs to the field just read: "12 , 13" reads like "12,13".
void Vstup::ZbytkovyOddelovac()
{
    int posledni = r_.sloupec - 1;
    while (posledni > 0 && r_.sloupec - posledni < 4 &&
           (static_cast<unsigned char>(Z(posledni)) & 0xC0) == 0x80)
        --posledni;
    if (posledni >= 0 && JeOddelovacNa(posledni))
        return;
    const int pos = PreskocMezery(r_.sloupec);
    if (pos < r_.delka && JeOddelovacNa(pos))
        r_.sloupec = pos + DelkaZnakuNa(pos);
}

// --- numbers --------------------------------------------------------------------------------

// The angle mark at pos ("°" or "^", "'", '"'); 0 for none.
int Vstup::ZnackaUhlu(int pos, int& delka) const
{
    delka = 1;
    const char z = Z(pos);
    if (z == '^')
        return ZnackaStupnu;
    if (z == '\'')
        return ZnackaMinut;
    if (z == '"')
        return ZnackaVteriny;
    if (JeZnakNa(ZnakStupne, pos)) {
        delka = static_cast<int>(ZnakStupne.size());
        return ZnackaStupnu;
    }
    return 0;
}

Vstup::Cislovka Vstup::CtiCislovku(int pos, bool dms, bool jenUvodniZnamenko) const
{
    Cislovka c;
    // Most numbers are plain decimals, "-12.5": a sign, digits and one point, ended by a
    // character that cannot go on with a number. Their text is taken from the line as it is.
    {
        int p = pos;
        if (p < r_.delka && (Z(p) == '+' || Z(p) == '-'))
            ++p;
        bool tecka = false;
        while (p < r_.delka && (JeCislice(Z(p)) || (Z(p) == DesetinnaTecka && !tecka))) {
            tecka = tecka || Z(p) == DesetinnaTecka;
            ++p;
        }
        constexpr std::string_view pokracovani = ".+-Ee^'\"\xC2"; // "\xC2" starts "°"
        if (p >= r_.delka || pokracovani.find(Z(p)) == std::string_view::npos) {
            c.hodnota = HodnotaCislovky(Radek().substr(static_cast<std::size_t>(pos), static_cast<std::size_t>(p - pos)), c.mimo);
            c.konec = p;
            return c;
        }
    }
    SoucetUhlu uhel;
    std::string cast; // the numeral of the current part, upper-cased
    bool znamenkoMozne = true, tecka = false, exponent = false, cislice = false;
    while (pos < r_.delka) {
        const char z = Velke(Z(pos));
        int delkaZnacky = 1;
        const int znacka = dms ? ZnackaUhlu(pos, delkaZnacky) : 0;
        if (JeCislice(z)) {
            cislice = true;
            if (jenUvodniZnamenko)
                znamenkoMozne = false;
        } else if ((z == '+' || z == '-') && znamenkoMozne && uhel.uroven == 0) {
            znamenkoMozne = false;
        } else if (z == DesetinnaTecka && !tecka && (!exponent || uhel.uroven > 0)) {
            tecka = true;
            znamenkoMozne = false;
        } else if (z == 'E' && !exponent && cislice && uhel.uroven == 0) {
            exponent = true;
            znamenkoMozne = true; // the exponent may have its own sign
        } else if (znacka > uhel.uroven) {
            uhel.Znacka(znacka, cast, c.mimo);
            c.znacky = true;
            cast.clear();
            tecka = false;
            znamenkoMozne = false;
            pos += delkaZnacky;
            if (znacka == ZnackaVteriny) {
                c.uzavreno = true;
                break;
            }
            continue;
        } else {
            break;
        }
        cast += z;
        ++pos;
    }
    c.hodnota = uhel.Vysledek(cast, c.mimo);
    c.konec = pos;
    return c;
}

double Vstup::GetCislo()
{
    mimoRozsah_ = false;
    if (CoNasleduje() != Trida::Cislo)
        return 0.0;
    const Cislovka c = CtiCislovku(zacatekSlova_ - 1, UhlyDMS, false);
    r_.sloupec = c.konec;
    // A separator that ended the number is taken with it; anything else is left.
    if (!c.uzavreno && r_.sloupec < r_.delka && JeOddelovacNa(r_.sloupec))
        r_.sloupec += DelkaZnakuNa(r_.sloupec);
    ZbytkovyOddelovac();
    mimoRozsah_ = c.mimo;
    return c.hodnota;
}

double Vstup::GetHodnota()
{
    parametr_.clear();
    const double hodnota = GetCislo();
    bool pripona = false;
    while (CoNasleduje() == Trida::Lomitko) {
        r_.sloupec = zacatekSlova_;
        pripona = true;
        if (CoNasleduje() == Trida::Pismeno)
            parametr_ += GetSL();
    }
    // "12/D , 13" must leave the next field ready, as "12 , 13" does.
    if (pripona)
        ZbytkovyOddelovac();
    return hodnota;
}

// --- words ----------------------------------------------------------------------------------

std::string Vstup::GetSL()
{
    const std::string_view r = Radek();
    const int pos = PreskocMezery(r_.sloupec);
    r_.sloupec = pos;
    if (pos >= r_.delka)
        return {};
    if (r[pos] == ';' || r[pos] == ',') {
        r_.sloupec = pos + 1;
        return {};
    }
    std::string slovo;
    int konec = pos;
    if (JePismeno(r[pos])) {
        while (konec < r_.delka && JePismeno(r[konec]))
            ++konec;
        slovo = r.substr(static_cast<std::size_t>(pos), static_cast<std::size_t>(konec - pos));
    } else if (ZacinaCislo(pos)) {
        const Cislovka c = CtiCislovku(pos, true, true);
        konec = c.konec;
        if (c.znacky)
            slovo = TextCisla(c.hodnota);
        else
            slovo = r.substr(static_cast<std::size_t>(pos), static_cast<std::size_t>(konec - pos));
        if (c.uzavreno) {
            r_.sloupec = konec;
            return slovo;
        }
    } else {
        const int n = DelkaZnakuNa(pos);
        r_.sloupec = pos + n;
        return std::string(r.substr(static_cast<std::size_t>(pos), static_cast<std::size_t>(n)));
    }
    if (konec < r_.delka && (JeMezera(r[konec]) || r[konec] == ';' || r[konec] == ','))
        ++konec;
    r_.sloupec = konec;
    return VelkaPismena ? lomvira::VelkaPismena(slovo) : slovo;
}

std::string Vstup::GetKS()
{
    const std::string_view r = Radek();
    int pos = PreskocMezery(r_.sloupec);
    // The word is one run of the line: its characters and the single blanks inside it.
    const int zacatek = pos;
    int konec = pos;
    bool mezera = false;
    while (pos < r_.delka) {
        const unsigned char b = static_cast<unsigned char>(r[pos]);
        const bool znacka = MoznaZnacka(pos);
        // "=" and a control character start the next token. So do a comment and a
        // bracket: taking them here would hand their text to the parser as fields.
        if (b == '=' || (znacka && (JeZnakZeSady(ridiciZnaky_, pos) || JeZnakNa(komentar_, pos) || JeZavorkaNa(pos))))
            break;
        if ((znacka && JeOddelovacNa(pos)) || b < 32) {
            pos += DelkaZnakuNa(pos);
            break;
        }
        if (b == ' ') {
            ++pos;
            if (!MezeraVeSlove || mezera)
                break;
            mezera = true;
            konec = pos;
            continue;
        }
        mezera = false;
        pos += b < 0x80 ? 1 : DelkaZnakuNa(pos);
        konec = pos;
    }
    r_.sloupec = pos;
    std::string_view slovo = r.substr(static_cast<std::size_t>(zacatek), static_cast<std::size_t>(konec - zacatek));
    while (!slovo.empty() && JeMezera(slovo.back()))
        slovo.remove_suffix(1);
    std::string vysledek;
    if (VelkaPismena && std::any_of(slovo.begin(), slovo.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
        vysledek = lomvira::VelkaPismena(slovo);
    else {
        vysledek = slovo;
        if (VelkaPismena)
            std::transform(vysledek.begin(), vysledek.end(), vysledek.begin(), Velke);
    }
    ZbytkovyOddelovac();
    return vysledek;
}

std::string Vstup::GetPTH()
{
    const std::string_view r = Radek();
    int pos = PreskocMezery(r_.sloupec);
    r_.sloupec = pos;
    if (!JeZnakNa(uvozovky_, pos)) {
        ZbytkovyOddelovac();
        return {};
    }
    pos += static_cast<int>(uvozovky_.size());
    std::string text;
    bool uzavreno = false;
    while (pos < r_.delka) {
        if (JeZnakNa(uvozovky_, pos)) {
            pos += static_cast<int>(uvozovky_.size());
            uzavreno = true;
            break;
        }
        const int n = DelkaZnakuNa(pos);
        if (!text.empty() || !JeMezera(r[pos]))
            text.append(r, static_cast<std::size_t>(pos), static_cast<std::size_t>(n));
        pos += n;
    }
    r_.sloupec = pos;
    if (!uzavreno && platforma_)
        platforma_->ZpravaBox("Chybí konec uvozovek!", MsgBox::OkOnly, "Lomvira");
    if (VelkaPismena)
        text = lomvira::VelkaPismena(text);
    ZbytkovyOddelovac();
    return text;
}

// --- blocks and comments --------------------------------------------------------------------

std::string Vstup::GetZavorka()
{
    chyba_ = ChybaVstupu::Zadna;
    const std::string prvni = GetZnak();
    if (oteviraci_.empty() || prvni != oteviraci_) {
        r_.sloupec = 0;
        chyba_ = ChybaVstupu::ChybiOteviraciZavorka;
        return {};
    }
    const Pozice zacatek = r_;
    const bool zacatekLF = KonecLF;
    std::string blok;
    int hloubka = 1;
    while (hloubka > 0) {
        const int od = r_.sloupec;
        const int komentar = NajdiNaRadku(komentar_, od);
        const int otevreni = NajdiNaRadku(oteviraci_, od);
        const int zavreni = NajdiNaRadku(uzaviraci_, od);
        // On a tie the closing bracket wins, so one character can open and close.
        if (zavreni < r_.delka && zavreni <= otevreni && zavreni <= komentar) {
            blok.append(Radek(), static_cast<std::size_t>(od), static_cast<std::size_t>(zavreni - od));
            if (hloubka >= 2)
                blok += uzaviraci_;
            --hloubka;
            r_.sloupec = zavreni + static_cast<int>(uzaviraci_.size());
        } else if (otevreni < r_.delka && otevreni <= komentar) {
            const int za = otevreni + static_cast<int>(oteviraci_.size());
            blok.append(Radek(), static_cast<std::size_t>(od), static_cast<std::size_t>(za - od));
            ++hloubka;
            r_.sloupec = za;
        } else {
            // The rest of the line, a comment with any brackets in it included.
            blok.append(Radek(), static_cast<std::size_t>(od));
            blok += "\r\n";
            if (JePosledniRadek()) {
                r_ = zacatek;
                KonecLF = zacatekLF;
                peekSloupec_ = -1;
                zacatekSlova_ = 0;
                chyba_ = ChybaVstupu::ChybiUzaviraciZavorka;
                break;
            }
            NovyRadek();
        }
    }
    if (ZavorkaJednoradkova)
        std::replace_if(blok.begin(), blok.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return blok;
}

std::string Vstup::GetKomentar()
{
    chyba_ = ChybaVstupu::Zadna;
    const int sloupec = r_.sloupec;
    if (komentar_.empty() || GetZnak() != komentar_) {
        r_.sloupec = sloupec;
        chyba_ = ChybaVstupu::ChybiKomentar;
        return {};
    }
    return std::string(Radek().substr(static_cast<std::size_t>(r_.sloupec)));
}

// --- settings -------------------------------------------------------------------------------

void Vstup::ZnackyZnovu()
{
    std::fill(std::begin(znacky_), std::end(znacky_), false);
    for (const std::string* sada : {&ridiciZnaky_, &oddelovace_, &oteviraci_, &uzaviraci_, &komentar_, &uvozovky_})
        for (char c : *sada)
            znacky_[static_cast<unsigned char>(c)] = true;
}

void Vstup::RidiciZnak(std::string_view znaky)
{
    ridiciZnaky_ = BezMezer(znaky);
    ZnackyZnovu();
    peekSloupec_ = -1;
}

void Vstup::Oddelovac(std::string_view znaky)
{
    oddelovace_ = BezMezer(znaky);
    ZnackyZnovu();
    peekSloupec_ = -1;
}

void Vstup::Zavorka(std::string_view par)
{
    oteviraci_ = PrvniZnak(par);
    uzaviraci_ = PrvniZnak(par.substr(oteviraci_.size()));
    if (uzaviraci_.empty())
        uzaviraci_ = oteviraci_;
    ZnackyZnovu();
    peekSloupec_ = -1;
}

void Vstup::Komentar(std::string_view znak)
{
    komentar_ = PrvniZnak(znak);
    ZnackyZnovu();
    peekSloupec_ = -1;
}

void Vstup::Uvozovky(std::string_view znak)
{
    uvozovky_ = PrvniZnak(znak);
    ZnackyZnovu();
    peekSloupec_ = -1;
}

} // namespace lomvira
