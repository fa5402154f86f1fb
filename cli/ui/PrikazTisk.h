#pragma once
// The commands that print and draw: "print" writes the protocol as a PDF file, "draw" the
// picture of the plan or a section as PNG, SVG or PDF.

#include "cli/CliPlatforma.h"

#include <QGuiApplication>

#include <memory>
#include <string>
#include <vector>

namespace lomvira {
struct Kontext;
}

namespace lomvira::cli {

// print SOUBOR.mer --pdf VÝSTUP.pdf [--sections title,measurements,points,profiles] [--comment TEXT]
int PrikazTisk(Prostredi& env, const std::vector<std::string>& args);
// draw SOUBOR.mer -o VÝSTUP.png|svg|pdf [--view plan|section] [--azimuth A] [--layers ...] [--size ŠxV]
int PrikazKresli(Prostredi& env, const std::vector<std::string>& args);

// Fonts and painting need a GUI application; the CLI runs one on the offscreen platform
// (unless told another), so that it never needs a display.
class GuiProstredi {
public:
    GuiProstredi();

private:
    int argc_ = 1;
    char jmeno_[12] = "lomvira-cli";
    char* argv_[2] = {jmeno_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

// Loads the notebook and computes it as "compute" does; false (after the messages) when the
// notebook cannot be loaded. A computation that stops leaves the survey loaded.
bool NactiASpocti(Prostredi& env, const std::string& path, Kontext& k);

} // namespace lomvira::cli
