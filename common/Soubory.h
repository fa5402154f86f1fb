#pragma once
// Reading and writing files: notebooks with their encoding, and writes that either
// complete or leave the old file untouched.

#include "common/Text.h"

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace lomvira {

enum class Kodovani { Utf8, Utf8Bom, Windows1250 };

struct NactenyText {
    bool ok = false;
    std::string text;             // UTF-8
    Kodovani kodovani = Kodovani::Utf8;
    std::string chyba;            // Czech reason when !ok
    KonecRadku konecRadku = KonecRadku::LF; // the most frequent line end, kept when saved
};

// The longest line the notebook reader can hold (its columns are 16-bit).
inline constexpr std::size_t MaxDelkaRadku = 32767;
// The largest notebook file that is read; a larger one is refused before it is read.
inline constexpr std::uint64_t MaxVelikostZapisniku = 512ull * 1024 * 1024;

// Reads a notebook: valid UTF-8 (a byte-order mark is dropped), else Windows-1250.
// Refuses, with a Czech reason, what is not a regular file, a file larger than
// MaxVelikostZapisniku, files that are not text (NUL bytes, undecodable bytes) and files
// with a line longer than MaxDelkaRadku.
NactenyText NactiZapisnik(const std::string& path);

// Decodes bytes by the same rule; `path` only names the file in messages.
NactenyText DekodujZapisnik(std::string bytes, const std::string& path);

// The 1-based number of the first line longer than MaxDelkaRadku bytes (a lone CR, a LF
// and a CR LF each end a line), or 0 when there is none.
std::size_t PrilisDlouhyRadek(std::string_view text);

// Saves UTF-8 text in the given encoding. A text that could not be opened again (a line
// longer than MaxDelkaRadku) is not saved. Returns "" or the Czech reason of the failure.
std::string UlozZapisnik(const std::string& path, const std::string& text, Kodovani kodovani);

// Writes bytes completely or not at all (temporary file in the same folder as the file,
// then rename). A symbolic link is followed, so that the file it points to is replaced and
// the link stays; a replaced file keeps its permission bits (without set-user and
// set-group) and, where the system lets us, its owner and group. The folder is synced
// after the rename, and a failed write leaves no temporary file behind. Returns "" or the
// Czech reason of the failure, naming the file.
std::string ZapisSouborBezpecne(const std::string& path, const std::string& bytes);

// Reads the whole file as bytes. Only a regular file is read: a folder, FIFO, device or
// socket is refused at once (nothing waits for a writer), and so is a file larger than
// maxVelikost bytes. False when it cannot be read (reason in Czech, naming the file).
bool CtiSoubor(const std::string& path, std::string& bytes, std::string& chyba,
               std::uint64_t maxVelikost = std::numeric_limits<std::uint64_t>::max());

// Why the file cannot be read as a regular file (a folder, FIFO, device or socket, or no
// permission), in Czech; "" when it can be read or does not exist at all.
std::string ProcNelzeCist(const std::string& path);

// True when the file exists and may not be written: nobody has write permission on it,
// or this user has not.
bool JeJenProCteni(const std::string& path);

// The Czech reason of a system error number.
std::string DuvodChyby(int err);

// Encoding conversions through iconv. False when the text cannot be converted.
bool Windows1250NaUtf8(const std::string& in, std::string& out);
bool Utf8NaWindows1250(const std::string& in, std::string& out);

// The folder for temporary files: $TEMP, else the system's one.
std::string DocasnaSlozka();

} // namespace lomvira
