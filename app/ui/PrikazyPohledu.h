#pragma once
// The main window's commands that show the survey: "Zobraz polygon..." in "Zobraz" and
// "Tiskni souřadnice" in "Soubor".

namespace lomvira {

class Form1;

// Adds both items to the main window's menus ("Zobraz" is created before "Parametry" when
// no one has made it yet).
void PridejPrikazyPohledu(Form1& okno);

// "Zobraz polygon...": computes first when the survey is not computed, then opens the display.
void ZobrazPolygon(Form1& okno);
// "Tiskni souřadnice": the print dialog, once a notebook is loaded.
void TiskniSouradnice(Form1& okno);

} // namespace lomvira
