#pragma once
// The last eight notebooks, kept in the settings and offered in the "Soubor" menu.

#include <QObject>

#include <functional>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace lomvira {

class UlozisteNastaveni;

class NedavneSoubory : public QObject {
public:
    static constexpr int Pocet = 8;

    // The items and a separator go into `menu` before `pred`; choosing one runs `otevri` with its file.
    NedavneSoubory(UlozisteNastaveni& nastaveni, QMenu* menu, QAction* pred,
                   std::function<void(const std::string&)> otevri);

    // The file goes to the top of the list (once).
    void Pridej(const std::string& jmeno);
    std::vector<std::string> Seznam() const;

private:
    void Obnov();

    UlozisteNastaveni& nastaveni_;
    QMenu* menu_;
    QAction* pred_;
    QAction* oddelovac_;
    std::vector<QAction*> polozky_;
    std::function<void(const std::string&)> otevri_;
};

} // namespace lomvira
