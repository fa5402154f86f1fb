#pragma once
// The group information window: for a region and one of its groups, the stations and
// shots, their counts and lengths, how strongly such a group can be adjusted, the region's
// rotation and, after a computation, the deviations of each shot. It only reads.

#include "common/Stav.h"
#include "model/Model.h"
#include "network/InformaceSkupin.h"
#include "network/Krizovat.h"

#include <QDialog>

#include <vector>

class QLabel;
class QListWidget;
class QRadioButton;

namespace lomvira {

class Form3 : public QDialog {
    Q_OBJECT

public:
    Form3(const Model& model, const Krizovat& sit, const StavZpracovani& stav, const SourSystem& soustava,
          QWidget* parent = nullptr);

    QListWidget* Oblasti() const { return oblast_; }
    QListWidget* Skupiny() const { return skupina_; }
    QListWidget* Body() const { return body_; }
    QListWidget* Zamery() const { return zamery_; }
    // The label that shows the degree of adjustment or the shot's deviations.
    QLabel* Popis() const { return stupen_; }

private:
    void VybranaOblast();
    void VybranaSkupina();
    void VybranaZamera();
    void ZmenaJednotek();
    int Oblast() const;
    int Jednotky() const;

    const Model& model_;
    const Krizovat& sit_;
    const StavZpracovani& stav_;
    std::vector<ShotDeviation> odchylky_;
    std::vector<int> zameryVSeznamu_; // signed shots of the list "Zamery"

    QListWidget* oblast_;
    QListWidget* skupina_;
    QListWidget* body_;
    QListWidget* zamery_;
    QLabel* pocBodu_;
    QLabel* pocZamer_;
    QLabel* delka_;
    QLabel* natoceni_;
    QLabel* stupen_;
    QRadioButton* stupne_;
    QRadioButton* grady_;
};

} // namespace lomvira
