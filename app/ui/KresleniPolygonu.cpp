#include "app/ui/KresleniPolygonu.h"

#include "common/Soubory.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <vector>

namespace lomvira {

namespace {

QColor Q(Barva b)
{
    return QColor(b.r, b.g, b.b);
}

// The logical inch of the pictures written to files, in pixels.
constexpr int DpiObrazku = 96;

} // namespace

QFont PismoObrazu()
{
    QFont pismo = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    pismo.setPointSizeF(8);
    return pismo;
}

Platno PlatnoZarizeni(const QPaintDevice& zarizeni, double sirka, double vyska, char desetinnyZnak)
{
    Platno p;
    p.sirka = sirka;
    p.vyska = vyska;
    p.pixeluNaJednotku = zarizeni.logicalDpiX() / 1440.0;
    const QFontMetricsF fm(PismoObrazu(), &zarizeni);
    p.sirkaZnaku = fm.averageCharWidth();
    p.vyskaPisma = fm.height();
    p.desetinnyZnak = desetinnyZnak;
    return p;
}

void VykresliObraz(QPainter& painter, const ObrazPolygonu& obraz)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(PismoObrazu());
    const QFontMetricsF fm(painter.font(), painter.device());
    std::vector<QLineF> cary;
    for (const VrstvaObrazu& v : obraz.vrstvy) {
        for (const Plocha& f : v.plochy)
            painter.fillRect(QRectF(f.x, f.y, f.sirka, f.vyska), Q(f.barva));
        for (const Cary& c : v.cary) {
            if (c.usecky.empty())
                continue;
            cary.clear();
            cary.reserve(c.usecky.size());
            for (const Usecka& u : c.usecky)
                cary.emplace_back(u.x1, u.y1, u.x2, u.y2);
            painter.setPen(QPen(Q(c.barva), c.sirka, Qt::SolidLine, Qt::FlatCap));
            painter.drawLines(cary.data(), static_cast<int>(cary.size()));
        }
        for (const Znacky& z : v.znacky) {
            const double h = z.velikost / 2;
            if (z.tvar == Tvar::Ctverec) {
                std::vector<QRectF> ctverce;
                ctverce.reserve(z.body.size());
                for (const BodObrazu& b : z.body)
                    ctverce.emplace_back(b.x - h, b.y - h, z.velikost, z.velikost);
                painter.setPen(Qt::NoPen);
                painter.setBrush(Q(z.barva));
                painter.drawRects(ctverce.data(), static_cast<int>(ctverce.size()));
            } else {
                QPainterPath trojuhelniky;
                for (const BodObrazu& b : z.body) {
                    trojuhelniky.moveTo(b.x, b.y - h);
                    trojuhelniky.lineTo(b.x + h, b.y + h * 0.8);
                    trojuhelniky.lineTo(b.x - h, b.y + h * 0.8);
                    trojuhelniky.closeSubpath();
                }
                painter.setPen(QPen(QColor(0, 110, 0), 1));
                painter.setBrush(Q(z.barva));
                painter.drawPath(trojuhelniky);
            }
        }
        for (const Popisek& t : v.popisky) {
            painter.setPen(Q(t.barva));
            painter.drawText(QPointF(t.x, t.y + fm.ascent()), QString::fromStdString(t.text));
        }
    }
    painter.restore();
}

namespace {

std::string Zapis(const std::string& cesta, const QByteArray& data)
{
    return ZapisSouborBezpecne(cesta, std::string(data.constData(), static_cast<std::size_t>(data.size())));
}

} // namespace

std::string UlozObrazek(const std::string& cesta, const ObrazPolygonu& obraz)
{
    const QString pripona = QFileInfo(QString::fromStdString(cesta)).suffix().toLower();
    const int w = std::max(1, static_cast<int>(obraz.sirka + 0.5)), h = std::max(1, static_cast<int>(obraz.vyska + 0.5));
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (pripona == "png") {
        QImage obrazek(w, h, QImage::Format_ARGB32_Premultiplied);
        obrazek.setDotsPerMeterX(static_cast<int>(DpiObrazku / 0.0254 + 0.5));
        obrazek.setDotsPerMeterY(static_cast<int>(DpiObrazku / 0.0254 + 0.5));
        obrazek.fill(Qt::white);
        {
            QPainter painter(&obrazek);
            VykresliObraz(painter, obraz);
        }
        if (!obrazek.save(&buffer, "PNG"))
            return "Obrázek " + cesta + " nelze uložit: kodér PNG selhal.";
    } else if (pripona == "svg") {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(w, h));
        svg.setViewBox(QRect(0, 0, w, h));
        svg.setResolution(DpiObrazku);
        svg.setTitle(QStringLiteral("Lomvira"));
        QPainter painter(&svg);
        painter.fillRect(QRect(0, 0, w, h), Qt::white);
        VykresliObraz(painter, obraz);
    } else if (pripona == "pdf") {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(DpiObrazku);
        pdf.setPageSize(QPageSize(QSizeF(w * 25.4 / DpiObrazku, h * 25.4 / DpiObrazku), QPageSize::Millimeter));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setCreator(QStringLiteral("Lomvira"));
        QPainter painter(&pdf);
        VykresliObraz(painter, obraz);
    } else {
        return "Obrázek " + cesta + " nelze uložit: neznámý formát (jen PNG, SVG nebo PDF).";
    }
    buffer.close();
    return Zapis(cesta, data);
}

} // namespace lomvira
