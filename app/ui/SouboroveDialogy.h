#pragma once
// The file dialogs of the main window, behind a function type so that tests can answer
// them without a screen.

#include <functional>
#include <optional>
#include <string>

class QWidget;

namespace lomvira {

struct PozadavekSouboru {
    std::string titulek;
    std::string filtr;   // Qt form: "Popis (*.přípona)"
    std::string pripona; // added to a typed name that has none
    std::string jmeno;   // the file the dialog starts at
    bool dotazPrepsat = true;
};

// The chosen file (a local path), or nullopt when the user cancelled.
using VyberSouboru = std::function<std::optional<std::string>(const PozadavekSouboru&)>;

// An existing file to read.
std::optional<std::string> DialogOtevreni(QWidget* parent, const PozadavekSouboru& pozadavek);
// A file to write, in an existing folder; asks before replacing a file when told to.
std::optional<std::string> DialogUlozeni(QWidget* parent, const PozadavekSouboru& pozadavek);

} // namespace lomvira
