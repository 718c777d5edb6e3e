#pragma once
// Page 4: the external accessories. The underbarrel accessories share the
// weapon's one underbarrel mount; the barrel and other accessories include the
// enlarged clip, the automatic mode, the biometric safety, the pads and the
// sawn-off shotgun.

#include "common/DesignSheet.h"
#include "forms/Controls.h"
#include "forms/Form.h"

#include <optional>
#include <string>

namespace ferrolith {

class Wizard;

class AccessoryPage : public forms::Form, public DesignSheet {
public:
    explicit AccessoryPage(Wizard& wizard);
    void load() override;

    // The outer frame; the set-up writes the class key into its caption.
    forms::Frame Frame6;
    forms::Image Image2;
    forms::Label Label1;
    forms::Image Image1;

    // Barrel and other accessories.
    forms::Frame Frame4;
    forms::CheckBox griff;
    forms::CheckBox sicherung;
    forms::CheckBox abzug;
    forms::CheckBox bio;  // title of Frame3
    forms::Frame Frame3;
    forms::CheckBox sekundär;
    forms::CheckBox griffdornen;
    forms::CheckBox sprühsystem;
    forms::CheckBox elektroshock;
    forms::CheckBox ladestreifen;
    forms::ListBox vergrößert;
    forms::CheckBox suppressor;
    forms::CheckBox schall;
    forms::CheckBox automodus;
    forms::CheckBox schock;
    forms::CheckBox hüft;
    forms::CheckBox schulter;
    forms::CheckBox abgesägte;

    // Underbarrel accessories.
    forms::Frame Frame2;
    forms::CheckBox unterlaufgewicht;
    forms::CheckBox dreibein;
    forms::CheckBox zweibein;
    forms::CheckBox vordergriff;
    forms::CheckBox unterlaufwaffe;  // title of Frame7
    forms::Frame Frame7;
    forms::CheckBox bajonett;
    forms::CheckBox enterhaken;
    forms::CheckBox granatwerfer;
    forms::CheckBox flammenwerfer;

    forms::Button Zurück;
    forms::Button Command2;

    // Handlers.
    void onCommand2Click();
    void onZurückClick();
    // The four accessories that take the underbarrel mount by themselves.
    void onMountAccessoryClick(forms::CheckBox& box);
    void onUnterlaufwaffeClick();
    void onUnderbarrelWeaponClick(forms::CheckBox& kind);
    // Options with fixed costs: shoulder stock, suppressors, pads, sawn-off
    // shotgun, grip, safety, trigger.
    void onFixedOptionClick(forms::CheckBox& box);
    void onLadestreifenClick();
    void onVergrößertClick();
    void onAutomodusClick();
    void onBioClick();
    void onSekundärClick();
    void onSecondaryOptionClick(forms::CheckBox& option);

private:
    void classSetUp();
    // Applies the locks that the choices on pages 2 and 3 and the class imply,
    // so a page created again offers what the first one offered.
    void applyLocksOfOtherPages();
    // Charges the enlarged clip for the size in the list, when there is one.
    void chargeClip();

    Wizard& w_;
    // The DP the enlarged clip charged at its tick; empty when it charged
    // nothing (no size chosen, or no capacity to compare with).
    std::optional<double> clipCharge_;
    // The size last taken by a pick, so a refused pick can be taken back.
    std::string acceptedSize_ = "0";
    // Whether the automatic mode's tick rewrote the fire-mode text.
    bool autoRewrote_ = false;
};

}  // namespace ferrolith
