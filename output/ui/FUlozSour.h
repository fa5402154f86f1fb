#pragma once
// "Uložení souřadnic": the file name, the output choice and its properties, then the writing
// of the chosen file.

#include "common/Nastaveni.h"
#include "output/ExportDXF.h"
#include "output/VstupVystupu.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace lomvira {

class Platforma;

// The platform's save dialog: filter in Qt form, default extension, the proposed name.
using VyberCile = std::function<std::optional<std::string>(const std::string& filtr, const std::string& pripona,
                                                           const std::string& jmeno)>;

class FUlozSour : public QDialog {
    Q_OBJECT

public:
    // `jmenoZapisniku` proposes the name; the DXF options are read from the store here.
    FUlozSour(const VstupVystupu& vstup, Platforma& platforma, UlozisteNastaveni& nastaveni, Volby& volby,
              const std::string& jmenoZapisniku, QWidget* parent = nullptr);

    // "Procházet...": the save dialog (tests replace it).
    VyberCile Prochazet;

    std::string Jmeno() const;
    int Typ() const;
    const MoznostiDXF& Moznosti() const { return dxf_; }
    // The current default extension and filter of the save dialog.
    const std::string& Pripona() const { return pripona_; }
    const std::string& Filtr() const { return filtr_; }

    // The buttons' work, callable from tests.
    void ZmenaTypu(int index);
    void Vlastnosti();
    void Prochazej();
    void Zapis();

private:
    const VstupVystupu& vstup_;
    Platforma& platforma_;
    UlozisteNastaveni& nastaveni_;
    Volby& volby_;
    MoznostiDXF dxf_;
    std::string pripona_;
    std::string filtr_;
    // The status line lets events through while a large file is written: a second "Budiž"
    // then must not start a second writing.
    bool zapisuje_ = false;
    QLineEdit* jmSoub_ = nullptr;
    QComboBox* typVyst_ = nullptr;
    QPushButton* vlastnosti_ = nullptr;
};

} // namespace lomvira
