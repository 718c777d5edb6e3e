#pragma once
// Page 2: the components of the weapon. Its set-up fits the page to the class
// chosen on page 1 (base values, offered options, default ticks); its options
// charge and refund their costs on the design sheet.

#include "common/DesignSheet.h"
#include "components/ComponentTables.h"
#include "forms/Form.h"

#include <string>
#include <vector>

namespace ferrolith {

class Wizard;

class ComponentPage : public forms::Form, public DesignSheet {
public:
    explicit ComponentPage(Wizard& wizard);
    void load() override;

    // The option column, top to bottom.
    forms::Frame Frame2;

    forms::CheckBox tarn;
    forms::CheckBox tarnstufe1;
    forms::CheckBox tarnstufe2;

    forms::CheckBox power;
    forms::CheckBox powerstufe1;
    forms::CheckBox powerstufe2;

    forms::CheckBox modus;
    forms::Frame modusframe;
    forms::CheckBox modus1;
    forms::CheckBox modus2;
    forms::CheckBox modus3;
    forms::CheckBox modus7;
    forms::CheckBox modus4;
    forms::CheckBox modus5;
    forms::CheckBox modus6;

    forms::Frame ladeframe;
    forms::CheckBox lade;
    forms::CheckBox lade1;
    forms::CheckBox lade2;
    forms::CheckBox lade3;
    forms::CheckBox lade4;
    forms::CheckBox lade5;
    forms::CheckBox munitionswahl;
    forms::CheckBox muni;
    forms::ListBox munistufe;

    forms::CheckBox flechette;
    forms::CheckBox größe;

    forms::Frame keramikframe;
    forms::CheckBox keramik;
    forms::CheckBox keramikstufe1;
    forms::CheckBox keramikstufe2;
    forms::CheckBox keramikstufe3;

    forms::CheckBox nahkampf;

    forms::CheckBox gewicht;
    forms::Label gewicht2;
    forms::Label gewicht6;
    forms::Label gewicht8;
    forms::Label gewicht12;
    forms::Label gewicht16;
    forms::ListBox gewichtstufe2;
    forms::ListBox gewichtstufe6;
    forms::ListBox gewichtstufe8;
    forms::ListBox gewichtstufe12;
    forms::ListBox gewichtstufe16;

    forms::CheckBox mehr;
    forms::Label mehr1;
    forms::Label mehr2;
    forms::Label mehr4;
    forms::Label mehr6;
    forms::ListBox mehrstufe1;
    forms::ListBox mehrstufe2;
    forms::ListBox mehrstufe4;
    forms::ListBox mehrstufe6;

    forms::CheckBox bullpup;

    forms::Frame laufframe;
    forms::CheckBox lauf;
    forms::CheckBox lauf1;
    forms::CheckBox lauf2;

    forms::CheckBox schnell;

    forms::Frame rückframe;
    forms::CheckBox rück;
    forms::CheckBox rück1;
    forms::CheckBox rück2;
    forms::CheckBox rück3;

    forms::CheckBox schwer;
    forms::CheckBox zerlegbar;

    // The class's base ammunition capacity; never shown.
    forms::TextField muniorg;

    forms::Button Zurück1;
    forms::Button Weiter1;

    // Handlers, named after control and event.
    void onWeiter1Click();
    void onZurück1Click();
    void onModeClick(const components::FireMode& mode);
    void onModusClick();
    void onLade1Click();
    void onLade2Click();
    void onLade3Click();
    void onLade4Click();
    void onLade5Click();
    void onLadeClick();
    void onLadeframeClick();
    void onMuniClick();
    void onMunistufeClick();
    void onSingleOptionClick(const components::Option& option);
    void onLevelClick(const components::Option& level);
    void onLevelParentClick(forms::CheckBox& parent);
    void onLevelListClick(const components::LevelListGroup& group, forms::ListBox& list);
    void onLevelListParentClick(const components::LevelListGroup& group);

    // The phrases that page 2's forward action publishes for the ticked options.
    std::string phrases() const;

private:
    forms::Control& control(const std::string& name) const;
    // The boxes of a parent's group, in the order of the level table.
    std::vector<forms::CheckBox*> levelsOf(const forms::CheckBox& parent);
    void setOthersEnabled(const char* const* group, std::size_t count, const forms::CheckBox& except, bool enabled);

    bool offersSilencer() const;
    // Page 4's controls that page 2 locks, shows and hides.
    forms::CheckBox& page4Silencer();
    forms::CheckBox& page4Clip();
    forms::ListBox& page4ClipSize();

    Wizard& w_;
    const components::ClassSetUp* setUp_ = nullptr;  // the class the set-up fitted the page to
};

}  // namespace ferrolith
