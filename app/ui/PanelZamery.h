#pragma once
// The "Záměry" panel: the measurement lines, all of them or those of the selected line's
// shot, the jumps to the shot's stations, and the deviations of the selected measurement
// from its shot's mean and from the adjusted network.

#include <QWidget>

#include <array>
#include <vector>

class QLineEdit;
class QListWidget;
class QRadioButton;

namespace lomvira {

struct Kontext;

inline constexpr const char* HlavickaZamer =
    " Z         Do         Vzdál.   Sm.tam Sm.zpet   Sklon  Sm.stred  Odch.komp.  Dekl";

class PanelZamery : public QWidget {
    Q_OBJECT

public:
    explicit PanelZamery(Kontext& kontext, QWidget* parent = nullptr);

    void Obnov();
    void Vycisti();
    void NastavPismo(const QFont& pismo);

    // Number of the selected measurement in the measurement list; 0 when none.
    int VybranyZaznam() const { return zaznam_; }
    // Selects the line of measurement n when it is listed.
    void VyberZaznam(int n);
    QStringList Radky() const;

signals:
    // "Na 1. bod", "Na 2. bod": the station the user wants to see.
    void NaBod(int stanice);

private:
    QWidget* VytvorOdchylky();
    void PriVyberu(int radek);
    void UkazOdchylky();
    void Skok(bool prvni);

    Kontext& k_;
    QListWidget* seznam_;
    QRadioButton* vsechna_;
    QRadioButton* stejna_;
    // Distance, direction and inclination: from the shot's mean, then after the adjustment.
    std::array<QLineEdit*, 6> odchylky_{};
    std::vector<QWidget*> pevnaPisma_;
    // The measurement of each listed line.
    std::vector<int> zaznamy_;
    int zaznam_ = 0;
};

} // namespace lomvira
