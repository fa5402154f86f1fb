#pragma once
// The printed protocol of the open survey: what it is printed from and the values of one
// print run, taken from the context (the window's dialog and the CLI share them).

#include "app/Kontext.h"
#include "common/Text.h"
#include "reports/TiskProtokolu.h"

#include <string>

namespace lomvira {

inline PodkladyTisku PodkladyProtokolu(const Kontext& k)
{
    return {k.model, k.sit, k.seznamMereni, k.razeniBodu, k.nacti.get(), k.stav.Stav == 3};
}

// A run with the fonts of the options, the report comment trimmed, the notebook's file name,
// the time stamp and the user's number marks.
inline BehTisku BehProtokolu(Kontext& k, const std::string& casovaZnacka, const FormatCisel& format)
{
    BehTisku beh(k.platforma);
    if (!k.volby.FontProp.empty())
        beh.pismoProp = k.volby.FontProp;
    if (!k.volby.FontTab.empty())
        beh.pismoTab = k.volby.FontTab;
    beh.komentar = Orizni(k.komentarZpravy);
    beh.casovaZnacka = casovaZnacka;
    beh.soubor = k.souborZapisniku;
    beh.format = format;
    return beh;
}

} // namespace lomvira
