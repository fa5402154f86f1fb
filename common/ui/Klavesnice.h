#pragma once
// Keyboard manners of every window: each menu and menu item gets an access key (Alt+letter)
// unique within its menu, and Tab walks the widgets in the order the eye reads them.

#include <QChar>
#include <QObject>
#include <QString>

class QWidget;

namespace lomvira {

// The letter after the single "&" of a caption, lower-case; null when there is none.
QChar KlavesaPristupu(const QString& text);
// The caption without its access-key marks ("&&" stays one "&").
QString BezKlavesyPristupu(const QString& text);

// Gives every action of the window's menu bars and menus that has no access key a free one:
// the first letter of one of its words, else any letter of it; keys written in a caption stay.
void DoplnKlavesyPristupu(QWidget* okno);

// Puts the window's Tab order into reading order: top to bottom, a row left to right, and the
// widgets of one group box or panel together.
void SeradTabulator(QWidget* okno);

// Does both for every window of the program when it is shown, and for menus opened later.
class KlavesniceOken : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;
};

} // namespace lomvira
