#include "input/ui/frmLokalita.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lomvira {

frmLokalita::frmLokalita(const std::string& jmeno, const std::string& cislo, bool nahrazuje, QWidget* parent)
    : DialogPrikazu(QStringLiteral("Lokalita"), parent), nahrazuje_(nahrazuje)
{
    auto* rozvrzeni = new QVBoxLayout(this);
    auto* pole = new QFormLayout;
    jmeno_ = new QLineEdit(QString::fromStdString(jmeno), this);
    jmeno_->setObjectName("txtJmeno");
    cislo_ = new QLineEdit(QString::fromStdString(cislo), this);
    cislo_->setObjectName("txtCislo");
    pole->addRow(QStringLiteral("&Název lokality:"), jmeno_);
    pole->addRow(QStringLiteral("&Registrační číslo:"), cislo_);
    rozvrzeni->addLayout(pole);
    PridejTlacitka(rozvrzeni);
    jmeno_->setMinimumWidth(280);
}

HotovyPrikaz frmLokalita::Prikaz() const
{
    return PrikazLokality(jmeno_->text().toStdString(), cislo_->text().toStdString(), nahrazuje_);
}

} // namespace lomvira
