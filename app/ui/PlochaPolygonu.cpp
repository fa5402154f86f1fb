#include "app/ui/PlochaPolygonu.h"

#include "app/ui/KresleniPolygonu.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QWheelEvent>

#include <cmath>

namespace lomvira {

namespace {

// A press that moves less than this is a click, not a drag.
constexpr int Klik = 4;
// Pixels from a station or a shot within which a click picks it.
constexpr double Dosah = 6;

} // namespace

PlochaPolygonu::PlochaPolygonu(Zobraz& zobraz, QWidget* parent)
    : QWidget(parent), zobraz_(zobraz), obdelnik_(new QRubberBand(QRubberBand::Rectangle, this))
{
    setObjectName("picPolygon");
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
    setCursor(Qt::CrossCursor);
}

Platno PlochaPolygonu::AktualniPlatno() const
{
    Platno p = PlatnoZarizeni(*this, width(), height(), desetinny_);
    p.okraj = std::max(10, mapTo(window(), QPoint(0, 0)).x());
    return p;
}

void PlochaPolygonu::ZobrazCtverec(bool ano)
{
    ctverec_ = ano;
    update();
}

void PlochaPolygonu::Zmeneno()
{
    update();
    emit PohledZmenen();
}

void PlochaPolygonu::paintEvent(QPaintEvent*)
{
    if (zarovnat_) {
        zarovnat_ = false;
        zobraz_.ZoomNaVse(AktualniPlatno());
        emit PohledZmenen();
    }
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    VykresliObraz(painter, zobraz_.Kresli(AktualniPlatno(), ctverec_));
}

void PlochaPolygonu::mousePressEvent(QMouseEvent* event)
{
    zacatek_ = posledni_ = event->position().toPoint();
    if (event->button() == Qt::MiddleButton ||
        (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier)))
        tah_ = Tah::Posun;
    else if (event->button() == Qt::RightButton)
        tah_ = Tah::Otoceni;
    else if (event->button() == Qt::LeftButton)
        tah_ = Tah::Obdelnik;
    if (tah_ != Tah::Obdelnik && tah_ != Tah::Zadny)
        setCursor(tah_ == Tah::Posun ? Qt::ClosedHandCursor : Qt::SizeAllCursor);
}

void PlochaPolygonu::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint bod = event->position().toPoint();
    const Platno p = AktualniPlatno();
    emit MysNad(zobraz_.UzX(bod.x(), p), zobraz_.VzY(bod.y(), p));
    const QPoint posun = bod - posledni_;
    switch (tah_) {
    case Tah::Obdelnik:
        if ((bod - zacatek_).manhattanLength() >= Klik) {
            obdelnik_->setGeometry(QRect(zacatek_, bod).normalized());
            obdelnik_->show();
        }
        break;
    case Tah::Posun:
        zobraz_.PosunOPixely(posun.x(), posun.y(), p);
        Zmeneno();
        break;
    case Tah::Otoceni:
        // As on a turntable: dragging to the right turns the plan clockwise, dragging down
        // brings the top of the survey towards the viewer (towards the plan).
        zobraz_.Otoc(-posun.y() * OtoceniNaPixel, posun.x() * OtoceniNaPixel);
        Zmeneno();
        break;
    case Tah::Zadny:
        break;
    }
    posledni_ = bod;
}

void PlochaPolygonu::mouseReleaseEvent(QMouseEvent* event)
{
    const Tah tah = tah_;
    tah_ = Tah::Zadny;
    setCursor(Qt::CrossCursor);
    if (tah != Tah::Obdelnik || event->button() != Qt::LeftButton)
        return;
    obdelnik_->hide();
    const QPoint konec = event->position().toPoint();
    const Platno p = AktualniPlatno();
    if ((konec - zacatek_).manhattanLength() < Klik) {
        emit KliknutoNaBod(zobraz_.NajdiBod(konec.x(), konec.y(), p, Dosah));
        return;
    }
    zobraz_.ZoomNaObdelnik(zacatek_.x(), zacatek_.y(), konec.x(), konec.y(), p);
    Zmeneno();
}

void PlochaPolygonu::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint bod = event->position().toPoint();
    emit DvojklikNaZameru(zobraz_.NajdiZameru(bod.x(), bod.y(), AktualniPlatno(), Dosah));
}

void PlochaPolygonu::wheelEvent(QWheelEvent* event)
{
    const double kroky = event->angleDelta().y() / 120.0;
    if (kroky == 0)
        return;
    const QPointF bod = event->position();
    zobraz_.ZoomKolem(bod.x(), bod.y(), std::pow(1.25, kroky), AktualniPlatno());
    Zmeneno();
    event->accept();
}

void PlochaPolygonu::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left: zobraz_.Otoc(0, -KrokOtoceni); break;
    case Qt::Key_Right: zobraz_.Otoc(0, KrokOtoceni); break;
    case Qt::Key_Up: zobraz_.Otoc(KrokOtoceni, 0); break;
    case Qt::Key_Down: zobraz_.Otoc(-KrokOtoceni, 0); break;
    default: QWidget::keyPressEvent(event); return;
    }
    Zmeneno();
}

} // namespace lomvira
