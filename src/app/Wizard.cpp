#include "app/Wizard.h"

#include "completion/CompletionPage.h"
#include "accessories/AccessoryPage.h"
#include "components/ComponentPage.h"
#include "internal/InternalPage.h"
#include "sensors/MountDialog.h"
#include "sensors/SensorPage.h"
#include "start/FrameChoicePage.h"
#include "start/StartWindow.h"

namespace ferrolith {

namespace {
template <class T>
auto factory(Wizard& w) {
    return [&w] { return std::make_unique<T>(w); };
}
auto dialogFactory(Wizard& w, const char* name, const char* caption, const char* item, const char* tabOrder,
                   bool sizable) {
    return [=, &w] { return std::make_unique<MountDialog>(w, name, caption, item, tabOrder, sizable); };
}
constexpr const char* choicesFirst = "aufmontiert unterlauf ok cancel";
constexpr const char* okThenTop = "ok aufmontiert unterlauf cancel";
constexpr const char* okThenUnderbarrel = "ok unterlauf aufmontiert cancel";
}  // namespace

Wizard::Wizard()
    : frmAbout(runtime_, factory<StartWindow>(*this)),
      form1(runtime_, factory<FrameChoicePage>(*this)),
      form2(runtime_, factory<ComponentPage>(*this)),
      form3(runtime_, factory<InternalPage>(*this)),
      form4(runtime_, factory<AccessoryPage>(*this)),
      form12(runtime_, factory<SensorPage>(*this)),
      form5(runtime_, factory<CompletionPage>(*this)),
      form6(runtime_, dialogFactory(*this, "form6", "Entfernungsmesser", "entfernungsmesser", choicesFirst, false)),
      form7(runtime_, dialogFactory(*this, "Form7", "Laser-Zielmarkierer", "laserziel", okThenTop, false)),
      form8(runtime_, dialogFactory(*this, "Form8", "Ultraschall-Sensor", "ultraschall", okThenUnderbarrel, true)),
      form9(runtime_, dialogFactory(*this, "Form9", "Smartgun (extern)", "smartextern", okThenUnderbarrel, true)),
      form10(runtime_, dialogFactory(*this, "Form10", "Lasermarkierer", "laser", okThenUnderbarrel, true)),
      form11(runtime_, dialogFactory(*this, "Form11", "Sichtgerät", "sichtgerät", okThenUnderbarrel, false)) {}

Wizard::~Wizard() {
    // Forms refer to each other only through the slots; drop them without
    // running any unload logic.
    runtime_.setObserver(nullptr);
}

void Wizard::start() {
    runtime_.dispatch("frmAbout", [this] { frmAbout().show(); });
}

std::array<forms::FormSlot<MountDialog>*, 6> Wizard::dialogs() {
    return {&form6, &form7, &form8, &form9, &form10, &form11};
}

void Wizard::publishPhrases(int page, std::string phrases) {
    const bool any = !phrases.empty();
    modifications.setPhrases(page, std::move(phrases));
    if (any || form5.loaded()) form5().Text1.setText(modifications.text());
}

void Wizard::unloadDesignPagesAfter2() {
    form5.unload();
    form3.unload();
    form4.unload();
    for (auto* dialog : dialogs()) dialog->unload();
    form12.unload();
    modifications.clear();
}

}  // namespace ferrolith
