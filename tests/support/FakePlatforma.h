#pragma once
// A scripted platform for tests: records every box and status text and answers boxes
// from a queue (or with their default button when the queue is empty).

#include "common/Platforma.h"

#include <deque>
#include <string>
#include <vector>

namespace lomvira::test {

class FakePlatforma : public Platforma {
public:
    struct Box {
        std::string text;
        int style;
        std::string title;
        int helpContext;
    };

    int ZpravaBox(const std::string& text, int style, const std::string& title, int helpContext) override
    {
        boxes.push_back({text, style, title, helpContext});
        if (!answers.empty()) {
            const int a = answers.front();
            answers.pop_front();
            return a;
        }
        return MsgBox::DefaultAnswer(style);
    }
    std::optional<std::string> VstupniBox(const std::string& prompt, const std::string&,
                                          const std::string& defaultText) override
    {
        prompts.push_back(prompt);
        if (!inputs.empty()) {
            auto a = inputs.front();
            inputs.pop_front();
            return a;
        }
        return defaultText;
    }
    void StavovyRadek(const std::string& text) override { status.push_back(text); }
    char DesetinnyZnak() const override { return decimalMark; }

    std::vector<Box> boxes;
    std::deque<int> answers;
    std::deque<std::optional<std::string>> inputs;
    std::vector<std::string> prompts;
    std::vector<std::string> status;
    char decimalMark = ',';
};

} // namespace lomvira::test
