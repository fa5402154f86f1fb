#include "app/ui/FPolygon.h"

#include "app/Kontext.h"
#include "app/ui/Form1.h"
#include "app/ui/FormatVypisu.h"
#include "app/ui/KresleniPolygonu.h"
#include "app/ui/PlochaPolygonu.h"
#include "app/ui/frmPohled.h"
#include "common/Nastaveni.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include <algorithm>

namespace lomvira {

namespace {

constexpr const char* OknoPolygonu = "FPolygon";

// "#######0.000" in the user's decimal mark.
QString Souradnice(double hodnota, char desetinny)
{
    std::string s = FormatCislo(hodnota, 3);
    std::replace(s.begin(), s.end(), '.', desetinny);
    return QString::fromStdString(s);
}

} // namespace

FPolygon::FPolygon(Form1& hlavni)
    : QMainWindow(&hlavni), hlavni_(hlavni), kontext_(hlavni.kontext()), plocha_(new PlochaPolygonu(zobraz_, this))
{
    setObjectName(OknoPolygonu);
    setWindowFlag(Qt::Window);
    // The program ends with its main window; this one closes with it.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Zobrazení polygonu"));
    setCentralWidget(plocha_);
    plocha_->NastavDesetinnyZnak(kontext_.platforma.DesetinnyZnak());
    VytvorMenu();
    VytvorNastroje();
    souradnice_ = new QLabel(this);
    souradnice_->setObjectName("lblSouradnice");
    vyber_ = new QLabel(this);
    vyber_->setObjectName("lblVyber");
    statusBar()->addWidget(vyber_, 1);
    statusBar()->addPermanentWidget(souradnice_);
    connect(plocha_, &PlochaPolygonu::PohledZmenen, this, &FPolygon::PriZmenePohledu);
    connect(plocha_, &PlochaPolygonu::MysNad, this, [this](double u, double v) {
        const char z = kontext_.platforma.DesetinnyZnak();
        souradnice_->setText(QStringLiteral("u = %1   v = %2").arg(Souradnice(u, z), Souradnice(v, z)));
    });
    connect(plocha_, &PlochaPolygonu::KliknutoNaBod, this, &FPolygon::VyberBod);
    connect(plocha_, &PlochaPolygonu::DvojklikNaZameru, this, &FPolygon::VyberZameru);
    VyberObrazku = [this](const PozadavekSouboru& p) { return DialogUlozeni(this, p); };
    resize(900, 680);
}

FPolygon::~FPolygon()
{
    if (otevreno_ && isVisible())
        UlozUmisteni();
}

QAction* FPolygon::Akce(const char* jmeno) const
{
    return findChild<QAction*>(QString::fromLatin1(jmeno));
}

void FPolygon::VytvorMenu()
{
    auto akce = [this](QMenu* menu, const char* text, const char* jmeno, auto prikaz) {
        QAction* a = menu->addAction(QString::fromUtf8(text));
        a->setObjectName(jmeno);
        connect(a, &QAction::triggered, this, prikaz);
        return a;
    };
    QMenu* soubor = menuBar()->addMenu(QStringLiteral("Soubor"));
    akce(soubor, "Ulož obrázek...", "mnuUlozObrazek", [this] { UlozObrazek(); })->setShortcut(QKeySequence::Save);
    soubor->addSeparator();
    akce(soubor, "Zavři", "mnuZavriPolygon", [this] { close(); });

    QMenu* zobraz = menuBar()->addMenu(QStringLiteral("Zobraz"));
    auto vrstva = [&](const char* text, const char* jmeno, bool VrstvyPolygonu::*prepinac) {
        QAction* a = akce(zobraz, text, jmeno, [this, prepinac](bool zapnuto) {
            zobraz_.vrstvy.*prepinac = zapnuto;
            plocha_->update();
        });
        a->setCheckable(true);
        a->setChecked(zobraz_.vrstvy.*prepinac);
    };
    vrstva("Polygon", "mnuPolygon", &VrstvyPolygonu::polygon);
    vrstva("Body", "mnuBody", &VrstvyPolygonu::body);
    vrstva("Dané body", "mnuDaneBody", &VrstvyPolygonu::daneBody);
    vrstva("Popisy", "mnuPopisy", &VrstvyPolygonu::popisy);
    vrstva("Měření pro kontrolu", "mnuKontrola", &VrstvyPolygonu::kontrola);
    zobraz->addSeparator();
    vrstva("Barva podle výšky", "mnuBarvaVysky", &VrstvyPolygonu::barvaPodleVysky);

    QMenu* pohled = menuBar()->addMenu(QStringLiteral("Pohled"));
    akce(pohled, "Směr pohledu...", "mnuSmerPohledu", &FPolygon::SmerPohledu);
    akce(pohled, "Půdorys", "mnuPudorys", &FPolygon::Pudorys)->setShortcut(Qt::Key_P);
    akce(pohled, "Řez", "mnuRez", &FPolygon::Rez)->setShortcut(Qt::Key_S);
    pohled->addSeparator();
    akce(pohled, "Celý polygon", "mnuCelyPolygon", &FPolygon::ZoomNaVse)->setShortcut(Qt::Key_Home);
    pohled->addSeparator();
    akce(pohled, "Korekce obrazovky", "mnuKorekce", &FPolygon::KorekceObrazovky);
}

void FPolygon::VytvorNastroje()
{
    QToolBar* nastroje = addToolBar(QStringLiteral("Posun"));
    nastroje->setObjectName("tlbPosun");
    nastroje->setMovable(false);
    struct Tlacitko {
        QStyle::StandardPixmap ikona;
        const char* popis;
        const char* jmeno;
        int bity;
    };
    // The bits: 1 u grows, 2 v decreases, 4 v grows, 8 u decreases.
    for (const Tlacitko& t : {Tlacitko{QStyle::SP_ArrowLeft, "Posun vlevo", "btnVlevo", 8},
                              Tlacitko{QStyle::SP_ArrowRight, "Posun vpravo", "btnVpravo", 1},
                              Tlacitko{QStyle::SP_ArrowUp, "Posun nahoru", "btnNahoru", 4},
                              Tlacitko{QStyle::SP_ArrowDown, "Posun dolů", "btnDolu", 2}}) {
        QAction* a = nastroje->addAction(style()->standardIcon(t.ikona), QString::fromUtf8(t.popis));
        a->setObjectName(t.jmeno);
        const int bity = t.bity;
        connect(a, &QAction::triggered, this, [this, bity] { Posun(bity); });
    }
    QAction* vse = nastroje->addAction(QStringLiteral("Celý polygon"));
    vse->setObjectName("btnCelyPolygon");
    connect(vse, &QAction::triggered, this, &FPolygon::ZoomNaVse);
    nastroje->addSeparator();
    nastroje->addWidget(new QLabel(QStringLiteral(" Měřítko 1 : "), nastroje));
    meritko_ = new QLineEdit(nastroje);
    meritko_->setObjectName("txtMeritko");
    meritko_->setMaximumWidth(110);
    nastroje->addWidget(meritko_);
    connect(meritko_, &QLineEdit::returnPressed, this, &FPolygon::NastavMeritko);
}

void FPolygon::Otevri()
{
    ObnovScenu(true);
    if (!otevreno_) {
        otevreno_ = true;
        ObnovUmisteni();
    }
    show();
    plocha_->ZarovnatPriVykresleni();
    ZoomNaVse();
    raise();
    activateWindow();
}

void FPolygon::ObnovScenu(bool zarovnat)
{
    if (kontext_.stav.Zaneprazdneno() || kontext_.stav.Stav != 3) {
        zastarale_ = true;
        return;
    }
    ScenaPolygonu scena = ScenaZKontextu(kontext_);
    const bool jina = kontext_.souborZapisniku != soubor_ || scena.stanice.size() != stanic_ ||
                      scena.zamery.size() != zamer_ || scena.mereni.size() != mereni_;
    soubor_ = kontext_.souborZapisniku;
    stanic_ = scena.stanice.size();
    zamer_ = scena.zamery.size();
    mereni_ = scena.mereni.size();
    zobraz_.pohled.korekceHori = kontext_.volby.AdjHori;
    zobraz_.pohled.korekceVert = kontext_.volby.AdjVert;
    zobraz_.NastavScenu(std::move(scena));
    zastarale_ = false;
    if (jina && !zarovnat)
        ZoomNaVse();
    plocha_->update();
}

void FPolygon::changeEvent(QEvent* event)
{
    // The survey may have been computed anew while another window was active.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && otevreno_)
        ObnovScenu(false);
    QMainWindow::changeEvent(event);
}

void FPolygon::PriZmenePohledu()
{
    const double n = 1 / zobraz_.pohled.zoom;
    std::string text = n >= 10 ? FormatCislo(n, 0) : FormatCisloBezNul(n, 3);
    std::replace(text.begin(), text.end(), '.', kontext_.platforma.DesetinnyZnak());
    meritko_->setText(QString::fromStdString(text));
}

void FPolygon::NastavMeritko()
{
    if (zobraz_.NastavCisloMeritka(meritko_->text().toStdString()))
        plocha_->update();
    PriZmenePohledu();
}

void FPolygon::Posun(int bity)
{
    zobraz_.Posun(bity, plocha_->AktualniPlatno());
    plocha_->update();
}

void FPolygon::ZoomNaVse()
{
    zobraz_.ZoomNaVse(plocha_->AktualniPlatno());
    plocha_->update();
    PriZmenePohledu();
}

void FPolygon::SmerPohledu()
{
    frmPohled dialog(zobraz_.JePudorys(), zobraz_.AzimutPohledu(), kontext_.platforma.DesetinnyZnak(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (dialog.Pudorys())
        zobraz_.Pudorys();
    else
        zobraz_.Rez(dialog.Azimut().value_or(0));
    plocha_->update();
}

void FPolygon::Pudorys()
{
    zobraz_.Pudorys();
    plocha_->update();
}

void FPolygon::Rez()
{
    // A section seen along the present direction.
    zobraz_.Otoc(-zobraz_.pohled.UhelA, 0);
    plocha_->update();
}

void FPolygon::KorekceObrazovky()
{
    plocha_->ZobrazCtverec(true);
    plocha_->repaint();
    const bool zmeneno = lomvira::KorekceObrazovky(kontext_.platforma, zobraz_.pohled);
    plocha_->ZobrazCtverec(false);
    if (!zmeneno)
        return;
    // Kept for the rest of the run; "Ulož nastavení" stores them.
    kontext_.volby.AdjHori = zobraz_.pohled.korekceHori;
    kontext_.volby.AdjVert = zobraz_.pohled.korekceVert;
    PriZmenePohledu();
}

bool FPolygon::UlozObrazek()
{
    PozadavekSouboru p;
    p.titulek = "Uložení obrázku";
    p.filtr = "Obrázek PNG (*.png);;Obrázek SVG (*.svg);;Dokument PDF (*.pdf)";
    p.pripona = "png";
    const auto cesta = VyberObrazku(p);
    return cesta && UlozObrazekDo(*cesta);
}

bool FPolygon::UlozObrazekDo(const std::string& cesta)
{
    const std::string chyba = lomvira::UlozObrazek(cesta, zobraz_.Kresli(plocha_->AktualniPlatno()));
    if (!chyba.empty()) {
        kontext_.platforma.ZpravaBox(chyba, MsgBox::OkOnly | MsgBox::Exclamation, "Uložení obrázku");
        return false;
    }
    return true;
}

void FPolygon::VyberBod(int stanice)
{
    const ScenaPolygonu& s = zobraz_.Scena();
    if (stanice < 1 || stanice > static_cast<int>(s.stanice.size())) {
        vyber_->clear();
        return;
    }
    vyber_->setText(QString::fromStdString(zobraz_.PopisBodu(stanice, FormatUzivatele())));
    OznacRadek(s.mereniBodu[static_cast<std::size_t>(stanice - 1)]);
}

void FPolygon::VyberZameru(int zamera)
{
    const ScenaPolygonu& s = zobraz_.Scena();
    if (zamera < 1 || zamera > static_cast<int>(s.zamery.size()))
        return;
    const ScenaPolygonu::Zamera& z = s.zamery[static_cast<std::size_t>(zamera - 1)];
    const auto jmeno = [&s](int b) {
        return b >= 1 && b <= static_cast<int>(s.stanice.size()) ? s.stanice[static_cast<std::size_t>(b - 1)].jmeno
                                                                   : std::string();
    };
    vyber_->setText(QString::fromStdString("Záměra " + jmeno(z.od) + " - " + jmeno(z.k)));
    OznacRadek(z.mereni);
}

void FPolygon::OznacRadek(int zaznam)
{
    // The notebook's lines are those of the load only while nothing was edited since.
    const ScenaPolygonu& s = zobraz_.Scena();
    if (zastarale_ || hlavni_.ZmenenoOdNacteni() || zaznam < 1 || zaznam > static_cast<int>(s.mereni.size()))
        return;
    const ScenaPolygonu::Mereni& m = s.mereni[static_cast<std::size_t>(zaznam - 1)];
    if (m.zacatekRadku < 1)
        return;
    hlavni_.PrepniNaZapisnik();
    hlavni_.OznacChybnyRadek(m.zacatekRadku - 1, m.delkaRadku);
}

void FPolygon::closeEvent(QCloseEvent* event)
{
    UlozUmisteni();
    QMainWindow::closeEvent(event);
}

std::string FPolygon::JmenoAplikace() const
{
    const QString jmeno = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return jmeno.isEmpty() ? std::string("lomvira") : jmeno.toStdString();
}

void FPolygon::ObnovUmisteni()
{
    UmisteniOkna ted;
    ted.Left = ted.Top = -1;
    ted.Width = width();
    ted.Height = height();
    const UmisteniOkna u = ObnovUmisteniOkna(kontext_.nastaveni, JmenoAplikace(), OknoPolygonu, ted, false);
    if (u.WindowState == 2) {
        setWindowState(Qt::WindowMaximized);
        return;
    }
    if (u.WindowState == 1)
        setWindowState(Qt::WindowMinimized);
    if (u.Left >= 0 || u.Top >= 0)
        move(u.Left >= 0 ? u.Left : x(), u.Top >= 0 ? u.Top : y());
    if (u.Width > 0 && u.Height > 0)
        resize(u.Width, u.Height);
}

void FPolygon::UlozUmisteni()
{
    UmisteniOkna u;
    u.WindowState = isMinimized() ? 1 : (isMaximized() || isFullScreen()) ? 2 : 0;
    u.Left = x();
    u.Top = y();
    u.Width = width();
    u.Height = height();
    UlozUmisteniOkna(kontext_.nastaveni, JmenoAplikace(), OknoPolygonu, u);
}

} // namespace lomvira
