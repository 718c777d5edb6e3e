#include "accessories/AccessoryPage.h"

#include "app/Wizard.h"

namespace ferrolith {

AccessoryPage::AccessoryPage(Wizard& wizard)
    : forms::Form(wizard.runtime(), "Form4", "\"Ferrolith\" - Seite 4"), DesignSheet(*this, page4SheetTexts, "Frame1"), w_(wizard) {}

void AccessoryPage::load() {}

}  // namespace ferrolith
