#pragma once
// The model's ports implemented with Qt: a modal message box, the save dialog
// and the end of the program.

#include "forms/Ports.h"

#include <QString>

class QFileDialog;

namespace ferrolith::view {

class View;

class QtMessageBox : public forms::MessageBoxPort {
public:
    void show(const std::string& prompt, const std::string& title, forms::MessageIcon icon) override;
};

class QtSaveDialog : public forms::SaveDialogPort {
public:
    // Qt's own dialog asks before an existing file is replaced.
    std::optional<std::string> askSavePath(const std::string& filter, const std::string& suggested) override;
};

// Closes every window of the view and leaves the event loop.
class QtProgramEnd : public forms::ProgramEndPort {
public:
    explicit QtProgramEnd(View& view) : view_(view) {}
    void endProgram() override;

private:
    View& view_;
};

// Turns a filter of the form "Description|pattern|Description|pattern" into
// Qt's "Description (pattern);;Description (pattern)"; several patterns of one
// entry, separated by ';', become blank-separated.
QString qtFileFilter(const std::string& filter);

// Sets a save dialog up the way the save asks: the system's own title, the
// filter entries shown with their descriptions as given, the question before
// a file is replaced, and the name chosen last time.
void prepareSaveDialog(QFileDialog& dialog, const std::string& filter, const std::string& suggested);

}  // namespace ferrolith::view
