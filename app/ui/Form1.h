#pragma once
// The main window: the notebook editor and the panels behind the tabs, the status bar, and
// the menus that drive every command. The notebook file commands live here.

#include "app/Kontext.h"
#include "app/Soubory.h"
#include "app/ui/SouboroveDialogy.h"

#include <QFont>
#include <QMainWindow>

#include <string>

class QAction;
class QCloseEvent;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QTabWidget;

namespace lomvira {

inline constexpr const char* TitulekProgramu = "Lomvira pro Windows";

// Indexes of the file command.
namespace PrikazSouboru {
inline constexpr int Novy = 0;
inline constexpr int Otevri = 1;
inline constexpr int Uloz = 2;
inline constexpr int UlozPodJmenem = 3;
inline constexpr int OtevriPriStartu = 11;
inline constexpr int OtevriBezNacteni = 12;
} // namespace PrikazSouboru

// The notebook name from the command line without one leading and one trailing double quote.
std::string OdstranUvozovky(std::string jmeno);

// The listing font: the named family when the machine has it, else its fixed-pitch font.
QFont PismoVypisu(const std::string& rodina);

class Form1 : public QMainWindow {
    Q_OBJECT

public:
    explicit Form1(Kontext& kontext, QWidget* parent = nullptr);

    // Start-up: the notebook tab, the options, the listing font, the notebook named on the
    // command line (may be empty), then the stored window placement.
    void Spust(const std::string& prikazovyRadek);

    // The file commands by index (PrikazSouboru). False when the command was cancelled or failed.
    bool PrikazSoubor(int index);
    // Loads the editor's notebook into the survey model.
    void CtiZapisnik();
    // Clears the editor, the panels, the changed label and both changed flags.
    void ClrForm();

    bool Zmeneno() const { return zmeneno_; }
    bool ZmenenoOdNacteni() const { return zmenenoOdNacteni_; }
    // The editor's text, every line ended by "\n".
    std::string TextZapisniku() const;
    Kodovani KodovaniZapisniku() const { return kodovani_; }
    Kontext& kontext() const { return kontext_; }

    // Places for the panels and menus of the other commands.
    QPlainTextEdit* Editor() const { return editor_; }
    QTabWidget* Zalozky() const { return zalozky_; }
    void PridejZalozku(QWidget* panel, const QString& titulek, const QString& klic);
    QWidget* Zalozka(const QString& klic) const;
    QLabel* StavovyPanel(const QString& klic) const;
    // A new top-level menu, placed before the one titled `pred` (at the end when there is none).
    QMenu* PridejMenu(const QString& titulek, const QString& pred = {});
    QMenu* Menu(const QString& titulek) const;
    // Adds a "Soubor" item above the separator before "Zavři".
    void PridejDoSouboru(QAction* akce);

    // The file dialogs; tests replace them.
    VyberSouboru VyberOtevreni;
    VyberSouboru VyberUlozeni;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void VytvorMenu();
    void VytvorZapisnik();
    bool UlozPrikazem(bool noveJmeno);
    bool UlozDo(const std::string& jmeno);
    bool OtevriSoubor(const std::string& jmeno, bool nacist);
    bool NovyZapisnik();
    void NulujModel();
    void NastavText(const std::string& text);
    void NastavZmeneno(bool zmeneno);
    void PriUprave();
    void AktualizujTitulek();
    void UlozNastaveniPrikaz();
    void OProgramu();
    PozadavekSouboru Pozadavek(const char* titulek) const;
    std::string JmenoAplikace() const;
    void ObnovUmisteni();
    void UlozUmisteni();

    Kontext& kontext_;
    QTabWidget* zalozky_ = nullptr;
    QPlainTextEdit* editor_ = nullptr;
    QLabel* zmenenoPopisek_ = nullptr;
    QLabel* koment_ = nullptr;
    QAction* predZavri_ = nullptr;

    bool zmeneno_ = false;
    bool zmenenoOdNacteni_ = false;
    Kodovani kodovani_ = Kodovani::Utf8;
    // Whether the notebook's lines end with CR LF; the editor itself only knows line breaks.
    bool crlf_ = false;
    // The file the next file dialog starts at; the command line puts its name here.
    std::string jmenoVDialogu_;
};

} // namespace lomvira
