// The insert dialogs, the coordinate system window and the computation parameters, driven
// through their controls; and the commands landing in the main window's editor.

#include "adjust/ui/FParam.h"
#include "app/ui/Form1.h"
#include "app/ui/PracovniDialogy.h"
#include "common/Cisla.h"
#include "coords/ui/frmInsSourSys.h"
#include "input/MeridlaStav.h"
#include "input/ui/frmDeklinace.h"
#include "input/ui/frmLokalita.h"
#include "input/ui/frmMeridlo.h"
#include "input/ui/frmVyberMeridla.h"
#include "input/ui/frmZastarale.h"
#include "support/FakePlatforma.h"
#include "ui/UiPomocnik.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include <memory>

namespace lomvira::test {
namespace {

template <class T>
T* Ovladac(QWidget* w, const char* jmeno)
{
    T* o = w->findChild<T*>(jmeno);
    EXPECT_NE(o, nullptr) << jmeno;
    return o;
}

TEST(PracovniDialogy, DialogyVkladaniSkladajiPrikazy)
{
    const RozborZapisniku rozbor("! KOMPAS = ( A\n!  JEDNOTKY = GRAD\n  )\n! KOMPAS = ( B\n  )\n", Volby{});
    const struct {
        std::function<DialogPrikazu*()> dialog;
        std::string text, chyba;
    } radky[] = {
        {[] {
             auto* d = new frmMeridlo(DruhMeridla::Delkomer);
             Ovladac<QLineEdit>(d, "txtJmeno")->setText("P 1");
             Ovladac<QComboBox>(d, "cmbZpusob")->setCurrentIndex(2);
             Ovladac<QLineEdit>(d, "txtPresnost")->setText("0,5");
             Ovladac<QCheckBox>(d, "chkPouzit")->setChecked(false);
             return d;
         },
         "! DELKOMER = ( P_1   # Definice Delkomeru 'P_1'\r\n!  ZPUSOB = SVISLA\r\n!  PRESNOST = 0.5\r\n  )\r\n\r\n", ""},
        {[] {
             auto* d = new frmMeridlo(DruhMeridla::Kompas);
             Ovladac<QLineEdit>(d, "txtJmeno")->setText("K");
             Ovladac<QLineEdit>(d, "txtPresnost")->setText("1°");
             return d;
         },
         "", "Přesnost není číslo."},
        {[&rozbor] {
             auto* d = new frmVyberMeridla(DruhMeridla::Kompas, rozbor, 20240315);
             EXPECT_EQ(Ovladac<QComboBox>(d, "cmbJmeno")->currentText(), "B"); // the last one
             Ovladac<QComboBox>(d, "cmbJmeno")->setCurrentIndex(0);
             EXPECT_EQ(Ovladac<QLabel>(d, "lblJednotky")->text(), "grády [GRA] (1/400)");
             Ovladac<QCheckBox>(d, "chkOdchylka")->setChecked(true);
             Ovladac<QLineEdit>(d, "txtOdchylka")->setText("1,5");
             return d;
         },
         "! KOMPAS = A, 1.50 # Vybran kompas 'A' s odchylkou 1.50\r\n\r\n", ""},
        {[] {
             auto* d = new frmDeklinace(0);
             Ovladac<QLineEdit>(d, "txtDeklinace")->setText("3,25");
             Ovladac<QRadioButton>(d, "optZapad")->setChecked(true);
             Ovladac<QComboBox>(d, "cmbJednotky")->setCurrentIndex(1);
             return d;
         },
         "! DEKLINACE = -3.25/G # Zadana deklinace -3.25g\r\n", ""},
        {[] { return new frmZastarale; }, "", "Nebyla zaškrtnuta žádná skupina nastavení."},
        {[] {
             auto* d = new frmZastarale;
             Ovladac<QGroupBox>(d, "fraAzimut")->setChecked(true);
             Ovladac<QGroupBox>(d, "fraAzimut")->findChildren<QRadioButton*>()[1]->setChecked(true);
             return d;
         },
         "! HOR_UHEL = KONTROLA\r\n", ""},
        {[] { return new frmLokalita("Sluj", "7", true); }, "! LOKALITA = \"Sluj\" \"7\"\r\n", ""},
    };
    for (const auto& r : radky) {
        std::unique_ptr<DialogPrikazu> d(r.dialog());
        const HotovyPrikaz p = d->Prikaz();
        EXPECT_EQ(p.text, r.text);
        EXPECT_EQ(p.chyba, r.chyba);
    }
}

TEST(PracovniDialogy, SouradnicovySystemPredvolbaViditelnostAPrikaz)
{
    VolbySouSys v;
    v.jtsk = false;
    v.uhelX = "100";
    v.osaXJednotky = 1;
    frmInsSourSys okno(v);
    okno.show();
    auto* jtsk = Ovladac<QWidget>(&okno, "fraJTSK");
    auto* vlastni = Ovladac<QWidget>(&okno, "fraVlastni");
    EXPECT_TRUE(vlastni->isVisible() && !jtsk->isVisible());
    EXPECT_NEAR(okno.findChild<ObrazekOs*>()->AzimutX(), PI / 2, 1e-12);
    auto* uhel = Ovladac<QLineEdit>(&okno, "txtUhX");
    uhel->setText("200");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(uhel, &enter); // swallowed: the window stays open
    EXPECT_TRUE(okno.isVisible());
    EXPECT_NEAR(okno.findChild<ObrazekOs*>()->AzimutX(), PI, 1e-12);
    EXPECT_FALSE(Ovladac<QWidget>(&okno, "txtSr")->isEnabled());
    Ovladac<QCheckBox>(&okno, "cheSr")->setChecked(true);
    EXPECT_TRUE(Ovladac<QWidget>(&okno, "txtSr")->isEnabled());
    Ovladac<QRadioButton>(&okno, "optSJTSK")->setChecked(true);
    EXPECT_TRUE(jtsk->isVisible() && !vlastni->isVisible());
    EXPECT_FALSE(Ovladac<QWidget>(&okno, "txtKonvergence")->isVisible()); // computed convergence
    Ovladac<QComboBox>(&okno, "cmbJTSKKonv")->setCurrentIndex(2);
    Ovladac<QLineEdit>(&okno, "txtSr")->setText("");
    Ovladac<QPushButton>(&okno, "btnOK")->click();
    EXPECT_EQ(okno.Prikaz(), "! SOU_SYS=JTSK,C_TDB,VLASTNI,VIR_VYROV=SAMOSTATNE\r\n");
}

TEST(PracovniDialogy, ParametryCtouPoleSMezemiANetknutaPonechaji)
{
    HodnotyParametru h{{0.0001, 0.00017, 0.0002}, 5 * PI / 180, 0, 0};
    const struct {
        const char* pole;
        QString text;
        QString zprava;
    } radky[] = {
        {"TDK", "0,5", ""},
        {"TFK", "50", "Směr: hodnota musí ležet mezi 0.00974 a 44.69071 ° (stupně)."},
        {"txtTolerance", "0", "Tolerance musí být větší než 0 a nejvýše 180 ° (stupně)."},
        {"TEK", "x", "Sklon: \"x\" není číslo."},
    };
    for (const auto& r : radky) {
        Pomery nove{};
        FParam okno(h, {0.002, 0.01, 0.01}, std::nullopt, [&nove](const Pomery& p) { nove = p; });
        Ovladac<QLineEdit>(&okno, r.pole)->setText(r.text);
        Ovladac<QCheckBox>(&okno, "chDotaz2")->setChecked(true);
        QString zprava;
        ModalniObsluha o({[&zprava](QWidget* w) {
            zprava = qobject_cast<QMessageBox*>(w)->text();
            qobject_cast<QMessageBox*>(w)->accept();
        }});
        Ovladac<QPushButton>(&okno, "BOK")->click();
        EXPECT_EQ(zprava, r.zprava);
        if (!r.zprava.isEmpty())
            continue;
        EXPECT_NEAR(okno.Vysledek().pomery.dk, 0.005, 1e-15);
        EXPECT_EQ(okno.Vysledek().pomery.fk, 0.00017); // untouched: exact
        EXPECT_EQ(okno.Vysledek().dotazy, 2);
        Ovladac<QPushButton>(&okno, "BZeZap")->click(); // nothing loaded: nothing new
        EXPECT_EQ(Ovladac<QLineEdit>(&okno, "TDK")->text(), "0,5");
        Ovladac<QPushButton>(&okno, "BZeIni")->click();
        Ovladac<QPushButton>(&okno, "SetAsDef")->click();
        EXPECT_EQ(nove.dk, 0.002);
    }
}

TEST(PracovniDialogy, PrikazVEditoruJeJedenKrokZpetANahrazujeLokalitu)
{
    FakePlatforma platforma;
    PametoveNastaveni nastaveni;
    Kontext kontext(platforma, nastaveni);
    Form1 okno(kontext);
    QMenu* vlozit = okno.findChild<QMenu*>("mnuVlozit");
    ASSERT_NE(vlozit, nullptr);
    EXPECT_EQ(okno.menuBar()->actions().indexOf(vlozit->menuAction()),
              okno.menuBar()->actions().indexOf(okno.findChild<QMenu*>("mnuVypocet")->menuAction()) + 1);
    QPlainTextEdit* editor = okno.Editor();
    editor->setPlainText("A1 A2 1 2 3\n! LOKALITA = \"Stara\" \"1\"\nA2 A3 1 2 3\n");
    QTextCursor c = editor->textCursor();
    c.setPosition(5);
    editor->setTextCursor(c);
    VlozAzimut(okno, false);
    EXPECT_EQ(editor->textCursor().position(), QString::fromStdString(PrikazAzimutu(false)).size() - 1);
    editor->undo();
    EXPECT_EQ(okno.TextZapisniku(), "A1 A2 1 2 3\n! LOKALITA = \"Stara\" \"1\"\nA2 A3 1 2 3\n");

    VlozVyberMeridla(okno, DruhMeridla::Kompas);
    ASSERT_EQ(platforma.boxes.size(), 1u);
    EXPECT_EQ(platforma.boxes[0].text, ZpravaBezMeridel(DruhMeridla::Kompas));
    ModalniObsluha o({[](QWidget* w) {
        w->findChild<QLineEdit*>("txtJmeno")->setText("Nova");
        w->findChild<QPushButton*>("btnOK")->click();
    }});
    VlozLokalitu(okno);
    EXPECT_TRUE(o.Hotovo());
    EXPECT_EQ(okno.TextZapisniku(), "A1 A2 1 2 3\n! LOKALITA = \"Nova\" \"1\"\nA2 A3 1 2 3\n");
    okno.Zalozky()->setCurrentIndex(1);
    EXPECT_FALSE(vlozit->menuAction()->isEnabled());
}

} // namespace
} // namespace lomvira::test
