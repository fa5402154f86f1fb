#pragma once
// The load: runs the parser over the notebook text and turns the parsed notebook into the
// survey model, the measurement list and the regions and connections the network needs.

#include "model/Typy.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lomvira {

struct Kontext;
class Nacti;
struct Mereni;

// What the load asks of the window that holds the notebook editor.
class OknoZapisniku {
public:
    virtual ~OknoZapisniku() = default;
    // Selects the faulty line: a 0-based byte offset into the text and a length in bytes.
    virtual void OznacChybnyRadek(std::int32_t zacatek, std::int32_t delka) = 0;
    // Shows the notebook editor's tab.
    virtual void PrepniNaZapisnik() = 0;
    // Gives the editor the focus.
    virtual void ZamerEditor() = 0;
    // "Lomvira pro Windows - " and the locality of the loaded notebook.
    virtual void NastavTitulek(const std::string& lokalita) = 0;
};

// Loads the text into the context's model. Does nothing while another long operation
// runs. On a notebook error the model keeps what the lines before the faulty one gave;
// the window (when given) selects the faulty line and the user is told.
void NactiZapisnik(Kontext& k, const std::string& text, OknoZapisniku* okno = nullptr);
// The same, handing the text over to the parser instead of copying it.
void NactiZapisnik(Kontext& k, std::string&& text, OknoZapisniku* okno = nullptr);

// Converts the parsed notebook into the model a record at a time, as the parser hands the
// records over: stations, shots, regions and the measurement list, then the given points.
class PrevodZapisniku {
public:
    // Makes room in the model for a notebook of the parser's number of lines.
    PrevodZapisniku(Kontext& k, Nacti& nacti);
    // Takes one record; false (with the parser's error set on its line) when the model
    // cannot take the shot.
    bool operator()(const Mereni& m);
    // The given points, once every record is in.
    void DaneBody();

private:
    CisloBodu Stanice(int pbod, std::string_view jmeno, bool& novy);

    Kontext& k_;
    Nacti& nacti_;
    std::vector<CisloBodu> stanicePBodu_; // the model's station of each parser point, 0 until met
    // Every station so far came from a parser point of a name its 10-character form keeps
    // apart from every other: a parser point met for the first time is then a new station.
    bool jmenaJednoznacna_ = false;
};

// The file title that names a notebook without LOKALITA: the name without its folder.
std::string TitulekSouboru(const std::string& path);

} // namespace lomvira
