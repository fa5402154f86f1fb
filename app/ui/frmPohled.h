#pragma once
// "Vlastnosti zobrazení": the view direction of the display, the plan or a section seen
// from an azimuth in degrees.

#include <QDialog>

#include <optional>

class QLineEdit;
class QRadioButton;

namespace lomvira {

class frmPohled : public QDialog {
    Q_OBJECT

public:
    frmPohled(bool pudorys, double azimut, char desetinnyZnak, QWidget* parent = nullptr);

    bool Pudorys() const;
    // The typed azimuth (decimal comma accepted); none for a text that holds no number.
    std::optional<double> Azimut() const;

    void accept() override;

private:
    QRadioButton* optPudorys_;
    QRadioButton* optRez_;
    QLineEdit* txtAzimut_;
};

} // namespace lomvira
