#pragma once
// What the core needs from a front end: message boxes, input boxes, the status line and
// progress reports. The Qt program, the CLI and the tests' scripted fake implement it.

#include <optional>
#include <string>

namespace lomvira {

// Message box style bits and answers, with the classic values the notebook code uses.
namespace MsgBox {
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int AbortRetryIgnore = 2;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int RetryCancel = 5;
inline constexpr int ButtonMask = 7;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
inline constexpr int IconMask = 0x70;
inline constexpr int DefaultButton1 = 0;
inline constexpr int DefaultButton2 = 0x100;
inline constexpr int DefaultButton3 = 0x200;
inline constexpr int DefaultMask = 0x300;
inline constexpr int HelpButton = 0x4000;

inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Abort = 3;
inline constexpr int Retry = 4;
inline constexpr int Ignore = 5;
inline constexpr int Yes = 6;
inline constexpr int No = 7;

// The answer a box gives when nobody presses anything: its default button.
int DefaultAnswer(int style);
} // namespace MsgBox

class Platforma {
public:
    virtual ~Platforma() = default;

    // Shows a message box and returns the code of the pressed button (MsgBox::Ok ...).
    virtual int ZpravaBox(const std::string& text, int style, const std::string& title = {},
                          int helpContext = 0) = 0;
    // Asks for a line of text; nullopt when cancelled.
    virtual std::optional<std::string> VstupniBox(const std::string& prompt, const std::string& title,
                                                  const std::string& defaultText) = 0;
    // Shows the text in the status line (empty clears it) and lets the UI process events.
    virtual void StavovyRadek(const std::string& text) = 0;

    // Progress of a long step, reported through the status line: "text... Hotovo 45%."
    // while it runs and "text...hotovo." at its end. A front end may show it otherwise.
    virtual void ZacniPrubeh(const std::string& text, long total);
    virtual void KrokPrubehu(long done);
    virtual void KonecPrubehu();

    // Decimal mark of the user's locale, for the texts formatted "in the user's locale".
    virtual char DesetinnyZnak() const { return '.'; }

private:
    std::string prubehText_;
    long prubehCelkem_ = 0;
    long prubehKrok_ = 0;
    long prubehPosledni_ = 0;
};

} // namespace lomvira
