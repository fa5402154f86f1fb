#include "app/ui/Form1.h"
#include "app/ui/KurzorPrace.h"

#include "app/Souhrn.h"
#include "app/Vypocet.h"
#include "common/Nastaveni.h"
#include "common/Text.h"
#include "app/ui/DialogyBodu.h"
#include "app/ui/EditorZapisniku.h"
#include "app/ui/FormatVypisu.h"
#include "app/ui/NedavneSoubory.h"
#include "app/ui/PanelBody.h"
#include "app/ui/PanelDaneBody.h"
#include "app/ui/PanelPripojeni.h"
#include "app/ui/PanelVypis.h"
#include "app/ui/PanelZamery.h"
#include "app/ui/PrikazyVystupu.h"
#include "app/ui/PrikazyPohledu.h"
#include "app/ui/frmChyby.h"
#include "app/ui/UpravyZapisniku.h"
#include "app/ui/ZastaraleVysledky.h"
#include "common/ui/Klavesnice.h"
#include "common/ui/OknoNapovedy.h"
#include "app/ui/PracovniDialogy.h"
#include "coords/ui/Zm_JTSK.h"
#include "input/VypisZapisniku.h"
#include "network/Krizovat.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <chrono>

namespace lomvira {

namespace {

constexpr const char* FiltrZapisniku = "Kompasové měření (*.mer)";
constexpr const char* OknoForm1 = "Form1";

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

// The editor position of a byte offset into the text the load was given. The editor holds
// UTF-16 and one break per line (a CR LF of the file is one line break there, as is a lone
// CR), so every code point before the offset counts one or two positions and the CR of a
// CR LF none.
int PoziceVEditoru(const std::string& text, std::int32_t bajt)
{
    const std::size_t konec = bajt < 0 ? 0 : std::min(text.size(), static_cast<std::size_t>(bajt));
    int pozice = 0;
    for (std::size_t i = 0; i < konec;) {
        const char32_t c = CtiZnak(text, i);
        if (c != U'\r' || i >= text.size() || text[i] != '\n')
            pozice += c > 0xFFFF ? 2 : 1;
    }
    return pozice;
}

} // namespace

std::string OdstranUvozovky(std::string jmeno)
{
    if (!jmeno.empty() && jmeno.front() == '"')
        jmeno.erase(0, 1);
    if (!jmeno.empty() && jmeno.back() == '"')
        jmeno.pop_back();
    return jmeno;
}

namespace {

// The platform's fixed font, or else the first fixed-pitch family installed: some platforms
// name a generic "monospace" that nothing resolves, and the listings need even columns.
QFont PevnePismo()
{
    QFont pevne = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (QFontInfo(pevne).fixedPitch())
        return pevne;
    for (const QString& rodina : QFontDatabase::families()) {
        if (QFontDatabase::isFixedPitch(rodina) && !QFontDatabase::isPrivateFamily(rodina)) {
            QFont pismo(rodina);
            pismo.setStyleHint(QFont::TypeWriter);
            if (pevne.pointSizeF() > 0)
                pismo.setPointSizeF(pevne.pointSizeF());
            return pismo;
        }
    }
    return pevne;
}

} // namespace

QFont PismoVypisu(const std::string& rodina)
{
    QFont pevne = PevnePismo();
    const QString jmeno = Q(rodina);
    if (jmeno.isEmpty() || !QFontDatabase::hasFamily(jmeno))
        return pevne;
    QFont pismo(jmeno);
    pismo.setStyleHint(QFont::TypeWriter);
    if (pevne.pointSizeF() > 0)
        pismo.setPointSizeF(pevne.pointSizeF());
    return pismo;
}

Form1::Form1(Kontext& kontext, QWidget* parent) : QMainWindow(parent), kontext_(kontext)
{
    setObjectName(OknoForm1);
    qApp->installEventFilter(new KlavesniceOken(this));
    VyberOtevreni = [this](const PozadavekSouboru& p) { return DialogOtevreni(this, p); };
    VyberUlozeni = [this](const PozadavekSouboru& p) { return DialogUlozeni(this, p); };
    VytvorZapisnik();
    VytvorPanely();
    VytvorMenu();
    PridejPrikazyPohledu(*this);
    koment_ = new QLabel(statusBar());
    koment_->setObjectName("koment");
    statusBar()->addWidget(koment_, 1);
    resize(900, 650);
    AktualizujTitulek();
    casovacPolozek_.setInterval(500);
    connect(&casovacPolozek_, &QTimer::timeout, this, &Form1::PovolPolozky);
    casovacPolozek_.start();
    PridejPrikazyVystupu(*this);
    PridejDialogyBodu(*this);
    PridejKontroluChyb(*this);
    PridejUpravy(*this);
    PridejNapovedu();
    zastarale_ = std::make_unique<ZastaraleVysledky>(
        findChild<QLabel*>("lblZastarale"),
        std::vector<QWidget*>{daneBody_, pripojeni_, zamery_, body_, meridla_, mereni_});
    PridejPracovniDialogy(*this);
}

Form1::~Form1() = default;

void Form1::VytvorZapisnik()
{
    auto* stred = new QWidget(this);
    auto* rozvrhStredu = new QVBoxLayout(stred);
    auto* radekOblasti = new QHBoxLayout;
    oblasti_ = new QComboBox(stred);
    oblasti_->setObjectName("cboOblast");
    oblasti_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    oblasti_->addItem(QStringLiteral("Všechny oblasti"));
    auto* popisOblasti = new QLabel(QStringLiteral("Oblast:"), stred);
    popisOblasti->setBuddy(oblasti_);
    radekOblasti->addWidget(popisOblasti);
    radekOblasti->addWidget(oblasti_);
    radekOblasti->addStretch(1);
    rozvrhStredu->addLayout(radekOblasti);
    auto* zastarale = new QLabel(stred);
    zastarale->setObjectName("lblZastarale");
    rozvrhStredu->addWidget(zastarale);
    connect(oblasti_, &QComboBox::currentIndexChanged, this, [this] { ObnovVysledky(); });

    zalozky_ = new QTabWidget(stred);
    rozvrhStredu->addWidget(zalozky_, 1);
    auto* stranka = new QWidget;
    auto* rozvrzeni = new QVBoxLayout(stranka);
    zmenenoPopisek_ = new QLabel(stranka);
    zmenenoPopisek_->setObjectName("lblZmeneno");
    zmenenoPopisek_->setStyleSheet("color: #b00000; font-weight: bold;");
    zmenenoPopisek_->setMinimumHeight(zmenenoPopisek_->fontMetrics().height());
    editor_ = new EditorZapisniku(stranka);
    editor_->setObjectName("txtZapisnik");
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setFont(PismoVypisu(kontext_.volby.Font));
    rozvrzeni->addWidget(zmenenoPopisek_);
    rozvrzeni->addWidget(editor_, 1);
    PridejZalozku(stranka, "Zápisník", "zapisnik");
    setCentralWidget(stred);
    connect(editor_, &QPlainTextEdit::textChanged, this, &Form1::PriUprave);
}

void Form1::VytvorPanely()
{
    daneBody_ = new PanelDaneBody(kontext_);
    PridejZalozku(daneBody_, "Dané body", "dane");
    pripojeni_ = new PanelPripojeni(kontext_);
    PridejZalozku(pripojeni_, "Připojení", "pripojeni");
    zamery_ = new PanelZamery(kontext_);
    PridejZalozku(zamery_, "Záměry", "zamery");
    body_ = new PanelBody(kontext_);
    PridejZalozku(body_, "Body", "body");
    meridla_ = new PanelVypis;
    PridejZalozku(meridla_, "Měřidla", "meridla");
    mereni_ = new PanelVypis(QString::fromUtf8(HlavickaZamer));
    PridejZalozku(mereni_, "Mereni", "mereni");
    connect(zamery_, &PanelZamery::NaBod, this, &Form1::NaBod);
    NastavPismoVypisu();
}

void Form1::NastavPismoVypisu()
{
    const QFont pismo = PismoVypisu(kontext_.volby.Font);
    editor_->setFont(pismo);
    daneBody_->NastavPismo(pismo);
    pripojeni_->NastavPismo(pismo);
    zamery_->NastavPismo(pismo);
    body_->NastavPismo(pismo);
    meridla_->NastavPismo(pismo);
    mereni_->NastavPismo(pismo);
}

void Form1::VytvorMenu()
{
    QMenu* soubor = PridejMenu("Soubor");
    soubor->setObjectName("mnuSoubor");
    connect(soubor, &QMenu::aboutToShow, this, &Form1::PovolPolozky);
    auto polozka = [&](const char* text, int index, const char* jmeno, const QKeySequence& klavesy) {
        QAction* a = soubor->addAction(QString::fromUtf8(text));
        a->setObjectName(jmeno);
        a->setShortcut(klavesy);
        connect(a, &QAction::triggered, this, [this, index] { PrikazSoubor(index); });
    };
    polozka("Nový...", PrikazSouboru::Novy, "mnuNovy", QKeySequence::New);
    polozka("Otevři...", PrikazSouboru::Otevri, "mnuOtevri", QKeySequence::Open);
    polozka("Ulož", PrikazSouboru::Uloz, "mnuUloz", QKeySequence::Save);
    polozka("Ulož pod jménem...", PrikazSouboru::UlozPodJmenem, "mnuUlozPodJmenem", {});
    polozka("Otevři bez načtení...", PrikazSouboru::OtevriBezNacteni, "mnuOtevriBezNacteni", {});
    predZavri_ = soubor->addSeparator();
    QAction* zavri = soubor->addAction("Zavři");
    zavri->setObjectName("mnuZavri");
    connect(zavri, &QAction::triggered, this, &QWidget::close);
    nedavne_ = new NedavneSoubory(kontext_.nastaveni, soubor, zavri,
                                  [this](const std::string& jmeno) { OtevriNedavny(jmeno); });

    VytvorMenuVypoctu();

    QMenu* parametry = PridejMenu("Parametry");
    parametry->setObjectName("mnuParametry");
    QAction* ulozNastaveni = parametry->addAction("Ulož nastavení");
    ulozNastaveni->setObjectName("mnuUlozNastaveni");
    connect(ulozNastaveni, &QAction::triggered, this, &Form1::UlozNastaveniPrikaz);

    QMenu* pomucky = PridejMenu("Pomů&cky");
    pomucky->setObjectName("mnuPomucky");
    QAction* prevod = pomucky->addAction("Převod souřadnic");
    prevod->setObjectName("mnuPrevodSouradnic");
    connect(prevod, &QAction::triggered, this, &Form1::PrevodSouradnic);

    // A bare menu bar item, as the about command has no items of its own.
    QAction* oProgramu = menuBar()->addAction("&O programu");
    oProgramu->setObjectName("mnuOProgramu");
    connect(oProgramu, &QAction::triggered, this, &Form1::OProgramu);
}

void Form1::VytvorMenuVypoctu()
{
    QMenu* vypocet = PridejMenu("Výpočet");
    vypocet->setObjectName("mnuVypocet");
    auto polozka = [&](const char* text, const char* jmeno, void (Form1::*prikaz)()) {
        QAction* a = vypocet->addAction(QString::fromUtf8(text));
        a->setObjectName(jmeno);
        connect(a, &QAction::triggered, this, prikaz);
        return a;
    };
    polozka("Start výpočtu", "mnuStartVypoctu", &Form1::StartVypoctu)->setShortcut(Qt::Key_F9);
    polozka("Načtení zápisníku", "mnuNacteniZapisniku", &Form1::CtiZapisnik)->setShortcut(Qt::Key_F5);
    polozka("Vektorizace", "mnuVektorizace", &Form1::Vektorizace);
}

void Form1::PridejZalozku(QWidget* panel, const QString& titulek, const QString& klic)
{
    panel->setObjectName(klic);
    zalozky_->addTab(panel, titulek);
}

QWidget* Form1::Zalozka(const QString& klic) const
{
    for (int i = 0; i < zalozky_->count(); ++i)
        if (zalozky_->widget(i)->objectName() == klic)
            return zalozky_->widget(i);
    return nullptr;
}

QLabel* Form1::StavovyPanel(const QString& klic) const
{
    return statusBar()->findChild<QLabel*>(klic);
}

QMenu* Form1::PridejMenu(const QString& titulek, const QString& pred)
{
    auto* menu = new QMenu(titulek, this);
    // What a command has done is said until the next command (whose own summary is shown
    // only after it, whichever of the two signals comes first).
    connect(menu, &QMenu::triggered, this, [this] {
        if (!souhrn_.isEmpty() && koment_->text() == souhrn_)
            koment_->clear();
    });
    for (QAction* a : menuBar()->actions()) {
        if (!pred.isEmpty() && BezKlavesyPristupu(a->text()) == BezKlavesyPristupu(pred)) {
            menuBar()->insertMenu(a, menu);
            return menu;
        }
    }
    menuBar()->addMenu(menu);
    return menu;
}

QMenu* Form1::Menu(const QString& titulek) const
{
    for (QAction* a : menuBar()->actions())
        if (a->menu() && BezKlavesyPristupu(a->text()) == BezKlavesyPristupu(titulek))
            return a->menu();
    return nullptr;
}

void Form1::PridejDoSouboru(QAction* akce)
{
    Menu("Soubor")->insertAction(predZavri_, akce);
}

void Form1::Spust(const std::string& prikazovyRadek)
{
    zalozky_->setCurrentWidget(Zalozka("zapisnik"));
    // The user comes to write: the caret waits in the notebook.
    editor_->setFocus();
    kontext_.volby = NactiNastaveni(kontext_.nastaveni);
    NastavPismoVypisu();
    NastavZmeneno(false);
    std::string jmeno = OdstranUvozovky(prikazovyRadek);
    if (!jmeno.empty()) {
        // Kept in the recent files and used by the file dialogs after the working folder changed.
        jmeno = QFile::encodeName(QFileInfo(QFile::decodeName(jmeno.c_str())).absoluteFilePath()).toStdString();
        jmenoVDialogu_ = jmeno;
        PrikazSoubor(PrikazSouboru::OtevriPriStartu);
    }
    ObnovUmisteni();
}

bool Form1::PrikazSoubor(int index)
{
    using namespace PrikazSouboru;
    // Replacing the survey while a long operation yields would pull it from under that
    // operation; such a command is ignored, as every other long command then is.
    if (index != Uloz && index != UlozPodJmenem && kontext_.stav.Zaneprazdneno())
        return false;
    bool ulozit = index == Uloz || index == UlozPodJmenem;
    if ((index == Novy || index == Otevri || index == OtevriBezNacteni) && zmeneno_) {
        const int odpoved =
            kontext_.platforma.ZpravaBox("Soubor " + kontext_.souborZapisniku + " byl změněn.\nUložit?",
                                         MsgBox::YesNoCancel | MsgBox::Question);
        if (odpoved == MsgBox::Cancel)
            return false;
        ulozit = odpoved == MsgBox::Yes;
    }
    // A notebook that could not be saved is never replaced: its text would be lost.
    if (ulozit && !UlozPrikazem(index == UlozPodJmenem))
        return false;
    switch (index) {
    case Otevri:
    case OtevriBezNacteni: {
        const auto jmeno = VyberOtevreni(Pozadavek("Otevření zápisníku"));
        if (!jmeno)
            return false;
        jmenoVDialogu_ = *jmeno;
        return OtevriSoubor(*jmeno, index == Otevri);
    }
    case OtevriPriStartu:
        return OtevriSoubor(jmenoVDialogu_, true);
    case Novy:
        return NovyZapisnik();
    default:
        return ulozit;
    }
}

bool Form1::OtevriNedavny(const std::string& jmeno)
{
    if (kontext_.stav.Zaneprazdneno())
        return false;
    if (zmeneno_) {
        const int odpoved =
            kontext_.platforma.ZpravaBox("Soubor " + kontext_.souborZapisniku + " byl změněn.\nUložit?",
                                         MsgBox::YesNoCancel | MsgBox::Question);
        if (odpoved == MsgBox::Cancel || (odpoved == MsgBox::Yes && !UlozPrikazem(false)))
            return false;
    }
    jmenoVDialogu_ = jmeno;
    return OtevriSoubor(jmeno, true);
}

void Form1::PridejNapovedu()
{
    // F1: the notebook format beside the editor, the window's commands elsewhere.
    auto* napoveda = new QAction(this);
    napoveda->setObjectName("akcNapoveda");
    napoveda->setShortcut(QKeySequence::HelpContents);
    napoveda->setShortcutContext(Qt::WindowShortcut);
    addAction(napoveda);
    connect(napoveda, &QAction::triggered, this, [this] {
        if (!napoveda_) {
            napoveda_ = new OknoNapovedy(this);
            napoveda_->setAttribute(Qt::WA_DeleteOnClose);
        }
        const bool zapisnik = zalozky_->currentWidget() == Zalozka("zapisnik");
        napoveda_->Otevri(zapisnik ? StrankaNapovedy(0) : QUrl(QString::fromLatin1(NapovedaOkna)));
        napoveda_->show();
        napoveda_->raise();
    });
}

bool Form1::UlozPrikazem(bool noveJmeno)
{
    std::string jmeno = kontext_.souborZapisniku;
    if (noveJmeno || jmeno.empty()) {
        const auto zvolene = VyberUlozeni(Pozadavek("Uložení zápisníku"));
        if (!zvolene)
            return false;
        jmeno = *zvolene;
        jmenoVDialogu_ = jmeno;
    }
    return UlozDo(jmeno);
}

bool Form1::UlozDo(const std::string& jmeno)
{
    const std::string text = SKoncemRadku(TextZapisniku(), konecRadku_);
    Kodovani kodovani = kodovani_;
    // Under a new name a notebook that no longer fits Windows-1250 goes to UTF-8, as the
    // refusal to save it under its old name tells the user.
    std::string zkouska;
    if (jmeno != kontext_.souborZapisniku && kodovani == Kodovani::Windows1250 &&
        !Utf8NaWindows1250(text, zkouska))
        kodovani = Kodovani::Utf8;
    // Whoever made the notebook read-only meant it to stay; only the user may say otherwise.
    if (JeJenProCteni(jmeno) &&
        kontext_.platforma.ZpravaBox("Soubor je jen pro čtení. Přesto uložit?",
                                     MsgBox::YesNo | MsgBox::Question | MsgBox::DefaultButton2,
                                     "Uložení zápisníku") != MsgBox::Yes)
        return false;
    kontext_.StavovyRadek("Ukládám soubor " + jmeno + "...");
    const std::string chyba = UlozZapisnik(jmeno, text, kodovani);
    kontext_.StavovyRadek("");
    if (!chyba.empty()) {
        kontext_.platforma.ZpravaBox(chyba, MsgBox::Exclamation, "Uložení zápisníku");
        return false;
    }
    kontext_.souborZapisniku = jmeno;
    kodovani_ = kodovani;
    NastavZmeneno(false);
    AktualizujTitulek();
    nedavne_->Pridej(jmeno);
    return true;
}

bool Form1::OtevriSoubor(const std::string& jmeno, bool nacist)
{
    // Read first: a file that cannot be opened leaves the notebook as it was.
    const NactenyText nacteno = NactiZapisnik(jmeno);
    if (!nacteno.ok) {
        kontext_.platforma.ZpravaBox(nacteno.chyba, MsgBox::Exclamation, "Otevření zápisníku");
        return false;
    }
    NulujModel();
    kontext_.souborZapisniku = jmeno;
    nedavne_->Pridej(jmeno);
    kontext_.komentarZpravy.clear();
    ClrForm();
    NastavText(nacteno.text);
    kodovani_ = nacteno.kodovani;
    zmenenoOdNacteni_ = true;
    if (nacist)
        CtiZapisnik();
    NastavZmeneno(false);
    AktualizujTitulek();
    return true;
}

bool Form1::NovyZapisnik()
{
    const auto jmeno = VyberUlozeni(Pozadavek("Nový zápisník"));
    if (!jmeno)
        return false;
    jmenoVDialogu_ = *jmeno;
    NulujModel();
    ClrForm();
    kontext_.souborZapisniku = *jmeno;
    kodovani_ = Kodovani::Utf8;
    konecRadku_ = KonecRadku::LF;
    AktualizujTitulek();
    return true;
}

void Form1::CtiZapisnik()
{
    // Started while another long operation yields: the load would refuse, so nothing changes.
    if (kontext_.stav.Zaneprazdneno())
        return;
    const KurzorPrace kurzor;
    zmenenoOdNacteni_ = false;
    kontext_.StavovyRadek("");
    kontext_.StavovyRadek("Načítání souboru " + kontext_.souborZapisniku);
    // The text as the file holds it, CR LF included, so that the error positions fit it.
    nacitanyText_ = SKoncemRadku(TextZapisniku(), konecRadku_);
    NactiZapisnik(kontext_, nacitanyText_, this);
    if (kontext_.posledniChybaNacteni == 0 && kontext_.stav.JeNacteno()) {
        kontext_.StavovyRadek("Aktualizace výpisů");
        ObnovVypisy();
        kontext_.StavovyRadek("");
        UkazSouhrn(SouhrnNacteni(kontext_));
    } else {
        // The panels would list a survey the failed load has half replaced.
        VycistiPanely();
    }
    zastarale_->Nastav(false);
    PovolPolozky();
}

void Form1::Vektorizace()
{
    if (kontext_.stav.Zaneprazdneno())
        return;
    if (kontext_.stav.Stav < 1)
        CtiZapisnik();
    const KurzorPrace kurzor;
    Vectorize(kontext_);
    kontext_.StavovyRadek("");
    // A region without a given point has been connected to one of its own.
    if (kontext_.stav.Stav >= 2) {
        daneBody_->Obnov();
        ObnovVysledky();
        UkazSouhrn(SouhrnVektorizace(kontext_));
    }
    PovolPolozky();
}

void Form1::StartVypoctu()
{
    if (kontext_.stav.Zaneprazdneno())
        return;
    if (kontext_.stav.Stav < 2)
        Vektorizace();
    if (kontext_.stav.Stav < 2)
        return;
    const auto zacatek = std::chrono::steady_clock::now();
    {
        const KurzorPrace kurzor;
        SpustVypocet(kontext_);
    }
    const std::chrono::duration<double> trvani = std::chrono::steady_clock::now() - zacatek;
    zamery_->Obnov();
    ObnovVysledky();
    if (kontext_.stav.JeVypocteno())
        UkazSouhrn(SouhrnVypoctu(kontext_, trvani.count()));
    PovolPolozky();
}

void Form1::PrevodSouradnic()
{
    if (!prevod_)
        prevod_ = new Zm_JTSK(this);
    prevod_->show();
    prevod_->raise();
    prevod_->activateWindow();
}

void Form1::ObnovVypisy()
{
    ObnovOblasti();
    zamery_->Obnov();
    mereni_->NastavRadky(kontext_.seznamMereni.VypisMereni(FormatUzivatele().desetinny));
    if (kontext_.nacti) {
        // The load hands the parser's records on to the model; the list holds their values.
        const SeznamMereni& seznam = kontext_.seznamMereni;
        std::vector<MereniVypisu> mereni;
        mereni.reserve(static_cast<std::size_t>(seznam.ListingCount()));
        for (int i = 1; i <= seznam.ListingCount(); ++i) {
            const MeasurementListRecord r = seznam.GetListingRecord(i);
            mereni.push_back({Orizni(r.NameFrom), Orizni(r.NameTo), r.Distance, r.Direction, r.Inclination,
                              r.Deviation, r.Declination});
        }
        meridla_->NastavText(VypisZapisniku(*kontext_.nacti, mereni));
    }
    daneBody_->Obnov();
    ObnovVysledky();
}

void Form1::ObnovVysledky()
{
    const int oblast = VybranaOblast();
    body_->Obnov(oblast);
    pripojeni_->Obnov(oblast);
}

// One entry per region of the survey; the selected region stays while it exists.
void Form1::ObnovOblasti()
{
    const int vybrana = VybranaOblast();
    const int pocet = kontext_.model.regions.RegionCount();
    const QSignalBlocker ticho(oblasti_);
    oblasti_->clear();
    oblasti_->addItem(QStringLiteral("Všechny oblasti"));
    for (int r = 1; r <= pocet; ++r)
        oblasti_->addItem(QStringLiteral("Oblast %1").arg(r));
    oblasti_->setCurrentIndex(vybrana <= pocet ? vybrana : 0);
}

int Form1::VybranaOblast() const
{
    return std::max(0, oblasti_->currentIndex());
}

void Form1::VyberOblast(int oblast)
{
    if (oblast >= 0 && oblast < oblasti_->count())
        oblasti_->setCurrentIndex(oblast);
}

void Form1::VycistiPanely()
{
    {
        const QSignalBlocker ticho(oblasti_);
        while (oblasti_->count() > 1)
            oblasti_->removeItem(oblasti_->count() - 1);
        oblasti_->setCurrentIndex(0);
    }
    daneBody_->Vycisti();
    pripojeni_->Vycisti();
    zamery_->Vycisti();
    body_->Vycisti();
    meridla_->Vycisti();
    mereni_->Vycisti();
}

// "Na 1. bod", "Na 2. bod": the station in the "Body" panel, in its own region when another
// region is selected.
void Form1::NaBod(int stanice)
{
    const int oblast = kontext_.model.regions.RegionOf(stanice);
    if (VybranaOblast() != 0 && VybranaOblast() != oblast)
        VyberOblast(oblast);
    zalozky_->setCurrentWidget(body_);
    body_->VyberBod(stanice);
    body_->Seznam()->setFocus();
}

void Form1::PridejPolozkuSDaty(QAction* akce)
{
    polozkySDaty_.emplace_back(akce);
    PovolPolozky();
}

void Form1::PovolPolozky()
{
    const bool data = kontext_.stav.Stav >= 1 && kontext_.stav.Stav <= 3;
    for (const QPointer<QAction>& a : polozkySDaty_)
        if (a)
            a->setEnabled(data);
}

void Form1::OznacChybnyRadek(std::int32_t zacatek, std::int32_t delka)
{
    const int konecDokumentu = editor_->document()->characterCount() - 1;
    const int od = std::min(PoziceVEditoru(nacitanyText_, zacatek), konecDokumentu);
    const int po = std::min(PoziceVEditoru(nacitanyText_, zacatek + std::max(0, delka)), konecDokumentu);
    QTextCursor kurzor(editor_->document());
    kurzor.setPosition(od);
    kurzor.setPosition(po, QTextCursor::KeepAnchor);
    editor_->setTextCursor(kurzor);
    editor_->ensureCursorVisible();
}

void Form1::PrepniNaZapisnik()
{
    zalozky_->setCurrentWidget(Zalozka("zapisnik"));
}

void Form1::ZamerEditor()
{
    editor_->setFocus();
    QCoreApplication::processEvents();
}

void Form1::NastavTitulek(const std::string& lokalita)
{
    setWindowTitle(QString::fromUtf8(TitulekProgramu) + " - " + Q(lokalita));
}

void Form1::ClrForm()
{
    {
        const QSignalBlocker ticho(editor_);
        editor_->clear();
    }
    VycistiPanely();
    zmenenoOdNacteni_ = false;
    NastavZmeneno(false);
    zastarale_->Nastav(false);
}

void Form1::NulujModel()
{
    // Nothing of the old survey may outlive its notebook, and no phase counts as done.
    kontext_.stav.Stav = 0;
    kontext_.stav.Hotovo = 0;
    kontext_.model.Clear();
    kontext_.seznamMereni.ClearListing();
    kontext_.razeniBodu = Razeni();
    kontext_.nacti.reset();
    kontext_.posledniChybaNacteni = 0;
    PovolPolozky();
}

std::string Form1::TextZapisniku() const
{
    // The raw text keeps no-break spaces and line separators that plain text would rewrite.
    QString text = editor_->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text.toStdString();
}

void Form1::NastavText(const std::string& text)
{
    konecRadku_ = NejcastejsiKonecRadku(text);
    const QSignalBlocker ticho(editor_);
    editor_->setPlainText(Q(text));
}

void Form1::NastavZmeneno(bool zmeneno)
{
    zmeneno_ = zmeneno;
    zmenenoPopisek_->setText(zmeneno ? QStringLiteral("Změněno") : QString());
}

void Form1::PriUprave()
{
    zmenenoOdNacteni_ = true;
    NastavZmeneno(true);
    // Only what a load put on the panels can be out of date.
    zastarale_->Nastav(kontext_.stav.Stav >= 1);
}

void Form1::UkazSouhrn(const std::string& text)
{
    // After the command's own status texts, which its end clears.
    souhrn_ = Q(text);
    QTimer::singleShot(0, this, [this, t = souhrn_] {
        if (souhrn_ == t)
            koment_->setText(t);
    });
}

void Form1::AktualizujTitulek()
{
    // A loaded notebook is named by its locality, as the load named it.
    const Nacti* nacti = kontext_.nacti.get();
    if (nacti && kontext_.stav.JeNacteno() && nacti->LokalitaZapisniku().zacatekPrikazu != 0) {
        NastavTitulek(nacti->LokalitaZapisniku().jmeno);
        return;
    }
    const QString soubor = QFileInfo(QFile::decodeName(kontext_.souborZapisniku.c_str())).fileName();
    setWindowTitle(QString::fromUtf8(TitulekProgramu) + " - " + soubor);
}

PozadavekSouboru Form1::Pozadavek(const char* titulek) const
{
    PozadavekSouboru p;
    p.titulek = titulek;
    p.filtr = FiltrZapisniku;
    p.pripona = "mer";
    p.jmeno = jmenoVDialogu_;
    return p;
}

void Form1::UlozNastaveniPrikaz()
{
    const std::string chyba = UlozNastaveni(kontext_.nastaveni, kontext_.volby);
    if (!chyba.empty())
        kontext_.platforma.ZpravaBox(chyba, MsgBox::Exclamation, "Ulož nastavení");
}

void Form1::OProgramu()
{
    const std::string text = std::string(TitulekProgramu) + " verze " +
                             std::to_string(LOMVIRA_VERSION_MAJOR) + "." +
                             std::to_string(LOMVIRA_VERSION_MINOR);
    kontext_.platforma.ZpravaBox(text, MsgBox::Information, "O programu");
}

void Form1::closeEvent(QCloseEvent* event)
{
    // The long operation that yields runs inside this window.
    if (kontext_.stav.Zaneprazdneno()) {
        event->ignore();
        return;
    }
    if (zmeneno_) {
        const int odpoved = kontext_.platforma.ZpravaBox("V zápisníku byly provedeny změny.\nUložit?",
                                                         MsgBox::YesNoCancel | MsgBox::Question);
        if (odpoved == MsgBox::Cancel || (odpoved == MsgBox::Yes && !PrikazSoubor(PrikazSouboru::Uloz))) {
            event->ignore();
            return;
        }
    }
    UlozUmisteni();
    event->accept();
}

std::string Form1::JmenoAplikace() const
{
    const QString jmeno = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return jmeno.isEmpty() ? std::string("lomvira") : jmeno.toStdString();
}

void Form1::ObnovUmisteni()
{
    UmisteniOkna ted;
    ted.WindowState = isMaximized() ? 2 : 0;
    // Before the first show the platform has not placed the window yet: -1 leaves it to it.
    ted.Left = isVisible() ? x() : -1;
    ted.Top = isVisible() ? y() : -1;
    ted.Width = width();
    ted.Height = height();
    const UmisteniOkna u = ObnovUmisteniOkna(kontext_.nastaveni, JmenoAplikace(), OknoForm1, ted, true);
    if (u.WindowState == 2) {
        setWindowState(Qt::WindowMaximized);
        return;
    }
    setWindowState(Qt::WindowNoState);
    if (u.Left >= 0 || u.Top >= 0)
        move(u.Left >= 0 ? u.Left : x(), u.Top >= 0 ? u.Top : y());
    resize(u.Width, u.Height);
}

void Form1::UlozUmisteni()
{
    UmisteniOkna u;
    u.WindowState = isMinimized() ? 1 : (isMaximized() || isFullScreen()) ? 2 : 0;
    u.Left = x();
    u.Top = y();
    u.Width = width();
    u.Height = height();
    UlozUmisteniOkna(kontext_.nastaveni, JmenoAplikace(), OknoForm1, u);
    // The placement is not worth a question on the way out; the options are saved on request.
    kontext_.nastaveni.Uloz();
}

} // namespace lomvira
