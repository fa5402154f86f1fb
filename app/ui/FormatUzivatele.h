#pragma once
// The number marks of the user's locale, for listings and printed protocols alike.

#include "reports/VypisBodu.h"

namespace lomvira {

// The decimal mark and the thousands separator of the user's locale (QLocale's default);
// a decimal mark that is no single ASCII character falls back to ".".
FormatCisel FormatUzivatele();

} // namespace lomvira
