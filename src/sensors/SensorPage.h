#pragma once
// Page 5: mountable sensors and electronics.

#include "common/DesignSheet.h"
#include "forms/Form.h"

namespace ferrolith {

class Wizard;

class SensorPage : public forms::Form, public DesignSheet {
public:
    explicit SensorPage(Wizard& wizard);
    void load() override;

private:
    Wizard& w_;
};

}  // namespace ferrolith
