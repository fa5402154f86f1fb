// lomvira: the desktop program. Everything but the wiring lives in the UI library.
#include "app/Kontext.h"
#include "app/ui/ArgumentyProgramu.h"
#include "app/ui/Form1.h"
#include "common/ui/QtPlatforma.h"
#include "common/ui/QtUlozisteNastaveni.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <iostream>
#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/ikona/lomvira.svg")));
    // The desktop matches the windows to the menu entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("lomvira"));
    // Qt's own dialogs (print, print preview, files) speak Czech as the program does, whatever
    // the user's locale; numbers still follow the locale.
    QTranslator prekladQt;
    if (prekladQt.load(QLocale(QLocale::Czech, QLocale::CzechRepublic), "qtbase", "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&prekladQt);
    std::vector<std::string> args;
    const QStringList qtArgs = QApplication::arguments();
    for (qsizetype i = 1; i < qtArgs.size(); ++i)
        args.push_back(QFile::encodeName(qtArgs.at(i)).toStdString());
    const lomvira::ArgumentyProgramu arg = lomvira::RozeberArgumenty(args);
    if (!arg.chyba.empty()) {
        std::cerr << arg.chyba << "\n" << lomvira::PouzitiProgramu << "\n";
        return 1;
    }
    if (arg.napoveda) {
        std::cout << lomvira::PouzitiProgramu << "\n";
        return 0;
    }

    auto nastaveni = arg.nastaveni ? std::make_unique<lomvira::QtUlozisteNastaveni>(*arg.nastaveni)
                                   : std::make_unique<lomvira::QtUlozisteNastaveni>();
    lomvira::QtPlatforma platforma;
    lomvira::Kontext kontext(platforma, *nastaveni);
    lomvira::Form1 okno(kontext);
    platforma.PripojOkno(&okno, okno.StavovyPanel("koment"));
    // The user's own options file cannot be read: the defaults apply, and the user is told.
    if (const std::string chyba = nastaveni->Chyba(); !chyba.empty())
        platforma.ZpravaBox(chyba, lomvira::MsgBox::Exclamation, "Nastavení");
    okno.Spust(arg.zapisnik);
    okno.show();
    // Keys and menu shortcuts work at once, also where no window manager gives focus.
    okno.activateWindow();
    return app.exec();
}
