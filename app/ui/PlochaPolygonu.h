#pragma once
// The picture of the display: paints the view and turns the mouse and the keys into
// zoom, pan and turns.
//
// Left button: a click picks the station under it, a drag draws the focus rectangle and
// zooms to it, a double click picks the shot. Middle button, or left with Shift: pans.
// Right button: horizontal movement turns the view direction, vertical movement tilts it.
// The wheel zooms about the point under the cursor. P plan, S section, arrow keys turn.

#include "app/Zobraz.h"

#include <QPoint>
#include <QWidget>

class QRubberBand;

namespace lomvira {

class PlochaPolygonu : public QWidget {
    Q_OBJECT

public:
    explicit PlochaPolygonu(Zobraz& zobraz, QWidget* parent = nullptr);

    // The picture's geometry now; `okraj` is the widget's left offset in its window.
    Platno AktualniPlatno() const;
    void NastavDesetinnyZnak(char znak) { desetinny_ = znak; }
    // The test square of the screen correction.
    void ZobrazCtverec(bool ano);
    // Frames the whole survey at the next paint, when the picture has its final size.
    void ZarovnatPriVykresleni() { zarovnat_ = true; }
    // One step of the arrow keys, radians.
    static constexpr double KrokOtoceni = 15 * PI / 180;
    // Turn per pixel of a right-button drag, radians.
    static constexpr double OtoceniNaPixel = 0.5 * PI / 180;

signals:
    // Zoom, centre or direction changed.
    void PohledZmenen();
    void MysNad(double u, double v);
    void KliknutoNaBod(int stanice);
    void DvojklikNaZameru(int zamera);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Tah { Zadny, Obdelnik, Posun, Otoceni };
    void Zmeneno();

    Zobraz& zobraz_;
    Tah tah_ = Tah::Zadny;
    QPoint zacatek_, posledni_;
    QRubberBand* obdelnik_;
    bool ctverec_ = false;
    bool zarovnat_ = false;
    char desetinny_ = '.';
};

} // namespace lomvira
