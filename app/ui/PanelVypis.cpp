#include "app/ui/PanelVypis.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace lomvira {

PanelVypis::PanelVypis(const QString& hlavicka, QWidget* parent) : QWidget(parent)
{
    auto* rozvrh = new QVBoxLayout(this);
    hlavicka_ = new QLabel(hlavicka, this);
    hlavicka_->setObjectName("lblHlavicka");
    hlavicka_->setTextFormat(Qt::PlainText);
    hlavicka_->setVisible(!hlavicka.isEmpty());
    text_ = new QPlainTextEdit(this);
    text_->setObjectName("txtVypis");
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    rozvrh->addWidget(hlavicka_);
    rozvrh->addWidget(text_, 1);
}

void PanelVypis::NastavRadky(const std::vector<std::string>& radky)
{
    QStringList texty;
    texty.reserve(static_cast<qsizetype>(radky.size()));
    for (const std::string& r : radky)
        texty.append(QString::fromStdString(r));
    text_->setPlainText(texty.join(QLatin1Char('\n')));
}

void PanelVypis::NastavText(const std::string& text)
{
    QString t = QString::fromStdString(text);
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (t.endsWith(QLatin1Char('\n')))
        t.chop(1);
    text_->setPlainText(t);
}

void PanelVypis::Vycisti()
{
    text_->clear();
}

void PanelVypis::NastavPismo(const QFont& pismo)
{
    hlavicka_->setFont(pismo);
    text_->setFont(pismo);
}

QStringList PanelVypis::Radky() const
{
    const QString t = text_->toPlainText();
    return t.isEmpty() ? QStringList() : t.split(QLatin1Char('\n'));
}

} // namespace lomvira
