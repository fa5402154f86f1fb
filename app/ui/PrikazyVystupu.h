#pragma once
// The main window's output commands: "Ulož souřadnice...", "Ulož dokument...", "Rotuj..."
// and "Umístění souborů...".

#include "app/ui/SouboroveDialogy.h"

#include <string>

class QAction;

namespace lomvira {

class Form1;
struct Kontext;

// Adds the four items to "Soubor", "Zobraz" and "Parametry" (run once, by the window).
void PridejPrikazyVystupu(Form1& okno);

// The full name of the loaded notebook. With none known: the message "Spatne
// synchronizovany pozadavek na jmeno souboru", then the notebook is asked for with the open
// dialog; the chosen name only proposes output names (empty when cancelled).
std::string JmenoZapisniku(Kontext& k, const VyberSouboru& otevri);

void UlozSouradnice(Form1& okno);
void UlozDokument(Form1& okno);
void Rotuj(Form1& okno);
void UmisteniSouboru(Form1& okno);
// Shows "Rotuj..." only while the viewer's path names an existing program.
void ObnovPolozkuProhlizece(Form1& okno);

} // namespace lomvira
