#pragma once
// The "Body" panel: the stations of the selected region with their output coordinates
// under the header that names the coordinate system, in station order or by name.

#include "app/ui/PanelSeznamu.h"

class QCheckBox;

namespace lomvira {

struct Kontext;

class PanelBody : public PanelSeznamu {
    Q_OBJECT

public:
    explicit PanelBody(Kontext& kontext, QWidget* parent = nullptr);

    // Lists the stations of region r (0: of all regions).
    void Obnov(int oblast);
    // Selects the station's line; false when the station is not listed.
    bool VyberBod(int stanice);

    QListWidget* Seznam() const { return seznam_; }

private:
    Kontext& k_;
    int oblast_ = 0;
    QCheckBox* abecedne_;
};

} // namespace lomvira
