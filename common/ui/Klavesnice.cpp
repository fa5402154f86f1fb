#include "common/ui/Klavesnice.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace lomvira {

QChar KlavesaPristupu(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i; // "&&" is a literal "&"
    }
    return {};
}

QString BezKlavesyPristupu(const QString& text)
{
    QString bez;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        bez.append(text[i]);
    }
    return bez;
}

namespace {

bool Volna(QChar c, const QString& pouzite)
{
    // Letters a keyboard of any layout types directly.
    return c.unicode() < 128 && c.isLetter() && !pouzite.contains(c.toLower());
}

// Where the "&" goes in the caption: a word's first letter, else any letter; -1 when no free one.
qsizetype MistoKlavesy(const QString& text, const QString& pouzite)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if ((i == 0 || !text[i - 1].isLetterOrNumber()) && Volna(text[i], pouzite))
            return i;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (Volna(text[i], pouzite))
            return i;
    return -1;
}

void DoplnAkce(const QList<QAction*>& akce)
{
    QString pouzite;
    for (QAction* a : akce)
        if (const QChar c = KlavesaPristupu(a->text()); !c.isNull())
            pouzite.append(c);
    for (QAction* a : akce) {
        if (a->isSeparator() || a->text().isEmpty() || !KlavesaPristupu(a->text()).isNull())
            continue;
        QString text = a->text();
        text.replace(QLatin1String("&"), QLatin1String("&&"));
        const qsizetype i = MistoKlavesy(text, pouzite);
        if (i < 0)
            continue;
        pouzite.append(text[i].toLower());
        text.insert(i, QLatin1Char('&'));
        a->setText(text);
    }
}

bool JeKontejner(const QWidget* w)
{
    return !(w->focusPolicy() & Qt::TabFocus) || qobject_cast<const QTabWidget*>(w) ||
           qobject_cast<const QGroupBox*>(w) || qobject_cast<const QScrollArea*>(w);
}

// Each row: the widgets whose middles lie within the first one's height, left to right.
void SeradVizualne(std::vector<QWidget*>& w)
{
    std::stable_sort(w.begin(), w.end(),
                     [](QWidget* a, QWidget* b) { return a->geometry().center().y() < b->geometry().center().y(); });
    for (auto zacatek = w.begin(); zacatek != w.end();) {
        const QRect prvni = (*zacatek)->geometry();
        auto konec = std::find_if(zacatek, w.end(), [&](QWidget* x) { return x->geometry().center().y() > prvni.bottom(); });
        if (konec == zacatek)
            ++konec;
        std::stable_sort(zacatek, konec, [](QWidget* a, QWidget* b) { return a->geometry().x() < b->geometry().x(); });
        zacatek = konec;
    }
}

void Posbirej(QWidget* rodic, std::vector<QWidget*>& poradi)
{
    std::vector<QWidget*> deti;
    for (QObject* o : rodic->children())
        if (auto* w = qobject_cast<QWidget*>(o); w && !w->isWindow() && !qobject_cast<QMenu*>(w))
            deti.push_back(w);
    SeradVizualne(deti);
    for (QWidget* w : deti) {
        // A tab widget passes its focus on to its tab bar.
        if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy())
            poradi.push_back(w);
        // A combo box or a list holds only its own parts.
        if (JeKontejner(w) && !qobject_cast<QComboBox*>(w) && !qobject_cast<QAbstractScrollArea*>(w))
            Posbirej(w, poradi);
    }
}

} // namespace

void DoplnKlavesyPristupu(QWidget* okno)
{
    for (QMenuBar* lista : okno->findChildren<QMenuBar*>())
        DoplnAkce(lista->actions());
    for (QMenu* menu : okno->findChildren<QMenu*>())
        DoplnAkce(menu->actions());
}

void SeradTabulator(QWidget* okno)
{
    // Pages not shown yet are laid out too, so that their rows are known.
    for (QWidget* w : okno->findChildren<QWidget*>())
        if (w->layout())
            w->layout()->activate();
    std::vector<QWidget*> poradi;
    Posbirej(okno, poradi);
    for (std::size_t i = 1; i < poradi.size(); ++i)
        QWidget::setTabOrder(poradi[i - 1], poradi[i]);
}

bool KlavesniceOken::eventFilter(QObject* objekt, QEvent* udalost)
{
    if (udalost->type() == QEvent::Show) {
        if (auto* menu = qobject_cast<QMenu*>(objekt)) {
            DoplnAkce(menu->actions());
        } else if (auto* w = qobject_cast<QWidget*>(objekt);
                   w && w->isWindow() && QByteArray(w->metaObject()->className()).startsWith("lomvira::")) {
            DoplnKlavesyPristupu(w);
            SeradTabulator(w);
        }
    }
    return QObject::eventFilter(objekt, udalost);
}

} // namespace lomvira
