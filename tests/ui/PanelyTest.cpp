// The main window's survey panels and the computation commands, driven as the user would:
// open a notebook, load, vectorise, compute, pick a region, a line, a listing mode.
#include "app/ui/Form1.h"
#include "app/ui/PanelBody.h"
#include "app/ui/PanelDaneBody.h"
#include "app/ui/PanelPripojeni.h"
#include "app/ui/PanelVypis.h"
#include "app/ui/PanelZamery.h"
#include "coords/ui/Zm_JTSK.h"
#include "support/FakePlatforma.h"
#include "ui/UiPomocnik.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextCursor>

#include <gtest/gtest.h>
namespace lomvira::test {
namespace {

// A square loop with a side shot measured twice and a short spur, and a second region.
const std::string Ctverec = "# Zkušební zápisník: Čertova díra, smyčka kolem pilíře, odbočka a druhá oblast.\n"
                            "! LOKALITA = \"Čertova díra\" \"7\"\n"
                            "* A1 1000.00 2000.00 300.00\n"
                            "* B1 500.00 600.00 50.00\n"
                            "A1 A2 10.00 90.0 0.0\n"
                            "A2 A3 10.00 0.0 0.0\n"
                            "A3 A4 10.00 270.0 0.0\n"
                            "A4 A1 10.00 180.0 0.0\n"
                            "A3 C1 5.00 44.0 0.0\n"
                            "A3 C1 5.00 46.0 0.0\n"
                            "A4 A10 2.00 90.0 0.0\n"
                            "B1 B2 3.00 90.0 0.0\n";

// The same loop on two given points that lie 12 m instead of 10 m apart northwards; the
// region is turned onto them on its own.
const std::string Natoceni = "# Zkušební zápisník: dva dané body smyčky nesouhlasí.\n"
                             "! SOU_SYS = 90/d, VLASTNI, VIR_VYROV = SAMOSTATNE\n"
                             "* A1 1000.00 2000.00 300.00\n"
                             "* A3 1010.00 2012.00 300.00\n"
                             "* B1 500.00 600.00 50.00\n"
                             "A1 A2 10.00 90.0 0.0\n"
                             "A2 A3 10.00 0.0 0.0\n"
                             "A3 A4 10.00 270.0 0.0\n"
                             "A4 A1 10.00 180.0 0.0\n"
                             "B1 B2 3.00 90.0 0.0\n";

class PanelyTest : public ::testing::Test {
protected:
    PanelyTest() : kontext(platforma, nastaveni), okno(kontext)
    {
        // A locale whose marks cannot be mistaken: "." groups thousands, "," marks decimals.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        okno.VyberOtevreni = okno.VyberUlozeni = [this](const PozadavekSouboru& p) {
            dialogy.push_back(p.titulek);
            return std::optional<std::string>(dalsiSoubor);
        };
    }
    ~PanelyTest() override { QLocale::setDefault(puvodniLocale); }

    bool Otevri(const std::string& jmeno, const std::string& obsah, int index = PrikazSouboru::Otevri)
    {
        ZapisBajty(slozka / jmeno, obsah);
        dalsiSoubor = slozka / jmeno;
        return okno.PrikazSoubor(index);
    }
    void Prikaz(const char* jmeno) { okno.findChild<QAction*>(jmeno)->trigger(); }
    template <class T>
    T* Panel(const char* klic) const
    {
        return qobject_cast<T*>(okno.Zalozka(klic));
    }
    template <class T>
    T* Prvek(const char* klic, const char* jmeno) const
    {
        return okno.Zalozka(klic)->findChild<T*>(jmeno);
    }
    QStringList Jmena(const QStringList& radky) const
    {
        QStringList jmena;
        for (const QString& r : radky)
            jmena.append(r.left(10).trimmed());
        return jmena;
    }
    QString Pole(const char* jmeno) const { return Prvek<QLineEdit>("zamery", jmeno)->text(); }

    QLocale puvodniLocale;
    DocasnaSlozka slozka;
    FakePlatforma platforma;
    PametoveNastaveni nastaveni;
    Kontext kontext;
    Form1 okno;
    std::string dalsiSoubor;
    std::vector<std::string> dialogy;
};

TEST_F(PanelyTest, OpeningLoadsTheNotebookAndFillsEveryPanel)
{
    ASSERT_TRUE(Otevri("ctverec.mer", Ctverec));
    EXPECT_EQ(kontext.stav.Stav, 1);
    EXPECT_TRUE(platforma.boxes.empty());
    EXPECT_EQ(platforma.status.back(), "");

    EXPECT_EQ(Panel<PanelZamery>("zamery")->Radky().size(), 8);
    const QStringList mereni = Panel<PanelVypis>("mereni")->Radky();
    ASSERT_EQ(mereni.size(), 8);
    EXPECT_EQ(mereni[0], "A1        A2          10,000   90,00°           0,00°   90,000°   0,000°   0,000°");
    EXPECT_FALSE(Panel<PanelVypis>("meridla")->Radky().isEmpty());

    // Nothing computed yet: the names alone.
    const QStringList body = Panel<PanelBody>("body")->Radky();
    ASSERT_EQ(body.size(), 8);
    EXPECT_EQ(body[2], "A3         ");
    EXPECT_TRUE(Panel<PanelBody>("body")->Hlavicka().startsWith("Souřadný systém: "));

    auto* dane = Panel<PanelDaneBody>("dane");
    ASSERT_EQ(dane->Radky().size(), 2);
    EXPECT_EQ(dane->Radky()[0], "A1             1.000,000      2.000,000     300,000");
    Prvek<QRadioButton>("dane", "optZdroje")->setChecked(true);
    EXPECT_EQ(dane->Radky()[0], "A1                    Zápisník");

    EXPECT_EQ(Panel<PanelPripojeni>("pripojeni")->Radky(), QStringList({"A1         A1", "B1         B1"}));
    EXPECT_EQ(okno.VyberOblasti()->count(), 3);
}

TEST_F(PanelyTest, AnErrorOnTheThirdLineSelectsExactlyThatLine)
{
    // Czech letters and a character outside the BMP before the faulty line, which the
    // editor counts as two positions; the file's own line ends are CR LF or LF.
    for (const std::string konec : {"\r\n", "\n"}) {
        const std::string text = "# Šikmá chodba, měřil Řehoř \xF0\x9F\x98\x80" + konec + "Č1 Č2 5.00 10.0 0.0" + konec
                                 + "Č2 Č3 pět 45 0" + konec + "Č3 Č4 1 2 3" + konec;
        ASSERT_TRUE(Otevri("chyba.mer", Ctverec));
        okno.Zalozky()->setCurrentWidget(okno.Zalozka("body"));
        platforma.boxes.clear();
        platforma.status.clear();
        ASSERT_TRUE(Otevri("chyba.mer", text));

        EXPECT_EQ(okno.Editor()->textCursor().selectedText(), "Č2 Č3 pět 45 0");
        EXPECT_EQ(okno.Zalozky()->currentWidget(), okno.Zalozka("zapisnik"));
        EXPECT_EQ(platforma.boxes.size(), 1u);
        EXPECT_EQ(kontext.stav.Stav, 0);
        EXPECT_EQ(kontext.model.shots.ShotCount(), 1); // the second line's shot
        // The panels no longer list the notebook before.
        EXPECT_TRUE(Panel<PanelBody>("body")->Radky().isEmpty());
        EXPECT_TRUE(Panel<PanelZamery>("zamery")->Radky().isEmpty());
        EXPECT_EQ(okno.VyberOblasti()->count(), 1);
        // The text itself is saved as it was read.
        ASSERT_TRUE(okno.PrikazSoubor(PrikazSouboru::Uloz));
        EXPECT_EQ(CtiBajty(slozka / "chyba.mer"), text);
    }
}

TEST_F(PanelyTest, StartOnAFreshlyOpenedNotebookComputesAndListsTheResults)
{
    ASSERT_TRUE(Otevri("ctverec.mer", Ctverec));
    Prikaz("mnuStartVypoctu");
    EXPECT_EQ(kontext.stav.Stav, 3);
    const QStringList body = Panel<PanelBody>("body")->Radky();
    ASSERT_EQ(body.size(), 8);
    EXPECT_EQ(body[2], "A3             1.010,000      2.010,000     300,000");

    // A shot of the adjusted loop: no repeated measurement, a deviation after adjustment.
    auto* zamery = Panel<PanelZamery>("zamery");
    zamery->VyberZaznam(1);
    EXPECT_EQ(Pole("txtOpakVzdalenost"), "");
    EXPECT_EQ(Pole("txtVyrovSmer"), "0,000°");
    // The side shot measured at 44° and 46°: one degree either side of the mean, and no
    // adjustment deviation as it lies in no network.
    zamery->VyberZaznam(6);
    EXPECT_EQ(Pole("txtOpakSmer"), "-1,000°");
    EXPECT_EQ(Pole("txtVyrovSmer"), "");

    // Only this shot's measurements, the selection kept; then all of them again.
    Prvek<QRadioButton>("zamery", "optStejnaZamera")->setChecked(true);
    ASSERT_EQ(zamery->Radky().size(), 2);
    EXPECT_EQ(zamery->Radky()[0], "A3        C1           5,000   44,00°           0,00°   44,000°");
    EXPECT_EQ(Prvek<QListWidget>("zamery", "lstZamery")->currentRow(), 1);
    Prvek<QRadioButton>("zamery", "optVsechnaMereni")->setChecked(true);
    EXPECT_EQ(zamery->Radky().size(), 8);
    EXPECT_EQ(Prvek<QListWidget>("zamery", "lstZamery")->currentRow(), 5);

    // The jump leaves another region for the station's own one.
    okno.VyberOblast(2);
    Prvek<QPushButton>("zamery", "cmdNa2Bod")->click();
    EXPECT_EQ(okno.VybranaOblast(), 1);
    auto* seznam = Panel<PanelBody>("body")->Seznam();
    ASSERT_NE(seznam->currentItem(), nullptr);
    EXPECT_TRUE(seznam->currentItem()->text().startsWith("C1  "));
}

TEST_F(PanelyTest, TheRegionSelectorAndTheNameOrderChooseTheStations)
{
    ASSERT_TRUE(Otevri("ctverec.mer", Ctverec));
    Prikaz("mnuStartVypoctu");
    QComboBox* oblasti = okno.VyberOblasti();
    ASSERT_EQ(oblasti->count(), 3);

    auto* body = Panel<PanelBody>("body");
    auto* pripojeni = Panel<PanelPripojeni>("pripojeni");
    oblasti->setCurrentIndex(2);
    EXPECT_EQ(Jmena(body->Radky()), QStringList({"B1", "B2"}));
    EXPECT_EQ(body->Radky()[1], "B2               503,000        600,000      50,000");
    ASSERT_EQ(pripojeni->Radky().size(), 1);
    EXPECT_TRUE(pripojeni->Radky()[0].startsWith("B1         B1  "));

    oblasti->setCurrentIndex(1);
    EXPECT_EQ(Jmena(body->Radky()), QStringList({"A1", "A2", "A3", "A4", "C1", "A10"}));
    Prvek<QCheckBox>("body", "chkAbecedne")->setChecked(true);
    EXPECT_EQ(Jmena(body->Radky()), QStringList({"A1", "A2", "A3", "A4", "A10", "C1"}));
    oblasti->setCurrentIndex(0);
    EXPECT_EQ(Jmena(body->Radky()), QStringList({"A1", "A2", "A3", "A4", "A10", "B1", "B2", "C1"}));

    // A reload without the second region keeps no entry for it and falls back to all; B1
    // is now a given point only, no station.
    oblasti->setCurrentIndex(2);
    okno.Editor()->setPlainText(QString::fromStdString(Ctverec).remove("B1 B2 3.00 90.0 0.0\n"));
    Prikaz("mnuNacteniZapisniku");
    EXPECT_EQ(oblasti->count(), 2);
    EXPECT_EQ(okno.VybranaOblast(), 0);
    EXPECT_EQ(Jmena(body->Radky()), QStringList({"A1", "A2", "A3", "A4", "A10", "C1"}));
}

TEST_F(PanelyTest, ConnectionsShowHowFarTheGivenPointsLieFromTheTurnedLoop)
{
    ASSERT_TRUE(Otevri("natoceni.mer", Natoceni));
    auto* pripojeni = Panel<PanelPripojeni>("pripojeni");
    Prikaz("mnuStartVypoctu");
    ASSERT_EQ(kontext.stav.Stav, 3);

    // Computed A1 to A3 runs 10 m east and 10 m north, the given points 10 m and 12 m: the
    // loop turns by their angle about the centroids, and each given point is left
    // ((√244 - √200) / 2 = 0.739 m away, along atan(10 / 12) = 39.8056° from the centroid.
    okno.VyberOblast(1);
    EXPECT_EQ(pripojeni->Hlavicka(), "Bod        Daný bod            dL         alfa          dH");
    EXPECT_EQ(pripojeni->Radky(), QStringList({"A1         A1               0,739    219,8056°       0,000",
                                               "A3         A3               0,739     39,8056°       0,000"}));
    Prvek<QRadioButton>("pripojeni", "optKartezske")->setChecked(true);
    EXPECT_TRUE(pripojeni->Hlavicka().endsWith("dX          dY          dZ"));
    EXPECT_EQ(pripojeni->Radky()[1], "A3         A3               0,473       0,568       0,000");

    // A region with a single given point is not turned.
    Prvek<QRadioButton>("pripojeni", "optCylindricke")->setChecked(true);
    okno.VyberOblast(2);
    EXPECT_EQ(pripojeni->Radky(), QStringList({"B1         B1               0,000      0,0000°       0,000"}));
}

TEST_F(PanelyTest, CommandsDuringALongOperationOrOnAFaultyNotebookChangeNothing)
{
    ASSERT_TRUE(Otevri("ctverec.mer", Ctverec, PrikazSouboru::OtevriBezNacteni));
    okno.show();
    platforma.status.clear();
    // A command started while another long operation yields its events.
    ASSERT_TRUE(kontext.stav.ZacniPraci());
    for (const char* prikaz : {"mnuNacteniZapisniku", "mnuVektorizace", "mnuStartVypoctu"})
        Prikaz(prikaz);
    EXPECT_FALSE(okno.PrikazSoubor(PrikazSouboru::Otevri));
    EXPECT_FALSE(okno.close());
    EXPECT_EQ(kontext.stav.Stav, 0);
    EXPECT_TRUE(okno.ZmenenoOdNacteni());
    EXPECT_TRUE(platforma.status.empty());
    EXPECT_EQ(dialogy.size(), 1u);
    kontext.stav.KonecPrace();

    // A notebook that does not load is never vectorised or computed.
    okno.Editor()->setPlainText("A1 A2 x 1 2\n");
    Prikaz("mnuStartVypoctu");
    EXPECT_EQ(platforma.boxes.size(), 1u); // the notebook error, nothing more
    EXPECT_EQ(kontext.stav.Stav, 0);
}

} // namespace
} // namespace lomvira::test
