#pragma once
// "Zadané body": the given points in the notebook's system, with their deletion.

#include <QDialog>

#include <functional>
#include <string>

class QTreeWidget;

namespace lomvira {

struct Kontext;

class FZnBody : public QDialog {
    Q_OBJECT

public:
    // `oblast` is the region selected in the main window (0: all), for the frame's title.
    FZnBody(Kontext& kontext, int oblast, QWidget* parent = nullptr);

    // "Vymaž" on the selected point: asks, then deletes it with its connections.
    void Vymaz();
    void Vyber(int danyBod);
    QTreeWidget* Seznam() const { return seznam_; }

    // Told the name of every deleted point.
    std::function<void(const std::string&)> PriSmazani;

private:
    void Obnov();

    Kontext& k_;
    QTreeWidget* seznam_;
};

} // namespace lomvira
