#pragma once
// Page 2: the components of the weapon.

#include "common/DesignSheet.h"
#include "forms/Form.h"

namespace ferrolith {

class Wizard;

class ComponentPage : public forms::Form, public DesignSheet {
public:
    explicit ComponentPage(Wizard& wizard);
    void load() override;

private:
    Wizard& w_;
};

}  // namespace ferrolith
