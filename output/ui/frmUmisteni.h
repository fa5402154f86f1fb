#pragma once
// "Umístění souborů": where the external viewer program lives ("AppPath").

#include "common/Nastaveni.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class QLineEdit;

namespace lomvira {

class Platforma;

class frmUmisteni : public QDialog {
    Q_OBJECT

public:
    frmUmisteni(Volby& volby, UlozisteNastaveni& nastaveni, Platforma& platforma, QWidget* parent = nullptr);

    // "Procházet...": an existing program file, starting at the given path (tests replace it).
    std::function<std::optional<std::string>(const std::string& start)> Prochazet;
    // "Budiž": stores the path; false (after a message) when it names no existing file.
    bool Potvrd();

private:
    Volby& volby_;
    UlozisteNastaveni& nastaveni_;
    Platforma& platforma_;
    QLineEdit* txtVIROKA_ = nullptr;
};

} // namespace lomvira
