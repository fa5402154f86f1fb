#pragma once
// The platform of the desktop program: Qt message and input boxes, and the status line
// in the main window's status bar.

#include "common/Platforma.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPointer>
#include <QWidget>

namespace lomvira {

// Title of boxes that are given none.
inline constexpr const char* TitulekZprav = "Lomvira";

class QtPlatforma : public Platforma {
public:
    // The window that owns the boxes and the status bar pane that shows the status line.
    // Either may be null (before the window exists, or after it is gone).
    void PripojOkno(QWidget* okno, QLabel* koment);

    int ZpravaBox(const std::string& text, int style, const std::string& title = {},
                  int helpContext = 0) override;
    std::optional<std::string> VstupniBox(const std::string& prompt, const std::string& title,
                                          const std::string& defaultText) override;
    void StavovyRadek(const std::string& text) override;
    // Beside the text, a step that runs for more than a moment shows a bar in the status bar.
    void ZacniPrubeh(const std::string& text, long total) override;
    void KrokPrubehu(long done) override;
    void KonecPrubehu() override;
    char DesetinnyZnak() const override;

private:
    void ZobrazNapovedu(QWidget* box, int helpContext);

    QPointer<QWidget> okno_;
    QPointer<QLabel> koment_;
    QPointer<QProgressBar> prubeh_;
    QElapsedTimer hodinyPrubehu_;
    long celkemPrubehu_ = 0;
};

} // namespace lomvira
