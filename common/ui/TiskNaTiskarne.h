#pragma once
// Printing through Qt's printers: what a window draws on a page surface goes to an installed
// printer (CUPS) or to a PDF file, or shows in Qt's print preview.
//
// A window with something to print calls Tiskni(): the system's print dialog chooses the
// printer (or "Print to File (PDF)"), and `obsah` draws the pages on the surface it is given.

#include "common/PlochaTisku.h"

#include <functional>
#include <string>

class QPrinter;
class QString;
class QWidget;

namespace lomvira {

// Draws the document on the surface; returns "" or the reason it could not be finished.
using ObsahTisku = std::function<std::string(PlochaTisku&)>;

// Prints on the printer as it is set up. A printer set to write a PDF file writes it
// completely or not at all. Returns "" or the Czech reason of the failure.
std::string TiskniNaTiskarnu(QPrinter& tiskarna, const ObsahTisku& obsah);

// Qt's print preview of the document on the printer's pages; its print button prints it there.
void NahledTisku(QPrinter& tiskarna, const ObsahTisku& obsah, QWidget* rodic);

// The system's print dialog (titled `titulek`), then the print. False when the dialog was
// cancelled or the print failed; a failure is shown to the user in a message box.
bool Tiskni(QWidget* rodic, const QString& titulek, const ObsahTisku& obsah);

} // namespace lomvira
