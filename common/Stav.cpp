#include "common/Stav.h"

namespace lomvira {

bool StavZpracovani::ZacniPraci()
{
    ++zaneprazdneno_;
    if (zaneprazdneno_ == 1)
        return true;
    --zaneprazdneno_;
    return false;
}

void StavZpracovani::KonecPrace()
{
    if (zaneprazdneno_ > 0)
        --zaneprazdneno_;
}

} // namespace lomvira
