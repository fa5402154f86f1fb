#include "app/ui/NedavneSoubory.h"

#include "common/Nastaveni.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>

#include <algorithm>

namespace lomvira {

namespace {

constexpr const char* Sekce = "Naposledy";

std::string Klic(int i)
{
    return "Soubor" + std::to_string(i);
}

} // namespace

NedavneSoubory::NedavneSoubory(UlozisteNastaveni& nastaveni, QMenu* menu, QAction* pred,
                               std::function<void(const std::string&)> otevri)
    : QObject(menu), nastaveni_(nastaveni), menu_(menu), pred_(pred), otevri_(std::move(otevri))
{
    for (int i = 1; i <= Pocet; ++i) {
        auto* a = new QAction(menu);
        a->setObjectName(QStringLiteral("mnuNaposledy%1").arg(i));
        connect(a, &QAction::triggered, this,
                [this, a] { otevri_(QFile::encodeName(a->data().toString()).toStdString()); });
        menu_->insertAction(pred_, a);
        polozky_.push_back(a);
    }
    oddelovac_ = new QAction(menu);
    oddelovac_->setSeparator(true);
    menu_->insertAction(pred_, oddelovac_);
    Obnov();
}

std::vector<std::string> NedavneSoubory::Seznam() const
{
    std::vector<std::string> seznam;
    for (int i = 1; i <= Pocet; ++i)
        if (std::string j = nastaveni_.Cti(AplikaceNastaveni, Sekce, Klic(i)); !j.empty())
            seznam.push_back(j);
    return seznam;
}

void NedavneSoubory::Pridej(const std::string& jmeno)
{
    std::vector<std::string> seznam = Seznam();
    seznam.erase(std::remove(seznam.begin(), seznam.end(), jmeno), seznam.end());
    seznam.insert(seznam.begin(), jmeno);
    seznam.resize(std::min<std::size_t>(seznam.size(), Pocet));
    for (int i = 1; i <= Pocet; ++i)
        nastaveni_.Zapis(AplikaceNastaveni, Sekce, Klic(i),
                         i <= static_cast<int>(seznam.size()) ? seznam[static_cast<std::size_t>(i - 1)] : "");
    Obnov();
}

void NedavneSoubory::Obnov()
{
    const std::vector<std::string> seznam = Seznam();
    for (std::size_t i = 0; i < polozky_.size(); ++i) {
        QAction* a = polozky_[i];
        a->setVisible(i < seznam.size());
        if (i >= seznam.size())
            continue;
        const QString jmeno = QFile::decodeName(seznam[i].c_str());
        // The number is the access key; a "&" of the path is no key.
        a->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(jmeno).replace('&', "&&")));
        a->setData(jmeno);
    }
    oddelovac_->setVisible(!seznam.empty());
}

} // namespace lomvira
