#include "common/ui/QtPlatforma.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

#include <vector>

namespace lomvira {

namespace {

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

// Texts from the notebook code end their lines with CR LF; a label wants LF only.
QString TextZpravy(const std::string& text)
{
    QString t = Q(text);
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return t;
}

// The answer codes of the style's buttons, in their order.
std::vector<int> Tlacitka(int style)
{
    switch (style & MsgBox::ButtonMask) {
    case MsgBox::OkCancel:
        return {MsgBox::Ok, MsgBox::Cancel};
    case MsgBox::AbortRetryIgnore:
        return {MsgBox::Abort, MsgBox::Retry, MsgBox::Ignore};
    case MsgBox::YesNoCancel:
        return {MsgBox::Yes, MsgBox::No, MsgBox::Cancel};
    case MsgBox::YesNo:
        return {MsgBox::Yes, MsgBox::No};
    case MsgBox::RetryCancel:
        return {MsgBox::Retry, MsgBox::Cancel};
    default:
        return {MsgBox::Ok};
    }
}

QMessageBox::StandardButton QtTlacitko(int kod)
{
    switch (kod) {
    case MsgBox::Cancel:
        return QMessageBox::Cancel;
    case MsgBox::Abort:
        return QMessageBox::Abort;
    case MsgBox::Retry:
        return QMessageBox::Retry;
    case MsgBox::Ignore:
        return QMessageBox::Ignore;
    case MsgBox::Yes:
        return QMessageBox::Yes;
    case MsgBox::No:
        return QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon Ikona(int style)
{
    switch (style & MsgBox::IconMask) {
    case MsgBox::Critical:
        return QMessageBox::Critical;
    case MsgBox::Question:
        return QMessageBox::Question;
    case MsgBox::Exclamation:
        return QMessageBox::Warning;
    case MsgBox::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

void QtPlatforma::PripojOkno(QWidget* okno, QLabel* koment)
{
    okno_ = okno;
    koment_ = koment;
}

int QtPlatforma::ZpravaBox(const std::string& text, int style, const std::string& title, int helpContext)
{
    const std::string titulek = title.empty() ? std::string(TitulekZprav) : title;
    QMessageBox box(okno_);
    box.setWindowTitle(Q(titulek));
    box.setTextFormat(Qt::PlainText);
    box.setText(TextZpravy(text));
    box.setIcon(Ikona(style));

    const std::vector<int> kody = Tlacitka(style);
    std::vector<QPushButton*> tlacitka;
    for (int kod : kody)
        tlacitka.push_back(box.addButton(QtTlacitko(kod)));
    QPushButton* napoveda = (style & MsgBox::HelpButton) ? box.addButton(QMessageBox::Help) : nullptr;

    // The same default as every other front end: the core decides it.
    const int vychozi = MsgBox::DefaultAnswer(style);
    // Closing the box counts as Cancel where there is one, else as the only button.
    int zavreni = 0;
    for (std::size_t i = 0; i < kody.size(); ++i) {
        if (kody[i] == vychozi)
            box.setDefaultButton(tlacitka[i]);
        if (kody[i] == MsgBox::Cancel || kody.size() == 1) {
            box.setEscapeButton(tlacitka[i]);
            zavreni = kody[i];
        }
    }
    for (;;) {
        box.exec();
        QAbstractButton* stisknuto = box.clickedButton();
        if (napoveda && stisknuto == napoveda) {
            ZobrazNapovedu(titulek, helpContext);
            continue;
        }
        for (std::size_t i = 0; i < kody.size(); ++i)
            if (stisknuto == tlacitka[i])
                return kody[i];
        return zavreni != 0 ? zavreni : vychozi;
    }
}

void QtPlatforma::ZobrazNapovedu(const std::string& title, int helpContext)
{
    const QString text = helpContext > 0
                             ? QStringLiteral("Nápověda k tomuto hlášení: téma č. %1.").arg(helpContext)
                             : QStringLiteral("K tomuto hlášení není nápověda.");
    QMessageBox::information(okno_, Q(title), text);
}

std::optional<std::string> QtPlatforma::VstupniBox(const std::string& prompt, const std::string& title,
                                                   const std::string& defaultText)
{
    QInputDialog dialog(okno_);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(Q(title.empty() ? std::string(TitulekZprav) : title));
    dialog.setLabelText(TextZpravy(prompt));
    dialog.setTextValue(Q(defaultText));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().toStdString();
}

void QtPlatforma::StavovyRadek(const std::string& text)
{
    if (koment_)
        koment_->setText(Q(text));
    // Twice: the first pass may post the repaint that the second one carries out.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

char QtPlatforma::DesetinnyZnak() const
{
    const QString znak = QLocale().decimalPoint();
    if (znak.size() == 1 && znak.at(0).unicode() < 128)
        return static_cast<char>(znak.at(0).unicode());
    return '.';
}

} // namespace lomvira
