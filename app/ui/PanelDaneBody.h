#pragma once
// The "Dané body" panel: the given points, by their output coordinates ("Souřadnice") or
// by where they came from ("Zdroje").

#include "app/ui/PanelSeznamu.h"

namespace lomvira {

struct Kontext;

class PanelDaneBody : public PanelSeznamu {
    Q_OBJECT

public:
    explicit PanelDaneBody(Kontext& kontext, QWidget* parent = nullptr);

    void Obnov();

private:
    void Souradnice(QStringList& radky, QString& hlavicka) const;
    void Zdroje(QStringList& radky, QString& hlavicka) const;

    Kontext& k_;
};

} // namespace lomvira
