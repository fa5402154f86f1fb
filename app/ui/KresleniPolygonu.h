#pragma once
// Paints the display's picture with QPainter, and writes it as a PNG, SVG or PDF file.
// QtGui only: the CLI draws with it as well as the window.

#include "app/Zobraz.h"

#include <QFont>

#include <string>

class QPainter;
class QPaintDevice;

namespace lomvira {

// The font of the station names and the other texts of the picture.
QFont PismoObrazu();

// The picture's geometry for a device of that size: its logical inch and the label font's
// measures; the decimal mark is the user's.
Platno PlatnoZarizeni(const QPaintDevice& zarizeni, double sirka, double vyska, char desetinnyZnak);

void VykresliObraz(QPainter& painter, const ObrazPolygonu& obraz);

// Writes the picture by the file's extension: ".png", ".svg" or ".pdf". The file is written
// completely or not at all. Returns "" or the Czech reason.
std::string UlozObrazek(const std::string& cesta, const ObrazPolygonu& obraz);

} // namespace lomvira
