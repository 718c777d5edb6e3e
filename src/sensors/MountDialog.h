#pragma once
// A mount dialog: puts one mountable item of page 5 on the top or the
// underbarrel mount. Six instances, one per item.

#include "forms/Form.h"

#include <string>

namespace ferrolith {

class Wizard;

class MountDialog : public forms::Form {
public:
    MountDialog(Wizard& wizard, const char* name, const char* caption, const char* item);

    // The name of the page-5 check box this dialog belongs to.
    const std::string item;

private:
    Wizard& w_;
};

}  // namespace ferrolith
