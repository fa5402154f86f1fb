#include "common/Platforma.h"

#include <cmath>

namespace lomvira {

void Platforma::ZacniPrubeh(const std::string& text, long total)
{
    prubehText_ = text;
    prubehCelkem_ = total;
    prubehKrok_ = std::lround(total / 100.0);
    prubehPosledni_ = 0;
}

void Platforma::KrokPrubehu(long done)
{
    if (done - prubehPosledni_ < prubehKrok_ || prubehCelkem_ <= 0)
        return;
    prubehPosledni_ = done;
    const long procenta = std::lround(100.0 * static_cast<double>(done) / static_cast<double>(prubehCelkem_));
    StavovyRadek(prubehText_ + "... Hotovo " + std::to_string(procenta) + "%.");
}

void Platforma::KonecPrubehu()
{
    StavovyRadek(prubehText_ + "...hotovo.");
}

} // namespace lomvira

namespace lomvira::MsgBox {

int DefaultAnswer(int style)
{
    // The buttons of each set, left to right; 0 ends a shorter set.
    static constexpr int buttons[6][3] = {
        {Ok, 0, 0},
        {Ok, Cancel, 0},
        {Abort, Retry, Ignore},
        {Yes, No, Cancel},
        {Yes, No, 0},
        {Retry, Cancel, 0},
    };
    int set = style & ButtonMask;
    if (set > 5)
        set = 0;
    // A default button the set does not have leaves the first one as the default.
    const int button = (style & DefaultMask) / 256; // 0-based
    if (button > 2 || buttons[set][button] == 0)
        return buttons[set][0];
    return buttons[set][button];
}

} // namespace lomvira::MsgBox
