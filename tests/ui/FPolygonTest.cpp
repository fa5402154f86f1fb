// The display window and the print dialog offscreen: "Zobraz polygon..." computes first,
// the wheel and the turning drag change the view, a click selects the station's notebook
// line, the picture is saved in three formats, and "Tisk" writes the chosen sections to a PDF.

#include "app/Protokol.h"
#include "app/ui/FPolygon.h"
#include "app/ui/Form1.h"
#include "app/ui/PlochaPolygonu.h"
#include "common/ui/QtPlochaTisku.h"
#include "common/ui/TiskNaTiskarne.h"
#include "reports/ui/FTisk.h"
#include "support/FakePlatforma.h"
#include "ui/UiPomocnik.h"

#include <QAction>
#include <QComboBox>
#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace lomvira::test {
namespace {

// Four stations in a line to the east, a side shot to the north; every value exact.
const std::string Zapisnik = "# Okno polygonu: chodba k východu a odbočka k severu.\n"
                             "* A1 0 0 0\n"
                             "A1 A2 10 90 0\n"
                             "A2 A3 10 90 0\n"
                             "A3 A4 10 90 0\n"
                             "A2 B1 5 0 0\n";

int PocetStranPdf(const std::string& pdf)
{
    int n = 0;
    for (std::size_t i = pdf.find("/Type /Page"); i != std::string::npos; i = pdf.find("/Type /Page", i + 1))
        if (pdf.compare(i, 12, "/Type /Pages") != 0)
            ++n;
    return n;
}

class FPolygonTest : public ::testing::Test {
protected:
    FPolygonTest() : kontext(platforma, nastaveni), okno(kontext)
    {
        ZapisBajty(slozka / "okno.mer", Zapisnik);
        okno.VyberOtevreni = [this](const PozadavekSouboru&) { return std::optional(slozka / "okno.mer"); };
        okno.resize(700, 500);
    }
    FPolygon* Otevri()
    {
        okno.findChild<QAction*>("mnuZobrazPolygon")->trigger();
        auto* f = okno.findChild<FPolygon*>();
        if (f) {
            f->resize(800, 600);
            f->ZoomNaVse();
        }
        return f;
    }
    QPointF Bod(FPolygon* f, int stanice)
    {
        const Platno p = f->Plocha()->AktualniPlatno();
        Zobraz& z = f->Zobrazeni();
        return {z.Xobr(z.U(stanice), p), z.Yobr(z.V(stanice), p)};
    }
    void Mys(QWidget* w, QEvent::Type typ, QPointF bod, Qt::MouseButton tlacitko, Qt::MouseButtons drzena)
    {
        QMouseEvent e(typ, bod, w->mapToGlobal(bod), tlacitko, drzena, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    std::string Vybrany() const { return okno.Editor()->textCursor().selectedText().toStdString(); }

    DocasnaSlozka slozka;
    FakePlatforma platforma;
    PametoveNastaveni nastaveni;
    Kontext kontext;
    Form1 okno;
};

TEST_F(FPolygonTest, ZobrazPolygonSpocteAOrameujePudorys)
{
    ASSERT_TRUE(okno.PrikazSoubor(PrikazSouboru::OtevriBezNacteni));
    FPolygon* f = Otevri();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(kontext.stav.Stav, 3); // loaded, vectorised and computed on the way
    ASSERT_EQ(f->Zobrazeni().Scena().stanice.size(), 5u);
    EXPECT_NEAR(Bod(f, 4).x(), f->Plocha()->width() - 40, 1e-6); // framed in the window's own size
    // Layers switch from the menu.
    const Platno p = f->Plocha()->AktualniPlatno();
    f->Akce("mnuBody")->trigger();
    EXPECT_EQ(f->Zobrazeni().Kresli(p).Vrstva("body"), nullptr);
    f->Akce("mnuKontrola")->trigger();
    EXPECT_NE(f->Zobrazeni().Kresli(p).Vrstva("kontrola"), nullptr);
    // The scale box: 1 : 250.
    f->PoleMeritka()->setText("250");
    emit f->PoleMeritka()->returnPressed();
    EXPECT_DOUBLE_EQ(f->Zobrazeni().pohled.zoom, 1.0 / 250);
}

TEST_F(FPolygonTest, KolecekATahPravymTlacitkem)
{
    ASSERT_TRUE(okno.PrikazSoubor(PrikazSouboru::Otevri));
    FPolygon* f = Otevri();
    PlochaPolygonu* plocha = f->Plocha();
    Zobraz& z = f->Zobrazeni();
    const Platno p = plocha->AktualniPlatno();

    const QPointF kurzor(123, 234);
    const double u = z.UzX(kurzor.x(), p), zoom = z.pohled.zoom;
    QWheelEvent kolecko(kurzor, plocha->mapToGlobal(kurzor), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
    QApplication::sendEvent(plocha, &kolecko);
    EXPECT_NEAR(z.pohled.zoom, zoom * 1.25, 1e-15);
    EXPECT_NEAR(z.UzX(kurzor.x(), p), u, 1e-9);

    // Right, 40 pixels to the right and 20 up: the direction turns by 20°, the tilt leaves the plan by 10°.
    Mys(plocha, QEvent::MouseButtonPress, {100, 100}, Qt::RightButton, Qt::RightButton);
    Mys(plocha, QEvent::MouseMove, {120, 90}, Qt::NoButton, Qt::RightButton);
    Mys(plocha, QEvent::MouseMove, {140, 80}, Qt::NoButton, Qt::RightButton);
    Mys(plocha, QEvent::MouseButtonRelease, {140, 80}, Qt::RightButton, Qt::NoButton);
    EXPECT_NEAR(z.pohled.UhelB, PI / 2 + 20 * PI / 180, 1e-9);
    EXPECT_NEAR(z.pohled.UhelA, -PI / 2 + 10 * PI / 180, 1e-9);
}

TEST_F(FPolygonTest, KlikVybereRadekBoduDvojklikRadekZamery)
{
    ASSERT_TRUE(okno.PrikazSoubor(PrikazSouboru::Otevri));
    FPolygon* f = Otevri();
    PlochaPolygonu* plocha = f->Plocha();
    const QPointF b1 = Bod(f, 5) + QPointF(2, 2);
    Mys(plocha, QEvent::MouseButtonPress, b1, Qt::LeftButton, Qt::LeftButton);
    Mys(plocha, QEvent::MouseButtonRelease, b1, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(Vybrany(), "A2 B1 5 0 0");
    EXPECT_EQ(f->findChild<QLabel*>("lblVyber")->text(), "Bod B1:  X = 10.000  Y = 5.000  Z = 0.000");

    const QPointF stred = (Bod(f, 3) + Bod(f, 4)) / 2;
    Mys(plocha, QEvent::MouseButtonPress, stred, Qt::LeftButton, Qt::LeftButton);
    Mys(plocha, QEvent::MouseButtonRelease, stred, Qt::LeftButton, Qt::NoButton);
    Mys(plocha, QEvent::MouseButtonDblClick, stred, Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(Vybrany(), "A3 A4 10 90 0");
    EXPECT_EQ(f->findChild<QLabel*>("lblVyber")->text(), "Záměra A3 - A4");

    // Once the notebook is edited its lines no longer match the survey: nothing is selected.
    okno.Editor()->moveCursor(QTextCursor::Start);
    okno.Editor()->insertPlainText("# nový řádek\n");
    Mys(plocha, QEvent::MouseButtonPress, b1, Qt::LeftButton, Qt::LeftButton);
    Mys(plocha, QEvent::MouseButtonRelease, b1, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(Vybrany(), "");
}

TEST_F(FPolygonTest, ObrazekVeTrechFormatech)
{
    ASSERT_TRUE(okno.PrikazSoubor(PrikazSouboru::Otevri));
    FPolygon* f = Otevri();
    for (const auto& [jmeno, zacatek] : {std::pair("p.png", "\x89PNG"), std::pair("p.svg", "<?xml"), std::pair("p.pdf", "%PDF")}) {
        f->VyberObrazku = [&](const PozadavekSouboru&) { return std::optional(slozka / jmeno); };
        ASSERT_TRUE(f->UlozObrazek()) << jmeno;
        EXPECT_EQ(CtiBajty(slozka / jmeno).rfind(zacatek, 0), 0u) << jmeno;
    }
    EXPECT_FALSE(f->UlozObrazekDo(slozka / "p.bmp"));
    EXPECT_EQ(platforma.boxes.back().text, "Obrázek " + (slozka / "p.bmp") + " nelze uložit: neznámý formát (jen PNG, SVG nebo PDF).");

}

TEST_F(FPolygonTest, TiskDoPdfUloziTiskarnuPismaAKomentar)
{
    ASSERT_TRUE(okno.PrikazSoubor(PrikazSouboru::Otevri));
    kontext.komentarZpravy = "staré";
    FTisk dialog(PodkladyProtokolu(kontext), BehProtokolu(kontext, {}, FormatCisel{}), kontext.volby, nastaveni,
                 kontext.komentarZpravy, &okno);
    auto* tiskarny = dialog.findChild<QComboBox*>("STiskn");
    tiskarny->setCurrentIndex(tiskarny->findText(PolozkaPdf));
    dialog.findChild<QLineEdit*>("txtKoment")->setText("  Zaměřil Šimon  ");
    dialog.findChild<QCheckBox*>("chTbMer")->setChecked(false);
    dialog.findChild<QCheckBox*>("chTbBod")->setChecked(false);
    dialog.VyberPismo = [](const QString& aktualni) { return std::optional<QString>(aktualni + " X"); };
    dialog.findChild<QPushButton*>("btnFontTab")->click();
    dialog.VyberPdf = [&] { return std::optional(slozka / "protokol.pdf"); };
    ASSERT_TRUE(dialog.Tiskni());
    // Title sheet and one page of five profiles.
    EXPECT_EQ(PocetStranPdf(CtiBajty(slozka / "protokol.pdf")), 2);
    EXPECT_EQ(kontext.komentarZpravy, "Zaměřil Šimon");
    EXPECT_EQ(CtiNastaveni(nastaveni, "Tiskarny", "Text"), PolozkaPdf);
    EXPECT_EQ(CtiNastaveni(nastaveni, "Tiskarny", "FontTab"), "Courier New CE X");
    // No section checked: nothing to print.
    for (const char* c : {"chTitList", "chTbPrf"})
        dialog.findChild<QCheckBox*>(c)->setChecked(false);
    EXPECT_FALSE(dialog.findChild<QPushButton*>("BTisk")->isEnabled());
}

// What another window prints goes through the same printer path: a printer set to a PDF file
// writes the file whole, and a file that cannot be written is reported with its name.
TEST(TiskNaTiskarne, TiskarnaDoPdfZapiseCelySouborNeboOhlasiDuvod)
{
    DocasnaSlozka slozka;
    const ObsahTisku obsah = [](PlochaTisku& p) {
        p.Pismo("Courier New CE", 10, true, true);
        p.Text("Příliš žluťoučký kůň", true);
        p.NovaStrana();
        p.Cara(10, 10, 100, 10, 4);
        return std::string();
    };
    auto tiskni = [&](const std::string& cesta) {
        QPrinter tiskarna(QPrinter::HighResolution);
        tiskarna.setOutputFormat(QPrinter::PdfFormat);
        tiskarna.setOutputFileName(QString::fromStdString(cesta));
        return TiskniNaTiskarnu(tiskarna, obsah);
    };
    EXPECT_EQ(tiskni(slozka / "vysledky.pdf"), "");
    EXPECT_EQ(PocetStranPdf(CtiBajty(slozka / "vysledky.pdf")), 2);
    const std::string chyba = tiskni(slozka / "chybi/vysledky.pdf");
    EXPECT_NE(chyba.find(slozka / "chybi/vysledky.pdf nelze uložit"), std::string::npos) << chyba;
}

TEST(NahradniPismo, PismaNastaveniMajiSvouObdobuSCeskymiPismeny)
{
    for (const auto& [jmeno, pevne] : {std::pair("Times New Roman CE", false), std::pair("Courier New CE", true),
                                       std::pair("Neznámé Mono", true), std::pair("Neznámé", false)}) {
        const QString rodina = NahradniPismo(QString::fromUtf8(jmeno));
        EXPECT_TRUE(MaCeskaPismena(rodina)) << jmeno << " -> " << rodina.toStdString();
        EXPECT_EQ(QFontDatabase::isFixedPitch(rodina), pevne) << jmeno << " -> " << rodina.toStdString();
    }
}

} // namespace
} // namespace lomvira::test
