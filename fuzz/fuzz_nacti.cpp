// Any bytes, read as a notebook file and parsed: no crash, hang or undefined behaviour.
#include "common/Nastaveni.h"
#include "common/Platforma.h"
#include "common/Soubory.h"
#include "input/Nacti.h"
#include "input/VypisZapisniku.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// Answers every box with its default button and every input box with its default text.
class TichaPlatforma : public lomvira::Platforma {
public:
    int ZpravaBox(const std::string&, int style, const std::string&, int) override
    {
        return lomvira::MsgBox::DefaultAnswer(style);
    }
    std::optional<std::string> VstupniBox(const std::string&, const std::string&, const std::string& d) override
    {
        return d;
    }
    void StavovyRadek(const std::string&) override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const lomvira::NactenyText text = lomvira::DekodujZapisnik(bytes, "fuzz.mer");
    if (!text.ok)
        return 0;
    TichaPlatforma platforma;
    lomvira::Volby volby;
    for (bool interaktivni : {false, true}) {
        lomvira::Nacti nacti(platforma, volby);
        nacti.Zapisnik(text.text);
        nacti.Interaktivni = interaktivni;
        nacti.Zpracuj();
        (void)lomvira::VypisZapisniku(nacti);
        if (nacti.IsError())
            (void)lomvira::ZpravaOChybe(nacti);
    }
    return 0;
}
