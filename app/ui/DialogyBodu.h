#pragma once
// The given point and connection commands of the main window ("Přidat", "Odebrat",
// "Změnit" on the panels "Dané body" and "Připojení"), the group information, and the
// listing font. A given point that the user adds, changes or deletes is written into the
// notebook as well, so that the notebook keeps it.

#include <QObject>

#include <string>

class QPlainTextEdit;

namespace lomvira {

class Form1;
struct UlozenyDanyBod;

// Adds the commands to the window's menus and panels.
void PridejDialogyBodu(Form1& okno);

// The given point's line in the notebook: replaced when the notebook defines the point,
// otherwise added after the last given point line (or at the end). One undo step.
void ZapisDanyBodDoZapisniku(QPlainTextEdit* editor, const UlozenyDanyBod& bod);
// Removes the line that defines the named given point, if there is one.
void SmazDanyBodZeZapisniku(QPlainTextEdit* editor, const std::string& jmeno);

// The commands, by their names in the menus and on the buttons.
void InformaceOSkupinach(Form1& okno);
void Fonty(Form1& okno);
void PridejDanyBod(Form1& okno);
void ZmenDanyBod(Form1& okno);
void OdeberDanyBod(Form1& okno);
void PridejPripojeni(Form1& okno);
void ZmenPripojeni(Form1& okno);
void OdeberPripojeni(Form1& okno);

} // namespace lomvira
