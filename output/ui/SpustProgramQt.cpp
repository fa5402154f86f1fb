#include "output/ui/SpustProgramQt.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>

namespace lomvira {

std::string SpustOddelene(const std::string& program, const std::vector<std::string>& args)
{
    const QString cesta = QFile::decodeName(program.c_str());
    if (!QFileInfo(cesta).isExecutable())
        return "Program " + program + " nelze spustit: soubor není spustitelný.";
    QStringList argumenty;
    for (const std::string& a : args)
        argumenty << QFile::decodeName(a.c_str());
    QProcess proces;
    proces.setProgram(cesta);
    proces.setArguments(argumenty);
    if (!proces.startDetached())
        return "Program " + program + " nelze spustit.";
    return {};
}

} // namespace lomvira
