#pragma once
// A read-only listing in the listing font, under an optional column header: the
// instruments ("Měřidla") and the measurements ("Mereni").

#include <QWidget>

#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;

namespace lomvira {

class PanelVypis : public QWidget {
    Q_OBJECT

public:
    explicit PanelVypis(const QString& hlavicka = {}, QWidget* parent = nullptr);

    void NastavRadky(const std::vector<std::string>& radky);
    // A text whose lines end with LF or CR LF.
    void NastavText(const std::string& text);
    void Vycisti();
    void NastavPismo(const QFont& pismo);
    // The shown lines; none when the listing is empty.
    QStringList Radky() const;

private:
    QLabel* hlavicka_;
    QPlainTextEdit* text_;
};

} // namespace lomvira
