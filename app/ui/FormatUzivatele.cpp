#include "app/ui/FormatUzivatele.h"

#include <QLocale>
#include <QString>

namespace lomvira {

FormatCisel FormatUzivatele()
{
    const QLocale locale;
    FormatCisel f;
    const QString znak = locale.decimalPoint();
    f.desetinny = znak.size() == 1 && znak.at(0).unicode() < 128 ? static_cast<char>(znak.at(0).unicode()) : '.';
    f.tisice = locale.groupSeparator().toStdString();
    return f;
}

} // namespace lomvira
