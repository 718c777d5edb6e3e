#include "components/ComponentPage.h"

#include "app/Wizard.h"

namespace ferrolith {

ComponentPage::ComponentPage(Wizard& wizard)
    : forms::Form(wizard.runtime(), "Form2", "\"Ferrolith\" - Seite 2"), DesignSheet(*this, page2SheetTexts, "Frame1"), w_(wizard) {}

void ComponentPage::load() {}

}  // namespace ferrolith
