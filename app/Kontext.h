#pragma once
// Everything one open survey owns: options, processing state and (as they arrive) the
// survey model and the parsed notebook. The front end creates one and hands it to every
// phase; two may live side by side.

#include "common/Nastaveni.h"
#include "common/Platforma.h"
#include "common/Stav.h"
#include "input/Nacti.h"
#include "model/Model.h"
#include "model/Razeni.h"
#include "network/Krizovat.h"
#include "reports/SeznamMereni.h"
#include "reports/VypisBodu.h"

#include <memory>

#include <string>

namespace lomvira {

struct Kontext {
    Kontext(Platforma& p, UlozisteNastaveni& s) : platforma(p), nastaveni(s) {}
    Kontext(const Kontext&) = delete;
    Kontext& operator=(const Kontext&) = delete;

    Platforma& platforma;
    UlozisteNastaveni& nastaveni;
    Volby volby;
    StavZpracovani stav;
    Model model;
    // The groups of the last vectorisation and the adjacency of the measured network.
    Krizovat sit{model, platforma};
    // The parser of the last load, kept for the listings, outputs and dialogs.
    std::unique_ptr<Nacti> nacti;
    // The parser's error number of the last load; 0 when it succeeded, ChybaMimoZapisnik
    // when it failed for another reason (memory).
    int posledniChybaNacteni = 0;
    SeznamMereni seznamMereni;
    // Every station name of the last load, in natural order.
    Razeni razeniBodu;
    // The current notebook file; empty for one never saved.
    std::string souborZapisniku;
    // The report comment shared by the printed reports, the document output and the
    // viewer export; emptied when a notebook is opened.
    std::string komentarZpravy;

    // Shows the text in the status line and lets the front end process events.
    void StavovyRadek(const std::string& text) { platforma.StavovyRadek(text); }

    // The notebook's coordinate system; none before a load.
    const SourSystem* Soustava() const { return nacti ? &nacti->SourSys() : nullptr; }
    // The stations as the listings show them.
    ZdrojBodu Body() const { return {model, Soustava(), razeniBodu, stav.Stav == 3}; }
};

inline constexpr int ChybaMimoZapisnik = -1;

// Vectorises the survey of the context (see the network's Vectorize). Running out of
// memory is told and leaves the survey loaded but not vectorised.
void Vectorize(Kontext& k);

// A phase that ran out of memory, at its boundary: the stage falls back to `stav` (the
// phases after it undone), the status line is cleared and the user told, as for any
// failed phase.
void NedostatekPameti(Kontext& k, const std::string& zprava, std::int16_t stav);

} // namespace lomvira
