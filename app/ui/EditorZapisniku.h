#pragma once
// The notebook editor: plain text with the line numbers in a margin on its left.

#include <QPlainTextEdit>

namespace lomvira {

class EditorZapisniku : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit EditorZapisniku(QWidget* parent = nullptr);

    // Puts the caret at the start of line `radek` (1-based, kept within the text).
    void PrejdiNaRadek(int radek);
    // The width the margin needs for the largest line number.
    int SirkaOkraje() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    class Okraj;
    void KresliOkraj(QPaintEvent* event);
    void ObnovSirkuOkraje();

    QWidget* okraj_;
};

} // namespace lomvira
