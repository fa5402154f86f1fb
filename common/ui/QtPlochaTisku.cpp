#include "common/ui/QtPlochaTisku.h"

#include "common/Soubory.h"

#include <QBuffer>
#include <QDateTime>
#include <QLocale>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QRawFont>

#include <array>

namespace lomvira {

namespace {

constexpr double MmNaPalec = 25.4;
// Line width 1 of the reports, in millimetres.
constexpr double TloustkaCary = 0.12;

// Installed look-alikes of the fonts the settings name by default.
struct Dvojce {
    const char* jmeno;
    std::array<const char*, 5> nahrady;
};
constexpr std::array<Dvojce, 3> Dvojcata = {{
    {"times new roman", {"Liberation Serif", "Tinos", "Nimbus Roman", "DejaVu Serif", "FreeSerif"}},
    {"courier new", {"Liberation Mono", "Cousine", "Nimbus Mono PS", "DejaVu Sans Mono", "FreeMono"}},
    {"arial", {"Liberation Sans", "Arimo", "Nimbus Sans", "DejaVu Sans", "FreeSans"}},
}};

bool ZniPevne(const QString& jmeno)
{
    const QString j = jmeno.toLower();
    for (const char* slovo : {"courier", "mono", "consol", "typewriter", "fixed", "console"})
        if (j.contains(QLatin1String(slovo)))
            return true;
    return false;
}

bool Pouzitelne(const QString& rodina)
{
    return !rodina.isEmpty() && QFontDatabase::hasFamily(rodina) && MaCeskaPismena(rodina);
}

} // namespace

bool MaCeskaPismena(const QString& rodina)
{
    QFont pismo(rodina);
    pismo.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont raw = QRawFont::fromFont(pismo);
    if (!raw.isValid() || raw.familyName().compare(rodina, Qt::CaseInsensitive) != 0)
        return false;
    for (const QChar c : QStringLiteral("áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ"))
        if (!raw.supportsCharacter(c))
            return false;
    return true;
}

QString NahradniPismo(const QString& jmeno)
{
    if (Pouzitelne(jmeno))
        return jmeno;
    // The Central European variants of Windows fonts carry " CE" in their names.
    QString zaklad = jmeno.trimmed();
    if (zaklad.endsWith(QLatin1String(" CE"), Qt::CaseInsensitive))
        zaklad.chop(3);
    if (Pouzitelne(zaklad))
        return zaklad;
    for (const Dvojce& d : Dvojcata)
        if (zaklad.compare(QLatin1String(d.jmeno), Qt::CaseInsensitive) == 0)
            for (const char* nahrada : d.nahrady)
                if (Pouzitelne(QString::fromLatin1(nahrada)))
                    return QString::fromLatin1(nahrada);
    const bool pevne = ZniPevne(zaklad);
    // What fontconfig makes of the kind, then any installed family of that kind.
    QFont druh(zaklad);
    druh.setStyleHint(pevne ? QFont::TypeWriter : QFont::Serif);
    if (const QString r = QFontInfo(druh).family(); Pouzitelne(r) && QFontDatabase::isFixedPitch(r) == pevne)
        return r;
    for (const QString& r : QFontDatabase::families())
        if (QFontDatabase::isFixedPitch(r) == pevne && !QFontDatabase::isPrivateFamily(r) && Pouzitelne(r))
            return r;
    return QFontDatabase::systemFont(pevne ? QFontDatabase::FixedFont : QFontDatabase::GeneralFont).family();
}

QtPlochaTisku::QtPlochaTisku(QPagedPaintDevice& zarizeni, std::function<std::string()> overeni)
    : zarizeni_(zarizeni), overeni_(std::move(overeni))
{
    zarizeni_.setPageOrientation(QPageLayout::Portrait);
    const QRectF plocha = zarizeni_.pageLayout().paintRect(QPageLayout::Millimeter);
    sirka_ = plocha.width();
    vyska_ = plocha.height();
    pixelu_ = zarizeni_.logicalDpiX() / MmNaPalec;
    painter_.begin(&zarizeni_);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    Pismo("Courier New CE", 10, false, false);
}

QtPlochaTisku::~QtPlochaTisku()
{
    if (painter_.isActive())
        painter_.end();
}

void QtPlochaTisku::Kresli()
{
    if (novaStrana_) {
        zarizeni_.newPage();
        novaStrana_ = false;
    }
}

void QtPlochaTisku::Pismo(const std::string& jmeno, double velikost, bool tucne, bool)
{
    // The further style flag is transparent text: Qt never paints a text's background.
    const QString nazev = QString::fromStdString(jmeno);
    auto r = rodiny_.find(nazev);
    if (r == rodiny_.end())
        r = rodiny_.insert(nazev, NahradniPismo(nazev));
    QFont pismo(*r);
    pismo.setPointSizeF(velikost > 0 ? velikost : 1);
    pismo.setBold(tucne);
    pismo_ = QFont(pismo, &zarizeni_);
    painter_.setFont(pismo_);
}

void QtPlochaTisku::Text(const std::string& text, bool konecRadku)
{
    Kresli();
    const QString t = QString::fromStdString(text);
    const QFontMetricsF fm(pismo_, &zarizeni_);
    painter_.setPen(QPen(Qt::black));
    painter_.drawText(QPointF(x_ * pixelu_, y_ * pixelu_ + fm.ascent()), t);
    if (konecRadku) {
        x_ = 0;
        y_ += fm.height() / pixelu_;
    } else {
        x_ += fm.horizontalAdvance(t) / pixelu_;
    }
}

double QtPlochaTisku::SirkaTextu(const std::string& text) const
{
    return QFontMetricsF(pismo_, &zarizeni_).horizontalAdvance(QString::fromStdString(text)) / pixelu_;
}

double QtPlochaTisku::VyskaTextu(const std::string&) const
{
    return QFontMetricsF(pismo_, &zarizeni_).height() / pixelu_;
}

void QtPlochaTisku::Cara(double x1, double y1, double x2, double y2, int sirka)
{
    Kresli();
    QPen pero(Qt::black, std::max(1, sirka) * TloustkaCary * pixelu_);
    pero.setCapStyle(Qt::SquareCap);
    painter_.setPen(pero);
    painter_.drawLine(QPointF(x1 * pixelu_, y1 * pixelu_), QPointF(x2 * pixelu_, y2 * pixelu_));
}

bool QtPlochaTisku::Konec(std::string& chyba)
{
    if (ukonceno_)
        return true;
    ukonceno_ = true;
    const bool hotovo = painter_.end();
    chyba = overeni_ ? overeni_() : std::string();
    if (!hotovo && chyba.empty())
        chyba = "Tisk se nepodařilo dokončit.";
    return chyba.empty();
}

std::string CasovaZnackaTisku()
{
    const QLocale locale;
    const QDateTime ted = QDateTime::currentDateTime();
    return (locale.toString(ted.date(), QLocale::ShortFormat) + " - " + locale.toString(ted.time(), QLocale::ShortFormat))
        .toStdString();
}

QPageLayout StrankaPdf()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                       QPageLayout::Millimeter);
}

namespace {

QIODevice* Otevreny(QBuffer& buffer)
{
    buffer.open(QIODevice::WriteOnly);
    return &buffer;
}

// The PDF is made in memory before the surface draws on it.
struct PametPdf {
    explicit PametPdf(const QPageLayout& stranka) : buffer(&data), writer(Otevreny(buffer))
    {
        writer.setPageLayout(stranka);
        writer.setCreator(QStringLiteral("Lomvira"));
    }
    QByteArray data;
    QBuffer buffer;
    QPdfWriter writer;
};

class PlochaPdfSouboru : private PametPdf, public QtPlochaTisku {
public:
    PlochaPdfSouboru(const std::string& cesta, const QPageLayout& stranka)
        : PametPdf(stranka), QtPlochaTisku(writer, [this] { return Zapis(); }), cesta_(cesta)
    {
    }

private:
    std::string Zapis()
    {
        buffer.close();
        return ZapisSouborBezpecne(cesta_, std::string(data.constData(), static_cast<std::size_t>(data.size())));
    }
    std::string cesta_;
};

} // namespace

std::unique_ptr<PlochaTisku> PlochaPdf(const std::string& cesta, const QPageLayout& stranka)
{
    return std::make_unique<PlochaPdfSouboru>(cesta, stranka);
}

} // namespace lomvira
