// How the main window tells the user what it did and what is out of date, and its keyboard.
#include "app/ui/Form1.h"
#include "app/ui/UpravyZapisniku.h"
#include "app/ui/PanelSeznamu.h"
#include "common/ui/Klavesnice.h"
#include "common/ui/QtUlozisteNastaveni.h"
#include "support/FakePlatforma.h"
#include "ui/UiPomocnik.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace lomvira::test {
namespace {

const char* const Smycka = "* A 0 0 0\nA B 10 0 0\nB C 10 90 0\nC A 14.142 225 0\n";

class Form1ChovaniTest : public ::testing::Test {
protected:
    Form1ChovaniTest() : kontext(platforma, nastaveni), okno(kontext) {}
    void Prikaz(const char* jmeno)
    {
        okno.findChild<QAction*>(jmeno)->trigger();
        QCoreApplication::processEvents();
    }
    QString Stav() const { return okno.StavovyPanel("koment")->text(); }
    bool Upozorneni() const { return okno.findChild<QLabel*>("lblZastarale")->isVisibleTo(&okno); }
    QStringList Body() const { return static_cast<PanelSeznamu*>(okno.Zalozka("body"))->Radky(); }

    FakePlatforma platforma;
    PametoveNastaveni nastaveni;
    Kontext kontext;
    Form1 okno;
};

TEST_F(Form1ChovaniTest, SummariesAndResultsOfAnEarlierText)
{
    okno.Editor()->setPlainText(Smycka);
    Prikaz("mnuNacteniZapisniku");
    EXPECT_EQ(Stav(), "Načteno: 3 body, 3 měření, 1 daný bod");
    EXPECT_EQ(Body(), QStringList({"A          ", "B          ", "C          "}));
    EXPECT_FALSE(Upozorneni());

    okno.Editor()->appendPlainText("C D 5 0 0");
    EXPECT_TRUE(Upozorneni());
    const QPalette p = okno.Zalozka("body")->findChild<QListWidget*>()->palette();
    EXPECT_EQ(p.color(QPalette::Active, QPalette::Text), p.color(QPalette::Disabled, QPalette::Text));

    // Computed from the earlier load, so the warning stays.
    Prikaz("mnuStartVypoctu");
    EXPECT_TRUE(Stav().startsWith("Vypočteno: 3 body v 1 oblasti, 1 uzavřená smyčka, 0,")) << Stav().toStdString();
    EXPECT_TRUE(Upozorneni());

    Prikaz("mnuNacteniZapisniku");
    EXPECT_EQ(Stav(), "Načteno: 4 body, 4 měření, 1 daný bod");
    EXPECT_FALSE(Upozorneni());
    Prikaz("mnuUlozNastaveni"); // the next command
    EXPECT_EQ(Stav(), "");
}

TEST_F(Form1ChovaniTest, EveryMenuItemHasItsOwnAccessKey)
{
    okno.show();
    QCoreApplication::processEvents();
    std::vector<QWidget*> nabidky{okno.menuBar()};
    for (QMenu* m : okno.findChildren<QMenu*>())
        nabidky.push_back(m);
    for (QWidget* nabidka : nabidky) {
        QString pouzite;
        for (QAction* a : nabidka->actions()) {
            if (a->isSeparator() || a->text().isEmpty())
                continue;
            const QChar k = KlavesaPristupu(a->text());
            EXPECT_FALSE(k.isNull()) << a->text().toStdString();
            EXPECT_FALSE(!k.isNull() && pouzite.contains(k)) << a->text().toStdString();
            pouzite.append(k);
        }
    }
}

TEST_F(Form1ChovaniTest, FindAndReplace)
{
    const QString text = "A1 A2 1 2 3\na1 A3 4 5 6\n# a1\n";
    okno.Editor()->setPlainText(text);
    auto* najdi = okno.findChild<FNajdi*>();
    najdi->findChild<QLineEdit*>("txtHledat")->setText("a1");
    najdi->findChild<QLineEdit*>("txtNahradit")->setText("B1");
    ASSERT_TRUE(najdi->NajdiDalsi());
    EXPECT_TRUE(najdi->Nahrad()); // the first replaced, the second selected
    EXPECT_EQ(najdi->NahradVse(), 2);
    EXPECT_EQ(okno.Editor()->toPlainText(), "B1 A2 1 2 3\nB1 A3 4 5 6\n# B1\n");
    okno.Editor()->undo(); // replacing all is one step
    EXPECT_EQ(okno.Editor()->toPlainText(), "B1 A2 1 2 3\na1 A3 4 5 6\n# a1\n");
}

TEST_F(Form1ChovaniTest, RecentNotebooksComeBackFromTheSettings)
{
    DocasnaSlozka slozka;
    std::vector<std::string> cesty;
    for (const char* jmeno : {"a.mer", "b.mer", "a.mer"}) {
        ZapisBajty(slozka / jmeno, Smycka);
        cesty.push_back(slozka / jmeno);
        okno.VyberOtevreni = [&](const PozadavekSouboru&) { return std::optional(cesty.back()); };
        ASSERT_TRUE(okno.PrikazSoubor(PrikazSouboru::OtevriBezNacteni));
    }
    Form1 druhe(kontext); // a later run finds them
    QAction* b = druhe.findChild<QAction*>("mnuNaposledy2");
    EXPECT_EQ(b->text(), QString::fromStdString("&2 " + slozka / "b.mer"));
    b->trigger();
    EXPECT_EQ(kontext.souborZapisniku, slozka / "b.mer");
    EXPECT_EQ(kontext.stav.Stav, 1);
}

} // namespace
} // namespace lomvira::test
