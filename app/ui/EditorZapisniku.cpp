#include "app/ui/EditorZapisniku.h"

#include <QPainter>
#include <QTextBlock>

namespace lomvira {

class EditorZapisniku::Okraj : public QWidget {
public:
    explicit Okraj(EditorZapisniku* editor) : QWidget(editor), editor_(editor) {}
    QSize sizeHint() const override { return {editor_->SirkaOkraje(), 0}; }

protected:
    void paintEvent(QPaintEvent* event) override { editor_->KresliOkraj(event); }

private:
    EditorZapisniku* editor_;
};

EditorZapisniku::EditorZapisniku(QWidget* parent) : QPlainTextEdit(parent), okraj_(new Okraj(this))
{
    okraj_->setObjectName("okrajCisel");
    connect(this, &QPlainTextEdit::blockCountChanged, this, &EditorZapisniku::ObnovSirkuOkraje);
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& oblast, int posun) {
        if (posun != 0)
            okraj_->scroll(0, posun);
        else
            okraj_->update(0, oblast.y(), okraj_->width(), oblast.height());
    });
    ObnovSirkuOkraje();
}

int EditorZapisniku::SirkaOkraje() const
{
    int cifry = 1;
    for (int n = std::max(1, blockCount()); n >= 10; n /= 10)
        ++cifry;
    return 8 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * std::max(3, cifry);
}

void EditorZapisniku::ObnovSirkuOkraje()
{
    setViewportMargins(SirkaOkraje(), 0, 0, 0);
}

void EditorZapisniku::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    const QRect r = contentsRect();
    okraj_->setGeometry(r.left(), r.top(), SirkaOkraje(), r.height());
}

void EditorZapisniku::KresliOkraj(QPaintEvent* event)
{
    QPainter p(okraj_);
    p.fillRect(event->rect(), palette().color(QPalette::AlternateBase));
    p.setPen(palette().color(QPalette::Disabled, QPalette::Text));
    p.setFont(font());
    QTextBlock blok = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(blok).translated(contentOffset()).top());
    const int vyska = fontMetrics().height();
    while (blok.isValid() && top <= event->rect().bottom()) {
        const int dole = top + qRound(blockBoundingRect(blok).height());
        if (blok.isVisible() && dole >= event->rect().top())
            p.drawText(0, top, okraj_->width() - 4, vyska, Qt::AlignRight, QString::number(blok.blockNumber() + 1));
        blok = blok.next();
        top = dole;
    }
}

void EditorZapisniku::PrejdiNaRadek(int radek)
{
    const QTextBlock blok = document()->findBlockByNumber(std::clamp(radek, 1, blockCount()) - 1);
    QTextCursor kurzor(blok);
    setTextCursor(kurzor);
    centerCursor();
    setFocus();
}

} // namespace lomvira
