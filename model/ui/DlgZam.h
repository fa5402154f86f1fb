#pragma once
// Picking one shot from a list: the window "Výběr záměry" with a filter by station, and the
// object that fills and shows it.

#include "model/Model.h"

#include <QDialog>

#include <string>
#include <vector>

class QLineEdit;
class QListWidget;

namespace lomvira {

class frmDlgZam : public QDialog {
    Q_OBJECT

public:
    explicit frmDlgZam(const Model& model, QWidget* parent = nullptr);

    void NastavZamery(std::vector<int> zamery);
    void Serad();
    // Shows only the shots with an end of that name (blanks ignored); "" shows all.
    void NastavFiltr(const std::string& bod);
    // Selects the line of that shot when it is shown.
    void Vyber(int zamera);
    // The shot of the selected line, 0 when none.
    int Vybrana() const;
    QListWidget* Seznam() const { return seznam_; }

private:
    void Naplnit();
    void FiltrZKonce(bool prvni);
    std::string Radek(int zamera) const;

    const Model& model_;
    std::vector<int> zamery_;
    std::vector<int> zobrazene_;
    QListWidget* seznam_;
    QLineEdit* podleBodu_;
};

class DlgZam {
public:
    explicit DlgZam(const Model& model, QWidget* parent = nullptr) : okno_(model, parent) {}

    void Caption(const std::string& titulek);
    // Orders the list by the names of the shots' ends.
    void Serad() { okno_.Serad(); }
    void SetSezZam(const std::vector<int>& zamery) { okno_.NastavZamery(zamery); }
    // Shows the window modally; the chosen shot, 0 when cancelled.
    int Show();
    void VyberBod(const std::string& bod) { okno_.NastavFiltr(bod); }
    void VyberDle(int zamera) { okno_.Vyber(zamera); }
    void ZavriSe() { okno_.reject(); }
    frmDlgZam& Okno() { return okno_; }

private:
    frmDlgZam okno_;
};

} // namespace lomvira
