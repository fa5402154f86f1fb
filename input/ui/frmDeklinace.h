#pragma once
// A magnetic declination, east or west, in a chosen unit, optionally with the date.

#include "input/ui/DialogPrikazu.h"

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace lomvira {

class frmDeklinace : public DialogPrikazu {
    Q_OBJECT

public:
    // `datum`: the notebook's date at the caret, proposed for the date line.
    explicit frmDeklinace(std::int32_t datum, QWidget* parent = nullptr);
    HotovyPrikaz Prikaz() const override;

private:
    QLineEdit* hodnota_;
    QRadioButton* vychod_;
    QRadioButton* zapad_;
    QComboBox* jednotky_;
};

} // namespace lomvira
