#pragma once
// "Přidej známý bod": adds a given point or changes its coordinates, typed by the user or
// taken from a coordinate source (the notebook's own given points, or a coordinate file).
// Coordinates are shown and typed in the notebook's system.

#include "app/ui/SouboroveDialogy.h"
#include "coords/SourSystTransf.h"
#include "model/Bod.h"
#include "output/CtiSou.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace lomvira {

struct Kontext;

// Input modes.
inline constexpr int ZadaniAutomaticky = 0;
inline constexpr int ZadaniZeZdroje = 1;
inline constexpr int ZadaniNapis = 2;

// What "Budiž" stored: the point as the notebook writes it, for its given point line.
struct UlozenyDanyBod {
    ZBod bod;
    std::string poznamka;
};

class AddZnB : public QDialog {
    Q_OBJECT

public:
    // `zdroje` are the coordinate files read so far; a new one is added to them.
    AddZnB(Kontext& kontext, std::vector<ZdrojSouradnic>& zdroje, QWidget* parent = nullptr);

    // False (after "Nebyl nacten zapisnik!") when no notebook has been read.
    bool MuzeOtevrit() const;
    // For changing a given point: the typing mode with its name and coordinates filled.
    void NastavBod(int danyBod);
    void NastavZpusob(int zpusob);
    // Source 0 is the notebook; false when the source was refused.
    bool VyberZdroj(int zdroj);
    // "Nový zdroj": a coordinate file chosen with `VyberZdroje`.
    void NovyZdroj();

    VyberSouboru VyberZdroje;
    const std::optional<UlozenyDanyBod>& Ulozeny() const { return ulozeny_; }

    QLineEdit* Jmeno() const { return jmeno_; }
    QLineEdit* Souradnice(int i) const { return souradnice_[i]; }
    QComboBox* Zdroje() const { return zdrojList_; }
    QListWidget* BodyZdroje() const { return bodyZdroje_; }

private:
    void Budiz();
    bool UlozNapsany();
    bool UlozZeZdroje();
    bool Uloz(const std::string& jmeno, const Bod& g, const std::string& shodne, const std::string& zdroj);
    bool SmiZmenit(const std::string& jmeno);
    void PriradBody();
    void ZobrazBodZdroje();
    void UkazSouradnice(const Bod& g);
    // The chosen source point in the notebook's frame, with its name in the source.
    std::optional<std::pair<Bod, std::string>> BodZdroje() const;
    void NaplnBodyZdroje();

    Kontext& k_;
    std::vector<ZdrojSouradnic>& zdroje_;
    SourSystTransf t_;
    int zpusob_ = ZadaniNapis;
    std::optional<UlozenyDanyBod> ulozeny_;

    QRadioButton* volby_[3];
    QLineEdit* jmeno_;
    QLabel* popisJmena_;
    QLineEdit* souradnice_[3];
    QComboBox* zdrojList_;
    QLabel* popisZdroje_;
    QPushButton* novyZdroj_;
    QListWidget* bodyZdroje_;
    QLabel* popisBodu_;
};

} // namespace lomvira
