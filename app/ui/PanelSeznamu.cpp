#include "app/ui/PanelSeznamu.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lomvira {

PanelSeznamu::PanelSeznamu(const char* jmenoSeznamu, QWidget* parent) : QWidget(parent)
{
    hlavicka_ = new QLabel(this);
    hlavicka_->setObjectName("lblHlavicka");
    hlavicka_->setTextFormat(Qt::PlainText);
    seznam_ = new QListWidget(this);
    seznam_->setObjectName(jmenoSeznamu);
}

void PanelSeznamu::SestavSDvemaPohledy(const QString& prvni, const char* jmenoPrvniho, const QString& druhy,
                                       const char* jmenoDruheho, const std::function<void()>& obnov)
{
    prvniPohled_ = new QRadioButton(prvni, this);
    prvniPohled_->setObjectName(jmenoPrvniho);
    prvniPohled_->setChecked(true);
    druhyPohled_ = new QRadioButton(druhy, this);
    druhyPohled_->setObjectName(jmenoDruheho);
    auto* tlacitko = new QPushButton(QStringLiteral("Obnov"), this);
    tlacitko->setObjectName("cmdObnov");

    auto* volby = new QHBoxLayout;
    volby->addWidget(prvniPohled_);
    volby->addWidget(druhyPohled_);
    volby->addStretch(1);
    volby->addWidget(tlacitko);
    auto* rozvrh = new QVBoxLayout(this);
    rozvrh->addLayout(volby);
    rozvrh->addWidget(hlavicka_);
    rozvrh->addWidget(seznam_, 1);

    connect(prvniPohled_, &QRadioButton::toggled, this, obnov);
    connect(tlacitko, &QPushButton::clicked, this, obnov);
}

void PanelSeznamu::Vycisti()
{
    hlavicka_->clear();
    seznam_->clear();
}

void PanelSeznamu::NastavPismo(const QFont& pismo)
{
    hlavicka_->setFont(pismo);
    seznam_->setFont(pismo);
}

QStringList PanelSeznamu::Radky() const
{
    QStringList radky;
    for (int i = 0; i < seznam_->count(); ++i)
        radky.append(seznam_->item(i)->text());
    return radky;
}

QString PanelSeznamu::Hlavicka() const
{
    return hlavicka_->text();
}

} // namespace lomvira
