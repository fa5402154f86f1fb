#pragma once
// The file dialogs of the program in Czech, also where Qt's own translation is missing, with
// the question before replacing a file asked by the program itself.

#include <optional>
#include <string>

class QFileDialog;

namespace lomvira {

// Czech labels and buttons of the dialog; call after its accept mode is set.
void CeskyDialogSouboru(QFileDialog& dialog);

// Runs the dialog; in a save dialog that asks before replacing, an existing file is replaced
// only after "Ano". The chosen file as a local path, nullopt when cancelled.
std::optional<std::string> VyberSoubor(QFileDialog& dialog, bool dotazPrepsat);

} // namespace lomvira
