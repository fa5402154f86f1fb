#include "input/ui/frmZastarale.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lomvira {

frmZastarale::frmZastarale(QWidget* parent) : DialogPrikazu(QStringLiteral("Nastavení měření"), parent)
{
    auto* rozvrzeni = new QVBoxLayout(this);
    for (const Skupina& s : {
             Pridej("fraVzdalenost", QStringLiteral("&Vzdálenost"),
                    {QStringLiteral("šikmá"), QStringLiteral("vodorovná"), QStringLiteral("hloubka")}),
             Pridej("fraJednotkyAzimutu", QStringLiteral("&Jednotky azimutu"),
                    {QStringLiteral("stupně"), QStringLiteral("grády")}),
             Pridej("fraAzimut", QStringLiteral("Měření &azimutu"),
                    {QStringLiteral("jednoduše"), QStringLiteral("s kontrolou")}),
             Pridej("fraJednotkySklonu", QStringLiteral("J&ednotky sklonu"),
                    {QStringLiteral("stupně"), QStringLiteral("grády")}),
             Pridej("fraSklon", QStringLiteral("&Sklon"),
                    {QStringLiteral("výškový (od horizontu)"), QStringLiteral("zenitový (od zenitu)")}),
         })
        rozvrzeni->addWidget(s.box);
    PridejTlacitka(rozvrzeni);
}

frmZastarale::Skupina frmZastarale::Pridej(const char* jmeno, const QString& titulek, const QStringList& volby)
{
    Skupina s{new QGroupBox(titulek, this), new QButtonGroup(this)};
    s.box->setObjectName(jmeno);
    s.box->setCheckable(true);
    s.box->setChecked(false);
    auto* radek = new QHBoxLayout(s.box);
    for (int i = 0; i < volby.size(); ++i) {
        auto* b = new QRadioButton(volby[i], s.box);
        b->setChecked(i == 0);
        s.volby->addButton(b, i);
        radek->addWidget(b);
    }
    radek->addStretch(1);
    skupiny_.push_back(s);
    return s;
}

std::optional<int> frmZastarale::Hodnota(std::size_t skupina) const
{
    const Skupina& s = skupiny_[skupina];
    return s.box->isChecked() ? std::optional<int>(s.volby->checkedId()) : std::nullopt;
}

HotovyPrikaz frmZastarale::Prikaz() const
{
    ZastaraleNastaveni z;
    z.vzdalenost = Hodnota(0);
    z.jednotkyAzimutu = Hodnota(1);
    if (const auto k = Hodnota(2))
        z.kontrola = *k == 1;
    z.jednotkySklonu = Hodnota(3);
    z.zpusobSklonu = Hodnota(4);
    const std::string t = PrikazyZastaralych(z);
    if (t.empty())
        return {{}, "Nebyla zaškrtnuta žádná skupina nastavení."};
    return {t, {}};
}

} // namespace lomvira
