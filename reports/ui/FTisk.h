#pragma once
// The print dialog "Tisk": the printer, the sections of the protocol, the report comment,
// the two fonts, and the buttons that print it or show it first.

#include "reports/TiskProtokolu.h"

#include <QDialog>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

namespace lomvira {

class UlozisteNastaveni;
struct Volby;

// The entry of the printer list that writes a PDF file instead.
inline constexpr const char* PolozkaPdf = "Soubor PDF";

class FTisk : public QDialog {
    Q_OBJECT

public:
    // `beh` brings the platform, the notebook's file name and the number marks; the dialog
    // adds the rest. `komentar` is the report comment, replaced by the trimmed text on print.
    FTisk(const PodkladyTisku& data, const BehTisku& beh, Volby& volby, UlozisteNastaveni& nastaveni,
          std::string& komentar, QWidget* parent = nullptr);
    ~FTisk() override;

    // "Tisk": prints the checked sections on the chosen printer (or into a PDF file), stores
    // the printer and the fonts, and closes. False when nothing was printed.
    bool Tiskni();
    // "Náhled": the pages in Qt's print preview.
    void Nahled();
    // "Tiskárna...": the system's print dialog chooses the printer and its paper.
    void NastavTiskarnu();

    CastiTisku Casti() const;
    QString PismoLegendy() const { return pismoProp_; }
    QString PismoTabulky() const { return pismoTab_; }

    // The file name of the PDF entry, and the font choice; tests replace them.
    std::function<std::optional<std::string>()> VyberPdf;
    std::function<std::optional<QString>(const QString& aktualni)> VyberPismo;

private:
    void NaplnTiskarny();
    void ZvolPismo(QString& pismo);
    void Obnov();
    QPrinter& Tiskarna();

    const PodkladyTisku data_;
    BehTisku beh_;
    Volby& volby_;
    UlozisteNastaveni& nastaveni_;
    std::string& komentar_;
    QString pismoProp_, pismoTab_;
    std::unique_ptr<QPrinter> tiskarna_;

    QComboBox* STiskn_;
    QCheckBox* chTitList_;
    QCheckBox* chTbMer_;
    QCheckBox* chTbBod_;
    QCheckBox* chTbPrf_;
    QLineEdit* txtKoment_;
    QLabel* popisPisem_;
    QPushButton* BTisk_;
    QPushButton* nahled_;
};

} // namespace lomvira
