#include "cli/CliPlatforma.h"

#include "cli/Prikazy.h"

#include <ostream>

namespace lomvira::cli {

namespace {

const char* NazevTlacitka(int code)
{
    switch (code) {
    case MsgBox::Ok: return "OK";
    case MsgBox::Cancel: return "Zrušit";
    case MsgBox::Abort: return "Přerušit";
    case MsgBox::Retry: return "Opakovat";
    case MsgBox::Ignore: return "Ignorovat";
    case MsgBox::Yes: return "Ano";
    case MsgBox::No: return "Ne";
    default: return "?";
    }
}

} // namespace

int CliPlatforma::ZpravaBox(const std::string& text, int style, const std::string&, int)
{
    const int set = style & MsgBox::ButtonMask;
    int answer = MsgBox::DefaultAnswer(style);
    if (answer_ && set != MsgBox::OkOnly) {
        const bool yes = *answer_ == 1;
        switch (set) {
        case MsgBox::OkCancel: answer = yes ? MsgBox::Ok : MsgBox::Cancel; break;
        case MsgBox::AbortRetryIgnore: answer = yes ? MsgBox::Retry : MsgBox::Abort; break;
        case MsgBox::YesNoCancel:
        case MsgBox::YesNo: answer = yes ? MsgBox::Yes : MsgBox::No; break;
        case MsgBox::RetryCancel: answer = yes ? MsgBox::Retry : MsgBox::Cancel; break;
        default: break;
        }
    }
    // The boxes' texts break lines with CR LF; a terminal wants LF alone.
    err_ << BezCR(text) << "\n";
    if (set != MsgBox::OkOnly)
        err_ << "Odpověď: " << NazevTlacitka(answer) << "\n";
    return answer;
}

std::optional<std::string> CliPlatforma::VstupniBox(const std::string& prompt, const std::string&,
                                                    const std::string& defaultText)
{
    err_ << prompt << "\nOdpověď: " << defaultText << "\n";
    if (answer_ && *answer_ == 0)
        return std::nullopt;
    return defaultText;
}

} // namespace lomvira::cli
