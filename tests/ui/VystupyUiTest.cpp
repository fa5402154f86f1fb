// The output dialogs and commands of the main window: proposed names, the question before
// replacing, the DXF options, the document output, and the viewer's launch.

#include "app/DataVystupu.h"
#include "app/ui/Form1.h"
#include "app/ui/PrikazyVystupu.h"
#include "output/Prohlizec.h"
#include "output/TypVystupu.h"
#include "output/ui/FUlozSour.h"
#include "output/ui/SpustProgramQt.h"
#include "output/ui/frmACAD.h"
#include "support/FakePlatforma.h"
#include "ui/UiPomocnik.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QThread>

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

namespace lomvira::test {
namespace {

const std::string Zapisnik = "# Čtverec\n! LOKALITA = \"Žlutá sluj\" \"7\"\n* A1 100 200 50\nA1 A2 10 90 0\n"
                             "A2 A3 10 0 0\nA3 A1 14.1421356 225 0\n";

class VystupyOkna : public ::testing::Test {
protected:
    VystupyOkna() : kontext(platforma, nastaveni), okno(kontext)
    {
        okno.VyberOtevreni = okno.VyberUlozeni = [](const PozadavekSouboru&) { return std::optional<std::string>(); };
    }
    void Nacti()
    {
        ZapisBajty(slozka / "ctverec.mer", Zapisnik);
        okno.VyberOtevreni = [this](const PozadavekSouboru&) { return std::optional<std::string>(slozka / "ctverec.mer"); };
        ASSERT_TRUE(okno.PrikazSoubor(PrikazSouboru::Otevri));
        ASSERT_EQ(kontext.stav.Stav, 1);
    }
    void Spocti()
    {
        if (kontext.stav.Stav < 1)
            Nacti();
        okno.StartVypoctu();
        ASSERT_EQ(kontext.stav.Stav, 3);
    }
    QAction* Polozka(const char* jmeno) const { return okno.findChild<QAction*>(jmeno); }
    template <class T>
    static T* Prvek(QWidget* w, const char* jmeno)
    {
        return w->findChild<T*>(jmeno);
    }

    DocasnaSlozka slozka;
    FakePlatforma platforma;
    PametoveNastaveni nastaveni;
    Kontext kontext;
    Form1 okno;
};

TEST_F(VystupyOkna, ChoicesProposeNamesExtensionsAndProperties)
{
    const VstupVystupu v = DataVystupu(kontext);
    FUlozSour d(v, platforma, nastaveni, kontext.volby, "C:\\data\\jeskyne.mer");
    auto* jmeno = Prvek<QLineEdit>(&d, "JmSoub");
    auto* typ = Prvek<QComboBox>(&d, "TypVyst");
    auto* vlastnosti = Prvek<QPushButton>(&d, "btnVlastnosti");
    // The 2.1 ANSI and 1.2 viewer formats (6, 7) keep the name and filter the choice before had.
    for (const auto& [index, pripona, dxf] : {std::tuple(2, "DXF", true), std::tuple(6, "DXF", true),
                                              std::tuple(7, "DXF", true), std::tuple(5, "VIR", false),
                                              std::tuple(8, "geojson", false)}) {
        typ->setCurrentIndex(index);
        EXPECT_EQ(jmeno->text().toStdString(), std::string("C:\\data\\jeskyne.") + pripona) << index;
        EXPECT_EQ(vlastnosti->isEnabled(), dxf) << index;
    }
    EXPECT_EQ(d.Filtr(), "GeoJSON (*.geojson)");
    jmeno->setText("C:\\data\\");
    typ->setCurrentIndex(0);

    // Browse starts at the name without its extension; a chosen name replaces the text.
    std::string start;
    d.Prochazet = [&start](const std::string&, const std::string&, const std::string& j) {
        start = j;
        return std::optional<std::string>("/tmp/jinam.SOU");
    };
    d.Prochazej();
    EXPECT_EQ(start, "C:\\data\\BEZJMENA");
    EXPECT_EQ(jmeno->text(), "/tmp/jinam.SOU");
}

TEST_F(VystupyOkna, WritingAsksAboutTheFileItWrites)
{
    Spocti();
    const VstupVystupu v = DataVystupu(kontext);
    const std::string vir = slozka / "v.VIR", pol = vir + ".pol";
    const struct {
        int typ;
        std::string jmeno;
        const char* predtim; // the written file before: nullptr for none
        int odpoved;         // 0: no question may come
        int vysledek;
        bool zapsano;
    } pripady[] = {
        {VystupVir21Utf8, vir, "stary", MsgBox::No, 0, false},
        {VystupVir21Utf8, vir, "stary", MsgBox::Cancel, QDialog::Rejected, false},
        {VystupVir21Utf8, vir, "stary", MsgBox::Yes, QDialog::Accepted, true},
        // An empty file goes without a question; so does a shown name whose written file is new.
        {VystupVir21Utf8, vir, "", 0, QDialog::Accepted, true},
        {VystupVir21Ansi, vir, nullptr, 0, QDialog::Accepted, true},
    };
    ZapisBajty(vir, "stary");
    for (const auto& p : pripady) {
        std::filesystem::remove(pol);
        if (p.predtim)
            ZapisBajty(pol, p.predtim);
        FakePlatforma otazky;
        if (p.odpoved)
            otazky.answers.push_back(p.odpoved);
        FUlozSour d(v, otazky, nastaveni, kontext.volby, p.jmeno);
        Prvek<QComboBox>(&d, "TypVyst")->setCurrentIndex(p.typ);
        Prvek<QLineEdit>(&d, "JmSoub")->setText(QString::fromStdString(p.jmeno));
        d.Zapis();
        EXPECT_EQ(d.result(), p.vysledek) << p.typ << " " << p.odpoved;
        ASSERT_EQ(otazky.boxes.size(), p.odpoved ? 1u : 0u);
        if (p.odpoved) {
            EXPECT_EQ(otazky.boxes[0].text, "Soubor " + pol + " existuje.\r\nNahradit?");
        }
        const std::string obsah = CtiBajty(pol);
        EXPECT_EQ(obsah.rfind("/ UniPolygon", 0) == 0, p.zapsano) << p.typ << " " << p.odpoved;
        if (!p.zapsano && p.predtim) {
            EXPECT_EQ(obsah, p.predtim);
        }
    }
    EXPECT_EQ(CtiBajty(vir), "stary");

    // A file that cannot be written: a message naming it, and the dialog stays.
    FakePlatforma zpravy;
    FUlozSour d(v, zpravy, nastaveni, kontext.volby, slozka / "chybi/x.mer");
    d.Zapis();
    EXPECT_EQ(d.result(), 0);
    ASSERT_EQ(zpravy.boxes.size(), 1u);
    EXPECT_NE(zpravy.boxes[0].text.find("chybi/x.SOU"), std::string::npos) << zpravy.boxes[0].text;
}

TEST_F(VystupyOkna, DxfOptionsDialog)
{
    MoznostiDXF m;
    m.jednotky = 0.3048;
    m.meritko = 0.002;
    m.pohled = 2;
    m.vyskaPisma = 2.5;
    frmACAD d(m, nastaveni, kontext.volby, platforma);
    auto* jednotky = Prvek<QComboBox>(&d, "comJednotky");
    EXPECT_EQ(jednotky->currentText(), "stopy");
    EXPECT_EQ(Prvek<QLineEdit>(&d, "txtM2")->text(), "500");
    EXPECT_TRUE(Prvek<QRadioButton>(&d, "optXZ")->isChecked());

    jednotky->setCurrentText("mm");
    Prvek<QLineEdit>(&d, "txtM2")->setText("0"); // 1 : 0 is stored as 1 : 100
    Prvek<QRadioButton>(&d, "optYZ")->setChecked(true);
    Prvek<QLineEdit>(&d, "txtVBodu")->setText("nic");
    EXPECT_FALSE(d.Potvrd()); // nothing stored while a box is wrong
    EXPECT_EQ(CtiNastaveni(nastaveni, SekceDXF, "VYSTUPNI_JEDNOTKY"), "");
    Prvek<QLineEdit>(&d, "txtVBodu")->setText("3,5");
    EXPECT_TRUE(d.Potvrd());
    const struct {
        const char* klic;
        const char* hodnota;
    } ulozene[] = {{"VYSTUPNI_JEDNOTKY", "0.001"}, {"Meritko", "0.01"}, {"Pohled", "3"}, {"VELIKOST_BODU", "3.5"},
                   {"VYSKA_BODU", "2.5"}};
    for (const auto& u : ulozene)
        EXPECT_EQ(CtiNastaveni(nastaveni, SekceDXF, u.klic), u.hodnota) << u.klic;
    // "Ulož nastavení" writes the option variables: they follow the dialog.
    EXPECT_EQ(kontext.volby.VelikostBodu, 3.5);
}

TEST_F(VystupyOkna, ViewerGetsItsFileIntactThroughBlanksQuotesAndShellCharacters)
{
    Spocti();
    const std::string temp = slozka / "te mp \"q\" $HOME;";
    std::filesystem::create_directories(temp);
    const std::string program = slozka / "view'er \"x\" $1 & y.sh";
    ZapisBajty(program, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$1\" > \"$(dirname \"$0\")/argumenty.tmp\"\n"
                        "mv \"$(dirname \"$0\")/argumenty.tmp\" \"$(dirname \"$0\")/argumenty\"\n");
    const char* puvodni = std::getenv("TEMP");
    const std::string zaloha = puvodni ? puvodni : "";
    ::setenv("TEMP", temp.c_str(), 1);
    // Not executable yet: refused with a reason.
    EXPECT_NE(SpustProhlizec(DataVystupu(kontext), program, SpustOddelene).find("nelze spustit"), std::string::npos);
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    EXPECT_EQ(SpustProhlizec(DataVystupu(kontext), program, SpustOddelene), "");
    puvodni ? ::setenv("TEMP", zaloha.c_str(), 1) : ::unsetenv("TEMP");

    const std::string argumenty = slozka / "argumenty";
    for (int i = 0; i < 500 && !std::filesystem::exists(argumenty); ++i)
        QThread::msleep(10);
    EXPECT_EQ(CtiBajty(argumenty), "1\n" + temp + "/~lmv.vir.pol\n");
    EXPECT_EQ(CtiBajty(temp + "/~lmv.vir.pol").rfind("/ UniPolygon z LOMVIRY", 0), 0u);
}

TEST_F(VystupyOkna, MenuCommandsAndTheirPreconditions)
{
    // Nothing loaded: the item is off. Loaded, not computed: the message, no dialog.
    EXPECT_FALSE(Polozka("mnuUlozSouradnice")->isEnabled());
    Nacti();
    Polozka("mnuUlozSouradnice")->trigger();
    ASSERT_EQ(platforma.boxes.size(), 1u);
    EXPECT_EQ(platforma.boxes[0].text, "Nelze ukládat souřadnice bodů, pokud nebyl proveden výpočet!");
    Spocti();
    {
        ModalniObsluha o({[this](QWidget* w) {
            EXPECT_EQ(Prvek<QLineEdit>(w, "JmSoub")->text().toStdString(), slozka / "ctverec.SOU");
            Prvek<QPushButton>(w, "BOK")->click();
        }});
        Polozka("mnuUlozSouradnice")->trigger();
        EXPECT_TRUE(o.Hotovo());
    }
    EXPECT_EQ(CtiBajty(slozka / "ctverec.SOU").substr(0, 12), "90,vlastni\r\n");

    // The document output keeps the comment and writes nothing.
    {
        ModalniObsluha o({[this](QWidget* w) {
            Prvek<QLineEdit>(w, "txtKoment")->setText("  Měřil Šimon  ");
            Prvek<QPushButton>(w, "BOK")->click();
        }});
        Polozka("mnuUlozDokument")->trigger();
        EXPECT_TRUE(o.Hotovo());
    }
    EXPECT_EQ(kontext.komentarZpravy, "Měřil Šimon");
    EXPECT_EQ(platforma.boxes.back().text, "Ve 32 bitové verzi není zatím k dispozici!");
    EXPECT_FALSE(std::filesystem::exists(slozka / "ctverec.DOC"));
    // Opening a notebook empties it again.
    ASSERT_TRUE(okno.PrikazSoubor(PrikazSouboru::Otevri));
    EXPECT_EQ(kontext.komentarZpravy, "");
}

} // namespace
} // namespace lomvira::test
