#include "app/Platforma.h"

namespace lomvira::MsgBox {

int DefaultAnswer(int style)
{
    static constexpr int answers[6][3] = {
        {Ok, Ok, Ok},
        {Ok, Cancel, Cancel},
        {Abort, Retry, Ignore},
        {Yes, No, Cancel},
        {Yes, No, No},
        {Retry, Cancel, Cancel},
    };
    int set = style & ButtonMask;
    if (set > 5)
        set = 0;
    int button = (style & DefaultMask) / 256; // 0-based
    if (button > 2)
        button = 0;
    return answers[set][button];
}

} // namespace lomvira::MsgBox
