#include "sensors/MountDialog.h"

#include "app/Wizard.h"

namespace ferrolith {

MountDialog::MountDialog(Wizard& wizard, const char* name, const char* caption, const char* itemName)
    : forms::Form(wizard.runtime(), name, caption), item(itemName), w_(wizard) {
    closable = false;
}

}  // namespace ferrolith
