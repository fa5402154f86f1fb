// The QSettings store in an INI file: what is written reads back, per section and per
// application name, and a pipe in its place is not waited on.

#include "common/ui/QtUlozisteNastaveni.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QTemporaryDir>

#include <fstream>
#include <iterator>
#include <string>

namespace lomvira {
namespace {

TEST(QtUlozisteNastaveni, ZapisAZpetneCteni)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const std::string file = tmp.filePath("lomvira.ini").toStdString();
    Volby v;
    v.DK = 0.0025;
    v.FK = 0.0034907;
    v.Font = "Písmo ČE, 10"; // a comma must not make a list of it
    {
        QtUlozisteNastaveni store(file);
        EXPECT_EQ(UlozNastaveni(store, v), "");
        ZapisNastaveni(store, "VIROKA", "AppPath", "@/opt/prohlížeč;a=b");
        store.Zapis("LOMVIRA", "DXFOUT", "DK", "0.02");
        UlozUmisteniOkna(store, "lomvira", "Vypocet", {0, 40, 50, 640, 480});
        EXPECT_EQ(store.Uloz(), "");
    }
    // Numbers are kept as the plain texts they were written as.
    std::ifstream in(file);
    const std::string ini{std::istreambuf_iterator<char>(in), {}};
    EXPECT_NE(ini.find("DK=0.00250"), std::string::npos) << ini;

    QtUlozisteNastaveni store(file);
    const Volby r = NactiNastaveni(store);
    EXPECT_EQ(r.FK, 0.0034907);
    EXPECT_EQ(r.Font, "Písmo ČE, 10");
    EXPECT_EQ(r.AppPath, "@/opt/prohlížeč;a=b");
    // Sections and application names keep their keys apart.
    EXPECT_EQ(store.Cti("LOMVIRA", "DXFOUT", "DK"), "0.02");
    EXPECT_EQ(store.Cti("lomvira", "Vypocet", "Width"), "640");
    EXPECT_EQ(store.Cti("LOMVIRA", "Vypocet", "Width"), "");
}

TEST(QtUlozisteNastaveni, RouraSeNectePlatiVychozi)
{
    QTemporaryDir tmp;
    ASSERT_TRUE(tmp.isValid());
    const std::string file = tmp.filePath("LOMVIRA.ini").toStdString();
    ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
    QtUlozisteNastaveni store(file); // reading a FIFO would wait for a writer for ever
    EXPECT_NE(store.Chyba().find(file + " nelze přečíst: je to roura (FIFO)"), std::string::npos) << store.Chyba();
    EXPECT_EQ(NactiNastaveni(store).DK, Volby{}.DK);
    store.Zapis(AplikaceNastaveni, "Vypocet", "DK", "0.01");
    EXPECT_EQ(store.Cti(AplikaceNastaveni, "Vypocet", "DK"), "0.01");
    EXPECT_NE(store.Uloz().find("nebylo uloženo"), std::string::npos);
}

} // namespace
} // namespace lomvira
