#pragma once
// The legacy measurement settings: five groups, each writing its line when ticked.

#include "input/ui/DialogPrikazu.h"

#include <vector>

class QButtonGroup;
class QGroupBox;

namespace lomvira {

class frmZastarale : public DialogPrikazu {
    Q_OBJECT

public:
    explicit frmZastarale(QWidget* parent = nullptr);
    HotovyPrikaz Prikaz() const override;

private:
    // A ticked group of choices; its value is the index of the chosen one.
    struct Skupina {
        QGroupBox* box;
        QButtonGroup* volby;
    };
    Skupina Pridej(const char* jmeno, const QString& titulek, const QStringList& volby);
    std::optional<int> Hodnota(std::size_t skupina) const;

    std::vector<Skupina> skupiny_;
};

} // namespace lomvira
