#pragma once
// Page 4: underbarrel, barrel and other accessories.

#include "common/DesignSheet.h"
#include "forms/Form.h"

namespace ferrolith {

class Wizard;

class AccessoryPage : public forms::Form, public DesignSheet {
public:
    explicit AccessoryPage(Wizard& wizard);
    void load() override;

private:
    Wizard& w_;
};

}  // namespace ferrolith
