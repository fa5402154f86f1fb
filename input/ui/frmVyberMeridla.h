#pragma once
// The choice of a tape, compass or clinometer defined above the caret, optionally with the
// date and, for a compass, its deviation.

#include "input/ui/DialogPrikazu.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace lomvira {

class frmVyberMeridla : public DialogPrikazu {
    Q_OBJECT

public:
    // The names in the order given; the last is chosen. `datum`: the notebook's date there.
    frmVyberMeridla(int druh, const RozborZapisniku& rozbor, std::int32_t datum, QWidget* parent = nullptr);
    HotovyPrikaz Prikaz() const override;

private:
    void UkazJednotky();

    int druh_;
    std::vector<int> jednotky_; // compass units, by list position
    QComboBox* jmena_;
    QCheckBox* chkOdchylka_ = nullptr;
    QLineEdit* odchylka_ = nullptr;
    QLabel* popisJednotek_ = nullptr;
    QLabel* znacka_ = nullptr;
};

} // namespace lomvira
