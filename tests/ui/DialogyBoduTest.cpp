// The given point and connection dialogs driven from the panels' buttons as a surveyor
// would: add a point named like a station, delete the third of five points, move a
// connection, compute again; each change is written into the notebook. Then the group
// information window, the shot selection and the fonts.

#include "app/ui/AddPri.h"
#include "app/ui/AddZnB.h"
#include "app/ui/DialogyBodu.h"
#include "app/ui/Form1.h"
#include "model/ui/DlgZam.h"
#include "network/ui/Form3.h"
#include "support/FakePlatforma.h"
#include "ui/UiPomocnik.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace lomvira::test {
namespace {

const std::string Smycka = "# Pět daných bodů, tři z nich na bodech smyčky.\n"
                           "! SOU_SYS = 60/d, VLASTNI\n"
                           "* A1 1000 2000 300\n* P2 1010 2000 300\n* A3 1010 2010 300\n* P4 0 0 0\n"
                           "* A4 1000 2010 300\n"
                           "A1 A2 10 90 0\nA2 A3 10 0 0\nA3 A4 10 270 0\nA4 A1 10 180 0\n";

class DialogyBoduTest : public ::testing::Test {
protected:
    DialogyBoduTest() : kontext(platforma, nastaveni), okno(kontext)
    {
        ZapisBajty(slozka / "smycka.mer", Smycka);
        okno.VyberOtevreni = [this](const PozadavekSouboru&) { return std::optional(slozka / "smycka.mer"); };
        okno.PrikazSoubor(PrikazSouboru::Otevri);
    }
    // Presses a panel's button and runs `akce` on the dialog it opens.
    void Tlacitko(const char* zalozka, const char* jmeno, std::function<void(QWidget*)> akce)
    {
        ModalniObsluha o({std::move(akce)});
        okno.Zalozka(zalozka)->findChild<QPushButton*>(jmeno)->click();
        EXPECT_TRUE(o.Hotovo());
    }
    void VyberRadek(const char* zalozka, const char* seznam, int radek)
    {
        okno.Zalozka(zalozka)->findChild<QListWidget*>(seznam)->setCurrentRow(radek);
    }
    std::string Spojeni() const
    {
        std::string s;
        for (int i = 1; i <= kontext.model.connections.ConnectionCount(); ++i) {
            const ConnectionRecord c = kontext.model.connections.GetConnection(i);
            s += Orizni(kontext.model.stations.GetStationName(c.Station)) + ">" + std::to_string(c.GivenPoint) + " ";
        }
        return s;
    }
    std::string Text() const { return okno.Editor()->toPlainText().toStdString(); }

    DocasnaSlozka slozka;
    FakePlatforma platforma;
    PametoveNastaveni nastaveni;
    Kontext kontext;
    Form1 okno;
};

TEST_F(DialogyBoduTest, AddingChangingAndDeletingGivenPointsKeepsModelAndNotebookTogether)
{
    ASSERT_EQ(Spojeni(), "A1>1 A3>3 A4>5 ");
    struct Radek {
        const char* jmeno;
        const char* souradnice[3];
        int odpoved;      // to the question whether to change an existing point
        bool zavreno;     // the dialog closed
        const char* box;  // the start of the last message, "" for none
        const char* radekZapisniku;
    };
    const Radek radky[] = {
        {" a2 ", {"1010,5", "2000", "300.25"}, 0, true, "", "* A2  1010.5  2000  300.25\n"},
        {"A1", {"1", "2", "3"}, MsgBox::No, false, "Daný bod A1 již existuje.\r\nPřejete si", "* A1 1000 2000 300\n"},
        {"A1", {"1", "2", "3"}, MsgBox::Yes, true, "Daný bod A1", "* A1  1  2  3\n"},
        {"A 1", {"1", "2", "3"}, 0, false, "Jméno bodu 'A 1' nelze", ""},
        {"B9", {"1", "x", "3"}, 0, false, "Souřadnice Y není číslo.", ""},
    };
    for (const Radek& r : radky) {
        SCOPED_TRACE(r.jmeno);
        platforma.boxes.clear();
        if (r.odpoved)
            platforma.answers.push_back(r.odpoved);
        bool zavreno = false;
        Tlacitko("dane", "cmdPřidat", [&](QWidget* w) {
            auto* d = qobject_cast<AddZnB*>(w);
            d->Jmeno()->setText(r.jmeno);
            for (int i = 0; i < 3; ++i)
                d->Souradnice(i)->setText(r.souradnice[i]);
            d->findChild<QPushButton*>("cmdBudiz")->click();
            zavreno = !d->isVisible();
            if (!zavreno)
                d->reject();
        });
        EXPECT_EQ(zavreno, r.zavreno);
        EXPECT_EQ(platforma.boxes.empty() ? "" : platforma.boxes.back().text.substr(0, std::strlen(r.box)), r.box);
        EXPECT_NE(Text().find(r.radekZapisniku), std::string::npos) << Text();
    }
    // The new point is connected to the station of its name at once, and coordinates are
    // typed in the notebook's system.
    EXPECT_EQ(Spojeni(), "A1>1 A3>3 A4>5 A2>6 ");
    const SourSystTransf t(*kontext.Soustava());
    const StationRecord a2 = kontext.model.givenPoints.GetGivenPoint(6);
    EXPECT_NEAR(t.Vystup({"", a2.X, a2.Y, a2.Z}).X, 1010.5, 1e-9);
    EXPECT_EQ(kontext.stav.Stav, 1);

    // The third of the six points goes, with its connection; the later ones move down.
    VyberRadek("dane", "lstDaneBody", 2);
    platforma.answers.push_back(MsgBox::Yes);
    Tlacitko("dane", "cmdOdebrat", [](QWidget* w) {
        w->findChild<QPushButton*>("cmdVymaz")->click();
        w->findChild<QPushButton*>("cmdZavri")->click();
    });
    EXPECT_EQ(platforma.boxes.back().text, "Opravdu chcete smazat daný bod 'A3'?");
    EXPECT_EQ(Spojeni(), "A1>1 A4>4 A2>5 ");
    EXPECT_EQ(Text().find("* A3"), std::string::npos);

    // The notebook as changed loads to the same given points.
    okno.CtiZapisnik();
    EXPECT_EQ(kontext.model.givenPoints.GivenPointCount(), 5);
    EXPECT_EQ(Spojeni(), "A1>1 A4>4 A2>5 ");
}

TEST_F(DialogyBoduTest, ConnectionsChangeAndTheSurveyComputesAgain)
{
    okno.StartVypoctu();
    ASSERT_EQ(kontext.stav.Stav, 3);
    // A4's connection moves to station A2 and given point P2.
    VyberRadek("pripojeni", "lstPripojeni", 2);
    Tlacitko("pripojeni", "cmdZměnit", [](QWidget* w) {
        auto* d = qobject_cast<AddPri*>(w);
        EXPECT_EQ(d->Stanice()->currentItem()->text(), "A4");
        EXPECT_EQ(d->Souradnice(0)->text(), "1000.000");
        d->Stanice()->setCurrentRow(1);
        d->DaneBody()->setCurrentRow(1);
        d->findChild<QPushButton*>("cmdBudiz")->click();
    });
    EXPECT_EQ(Spojeni(), "A1>1 A3>3 A2>2 ");
    EXPECT_EQ(kontext.stav.Stav, 1);
    platforma.answers.push_back(MsgBox::Yes);
    VyberRadek("pripojeni", "lstPripojeni", 0);
    okno.Zalozka("pripojeni")->findChild<QPushButton*>("cmdOdebrat")->click();
    EXPECT_EQ(Spojeni(), "A3>3 A2>2 ");
    okno.StartVypoctu();
    EXPECT_EQ(kontext.stav.Stav, 3);
}

TEST_F(DialogyBoduTest, SourcesOfPointsAndTheirSystems)
{
    ZapisBajty(slozka / "vlastni.sou", "90,vlastni\r\nA2, 5.5, 6, 7\r\nQ1, 1, 2, 3\r\n");
    ZapisBajty(slozka / "jtsk.sou", "JTSK,0,BPV\r\nA2, 5, 6, 7\r\n");
    std::vector<ZdrojSouradnic> zdroje;
    AddZnB d(kontext, zdroje, &okno);
    std::string soubor;
    d.VyberZdroje = [&](const PozadavekSouboru&) { return std::optional(soubor); };
    d.show();
    d.NastavZpusob(ZadaniZeZdroje);
    soubor = slozka / "jtsk.sou";
    d.NovyZdroj();
    EXPECT_EQ(platforma.boxes.back().text, "Nekompatibilní souřadný systém");
    EXPECT_EQ(d.Zdroje()->count(), 1);
    soubor = slozka / "vlastni.sou";
    d.NovyZdroj();
    ASSERT_EQ(d.Zdroje()->currentIndex(), 1);
    EXPECT_EQ(d.BodyZdroje()->count(), 2);
    EXPECT_EQ(d.Souradnice(0)->text(), "5.500");
    d.findChild<QPushButton*>("cmdBudiz")->click();
    const int n = kontext.model.givenPoints.FindGivenPoint("A2");
    ASSERT_GT(n, 0);
    EXPECT_EQ(kontext.model.givenPoints.GetGivenPointSource(n).Source, slozka / "vlastni.sou");
    EXPECT_EQ(d.Ulozeny()->poznamka, "zdroj vlastni.sou, bod A2");
    EXPECT_EQ(Spojeni(), "A1>1 A3>3 A4>5 A2>6 ");
}

TEST_F(DialogyBoduTest, GroupInformationShotSelectionAndFonts)
{
    okno.findChild<QAction*>("mnuInformace")->trigger();
    EXPECT_EQ(platforma.boxes.back().text, "Nelze prohlížet skupiny, dokud nebyla provedena vektorizace!");
    okno.StartVypoctu();
    Form3 f(kontext.model, kontext.sit, kontext.stav, *kontext.Soustava());
    f.Oblasti()->setCurrentRow(1);
    f.Skupiny()->setCurrentRow(1);
    EXPECT_EQ(f.Body()->count(), 4);
    EXPECT_EQ(f.findChild<QLabel*>("PocZamer")->text(), "Počet záměr: 4");
    f.Zamery()->setCurrentRow(0);
    EXPECT_TRUE(f.Popis()->text().startsWith("Odchylky po vyrovnání:\nDélky: "));

    DlgZam dlg(kontext.model);
    dlg.SetSezZam({4, 3, 2, 1});
    dlg.VyberBod("a 2");
    EXPECT_EQ(dlg.Okno().Seznam()->count(), 2);
    dlg.Serad();
    dlg.VyberDle(2);
    dlg.Okno().findChild<QPushButton*>("cmdDoBodu")->click();
    EXPECT_EQ(dlg.Okno().Seznam()->count(), 2);
    EXPECT_EQ(dlg.Okno().Seznam()->item(0)->text(), "A2          A3        ");
    EXPECT_EQ(dlg.Okno().Vybrana(), 2);

    ModalniObsluha o({[](QWidget* w) { qobject_cast<QDialog*>(w)->accept(); }});
    okno.findChild<QAction*>("mnuFonty")->trigger();
    EXPECT_TRUE(o.Hotovo());
    EXPECT_EQ(platforma.boxes.back().text, "Pro výpisy byl vybrán font " + kontext.volby.Font);
    EXPECT_EQ(nastaveni.Cti(AplikaceNastaveni, "Obrazovka", "Font"), kontext.volby.Font);
}

} // namespace
} // namespace lomvira::test
