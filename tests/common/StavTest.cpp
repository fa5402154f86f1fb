// The busy guard and the answer a silent message box gives.

#include "common/Platforma.h"
#include "common/Stav.h"

#include <gtest/gtest.h>

namespace lomvira {
namespace {

TEST(Stav, DruhaPraceSeOdmitneAStrazceUvolniJenCoZiskal)
{
    StavZpracovani s, other;
    {
        Prace outer(s);
        ASSERT_TRUE(outer.Ziskano());
        {
            Prace inner(s); // a command arriving during a status-line yield
            EXPECT_FALSE(inner.Ziskano());
        }
        EXPECT_EQ(s.Zaneprazdneno(), 1); // the refused guard must not end the outer one's work
        EXPECT_TRUE(other.ZacniPraci());  // two contexts do not share the guard
    }
    EXPECT_EQ(s.Zaneprazdneno(), 0);
    try {
        Prace p(s);
        throw 1;
    } catch (int) {
    }
    EXPECT_EQ(s.Zaneprazdneno(), 0);
}

TEST(MsgBoxTest, VychoziTlacitko)
{
    using namespace MsgBox;
    const int cases[][2] = {
        {OkCancel | DefaultButton2, Cancel},
        {AbortRetryIgnore | DefaultButton3, Ignore},
        {YesNoCancel | DefaultButton2, No},
        // Icon and help bits do not move the default.
        {YesNo | Question | DefaultButton2 | HelpButton, No},
        // A default position the set lacks leaves the first button the default.
        {YesNo | DefaultButton3, Yes},
        {AbortRetryIgnore | 0x300, Abort},
        {7 | DefaultButton2, Ok}, // set codes past 5 are a plain OK box
    };
    for (const auto& c : cases)
        EXPECT_EQ(DefaultAnswer(c[0]), c[1]) << "style " << c[0];
}

} // namespace
} // namespace lomvira
