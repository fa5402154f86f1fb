#pragma once
// The coordinate files: the program's own format (SOU), the KOKEŠ text (STX) and the
// polygon text shared by the "ASCII Text" and PREVALON choices (TXT, POL). All are text
// in Windows-1250 with CR LF after every line.
//
// SOU, read back as a source of given points:
//   line 1   "JTSK,<angle>,<heights>" or "JTSK_XY,<angle>,<heights>" for S-JTSK, where the
//            angle is the network's rotation in degrees; "<angle>,<heights>" for an own
//            system, where the angle is the rotation plus 90 degrees; the angle is written
//            with "." and without trailing zeros ("0", "90", "-7.25"); heights are "BPV"
//            (Baltic datum) or "vlastni".
//   then     one line per station: "name, first, second, third", the coordinates with five
//            decimals in the output order of the system (Y, X, height for S-JTSK; X, Y,
//            height with JTSK_XY; X, Y, Z for an own system).

#include "output/VstupVystupu.h"

#include <string>

namespace lomvira {

std::string TextSOU(const VstupVystupu& v);
// Empty when there are no stations (no file is written then). `jmeno` is the name part of
// the file name, which heads the file.
std::string TextSTX(const VstupVystupu& v, const std::string& jmeno);
std::string TextPolygonu(const VstupVystupu& v);

// Each writes its file completely or not at all; "" or the Czech reason naming the file.
std::string ZapisSOU(const VstupVystupu& v, const std::string& path);
std::string ZapisSTX(const VstupVystupu& v, const std::string& path);
std::string ZapisPolygonText(const VstupVystupu& v, const std::string& path);

} // namespace lomvira
