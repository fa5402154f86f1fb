#include "app/ui/AddZnB.h"

#include "app/Kontext.h"
#include "app/ui/FormatVypisu.h"
#include "common/Cisla.h"
#include "common/Text.h"
#include "input/RadkyDanychBodu.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace lomvira {

namespace {

constexpr const char* Titulek = "Přidej známý bod";
constexpr int DesetinZobrazeni = 5;

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

std::optional<double> NapsaneCislo(const QString& text)
{
    const std::string s = Orizni(CarkaNaTecku(text.toStdString()));
    double v = 0.0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || r.ec != std::errc() || r.ptr != s.data() + s.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

SourSystem Soustava(const Kontext& k)
{
    return k.Soustava() ? *k.Soustava() : SourSystem();
}

std::string JmenoSouboru(const std::string& cesta)
{
    return QFileInfo(QFile::decodeName(cesta.c_str())).fileName().toStdString();
}

} // namespace

AddZnB::AddZnB(Kontext& kontext, std::vector<ZdrojSouradnic>& zdroje, QWidget* parent)
    : QDialog(parent), k_(kontext), zdroje_(zdroje)
{
    setObjectName("AddZnB");
    setWindowTitle(Q(Titulek));
    if (const SourSystem* s = k_.Soustava())
        t_.Create(*s);
    VyberZdroje = [this](const PozadavekSouboru& p) { return DialogOtevreni(this, p); };

    auto* zpusob = new QGroupBox(QStringLiteral("Způsob zadání"), this);
    auto* rz = new QHBoxLayout(zpusob);
    const char* const texty[] = {"&Automaticky", "&Vyber ze zdroje", "&Napiš"};
    const char* const jmena[] = {"optAutomaticky", "optZdroj", "optNapis"};
    for (int i = 0; i < 3; ++i) {
        volby_[i] = new QRadioButton(QString::fromUtf8(texty[i]), zpusob);
        volby_[i]->setObjectName(jmena[i]);
        rz->addWidget(volby_[i]);
        connect(volby_[i], &QRadioButton::clicked, this, [this, i] { NastavZpusob(i); });
    }

    zdrojList_ = new QComboBox(this);
    zdrojList_->setObjectName("cmbZdroj");
    popisZdroje_ = new QLabel(QStringLiteral("Ze &zdroje:"), this);
    popisZdroje_->setBuddy(zdrojList_);
    novyZdroj_ = new QPushButton(QStringLiteral("N&ový zdroj"), this);
    novyZdroj_->setObjectName("cmdNovyZdroj");
    bodyZdroje_ = new QListWidget(this);
    bodyZdroje_->setObjectName("lstBodyZdroje");
    popisBodu_ = new QLabel(QStringLiteral("&Danný bod:"), this);
    popisBodu_->setBuddy(bodyZdroje_);
    jmeno_ = new QLineEdit(this);
    jmeno_->setObjectName("txtJmeno");
    popisJmena_ = new QLabel(QStringLiteral("&Jméno bodu:"), this);
    popisJmena_->setBuddy(jmeno_);

    auto* zdroj = new QHBoxLayout;
    zdroj->addWidget(zdrojList_, 1);
    zdroj->addWidget(novyZdroj_);
    auto* formular = new QFormLayout;
    formular->addRow(popisZdroje_, zdroj);
    formular->addRow(popisBodu_, bodyZdroje_);
    formular->addRow(popisJmena_, jmeno_);
    const char* const popisky[] = {t_.Lab1(), t_.Lab2(), t_.Lab3()};
    for (int i = 0; i < 3; ++i) {
        souradnice_[i] = new QLineEdit(this);
        souradnice_[i]->setObjectName(QStringLiteral("txtSouradnice%1").arg(i + 1));
        formular->addRow(Q(popisky[i]) + ":", souradnice_[i]);
    }
    auto* tlacitka = new QDialogButtonBox(this);
    tlacitka->addButton(QStringLiteral("&Budiž"), QDialogButtonBox::AcceptRole)->setObjectName("cmdBudiz");
    tlacitka->addButton(QStringLiteral("Z&rušit"), QDialogButtonBox::RejectRole)->setObjectName("cmdZrusit");
    auto* rozvrh = new QVBoxLayout(this);
    rozvrh->addWidget(zpusob);
    rozvrh->addLayout(formular, 1);
    rozvrh->addWidget(tlacitka);

    zdrojList_->addItem(Q(ZdrojZapisnik));
    for (const ZdrojSouradnic& z : zdroje_)
        zdrojList_->addItem(Q(JmenoSouboru(z.soubor)));
    connect(zdrojList_, &QComboBox::activated, this, [this](int i) { VyberZdroj(i); });
    connect(novyZdroj_, &QPushButton::clicked, this, &AddZnB::NovyZdroj);
    connect(bodyZdroje_, &QListWidget::currentRowChanged, this, &AddZnB::ZobrazBodZdroje);
    connect(jmeno_, &QLineEdit::textEdited, this, [this] {
        if (zpusob_ == ZadaniAutomaticky)
            ZobrazBodZdroje();
    });
    connect(tlacitka, &QDialogButtonBox::accepted, this, &AddZnB::Budiz);
    connect(tlacitka, &QDialogButtonBox::rejected, this, &QDialog::reject);
    NaplnBodyZdroje();
    NastavZpusob(ZadaniNapis);
}

bool AddZnB::MuzeOtevrit() const
{
    if (k_.stav.Stav >= 1 && k_.nacti)
        return true;
    k_.platforma.ZpravaBox("Nebyl nacten zapisnik!", MsgBox::OkOnly | MsgBox::Exclamation, Titulek);
    return false;
}

void AddZnB::NastavZpusob(int zpusob)
{
    zpusob_ = zpusob;
    volby_[zpusob]->setChecked(true);
    const bool napis = zpusob == ZadaniNapis;
    for (QLineEdit* s : souradnice_)
        s->setReadOnly(!napis);
    for (QWidget* w : std::initializer_list<QWidget*>{zdrojList_, popisZdroje_, novyZdroj_})
        w->setVisible(!napis);
    bodyZdroje_->setVisible(zpusob == ZadaniZeZdroje);
    popisBodu_->setVisible(zpusob == ZadaniZeZdroje);
    jmeno_->setVisible(zpusob != ZadaniZeZdroje);
    popisJmena_->setVisible(zpusob != ZadaniZeZdroje);
    if (!napis)
        ZobrazBodZdroje();
}

void AddZnB::NastavBod(int danyBod)
{
    const StationRecord p = k_.model.givenPoints.GetGivenPoint(danyBod);
    if (p.Name.empty() || Orizni(p.Name).empty())
        return;
    NastavZpusob(ZadaniNapis);
    jmeno_->setText(Q(Orizni(p.Name)));
    UkazSouradnice({p.Name, p.X, p.Y, p.Z});
}

bool AddZnB::VyberZdroj(int zdroj)
{
    if (zdroj < 0 || zdroj > static_cast<int>(zdroje_.size())) {
        k_.platforma.ZpravaBox("Tady je nejaka zrada v programu - AddZnB.CmbZdroj_Click", MsgBox::Critical, Titulek);
        return false;
    }
    // The notebook's system may have changed with a new load since the file was read.
    if (zdroj > 0 && !KompatibilniSoustava(Soustava(k_), zdroje_[static_cast<std::size_t>(zdroj - 1)])) {
        k_.platforma.ZpravaBox("Nekompatibilní souřadný systém", MsgBox::Exclamation, Titulek);
        zdroj = 0;
    }
    zdrojList_->setCurrentIndex(zdroj);
    NaplnBodyZdroje();
    ZobrazBodZdroje();
    return zdrojList_->currentIndex() == zdroj;
}

void AddZnB::NovyZdroj()
{
    PozadavekSouboru p;
    p.titulek = "Nový zdroj";
    p.filtr = "Souřadnice bodů (*.sou)";
    p.pripona = "sou";
    const auto soubor = VyberZdroje ? VyberZdroje(p) : std::nullopt;
    if (!soubor)
        return;
    std::string chyba;
    auto zdroj = CtiSouSoubor(*soubor, chyba);
    if (!zdroj) {
        k_.platforma.ZpravaBox(chyba, MsgBox::Exclamation, Titulek);
        return;
    }
    if (!KompatibilniSoustava(Soustava(k_), *zdroj)) {
        k_.platforma.ZpravaBox("Nekompatibilní souřadný systém", MsgBox::Exclamation, Titulek);
        return;
    }
    if (static_cast<int>(zdroje_.size()) >= MaxZdroju) {
        k_.platforma.ZpravaBox("Více než " + std::to_string(MaxZdroju) + " zdrojů souřadnic nelze použít.",
                               MsgBox::Exclamation, Titulek);
        return;
    }
    zdroje_.push_back(std::move(*zdroj));
    zdrojList_->addItem(Q(JmenoSouboru(zdroje_.back().soubor)));
    VyberZdroj(static_cast<int>(zdroje_.size()));
}

void AddZnB::NaplnBodyZdroje()
{
    const QSignalBlocker ticho(bodyZdroje_);
    bodyZdroje_->clear();
    const int zdroj = zdrojList_->currentIndex();
    if (zdroj <= 0) {
        const GivenPointTable& dane = k_.model.givenPoints;
        for (int i = 1; i <= dane.GivenPointCount(); ++i)
            bodyZdroje_->addItem(Q(Orizni(dane.GetGivenPoint(i).Name)));
    } else {
        for (const ZBod& b : zdroje_[static_cast<std::size_t>(zdroj - 1)].body)
            bodyZdroje_->addItem(Q(b.Name));
    }
    bodyZdroje_->setCurrentRow(bodyZdroje_->count() > 0 ? 0 : -1);
}

std::optional<std::pair<Bod, std::string>> AddZnB::BodZdroje() const
{
    const int zdroj = zdrojList_->currentIndex();
    int radek = bodyZdroje_->currentRow();
    if (zpusob_ == ZadaniAutomaticky) {
        // The point of the typed name.
        const auto nalez = bodyZdroje_->findItems(jmeno_->text().trimmed().toUpper(), Qt::MatchFixedString);
        radek = nalez.isEmpty() ? -1 : bodyZdroje_->row(nalez.front());
    }
    if (radek < 0)
        return std::nullopt;
    if (zdroj <= 0) {
        const StationRecord p = k_.model.givenPoints.GetGivenPoint(radek + 1);
        return std::pair{Bod{p.Name, p.X, p.Y, p.Z}, Orizni(p.Name)};
    }
    const ZdrojSouradnic& z = zdroje_[static_cast<std::size_t>(zdroj - 1)];
    const ZBod& b = z.body[static_cast<std::size_t>(radek)];
    return std::pair{BodZeZdroje(Soustava(k_), z, b), b.Name};
}

void AddZnB::ZobrazBodZdroje()
{
    if (zpusob_ == ZadaniNapis)
        return;
    if (const auto b = BodZdroje()) {
        UkazSouradnice(b->first);
    } else {
        for (QLineEdit* s : souradnice_)
            s->clear();
    }
}

void AddZnB::UkazSouradnice(const Bod& g)
{
    const ZBod z = t_.Vystup(g);
    const double hodnoty[] = {z.X, z.Y, z.Z};
    const char znak = FormatUzivatele().desetinny;
    for (int i = 0; i < 3; ++i) {
        std::string text = FormatCisloBezNul(hodnoty[i], DesetinZobrazeni, 3);
        std::replace(text.begin(), text.end(), '.', znak);
        souradnice_[i]->setText(Q(text));
    }
}

void AddZnB::Budiz()
{
    const bool ok = zpusob_ == ZadaniNapis ? UlozNapsany() : UlozZeZdroje();
    if (!ok)
        return;
    PriradBody();
    accept();
}

// False when nothing is to be stored; "Storno" closes the dialog as well.
bool AddZnB::SmiZmenit(const std::string& jmeno)
{
    if (k_.model.givenPoints.FindGivenPoint(jmeno) == 0)
        return true;
    const int odpoved = k_.platforma.ZpravaBox("Daný bod " + jmeno + " již existuje.\r\nPřejete si změnit jeho souřadnice?",
                                               MsgBox::YesNoCancel | MsgBox::Question, Titulek);
    if (odpoved == MsgBox::Cancel)
        reject();
    return odpoved == MsgBox::Yes;
}

bool AddZnB::UlozNapsany()
{
    std::string chyba;
    const std::string jmeno = JmenoProZapisnik(jmeno_->text().toStdString(), chyba);
    if (!chyba.empty()) {
        k_.platforma.ZpravaBox(chyba, MsgBox::Exclamation, Titulek);
        return false;
    }
    double c[3];
    const char* const popisky[] = {t_.Lab1(), t_.Lab2(), t_.Lab3()};
    for (int i = 0; i < 3; ++i) {
        const auto v = NapsaneCislo(souradnice_[i]->text());
        if (!v) {
            k_.platforma.ZpravaBox(std::string("Souřadnice ") + popisky[i] + " není číslo.", MsgBox::Exclamation,
                                   Titulek);
            souradnice_[i]->setFocus();
            return false;
        }
        c[i] = *v;
    }
    if (!SmiZmenit(jmeno))
        return false;
    return Uloz(jmeno, t_.ZVystupu({jmeno, c[0], c[1], c[2]}), "", "");
}

bool AddZnB::UlozZeZdroje()
{
    const auto b = BodZdroje();
    if (!b) {
        k_.platforma.ZpravaBox(zpusob_ == ZadaniAutomaticky ? "Zdroj neobsahuje bod tohoto jména."
                                                            : "Nebyl vybrán žádný bod zdroje.",
                               MsgBox::Exclamation, Titulek);
        return false;
    }
    const int zdroj = zdrojList_->currentIndex();
    // The notebook's own given points are given points already.
    if (zdroj <= 0)
        return true;
    std::string chyba;
    const std::string jmeno = JmenoProZapisnik(zpusob_ == ZadaniAutomaticky ? jmeno_->text().toStdString() : b->second,
                                               chyba);
    if (!chyba.empty()) {
        k_.platforma.ZpravaBox(chyba, MsgBox::Exclamation, Titulek);
        return false;
    }
    if (!SmiZmenit(jmeno))
        return false;
    const std::string& soubor = zdroje_[static_cast<std::size_t>(zdroj - 1)].soubor;
    return Uloz(jmeno, b->first, b->second, soubor);
}

bool AddZnB::Uloz(const std::string& jmeno, const Bod& g, const std::string& shodne, const std::string& zdroj)
{
    GivenPointTable& dane = k_.model.givenPoints;
    if (dane.SetGivenPoint(jmeno, g.X, g.Y, g.Z, k_.platforma) == 0)
        return false;
    dane.SetGivenPointSource(jmeno, PevnaSirka(shodne, 10), zdroj, k_.platforma);
    // New coordinates fix the network anew.
    k_.stav.Stav = std::min<std::int16_t>(k_.stav.Stav, 1);
    ZBod z = t_.Vystup(g);
    z.Name = jmeno;
    ulozeny_ = UlozenyDanyBod{z, zdroj.empty() ? std::string() : "zdroj " + JmenoSouboru(zdroj) + ", bod " + shodne};
    return true;
}

void AddZnB::PriradBody()
{
    k_.StavovyRadek("Přiřazení DANÝCH BODŮ");
    k_.model.ConnectGivenPointsByName(k_.stav);
    k_.StavovyRadek("");
}

} // namespace lomvira
