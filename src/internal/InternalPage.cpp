#include "internal/InternalPage.h"

#include "app/Wizard.h"

namespace ferrolith {

InternalPage::InternalPage(Wizard& wizard)
    : forms::Form(wizard.runtime(), "Form3", "\"Ferrolith\" - Seite 3"), DesignSheet(*this, page3SheetTexts, "Frame3"), w_(wizard) {}

void InternalPage::load() {}

}  // namespace ferrolith
