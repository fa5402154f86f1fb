#pragma once
// What the list panels share: a header line above a list of text lines in the listing
// font, and for the panels with two views the row of view options and "Obnov".

#include <QWidget>

#include <functional>

class QLabel;
class QListWidget;
class QRadioButton;

namespace lomvira {

class PanelSeznamu : public QWidget {
    Q_OBJECT

public:
    void Vycisti();
    void NastavPismo(const QFont& pismo);

    QStringList Radky() const;
    QString Hlavicka() const;

protected:
    PanelSeznamu(const char* jmenoSeznamu, QWidget* parent);

    // The two view options (the first checked), "Obnov" beside them, then the header and
    // the list; both the options and the button run `obnov`.
    void SestavSDvemaPohledy(const QString& prvni, const char* jmenoPrvniho, const QString& druhy,
                             const char* jmenoDruheho, const std::function<void()>& obnov);

    QLabel* hlavicka_;
    QListWidget* seznam_;
    QRadioButton* prvniPohled_ = nullptr;
    QRadioButton* druhyPohled_ = nullptr;
};

} // namespace lomvira
