#include "common/ui/TiskNaTiskarne.h"

#include "common/ui/QtPlochaTisku.h"

#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace lomvira {

namespace {

std::string Dokonci(PlochaTisku& plocha, const ObsahTisku& obsah)
{
    std::string chyba = obsah(plocha);
    std::string konec;
    if (!plocha.Konec(konec) && chyba.empty())
        chyba = konec;
    return chyba;
}

} // namespace

std::string TiskniNaTiskarnu(QPrinter& tiskarna, const ObsahTisku& obsah)
{
    if (tiskarna.outputFormat() == QPrinter::PdfFormat) {
        // Qt would write the file as it goes; a failure halfway would leave half a file.
        const auto plocha = PlochaPdf(tiskarna.outputFileName().toStdString(), tiskarna.pageLayout());
        return Dokonci(*plocha, obsah);
    }
    const std::string jmeno = tiskarna.printerName().toStdString();
    QtPlochaTisku plocha(tiskarna, [&tiskarna, jmeno] {
        return tiskarna.printerState() == QPrinter::Error ? "Tiskárna " + jmeno + " tisk nepřijala." : std::string();
    });
    return Dokonci(plocha, obsah);
}

void NahledTisku(QPrinter& tiskarna, const ObsahTisku& obsah, QWidget* rodic)
{
    QPrintPreviewDialog nahled(&tiskarna, rodic);
    nahled.setWindowTitle(QStringLiteral("Náhled"));
    QObject::connect(&nahled, &QPrintPreviewDialog::paintRequested, &nahled, [&obsah](QPrinter* p) {
        QtPlochaTisku plocha(*p);
        Dokonci(plocha, obsah);
    });
    nahled.exec();
}

bool Tiskni(QWidget* rodic, const QString& titulek, const ObsahTisku& obsah)
{
    QPrinter tiskarna(QPrinter::HighResolution);
    QPrintDialog dialog(&tiskarna, rodic);
    dialog.setWindowTitle(titulek);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const std::string chyba = TiskniNaTiskarnu(tiskarna, obsah);
    if (!chyba.empty()) {
        QMessageBox::warning(rodic, titulek, QString::fromStdString(chyba));
        return false;
    }
    return true;
}

} // namespace lomvira
