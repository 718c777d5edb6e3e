#pragma once
// The model's only ways out: message boxes, the save dialog and the end of the
// program. The view supplies Qt implementations; tests use the recording fakes.

#include <optional>
#include <string>

namespace forms {

enum class MessageIcon { None, Information, Warning };

class MessageBoxPort {
public:
    virtual ~MessageBoxPort() = default;
    // Modal: returns when the user has closed the box.
    virtual void show(const std::string& prompt, const std::string& title, MessageIcon icon) = 0;
};

class SaveDialogPort {
public:
    virtual ~SaveDialogPort() = default;
    // Asks for a file to save; the dialog itself asks before replacing a file.
    // The filter reads "Description|pattern"; `suggested` is the name offered
    // at first (empty for none). Returns nothing on cancel.
    virtual std::optional<std::string> askSavePath(const std::string& filter, const std::string& suggested) = 0;
};

class ProgramEndPort {
public:
    virtual ~ProgramEndPort() = default;
    virtual void endProgram() = 0;
};

}  // namespace forms
