// The processing state, the busy guard and the answer a silent message box gives.

#include "common/Platforma.h"
#include "common/Stav.h"

#include <gtest/gtest.h>

namespace lomvira {
namespace {

TEST(Stav, PredikatyCtouSvujBit)
{
    StavZpracovani s;
    // 0x2 belongs to no phase; each predicate reads only its own bit.
    for (std::uint16_t hotovo : {0x0, 0x1, 0x2, 0x4, 0x8, 0xFFF9}) {
        s.Hotovo = hotovo;
        EXPECT_EQ(s.JeNacteno(), hotovo == 0x1 || hotovo == 0xFFF9) << hotovo;
        EXPECT_EQ(s.JeVektorizovano(), hotovo == 0x4) << hotovo;
        EXPECT_EQ(s.JeVypocteno(), hotovo == 0x8 || hotovo == 0xFFF9) << hotovo;
    }
}

TEST(Stav, DruhaPraceSeOdmitne)
{
    StavZpracovani s, other;
    ASSERT_TRUE(s.ZacniPraci());
    // A command arriving during a status-line yield is refused and leaves the count.
    EXPECT_FALSE(s.ZacniPraci());
    EXPECT_FALSE(s.ZacniPraci());
    EXPECT_EQ(s.Zaneprazdneno(), 1);
    EXPECT_TRUE(other.ZacniPraci()); // two contexts do not share the guard
    s.KonecPrace();
    EXPECT_EQ(s.Zaneprazdneno(), 0);
    EXPECT_TRUE(s.ZacniPraci());
}

TEST(Stav, StrazceUvolniJenCoZiskal)
{
    StavZpracovani s;
    {
        Prace outer(s);
        ASSERT_TRUE(outer.Ziskano());
        {
            Prace inner(s);
            EXPECT_FALSE(inner.Ziskano());
        }
        // The refused inner guard must not end the outer one's work.
        EXPECT_EQ(s.Zaneprazdneno(), 1);
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
        {OkOnly, Ok},
        {OkCancel, Ok},
        {OkCancel | DefaultButton2, Cancel},
        {AbortRetryIgnore, Abort},
        {AbortRetryIgnore | DefaultButton2, Retry},
        {AbortRetryIgnore | DefaultButton3, Ignore},
        {YesNoCancel, Yes},
        {YesNoCancel | DefaultButton2, No},
        {YesNoCancel | DefaultButton3, Cancel},
        {YesNo, Yes},
        {YesNo | DefaultButton2, No},
        {RetryCancel, Retry},
        {RetryCancel | DefaultButton2, Cancel},
        // Icon and help bits do not move the default.
        {YesNo | Question | DefaultButton2 | HelpButton, No},
        {YesNoCancel | Exclamation | DefaultButton3, Cancel},
        // A default position the set lacks leaves the first button the default.
        {OkOnly | DefaultButton2, Ok},
        {YesNo | DefaultButton3, Yes},
        {RetryCancel | DefaultButton3, Retry},
        {AbortRetryIgnore | 0x300, Abort},
        // Set codes past 5 are a plain OK box.
        {7 | DefaultButton2, Ok},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DefaultAnswer(c[0]), c[1]) << "style " << c[0];
}

} // namespace
} // namespace lomvira
