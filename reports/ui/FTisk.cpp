#include "reports/ui/FTisk.h"

#include "common/Nastaveni.h"
#include "common/Platforma.h"
#include "common/Text.h"
#include "common/ui/QtPlochaTisku.h"
#include "common/ui/TiskNaTiskarne.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

namespace lomvira {

namespace {

constexpr const char* Sekce = "Tiskarny";

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

FTisk::FTisk(const PodkladyTisku& data, const BehTisku& beh, Volby& volby, UlozisteNastaveni& nastaveni,
             std::string& komentar, QWidget* parent)
    : QDialog(parent), data_(data), beh_(beh), volby_(volby), nastaveni_(nastaveni), komentar_(komentar)
{
    setObjectName("FTisk");
    setWindowTitle(QStringLiteral("Tisk"));
    // Opening reads the stored printer and fonts, with the fonts' defaults.
    const std::string prop = CtiNastaveni(nastaveni_, Sekce, "FontProp");
    const std::string tab = CtiNastaveni(nastaveni_, Sekce, "FontTab");
    pismoProp_ = Q(prop.empty() ? std::string("Times New Roman CE") : prop);
    pismoTab_ = Q(tab.empty() ? std::string("Courier New CE") : tab);

    STiskn_ = new QComboBox(this);
    STiskn_->setObjectName("STiskn");
    auto* tiskarna = new QPushButton(QStringLiteral("Tiskárna..."), this);
    tiskarna->setObjectName("btnTiskarna");
    auto* radekTiskarny = new QHBoxLayout;
    auto* popisTiskarny = new QLabel(QStringLiteral("Tiskárna:"), this);
    popisTiskarny->setBuddy(STiskn_);
    radekTiskarny->addWidget(popisTiskarny);
    radekTiskarny->addWidget(STiskn_, 1);
    radekTiskarny->addWidget(tiskarna);

    auto* casti = new QGroupBox(QStringLiteral("Tištěné části"), this);
    auto* rozvrzeniCasti = new QVBoxLayout(casti);
    auto zaskrtavaci = [&](const char* text, const char* jmeno) {
        auto* c = new QCheckBox(QString::fromUtf8(text), casti);
        c->setObjectName(jmeno);
        c->setChecked(true);
        rozvrzeniCasti->addWidget(c);
        connect(c, &QCheckBox::toggled, this, &FTisk::Obnov);
        return c;
    };
    chTitList_ = zaskrtavaci("Titulní list", "chTitList");
    chTbMer_ = zaskrtavaci("Tabulka měření", "chTbMer");
    chTbBod_ = zaskrtavaci("Tabulka bodů", "chTbBod");
    chTbPrf_ = zaskrtavaci("Tabulka profilů", "chTbPrf");

    txtKoment_ = new QLineEdit(Q(komentar_), this);
    txtKoment_->setObjectName("txtKoment");
    auto* popisKomentare = new QLabel(QStringLiteral("Komentář:"), this);
    popisKomentare->setBuddy(txtKoment_);

    auto* btnFont = new QPushButton(QStringLiteral("Nastav písmo legendy"), this);
    btnFont->setObjectName("btnFont");
    auto* btnFontTab = new QPushButton(QStringLiteral("Nastav písmo tabulky"), this);
    btnFontTab->setObjectName("btnFontTab");
    popisPisem_ = new QLabel(this);
    popisPisem_->setObjectName("lblPisma");
    auto* radekPisem = new QHBoxLayout;
    radekPisem->addWidget(btnFont);
    radekPisem->addWidget(btnFontTab);
    radekPisem->addStretch(1);

    nahled_ = new QPushButton(QStringLiteral("Náhled"), this);
    nahled_->setObjectName("btnNahled");
    BTisk_ = new QPushButton(QStringLiteral("Tisk"), this);
    BTisk_->setObjectName("BTisk");
    BTisk_->setDefault(true);
    auto* Command3 = new QPushButton(QStringLiteral("Zrušit"), this);
    Command3->setObjectName("Command3");
    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch(1);
    tlacitka->addWidget(nahled_);
    tlacitka->addWidget(BTisk_);
    tlacitka->addWidget(Command3);

    auto* rozvrzeni = new QVBoxLayout(this);
    rozvrzeni->addLayout(radekTiskarny);
    rozvrzeni->addWidget(casti);
    rozvrzeni->addWidget(popisKomentare);
    rozvrzeni->addWidget(txtKoment_);
    rozvrzeni->addLayout(radekPisem);
    rozvrzeni->addWidget(popisPisem_);
    rozvrzeni->addLayout(tlacitka);

    VyberPdf = [this]() -> std::optional<std::string> {
        const QString jmeno = QFileDialog::getSaveFileName(this, QStringLiteral("Tisk do souboru PDF"), QString(),
                                                           QStringLiteral("Dokument PDF (*.pdf)"));
        if (jmeno.isEmpty())
            return std::nullopt;
        return (jmeno.endsWith(".pdf", Qt::CaseInsensitive) ? jmeno : jmeno + ".pdf").toStdString();
    };
    VyberPismo = [this](const QString& aktualni) -> std::optional<QString> {
        bool ok = false;
        const QFont pismo = QFontDialog::getFont(&ok, QFont(aktualni), this);
        return ok ? std::optional<QString>(pismo.family()) : std::nullopt;
    };
    connect(btnFont, &QPushButton::clicked, this, [this] { ZvolPismo(pismoProp_); });
    connect(btnFontTab, &QPushButton::clicked, this, [this] { ZvolPismo(pismoTab_); });
    connect(tiskarna, &QPushButton::clicked, this, &FTisk::NastavTiskarnu);
    connect(nahled_, &QPushButton::clicked, this, &FTisk::Nahled);
    connect(BTisk_, &QPushButton::clicked, this, &FTisk::Tiskni);
    connect(Command3, &QPushButton::clicked, this, &QDialog::reject);
    NaplnTiskarny();
    Obnov();
}

FTisk::~FTisk() = default;

void FTisk::NaplnTiskarny()
{
    const QString ulozena = Q(CtiNastaveni(nastaveni_, Sekce, "Text"));
    STiskn_->clear();
    STiskn_->addItems(QPrinterInfo::availablePrinterNames());
    // Without an installed printer (or when a file is wanted) the protocol goes to a PDF file.
    STiskn_->addItem(QString::fromUtf8(PolozkaPdf));
    int vybrana = STiskn_->findText(ulozena);
    if (vybrana < 0)
        vybrana = STiskn_->findText(QPrinterInfo::defaultPrinterName());
    STiskn_->setCurrentIndex(std::max(0, vybrana));
}

void FTisk::ZvolPismo(QString& pismo)
{
    // The font dialog starts at the current font, "Courier New CE" when none is set.
    if (const auto zvolene = VyberPismo(pismo.isEmpty() ? QStringLiteral("Courier New CE") : pismo))
        pismo = *zvolene;
    Obnov();
}

void FTisk::Obnov()
{
    BTisk_->setEnabled(!Casti().Zadna());
    nahled_->setEnabled(!Casti().Zadna());
    popisPisem_->setText(QStringLiteral("Písmo legendy: %1 (%2)\nPísmo tabulky: %3 (%4)")
                             .arg(pismoProp_, NahradniPismo(pismoProp_), pismoTab_, NahradniPismo(pismoTab_)));
}

CastiTisku FTisk::Casti() const
{
    return {chTitList_->isChecked(), chTbMer_->isChecked(), chTbBod_->isChecked(), chTbPrf_->isChecked()};
}

QPrinter& FTisk::Tiskarna()
{
    const QString jmeno = STiskn_->currentText();
    const bool pdf = jmeno == QString::fromUtf8(PolozkaPdf);
    const bool stejna = tiskarna_ && (pdf ? tiskarna_->outputFormat() == QPrinter::PdfFormat
                                          : tiskarna_->outputFormat() == QPrinter::NativeFormat &&
                                                tiskarna_->printerName() == jmeno);
    if (!stejna) {
        tiskarna_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (pdf) {
            tiskarna_->setOutputFormat(QPrinter::PdfFormat);
            tiskarna_->setPageLayout(StrankaPdf());
        } else {
            tiskarna_->setPrinterName(jmeno);
        }
    }
    return *tiskarna_;
}

void FTisk::NastavTiskarnu()
{
    QPrinter& tiskarna = Tiskarna();
    QPrintDialog dialog(&tiskarna, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString jmeno =
        tiskarna.outputFormat() == QPrinter::PdfFormat ? QString::fromUtf8(PolozkaPdf) : tiskarna.printerName();
    const QSignalBlocker ticho(STiskn_);
    STiskn_->setCurrentIndex(std::max(0, STiskn_->findText(jmeno)));
}

void FTisk::Nahled()
{
    BehTisku beh = beh_;
    beh.komentar = Orizni(txtKoment_->text().toStdString());
    beh.casovaZnacka = CasovaZnackaTisku();
    beh.pismoProp = pismoProp_.toStdString();
    beh.pismoTab = pismoTab_.toStdString();
    const CastiTisku casti = Casti();
    NahledTisku(Tiskarna(), [&](PlochaTisku& plocha) { return TiskniProtokol(plocha, data_, beh, casti); }, this);
}

bool FTisk::Tiskni()
{
    const CastiTisku casti = Casti();
    if (casti.Zadna())
        return false;
    BehTisku beh = beh_;
    beh.komentar = Orizni(txtKoment_->text().toStdString());
    beh.casovaZnacka = CasovaZnackaTisku();
    beh.pismoProp = pismoProp_.toStdString();
    beh.pismoTab = pismoTab_.toStdString();
    const QString jmeno = STiskn_->currentText();
    const auto obsah = [&](PlochaTisku& plocha) { return TiskniProtokol(plocha, data_, beh, casti); };
    std::string chyba;
    if (jmeno == QString::fromUtf8(PolozkaPdf) && !(tiskarna_ && tiskarna_->outputFormat() == QPrinter::PdfFormat &&
                                                    !tiskarna_->outputFileName().isEmpty())) {
        const auto cesta = VyberPdf();
        if (!cesta)
            return false;
        const auto plocha = PlochaPdf(*cesta);
        chyba = obsah(*plocha);
    } else {
        chyba = TiskniNaTiskarnu(Tiskarna(), obsah);
    }
    if (!chyba.empty()) {
        beh_.platforma.ZpravaBox(chyba, MsgBox::OkOnly | MsgBox::Exclamation, "Tisk");
        return false;
    }
    komentar_ = beh.komentar;
    volby_.TiskarnaText = jmeno.toStdString();
    volby_.FontProp = beh.pismoProp;
    volby_.FontTab = beh.pismoTab;
    ZapisNastaveni(nastaveni_, Sekce, "Text", volby_.TiskarnaText);
    ZapisNastaveni(nastaveni_, Sekce, "FontProp", volby_.FontProp);
    ZapisNastaveni(nastaveni_, Sekce, "FontTab", volby_.FontTab);
    accept();
    return true;
}

} // namespace lomvira
