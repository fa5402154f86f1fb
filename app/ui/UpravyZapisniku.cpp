#include "app/ui/UpravyZapisniku.h"

#include "app/ui/EditorZapisniku.h"
#include "app/ui/Form1.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace lomvira {

namespace {

void PrejdiNaRadek(Form1& okno)
{
    auto* editor = qobject_cast<EditorZapisniku*>(okno.Editor());
    QInputDialog d(&okno);
    d.setWindowTitle(QStringLiteral("Přejdi na řádek"));
    d.setLabelText(QStringLiteral("Číslo řádku (1 až %1):").arg(editor->blockCount()));
    d.setInputMode(QInputDialog::IntInput);
    d.setIntRange(1, editor->blockCount());
    d.setIntValue(editor->textCursor().blockNumber() + 1);
    d.setOkButtonText(QStringLiteral("OK"));
    d.setCancelButtonText(QStringLiteral("Storno"));
    if (d.exec() == QDialog::Accepted)
        editor->PrejdiNaRadek(d.intValue());
}

} // namespace

void PridejUpravy(Form1& okno)
{
    QMenu* upravy = okno.PridejMenu(QStringLiteral("Úp&ravy"), QStringLiteral("Výpočet"));
    upravy->setObjectName("mnuUpravy");
    auto* najdi = new FNajdi(okno.Editor(), &okno);
    auto polozka = [&](const char* text, const char* jmeno, const QKeySequence& klavesy, auto prikaz) {
        QAction* a = upravy->addAction(QString::fromUtf8(text));
        a->setObjectName(jmeno);
        a->setShortcut(klavesy);
        QObject::connect(a, &QAction::triggered, &okno, [&okno, prikaz] {
            // The commands work on the editor, so they show it first.
            okno.Zalozky()->setCurrentWidget(okno.Zalozka("zapisnik"));
            prikaz();
        });
    };
    polozka("Přejdi na řádek...", "mnuPrejdiNaRadek", QKeySequence(Qt::CTRL | Qt::Key_G),
            [&okno] { PrejdiNaRadek(okno); });
    polozka("Najdi...", "mnuNajdi", QKeySequence(Qt::CTRL | Qt::Key_F), [najdi] { najdi->Ukaz(false); });
    polozka("Najdi další", "mnuNajdiDalsi", QKeySequence(Qt::Key_F3), [najdi] { najdi->NajdiDalsi(); });
    polozka("Nahraď...", "mnuNahrad", QKeySequence(Qt::CTRL | Qt::Key_H), [najdi] { najdi->Ukaz(true); });
}

FNajdi::FNajdi(QPlainTextEdit* editor, QWidget* parent) : QDialog(parent), editor_(editor)
{
    setObjectName("FNajdi");
    hledat_ = new QLineEdit(this);
    hledat_->setObjectName("txtHledat");
    nahradit_ = new QLineEdit(this);
    nahradit_->setObjectName("txtNahradit");
    auto* popisHledat = new QLabel(QStringLiteral("&Najít:"), this);
    popisHledat->setBuddy(hledat_);
    popisNahradit_ = new QLabel(QStringLiteral("Nahradit &za:"), this);
    popisNahradit_->setBuddy(nahradit_);
    velikost_ = new QCheckBox(QStringLiteral("Rozlišovat velká a malá &písmena"), this);
    auto* tlDalsi = new QPushButton(QStringLiteral("Najdi &další"), this);
    tlDalsi->setDefault(true);
    tlNahrad_ = new QPushButton(QStringLiteral("Nah&raď"), this);
    tlNahradVse_ = new QPushButton(QStringLiteral("Nahraď &vše"), this);
    auto* tlZavri = new QPushButton(QStringLiteral("Zavří&t"), this);
    zprava_ = new QLabel(this);
    zprava_->setObjectName("lblZprava");

    auto* mrizka = new QGridLayout(this);
    mrizka->addWidget(popisHledat, 0, 0);
    mrizka->addWidget(hledat_, 0, 1);
    mrizka->addWidget(tlDalsi, 0, 2);
    mrizka->addWidget(popisNahradit_, 1, 0);
    mrizka->addWidget(nahradit_, 1, 1);
    mrizka->addWidget(tlNahrad_, 1, 2);
    mrizka->addWidget(velikost_, 2, 0, 1, 2);
    mrizka->addWidget(tlNahradVse_, 2, 2);
    mrizka->addWidget(zprava_, 3, 0, 1, 2);
    mrizka->addWidget(tlZavri, 3, 2);

    connect(tlDalsi, &QPushButton::clicked, this, &FNajdi::NajdiDalsi);
    connect(tlNahrad_, &QPushButton::clicked, this, &FNajdi::Nahrad);
    connect(tlNahradVse_, &QPushButton::clicked, this, &FNajdi::NahradVse);
    connect(tlZavri, &QPushButton::clicked, this, &QDialog::close);
}

void FNajdi::Ukaz(bool nahrazovat)
{
    setWindowTitle(nahrazovat ? QStringLiteral("Nahradit") : QStringLiteral("Najít"));
    for (QWidget* w : std::initializer_list<QWidget*>{popisNahradit_, nahradit_, tlNahrad_, tlNahradVse_})
        w->setVisible(nahrazovat);
    const QString vybrano = editor_->textCursor().selectedText();
    if (!vybrano.isEmpty() && !vybrano.contains(QChar::ParagraphSeparator))
        hledat_->setText(vybrano);
    zprava_->clear();
    show();
    raise();
    activateWindow();
    hledat_->setFocus();
    hledat_->selectAll();
}

bool FNajdi::NajdiDalsi()
{
    const QString text = hledat_->text();
    if (text.isEmpty())
        return false;
    const QTextDocument::FindFlags volby =
        velikost_->isChecked() ? QTextDocument::FindCaseSensitively : QTextDocument::FindFlags();
    QTextCursor nalez = editor_->document()->find(text, editor_->textCursor(), volby);
    if (nalez.isNull())
        nalez = editor_->document()->find(text, 0, volby);
    if (nalez.isNull()) {
        zprava_->setText(QStringLiteral("Text „%1“ nebyl nalezen.").arg(text));
        return false;
    }
    zprava_->clear();
    editor_->setTextCursor(nalez);
    return true;
}

bool FNajdi::Vybrano() const
{
    const Qt::CaseSensitivity cs = velikost_->isChecked() ? Qt::CaseSensitive : Qt::CaseInsensitive;
    return !hledat_->text().isEmpty() && editor_->textCursor().selectedText().compare(hledat_->text(), cs) == 0;
}

bool FNajdi::Nahrad()
{
    if (Vybrano())
        editor_->textCursor().insertText(nahradit_->text());
    return NajdiDalsi();
}

int FNajdi::NahradVse()
{
    const QString text = hledat_->text();
    if (text.isEmpty())
        return 0;
    const QTextDocument::FindFlags volby =
        velikost_->isChecked() ? QTextDocument::FindCaseSensitively : QTextDocument::FindFlags();
    QTextCursor krok(editor_->document());
    krok.beginEditBlock();
    int pocet = 0;
    for (QTextCursor nalez = editor_->document()->find(text, 0, volby); !nalez.isNull();
         nalez = editor_->document()->find(text, nalez, volby)) {
        nalez.insertText(nahradit_->text());
        ++pocet;
    }
    krok.endEditBlock();
    zprava_->setText(QStringLiteral("Nahrazeno: %1×").arg(pocet));
    return pocet;
}

} // namespace lomvira
