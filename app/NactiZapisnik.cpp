#include "app/NactiZapisnik.h"

#include "common/Cisla.h"
#include "common/Pamet.h"
#include "app/Kontext.h"
#include "common/Text.h"
#include "input/Chybovnik.h"
#include "input/Nacti.h"
#include "network/Krizovat.h"

#include <new>
#include <string_view>
#include <utility>
#include <vector>
#include <stdexcept>

namespace lomvira {

std::string TitulekSouboru(const std::string& path)
{
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

namespace {

// The notebook error of a measurement the shot table refused, by the table's reason.
int ChybaOdmitnuteZamery(OdmitnutiZamery duvod)
{
    switch (duvod) {
    case OdmitnutiZamery::NeplatnyBod: return ChybaPoctuBodu;
    case OdmitnutiZamery::PrilisMnohoZamer: return ChybaPoctuZamer;
    case OdmitnutiZamery::PrilisMnohoMereni: return ChybaPoctuMereni;
    default: return ChybaHodnoty;
    }
}

} // namespace

PrevodZapisniku::PrevodZapisniku(Kontext& k, Nacti& nacti) : k_(k), nacti_(nacti)
{
    // A line gives at most one shot and, in a cave, about one new station.
    const std::size_t radku = nacti.PocetRadku();
    k.model.stations.ReserveStations(radku);
    k.model.shots.ReserveShots(radku);
    k.seznamMereni.ReserveListing(radku);
    stanicePBodu_.reserve(radku + 1);
    jmenaJednoznacna_ = k.model.stations.StationCount() == 0;
}

namespace {

// A name the 10-character form of station names leaves as it is, bar the padding: short,
// ASCII (unchanged by normalisation) and not ending in a blank.
bool JmenoBezZmeny(std::string_view jmeno)
{
    return jmeno.size() <= DelkaJmenaBodu && (jmeno.empty() || jmeno.back() != ' ') && JeAscii(jmeno);
}

} // namespace

CisloBodu PrevodZapisniku::Stanice(int pbod, std::string_view jmeno, bool& novy)
{
    novy = false;
    auto pridej = [&] {
        std::string j(jmeno);
        jmenaJednoznacna_ = false;
        return k_.model.stations.AddStation(j, &novy);
    };
    if (pbod < 1)
        return pridej();
    if (stanicePBodu_.size() <= static_cast<std::size_t>(pbod))
        stanicePBodu_.resize(static_cast<std::size_t>(pbod) + 1, 0);
    CisloBodu& n = stanicePBodu_[static_cast<std::size_t>(pbod)];
    if (n != 0)
        return n;
    // The parser tells each name apart; while no name has been cut or changed, neither
    // does the model, and the new parser point needs no search there.
    if (jmenaJednoznacna_ && JmenoBezZmeny(jmeno)) {
        n = k_.model.stations.PridejNovou(jmeno);
        novy = n != 0;
    } else {
        n = pridej(); // the name is copied only for a station met for the first time
    }
    return n;
}

bool PrevodZapisniku::operator()(const Mereni& m)
{
    Model& model = k_.model;
    // The faulty line's own record counts only when it is complete (a refused
    // forward/back check); incomplete records lack their stations.
    if (!m.uplny)
        return true;
    bool novyOd = false, novyK = false;
    const int a = Stanice(m.pbodOd, m.od, novyOd);
    const int b = Stanice(m.pbodK, m.k, novyK);
    if (a == 0 || b == 0) {
        nacti_.NastavChybuMereni(ChybaPoctuBodu, m);
        return false;
    }
    if (!m.textA.empty())
        model.stations.SetStationNote(a, std::string(m.textA), k_.platforma);
    if (!m.textB.empty())
        model.stations.SetStationNote(b, std::string(m.textB), k_.platforma);
    int stav = (novyOd ? 1 : 0) + (novyK ? 2 : 0);
    model.regions.AssignShotRegion(a, b, stav);

    const double deklinace = m.deklinace ? m.deklinace->Hodnota : 0.0;
    const double odchylka = m.kompas.Platny() ? m.kompas.HodnotaOdchylky() : 0.0;
    const double smer = PI / 2 - (m.stredniAzimut + deklinace + odchylka);
    OdmitnutiZamery duvod = OdmitnutiZamery::Zadne;
    const int shot = model.shots.AddShot(a, b, m.sikmaDelka, smer, m.sklonRad, m.delkomer->Presnost,
                                         m.kompas.Presnost(), m.sklonomer->Presnost, &duvod, novyOd || novyK);
    if (shot == 0) {
        nacti_.NastavChybuMereni(ChybaOdmitnuteZamery(duvod), m);
        return false;
    }
    model.shots.SetShotStyles(shot, m.vrstva, m.misto);

    const int zpusobDelky = m.zpusobDelky >= 0 ? m.zpusobDelky : m.delkomer->Zpusob;
    const int jednotkyAzimutu = m.jednotkyAzimutu >= 0 ? m.jednotkyAzimutu : m.kompas.Jednotky();
    const int zpusobSklonu = m.zpusobSklonu >= 0 ? m.zpusobSklonu : m.sklonomer->Zpusob;
    const int jednotkySklonu = m.jednotkySklonu >= 0 ? m.jednotkySklonu : m.sklonomer->Jednotky;
    const std::int16_t flags =
        PackFlags(zpusobDelky, m.maZpetnyAzimut ? 1 : 0, jednotkyAzimutu, zpusobSklonu, jednotkySklonu);
    SeznamMereni& seznam = k_.seznamMereni;
    seznam.AddListingRecord(a, b, m.delka, m.azimut, m.zpetnyAzimut, m.sklon, flags, odchylka, deklinace,
                            model.stations.StationName(a), model.stations.StationName(b), shot);
    seznam.NastavRadekZapisniku(seznam.ListingCount(), m.zacatekRadku, static_cast<std::int32_t>(m.radek.size()));
    return true;
}

void PrevodZapisniku::DaneBody()
{
    k_.model.stations.Indexuj();
    const DBody& dane = nacti_.DBody();
    for (std::int32_t i = 1; i <= dane.Count(); ++i) {
        const Bod& b = dane.Bod(i)->Bod();
        if (k_.model.givenPoints.SetGivenPoint(b.Name, b.X, b.Y, b.Z, k_.platforma) != 0)
            k_.model.givenPoints.SetGivenPointSource(b.Name, "", "", k_.platforma);
    }
}

namespace {

void OhlasChybu(Kontext& k, const Nacti& nacti, OknoZapisniku* okno)
{
    if (okno)
        okno->OznacChybnyRadek(nacti.ErrorRowStart() - 1, nacti.ErrorRowLen());
    k.StavovyRadek("Načítání zápisníku skončilo chybou " + std::to_string(nacti.Error()));
    if (okno)
        okno->PrepniNaZapisnik();
    // An error the parser gave no context of its own is explained under its number.
    const bool maText = !ChybaText(nacti.Error()).empty();
    const int napoveda = maText && nacti.ErrorHelp() != 0 ? nacti.ErrorHelp() : nacti.Error();
    k.platforma.ZpravaBox(ZpravaOChybe(nacti), MsgBox::OkOnly | MsgBox::Exclamation | MsgBox::HelpButton, {},
                          napoveda);
    if (okno)
        okno->ZamerEditor();
}

void ZapisnikBezPameti(Kontext& k)
{
    // The half-built survey goes: it holds the memory and none of it is usable.
    k.model.Clear();
    k.sit.Clear();
    k.seznamMereni.ClearListing();
    k.razeniBodu = Razeni();
    k.nacti.reset();
    k.posledniChybaNacteni = ChybaMimoZapisnik;
    NedostatekPameti(k, "Zápisník nelze načíst: nedostatek paměti.", 0);
}

void NactiBezOchrany(Kontext& k, std::string text, OknoZapisniku* okno)
{
    k.stav.Stav = 0;
    k.posledniChybaNacteni = 0;
    k.stav.Hotovo = 0;
    k.model.Clear();
    k.sit.Clear();
    k.seznamMereni.ClearListing();
    k.razeniBodu = Razeni();
    PripravPametProZapisnik(text.size());

    if (k.volby.TOLERANCE <= 0)
        k.volby.TOLERANCE = ToleranceAzimutu(k.volby);
    k.seznamMereni.NastavVychoziPresnosti(k.volby.DK, k.volby.FK, k.volby.EK);

    k.nacti = std::make_unique<Nacti>(k.platforma, k.volby);
    k.nacti->JmenoSouboru(TitulekSouboru(k.souborZapisniku));
    k.nacti->Zapisnik(std::move(text));
    k.nacti->Interaktivni = true;
    Nacti& nacti = *k.nacti;
    // Each record goes into the model as its line is read, and is not kept.
    PrevodZapisniku prevod(k, nacti);
    nacti.PredavejMereni([&prevod](const Mereni& m) { prevod(m); });
    nacti.Zpracuj();
    nacti.PredavejMereni({});
    prevod.DaneBody();
    k.razeniBodu.Rezervuj(static_cast<std::size_t>(k.model.stations.StationCount()));
    for (int s = 1; s <= k.model.stations.StationCount(); ++s)
        k.razeniBodu.Add(Orizni(k.model.stations.StationName(s)), s);

    if (nacti.IsError()) {
        OhlasChybu(k, nacti, okno);
        k.posledniChybaNacteni = nacti.Error();
        return;
    }
    const int n = k.model.stations.StationCount();
    k.StavovyRadek("Komprese OBLASTÍ");
    k.model.regions.CompressRegions(n);
    k.StavovyRadek("Vytřídění bodů do oblastí");
    k.model.regions.BuildRegionLists(n);
    k.StavovyRadek("Přiřazení daných bodů");
    k.model.RebuildConnections();
    k.StavovyRadek("Sestavení uzlů");
    SestavUzly(k.sit);
    k.stav.Hotovo |= HotovoNacteno;
    k.StavovyRadek("");
    k.stav.Stav = 1;
    k.seznamMereni.VypocetOdchylek(k.model, k.platforma, false, nullptr);
    if (okno)
        okno->NastavTitulek(nacti.LokalitaZapisniku().jmeno);
}

} // namespace

namespace {

// The text is copied (or moved) inside the guard, so that a copy too large for the memory
// ends the load like any other shortage.
template <class Text>
void NactiChranene(Kontext& k, Text&& text, OknoZapisniku* okno)
{
    Prace prace(k.stav);
    if (!prace.Ziskano())
        return;
    // Running out of memory ends the load like any failed load: told, nothing loaded.
    try {
        NactiBezOchrany(k, std::string(std::forward<Text>(text)), okno);
    } catch (const std::bad_alloc&) {
        ZapisnikBezPameti(k);
    } catch (const std::length_error&) {
        ZapisnikBezPameti(k);
    }
}

} // namespace

void NactiZapisnik(Kontext& k, const std::string& text, OknoZapisniku* okno)
{
    NactiChranene(k, text, okno);
}

void NactiZapisnik(Kontext& k, std::string&& text, OknoZapisniku* okno)
{
    NactiChranene(k, std::move(text), okno);
}

} // namespace lomvira
