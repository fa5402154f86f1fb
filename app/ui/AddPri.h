#pragma once
// "Připojení měření": connects a station of the region selected in the main window to a
// given point, whose coordinates it shows in the notebook's system.

#include "coords/SourSystTransf.h"

#include <QDialog>

#include <vector>

class QLineEdit;
class QListWidget;

namespace lomvira {

struct Kontext;

class AddPri : public QDialog {
    Q_OBJECT

public:
    AddPri(Kontext& kontext, int oblast, QWidget* parent = nullptr);

    // False (after telling why) when there are no stations or no given points.
    bool MuzeOtevrit() const;
    // Selects the station and the given point (for changing a connection).
    void Vyber(int stanice, int danyBod);

    // The chosen station, 0 when none.
    int VybranaStanice() const;

    QListWidget* Stanice() const { return stanice_; }
    QListWidget* DaneBody() const { return daneBody_; }
    QLineEdit* Souradnice(int i) const { return souradnice_[i]; }

private:
    void UkazDanyBod();
    void Budiz();

    Kontext& k_;
    SourSystTransf t_;
    std::vector<int> cislaStanic_;
    QListWidget* stanice_;
    QListWidget* daneBody_;
    QLineEdit* souradnice_[3];
};

} // namespace lomvira
