#pragma once
// The window "Zobrazení polygonu": the computed survey in plan or in section, with its
// layers, the pan buttons, zoom to all, the scale box and the coordinates under the mouse.
// A station picked in the picture is named in the status bar and its first measurement
// line is selected in the notebook; a shot picked by a double click selects its line.

#include "app/Zobraz.h"
#include "app/ui/SouboroveDialogy.h"

#include <QMainWindow>

#include <string>

class QAction;
class QLabel;
class QLineEdit;

namespace lomvira {

class Form1;
class PlochaPolygonu;
struct Kontext;

class FPolygon : public QMainWindow {
    Q_OBJECT

public:
    explicit FPolygon(Form1& hlavni);
    ~FPolygon() override;

    // Takes the survey anew (framing it whole when it is another survey), shows the window
    // at its stored place on the first opening, and brings it to the front.
    void Otevri();

    Zobraz& Zobrazeni() { return zobraz_; }
    PlochaPolygonu* Plocha() const { return plocha_; }
    QLineEdit* PoleMeritka() const { return meritko_; }
    QAction* Akce(const char* jmeno) const;

    // The pan buttons (bits 1, 2, 4, 8), zoom to all, and the view directions.
    void Posun(int bity);
    void ZoomNaVse();
    void SmerPohledu();
    void Pudorys();
    void Rez();
    // "Korekce obrazovky": the test square and its two questions.
    void KorekceObrazovky();
    // "Ulož obrázek...": the view as PNG, SVG or PDF. False when cancelled or failed.
    bool UlozObrazek();
    bool UlozObrazekDo(const std::string& cesta);

    // What a pick in the picture does.
    void VyberBod(int stanice);
    void VyberZameru(int zamera);

    // The file dialog of "Ulož obrázek..."; tests replace it.
    VyberSouboru VyberObrazku;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void VytvorMenu();
    void VytvorNastroje();
    // Copies the survey when it holds computed coordinates; otherwise the picture stays, and
    // picks no longer select notebook lines.
    void ObnovScenu(bool zarovnat);
    void PriZmenePohledu();
    void NastavMeritko();
    void OznacRadek(int zaznam);
    void ObnovUmisteni();
    void UlozUmisteni();
    std::string JmenoAplikace() const;

    Form1& hlavni_;
    Kontext& kontext_;
    Zobraz zobraz_;
    PlochaPolygonu* plocha_;
    QLineEdit* meritko_ = nullptr;
    QLabel* souradnice_ = nullptr;
    QLabel* vyber_ = nullptr;
    bool otevreno_ = false;
    // The survey the picture was taken from no longer matches the notebook's lines.
    bool zastarale_ = true;
    // What identifies the survey shown: the notebook and its counts.
    std::string soubor_;
    std::size_t stanic_ = 0, zamer_ = 0, mereni_ = 0;
};

} // namespace lomvira
