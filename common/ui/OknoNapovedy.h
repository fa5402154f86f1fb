#pragma once
// The program's help: Czech pages compiled into the program, shown in a window at the topic
// of a help context (a notebook error number, 0 for the notebook format).

#include <QDialog>
#include <QUrl>

class QTextBrowser;

namespace lomvira {

// The page of a help context; the contents page when the context has none of its own.
QUrl StrankaNapovedy(int helpContext);
inline constexpr const char* ObsahNapovedy = "qrc:/napoveda/obsah.html";
inline constexpr const char* NapovedaOkna = "qrc:/napoveda/okno.html";

class OknoNapovedy : public QDialog {
    Q_OBJECT

public:
    explicit OknoNapovedy(QWidget* parent = nullptr);
    void Otevri(const QUrl& stranka);
    QTextBrowser* Prohlizec() const { return prohlizec_; }

private:
    QTextBrowser* prohlizec_;
};

} // namespace lomvira
