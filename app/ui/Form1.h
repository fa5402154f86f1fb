#pragma once
// The main window: the notebook editor and the panels behind the tabs, the status bar, and
// the menus that drive every command. The notebook file commands live here.

#include "app/Kontext.h"
#include "common/Soubory.h"
#include "app/ui/SouboroveDialogy.h"
#include "app/NactiZapisnik.h"

#include <QFont>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

class QAction;
class QCloseEvent;
class QComboBox;
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

class PanelBody;
class PanelDaneBody;
class PanelPripojeni;
class PanelVypis;
class PanelZamery;
class Zm_JTSK;
class ZastaraleVysledky;
class NedavneSoubory;
class OknoNapovedy;

class Form1 : public QMainWindow, public OknoZapisniku {
    Q_OBJECT

public:
    explicit Form1(Kontext& kontext, QWidget* parent = nullptr);
    ~Form1() override;

    // Start-up: the notebook tab, the options, the listing font, the notebook named on the
    // command line (may be empty), then the stored window placement.
    void Spust(const std::string& prikazovyRadek);

    // The file commands by index (PrikazSouboru). False when the command was cancelled or failed.
    bool PrikazSoubor(int index);
    // Opens and loads a notebook of the recent-files list, after the question about changes.
    bool OtevriNedavny(const std::string& jmeno);
    // Loads the editor's notebook into the survey model and lists it.
    void CtiZapisnik();
    // "Vektorizace": loads first when nothing is loaded.
    void Vektorizace();
    // "Start výpočtu": vectorises first when needed, computes and lists the results.
    void StartVypoctu();
    // "Převod souřadnic": the S-JTSK conversion window.
    void PrevodSouradnic();
    // Clears the editor, the panels, the changed label and both changed flags.
    void ClrForm();

    // The region the point and result panels show; 0 for all regions.
    int VybranaOblast() const;
    void VyberOblast(int oblast);
    QComboBox* VyberOblasti() const { return oblasti_; }

    // A menu item that needs survey data: enabled while something is loaded (Stav 1 to 3).
    void PridejPolozkuSDaty(QAction* akce);
    // Enables those items by the processing stage; also run by a timer and when "Soubor" opens.
    void PovolPolozky();

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

    // What the load asks of the window (OknoZapisniku).
    void OznacChybnyRadek(std::int32_t zacatek, std::int32_t delka) override;
    void PrepniNaZapisnik() override;
    void ZamerEditor() override;
    void NastavTitulek(const std::string& lokalita) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void VytvorMenu();
    void VytvorMenuVypoctu();
    void VytvorZapisnik();
    void VytvorPanely();
    void NastavPismoVypisu();
    void ObnovVypisy();
    void ObnovVysledky();
    void ObnovOblasti();
    void VycistiPanely();
    void NaBod(int stanice);
    bool UlozPrikazem(bool noveJmeno);
    bool UlozDo(const std::string& jmeno);
    bool OtevriSoubor(const std::string& jmeno, bool nacist);
    bool NovyZapisnik();
    void NulujModel();
    void NastavText(const std::string& text);
    void NastavZmeneno(bool zmeneno);
    void PriUprave();
    // Shows what the command did in the status line until the next command.
    void UkazSouhrn(const std::string& text);
    void PridejNapovedu();
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
    QComboBox* oblasti_ = nullptr;
    PanelDaneBody* daneBody_ = nullptr;
    PanelPripojeni* pripojeni_ = nullptr;
    PanelZamery* zamery_ = nullptr;
    PanelBody* body_ = nullptr;
    PanelVypis* meridla_ = nullptr;
    PanelVypis* mereni_ = nullptr;
    QPointer<Zm_JTSK> prevod_;
    std::vector<QPointer<QAction>> polozkySDaty_;
    std::unique_ptr<ZastaraleVysledky> zastarale_;
    QString souhrn_;
    NedavneSoubory* nedavne_ = nullptr;
    QPointer<OknoNapovedy> napoveda_;
    QTimer casovacPolozek_;

    bool zmeneno_ = false;
    bool zmenenoOdNacteni_ = false;
    Kodovani kodovani_ = Kodovani::Utf8;
    // How the notebook's lines end in its file (the most frequent kind); the editor itself
    // only knows line breaks.
    KonecRadku konecRadku_ = KonecRadku::LF;
    // The file the next file dialog starts at; the command line puts its name here.
    std::string jmenoVDialogu_;
    // The text of the last load, as the load saw it: its error positions point into it.
    std::string nacitanyText_;
};

} // namespace lomvira
