#pragma once
// Page 5: the mountable sensors and electronics. Six items, each placed on the
// top or the underbarrel mount through its own mount dialog, with their
// sub-options; two hidden flags that tell the dialogs which mounts are taken.

#include "common/DesignSheet.h"
#include "forms/Form.h"

#include <array>
#include <string>
#include <vector>

namespace ferrolith {

class Wizard;
class MountDialog;

class SensorPage : public forms::Form, public DesignSheet {
public:
    explicit SensorPage(Wizard& wizard);
    void load() override;
    // Gives back the lock that the external smartgun holds on page 3.
    void unloading() override;

    // The page frame; the set-up writes the class key into its caption.
    forms::Frame Frame1;
    forms::Frame zubehör;
    forms::CheckBox smartextern;
    forms::Frame smartFrame;
    forms::CheckBox smartextern1;
    forms::CheckBox smartextern2;
    forms::CheckBox ultraschall;
    forms::CheckBox entfernungsmesser;
    forms::CheckBox sichtgerät;
    forms::Frame sichtFrame;
    forms::CheckBox v1;
    forms::CheckBox v2;
    forms::CheckBox v3;
    forms::CheckBox blitz;
    forms::CheckBox licht;
    forms::CheckBox guncam;
    forms::CheckBox IR;
    forms::CheckBox laserziel;
    forms::CheckBox laser;
    forms::Frame laserFrame;
    forms::CheckBox niederenergetisch;
    forms::CheckBox hochenergetisch;
    forms::Image Image1;
    forms::Label Label1;  // credit line under the picture
    // Mount flags, never shown: 1 = the top (Check1) or underbarrel (Check2)
    // mount is taken and no dialog offers it.
    forms::CheckBox Check1;
    forms::CheckBox Check2;
    forms::Button Zurück;    // "&Zurück"
    forms::Button Command2;  // "&Weiter"

    void onCommand2Click();
    void onZurückClick();
    void onCheck1Click();
    void onCheck2Click();
    // The click handler of an item or a sub-option.
    void onOptionClick(forms::CheckBox& box);

    // The dialog that belongs to an item (one of the six mountable boxes).
    MountDialog& dialogOf(const forms::CheckBox& item);

    // Operations that a row of the option table runs, in the row's order.
    enum class Op {
        Lock,      // page 5 disabled (tick) while the item's dialog is open
        Open,      // the item's dialog shown
        Trn,       // the row's amounts, added with the sign of tick or untick
        Fke,
        Gew,
        Dp,
        Subs,      // tick: own sub-options enabled; untick: set to 0 in order, then disabled
        Siblings,  // tick: siblings disabled; untick: enabled
        Sight,     // the rangefinder's lock on the sight and its options
        Internal,  // page 3's internal smartgun disabled (tick) / enabled (untick)
    };

    struct Option {
        forms::CheckBox SensorPage::*box;
        const char* toolTip;  // nullptr: no tooltip
        double trn, fke, gew, dp;  // tick amounts
        std::vector<Op> tick;
        std::vector<Op> untick;  // after the mount release for items
        std::vector<forms::CheckBox SensorPage::*> subs;  // sub-options or siblings
        int dialog;  // the item's dialog in Wizard::dialogs(); -1 for a sub-option
    };
    static const std::vector<Option>& options();

private:
    const Option& row(const forms::CheckBox& box) const;
    void run(const Option& row, int sign);
    void setSightOptionsEnabled(bool enabled);
    // Flag handler for either flag: `mine` is the choice that the flag governs.
    void syncDialogs(forms::CheckBox& flag, forms::CheckBox& other,
                     forms::CheckBox MountDialog::*mine, forms::CheckBox MountDialog::*theirs);
    // Page 3's internal smartgun box, if page 3 is loaded; creates nothing.
    forms::CheckBox* loadedSmartintern() const;

    Wizard& w_;
};

}  // namespace ferrolith
