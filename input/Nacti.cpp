#include "input/Nacti.h"

#include "common/Cisla.h"
#include "common/Platforma.h"
#include "common/Soubory.h"
#include "common/Text.h"
#include "coords/KrovakJTSK.h"
#include "coords/SourSystTransf.h"
#include "input/Chybovnik.h"
#include "input/Datum.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lomvira {

namespace {

const char* const CRLF = "\r\n";

// Command numbers of the command table.
enum Prikaz {
    PrVzd = 1, PrHorUh, PrVerUh, PrSouSys, PrVypPom, PrLokalita, PrSada, PrDelkomer, PrKompas, PrSklonomer,
    PrDeklinace, PrVrstva, PrMisto, PrDatum
};

// The unit letters of a suffix: the last of the given letters wins.
int PosledniPismeno(std::string_view pismena, std::string_view mozna, int vychozi)
{
    int vysledek = vychozi;
    for (char c : pismena) {
        const auto i = mozna.find(c);
        if (i != std::string_view::npos)
            vysledek = static_cast<int>(i);
    }
    return vysledek;
}

} // namespace

std::string ZpravaOChybe(const Nacti& nacti)
{
    const std::string text = ChybaText(nacti.Error());
    if (!text.empty())
        return text + CRLF + nacti.ErrorRow();
    return "Chyba " + std::to_string(nacti.Error()) + " v řádku:" + CRLF + nacti.ErrorRow();
}

int CisloRadku(const std::string& text, std::int32_t zacatekRadku)
{
    int radek = 1;
    const std::size_t konec = std::min<std::size_t>(zacatekRadku > 0 ? zacatekRadku - 1 : 0, text.size());
    // A lone CR, a LF and a CR LF each end one line.
    for (std::size_t i = 0; i < konec; ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
            ++radek;
    return radek;
}

double ToleranceAzimutu(const Volby& volby)
{
    return volby.TOLERANCE > 0 ? volby.TOLERANCE : 5.0 / 180.0 * PI;
}

Nacti::Nacti(Platforma& platforma, const Volby& volby)
    : platforma_(platforma), volby_(volby), tolerance_(ToleranceAzimutu(volby)), vstup_(&platforma)
{
    Reset({});
}

Nacti::~Nacti() = default;

void Nacti::Zapisnik(std::string text)
{
    Reset(std::move(text));
}

void Nacti::JmenoSouboru(const std::string& name)
{
    jmenoSouboru_ = name;
    if (lokalita_.zacatekPrikazu == 0)
        lokalita_.jmeno = name;
}

void Nacti::Reset(std::string text)
{
    // The reader holds the one copy of the text; the records' lines are views into it.
    vstup_ = Vstup(&platforma_);
    vstup_.NastavProZapisnik();
    vstup_.Soubor(std::move(text));
    pocetRadku_ = 0;
    prikazy_.Klice(Tabulka::Prikazy);
    meridla_ = std::make_unique<MeridlaStav>(volby_);
    mereni_.clear();
    texty_.clear();
    lokalita_ = Lokalita{jmenoSouboru_, {}, 0};
    sourSys_ = SourSystem();
    dbody_ = lomvira::DBody();
    pbody_ = lomvira::PBody();
    mista_.Clear();
    vrstvy_.Clear();
    misto_ = vrstva_ = 0;
    pbodyPredchozi_[0] = pbodyPredchozi_[1] = 0;
    datum_ = 0;
    azimutKontrola_ = false;
    zacatekPrikazu_ = 0;
    posledniKomentar_.clear();
    error_ = 0;
    errorRow_.clear();
    errorRowStart_ = errorRowLen_ = 0;
    errorHelp_ = 0;
}

std::vector<std::string> Nacti::PodleCisel(const Index& index)
{
    std::vector<std::string> jmena(static_cast<std::size_t>(index.Count()));
    for (std::int32_t poradi = 1; poradi <= index.Count(); ++poradi)
        jmena[static_cast<std::size_t>(index.ItemNo(-poradi) - 1)] = index.Key(poradi);
    return jmena;
}

const Mereni* Nacti::MereniZaznam(int i) const
{
    if (i < 1 || i > MereniCount())
        return nullptr;
    return &mereni_[static_cast<std::size_t>(i - 1)];
}

int Nacti::MyMsgBox(const std::string& prompt, int style, const std::string& title, int helpContext)
{
    if (Interaktivni)
        return platforma_.ZpravaBox(prompt, style, title, helpContext);
    return MsgBox::DefaultAnswer(style);
}

void Nacti::NastavChybu(int number, int help)
{
    error_ = number;
    errorHelp_ = help;
    errorRowStart_ = static_cast<std::int32_t>(vstup_.ZacatekRadku());
    errorRowLen_ = vstup_.DelkaRadku();
    errorRow_ = vstup_.Radek();
}

void Nacti::NastavChybuMereni(int number, const Mereni& m)
{
    if (error_ > 0)
        return;
    error_ = number;
    errorHelp_ = 0;
    errorRowStart_ = m.zacatekRadku;
    errorRowLen_ = static_cast<std::int32_t>(m.radek.size());
    errorRow_ = m.radek;
}

void Nacti::NastavChybuNaRadku(int number, std::int32_t zacatek, int dalsi)
{
    const std::string& text = vstup_.Soubor();
    const std::size_t n = text.size();
    auto jeKonec = [&text](std::size_t i) { return text[i] == '\n' || text[i] == '\r'; };
    std::size_t od = zacatek > 0 ? std::min<std::size_t>(static_cast<std::size_t>(zacatek) - 1, n) : 0;
    for (int k = 0; k < dalsi && od < n; ++k) {
        while (od < n && !jeKonec(od))
            ++od;
        od += (od + 1 < n && text[od] == '\r' && text[od + 1] == '\n') ? 2 : 1;
    }
    od = std::min(od, n);
    std::size_t po = od;
    while (po < n && !jeKonec(po))
        ++po;
    error_ = number;
    errorHelp_ = 0;
    errorRowStart_ = static_cast<std::int32_t>(od + 1);
    errorRowLen_ = static_cast<std::int32_t>(po - od);
    errorRow_ = text.substr(od, po - od);
}

std::size_t Nacti::PocetRadku() const
{
    if (pocetRadku_ == 0) {
        const std::string& text = vstup_.Soubor();
        std::size_t radku = PocetBajtu(text, '\n');
        if (radku == 0)
            radku = PocetBajtu(text, '\r');
        pocetRadku_ = radku + 1;
    }
    return pocetRadku_;
}

void Nacti::Zpracuj()
{
    const std::string& text = vstup_.Soubor();
    if (text.empty()) {
        MyMsgBox("nebyl zadan soubor zapisniku", MsgBox::OkOnly);
        return;
    }
    // At most one record a line: room for all of them at once.
    const std::size_t radku = PocetRadku();
    if (!prevzeti_)
        mereni_.reserve(radku);
    pbody_.Rezervuj(radku);
    vstup_.NaZacatek();
    while (!vstup_.Konec()) {
        if (vstup_.DelkaRadku() > static_cast<int>(MaxDelkaRadku)) {
            NastavChybu(ChybaDelkyRadku);
            break;
        }
        switch (vstup_.CoNasleduje()) {
        case Trida::KonecRadku:
        case Trida::KonecTextu: break;
        case Trida::RidiciZnak: {
            const std::string znak = vstup_.GetZnak();
            if (znak == "!")
                PrikazovyRadek();
            else
                DanyBod();
            break;
        }
        case Trida::Komentar: posledniKomentar_ = Orizni(vstup_.GetKomentar()); break;
        default: MericiRadek(); break;
        }
        if (error_ > 0)
            break;
        vstup_.NovyRadek();
    }
    PrevedDaneBody();
}

// The S-JTSK grid position (X south, Y west) of a given point as the notebook wrote it.
static KrovakRovina PolohaJTSK(const SourSystem& system, const Bod& zapsany)
{
    if (EfektivniPoradi(system, 0) == 1)
        return {zapsany.Y, zapsany.X};
    return {zapsany.X, zapsany.Y};
}

void Nacti::PrevedDaneBody()
{
    const std::int32_t pocet = dbody_.Count();
    if (sourSys_.JTSK() && sourSys_.AutomatickaKonvergence() > 1 && pocet > 0) {
        // The first given point, or the centroid of all of them.
        KrovakRovina p{0, 0};
        const std::int32_t n = sourSys_.AutomatickaKonvergence() == 2 ? 1 : pocet;
        for (std::int32_t i = 1; i <= n; ++i) {
            const KrovakRovina q = PolohaJTSK(sourSys_, dbody_.Bod(i)->Bod());
            p.X += q.X / n;
            p.Y += q.Y / n;
        }
        if (const auto geo = KrovakInverse(p.X, p.Y))
            sourSys_.NastavNatoc(MeridianovaKonvergence(geo->lambda, geo->fi));
        else
            MyMsgBox("Meridiánovou konvergenci nelze z daných bodů určit; počítá se s nulovou.",
                     MsgBox::OkOnly | MsgBox::Exclamation);
    }
    // The points as written become the output record; their coordinates turn into the
    // notebook frame the computation starts from.
    const SourSystTransf t(sourSys_);
    for (std::int32_t i = 1; i <= pocet; ++i) {
        DBod& bod = *dbody_.Bod(i);
        const Bod& zapsany = bod.Bod();
        const ZBod z{zapsany.Name, zapsany.X, zapsany.Y, zapsany.Z};
        const Bod g = t.ZVystupu(z);
        bod.SetZBod(z);
        bod.SetCoordinates(g.X, g.Y, g.Z);
    }
}

// --- commands ----------------------------------------------------------------------------

void Nacti::PrikazovyRadek()
{
    zacatekPrikazu_ = static_cast<std::int32_t>(vstup_.ZacatekRadku());
    const std::string slovo = vstup_.GetKS();
    const int cislo = prikazy_.KSHle(slovo);
    if (!vstup_.GetRovnitko() || cislo < 1 || cislo > 14 || cislo == PrSada) {
        NastavChybu(2);
        return;
    }
    switch (cislo) {
    case PrVzd: PrikazVzd(); break;
    case PrHorUh: PrikazHorUh(); break;
    case PrVerUh: PrikazVerUh(); break;
    case PrSouSys: PrikazSouSys(); break;
    case PrVypPom: PrikazVypPom(); break;
    case PrLokalita: PrikazLokalita(); break;
    case PrDelkomer:
    case PrKompas:
    case PrSklonomer: PrikazMeridlo(cislo); break;
    case PrDeklinace: PrikazDeklinace(); break;
    case PrVrstva: PrikazVrstva(); break;
    case PrMisto: PrikazMisto(); break;
    case PrDatum: PrikazDatum(); break;
    default: break;
    }
}

void Nacti::Zastarale(const std::string& advice)
{
    MyMsgBox(std::string("V zápisníku je použit zastaralý zpusob zadání měřidla:") + CRLF + std::string(vstup_.Radek()) + CRLF
                 + advice,
             MsgBox::Information);
}

void Nacti::PrikazVzd()
{
    Zastarale("Pro určení vlastností a způsobu zadávání vzdálenosti je lepší použít příkaz DELKOMER.");
    const int k = KlicovaSlova(Tabulka::ZpusobDelky).KSHle(vstup_.GetKS());
    meridla_->ZastaralaVzdalenost(k > 0 ? k - 1 : -1, datum_);
}

void Nacti::PrikazHorUh()
{
    const KlicovaSlova slova(Tabulka::HorUh);
    for (;;) {
        const int k = slova.KSHle(vstup_.GetKS());
        if (k == 0)
            break;
        if (k == 1) {
            azimutKontrola_ = false;
        } else if (k == 2) {
            azimutKontrola_ = true;
        } else {
            Zastarale("Pro určení vlastností a způsobu zadávání azimutu je lepší použít příkaz KOMPAS.");
            meridla_->ZastaralaJednotkaAzimutu(k - 3, datum_);
        }
    }
}

void Nacti::PrikazVerUh()
{
    Zastarale("Pro určení vlastností a způsobu zadávání sklonu je lepší použít příkaz SKLONOMER.");
    meridla_->ZastaralySklonomer(datum_);
    const KlicovaSlova slova(Tabulka::VerUh);
    for (;;) {
        const int k = slova.KSHle(vstup_.GetKS());
        if (k == 0)
            break;
        if (k == 1 || k == 2)
            meridla_->ZastaralySklonomer(datum_, k - 1, -1);
        else if (k == 3 || k == 4)
            meridla_->ZastaralySklonomer(datum_, -1, k - 3);
    }
}

void Nacti::PrikazVypPom()
{
    // Each read forgets the range of the one before, so the three are collected.
    const double delka = vstup_.GetHodnota();
    bool mimoRozsah = vstup_.CisloMimoRozsah();
    const double kompas = vstup_.GetHodnota();
    mimoRozsah = mimoRozsah || vstup_.CisloMimoRozsah();
    const std::string pismenaKompasu = vstup_.Parametr();
    const double sklon = vstup_.GetHodnota();
    mimoRozsah = mimoRozsah || vstup_.CisloMimoRozsah();
    const std::string pismenaSklonu = vstup_.Parametr();
    if (mimoRozsah) {
        NastavChybu(ChybaHodnoty);
        return;
    }
    meridla_->ZastaralePresnosti(delka, kompas, pismenaKompasu, sklon, pismenaSklonu, datum_);
    MyMsgBox("Výpočtový poměr je lepší zadávat jako součást měřidla.", MsgBox::Information);
}

void Nacti::PrikazLokalita()
{
    vstup_.VelkaPismena = false;
    const std::string jmeno = vstup_.GetPTH();
    const std::string cislo = vstup_.GetPTH();
    vstup_.VelkaPismena = true;
    if (lokalita_.zacatekPrikazu != 0) {
        MyMsgBox("Lokalitu lze zadat pouze jednou!", MsgBox::OkOnly);
        return;
    }
    lokalita_.jmeno = jmeno;
    lokalita_.cislo = cislo;
    lokalita_.zacatekPrikazu = zacatekPrikazu_;
}

void Nacti::PrikazMeridlo(int cislo)
{
    const int druh = cislo - 7;
    int chyba = 0;
    if (vstup_.CoNasleduje() == Trida::Zavorka) {
        const std::string blok = vstup_.GetZavorka();
        if (vstup_.Chyba() != 0) {
            chyba = cislo * 100 + vstup_.Chyba();
        } else {
            auto box = [this](const std::string& t, int style, const std::string& title, int help) {
                return MyMsgBox(t, style, title, help);
            };
            int radek = -1;
            chyba = meridla_->Definice(druh, blok, datum_, box, &radek);
            // The block runs from the command's line on: its faulty line is selected.
            if (chyba != 0 && radek >= 0) {
                NastavChybuNaRadku(chyba, zacatekPrikazu_, radek);
                return;
            }
        }
    } else {
        const std::string jmeno = vstup_.GetKS();
        std::optional<double> odchylka;
        if (druh == DruhMeridla::Kompas && vstup_.CoNasleduje() == Trida::Cislo) {
            odchylka = vstup_.GetHodnota();
            if (vstup_.CisloMimoRozsah()) {
                NastavChybu(ChybaHodnoty);
                return;
            }
        }
        chyba = meridla_->Vyber(druh, jmeno, odchylka, datum_);
    }
    if (chyba != 0)
        NastavChybu(chyba);
}

void Nacti::PrikazDeklinace()
{
    const double hodnota = vstup_.GetHodnota();
    const std::string pismena = vstup_.Parametr();
    // Each read forgets the range of the one before, so the three are collected.
    bool mimoRozsah = vstup_.CisloMimoRozsah();
    std::optional<std::int32_t> datum;
    bool datumChybne = false;
    double prirustek = 0;
    std::string pismenaPrirustku;
    if (vstup_.CoNasleduje() == Trida::Cislo) {
        // A written date of 0 or below says the date is unknown; one beyond the 32-bit date
        // is no date at all.
        const double d = std::round(vstup_.GetCislo());
        mimoRozsah = mimoRozsah || vstup_.CisloMimoRozsah() || d > std::numeric_limits<std::int32_t>::max();
        datum = d >= 1 && !mimoRozsah ? static_cast<std::int32_t>(d) : 0;
        // A written date must be a real day: 20241301 or a swapped value is no date.
        datumChybne = *datum >= 1 && !JePlatneDatum(*datum);
        if (vstup_.CoNasleduje() == Trida::Cislo) {
            prirustek = vstup_.GetHodnota();
            pismenaPrirustku = vstup_.Parametr();
            mimoRozsah = mimoRozsah || vstup_.CisloMimoRozsah();
        }
    }
    // A declination beyond a full turn is a slip (a value and a date swapped, say), not a
    // declination: taken as it is, it would turn the whole survey.
    if (mimoRozsah || VicNezOtacka(hodnota, meridla_->JednotkaDeklinace(pismena))) {
        NastavChybu(ChybaHodnoty);
        return;
    }
    if (datumChybne) {
        NastavChybu(ChybaDatumu);
        return;
    }
    meridla_->PridejDeklinaci(hodnota, pismena, datum, prirustek, pismenaPrirustku, datum_);
}

void Nacti::PrikazVrstva()
{
    vrstva_ = vrstvy_.Add(vstup_.GetKS());
}

void Nacti::PrikazMisto()
{
    std::string jmeno;
    if (vstup_.CoNasleduje() == Trida::Uvozovky) {
        vstup_.VelkaPismena = false;
        jmeno = vstup_.GetPTH();
        vstup_.VelkaPismena = true;
    } else {
        jmeno = vstup_.GetKS();
    }
    misto_ = mista_.Add(jmeno);
}

void Nacti::PrikazDatum()
{
    const double d = std::round(vstup_.GetCislo());
    // A date that is 0, missing or beyond the 32-bit date is refused alike.
    if (d == 0 || !(std::fabs(d) <= std::numeric_limits<std::int32_t>::max())) {
        NastavChybu(ChybaDatumu);
        return;
    }
    datum_ = static_cast<std::int32_t>(d);
}

// --- the coordinate system ---------------------------------------------------------------

void Nacti::PrikazSouSys()
{
    if (sourSys_.Typ() != 0) {
        MyMsgBox("Souradnicovy system byl jiz zadan", MsgBox::OkOnly);
        NastavChybu(1);
        return;
    }
    if (dbody_.Count() > 0) {
        MyMsgBox("Je nutno zadat nejprve souřadný systém a teprve potom dané body!", MsgBox::OkOnly);
        NastavChybu(1);
        return;
    }
    int typ = 0;
    bool levy = false;
    int konvergence = 0;
    double uhel = 0;
    int jednotky = JednotkaStupne;
    // Only this command's own numbers count: the reader keeps the range of whatever it read last.
    bool mimoRozsah = false;

    // A word that belongs to a later part of the command is left for that part, so that
    // an omitted part does not swallow the next one.
    auto pristiSlovo = [this]() {
        Vstup kopie = vstup_;
        return kopie.CoNasleduje() == Trida::Pismeno ? kopie.GetKS() : std::string();
    };
    auto jePozdejsiSlovo = [](const std::string& w) {
        return w == "VIR_VYROV" || w == "NUL_HLADINA" || w == "NUL_BOD";
    };

    if (vstup_.CoNasleduje() == Trida::Cislo) {
        typ = 1;
        const double hodnota = vstup_.GetHodnota();
        mimoRozsah = vstup_.CisloMimoRozsah();
        jednotky = JednotkaZPismen(vstup_.Parametr(), JednotkaStupne);
        uhel = PI / 2 - NaRadiany(hodnota, jednotky);
        const std::string w = pristiSlovo();
        if (!w.empty() && w != "BPV" && w != "VLASTNI" && !jePozdejsiSlovo(w))
            levy = vstup_.GetKS() == "L";
    } else {
        const std::string w = vstup_.GetKS();
        if (w == "JTSK") {
            typ = 2;
            levy = true;
        } else if (w == "JTSK_XY" || w == "JSTK") {
            typ = 3;
            levy = true;
        }
        if (vstup_.CoNasleduje() == Trida::Cislo) {
            konvergence = 1;
            const double hodnota = vstup_.GetHodnota();
            mimoRozsah = vstup_.CisloMimoRozsah();
            jednotky = JednotkaZPismen(vstup_.Parametr(), JednotkaStupne);
            uhel = NaRadiany(hodnota, jednotky);
            if (hodnota == 0.0) {
                const int odpoved = MyMsgBox(std::string("Byla zadana nulova meridianova konvergence.") + CRLF
                                                 + "Chcete ji vypocist automaticky?",
                                             MsgBox::YesNo | MsgBox::Question);
                if (odpoved == MsgBox::Yes)
                    konvergence = 2;
            }
        } else {
            const std::string c = pristiSlovo();
            if (c == "C_PDB" || c == "C_TDB" || c == "C_TPB") {
                vstup_.GetKS();
                konvergence = c == "C_PDB" ? 2 : (c == "C_TDB" ? 3 : 4);
            }
        }
    }
    if (mimoRozsah) {
        NastavChybu(ChybaHodnoty);
        return;
    }

    bool bpv = false;
    if (const std::string w = pristiSlovo(); !w.empty() && !jePozdejsiSlovo(w))
        bpv = vstup_.GetKS() == "BPV";

    int zpusob = 2;
    std::string slovo = vstup_.GetKS();
    if (slovo == "VIR_VYROV") {
        if (vstup_.GetRovnitko()) {
            const std::string v = vstup_.GetKS();
            if (v == "ZADNE")
                zpusob = 0;
            else if (v == "SPOLECNE")
                zpusob = 1;
            else if (v == "SAMOSTATNE")
                zpusob = 2;
            else
                MyMsgBox("Chyba - spatne urceni zpusobu matoceni!", MsgBox::OkOnly);
        } else {
            MyMsgBox("Chyba - chybi rovnitko v urceni zpusobu natoceni!", MsgBox::OkOnly);
        }
        slovo = vstup_.GetKS();
    }

    SrovnavaciVyska reference;
    if (!slovo.empty()) {
        if (!vstup_.GetRovnitko()) {
            MyMsgBox("Chyba v prikazu.", MsgBox::OkOnly | MsgBox::HelpButton);
            return;
        }
        if (slovo == "NUL_HLADINA") {
            reference.druh = VyskyKHladine;
            reference.vyska = vstup_.GetHodnota();
            if (vstup_.CisloMimoRozsah()) {
                NastavChybu(ChybaHodnoty);
                return;
            }
        } else if (slovo == "NUL_BOD") {
            reference.druh = VyskyKBodu;
            reference.bod = vstup_.GetKS();
        } else {
            MyMsgBox("Chyba v zadani souradneho systemu. (" + slovo + ")", MsgBox::OkOnly);
            NastavChybu(7);
            return;
        }
    }
    sourSys_.Nastav(uhel, levy, typ, konvergence, bpv, jednotky, 0, reference, zacatekPrikazu_, zpusob);
}

// --- given points ------------------------------------------------------------------------

void Nacti::DanyBod()
{
    Vstup radek(&platforma_);
    radek.NastavProZapisnik();
    radek.RidiciZnak("*");
    radek.Zavorka("[]");
    radek.Soubor(std::string(vstup_.Radek()));
    radek.GetZnak();
    const std::string jmeno = NFC(radek.GetKS());
    if (dbody_.Exist(jmeno)) {
        NastavChybu(5);
        MyMsgBox("Nelze zadat dva body se stejnym oznacenim (" + jmeno + ")!", MsgBox::OkOnly);
        return;
    }
    double xyz[3];
    for (double& c : xyz) {
        // A missing coordinate would silently place the point at 0.
        if (radek.CoNasleduje() != Trida::Cislo) {
            NastavChybu(4);
            return;
        }
        c = radek.GetHodnota();
        if (radek.CisloMimoRozsah()) {
            NastavChybu(ChybaHodnoty);
            return;
        }
    }
    if (jmeno.empty()) {
        NastavChybu(4);
        return;
    }
    if (radek.CoNasleduje() == Trida::Zavorka) {
        Vstup zavorka(&platforma_);
        zavorka.Soubor(radek.GetZavorka());
        zavorka.GetKS();
        zavorka.GetPTH();
    }
    dbody_.Add(jmeno, xyz[0], xyz[1], xyz[2], datum_, static_cast<std::int32_t>(vstup_.ZacatekRadku()), platforma_);
}

// --- measurement lines -------------------------------------------------------------------

namespace {

// An instrument of the line: one the record holds already is not copied again.
template <class T>
void Prevezmi(T& cil, const T& akt)
{
    if (!(cil == akt))
        cil = akt;
}

} // namespace

void Nacti::MericiRadek()
{
    meridla_->Pouzij();
    Mereni& m = prevzeti_ ? NovyPredavany() : mereni_.emplace_back();
    m.radek = vstup_.Radek();
    m.zacatekRadku = static_cast<std::int32_t>(vstup_.ZacatekRadku());

    // Names are compared in NFC: a letter typed precomposed and as a base with a combining
    // mark names one station.
    const std::string od = NFC(vstup_.GetKS());
    const int dalsi = vstup_.CoNasleduje();
    // A name may begin with a Czech letter, which the lexer classes as neither letter nor digit.
    const int zacatek = vstup_.ZacatekSlova();
    const bool ceskePismeno = dalsi == Trida::Jine && zacatek > 0
                              && static_cast<unsigned char>(vstup_.Radek()[static_cast<std::size_t>(zacatek - 1)]) >= 0x80;
    if (dalsi != Trida::Cislo && dalsi != Trida::Pismeno && !ceskePismeno) {
        NastavChybu(1);
        return;
    }
    const std::string k = NFC(vstup_.GetKS());
    pbody_.Predzvedni(k); // mostly a new station: its search comes after the numbers
    if (vstup_.CoNasleduje() != Trida::Cislo) {
        NastavChybu(2);
        return;
    }
    m.delka = vstup_.GetHodnota();
    const std::string priponaDelky = vstup_.Parametr();
    bool mimoRozsah = vstup_.CisloMimoRozsah();
    if (vstup_.CoNasleduje() != Trida::Cislo) {
        NastavChybu(3);
        return;
    }
    m.azimut = vstup_.GetHodnota();
    std::string priponaAzimutu = vstup_.Parametr();
    mimoRozsah = mimoRozsah || vstup_.CisloMimoRozsah();
    if (azimutKontrola_) {
        if (vstup_.CoNasleduje() != Trida::Cislo) {
            NastavChybu(4);
            return;
        }
        m.zpetnyAzimut = vstup_.GetHodnota();
        priponaAzimutu += vstup_.Parametr();
        m.maZpetnyAzimut = true;
        mimoRozsah = mimoRozsah || vstup_.CisloMimoRozsah();
    }
    if (vstup_.CoNasleduje() > Trida::Cislo) {
        NastavChybu(5);
        return;
    }
    m.sklon = vstup_.GetHodnota();
    const std::string priponaSklonu = vstup_.Parametr();
    mimoRozsah = mimoRozsah || vstup_.CisloMimoRozsah();
    if (!CtiAtributy(m))
        return;

    for (const std::string* jmeno : {&od, &k}) {
        if (pbody_.Count() >= MaxBodu && !pbody_.Exist(*jmeno)) {
            NastavChybu(ChybaPoctuBodu);
            return;
        }
    }
    m.pbodOd = BodRadku(od);
    m.pbodK = BodRadku(k);
    pbodyPredchozi_[0] = m.pbodOd;
    pbodyPredchozi_[1] = m.pbodK;
    m.od = pbody_.Bod(m.pbodOd)->Name();
    m.k = pbody_.Bod(m.pbodK)->Name();
    if (mimoRozsah) {
        NastavChybu(ChybaHodnoty);
        return;
    }

    if (m.vrstva == 0)
        m.vrstva = vrstva_;
    m.misto = misto_;
    posledniKomentar_.clear();
    UplatniPripony(m, priponaDelky, priponaAzimutu, priponaSklonu);
    if (!SpocitejMereni(m))
        return;

    Prevezmi(m.delkomer, meridla_->AktDelkomer());
    Prevezmi(m.kompas, meridla_->AktKompas());
    Prevezmi(m.sklonomer, meridla_->AktSklonomer());
    Prevezmi(m.deklinace, meridla_->AktDeklinace());
    m.datum = datum_;
    m.uplny = true;

    if (m.maZpetnyAzimut) {
        const double rozdil = std::fabs(NormalizeSignedAngle(m.azimutRad - m.zpetnyAzimutRad + PI));
        if (rozdil > tolerance_) {
            const int odpoved = platforma_.ZpravaBox("Pozor! Rozdil azimutu " + FormatCisloBezNul(Z_Radianu(rozdil, 0), 6)
                                                         + "\xC2\xB0" + CRLF + "Pokračovat?",
                                                     MsgBox::YesNo | MsgBox::Question);
            if (odpoved == MsgBox::No)
                NastavChybu(21);
        }
    }
    // The refused line's record counts too: the user stopped after it, not before.
    if (prevzeti_)
        prevzeti_(m);
}

Mereni& Nacti::NovyPredavany()
{
    // A fresh record that keeps the instruments of the last one: a line mostly uses those,
    // and a copied shared pointer is an atomic count once the process runs a second thread.
    Mereni m;
    m.delkomer = std::move(predavane_.delkomer);
    m.kompas = std::move(predavane_.kompas);
    m.sklonomer = std::move(predavane_.sklonomer);
    m.deklinace = std::move(predavane_.deklinace);
    predavane_ = std::move(m);
    return predavane_;
}

std::int32_t Nacti::BodRadku(const std::string& jmeno)
{
    // A traverse's line mostly starts where the line before ended: no search then, which
    // in a large survey is a miss in the memory caches.
    for (const std::int32_t n : pbodyPredchozi_)
        if (n != 0 && pbody_.Bod(n)->Name() == jmeno)
            return n;
    return pbody_.NajdiNeboPridej(jmeno, datum_, zacatekPrikazu_);
}

bool Nacti::CtiAtributy(Mereni& m)
{
    while (vstup_.CoNasleduje() == Trida::Pismeno) {
        const std::string slovo = vstup_.GetKS();
        if (!vstup_.GetRovnitko()) {
            NastavChybu(6, 1010);
            return false;
        }
        vstup_.VelkaPismena = false;
        const char druh = slovo[0];
        bool platny = true;
        if (druh == 'A' || druh == 'B' || druh == 'Z') {
            std::string hodnota;
            const int trida = vstup_.CoNasleduje();
            if (trida == Trida::Uvozovky)
                hodnota = vstup_.GetPTH();
            else if (trida == Trida::Pismeno)
                hodnota = vstup_.GetKS();
            else if (trida == Trida::Jine && vstup_.GetZnak() == "@")
                hodnota = posledniKomentar_;
            else
                platny = false;
            std::string_view& cil = druh == 'A' ? m.textA : (druh == 'B' ? m.textB : m.textZ);
            cil = {};
            if (!hodnota.empty())
                cil = texty_.emplace_back(std::move(hodnota));
        } else if (druh == 'P' && vstup_.CoNasleduje() == Trida::Pismeno) {
            m.vrstva = vrstvy_.Add(vstup_.GetKS());
        } else {
            platny = false;
        }
        vstup_.VelkaPismena = true;
        if (!platny) {
            NastavChybu(6, 1010);
            return false;
        }
    }
    return true;
}

void Nacti::UplatniPripony(Mereni& m, std::string_view delky, std::string_view azimutu, std::string_view sklonu)
{
    const Delkomer& delkomer = *meridla_->AktDelkomer();
    const Kompas& kompas = meridla_->AktKompas();
    const Sklonomer& sklonomer = *meridla_->AktSklonomer();

    const int zpusobDelky = PosledniPismeno(delky, "SVH", delkomer.Zpusob);
    const int jednotkyAzimutu = JednotkaZPismen(azimutu, kompas.Jednotky());
    const int zpusobSklonu = PosledniPismeno(sklonu, "VZ", sklonomer.Zpusob);
    const int jednotkySklonu = PosledniPismeno(sklonu, "DGR", sklonomer.Jednotky);
    m.zpusobDelky = zpusobDelky != delkomer.Zpusob ? zpusobDelky : -1;
    m.jednotkyAzimutu = jednotkyAzimutu != kompas.Jednotky() ? jednotkyAzimutu : -1;
    m.zpusobSklonu = zpusobSklonu != sklonomer.Zpusob ? zpusobSklonu : -1;
    m.jednotkySklonu = jednotkySklonu != sklonomer.Jednotky ? jednotkySklonu : -1;
}

bool Nacti::SpocitejMereni(Mereni& m)
{
    const Delkomer& delkomer = *meridla_->AktDelkomer();
    const Kompas& kompas = meridla_->AktKompas();
    const Sklonomer& sklonomer = *meridla_->AktSklonomer();
    const int zpusobDelky = m.zpusobDelky >= 0 ? m.zpusobDelky : delkomer.Zpusob;
    const int jednotkyAzimutu = m.jednotkyAzimutu >= 0 ? m.jednotkyAzimutu : kompas.Jednotky();
    const int zpusobSklonu = m.zpusobSklonu >= 0 ? m.zpusobSklonu : sklonomer.Zpusob;
    const int jednotkySklonu = m.jednotkySklonu >= 0 ? m.jednotkySklonu : sklonomer.Jednotky;

    m.azimutRad = NaRadiany(m.azimut, jednotkyAzimutu);
    m.zpetnyAzimutRad = m.maZpetnyAzimut ? NaRadiany(m.zpetnyAzimut, jednotkyAzimutu) : 0.0;
    m.sklonRad = NaRadiany(m.sklon, jednotkySklonu);
    if (zpusobSklonu == ZpusobOdZenitu)
        m.sklonRad = PI / 2 - m.sklonRad;

    double d = m.delka;
    if (zpusobDelky == ZpusobVodorovna)
        d /= std::cos(m.sklonRad);
    else if (zpusobDelky == ZpusobSvisla)
        d /= std::sin(m.sklonRad);
    m.sikmaDelka = std::fabs(d);

    if (m.maZpetnyAzimut) {
        const double dvePi = 2 * PI;
        const double rozdil = m.zpetnyAzimutRad - m.azimutRad;
        const double mod = rozdil - dvePi * std::floor(rozdil / dvePi);
        m.stredniAzimut = m.azimutRad + (mod - PI) / 2;
    } else {
        m.stredniAzimut = m.azimutRad;
    }
    // A zero length, or a horizontal tape along a vertical shot (and a vertical tape
    // along a level one), gives no usable shot: refuse the line rather than store it.
    // Readings too large for any shot are refused the same way.
    const double limit = 1e7;
    if (!(m.sikmaDelka > 0) || !(m.sikmaDelka < limit) || !(std::fabs(m.stredniAzimut) < limit)
        || !(std::fabs(m.sklonRad) < limit) || !(std::fabs(m.zpetnyAzimutRad) < limit)) {
        NastavChybu(ChybaHodnoty);
        return false;
    }
    return true;
}

} // namespace lomvira
