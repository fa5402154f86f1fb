#include "app/ui/PanelPripojeni.h"

#include "common/Cisla.h"
#include "app/Kontext.h"
#include "common/Text.h"
#include "app/ui/FormatVypisu.h"
#include "coords/SourSystTransf.h"

#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

#include <cmath>

namespace lomvira {

namespace {

constexpr std::size_t SirkaDelky = 10;
constexpr std::size_t SirkaUhlu = 11;

} // namespace

PanelPripojeni::PanelPripojeni(Kontext& kontext, QWidget* parent)
    : PanelSeznamu("lstPripojeni", parent), k_(kontext)
{
    SestavSDvemaPohledy(QStringLiteral("Cylindrické"), "optCylindricke", QStringLiteral("Kartéřské"),
                        "optKartezske", [this] { Obnov(oblast_); });
}

void PanelPripojeni::Obnov(int oblast)
{
    oblast_ = oblast;
    if (k_.stav.Zaneprazdneno())
        return;
    seznam_->clear();
    if (!k_.nacti) {
        hlavicka_->clear();
        return;
    }
    // The differences belong to a finished computation only.
    const bool vypocteno = k_.stav.Stav == 3;
    std::string hlavicka = PevnaSirka("Bod", 10) + " " + PevnaSirka("Daný bod", 10);
    if (vypocteno)
        hlavicka += HlavickaOdchylek();
    hlavicka_->setText(TextQ(vypocteno ? hlavicka : Orizni(hlavicka)));

    const ConnectionTable& spojeni = k_.model.connections;
    const bool vse = oblast < 1 || oblast > k_.model.regions.RegionCount();
    const int pocet = vse ? spojeni.ConnectionCount() : spojeni.RegionConnectionCount(oblast);
    QStringList radky;
    for (int i = 1; i <= pocet; ++i) {
        const ConnectionRecord c = vse ? spojeni.GetConnection(i) : spojeni.GetRegionConnection(oblast, i);
        std::string radek = PevnaSirka(k_.model.stations.GetStationName(c.Station), 10) + " "
                            + PevnaSirka(k_.model.givenPoints.GetGivenPoint(c.GivenPoint).Name, 10);
        radky.append(TextQ(vypocteno ? radek + Odchylky(c.DiffA, c.DiffB, c.DiffC) : Orizni(radek)));
    }
    seznam_->addItems(radky);
}

std::string PanelPripojeni::HlavickaOdchylek() const
{
    if (prvniPohled_->isChecked())
        return "  " + ZarovnejVpravo("dL", SirkaDelky) + "  " + ZarovnejVpravo("alfa", SirkaUhlu) + "  "
               + ZarovnejVpravo("dH", SirkaDelky);
    const SourSystTransf t(k_.nacti->SourSys());
    return "  " + ZarovnejVpravo(std::string("d") + t.Lab1(), SirkaDelky) + "  "
           + ZarovnejVpravo(std::string("d") + t.Lab2(), SirkaDelky) + "  "
           + ZarovnejVpravo(std::string("d") + t.Lab3(), SirkaDelky);
}

// The differences are held in the computation frame. Cylindrical: the horizontal length,
// its bearing measured as the notebook's azimuths are (clockwise from the direction of
// azimuth 0), and the height. Cartesian: turned into the notebook's frame and written by
// the axes, signs and order of its system.
std::string PanelPripojeni::Odchylky(double a, double b, double c) const
{
    const char znak = FormatUzivatele().desetinny;
    auto sloupec = [znak](double v, int desetin, std::size_t sirka, const char* znacka = "") {
        return "  " + ZarovnejVpravo(CisloOdchylky(v, desetin, znak) + znacka, sirka);
    };
    if (prvniPohled_->isChecked()) {
        double delka = 0, uhel = 0;
        PolarniSouradnice(a, b, delka, uhel);
        double azimut = delka > 0 ? Z_Radianu(NormalizeAngle(PI / 2 - uhel), JednotkaStupne) : 0.0;
        if (azimut >= 360.0 - 0.00005) // would round to a full circle
            azimut = 0.0;
        return sloupec(delka, 3, SirkaDelky) + sloupec(azimut, 4, SirkaUhlu, "\xC2\xB0") + sloupec(c, 3, SirkaDelky);
    }
    const SourSystTransf t(k_.nacti->SourSys());
    const ZBod z = t.Vystup(t.KartToGeogr({"", a, b, c}));
    return sloupec(z.X, 3, SirkaDelky) + sloupec(z.Y, 3, SirkaDelky) + sloupec(z.Z, 3, SirkaDelky);
}





} // namespace lomvira
