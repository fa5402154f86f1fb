#include "app/ui/SouboroveDialogy.h"

#include <QFile>
#include <QFileDialog>

namespace lomvira {

namespace {

void Priprav(QFileDialog& dialog, const PozadavekSouboru& p)
{
    dialog.setWindowTitle(QString::fromStdString(p.titulek));
    dialog.setNameFilter(QString::fromStdString(p.filtr));
    if (!p.jmeno.empty())
        dialog.selectFile(QFile::decodeName(p.jmeno.c_str()));
}

std::optional<std::string> Vysledek(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}

} // namespace

std::optional<std::string> DialogOtevreni(QWidget* parent, const PozadavekSouboru& pozadavek)
{
    QFileDialog dialog(parent);
    Priprav(dialog, pozadavek);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Vysledek(dialog);
}

std::optional<std::string> DialogUlozeni(QWidget* parent, const PozadavekSouboru& pozadavek)
{
    QFileDialog dialog(parent);
    Priprav(dialog, pozadavek);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !pozadavek.dotazPrepsat);
    if (!pozadavek.pripona.empty())
        dialog.setDefaultSuffix(QString::fromStdString(pozadavek.pripona));
    return Vysledek(dialog);
}

} // namespace lomvira
