#include "app/ui/PrikazyVystupu.h"

#include "app/DataVystupu.h"
#include "app/Kontext.h"
#include "app/ui/Form1.h"
#include "output/Prohlizec.h"
#include "output/ui/FUlozSour.h"
#include "output/ui/SpustProgramQt.h"
#include "output/ui/frmUmisteni.h"
#include "output/ui/frmVystDoSoub.h"

#include <QAction>
#include <QMenu>

namespace lomvira {

namespace {

const char* const BezVypoctu = "Nelze ukládat souřadnice bodů, pokud nebyl proveden výpočet!";
const char* const ProhlizecBezVypoctu = "Polygon nelze zobrazit v prohlížeči, pokud nebyl proveden výpočet!";

QAction* Polozka(QWidget* rodic, const char* text, const char* jmeno)
{
    auto* a = new QAction(QString::fromUtf8(text), rodic);
    a->setObjectName(jmeno);
    return a;
}

// A save dialog of the window (tests answer it) behind the dialogs' own browse button.
VyberCile Cil(Form1& okno, const char* titulek)
{
    return [&okno, titulek](const std::string& filtr, const std::string& pripona, const std::string& jmeno) {
        return okno.VyberUlozeni({titulek, filtr, pripona, jmeno, true});
    };
}

QAction* NajdiPolozku(QMenu* menu, const char* jmeno)
{
    for (QAction* a : menu->actions())
        if (a->objectName() == jmeno)
            return a;
    return nullptr;
}

} // namespace

std::string JmenoZapisniku(Kontext& k, const VyberSouboru& otevri)
{
    if (!k.souborZapisniku.empty())
        return k.souborZapisniku;
    k.platforma.ZpravaBox("Spatne synchronizovany pozadavek na jmeno souboru", MsgBox::OkOnly);
    // Not kept as the notebook's name: "Ulož" would then overwrite that file with this text.
    return otevri({"Otevření zápisníku", "Kompasové měření (*.mer)", "mer", {}, false}).value_or(std::string());
}

void PridejPrikazyVystupu(Form1& okno)
{
    QAction* souradnice = Polozka(&okno, "Ulož souřadnice...", "mnuUlozSouradnice");
    QObject::connect(souradnice, &QAction::triggered, &okno, [&okno] { UlozSouradnice(okno); });
    okno.PridejDoSouboru(souradnice);
    okno.PridejPolozkuSDaty(souradnice);
    QAction* dokument = Polozka(&okno, "Ulož dokument...", "mnuUlozDokument");
    QObject::connect(dokument, &QAction::triggered, &okno, [&okno] { UlozDokument(okno); });
    okno.PridejDoSouboru(dokument);
    okno.PridejPolozkuSDaty(dokument);

    QMenu* zobraz = okno.Menu("Zobraz");
    if (!zobraz) {
        zobraz = okno.PridejMenu("Zobraz", okno.Menu("Parametry") ? "Parametry" : "Pomůcky");
        zobraz->setObjectName("mnuZobraz");
    }
    QAction* rotuj = Polozka(&okno, "Rotuj...", "mnuVir");
    QObject::connect(rotuj, &QAction::triggered, &okno, [&okno] { Rotuj(okno); });
    zobraz->addAction(rotuj);
    QObject::connect(zobraz, &QMenu::aboutToShow, &okno, [&okno] { ObnovPolozkuProhlizece(okno); });

    QMenu* parametry = okno.Menu("Parametry");
    if (!parametry) {
        parametry = okno.PridejMenu("Parametry", "Pomůcky");
        parametry->setObjectName("mnuParametry");
    }
    QAction* umisteni = Polozka(&okno, "Umístění souborů...", "mnuUmisteni");
    QObject::connect(umisteni, &QAction::triggered, &okno, [&okno] { UmisteniSouboru(okno); });
    // After the computation parameters, before the fonts and the saving of the options.
    QAction* pred = nullptr;
    for (QAction* a : parametry->actions()) {
        if (a->text() == QStringLiteral("Fonty") || a->text() == QStringLiteral("Ulož nastavení")) {
            pred = a;
            break;
        }
    }
    parametry->insertAction(pred, umisteni);
    ObnovPolozkuProhlizece(okno);
}

void ObnovPolozkuProhlizece(Form1& okno)
{
    if (QMenu* zobraz = okno.Menu("Zobraz"))
        if (QAction* rotuj = NajdiPolozku(zobraz, "mnuVir"))
            rotuj->setVisible(ProhlizecExistuje(okno.kontext().volby.AppPath));
}

void UlozSouradnice(Form1& okno)
{
    Kontext& k = okno.kontext();
    if (k.stav.Zaneprazdneno())
        return;
    if (!k.stav.JeVypocteno()) {
        k.platforma.ZpravaBox(BezVypoctu, MsgBox::OkOnly | MsgBox::Exclamation);
        return;
    }
    const std::string jmeno = JmenoZapisniku(k, okno.VyberOtevreni);
    const VstupVystupu vstup = DataVystupu(k);
    FUlozSour dialog(vstup, k.platforma, k.nastaveni, k.volby, jmeno, &okno);
    dialog.Prochazet = Cil(okno, "Uložení souřadnic");
    dialog.exec();
}

void UlozDokument(Form1& okno)
{
    Kontext& k = okno.kontext();
    if (k.stav.Stav < 1)
        return;
    Prace prace(k.stav);
    if (!prace.Ziskano())
        return;
    const Lokalita lokalita = k.nacti ? k.nacti->LokalitaZapisniku() : Lokalita{};
    frmVystDoSoub dialog(lokalita, k.komentarZpravy, k.platforma, JmenoZapisniku(k, okno.VyberOtevreni), &okno);
    dialog.Prochazet = Cil(okno, "Výstup do souboru");
    dialog.exec();
}

void Rotuj(Form1& okno)
{
    Kontext& k = okno.kontext();
    if (k.stav.Zaneprazdneno())
        return;
    // Before a computation every station lies at 0: the viewer would show one point.
    if (!k.stav.JeVypocteno()) {
        k.platforma.ZpravaBox(ProhlizecBezVypoctu, MsgBox::OkOnly | MsgBox::Exclamation);
        return;
    }
    const std::string chyba = SpustProhlizec(DataVystupu(k), k.volby.AppPath, SpustOddelene);
    if (!chyba.empty())
        k.platforma.ZpravaBox(chyba, MsgBox::OkOnly | MsgBox::Exclamation, "Rotuj");
}

void UmisteniSouboru(Form1& okno)
{
    Kontext& k = okno.kontext();
    frmUmisteni dialog(k.volby, k.nastaveni, k.platforma, &okno);
    dialog.exec();
    ObnovPolozkuProhlizece(okno);
}

} // namespace lomvira
