#pragma once
// What the listing panels share: the number marks of the user's locale, deviations without
// a sign that rounds away, right alignment by characters, and filling a list with lines.

#include "app/ui/FormatUzivatele.h"
#include "reports/VypisBodu.h"

#include <QString>

#include <string>
#include <vector>

class QListWidget;

namespace lomvira {

inline QString TextQ(const std::string& s)
{
    return QString::fromStdString(s);
}

// A fixed-decimals number with the given decimal mark. A value that rounds to zero shows
// no sign: a deviation of -0.0000001 is no deviation.
std::string CisloOdchylky(double value, int decimals, char desetinny);

// The text right-aligned in `sirka` characters; a longer text is not cut.
std::string ZarovnejVpravo(const std::string& text, std::size_t sirka);

// Replaces the list's lines.
void NaplnSeznam(QListWidget* seznam, const std::vector<std::string>& radky);

} // namespace lomvira
