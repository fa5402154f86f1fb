#pragma once
// The "Body" panel: the stations of the selected region with their output coordinates
// under the header that names the coordinate system, in station order or by name.

#include <QWidget>

class QCheckBox;
class QLabel;
class QListWidget;

namespace lomvira {

struct Kontext;

class PanelBody : public QWidget {
    Q_OBJECT

public:
    explicit PanelBody(Kontext& kontext, QWidget* parent = nullptr);

    // Lists the stations of region r (0: of all regions).
    void Obnov(int oblast);
    void Vycisti();
    // Selects the station's line; false when the station is not listed.
    bool VyberBod(int stanice);
    void NastavPismo(const QFont& pismo);

    QStringList Radky() const;
    QString Hlavicka() const;
    QListWidget* Seznam() const { return seznam_; }

private:
    Kontext& k_;
    int oblast_ = 0;
    QLabel* hlavicka_;
    QListWidget* seznam_;
    QCheckBox* abecedne_;
};

} // namespace lomvira
