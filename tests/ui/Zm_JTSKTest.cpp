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
    QLineEdit* Pole(const std::string& jmeno) { return okno.findChild<QLineEdit*>(QString::fromStdString(jmeno)); }
    QString Text(const std::string& jmeno) { return Pole(jmeno)->text(); }
    void Stiskni(const char* jmeno) { okno.findChild<QPushButton*>(jmeno)->click(); }
    void NapisUhel(const std::string& j, const QString& d, const QString& m, const QString& s)
    {
        Pole("txt" + j + "Stupne")->setText(d);
        Pole("txt" + j + "Minuty")->setText(m);
        Pole("txt" + j + "Vteriny")->setText(s);
    }
    // Presses the button and returns the text of the message box it opens.
    QString StiskniSeZpravou(const char* jmeno)
    {
        QString zprava;
        ModalniObsluha o({[&zprava](QWidget* w) {
            zprava = qobject_cast<QMessageBox*>(w)->text();
            qobject_cast<QMessageBox*>(w)->accept();
        }});
        Stiskni(jmeno);
        EXPECT_TRUE(o.Hotovo());
        return zprava;
    }

    Zm_JTSK okno{nullptr};
};

TEST_F(Zm_JTSKTest, TamAZpetVeTrechPolednicichADivergence)
{
    // The published EPSG example, with a decimal comma as some users type it.
    NapisUhel("Fi", "50", "12", "32,4416");
    NapisUhel("Lambda", "16", "50", "59.1790");
    Stiskni("cmdNaJTSK");
    EXPECT_EQ(Text("txtX"), "1050538.643");
    EXPECT_EQ(Text("txtY"), "568990.997");
    // ε − ξ on the sphere gives 5.98240° here (6.64711g); the forward difference is good to seconds.
    EXPECT_NEAR(Text("txtDivergence").chopped(1).toDouble(), 5.98240, 5.0 / 3600);
    okno.findChild<QRadioButton*>("optGrady")->click();
    EXPECT_NEAR(Text("txtDivergence").chopped(1).toDouble(), 6.64711, 5.0 / 3240);

    // Back in Ferro: 16°50'59.1790" east of Greenwich is 34°30'44.1790" east of Ferro; the grid
    // point is rounded to the millimetre, which is 0.00005" of longitude.
    okno.findChild<QComboBox*>("cmbMeridian")->setCurrentIndex(0);
    Stiskni("cmdNaZemepisne");
    EXPECT_EQ(Text("txtFiStupne") + " " + Text("txtFiMinuty") + " " + Text("txtFiVteriny"), "50 12 32.44160");
    EXPECT_EQ(Text("txtLambdaStupne") + " " + Text("txtLambdaMinuty"), "34 30");
    EXPECT_NEAR(Text("txtLambdaVteriny").toDouble(), 44.1790, 0.00005);

    // WGS-84: the typed height is the point's height on Bessel and gives way to the WGS-84 one;
    // back again the grid point, but for the centimetre the shift there and back leaves.
    okno.findChild<QComboBox*>("cmbMeridian")->setCurrentIndex(2);
    Pole("txtVyska")->setText("300");
    Stiskni("cmdNaZemepisne");
    EXPECT_NEAR(Text("txtVyska").toDouble(), 340.0, 30.0);
    Stiskni("cmdNaJTSK");
    EXPECT_NEAR(Text("txtX").toDouble(), 1050538.643, 0.01);
}

TEST_F(Zm_JTSKTest, SpatneVstupyANeprevoditelnyBodHlasiZpravou)
{
    NapisUhel("Fi", "50", "abc", "0");
    NapisUhel("Lambda", "15", "0", "0");
    EXPECT_EQ(StiskniSeZpravou("cmdNaJTSK"), "„abc“ není číslo (zeměpisná šířka - minuty).");
    EXPECT_EQ(Text("txtX"), "");
    EXPECT_EQ(StiskniSeZpravou("cmdNaZemepisne"), "Chybí souřadnice X.");
    Pole("txtX")->setText("1e12");
    Pole("txtY")->setText("1e12");
    EXPECT_EQ(
        StiskniSeZpravou("cmdNaZemepisne"),
        "Bod X = 1000000000000.000, Y = 1000000000000.000 se nepodařilo převést: výpočet nekonverguje.");
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
