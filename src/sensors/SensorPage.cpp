#include "sensors/SensorPage.h"

#include "app/Wizard.h"

namespace ferrolith {

SensorPage::SensorPage(Wizard& wizard)
    : forms::Form(wizard.runtime(), "Form12", "\"Ferrolith\" - Seite 5"), DesignSheet(*this, page5SheetTexts, "Frame1"), w_(wizard) {}

void SensorPage::load() {}

}  // namespace ferrolith
