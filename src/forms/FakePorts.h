#pragma once
// Recording stand-ins for the ports, for tests and the benchmark.

#include "forms/Ports.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace forms {

struct RecordedMessage {
    std::string prompt;
    std::string title;
    MessageIcon icon;
};

class FakeMessageBox : public MessageBoxPort {
public:
    void show(const std::string& prompt, const std::string& title, MessageIcon icon) override {
        shown.push_back({prompt, title, icon});
        if (whileOpen) whileOpen();
    }
    std::vector<RecordedMessage> shown;
    // Runs while a box is open, to look at the windows behind it.
    std::function<void()> whileOpen;
};

class FakeSaveDialog : public SaveDialogPort {
public:
    std::optional<std::string> askSavePath(const std::string& filter, const std::string& suggested) override {
        filters.push_back(filter);
        suggestions.push_back(suggested);
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    // The answers the user gives, in order; std::nullopt is a cancel.
    std::deque<std::optional<std::string>> answers;
    std::vector<std::string> filters;
    std::vector<std::string> suggestions;
};

class FakeProgramEnd : public ProgramEndPort {
public:
    void endProgram() override { ++ends; }
    int ends = 0;
};

}  // namespace forms
