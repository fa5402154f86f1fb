#pragma once
// Reading and writing files: notebooks with their encoding, and writes that either
// complete or leave the old file untouched.

#include <string>

namespace lomvira {

enum class Kodovani { Utf8, Utf8Bom, Windows1250 };

struct NactenyText {
    bool ok = false;
    std::string text;             // UTF-8
    Kodovani kodovani = Kodovani::Utf8;
    std::string chyba;            // Czech reason when !ok
};

// The longest line the notebook reader can hold (its columns are 16-bit).
inline constexpr std::size_t MaxDelkaRadku = 32767;

// Reads a notebook: valid UTF-8 (a byte-order mark is dropped), else Windows-1250.
// Refuses files that are not text (NUL bytes, undecodable bytes) or have a line longer
// than MaxDelkaRadku, with a Czech reason.
NactenyText NactiZapisnik(const std::string& path);

// Decodes bytes by the same rule; `path` only names the file in messages.
NactenyText DekodujZapisnik(const std::string& bytes, const std::string& path);

// Saves UTF-8 text in the given encoding. Returns "" or the Czech reason of the failure.
std::string UlozZapisnik(const std::string& path, const std::string& text, Kodovani kodovani);

// Writes bytes completely or not at all (temporary file in the same folder, then rename).
// Returns "" or the Czech reason of the failure, naming the file.
std::string ZapisSouborBezpecne(const std::string& path, const std::string& bytes);

// Reads the whole file as bytes; false when it cannot be read (reason in Czech).
bool CtiSoubor(const std::string& path, std::string& bytes, std::string& chyba);

// Encoding conversions through iconv. False when the text cannot be converted.
bool Windows1250NaUtf8(const std::string& in, std::string& out);
bool Utf8NaWindows1250(const std::string& in, std::string& out);

// The folder for temporary files: $TEMP, else the system's one.
std::string DocasnaSlozka();

} // namespace lomvira
