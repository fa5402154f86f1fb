#include "app/ui/PracovniDialogy.h"

#include "adjust/ui/FParam.h"
#include "app/NactiZapisnik.h"
#include "app/ui/Form1.h"
#include "common/Cisla.h"
#include "coords/ui/frmInsSourSys.h"
#include "input/MeridlaStav.h"
#include "input/ui/frmDeklinace.h"
#include "input/ui/frmLokalita.h"
#include "input/ui/frmMeridlo.h"
#include "input/ui/frmVyberMeridla.h"
#include "input/ui/frmZastarale.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>

namespace lomvira {

namespace {

QString BezKlavesy(QString text)
{
    return text.remove(QLatin1Char('&'));
}

QMenu* NajdiMenu(Form1& okno, const QString& titulek)
{
    for (QAction* a : okno.menuBar()->actions())
        if (a->menu() && BezKlavesy(a->text()) == titulek)
            return a->menu();
    return nullptr;
}

void Polozka(QMenu* menu, const char* text, const char* jmeno, Form1& okno, std::function<void(Form1&)> prikaz)
{
    QAction* a = menu->addAction(QString::fromUtf8(text));
    a->setObjectName(jmeno);
    QObject::connect(a, &QAction::triggered, &okno, [&okno, prikaz] { prikaz(okno); });
}

QMenu* VytvorMenuVlozit(Form1& okno)
{
    auto* vlozit = new QMenu(QStringLiteral("Vlož&it"), &okno);
    vlozit->setObjectName("mnuVlozit");
    QMenu* pred = NajdiMenu(okno, QStringLiteral("Zobraz"));
    if (!pred)
        pred = NajdiMenu(okno, QStringLiteral("Parametry"));
    if (pred)
        okno.menuBar()->insertMenu(pred->menuAction(), vlozit);
    else
        okno.menuBar()->addMenu(vlozit);

    Polozka(vlozit, "&Lokalita", "mnuLokalita", okno, VlozLokalitu);
    Polozka(vlozit, "&Souřadnicový systém", "mnuSouradnicovySystem", okno, VlozSouradnicovySystem);
    QMenu* datum = vlozit->addMenu(QStringLiteral("&Datum"));
    Polozka(datum, "&Dnešní datum", "mnuDnesniDatum", okno, VlozDnesniDatum);
    Polozka(datum, "&Jiné datum", "mnuJineDatum", okno, VlozJineDatum);
    QMenu* zadani = vlozit->addMenu(QStringLiteral("&Zadání měřidla"));
    Polozka(zadani, "&Délkoměr", "mnuZadaniDelkomeru", okno, [](Form1& o) { VlozDefiniciMeridla(o, DruhMeridla::Delkomer); });
    Polozka(zadani, "&Kompas", "mnuZadaniKompasu", okno, [](Form1& o) { VlozDefiniciMeridla(o, DruhMeridla::Kompas); });
    Polozka(zadani, "&Sklonoměr", "mnuZadaniSklonomeru", okno, [](Form1& o) { VlozDefiniciMeridla(o, DruhMeridla::Sklonomer); });
    QMenu* azimut = vlozit->addMenu(QStringLiteral("Měření &azimutu"));
    Polozka(azimut, "&Jednoduše", "mnuAzimutJednoduse", okno, [](Form1& o) { VlozAzimut(o, false); });
    Polozka(azimut, "S &kontrolou", "mnuAzimutKontrola", okno, [](Form1& o) { VlozAzimut(o, true); });
    Polozka(vlozit, "D&eklinace", "mnuDeklinace", okno, VlozDeklinaci);
    QMenu* vyber = vlozit->addMenu(QStringLiteral("&Výběr měřidla"));
    Polozka(vyber, "&Délkoměr", "mnuVyberDelkomeru", okno, [](Form1& o) { VlozVyberMeridla(o, DruhMeridla::Delkomer); });
    Polozka(vyber, "&Kompas", "mnuVyberKompasu", okno, [](Form1& o) { VlozVyberMeridla(o, DruhMeridla::Kompas); });
    Polozka(vyber, "&Sklonoměr", "mnuVyberSklonomeru", okno, [](Form1& o) { VlozVyberMeridla(o, DruhMeridla::Sklonomer); });
    vlozit->addSeparator();
    Polozka(vlozit, "Zastaralé nastavení &měření...", "mnuZastaraleNastaveni", okno, VlozZastaraleNastaveni);
    return vlozit;
}

// The text above the caret's line: what a command inserted there follows.
std::string TextNadKurzorem(const QPlainTextEdit* editor)
{
    return editor->toPlainText().left(editor->textCursor().block().position()).toStdString();
}

// Puts the caret at a 1-based byte index of the notebook text (every line ended by LF).
void KurzorNaBajt(QPlainTextEdit* editor, const std::string& text, std::int32_t bajt)
{
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(std::max(bajt - 1, 0)));
    QTextCursor c = editor->textCursor();
    c.setPosition(std::min(static_cast<int>(QString::fromStdString(text.substr(0, n)).size()),
                           editor->document()->characterCount() - 1));
    editor->setTextCursor(c);
}

// A dialog's command at the caret; `nahradit`: in place of the caret's line.
void VlozZDialogu(Form1& okno, DialogPrikazu& dialog, bool nahradit = false)
{
    if (dialog.exec() == QDialog::Accepted)
        VlozText(okno.Editor(), dialog.Text(), nahradit);
}

// The cursor's line goes with its line break; the cursor stays where the line began.
void SmazRadekKurzoru(QTextCursor& c)
{
    c.clearSelection();
    c.movePosition(QTextCursor::StartOfBlock);
    if (!c.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor))
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    c.removeSelectedText();
}

} // namespace

void VlozText(QPlainTextEdit* editor, const std::string& text, bool nahraditRadek)
{
    if (text.empty())
        return;
    // The editor knows line breaks only; the file's line ends are chosen when it is saved.
    QString t = QString::fromStdString(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTextCursor c = editor->textCursor();
    c.beginEditBlock();
    c.clearSelection();
    c.movePosition(QTextCursor::StartOfBlock);
    if (nahraditRadek)
        SmazRadekKurzoru(c);
    c.insertText(t);
    c.endEditBlock();
    editor->setTextCursor(c);
    editor->setFocus();
}

void SmazRadek(QPlainTextEdit* editor)
{
    QTextCursor c = editor->textCursor();
    SmazRadekKurzoru(c);
    editor->setTextCursor(c);
}

void PridejPracovniDialogy(Form1& okno)
{
    QMenu* vlozit = VytvorMenuVlozit(okno);
    // The commands write into the notebook editor, so they are offered only beside it.
    auto povol = [&okno, vlozit] {
        vlozit->menuAction()->setEnabled(okno.Zalozky()->currentWidget() == okno.Zalozka("zapisnik"));
    };
    QObject::connect(okno.Zalozky(), &QTabWidget::currentChanged, vlozit, povol);
    povol();

    QMenu* parametry = NajdiMenu(okno, QStringLiteral("Parametry"));
    if (!parametry)
        return;
    auto* a = new QAction(QStringLiteral("&Parametry výpočtu..."), parametry);
    a->setObjectName("mnuParametryVypoctu");
    QObject::connect(a, &QAction::triggered, &okno, [&okno] { ParametryVypoctu(okno); });
    parametry->insertAction(parametry->actions().isEmpty() ? nullptr : parametry->actions().first(), a);
}

void VlozDnesniDatum(Form1& okno)
{
    VlozText(okno.Editor(), RadekDatumu(QDate::currentDate()));
}

void VlozJineDatum(Form1& okno)
{
    const std::string dnes = KratkeDatum(QDate::currentDate());
    const auto odpoved =
        okno.kontext().platforma.VstupniBox("Zadejte datum ve formátu " + dnes, "Zadání datumu", dnes);
    if (!odpoved)
        return;
    const QDate datum = DatumZTextu(QString::fromStdString(*odpoved));
    if (datum.isValid())
        VlozText(okno.Editor(), RadekDatumu(datum));
}

void VlozAzimut(Form1& okno, bool kontrola)
{
    VlozText(okno.Editor(), PrikazAzimutu(kontrola));
}

void VlozLokalitu(Form1& okno)
{
    Kontext& k = okno.kontext();
    const std::string text = okno.TextZapisniku();
    const RozborZapisniku rozbor(text, k.volby, TitulekSouboru(k.souborZapisniku));
    const Lokalita& l = rozbor.Vysledek().LokalitaZapisniku();
    const bool nahrazuje = l.zacatekPrikazu != 0;
    frmLokalita dialog(l.jmeno, l.cislo, nahrazuje, &okno);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (nahrazuje)
        KurzorNaBajt(okno.Editor(), text, l.zacatekPrikazu);
    VlozText(okno.Editor(), dialog.Text(), nahrazuje);
}

void VlozDefiniciMeridla(Form1& okno, int druh)
{
    frmMeridlo dialog(druh, &okno);
    VlozZDialogu(okno, dialog);
}

void VlozVyberMeridla(Form1& okno, int druh)
{
    Kontext& k = okno.kontext();
    const RozborZapisniku rozbor(TextNadKurzorem(okno.Editor()), k.volby);
    if (rozbor.Jmena(druh).empty()) {
        k.platforma.ZpravaBox(ZpravaBezMeridel(druh), MsgBox::OkOnly | MsgBox::Information);
        return;
    }
    frmVyberMeridla dialog(druh, rozbor, rozbor.Vysledek().Datum(), &okno);
    VlozZDialogu(okno, dialog);
}

void VlozDeklinaci(Form1& okno)
{
    const RozborZapisniku rozbor(TextNadKurzorem(okno.Editor()), okno.kontext().volby);
    frmDeklinace dialog(rozbor.Vysledek().Datum(), &okno);
    VlozZDialogu(okno, dialog);
}

void VlozZastaraleNastaveni(Form1& okno)
{
    frmZastarale dialog(&okno);
    VlozZDialogu(okno, dialog);
}

void VlozSouradnicovySystem(Form1& okno)
{
    Kontext& k = okno.kontext();
    const std::string text = okno.TextZapisniku();
    const RozborZapisniku rozbor(text, k.volby);
    const SourSystem& s = rozbor.Vysledek().SourSys();
    const bool existuje = s.Typ() != 0;
    // A notebook has one system: the dialog then edits it, and its line is replaced.
    if (existuje)
        k.platforma.ZpravaBox("Souradny system lze zadat pouze jednou!", MsgBox::OkOnly | MsgBox::Information);
    frmInsSourSys dialog(VolbyZeSystemu(s), &okno);
    dialog.SmazPuvodni = existuje && s.ZacatekPrikazu() > 0;
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (dialog.SmazPuvodni)
        KurzorNaBajt(okno.Editor(), text, s.ZacatekPrikazu());
    VlozText(okno.Editor(), dialog.Prikaz(), dialog.SmazPuvodni);
}

void ParametryVypoctu(Form1& okno)
{
    Kontext& k = okno.kontext();
    const Volby vychozi = NactiNastaveni(k.nastaveni);
    const bool nacteno = k.stav.JeNacteno();
    HodnotyParametru h;
    h.pomery = nacteno ? Pomery{k.volby.DK, k.volby.FK, k.volby.EK} : Pomery{vychozi.DK, vychozi.FK, vychozi.EK};
    h.tolerance = ToleranceAzimutu(k.volby);
    h.dotazy = k.volby.DOTAZY;
    h.viceMereni = k.volby.VICE_MERENI;
    std::optional<Pomery> zeZapisniku;
    if (nacteno) {
        const auto& p = k.seznamMereni.VychoziPresnosti();
        zeZapisniku = Pomery{p[0], p[1], p[2]};
    }
    auto nastavVychozi = [&k](const Pomery& p) {
        k.volby.DK = p.dk;
        k.volby.FK = p.fk;
        k.volby.EK = p.ek;
        ZapisNastaveni(k.nastaveni, "Vypocet", "DK", FormatCislo(p.dk, 5));
        ZapisNastaveni(k.nastaveni, "Vypocet", "FK", FormatCislo(p.fk, 7));
        ZapisNastaveni(k.nastaveni, "Vypocet", "EK", FormatCislo(p.ek, 7));
        if (const std::string chyba = k.nastaveni.Uloz(); !chyba.empty())
            k.platforma.ZpravaBox(chyba, MsgBox::OkOnly | MsgBox::Exclamation);
    };
    FParam dialog(h, Pomery{vychozi.DK, vychozi.FK, vychozi.EK}, zeZapisniku, nastavVychozi, &okno);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const HodnotyParametru& n = dialog.Vysledek();
    const bool proNacteni = zeZapisniku
        && (n.pomery.dk != zeZapisniku->dk || n.pomery.fk != zeZapisniku->fk || n.pomery.ek != zeZapisniku->ek
            || n.tolerance != h.tolerance);
    k.volby.DK = n.pomery.dk;
    k.volby.FK = n.pomery.fk;
    k.volby.EK = n.pomery.ek;
    k.volby.TOLERANCE = n.tolerance;
    k.volby.DOTAZY = static_cast<std::int16_t>(n.dotazy);
    k.volby.VICE_MERENI = static_cast<std::int16_t>(n.viceMereni);
    // The ratios and the tolerance act through the load: the loaded survey is read again
    // so that its weights follow at once.
    if (proNacteni)
        okno.CtiZapisnik();
}

} // namespace lomvira
