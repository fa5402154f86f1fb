#include "app/ui/Form1.h"

#include "app/Nastaveni.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextDocument>
#include <QVBoxLayout>

namespace lomvira {

namespace {

constexpr const char* FiltrZapisniku = "Kompasové měření (*.mer)";
constexpr const char* OknoForm1 = "Form1";

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

// A notebook counts as CR LF when most of its line ends are CR LF.
bool MaCrLf(const std::string& text)
{
    std::size_t crlf = 0, lf = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n')
            continue;
        if (i > 0 && text[i - 1] == '\r')
            ++crlf;
        else
            ++lf;
    }
    return crlf > 0 && crlf >= lf;
}

std::string SCrLf(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
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
    VyberOtevreni = [this](const PozadavekSouboru& p) { return DialogOtevreni(this, p); };
    VyberUlozeni = [this](const PozadavekSouboru& p) { return DialogUlozeni(this, p); };
    VytvorZapisnik();
    VytvorMenu();
    koment_ = new QLabel(statusBar());
    koment_->setObjectName("koment");
    statusBar()->addWidget(koment_, 1);
    resize(900, 650);
    AktualizujTitulek();
}

void Form1::VytvorZapisnik()
{
    zalozky_ = new QTabWidget(this);
    auto* stranka = new QWidget;
    auto* rozvrzeni = new QVBoxLayout(stranka);
    zmenenoPopisek_ = new QLabel(stranka);
    zmenenoPopisek_->setObjectName("lblZmeneno");
    zmenenoPopisek_->setStyleSheet("color: #b00000; font-weight: bold;");
    zmenenoPopisek_->setMinimumHeight(zmenenoPopisek_->fontMetrics().height());
    editor_ = new QPlainTextEdit(stranka);
    editor_->setObjectName("txtZapisnik");
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setFont(PismoVypisu(kontext_.volby.Font));
    rozvrzeni->addWidget(zmenenoPopisek_);
    rozvrzeni->addWidget(editor_, 1);
    PridejZalozku(stranka, "Zápisník", "zapisnik");
    setCentralWidget(zalozky_);
    connect(editor_, &QPlainTextEdit::textChanged, this, &Form1::PriUprave);
}

void Form1::VytvorMenu()
{
    QMenu* soubor = PridejMenu("Soubor");
    soubor->setObjectName("mnuSoubor");
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

    QMenu* parametry = PridejMenu("Parametry");
    parametry->setObjectName("mnuParametry");
    QAction* ulozNastaveni = parametry->addAction("Ulož nastavení");
    ulozNastaveni->setObjectName("mnuUlozNastaveni");
    connect(ulozNastaveni, &QAction::triggered, this, &Form1::UlozNastaveniPrikaz);

    // A bare menu bar item, as the about command has no items of its own.
    QAction* oProgramu = menuBar()->addAction("O programu");
    oProgramu->setObjectName("mnuOProgramu");
    connect(oProgramu, &QAction::triggered, this, &Form1::OProgramu);
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
    for (QAction* a : menuBar()->actions()) {
        if (!pred.isEmpty() && a->text() == pred) {
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
        if (a->menu() && a->text() == titulek)
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
    kontext_.volby = NactiNastaveni(kontext_.nastaveni);
    editor_->setFont(PismoVypisu(kontext_.volby.Font));
    NastavZmeneno(false);
    const std::string jmeno = OdstranUvozovky(prikazovyRadek);
    if (!jmeno.empty()) {
        jmenoVDialogu_ = jmeno;
        PrikazSoubor(PrikazSouboru::OtevriPriStartu);
    }
    ObnovUmisteni();
}

bool Form1::PrikazSoubor(int index)
{
    using namespace PrikazSouboru;
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
    const std::string text = crlf_ ? SCrLf(TextZapisniku()) : TextZapisniku();
    Kodovani kodovani = kodovani_;
    // Under a new name a notebook that no longer fits Windows-1250 goes to UTF-8, as the
    // refusal to save it under its old name tells the user.
    std::string zkouska;
    if (jmeno != kontext_.souborZapisniku && kodovani == Kodovani::Windows1250 &&
        !Utf8NaWindows1250(text, zkouska))
        kodovani = Kodovani::Utf8;
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
    crlf_ = false;
    AktualizujTitulek();
    return true;
}

void Form1::CtiZapisnik()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    zmenenoOdNacteni_ = false;
    kontext_.StavovyRadek("");
    kontext_.StavovyRadek("Načítání souboru " + kontext_.souborZapisniku);
    QApplication::restoreOverrideCursor();
}

void Form1::ClrForm()
{
    {
        const QSignalBlocker ticho(editor_);
        editor_->clear();
    }
    zmenenoOdNacteni_ = false;
    NastavZmeneno(false);
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
    crlf_ = MaCrLf(text);
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
}

void Form1::AktualizujTitulek()
{
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
