#pragma once
// Page 3: internal accessories. Two cosmetic options, the gas vent in three
// levels (it takes the barrel mount and locks page 4's sawn-off shotgun), the
// internal smartgun in two levels priced by the class (it locks page 5's
// external smartgun) and voice activation, offered while a smartgun level is
// ticked.

#include "common/DesignSheet.h"
#include "forms/Form.h"

#include <array>
#include <string>
#include <string_view>

namespace ferrolith {

class Wizard;

class InternalPage : public forms::Form, public DesignSheet {
public:
    explicit InternalPage(Wizard& wizard);
    void load() override;
    // Gives back the locks that ticked options hold on pages still loaded.
    void unloading() override;

    // The outer frame; the set-up writes the class key into its caption.
    forms::Frame Frame4;
    forms::Frame Frame6;  // "Kosmetische Modifikationen"
    forms::CheckBox gestaltung;
    forms::CheckBox gravur;
    forms::Frame Frame8;  // "Internes Zubehör"
    forms::CheckBox gas;  // stands on Frame7's top edge as its title
    forms::Frame Frame7;
    forms::CheckBox gas2;
    forms::CheckBox gas3;
    forms::CheckBox gas4;
    forms::CheckBox smartintern;  // stands on Frame9's top edge as its title
    forms::Frame Frame9;
    forms::CheckBox smartintern1;
    forms::CheckBox smartintern2;
    forms::CheckBox stimm;
    forms::Image Image1;
    forms::Label Label1;  // credit line
    forms::Button Command3;  // "&Zurück"
    forms::Button Command2;  // "&Weiter"

    void onGestaltungClick();
    void onGravurClick();
    void onGasClick();
    // gas2, gas3, gas4: level 2, 3 or 4.
    void onGasLevelClick(int level);
    void onSmartinternClick();
    // smartintern1, smartintern2: level 1 or 2.
    void onSmartLevelClick(int level);
    void onStimmClick();
    void onCommand2Click();
    void onCommand3Click();

    // DP that a smartgun level adds for a class key; 0 for a key that is no class.
    static int smartgunDp(int level, std::string_view classKey);

private:
    struct Costs {
        double kpd = 0;
        double trn = 0;
        double gew = 0;
        double fke = 0;
        double dp = 0;
    };
    struct PricedOption {
        forms::CheckBox InternalPage::*box;
        const char* toolTip;
        const char* phrase;
        Costs costs;  // written in the order kpd, trn, gew, fke, dp
    };
    static const std::array<PricedOption, 8> pricedOptions;

    const PricedOption& row(const forms::CheckBox& box) const;
    // Adds the row's costs times sign to the sheet, skipping amounts of 0.
    void charge(const forms::CheckBox& box, int sign);
    forms::CheckBox& gasLevel(int level);
    forms::CheckBox& smartLevel(int level);
    // Adds or takes back the class's DP for a smartgun level.
    void addSmartgunDp(int level, int sign);
    // Voice activation needs a smartgun level: taking the level away unticks
    // it (refunding it) and disables it.
    void withdrawVoice();
    // Page 5's own lock on its external smartgun for a class without it.
    bool classLocksSmartextern() const;
    forms::CheckBox& abgesägte();
    forms::CheckBox& smartextern();

    Wizard& w_;
};

}  // namespace ferrolith
