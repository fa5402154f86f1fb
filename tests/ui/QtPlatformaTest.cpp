#include "common/ui/QtPlatforma.h"
#include "ui/UiPomocnik.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace lomvira::test {
namespace {

TEST(QtPlatforma, ZpravaBoxShowsTheStyleAndReturnsTheClassicCodes)
{
    QtPlatforma p;
    QString titulek, text;
    QMessageBox::StandardButtons tlacitka;
    QMessageBox::Icon ikona = QMessageBox::NoIcon;
    // Records how the box looks, then presses the default button, or Escape.
    auto zapis = [&](bool escape) {
        return [&, escape](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            ASSERT_NE(box, nullptr);
            titulek = box->windowTitle();
            text = box->text();
            tlacitka = box->standardButtons();
            ikona = box->icon();
            (escape ? box->escapeButton() : box->defaultButton())->click();
        };
    };
    ModalniObsluha o({zapis(false), zapis(true)});
    EXPECT_EQ(p.ZpravaBox("Uložit?", MsgBox::YesNoCancel | MsgBox::Question | MsgBox::DefaultButton2, "Otázka"),
              MsgBox::No);
    EXPECT_EQ(titulek, "Otázka");
    EXPECT_EQ(tlacitka, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(ikona, QMessageBox::Question);
    // Line ends of the notebook code are CR LF; Escape means Cancel.
    EXPECT_EQ(p.ZpravaBox("první\r\ndruhý", MsgBox::OkCancel | MsgBox::Critical), MsgBox::Cancel);
    EXPECT_EQ(text, "první\ndruhý");
    EXPECT_EQ(ikona, QMessageBox::Critical);
    EXPECT_TRUE(o.Hotovo());
}

TEST(QtPlatforma, HelpButtonOpensTheTopicAndTheQuestionComesBack)
{
    QtPlatforma p;
    QUrl stranka;
    ModalniObsluha o({
        [](QWidget* w) {
            // Czech also where Qt's translation is missing (it is not loaded here).
            EXPECT_EQ(qobject_cast<QMessageBox*>(w)->button(QMessageBox::No)->text(), "Ne");
            qobject_cast<QMessageBox*>(w)->button(QMessageBox::Help)->click();
        },
        [&stranka](QWidget* w) {
            stranka = w->findChild<QTextBrowser*>()->source();
            qobject_cast<QDialog*>(w)->accept();
        },
        [](QWidget* w) { qobject_cast<QMessageBox*>(w)->button(QMessageBox::Yes)->click(); },
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

} // namespace
} // namespace lomvira::test
