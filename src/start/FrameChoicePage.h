#pragma once
// Page 1: the choice of the weapon class (the frame). A class writes its key,
// base FKE and DP and enables "&Weiter"; closing the page ends the program.

#include "forms/Form.h"

#include <array>
#include <memory>

namespace ferrolith {

class Wizard;

class FrameChoicePage : public forms::Form {
public:
    explicit FrameChoicePage(Wizard& wizard);
    void load() override;

    forms::Image Image1;
    forms::Frame Frame1;
    // Option1 .. Option14, in the order of the class table.
    std::array<std::unique_ptr<forms::OptionButton>, 14> options;
    forms::Image Image2;
    forms::Label Label1;
    forms::TextField fke;
    forms::Label Label2;
    forms::TextField dp;
    forms::TextField typ;
    forms::Button Command1;
    forms::MenuItem info;
    forms::MenuItem mnuSubBeenden;

    forms::OptionButton& option(int number) { return *options.at(number - 1); }

    void onOptionClick(int index);
    void onCommand1Click();
    void onInfoClick();

    static const char* const infoCredit;

private:
    Wizard& w_;
};

}  // namespace ferrolith
