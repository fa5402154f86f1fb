#pragma once
// What the dialogs of the insert menu share: "Vložit" builds the command from the controls
// and closes the dialog, or shows why the command cannot be written and stays open; the
// date line some commands may start with.

#include "input/VkladaniPrikazu.h"

#include <QDate>
#include <QDialog>

#include <string>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QWidget;

namespace lomvira {

// The user's short date form, always with the whole year.
QString FormatKratkehoData();
// The date in that form, as the date line quotes it.
std::string KratkeDatum(const QDate& datum);
// A typed date in that form (or as d.M.yyyy); invalid when the text is no date.
QDate DatumZTextu(const QString& text);
// The date line of a calendar date.
std::string RadekDatumu(const QDate& datum);
// The calendar date of a notebook's yyyymmdd; today when it has none.
QDate DatumZapisniku(std::int32_t datum);
// The angle units in code order: degrees, grads, radians.
QComboBox* VyberJednotek(QWidget* rodic, const char* jmeno);

class DialogPrikazu : public QDialog {
    Q_OBJECT

public:
    // The command the controls describe, or why it cannot be written.
    virtual HotovyPrikaz Prikaz() const = 0;
    // The command "Vložit" accepted; empty before.
    const std::string& Text() const { return text_; }

protected:
    DialogPrikazu(const QString& titulek, QWidget* parent);
    // "Vložit" (default) and "Zrušit" at the end of the layout.
    void PridejTlacitka(QBoxLayout* rozvrzeni);
    // The "Vložit datum" box with its date; the date line when it is ticked.
    QWidget* VytvorDatum(QDate navrh);
    std::string Datum() const;

private:
    void Vloz();
    std::string text_;
    QCheckBox* chkDatum_ = nullptr;
    QDateEdit* datum_ = nullptr;
};

} // namespace lomvira
