#include "app/ui/PrikazyPohledu.h"

#include "app/Protokol.h"
#include "app/ui/FPolygon.h"
#include "app/ui/Form1.h"
#include "app/ui/FormatVypisu.h"
#include "reports/ui/FTisk.h"

#include <QAction>
#include <QMenu>

namespace lomvira {

void PridejPrikazyPohledu(Form1& okno)
{
    QMenu* zobraz = okno.Menu("Zobraz");
    if (!zobraz) {
        zobraz = okno.PridejMenu("Zobraz", "Parametry");
        zobraz->setObjectName("mnuZobraz");
    }
    QAction* polygon = zobraz->addAction(QStringLiteral("Zobraz polygon..."));
    polygon->setObjectName("mnuZobrazPolygon");
    QObject::connect(polygon, &QAction::triggered, &okno, [&okno] { ZobrazPolygon(okno); });

    auto* tisk = new QAction(QStringLiteral("Tiskni souřadnice"), &okno);
    tisk->setObjectName("mnuTiskniSouradnice");
    tisk->setShortcut(QKeySequence::Print);
    QObject::connect(tisk, &QAction::triggered, &okno, [&okno] { TiskniSouradnice(okno); });
    okno.PridejDoSouboru(tisk);
    okno.PridejPolozkuSDaty(tisk);
}

void ZobrazPolygon(Form1& okno)
{
    Kontext& k = okno.kontext();
    if (k.stav.Zaneprazdneno())
        return;
    // The display draws computed coordinates: the pipeline runs as far as it must.
    if (k.stav.Stav < 3)
        okno.StartVypoctu();
    if (k.stav.Stav != 3)
        return;
    auto* polygon = okno.findChild<FPolygon*>();
    if (!polygon)
        polygon = new FPolygon(okno);
    polygon->Otevri();
}

void TiskniSouradnice(Form1& okno)
{
    Kontext& k = okno.kontext();
    if (k.stav.Stav < 1 || k.stav.Zaneprazdneno())
        return;
    FTisk dialog(PodkladyProtokolu(k), BehProtokolu(k, {}, FormatUzivatele()), k.volby, k.nastaveni, k.komentarZpravy,
                 &okno);
    dialog.exec();
}

} // namespace lomvira
