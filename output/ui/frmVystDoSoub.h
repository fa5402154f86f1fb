#pragma once
// "Výstup do souboru": the survey protocol as a word-processor document. Its one format is not
// available; what the dialog keeps is the report comment the printed reports and the viewer
// file carry.

#include "input/Nacti.h"
#include "output/ui/FUlozSour.h"

#include <QDialog>

#include <string>

class QComboBox;
class QLineEdit;

namespace lomvira {

class Platforma;

inline constexpr const char* NedostupnyDokument = "Ve 32 bitové verzi není zatím k dispozici!";

class frmVystDoSoub : public QDialog {
    Q_OBJECT

public:
    // `komentar` is the shared report comment: shown, and set when the dialog is confirmed.
    frmVystDoSoub(const Lokalita& lokalita, std::string& komentar, Platforma& platforma,
                  const std::string& jmenoZapisniku, QWidget* parent = nullptr);

    VyberCile Prochazet;
    std::string Jmeno() const;
    // "Budiž".
    void Potvrd();

private:
    std::string& komentar_;
    Platforma& platforma_;
    QLineEdit* txtKoment_ = nullptr;
    QLineEdit* jmSoub_ = nullptr;
};

} // namespace lomvira
