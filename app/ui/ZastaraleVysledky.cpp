#include "app/ui/ZastaraleVysledky.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace lomvira {

ZastaraleVysledky::ZastaraleVysledky(QLabel* upozorneni, std::vector<QWidget*> panely) : upozorneni_(upozorneni)
{
    upozorneni_->setText(QStringLiteral("Zápisník byl změněn – výsledky odpovídají předchozímu načtení"));
    upozorneni_->setStyleSheet("color: #8a5a00; font-weight: bold;");
    upozorneni_->hide();
    for (QWidget* p : panely)
        panely_.emplace_back(p);
}

void ZastaraleVysledky::Nastav(bool zastarale)
{
    upozorneni_->setVisible(zastarale);
    for (const QPointer<QWidget>& p : panely_) {
        if (!p)
            continue;
        // The lists and their headers hold the values; the controls stay as they are.
        QList<QWidget*> hodnoty;
        for (QAbstractItemView* v : p->findChildren<QAbstractItemView*>())
            hodnoty.append(v);
        for (QLabel* l : p->findChildren<QLabel*>())
            hodnoty.append(l);
        for (QWidget* w : hodnoty) {
            QPalette paleta = zastarale ? w->palette() : QPalette();
            if (zastarale) {
                const QColor seda = paleta.color(QPalette::Disabled, QPalette::Text);
                for (auto skupina : {QPalette::Active, QPalette::Inactive})
                    for (auto role : {QPalette::Text, QPalette::WindowText})
                        paleta.setColor(skupina, role, seda);
            }
            w->setPalette(paleta);
        }
    }
}

} // namespace lomvira
