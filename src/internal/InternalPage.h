#pragma once
// Page 3: internal accessories.

#include "common/DesignSheet.h"
#include "forms/Form.h"

namespace ferrolith {

class Wizard;

class InternalPage : public forms::Form, public DesignSheet {
public:
    explicit InternalPage(Wizard& wizard);
    void load() override;

private:
    Wizard& w_;
};

}  // namespace ferrolith
