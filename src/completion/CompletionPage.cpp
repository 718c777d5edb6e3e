#include "completion/CompletionPage.h"

#include "app/Wizard.h"

namespace ferrolith {

CompletionPage::CompletionPage(Wizard& wizard)
    : forms::Form(wizard.runtime(), "Form5", "\"Ferrolith\" - Seite 6"),
      DesignSheet(*this, page6SheetTexts, nullptr, false),
      Text1(*this, "Text1", ModificationList::start),
      w_(wizard) {}

void CompletionPage::load() {}

}  // namespace ferrolith
