#pragma once
// The locality of the notebook: its name and registration number.

#include "input/ui/DialogPrikazu.h"

class QLineEdit;

namespace lomvira {

class frmLokalita : public DialogPrikazu {
    Q_OBJECT

public:
    // `nahrazuje`: an earlier LOKALITA line goes in its favour.
    frmLokalita(const std::string& jmeno, const std::string& cislo, bool nahrazuje, QWidget* parent = nullptr);
    HotovyPrikaz Prikaz() const override;

private:
    QLineEdit* jmeno_;
    QLineEdit* cislo_;
    bool nahrazuje_;
};

} // namespace lomvira
