#include "app/ui/SouboroveDialogy.h"

#include "common/ui/CeskyDialogSouboru.h"

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

} // namespace

std::optional<std::string> DialogOtevreni(QWidget* parent, const PozadavekSouboru& pozadavek)
{
    QFileDialog dialog(parent);
    Priprav(dialog, pozadavek);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    CeskyDialogSouboru(dialog);
    return VyberSoubor(dialog, false);
}

std::optional<std::string> DialogUlozeni(QWidget* parent, const PozadavekSouboru& pozadavek)
{
    QFileDialog dialog(parent);
    Priprav(dialog, pozadavek);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!pozadavek.pripona.empty())
        dialog.setDefaultSuffix(QString::fromStdString(pozadavek.pripona));
    CeskyDialogSouboru(dialog);
    return VyberSoubor(dialog, pozadavek.dotazPrepsat);
}

} // namespace lomvira
