#pragma once
// The warning that the panels show the results of an earlier text of the notebook: a line
// above the panels, and their values greyed, until the next load.

#include <QPointer>

#include <vector>

class QLabel;
class QWidget;

namespace lomvira {

class ZastaraleVysledky {
public:
    ZastaraleVysledky(QLabel* upozorneni, std::vector<QWidget*> panely);
    void Nastav(bool zastarale);

private:
    QPointer<QLabel> upozorneni_;
    std::vector<QPointer<QWidget>> panely_;
};

} // namespace lomvira
