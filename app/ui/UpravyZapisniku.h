#pragma once
// "Úpravy": going to a line, finding and replacing text in the notebook editor.

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lomvira {

class Form1;

// The menu after "Soubor", with Ctrl+G, Ctrl+F and Ctrl+H.
void PridejUpravy(Form1& okno);

// Finding and replacing in the notebook; stays open beside the editor.
class FNajdi : public QDialog {
    Q_OBJECT

public:
    FNajdi(QPlainTextEdit* editor, QWidget* parent);
    // Shows the dialog with or without the replacing row, the selected text to find.
    void Ukaz(bool nahrazovat);
    // Selects the next occurrence after the caret, from the start again after the end.
    bool NajdiDalsi();
    // Replaces the selected occurrence and selects the next one.
    bool Nahrad();
    // Replaces every occurrence as one step of the editor's undo; returns how many.
    int NahradVse();

private:
    bool Vybrano() const;

    QPlainTextEdit* editor_;
    QLineEdit* hledat_;
    QLineEdit* nahradit_;
    QLabel* popisNahradit_;
    QCheckBox* velikost_;
    QPushButton* tlNahrad_;
    QPushButton* tlNahradVse_;
    QLabel* zprava_;
};

} // namespace lomvira
