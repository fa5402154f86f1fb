#include "common/ui/CeskyDialogSouboru.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace lomvira {

void CeskyDialogSouboru(QFileDialog& dialog)
{
    // Qt's own dialog everywhere: a desktop's native one would not take these labels.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    const bool ulozit = dialog.acceptMode() == QFileDialog::AcceptSave;
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Hledat v:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Název souboru:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Typ souborů:"));
    dialog.setLabelText(QFileDialog::Accept, ulozit ? QStringLiteral("&Uložit") : QStringLiteral("&Otevřít"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Storno"));
}

std::optional<std::string> VyberSoubor(QFileDialog& dialog, bool dotazPrepsat)
{
    const bool ptatSe = dotazPrepsat && dialog.acceptMode() == QFileDialog::AcceptSave;
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        const QString jmeno = dialog.selectedFiles().constFirst();
        if (ptatSe && QFileInfo::exists(jmeno)) {
            QMessageBox dotaz(QMessageBox::Warning, dialog.windowTitle(),
                              QStringLiteral("Soubor %1 již existuje.\nChcete jej nahradit?")
                                  .arg(QFileInfo(jmeno).fileName()),
                              QMessageBox::Yes | QMessageBox::No, &dialog);
            dotaz.button(QMessageBox::Yes)->setText(QStringLiteral("Ano"));
            dotaz.button(QMessageBox::No)->setText(QStringLiteral("Ne"));
            dotaz.setDefaultButton(QMessageBox::No);
            if (dotaz.exec() != QMessageBox::Yes)
                continue;
        }
        return QFile::encodeName(jmeno).toStdString();
    }
}

} // namespace lomvira
