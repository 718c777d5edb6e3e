#pragma once
// The Wizard owns every form slot, the runtime with its ports and the
// modification list. Forms reach each other through it; touching a slot
// creates its form on first use.

#include "common/ModificationList.h"
#include "forms/FormSlot.h"
#include "forms/Runtime.h"

#include <array>
#include <string>

namespace ferrolith {

class StartWindow;
class FrameChoicePage;
class ComponentPage;
class InternalPage;
class AccessoryPage;
class SensorPage;
class CompletionPage;
class MountDialog;

class Wizard {
    forms::Runtime runtime_;  // first: every slot refers to it

public:
    Wizard();
    ~Wizard();
    Wizard(const Wizard&) = delete;
    Wizard& operator=(const Wizard&) = delete;

    forms::Runtime& runtime() { return runtime_; }

    // Opens the start window.
    void start();

    forms::FormSlot<StartWindow> frmAbout;
    forms::FormSlot<FrameChoicePage> form1;   // page 1
    forms::FormSlot<ComponentPage> form2;     // page 2
    forms::FormSlot<InternalPage> form3;      // page 3
    forms::FormSlot<AccessoryPage> form4;     // page 4
    forms::FormSlot<SensorPage> form12;       // page 5
    forms::FormSlot<CompletionPage> form5;    // page 6
    // The mount dialogs, one per mountable item of page 5.
    forms::FormSlot<MountDialog> form6;   // rangefinder
    forms::FormSlot<MountDialog> form7;   // laser target designator
    forms::FormSlot<MountDialog> form8;   // ultrasound sensor
    forms::FormSlot<MountDialog> form9;   // external smartgun
    forms::FormSlot<MountDialog> form10;  // laser marker
    forms::FormSlot<MountDialog> form11;  // sight

    // The six dialog slots in their fixed order form6, Form7 .. Form11.
    std::array<forms::FormSlot<MountDialog>*, 6> dialogs();

    ModificationList modifications;
    // Replaces one page's phrases and writes the whole list into page 6's
    // Text1. A page without phrases does not create page 6.
    void publishPhrases(int page, std::string phrases);

    // Unloads pages 6, 3, 4, the six dialogs and page 5, in this order, and
    // starts the modification list afresh; page 2 is left to the caller.
    void unloadDesignPagesAfter2();
};

}  // namespace ferrolith
