#include "app/ui/Form1.h"
#include "support/FakePlatforma.h"
#include "ui/UiPomocnik.h"

#include <QFontInfo>
#include <QLabel>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

namespace lomvira::test {
namespace {

using namespace PrikazSouboru;

// Windows-1250 with CR LF, as older notebooks are: "# Jeskyně u Lomu", a LOKALITA "Žlutá sluj", a shot.
const std::string Cp1250 =
    "# Jeskyn\xEC u Lomu\r\n! LOKALITA = \"\x8Elut\xE1 sluj\" \"12\"\r\nA1 A2 12.34 45.5 -3.5\r\n";
const std::string Cp1250JakoUtf8 =
    "# Jeskyně u Lomu\n! LOKALITA = \"Žlutá sluj\" \"12\"\nA1 A2 12.34 45.5 -3.5\n";

class Form1Test : public ::testing::Test {
protected:
    Form1Test() : kontext(platforma, nastaveni), okno(kontext)
    {
        okno.VyberOtevreni = okno.VyberUlozeni = [this](const PozadavekSouboru& p) {
            dialogy.push_back(p.titulek);
            EXPECT_FALSE(volby.empty()) << "unexpected file dialog " << p.titulek;
            auto v = volby.empty() ? std::nullopt : volby.front();
            if (!volby.empty())
                volby.pop_front();
            return v;
        };
    }
    // Types at the end of the notebook, as the user would.
    void Napis(const QString& text)
    {
        okno.Editor()->moveCursor(QTextCursor::End);
        okno.Editor()->insertPlainText(text);
    }
    std::string Soubor(const std::string& jmeno, const std::string& bytes)
    {
        ZapisBajty(slozka / jmeno, bytes);
        return slozka / jmeno;
    }
    bool Otevri(const std::string& cesta, int index = OtevriBezNacteni)
    {
        volby.push_back(cesta);
        return okno.PrikazSoubor(index);
    }
    QString Popisek() const { return okno.findChild<QLabel*>("lblZmeneno")->text(); }

    DocasnaSlozka slozka;
    FakePlatforma platforma;
    PametoveNastaveni nastaveni;
    Kontext kontext;
    Form1 okno;
    std::deque<std::optional<std::string>> volby;
    std::vector<std::string> dialogy;
};

TEST_F(Form1Test, Windows1250NotebookOpensEditsAndSavesByteForByte)
{
    const std::string cesta = Soubor("stara.mer", Cp1250);
    ASSERT_TRUE(Otevri(cesta));
    EXPECT_EQ(okno.TextZapisniku(), Cp1250JakoUtf8);
    EXPECT_EQ(okno.windowTitle(), "Lomvira pro Windows - stara.mer");
    ASSERT_TRUE(okno.PrikazSoubor(Uloz));
    EXPECT_EQ(CtiBajty(cesta), Cp1250);

    Napis("# Měřil Šimon\n");
    EXPECT_TRUE(okno.Zmeneno());
    EXPECT_EQ(Popisek(), "Změněno");
    ASSERT_TRUE(okno.PrikazSoubor(Uloz));
    EXPECT_EQ(CtiBajty(cesta), Cp1250 + "# M\xEC\xF8il \x8Aimon\r\n");
    EXPECT_EQ(Popisek(), "");

    ASSERT_TRUE(Otevri(cesta, PrikazSouboru::Otevri));
    EXPECT_EQ(okno.TextZapisniku(), Cp1250JakoUtf8 + "# Měřil Šimon\n");
    EXPECT_EQ(okno.windowTitle(), "Lomvira pro Windows - Žlutá sluj"); // a loaded notebook names its locality
    EXPECT_EQ(dialogy, std::vector<std::string>(2, "Otevření zápisníku")); // saving never asked
}

TEST_F(Form1Test, Utf8NotebooksKeepTheirMarkAndSpecialSpaces)
{
    // Byte-order mark, a no-break space, a tab and a line separator (U+2028).
    const std::string sBom =
        "\xEF\xBB\xBF# D\xC3\xB3m\xC2\xA0pod lomem\n* A1\t1000.0 2000.0 300.0 \xE2\x80\xA8x\n";
    const std::string cesta = Soubor("bom.mer", sBom);
    ASSERT_TRUE(Otevri(cesta));
    Napis("A1 A2 5 10 0\n");
    volby.push_back(slozka / "kopie.mer");
    ASSERT_TRUE(okno.PrikazSoubor(UlozPodJmenem));
    EXPECT_EQ(CtiBajty(slozka / "kopie.mer"), sBom + "A1 A2 5 10 0\n");
    EXPECT_EQ(CtiBajty(cesta), sBom);
    EXPECT_EQ(okno.windowTitle(), "Lomvira pro Windows - kopie.mer");
}

TEST_F(Form1Test, SavingANeverSavedNotebookAsksForANameOnce)
{
    Napis("A1 A2 1 2 3\n");
    volby = {std::nullopt, slozka / "nova.mer"}; // cancelled first, then named
    EXPECT_FALSE(okno.PrikazSoubor(Uloz));
    EXPECT_TRUE(okno.Zmeneno());
    ASSERT_TRUE(okno.PrikazSoubor(Uloz));
    Napis("A2 A3 4 5 6\n");
    ASSERT_TRUE(okno.PrikazSoubor(Uloz));
    EXPECT_EQ(dialogy.size(), 2u);
    EXPECT_EQ(CtiBajty(slozka / "nova.mer"), "A1 A2 1 2 3\nA2 A3 4 5 6\n");
}

TEST_F(Form1Test, OpeningOverChangesAsksYesSavesNoDiscardsCancelStops)
{
    const std::string a = Soubor("a.mer", "A1 A2 1 2 3\n"), b = Soubor("b.mer", "B1 B2 4 5 6\n");
    ASSERT_TRUE(Otevri(a));
    Napis("x");
    platforma.answers = {MsgBox::No};
    ASSERT_TRUE(Otevri(b));
    EXPECT_EQ(platforma.boxes.at(0).text, "Soubor " + a + " byl změněn.\nUložit?");
    EXPECT_EQ(platforma.boxes[0].style & MsgBox::ButtonMask, MsgBox::YesNoCancel);
    EXPECT_EQ(okno.TextZapisniku(), "B1 B2 4 5 6\n");
    EXPECT_EQ(CtiBajty(a), "A1 A2 1 2 3\n");

    Napis("y");
    platforma.answers = {MsgBox::Cancel};
    EXPECT_FALSE(okno.PrikazSoubor(PrikazSouboru::Otevri));
    EXPECT_EQ(dialogy.size(), 2u); // no file dialog after Cancel
    EXPECT_EQ(okno.TextZapisniku(), "B1 B2 4 5 6\ny");

    platforma.answers = {MsgBox::Yes};
    ASSERT_TRUE(Otevri(a));
    EXPECT_EQ(CtiBajty(b), "B1 B2 4 5 6\ny");
    EXPECT_EQ(okno.TextZapisniku(), "A1 A2 1 2 3\n");
}

TEST_F(Form1Test, ANotebookThatCouldNotBeSavedIsNeverReplaced)
{
    // The notebook's folder disappears under it, as when a stick is pulled out.
    std::filesystem::create_directory(slozka / "flash");
    const std::string cesta = Soubor("flash/a.mer", "A1 A2 1 2 3\n");
    ASSERT_TRUE(Otevri(cesta));
    Napis("x");
    std::filesystem::remove_all(slozka / "flash");

    volby.push_back(slozka / "chybi/x.mer"); // a new name that cannot be written is not taken
    EXPECT_FALSE(okno.PrikazSoubor(UlozPodJmenem));
    EXPECT_EQ(kontext.souborZapisniku, cesta);
    for (int index : {PrikazSouboru::Otevri, OtevriBezNacteni, Novy}) {
        platforma.answers = {MsgBox::Yes};
        EXPECT_FALSE(okno.PrikazSoubor(index)) << index;
        EXPECT_EQ(okno.TextZapisniku(), "A1 A2 1 2 3\nx");
        EXPECT_TRUE(okno.Zmeneno());
    }
    EXPECT_EQ(platforma.boxes.at(2).text,
              "Soubor " + cesta + " nelze uložit: soubor nebo složka neexistuje.");
    EXPECT_EQ(dialogy.size(), 2u);
    okno.show();
    platforma.answers = {MsgBox::Yes};
    EXPECT_FALSE(okno.close());
}

TEST_F(Form1Test, Windows1250NotebookWithALetterItCannotHoldGoesToUtf8UnderANewName)
{
    const std::string cesta = Soubor("stara.mer", Cp1250);
    ASSERT_TRUE(Otevri(cesta));
    Napis("# → sever\n");
    EXPECT_FALSE(okno.PrikazSoubor(Uloz));
    EXPECT_NE(platforma.boxes.at(0).text.find("Windows-1250"), std::string::npos);
    EXPECT_EQ(CtiBajty(cesta), Cp1250);
    volby.push_back(slozka / "nova.mer");
    ASSERT_TRUE(okno.PrikazSoubor(UlozPodJmenem));
    EXPECT_EQ(
        CtiBajty(slozka / "nova.mer"),
        "# Jeskyně u Lomu\r\n! LOKALITA = \"Žlutá sluj\" \"12\"\r\nA1 A2 12.34 45.5 -3.5\r\n# → sever\r\n");
}

TEST_F(Form1Test, AFileThatIsNoNotebookIsRefusedAndNothingChanges)
{
    const std::string a = Soubor("a.mer", "A1 A2 1 2 3\n");
    ASSERT_TRUE(Otevri(a));
    Napis("z");
    const std::string obrazek = Soubor("obrazek.mer", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    platforma.answers = {MsgBox::No};
    EXPECT_FALSE(Otevri(obrazek));
    ASSERT_EQ(platforma.boxes.size(), 2u); // the question, then the refusal naming the file
    EXPECT_NE(platforma.boxes[1].text.find(obrazek), std::string::npos) << platforma.boxes[1].text;
    EXPECT_EQ(okno.TextZapisniku(), "A1 A2 1 2 3\nz");
    EXPECT_EQ(kontext.souborZapisniku, a);
    EXPECT_TRUE(okno.Zmeneno());
}

TEST_F(Form1Test, NovyStartsAnEmptyUtf8NotebookAndDropsTheOldSurvey)
{
    ASSERT_TRUE(Otevri(Soubor("stara.mer", Cp1250)));
    kontext.stav.Stav = 3;
    kontext.stav.Hotovo = HotovoNacteno | HotovoVektorizovano | HotovoVypocteno;
    std::string stanice = "A1";
    kontext.model.stations.AddStation(stanice);
    const std::string nova = slozka / "nova.mer";
    volby.push_back(nova);
    ASSERT_TRUE(okno.PrikazSoubor(Novy));
    EXPECT_EQ(okno.TextZapisniku(), "");
    EXPECT_EQ(kontext.stav.Stav, 0);
    EXPECT_FALSE(kontext.stav.JeVypocteno());
    EXPECT_EQ(kontext.model.stations.StationCount(), 0);
    Napis("A1 A2 1 2 3\n");
    ASSERT_TRUE(okno.PrikazSoubor(Uloz));
    EXPECT_EQ(CtiBajty(nova), "A1 A2 1 2 3\n"); // UTF-8 and LF, whatever the old notebook had
}

TEST_F(Form1Test, CommandLineNameOpensWithAndWithoutQuotes)
{
    EXPECT_EQ(OdstranUvozovky("\"\"a.mer\"\""), "\"a.mer\""); // one pair only
    const std::string cesta = Soubor("moje jeskyně.mer", Cp1250);
    for (const std::string& radek : {"\"" + cesta + "\"", cesta}) {
        Form1 o(kontext);
        o.Spust(radek);
        EXPECT_EQ(o.TextZapisniku(), Cp1250JakoUtf8);
        EXPECT_EQ(kontext.stav.Stav, 1); // the start-up open loads the notebook
    }
    EXPECT_TRUE(platforma.boxes.empty());
}

TEST_F(Form1Test, ClosingWithChangesAsksAndOnlyAClosedWindowStoresItsPlacement)
{
    okno.Spust("");
    okno.show();
    Napis("A1 A2 1 2 3\n");
    platforma.answers = {MsgBox::Cancel, MsgBox::Yes, MsgBox::No};
    EXPECT_FALSE(okno.close());
    EXPECT_EQ(platforma.boxes.at(0).text, "V zápisníku byly provedeny změny.\nUložit?");
    volby.push_back(std::nullopt); // Yes on a never-saved notebook, then the name is cancelled
    EXPECT_FALSE(okno.close());
    EXPECT_TRUE(nastaveni.Hodnoty().empty());

    okno.move(40, 50);
    okno.resize(700, 500);
    EXPECT_TRUE(okno.close());
    for (auto [klic, hodnota] :
         {std::pair{"WindowState", "0"}, {"Left", "40"}, {"Top", "50"}, {"Width", "700"}, {"Height", "500"}})
        EXPECT_EQ(nastaveni.Cti("test_ui", "Form1", klic), hodnota) << klic;
}

TEST_F(Form1Test, StartUpRestoresThePlacementAndNeverStartsMinimized)
{
    auto uloz = [this](const char* klic, const char* hodnota) {
        nastaveni.Zapis("test_ui", "Form1", klic, hodnota);
    };
    for (auto [klic, hodnota] :
         {std::pair{"WindowState", "1"}, {"Left", "10"}, {"Top", "20"}, {"Width", "640"}, {"Height", "480"}})
        uloz(klic, hodnota);
    okno.Spust("");
    okno.show();
    EXPECT_FALSE(okno.isMinimized());
    EXPECT_EQ(okno.geometry().size(), QSize(640, 480));
    EXPECT_EQ(okno.pos(), QPoint(10, 20));

    uloz("WindowState", "2");
    okno.Spust("");
    EXPECT_TRUE(okno.isMaximized());
}

TEST_F(Form1Test, ListingFontTheMachineLacksFallsBackToAFixedPitchOne)
{
    okno.Spust("");
    EXPECT_TRUE(QFontInfo(okno.Editor()->font()).fixedPitch()) << okno.Editor()->font().family().toStdString();
}

// --- line ends, links, read-only notebooks and lines too long to read back ---

TEST_F(Form1Test, LineEndsOfTheFileStayAndEveryLineEndsALine)
{
    // Saved after "C D 1 2 3" was typed at the end; mixed line ends become the most frequent kind.
    for (const auto& [soubor, ulozeny] :
         {std::pair{"A B 1 2 3\rB C 1 2 3\r", "A B 1 2 3\rB C 1 2 3\rC D 1 2 3\r"},
          {"A B 1 2 3\r\nB C 1 2 3\n\r\n\r", "A B 1 2 3\r\nB C 1 2 3\r\n\r\n\r\nC D 1 2 3\r\n"}}) {
        const std::string cesta = Soubor("konce.mer", soubor);
        ASSERT_TRUE(Otevri(cesta));
        Napis("C D 1 2 3\n");
        ASSERT_TRUE(okno.PrikazSoubor(Uloz));
        EXPECT_EQ(CtiBajty(cesta), ulozeny) << testing::PrintToString(std::string(soubor));
    }
    // The faulty line of a notebook with lone CRs is the one selected.
    ASSERT_TRUE(Otevri(Soubor("chyba.mer", "A B 1 2 3\rB C 10\rC D 1 2 3\r"), PrikazSouboru::Otevri));
    EXPECT_EQ(kontext.posledniChybaNacteni, 3);
    EXPECT_EQ(okno.Editor()->textCursor().selectedText(), "B C 10");
}

TEST_F(Form1Test, SavingAsksBeforeReplacingAReadOnlyNotebook)
{
    // No keeps the file and the edits, Yes saves and the file stays read-only.
    const std::string cil = Soubor("jen.mer", "A B 1 2 3\nB C 1 2 3\n");
    const auto jenCteni = std::filesystem::perms::owner_read | std::filesystem::perms::group_read;
    std::filesystem::permissions(cil, jenCteni);
    ASSERT_TRUE(Otevri(cil));
    Napis("C D 1 2 3\n");
    platforma.answers = {MsgBox::No};
    EXPECT_FALSE(okno.PrikazSoubor(Uloz));
    EXPECT_EQ(platforma.boxes.back().text, "Soubor je jen pro čtení. Přesto uložit?");
    EXPECT_TRUE(okno.Zmeneno());
    EXPECT_EQ(CtiBajty(cil), "A B 1 2 3\nB C 1 2 3\n");
    platforma.answers = {MsgBox::Yes};
    ASSERT_TRUE(okno.PrikazSoubor(Uloz));
    EXPECT_EQ(CtiBajty(cil), "A B 1 2 3\nB C 1 2 3\nC D 1 2 3\n");
    EXPECT_EQ(std::filesystem::status(cil).permissions() & std::filesystem::perms::all, jenCteni);

}

} // namespace
} // namespace lomvira::test
