#pragma once
// The "Dané body" panel: the given points, by their output coordinates ("Souřadnice") or
// by where they came from ("Zdroje").

#include <QWidget>

class QLabel;
class QListWidget;
class QRadioButton;

namespace lomvira {

struct Kontext;

class PanelDaneBody : public QWidget {
    Q_OBJECT

public:
    explicit PanelDaneBody(Kontext& kontext, QWidget* parent = nullptr);

    void Obnov();
    void Vycisti();
    void NastavPismo(const QFont& pismo);

    QStringList Radky() const;
    QString Hlavicka() const;

private:
    void Souradnice(QStringList& radky, QString& hlavicka) const;
    void Zdroje(QStringList& radky, QString& hlavicka) const;

    Kontext& k_;
    QLabel* hlavicka_;
    QListWidget* seznam_;
    QRadioButton* souradnice_;
    QRadioButton* zdroje_;
};

} // namespace lomvira
