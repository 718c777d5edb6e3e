#pragma once
// Page 6: the finished design with name, type, price and modification list.

#include "common/DesignSheet.h"
#include "forms/Form.h"

namespace ferrolith {

class Wizard;

class CompletionPage : public forms::Form, public DesignSheet {
public:
    explicit CompletionPage(Wizard& wizard);
    void load() override;

    forms::TextField Text1;

private:
    Wizard& w_;
};

}  // namespace ferrolith
