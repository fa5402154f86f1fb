#pragma once
// The printed result list of the error analysis: a title, the list's header with the value
// heading, and its lines in the listing font, on as many pages as they need.

#include <string>
#include <vector>

namespace lomvira {

class PlochaTisku;

// Draws the list and ends the document; returns "" or the reason it could not be finished.
std::string TiskniChyby(PlochaTisku& plocha, const std::string& pismo, const std::string& nadpisHodnoty,
                        const std::vector<std::string>& radky);

} // namespace lomvira
