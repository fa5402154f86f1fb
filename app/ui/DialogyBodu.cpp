#include "app/ui/DialogyBodu.h"

#include "app/ui/AddPri.h"
#include "app/ui/AddZnB.h"
#include "app/ui/FZnBody.h"
#include "app/ui/Form1.h"
#include "app/ui/PanelBody.h"
#include "app/ui/PanelDaneBody.h"
#include "app/ui/PanelPripojeni.h"
#include "app/ui/PanelSeznamu.h"
#include "app/ui/PanelVypis.h"
#include "app/ui/PanelZamery.h"
#include "common/Text.h"
#include "input/RadkyDanychBodu.h"
#include "network/ui/Form3.h"

#include <QAction>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include <vector>

namespace lomvira {

namespace {

// The coordinate files read in this session, offered again by every "Přidej známý bod".
class ZdrojeOkna : public QObject {
public:
    explicit ZdrojeOkna(QObject* rodic) : QObject(rodic) { setObjectName("zdrojeSouradnic"); }
    std::vector<ZdrojSouradnic> zdroje;
};

std::vector<ZdrojSouradnic>& Zdroje(Form1& okno)
{
    auto* z = okno.findChild<ZdrojeOkna*>("zdrojeSouradnic", Qt::FindDirectChildrenOnly);
    return (z ? z : new ZdrojeOkna(&okno))->zdroje;
}

QTextBlock BlokDanehoBodu(QPlainTextEdit* editor, const std::string& jmeno)
{
    const std::string hledane = NFC(VelkaPismena(Orizni(jmeno)));
    for (QTextBlock b = editor->document()->firstBlock(); b.isValid(); b = b.next())
        if (b.text().contains(QLatin1Char('*')) && JmenoDanehoBodu(b.text().toStdString()) == hledane)
            return b;
    return {};
}

// The panel's selected line (0-based), -1 when none.
int VybranyRadek(Form1& okno, const char* zalozka, const char* seznam)
{
    QWidget* panel = okno.Zalozka(zalozka);
    auto* s = panel ? panel->findChild<QListWidget*>(seznam) : nullptr;
    return s && s->currentItem() ? s->currentRow() : -1;
}

// After a change of the given points or connections: the panels list the model anew.
void ObnovPanely(Form1& okno)
{
    const int oblast = okno.VybranaOblast();
    if (auto* p = qobject_cast<PanelDaneBody*>(okno.Zalozka("dane")))
        p->Obnov();
    if (auto* p = qobject_cast<PanelPripojeni*>(okno.Zalozka("pripojeni")))
        p->Obnov(oblast);
    if (auto* p = qobject_cast<PanelBody*>(okno.Zalozka("body")))
        p->Obnov(oblast);
    okno.PovolPolozky();
}

bool Volno(Form1& okno)
{
    return !okno.kontext().stav.Zaneprazdneno();
}

void OtevriAddZnB(Form1& okno, int danyBod)
{
    if (!Volno(okno))
        return;
    AddZnB dialog(okno.kontext(), Zdroje(okno), &okno);
    if (!dialog.MuzeOtevrit())
        return;
    if (danyBod > 0)
        dialog.NastavBod(danyBod);
    if (dialog.exec() == QDialog::Accepted && dialog.Ulozeny())
        ZapisDanyBodDoZapisniku(okno.Editor(), *dialog.Ulozeny());
    ObnovPanely(okno);
}

void OtevriAddPri(Form1& okno, const ConnectionRecord* puvodni)
{
    if (!Volno(okno))
        return;
    Kontext& k = okno.kontext();
    AddPri dialog(k, okno.VybranaOblast(), &okno);
    if (!dialog.MuzeOtevrit())
        return;
    if (puvodni)
        dialog.Vyber(puvodni->Station, puvodni->GivenPoint);
    if (dialog.exec() == QDialog::Accepted && puvodni && dialog.VybranaStanice() != puvodni->Station)
        k.model.DeleteConnection(puvodni->Station, k.stav); // moved to another station
    ObnovPanely(okno);
}

// The connection of the panel's selected line.
std::optional<ConnectionRecord> VybranePripojeni(Form1& okno)
{
    const int radek = VybranyRadek(okno, "pripojeni", "lstPripojeni");
    if (radek < 0)
        return std::nullopt;
    const Model& m = okno.kontext().model;
    const int oblast = okno.VybranaOblast();
    const bool vse = oblast < 1 || oblast > m.regions.RegionCount();
    const ConnectionRecord c = vse ? m.connections.GetConnection(radek + 1)
                                   : m.connections.GetRegionConnection(oblast, radek + 1);
    return c.Station != 0 ? std::optional(c) : std::nullopt;
}

void PridejTlacitka(Form1& okno, const char* zalozka, bool predObnov,
                    std::initializer_list<std::pair<const char*, void (*)(Form1&)>> tlacitka)
{
    QWidget* panel = okno.Zalozka(zalozka);
    auto* obnov = panel ? panel->findChild<QPushButton*>("cmdObnov") : nullptr;
    auto* rada = obnov ? qobject_cast<QHBoxLayout*>(panel->layout()->itemAt(0)->layout()) : nullptr;
    if (!rada)
        return;
    int kam = rada->indexOf(obnov) + (predObnov ? 0 : 1);
    for (const auto& [text, prikaz] : tlacitka) {
        auto* b = new QPushButton(QString::fromUtf8(text), panel);
        b->setObjectName(QStringLiteral("cmd") + QString::fromUtf8(text).remove(QLatin1Char('&')));
        QObject::connect(b, &QPushButton::clicked, &okno, [&okno, prikaz] { prikaz(okno); });
        rada->insertWidget(kam++, b);
    }
}

} // namespace

void ZapisDanyBodDoZapisniku(QPlainTextEdit* editor, const UlozenyDanyBod& bod)
{
    const QString radek = QString::fromStdString(RadekDanehoBodu(bod.bod, bod.poznamka));
    QTextCursor kurzor(editor->document());
    kurzor.beginEditBlock();
    if (const QTextBlock b = BlokDanehoBodu(editor, bod.bod.Name); b.isValid()) {
        kurzor.setPosition(b.position());
        kurzor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        kurzor.insertText(radek);
    } else {
        // After the last given point, so that the coordinate system stays above them all.
        QTextBlock posledni;
        for (QTextBlock b = editor->document()->firstBlock(); b.isValid(); b = b.next())
            if (!JmenoDanehoBodu(b.text().toStdString()).empty())
                posledni = b;
        if (posledni.isValid()) {
            kurzor.setPosition(posledni.position());
            kurzor.movePosition(QTextCursor::EndOfBlock);
            kurzor.insertText(QStringLiteral("\n") + radek);
        } else {
            kurzor.movePosition(QTextCursor::End);
            const bool prazdnyRadek = kurzor.block().text().isEmpty();
            kurzor.insertText((prazdnyRadek ? QString() : QStringLiteral("\n")) + radek + QStringLiteral("\n"));
        }
    }
    kurzor.endEditBlock();
}

void SmazDanyBodZeZapisniku(QPlainTextEdit* editor, const std::string& jmeno)
{
    const QTextBlock b = BlokDanehoBodu(editor, jmeno);
    if (!b.isValid())
        return;
    QTextCursor kurzor(editor->document());
    kurzor.beginEditBlock();
    if (b.next().isValid()) {
        kurzor.setPosition(b.position());
        kurzor.setPosition(b.next().position(), QTextCursor::KeepAnchor);
    } else {
        kurzor.setPosition(b.previous().isValid() ? b.position() - 1 : b.position());
        kurzor.setPosition(b.position() + b.length() - 1, QTextCursor::KeepAnchor);
    }
    kurzor.removeSelectedText();
    kurzor.endEditBlock();
}

void InformaceOSkupinach(Form1& okno)
{
    Kontext& k = okno.kontext();
    if (!Volno(okno))
        return;
    if (!k.stav.JeVektorizovano()) {
        k.platforma.ZpravaBox("Nelze prohlížet skupiny, dokud nebyla provedena vektorizace!", MsgBox::Exclamation,
                              "Informace o skupinách");
        return;
    }
    Form3 okno3(k.model, k.sit, k.stav, k.Soustava() ? *k.Soustava() : SourSystem(), &okno);
    okno3.exec();
}

void Fonty(Form1& okno)
{
    Kontext& k = okno.kontext();
    bool ok = false;
    const QFont pismo = QFontDialog::getFont(&ok, PismoVypisu(k.volby.Font), &okno, QStringLiteral("Fonty"),
                                             QFontDialog::MonospacedFonts);
    if (!ok)
        return;
    k.volby.Font = pismo.family().toStdString();
    // Kept at once: the choice of a font is not worth losing when the options are not saved.
    ZapisNastaveni(k.nastaveni, "Obrazovka", "Font", k.volby.Font);
    const std::string chyba = k.nastaveni.Uloz();
    const QFont vypisy = PismoVypisu(k.volby.Font);
    okno.Editor()->setFont(vypisy);
    for (auto* p : okno.findChildren<PanelSeznamu*>())
        p->NastavPismo(vypisy);
    for (auto* p : okno.findChildren<PanelZamery*>())
        p->NastavPismo(vypisy);
    for (auto* p : okno.findChildren<PanelVypis*>())
        p->NastavPismo(vypisy);
    k.platforma.ZpravaBox(chyba.empty() ? "Pro výpisy byl vybrán font " + k.volby.Font : chyba,
                          chyba.empty() ? MsgBox::Information : MsgBox::Exclamation, "Fonty");
}

void PridejDanyBod(Form1& okno)
{
    OtevriAddZnB(okno, 0);
}

void ZmenDanyBod(Form1& okno)
{
    OtevriAddZnB(okno, VybranyRadek(okno, "dane", "lstDaneBody") + 1);
}

void OdeberDanyBod(Form1& okno)
{
    Kontext& k = okno.kontext();
    if (!Volno(okno))
        return;
    if (k.stav.Stav < 1) {
        k.platforma.ZpravaBox("Nebyl nacten zapisnik!", MsgBox::Exclamation, "Zadané body");
        return;
    }
    FZnBody dialog(k, okno.VybranaOblast(), &okno);
    dialog.Vyber(VybranyRadek(okno, "dane", "lstDaneBody") + 1);
    QPlainTextEdit* editor = okno.Editor();
    dialog.PriSmazani = [&okno, editor](const std::string& jmeno) {
        SmazDanyBodZeZapisniku(editor, jmeno);
        ObnovPanely(okno);
    };
    dialog.exec();
    ObnovPanely(okno);
}

void PridejPripojeni(Form1& okno)
{
    OtevriAddPri(okno, nullptr);
}

void ZmenPripojeni(Form1& okno)
{
    const auto c = VybranePripojeni(okno);
    if (!c) {
        okno.kontext().platforma.ZpravaBox("Vyberte připojení, které chcete změnit.", MsgBox::Exclamation,
                                           "Připojení měření");
        return;
    }
    OtevriAddPri(okno, &*c);
}

void OdeberPripojeni(Form1& okno)
{
    Kontext& k = okno.kontext();
    if (!Volno(okno))
        return;
    const auto c = VybranePripojeni(okno);
    if (!c) {
        k.platforma.ZpravaBox("Vyberte připojení, které chcete odebrat.", MsgBox::Exclamation, "Připojení měření");
        return;
    }
    const std::string text = "Opravdu chcete zrušit připojení bodu '" + Orizni(k.model.stations.GetStationName(c->Station))
                             + "' k danému bodu '" + Orizni(k.model.givenPoints.GetGivenPoint(c->GivenPoint).Name)
                             + "'?";
    if (k.platforma.ZpravaBox(text, MsgBox::YesNo | MsgBox::Question, "Připojení měření") != MsgBox::Yes)
        return;
    k.model.DeleteConnection(c->Station, k.stav);
    ObnovPanely(okno);
}

void PridejDialogyBodu(Form1& okno)
{
    QMenu* zobraz = okno.Menu("Zobraz");
    if (!zobraz) {
        zobraz = okno.PridejMenu("Zobraz", okno.Menu("Parametry") ? "Parametry" : "Pomůcky");
        zobraz->setObjectName("mnuZobraz");
    }
    QAction* informace = new QAction(QStringLiteral("&Informace o skupinách..."), &okno);
    informace->setObjectName("mnuInformace");
    QObject::connect(informace, &QAction::triggered, &okno, [&okno] { InformaceOSkupinach(okno); });
    zobraz->insertAction(zobraz->actions().isEmpty() ? nullptr : zobraz->actions().front(), informace);

    if (QMenu* parametry = okno.Menu("Parametry")) {
        QAction* fonty = new QAction(QStringLiteral("&Fonty"), &okno);
        fonty->setObjectName("mnuFonty");
        QObject::connect(fonty, &QAction::triggered, &okno, [&okno] { Fonty(okno); });
        QAction* pred = nullptr;
        for (QAction* a : parametry->actions())
            if (a->objectName() == "mnuUlozNastaveni")
                pred = a;
        parametry->insertAction(pred, fonty);
    }

    PridejTlacitka(okno, "dane", true,
                   {{"&Přidat", PridejDanyBod}, {"&Odebrat", OdeberDanyBod}, {"&Změnit", ZmenDanyBod}});
    PridejTlacitka(okno, "pripojeni", false,
                   {{"&Změnit", ZmenPripojeni}, {"&Přidat", PridejPripojeni}, {"&Odebrat", OdeberPripojeni}});
}

} // namespace lomvira
