// The file dialogs speak Czech without Qt's translation (none is loaded here).
#include "app/ui/SouboroveDialogy.h"
#include "ui/UiPomocnik.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>

#include <gtest/gtest.h>

namespace lomvira::test {
namespace {

TEST(Cestina, FileDialogsAndTheQuestionBeforeReplacing)
{
    DocasnaSlozka slozka;
    ZapisBajty(slozka / "stary.mer", "# x\n");
    PozadavekSouboru pozadavek{"Uložení zápisníku", "Kompasové měření (*.mer)", "mer", slozka / "stary.mer"};
    QString otazka;
    QStringList popisky;
    ModalniObsluha o({
        [&popisky](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            for (auto p : {QFileDialog::FileName, QFileDialog::FileType, QFileDialog::Accept, QFileDialog::Reject})
                popisky.append(d->labelText(p));
            QMetaObject::invokeMethod(d, "accept");
        },
        [&otazka](QWidget* w) {
            otazka = qobject_cast<QMessageBox*>(w)->text();
            qobject_cast<QMessageBox*>(w)->button(QMessageBox::No)->click();
        },
        [](QWidget* w) { qobject_cast<QFileDialog*>(w)->reject(); }, // asked again after "Ne"
    });
    EXPECT_EQ(DialogUlozeni(nullptr, pozadavek), std::nullopt);
    EXPECT_TRUE(o.Hotovo());
    EXPECT_EQ(popisky, QStringList({"Název souboru:", "Typ souborů:", "&Uložit", "Storno"}));
    EXPECT_EQ(otazka, "Soubor stary.mer již existuje.\nChcete jej nahradit?");
}

} // namespace
} // namespace lomvira::test
