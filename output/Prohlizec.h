#pragma once
// The polygon files of the external 3-D viewer: the text "UniPolygon" of its version 2.1
// (UTF-8 or Windows-1250) and the binary format of its version 1.2; and the viewer's
// launch on a temporary 2.1 file.

#include "output/VstupVystupu.h"

#include <functional>
#include <string>
#include <vector>

namespace lomvira {

// The UniPolygon text (UTF-8).
std::string TextPolygon21(const VstupVystupu& v);
// Writes the UniPolygon text, in UTF-8 or in Windows-1250; "" or the Czech reason.
std::string ZapisPolygon21(const VstupVystupu& v, const std::string& path, bool utf8);

// The bytes of the 1.2 format, or the Czech reason it cannot hold the survey (its point
// offsets are 16-bit numbers of 2 cm, its counts 16-bit, its names Windows-1250).
bool BajtyPolygon12(const VstupVystupu& v, std::string& bajty, std::string& chyba);
// Writes the 1.2 format completely or not at all; "" or the Czech reason.
std::string ZapisPolygon12(const VstupVystupu& v, const std::string& path);

struct BodVieweru {
    double x = 0, y = 0, z = 0;
};
// Appends the point record of p relative to the reference r (maxX, maxY, minZ): three
// 16-bit numbers of 2 cm. False (and nothing appended) when one does not fit.
bool ZapisBodRelativne(const BodVieweru& r, const BodVieweru& p, std::string& out);

// The text's UTF-8 bytes without a byte-order mark; a byte that is not part of a valid
// sequence becomes U+FFFD.
std::string ConvertToUTF8(const std::string& text);
// Replaces the file by the UTF-8 bytes of the text, completely or not at all; an empty
// text removes the file and leaves none. "" or the Czech reason.
std::string WriteUTF8FileEx(const std::string& path, const std::string& text);

// The temporary file the viewer is started on: ~lmv.vir.pol in the temporary folder.
std::string SouborProhlizece();

// Starts a program with its arguments as a separate process, without a shell; "" or the
// Czech reason it could not be started.
using SpustProgram = std::function<std::string(const std::string& program, const std::vector<std::string>& args)>;

// Writes the temporary file (Windows-1250) and starts the viewer named by `appPath` on it,
// with the file as its one argument. "" or the Czech reason nothing was started.
std::string SpustProhlizec(const VstupVystupu& v, const std::string& appPath, const SpustProgram& spust);

// Whether the viewer's path names an existing program file.
bool ProhlizecExistuje(const std::string& appPath);

} // namespace lomvira
