// The window "Převod souřadnic" driven as the user drives it: boxes filled, buttons pressed,
// results and messages read back.

#include "coords/ui/Zm_JTSK.h"
#include "ui/UiPomocnik.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace lomvira::test {
namespace {

class Zm_JTSKTest : public ::testing::Test {
protected:
    QLineEdit* Pole(const char* jmeno) { return okno.findChild<QLineEdit*>(jmeno); }
    QString Text(const char* jmeno) { return Pole(jmeno)->text(); }
    void Napis(const char* jmeno, const QString& text) { Pole(jmeno)->setText(text); }
    void Stiskni(const char* jmeno) { okno.findChild<QPushButton*>(jmeno)->click(); }
    void Meridian(int index) { okno.findChild<QComboBox*>("cmbMeridian")->setCurrentIndex(index); }

    void NapisUhel(const char* jmeno, const QString& d, const QString& m, const QString& s)
    {
        const std::string j = jmeno;
        Napis(("txt" + j + "Stupne").c_str(), d);
        Napis(("txt" + j + "Minuty").c_str(), m);
        Napis(("txt" + j + "Vteriny").c_str(), s);
    }
    QString Uhel(const char* jmeno)
    {
        const std::string j = jmeno;
        return Text(("txt" + j + "Stupne").c_str()) + " " + Text(("txt" + j + "Minuty").c_str()) + " " +
               Text(("txt" + j + "Vteriny").c_str());
    }

    // Presses the button and returns the text of the message box it opens.
    QString StiskniSeZpravou(const char* jmeno)
    {
        QString zprava;
        ModalniObsluha o({[&zprava](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), "Převod souřadnic");
            zprava = box->text();
            box->accept();
        }});
        Stiskni(jmeno);
        EXPECT_TRUE(o.Hotovo());
        return zprava;
    }

    Zm_JTSK okno{nullptr};
};

TEST_F(Zm_JTSKTest, ZeZemepisnychNaJTSKADivergenceVeTrechJednotkach)
{
    EXPECT_EQ(okno.windowTitle(), "Převod souřadnic");
    EXPECT_EQ(Pole("txtFiStupne")->toolTip(), "Zadání severní šířky - stupně");
    EXPECT_EQ(Pole("txtX")->toolTip(), "Zadání souřadnice X");

    // The published EPSG example, with a decimal comma as some users type it.
    NapisUhel("Fi", "50", "12", "32,4416");
    NapisUhel("Lambda", "16", "50", "59.1790");
    Stiskni("cmdNaJTSK");
    EXPECT_EQ(Text("txtX"), "1050538.643");
    EXPECT_EQ(Text("txtY"), "568990.997");
    // ε − ξ on the sphere gives 5.98240° here (5°58'56.6", 6.64711g); the window's forward
    // difference is good to a few arc seconds.
    const auto hodnota = [this](const char* jednotka) {
        QString t = Text("txtDivergence");
        EXPECT_TRUE(t.endsWith(QString::fromUtf8(jednotka))) << t.toStdString();
        t.chop(1);
        return t.toDouble();
    };
    EXPECT_NEAR(hodnota("°"), 5.98240, 5.0 / 3600);

    okno.findChild<QRadioButton*>("optGrady")->click();
    EXPECT_NEAR(hodnota("g"), 6.64711, 5.0 / 3240);
    okno.findChild<QRadioButton*>("optDMS")->click();
    EXPECT_TRUE(Text("txtDivergence").startsWith("5°58'5") && Text("txtDivergence").endsWith("\""))
        << Text("txtDivergence").toStdString();
}

TEST_F(Zm_JTSKTest, ZJTSKNaZemepisneVeFerruAWgs)
{
    Napis("txtX", "1050538.643");
    Napis("txtY", "568990.997");
    Meridian(0);
    EXPECT_FALSE(Pole("txtVyska")->isEnabled());
    Stiskni("cmdNaZemepisne");
    EXPECT_EQ(Uhel("Fi"), "50 12 32.44160");
    // 16°50'59.1790" east of Greenwich is 34°30'44.1790" east of Ferro (17°39'45"); the grid
    // point is rounded to the millimetre, which is 0.00005" of longitude.
    EXPECT_EQ(Text("txtLambdaStupne") + " " + Text("txtLambdaMinuty"), "34 30");
    EXPECT_NEAR(Text("txtLambdaVteriny").toDouble(), 44.1790, 0.00005);

    // And back from Ferro lands on the same grid point.
    Napis("txtX", "");
    Stiskni("cmdNaJTSK");
    EXPECT_EQ(Text("txtX"), "1050538.643");

    // WGS-84: the typed height is the point's height on Bessel and gives way to the WGS-84 one.
    Meridian(2);
    EXPECT_TRUE(Pole("txtVyska")->isEnabled());
    Napis("txtVyska", "300");
    Stiskni("cmdNaZemepisne");
    const double vyska = Text("txtVyska").toDouble();
    EXPECT_GT(vyska, 330.0);
    EXPECT_LT(vyska, 370.0);
    // Back again with that WGS-84 height: the grid point, but for the centimetre that the
    // shift there and back (its rotations negated) leaves.
    Stiskni("cmdNaJTSK");
    EXPECT_NEAR(Text("txtX").toDouble(), 1050538.643, 0.01);
    EXPECT_NEAR(Text("txtY").toDouble(), 568990.997, 0.01);
}

TEST_F(Zm_JTSKTest, SpatneVstupyANeprevoditelnyBodHlasiZpravou)
{
    NapisUhel("Fi", "50", "abc", "0");
    NapisUhel("Lambda", "15", "0", "0");
    EXPECT_EQ(StiskniSeZpravou("cmdNaJTSK"), "„abc“ není číslo (zeměpisná šířka - minuty).");
    EXPECT_EQ(Text("txtX"), "");

    NapisUhel("Fi", "50", "60", "0");
    EXPECT_EQ(StiskniSeZpravou("cmdNaJTSK"), "Minuty a vteřiny musí ležet mezi 0 a 60 (zeměpisná šířka).");
    NapisUhel("Fi", "95", "", "");
    EXPECT_EQ(StiskniSeZpravou("cmdNaJTSK"), "Zeměpisná šířka musí ležet mezi -90° a 90°.");

    EXPECT_EQ(StiskniSeZpravou("cmdNaZemepisne"), "Chybí souřadnice X.");
    Napis("txtX", "1e12");
    Napis("txtY", "1e12");
    EXPECT_EQ(
        StiskniSeZpravou("cmdNaZemepisne"),
        "Bod X = 1000000000000.000, Y = 1000000000000.000 se nepodařilo převést: výpočet nekonverguje.");
    EXPECT_EQ(Uhel("Fi"), "95  ");
    EXPECT_EQ(Text("txtDivergence"), "");

    // A minus before zero degrees makes the whole angle negative: a degree further south.
    NapisUhel("Fi", "0", "30", "0");
    Stiskni("cmdNaJTSK");
    const double severne = Text("txtX").toDouble();
    NapisUhel("Fi", "-0", "30", "0");
    Stiskni("cmdNaJTSK");
    EXPECT_GT(Text("txtX").toDouble(), severne + 50000) << Text("txtX").toStdString();
}

} // namespace
} // namespace lomvira::test
