#include "sensors/MountDialog.h"

#include "app/Wizard.h"
#include "sensors/SensorPage.h"

namespace ferrolith {

const char* const MountDialog::noMountNotice = "Keine Halterungen mehr frei !!!\n       (bitte Cancel drücken)\n";

MountDialog::MountDialog(Wizard& wizard, const char* name, const char* caption, const char* itemName,
                         const char* keyOrder, bool canResize)
    : forms::Form(wizard.runtime(), name, caption),
      item(itemName),
      aufmontiert(*this, "aufmontiert", "Aufmontiert"),
      unterlauf(*this, "unterlauf", "Unterlauf"),
      frei(*this, "frei", noMountNotice),
      ok(*this, "ok", "&OK"),
      cancel(*this, "cancel", "&Cancel"),
      w_(wizard) {
    closable = false;
    sizable = canResize;
    for (const std::string& control : forms::words(keyOrder)) tabOrder.push_back(find(control));
    frei.multiLine = true;
    frei.setVisible(false);
    cancel.sameRow = true;
    aufmontiert.onClick = [this] { onAufmontiertClick(); };
    unterlauf.onClick = [this] { onUnterlaufClick(); };
    ok.onClick = [this] { onOkClick(); };
    cancel.onClick = [this] { onCancelClick(); };
}

void MountDialog::onChoiceClick(forms::CheckBox& choice, forms::CheckBox& other, forms::TextField& field,
                                const char* mountName, forms::CheckBox& flag) {
    if (choice.value() == 1) {
        field.setText("");
        field.setEnabled(false);
        other.setVisible(false);
    }
    if (choice.value() == 0) {
        field.setText(mountName);
        field.setEnabled(true);
        other.setVisible(true);
        flag.setValue(0);
    }
}

void MountDialog::onAufmontiertClick() {
    SensorPage& page = w_.form12();
    onChoiceClick(aufmontiert, unterlauf, page.hlt2, "Aufmontiert", page.Check1);
}

void MountDialog::onUnterlaufClick() {
    SensorPage& page = w_.form12();
    onChoiceClick(unterlauf, aufmontiert, page.hlt3, "Unterlauf", page.Check2);
}

void MountDialog::close() {
    hide();
    w_.form12().setEnabled(true);
    w_.form12().show();
}

void MountDialog::confirm(forms::CheckBox& flag) {
    // The flag's handler greys this dialog's choice and withdraws the mount
    // from the other dialogs.
    flag.setValue(1);
    close();
}

void MountDialog::onOkClick() {
    if (aufmontiert.value() == 1)
        confirm(w_.form12().Check1);
    else if (unterlauf.value() == 1)
        confirm(w_.form12().Check2);
}

void MountDialog::onCancelClick() {
    // The item's untick refunds it and gives back a mount that this dialog
    // ticked, confirmed or not.
    w_.form12().check(item).setValue(0);
    releaseMount();  // nothing left to do unless the item was unticked already
    close();
}

void MountDialog::releaseMount() {
    SensorPage& page = w_.form12();
    if (unterlauf.value() == 2) {
        page.Check2.setValue(0);
        unterlauf.setValue(0);
    }
    if (aufmontiert.value() == 2) {
        page.Check1.setValue(0);
        aufmontiert.setValue(0);
    }
    // A choice ticked but not confirmed holds the mount field all the same.
    if (unterlauf.value() == 1) unterlauf.setValue(0);
    if (aufmontiert.value() == 1) aufmontiert.setValue(0);
}

}  // namespace ferrolith
