// Every help context the program raises has its page, and the examples of the error pages
// do what the pages say.
#include "app/Kontext.h"
#include "app/NactiZapisnik.h"
#include "common/ui/OknoNapovedy.h"
#include "common/ui/QtUlozisteNastaveni.h"
#include "support/FakePlatforma.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <set>

namespace lomvira::test {
namespace {

QString Cti(const QString& cesta)
{
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// The error numbers written in the reader's code, and the contexts it passes along.
std::set<int> KontextyVKodu()
{
    std::set<int> kontexty{0};
    const std::vector<std::pair<const char*, const char*>> zdroje = {
        {"input/Chybovnik.cpp", R"(case (\d+):)"},
        {"input/Chybovnik.h", R"(constexpr int Chyba\w+ = (\d+);)"},
        {"input/Nacti.cpp", R"(NastavChybu\((\d+)(?:, (\d+))?\))"},
        {"input/MeridlaStav.cpp", R"(return ([1-9]\d*);)"},
    };
    for (const auto& [soubor, vzor] : zdroje) {
        const QString text = Cti(QStringLiteral(LOMVIRA_SOURCE_DIR "/") + soubor);
        EXPECT_FALSE(text.isEmpty()) << soubor;
        auto it = QRegularExpression(vzor).globalMatch(text);
        while (it.hasNext()) {
            const auto m = it.next();
            for (int i = 1; i <= m.lastCapturedIndex(); ++i)
                if (!m.captured(i).isEmpty())
                    kontexty.insert(m.captured(i).toInt());
        }
    }
    // A bracketed instrument definition: command number × 100 + the reader's 11 or 12.
    for (int prikaz : {8, 9, 10})
        for (int stav : {11, 12})
            kontexty.insert(prikaz * 100 + stav);
    return kontexty;
}

TEST(Napoveda, EveryContextHasItsOwnPage)
{
    const std::set<int> kontexty = KontextyVKodu();
    EXPECT_GT(kontexty.size(), 25u);
    for (int c : kontexty) {
        const QUrl url = StrankaNapovedy(c);
        EXPECT_NE(url.toString(), ObsahNapovedy) << c;
        EXPECT_TRUE(QFile::exists(':' + url.path())) << c;
    }
}

// Answers No where the reader asks whether to go on.
class OdpovedNe : public FakePlatforma {
public:
    int ZpravaBox(const std::string& text, int style, const std::string& title, int help) override
    {
        FakePlatforma::ZpravaBox(text, style, title, help);
        return (style & MsgBox::ButtonMask) == MsgBox::YesNo ? MsgBox::No : MsgBox::DefaultAnswer(style);
    }
};

int ChybaNacteni(const QString& text)
{
    OdpovedNe platforma;
    PametoveNastaveni nastaveni;
    Kontext k(platforma, nastaveni);
    NactiZapisnik(k, text.toStdString() + "\n");
    return k.posledniChybaNacteni;
}

TEST(Napoveda, TheFaultyExampleFailsWithItsNumberAndTheCorrectedOneLoads)
{
    const QRegularExpression vzor(R"(chyba-(\d+)\.html)");
    const QRegularExpression bloky("<pre>(.*?)</pre>", QRegularExpression::DotMatchesEverythingOption);
    int overeno = 0;
    for (const QString& jmeno : QDir(":/napoveda").entryList()) {
        const auto m = vzor.match(jmeno);
        if (!m.hasMatch())
            continue;
        QStringList priklady;
        auto it = bloky.globalMatch(Cti(":/napoveda/" + jmeno));
        while (it.hasNext())
            priklady.append(it.next().captured(1).replace("&lt;", "<").replace("&gt;", ">").replace("&amp;", "&"));
        ASSERT_EQ(priklady.size(), 2) << jmeno.toStdString();
        // A description in brackets stands for what no short notebook shows.
        if (!priklady[0].startsWith('(')) {
            EXPECT_EQ(ChybaNacteni(priklady[0]), m.captured(1).toInt()) << jmeno.toStdString();
            ++overeno;
        }
        if (!priklady[1].startsWith('(')) {
            EXPECT_EQ(ChybaNacteni(priklady[1]), 0) << jmeno.toStdString();
        }
    }
    EXPECT_GE(overeno, 20);
}

} // namespace
} // namespace lomvira::test
