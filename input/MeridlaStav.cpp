#include "input/MeridlaStav.h"

#include "input/Chybovnik.h"

#include "common/Cisla.h"
#include "common/Nastaveni.h"
#include "common/Platforma.h"
#include "input/KlicovaSlova.h"
#include "input/Vstup.h"

#include <algorithm>
#include <cmath>

namespace lomvira {

namespace {

double OmezPresnostDelky(double procenta)
{
    return std::clamp(std::fabs(procenta) / 100.0, MinPresnostDelky, MaxPresnostDelky);
}

double OmezPresnostUhlu(double hodnota, int jednotky)
{
    return std::clamp(NaRadiany(std::fabs(hodnota), jednotky), MinPresnostUhlu, MaxPresnostUhlu);
}

// The lines of a definition block; the lexer reads each one on its own, so the last line is
// read whatever its length.
std::vector<std::string> RadkyBloku(const std::string& blok)
{
    std::vector<std::string> radky;
    std::size_t od = 0;
    for (;;) {
        const std::size_t lf = blok.find('\n', od);
        std::string radek = blok.substr(od, lf == std::string::npos ? std::string::npos : lf - od);
        if (!radek.empty() && radek.back() == '\r')
            radek.pop_back();
        radky.push_back(std::move(radek));
        if (lf == std::string::npos)
            return radky;
        od = lf + 1;
    }
}

// A lexer on one line of a definition, with the notebook's settings and comments cut away.
void CtiRadek(Vstup& vstup, const std::string& radek)
{
    vstup.NastavProZapisnik();
    vstup.OriznoutKomentar = true;
    vstup.Soubor(radek);
}

// Walks the property lines after the name line: each "!" property "=" value. `hodnota`
// reads the value of property number n (in `tabulka`) from the lexer and is told the
// line's index. Returns 0, 43, 2 or 8, and the index of the faulty line in `chybny`.
template <class F>
int ProjdiVlastnosti(const std::vector<std::string>& radky, const char* tabulka, F hodnota, std::size_t& chybny)
{
    const KlicovaSlova vlastnosti(tabulka);
    Vstup vstup;
    for (std::size_t i = 0; i < radky.size(); ++i) {
        chybny = i;
        CtiRadek(vstup, radky[i]);
        const int trida = vstup.CoNasleduje();
        if (trida < 0)
            continue;
        if (trida != Trida::RidiciZnak)
            return 43;
        vstup.GetZnak();
        const std::string vlastnost = vstup.GetKS();
        if (!vstup.GetRovnitko())
            return 2;
        const int cislo = vlastnosti.KSHle(vlastnost);
        if (cislo == 0)
            return 43;
        hodnota(cislo, vstup, i);
        if (vstup.CisloMimoRozsah())
            return ChybaHodnoty;
    }
    return 0;
}

// A word of a keyword table as a code from 0; an unknown word gives 0.
int KodSlova(Vstup& vstup, const char* tabulka)
{
    const int cislo = KlicovaSlova(tabulka).KSHle(vstup.GetKS());
    return cislo > 0 ? cislo - 1 : 0;
}

} // namespace

int JednotkaZPismen(std::string_view pismena, int vychozi)
{
    for (char c : pismena) {
        switch (c) {
        case 'D': return JednotkaStupne;
        case 'G': return JednotkaGrady;
        case 'R': return JednotkaRadiany;
        default: break;
        }
    }
    return vychozi;
}

MeridlaStav::MeridlaStav(const Volby& volby)
{
    anonDelkomer_ = std::make_shared<Delkomer>();
    anonDelkomer_->Presnost = volby.DK;
    anonDelkomer_->Anonym = true;
    anonKompas_ = lomvira::Kompas::CreateAnonym(volby.FK, 0);
    anonSklonomer_ = std::make_shared<Sklonomer>();
    anonSklonomer_->Presnost = volby.EK;
    anonSklonomer_->Anonym = true;
    aktDelkomer_ = anonDelkomer_;
    aktKompas_ = anonKompas_;
    aktSklonomer_ = anonSklonomer_;
}

// --- definition ------------------------------------------------------------------------

int MeridlaStav::Definice(int druh, const std::string& blok, std::int32_t datum, const MyMsgBoxFn& box,
                          int* radekChyby)
{
    const std::vector<std::string> radky = RadkyBloku(blok);
    Vstup vstup;
    std::size_t i = 0;
    for (; i < radky.size(); ++i) {
        CtiRadek(vstup, radky[i]);
        if (vstup.CoNasleduje() >= 0)
            break;
    }
    if (radekChyby)
        *radekChyby = static_cast<int>(std::min(i, radky.size() - 1));
    if (i == radky.size())
        return 51;
    const int trida = vstup.CoNasleduje();
    if (trida != Trida::Pismeno && trida != Trida::Cislo && trida != Trida::Oddelovac)
        return 51;
    const std::string jmeno = vstup.GetKS();
    if (jmeno.empty())
        return 51; // a leading separator leaves no name to select the instrument by
    const std::vector<std::string> vlastnosti(radky.begin() + static_cast<std::ptrdiff_t>(i) + 1, radky.end());
    std::size_t chybny = 0;
    int chyba = 0;
    switch (druh) {
    case DruhMeridla::Delkomer: chyba = DefiniceDelkomeru(jmeno, vlastnosti, datum, chybny); break;
    case DruhMeridla::Sklonomer: chyba = DefiniceSklonomeru(jmeno, vlastnosti, datum, chybny); break;
    default: chyba = DefiniceKompasu(jmeno, vlastnosti, datum, box, chybny); break;
    }
    // Errors of the name line (53) stay on it; the others lie on a property line.
    if (radekChyby && chyba != 0 && chyba != 53)
        *radekChyby = static_cast<int>(i + 1 + chybny);
    return chyba;
}

int MeridlaStav::DefiniceDelkomeru(const std::string& jmeno, const std::vector<std::string>& radky,
                                   std::int32_t datum, std::size_t& chybny)
{
    if (delkomery_.Exist(jmeno))
        return 53;
    double presnost = 0.0;
    int zpusob = ZpusobSikma;
    const int chyba = ProjdiVlastnosti(radky, Tabulka::VlastnostiMeridla, [&](int vlastnost, Vstup& v, std::size_t) {
        if (vlastnost == 2)
            presnost = std::fabs(v.GetHodnota());
        else if (vlastnost == 3)
            zpusob = KodSlova(v, Tabulka::ZpusobDelky);
    }, chybny);
    if (chyba == 0)
        delkomery_.Add(jmeno, 0, OmezPresnostDelky(presnost), zpusob, datum);
    return chyba;
}

int MeridlaStav::DefiniceSklonomeru(const std::string& jmeno, const std::vector<std::string>& radky,
                                    std::int32_t datum, std::size_t& chybny)
{
    if (sklonomery_.Exist(jmeno))
        return 53;
    double presnost = 0.0;
    int zpusob = ZpusobOdHorizontu;
    int jednotky = JednotkaStupne;
    const int chyba = ProjdiVlastnosti(radky, Tabulka::VlastnostiMeridla, [&](int vlastnost, Vstup& v, std::size_t) {
        if (vlastnost == 1)
            jednotky = KodSlova(v, Tabulka::JednotkyUhlu);
        else if (vlastnost == 2)
            presnost = std::fabs(v.GetHodnota());
        else
            zpusob = KodSlova(v, Tabulka::ZpusobSklonu);
    }, chybny);
    if (chyba == 0)
        sklonomery_.Add(jmeno, jednotky, OmezPresnostUhlu(presnost, jednotky), zpusob, datum);
    return chyba;
}

int MeridlaStav::DefiniceKompasu(const std::string& jmeno, const std::vector<std::string>& radky,
                                 std::int32_t datum, const MyMsgBoxFn& box, std::size_t& chybny)
{
    const auto existujici = kompasy_.KompasDef(jmeno);
    double presnost = 0.0;
    std::optional<double> odchylka;
    std::string radekOdchylky;
    std::size_t indexOdchylky = 0;
    int jednotky = JednotkaStupne;
    // A compass defined again may only add a deviation.
    const char* tabulka = existujici ? Tabulka::VlastnostiOpakovanehoKompasu : Tabulka::VlastnostiKompasu;
    const int chyba = ProjdiVlastnosti(radky, tabulka, [&](int vlastnost, Vstup& v, std::size_t i) {
        if (vlastnost == 1) {
            odchylka = v.GetHodnota();
            radekOdchylky = v.Radek();
            indexOdchylky = i;
        } else if (vlastnost == 3) {
            jednotky = KodSlova(v, Tabulka::JednotkyUhlu);
        } else if (vlastnost == 4) {
            presnost = std::fabs(v.GetHodnota());
        }
    }, chybny);
    if (chyba != 0)
        return chyba;
    // The unit may follow the deviation, so the deviation is judged once both are known.
    if (odchylka && VicNezOtacka(*odchylka, existujici ? existujici->Jednotky : jednotky)) {
        chybny = indexOdchylky;
        return ChybaHodnoty;
    }
    if (!existujici) {
        kompasy_.Add(jmeno, jednotky, OmezPresnostUhlu(presnost, jednotky),
                     NaRadiany(odchylka.value_or(0.0), jednotky), datum);
    } else if (odchylka) {
        const std::string crlf = "\r\n";
        const std::string text = "Zastaraly zpusob zadani odchylky kompasu." + crlf + radekOdchylky + crlf +
                                 "Lepe je zadat odchylku pri vyberu kompasu prikazem:" + crlf +
                                 "! KOMPAS = jmeno_kompasu, odchylka";
        if (box)
            box(text, MsgBox::Information, "", 0);
        existujici->AddOdch(NaRadiany(*odchylka, existujici->Jednotky), datum);
    }
    return 0;
}

// --- selection and use -----------------------------------------------------------------

int MeridlaStav::Vyber(int druh, const std::string& jmeno, std::optional<double> odchylka, std::int32_t datum)
{
    if (jmeno.empty())
        return 51;
    switch (druh) {
    case DruhMeridla::Delkomer: {
        auto d = delkomery_.Delkomer(jmeno);
        if (!d)
            return 52;
        aktDelkomer_ = d;
        anonDelkomer_ = d->Copy();
        return 0;
    }
    case DruhMeridla::Sklonomer: {
        auto s = sklonomery_.Sklonomer(jmeno);
        if (!s)
            return 52;
        aktSklonomer_ = s;
        anonSklonomer_ = s->Copy();
        return 0;
    }
    default: {
        auto def = kompasy_.KompasDef(jmeno);
        if (!def)
            return 52;
        if (odchylka && VicNezOtacka(*odchylka, def->Jednotky))
            return ChybaHodnoty;
        auto odch = odchylka ? def->AddOdch(NaRadiany(*odchylka, def->Jednotky), datum) : def->AktOdchylka();
        aktKompas_ = lomvira::Kompas(def, odch);
        anonKompas_ = aktKompas_.Copy();
        return 0;
    }
    }
}

void MeridlaStav::Pouzij()
{
    if (!aktDelkomer_->Pouzit) {
        if (aktDelkomer_->Anonym) {
            aktDelkomer_ = delkomery_.AddAnonym(*aktDelkomer_);
            anonDelkomer_ = aktDelkomer_->Copy();
        } else {
            aktDelkomer_->Pouzit = true;
        }
    }
    if (!aktSklonomer_->Pouzit) {
        if (aktSklonomer_->Anonym) {
            aktSklonomer_ = sklonomery_.AddAnonym(*aktSklonomer_);
            anonSklonomer_ = aktSklonomer_->Copy();
        } else {
            aktSklonomer_->Pouzit = true;
        }
    }
    PouzijKompas();
}

void MeridlaStav::PouzijKompas()
{
    if (aktKompas_.Use())
        return;
    if (aktKompas_.Anonym()) {
        aktKompas_ = kompasy_.AddAnonym(aktKompas_);
        anonKompas_ = aktKompas_.Copy();
    } else {
        aktKompas_.Use(true);
    }
}

// --- declination -----------------------------------------------------------------------

int MeridlaStav::JednotkaDeklinace(std::string_view pismena) const
{
    return JednotkaZPismen(pismena, aktKompas_.Jednotky());
}

const std::shared_ptr<Deklinace>& MeridlaStav::PridejDeklinaci(double hodnota, std::string_view pismena,
                                                              std::optional<std::int32_t> datum,
                                                              double prirustek, std::string_view pismenaPrirustku,
                                                              std::int32_t aktualniDatum)
{
    const int jednotky = JednotkaDeklinace(pismena);
    const int jednotkyPrirustku = JednotkaZPismen(pismenaPrirustku, aktKompas_.Jednotky());
    deklinace_.Add(NaRadiany(hodnota, jednotky), datum.value_or(aktualniDatum), jednotky,
                   NaRadiany(prirustek, jednotkyPrirustku));
    return deklinace_.AktDekl();
}

// --- old commands ----------------------------------------------------------------------

template <class T>
void MeridlaStav::Zastaraly(T& meridlo, std::int32_t datum)
{
    meridlo.Anonym = true;
    meridlo.Pouzit = false;
    meridlo.Datum = datum;
}

void MeridlaStav::ZastaralaVzdalenost(int zpusob, std::int32_t datum)
{
    Zastaraly(*anonDelkomer_, datum);
    if (zpusob >= ZpusobSikma && zpusob <= ZpusobSvisla)
        anonDelkomer_->Zpusob = zpusob;
    aktDelkomer_ = anonDelkomer_;
}

void MeridlaStav::ZastaralaJednotkaAzimutu(int jednotky, std::int32_t datum)
{
    KompasDef& def = *anonKompas_.Definice();
    Zastaraly(def, datum);
    if (jednotky >= JednotkaStupne && jednotky <= JednotkaRadiany)
        def.Jednotky = jednotky;
    aktKompas_ = anonKompas_ = lomvira::Kompas(anonKompas_.Definice(), def.AddOdch(0.0, datum));
}

void MeridlaStav::ZastaralySklonomer(std::int32_t datum, int zpusob, int jednotky)
{
    Zastaraly(*anonSklonomer_, datum);
    if (zpusob == ZpusobOdHorizontu || zpusob == ZpusobOdZenitu)
        anonSklonomer_->Zpusob = zpusob;
    if (jednotky >= JednotkaStupne && jednotky <= JednotkaRadiany)
        anonSklonomer_->Jednotky = jednotky;
    aktSklonomer_ = anonSklonomer_;
}

void MeridlaStav::ZastaralePresnosti(double delka, double kompas, std::string_view pismenaKompasu, double sklon,
                                     std::string_view pismenaSklonu, std::int32_t datum)
{
    Zastaraly(*anonDelkomer_, datum);
    anonDelkomer_->Presnost = OmezPresnostDelky(delka);
    aktDelkomer_ = anonDelkomer_;

    KompasDef& def = *anonKompas_.Definice();
    Zastaraly(def, datum);
    def.Presnost = OmezPresnostUhlu(kompas, JednotkaZPismen(pismenaKompasu, def.Jednotky));
    aktKompas_ = anonKompas_ = lomvira::Kompas(anonKompas_.Definice(), def.AktOdchylka());

    Zastaraly(*anonSklonomer_, datum);
    anonSklonomer_->Presnost = OmezPresnostUhlu(sklon, JednotkaZPismen(pismenaSklonu, anonSklonomer_->Jednotky));
    aktSklonomer_ = anonSklonomer_;
}

} // namespace lomvira
