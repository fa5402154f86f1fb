#include "app/ui/ZastaraleVysledky.h"

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
        if (!zastarale) {
            p->setPalette(QPalette());
            continue;
        }
        QPalette sedy = p->palette();
        const QColor seda = sedy.color(QPalette::Disabled, QPalette::Text);
        sedy.setColor(QPalette::Active, QPalette::Text, seda);
        sedy.setColor(QPalette::Inactive, QPalette::Text, seda);
        sedy.setColor(QPalette::Active, QPalette::WindowText, seda);
        sedy.setColor(QPalette::Inactive, QPalette::WindowText, seda);
        p->setPalette(sedy);
    }
}

} // namespace lomvira
