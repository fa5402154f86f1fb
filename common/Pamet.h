#pragma once
// Memory for the large tables of a survey.

#include <cstddef>

namespace lomvira {

// Makes room in the heap for about that many bytes of tables about to be built. On a
// virtual machine, fresh memory handed out 4 KB page by page costs a fault each, and the
// faults were the largest share of a large load; grown at once and advised to use huge
// pages (where the system allows it), the heap takes the tables with a fraction of them.
// Memory freed later stays with the process for the next load. Does nothing where the
// allocator offers no such control.
void PripravPamet(std::size_t bajty);
// The same for the survey of a notebook text of that length: its text, records and tables
// take some thirty bytes for each byte of text.
inline void PripravPametProZapisnik(std::size_t delkaTextu) { PripravPamet(delkaTextu * 32); }

} // namespace lomvira
