#include "common/ui/QtPlatforma.h"
#include "ui/UiPomocnik.h"

#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace lomvira::test {
namespace {

QMessageBox* Box(QWidget* w)
{
    auto* box = qobject_cast<QMessageBox*>(w);
    EXPECT_NE(box, nullptr);
    return box;
}

struct VidenyBox {
    QString titulek, text;
    QMessageBox::StandardButtons tlacitka;
    QMessageBox::Icon ikona = QMessageBox::NoIcon;
    QMessageBox::StandardButton vychozi = QMessageBox::NoButton;
};

// Records how the box looks, then presses its default button.
std::function<void(QWidget*)> ZapisAStiskniVychozi(VidenyBox& v)
{
    return [&v](QWidget* w) {
        QMessageBox* box = Box(w);
        v = {box->windowTitle(), box->text(), box->standardButtons(), box->icon(),
             box->standardButton(box->defaultButton())};
        box->defaultButton()->click();
    };
}

TEST(QtPlatforma, ZpravaBoxShowsTheStyleAndReturnsTheClassicCodes)
{
    QtPlatforma p;
    VidenyBox v;
    {
        ModalniObsluha o({ZapisAStiskniVychozi(v)});
        EXPECT_EQ(p.ZpravaBox("Soubor x byl změněn.\nUložit?",
                              MsgBox::YesNoCancel | MsgBox::Question | MsgBox::DefaultButton2, "Otázka"),
                  MsgBox::No);
        EXPECT_TRUE(o.Hotovo());
    }
    EXPECT_EQ(v.titulek, "Otázka");
    EXPECT_EQ(v.text, "Soubor x byl změněn.\nUložit?");
    EXPECT_EQ(v.tlacitka, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(v.ikona, QMessageBox::Question);
    EXPECT_EQ(v.vychozi, QMessageBox::No);

    {
        ModalniObsluha o({ZapisAStiskniVychozi(v)});
        EXPECT_EQ(p.ZpravaBox("x", MsgBox::AbortRetryIgnore | MsgBox::Exclamation | MsgBox::DefaultButton3),
                  MsgBox::Ignore);
        EXPECT_TRUE(o.Hotovo());
    }
    EXPECT_EQ(v.titulek, "Lomvira");
    EXPECT_EQ(v.tlacitka, QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
    EXPECT_EQ(v.ikona, QMessageBox::Warning);

    // Line ends of the notebook code are CR LF; Escape means Cancel.
    {
        ModalniObsluha o({[&v](QWidget* w) {
            QMessageBox* box = Box(w);
            v.text = box->text();
            v.ikona = box->icon();
            box->escapeButton()->click();
        }});
        EXPECT_EQ(p.ZpravaBox("první\r\ndruhý", MsgBox::OkCancel | MsgBox::Critical), MsgBox::Cancel);
        EXPECT_TRUE(o.Hotovo());
    }
    EXPECT_EQ(v.text, "první\ndruhý");
    EXPECT_EQ(v.ikona, QMessageBox::Critical);
}

TEST(QtPlatforma, HelpButtonOpensTheTopicAndTheQuestionComesBack)
{
    QtPlatforma p;
    QUrl stranka;
    ModalniObsluha o({
        [](QWidget* w) {
            // Czech also where Qt's translation is missing (it is not loaded here).
            EXPECT_EQ(Box(w)->button(QMessageBox::No)->text(), "Ne");
            Box(w)->button(QMessageBox::Help)->click();
        },
        [&stranka](QWidget* w) {
            stranka = w->findChild<QTextBrowser*>()->source();
            qobject_cast<QDialog*>(w)->accept();
        },
        [](QWidget* w) { Box(w)->button(QMessageBox::Yes)->click(); },
    });
    EXPECT_EQ(p.ZpravaBox("Chyba na řádku", MsgBox::YesNo | MsgBox::HelpButton, "", 52), MsgBox::Yes);
    EXPECT_TRUE(o.Hotovo());
    EXPECT_EQ(stranka.toString(), "qrc:/napoveda/chyba-52.html");
}

TEST(QtPlatforma, VstupniBoxGivesTheTypedTextOrNothing)
{
    QtPlatforma p;
    ModalniObsluha o({[](QWidget* w) {
                          auto* d = qobject_cast<QInputDialog*>(w);
                          EXPECT_EQ(d->textValue(), "bez jména");
                          d->setTextValue("Jeskyně u Lomu");
                          d->accept();
                      },
                      [](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); }});
    EXPECT_EQ(p.VstupniBox("Jméno lokality:", "Lokalita", "bez jména"), "Jeskyně u Lomu");
    EXPECT_EQ(p.VstupniBox("Jméno lokality:", "Lokalita", "x"), std::nullopt);
    EXPECT_TRUE(o.Hotovo());
}

TEST(QtPlatforma, StavovyRadekShowsTheTextAndLetsPendingWorkRun)
{
    QtPlatforma p;
    p.StavovyRadek("bez okna"); // nowhere to show it: must simply do nothing
    QLabel koment;
    p.PripojOkno(nullptr, &koment);
    bool probehlo = false;
    QTimer::singleShot(0, [&] { probehlo = true; });
    p.StavovyRadek("Načítání souboru a.mer");
    EXPECT_EQ(koment.text(), "Načítání souboru a.mer");
    EXPECT_TRUE(probehlo);
    p.StavovyRadek("");
    EXPECT_TRUE(koment.text().isEmpty());
}

TEST(QtPlatforma, DesetinnyZnakFollowsTheLocale)
{
    QtPlatforma p;
    const QLocale puvodni;
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    EXPECT_EQ(p.DesetinnyZnak(), ',');
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(p.DesetinnyZnak(), '.');
    QLocale::setDefault(puvodni);
}

} // namespace
} // namespace lomvira::test
