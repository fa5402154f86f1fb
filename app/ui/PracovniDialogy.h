#pragma once
// The main window's working dialogs: the "Vložit" menu, which writes notebook commands at
// the caret, and "Parametry výpočtu...".

#include <string>

class QPlainTextEdit;

namespace lomvira {

class Form1;

// Adds the "Vložit" menu (before "Zobraz", else before "Parametry") and "Parametry výpočtu...".
void PridejPracovniDialogy(Form1& okno);

// Inserts the text at the start of the caret's line (or in place of that line) as one undo
// step of the editor and puts the caret just after it. An empty text does nothing.
void VlozText(QPlainTextEdit* editor, const std::string& text, bool nahraditRadek = false);
// Deletes the caret's line.
void SmazRadek(QPlainTextEdit* editor);

// The commands of the menu items.
void VlozDnesniDatum(Form1& okno);
void VlozJineDatum(Form1& okno);
void VlozAzimut(Form1& okno, bool kontrola);
void VlozLokalitu(Form1& okno);
void VlozDefiniciMeridla(Form1& okno, int druh);
void VlozVyberMeridla(Form1& okno, int druh);
void VlozDeklinaci(Form1& okno);
void VlozZastaraleNastaveni(Form1& okno);
void VlozSouradnicovySystem(Form1& okno);
void ParametryVypoctu(Form1& okno);

} // namespace lomvira
