#include "app/ui/FormatVypisu.h"

#include "common/Cisla.h"
#include "common/Text.h"

#include <QListWidget>

#include <algorithm>

namespace lomvira {

std::string CisloOdchylky(double value, int decimals, char desetinny)
{
    std::string s = FormatCislo(value, decimals);
    if (!s.empty() && s[0] == '-' && s.find_first_of("123456789") == std::string::npos)
        s.erase(0, 1);
    std::replace(s.begin(), s.end(), '.', desetinny);
    return s;
}

std::string ZarovnejVpravo(const std::string& text, std::size_t sirka)
{
    const std::size_t n = PocetZnaku(text);
    return n >= sirka ? text : std::string(sirka - n, ' ') + text;
}

void NaplnSeznam(QListWidget* seznam, const std::vector<std::string>& radky)
{
    const QSignalBlocker ticho(seznam);
    seznam->clear();
    QStringList texty;
    texty.reserve(static_cast<qsizetype>(radky.size()));
    for (const std::string& r : radky)
        texty.append(TextQ(r));
    seznam->addItems(texty);
}

} // namespace lomvira
