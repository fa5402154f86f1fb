#include "cli/ui/PrikazTisk.h"

#include "app/Kontext.h"
#include "app/Protokol.h"
#include "app/Vypocet.h"
#include "app/ui/FormatUzivatele.h"
#include "cli/Cli.h"
#include "cli/Prikazy.h"
#include "common/ui/QtPlochaTisku.h"

#include <iostream>
#include <ostream>
#include <sstream>

namespace lomvira::cli {

GuiProstredi::GuiProstredi()
{
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own notices (a missing runtime folder of the offscreen platform) are no business of
    // a script; its errors still go to standard error.
    qInstallMessageHandler([](QtMsgType typ, const QMessageLogContext&, const QString& zprava) {
        if (typ == QtCriticalMsg || typ == QtFatalMsg)
            std::cerr << zprava.toStdString() << "\n";
    });
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

bool NactiASpocti(Prostredi& env, const std::string& path, Kontext& k)
{
    if (!NactiDoKontextu(env, path, k))
        return false;
    Vectorize(k);
    if (k.stav.Stav >= 2)
        SpustVypocet(k);
    return true;
}

namespace {

const char* const PouzitiTisku =
    "Použití: lomvira-cli print SOUBOR.mer --pdf VÝSTUP.pdf [--sections title,measurements,points,profiles]"
    " [--comment TEXT]\n";

// The sections named in a comma-separated list; false for an unknown name or an empty list.
bool CtiCasti(const std::string& text, CastiTisku& casti, std::string& chyba)
{
    casti = {false, false, false, false};
    std::stringstream ss(text);
    std::string jmeno;
    while (std::getline(ss, jmeno, ',')) {
        if (jmeno == "title")
            casti.titulniList = true;
        else if (jmeno == "measurements")
            casti.tabulkaMereni = true;
        else if (jmeno == "points")
            casti.tabulkaBodu = true;
        else if (jmeno == "profiles")
            casti.tabulkaProfilu = true;
        else {
            chyba = "Neznámá část protokolu " + jmeno + ".";
            return false;
        }
    }
    if (casti.Zadna())
        chyba = "Volba --sections potřebuje aspoň jednu část.";
    return !casti.Zadna();
}

} // namespace

int PrikazTisk(Prostredi& env, const std::vector<std::string>& args)
{
    std::vector<std::string> soubory;
    std::string pdf, komentar;
    CastiTisku casti;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool sHodnotou = a == "--pdf" || a == "--sections" || a == "--comment";
        if (sHodnotou && i + 1 >= args.size()) {
            env.err << "Volba " << a << " potřebuje hodnotu.\n" << PouzitiTisku;
            return ChybaPouziti;
        }
        std::string chyba;
        if (a == "--pdf") {
            pdf = args[++i];
        } else if (a == "--comment") {
            komentar = args[++i];
        } else if (a == "--sections") {
            if (!CtiCasti(args[++i], casti, chyba)) {
                env.err << chyba << "\n" << PouzitiTisku;
                return ChybaPouziti;
            }
        } else if (!a.empty() && a[0] == '-') {
            env.err << "Neznámá volba " << a << ".\n" << PouzitiTisku;
            return ChybaPouziti;
        } else {
            soubory.push_back(a);
        }
    }
    if (soubory.size() != 1 || pdf.empty()) {
        env.err << PouzitiTisku;
        return ChybaPouziti;
    }
    const GuiProstredi gui;
    Kontext k(env.platforma, env.nastaveni);
    if (!NactiASpocti(env, soubory[0], k))
        return ChybaZapisniku;
    k.komentarZpravy = komentar;
    BehTisku beh = BehProtokolu(k, CasovaZnackaTisku(), FormatUzivatele());
    const auto plocha = PlochaPdf(pdf);
    const std::string chyba = TiskniProtokol(*plocha, PodkladyProtokolu(k), beh, casti);
    if (!chyba.empty()) {
        env.err << chyba << "\n";
        return ChybaZapisniku;
    }
    return Uspech;
}

} // namespace lomvira::cli
