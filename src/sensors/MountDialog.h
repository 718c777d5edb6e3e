#pragma once
// A mount dialog: puts one mountable item of page 5 on the top or the
// underbarrel mount. Six instances, one per item. A choice box holds 0
// (unticked), 1 (ticked, not yet confirmed) or 2 (confirmed: this dialog's
// item holds that mount).

#include "forms/Form.h"

#include <string>

namespace ferrolith {

class Wizard;

class MountDialog : public forms::Form {
public:
    // `keyOrder` names the keyboard order of the choices and buttons, blank-separated;
    // `canResize` lets the user change the window's size.
    MountDialog(Wizard& wizard, const char* name, const char* caption, const char* item, const char* keyOrder,
                bool canResize);

    // The name of the page-5 check box this dialog belongs to.
    const std::string item;

    forms::CheckBox aufmontiert;
    forms::CheckBox unterlauf;
    forms::TextField frei;  // notice that no mount is free, over the two choices
    forms::Button ok;
    forms::Button cancel;

    void onAufmontiertClick();
    void onUnterlaufClick();
    void onOkClick();
    void onCancelClick();

    // Gives the mount back that this dialog's choice holds or has ticked:
    // the first step of the item's untick.
    void releaseMount();

    static const char* const noMountNotice;

private:
    // A choice ticked takes its mount field on page 5, unticked gives it back.
    void onChoiceClick(forms::CheckBox& choice, forms::CheckBox& other, forms::TextField& field,
                       const char* mountName, forms::CheckBox& flag);
    // Confirms a ticked choice through its flag and closes the dialog.
    void confirm(forms::CheckBox& flag);
    void close();

    Wizard& w_;
};

}  // namespace ferrolith
