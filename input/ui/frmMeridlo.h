#pragma once
// The definition of a tape, compass or clinometer, optionally put to use at once.

#include "input/ui/DialogPrikazu.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace lomvira {

class frmMeridlo : public DialogPrikazu {
    Q_OBJECT

public:
    // `druh`: DruhMeridla.
    explicit frmMeridlo(int druh, QWidget* parent = nullptr);
    HotovyPrikaz Prikaz() const override;

private:
    void UkazJednotky();

    int druh_;
    QLineEdit* jmeno_;
    QComboBox* zpusob_ = nullptr;
    QComboBox* jednotky_ = nullptr;
    QLineEdit* presnost_;
    QLabel* jednotkaPresnosti_;
    QLineEdit* odchylka_ = nullptr;
    QLabel* jednotkaOdchylky_ = nullptr;
    QCheckBox* pouzit_;
};

} // namespace lomvira
