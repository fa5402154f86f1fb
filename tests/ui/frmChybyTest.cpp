// The window "Analýza chyb" offscreen: "Kontrola chyb" vectorises the loaded survey first, the
// buttons fill the list and its value heading, "Tisk" only for differences, a click on the
// heading puts the worst first, and a double click walks through a shot's notebook lines.

#include "app/ui/Form1.h"
#include "app/ui/frmChyby.h"
#include "support/FakePlatforma.h"
#include "support/ZaznamTisku.h"
#include "ui/UiPomocnik.h"

#include <QAction>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace lomvira::test {
namespace {

// A square loop with its first side 1 m too long and measured twice, and a spur.
const std::string Zapisnik = "# Smyčka s chybou v délce první strany.\n"
                             "A B 11 0 0\n"
                             "B C 10 90 0\n"
                             "C D 10 180 0\n"
                             "D A 10 270 0\n"
                             "B A 11 180 0\n"
                             "C X 3 45 0\n";

TEST(frmChyby, ButtonsListHeadingPrintAndLines)
{
    DocasnaSlozka slozka;
    FakePlatforma platforma;
    PametoveNastaveni nastaveni;
    Kontext kontext(platforma, nastaveni);
    Form1 okno(kontext);
    ZapisBajty(slozka / "smycka.mer", Zapisnik);
    okno.VyberOtevreni = [&](const PozadavekSouboru&) { return std::optional(slozka / "smycka.mer"); };
    ASSERT_TRUE(okno.PrikazSoubor(PrikazSouboru::Otevri));

    QAction* menu = okno.findChild<QAction*>("mnuKontrolaChyb");
    ASSERT_NE(menu, nullptr);
    menu->trigger();
    frmChyby* f = okno.findChild<frmChyby*>();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(kontext.stav.Stav, 2);
    EXPECT_EQ(f->Seznam()->count(), 0);

    ASSERT_TRUE(f->Intenzita());
    EXPECT_EQ(f->Nadpis()->text(), "Intenzita chyby");
    EXPECT_FALSE(f->AkceTisk()->isEnabled());
    ASSERT_EQ(f->Seznam()->count(), 4);
    // The loop is walked from its junction C.
    EXPECT_EQ(f->Seznam()->item(0)->text().left(53), "C                         -                         B");

    f->RadPodleHodnoty();
    for (int i = 1; i < 4; ++i)
        EXPECT_GE(f->Seznam()->item(i - 1)->data(Qt::UserRole + 1).toDouble(),
                  f->Seznam()->item(i)->data(Qt::UserRole + 1).toDouble());

    // The shot A-B stands on two lines: double clicks take one after the other.
    QListWidgetItem* ab = nullptr;
    for (int i = 0; i < 4; ++i)
        if (std::abs(f->Seznam()->item(i)->data(Qt::UserRole).toInt()) == kontext.model.shots.FindShot(1, 2))
            ab = f->Seznam()->item(i);
    ASSERT_NE(ab, nullptr);
    f->VyberRadek(ab);
    EXPECT_EQ(okno.Editor()->textCursor().selectedText(), "A B 11 0 0");
    f->VyberRadek(ab);
    EXPECT_EQ(okno.Editor()->textCursor().selectedText(), "B A 11 180 0");
    f->VyberRadek(ab);
    EXPECT_EQ(okno.Editor()->textCursor().selectedText(), "A B 11 0 0");

    EXPECT_TRUE(f->Rozdily()); // nothing selected: nothing listed
    EXPECT_EQ(f->Seznam()->count(), 0);
    EXPECT_EQ(f->Nadpis()->text(), "Rozdíl [m]");
    ASSERT_TRUE(f->Intenzita());
    f->Seznam()->item(2)->setSelected(true);
    ASSERT_TRUE(f->Rozdily());
    ASSERT_EQ(f->Seznam()->count(), 1);
    EXPECT_TRUE(f->AkceTisk()->isEnabled());
    EXPECT_TRUE(f->Seznam()->item(0)->text().endsWith("1.000"));

    ZaznamTisku tisk;
    EXPECT_EQ(f->TiskniChyby(tisk), "");
    EXPECT_TRUE(tisk.Ukonceno());
    EXPECT_NE(tisk.Najdi(f->Seznam()->item(0)->text().toStdString()), nullptr);

    ASSERT_TRUE(f->NajdiChybu());
    ASSERT_EQ(f->Seznam()->count(), 1);
    EXPECT_EQ(f->Seznam()->item(0)->text(),
              "1.2  C - B - C  rozdíl 1.000 m  nejspíš délka B-A (řádky 2, 6)  příčka: řádky 3, 2, 6, 5, 4");
}

} // namespace
} // namespace lomvira::test
