#pragma once
// The constant tables of page 2: what each weapon class gets on the page, and
// what each option costs. Handlers apply a row with a sign (+1 on tick, -1 on
// untick) instead of repeating the numbers in code.

#include "common/DesignSheet.h"

#include <array>
#include <string_view>

namespace ferrolith::components {

using Field = SheetField;
using Delta = SheetChange;

// The number changes of one option, in the order the handler writes them.
using Deltas = std::array<Delta, 5>;

// ---- weapon classes ---------------------------------------------------------

// Pages beyond page 2 that the set-up changes for a few classes.
enum class OtherPages : unsigned char {
    none,
    noUnderbarrelGrip,  // page 4 hides underbarrel weight and foregrip; page 5's underbarrel flag ticked
    taser,              // as above, and page 4 also hides the enlarged clip, its list and the silencer
};

struct ClassSetUp {
    const char* key;
    // Base values written in this order: pwn, snw, pwr, trn, gew, cap, lmm, hlt, hlt2, hlt3.
    const char* pwn;
    const char* snw;
    const char* pwr;
    const char* trn;
    const char* gew;
    const char* cap;  // also the base capacity kept in muniorg
    const char* lmm;
    const char* hlt;
    const char* hlt2;
    const char* hlt3;
    bool fkeCopy;          // takes page 1's FKE before the defaults are ticked
    int weightLevels;      // 0, or the size of the weight-reduction list (2, 6, 8, 12, 16)
    int fkeLevels;         // 0, or the size of the increased-FKE list (1, 2, 4, 6)
    const char* offers;    // blank-separated names of the option controls shown
    const char* defaults;  // blank-separated names of the boxes ticked, in order
    OtherPages otherPages;
};

// In the order of the class table of page 1.
extern const std::array<ClassSetUp, 14> classSetUps;

// The set-up row of a class key (compared exactly), or nullptr.
const ClassSetUp* findSetUp(std::string_view key);

// ---- fire modes ---------------------------------------------------------------

struct FireMode {
    const char* box;
    const char* pwr;         // written on tick
    const char* pwrUntick;   // written on untick
    Deltas deltas;
    bool silencer;           // tick shows page 4's silencer, untick hides it
    const char* toolTip;
};

// modus1 .. modus7.
extern const std::array<FireMode, 7> fireModes;

// ---- loading mechanisms -------------------------------------------------------

struct Mechanism {
    const char* box;
    const char* lmm;  // written on tick; nullptr leaves lmm alone (the belt)
    Deltas deltas;
    const char* toolTip;
    bool toolTipOnPress;  // set when a mouse button is pressed, not on a move
};

// lade1 .. lade5.
extern const std::array<Mechanism, 5> mechanisms;

// ---- single options and level boxes ------------------------------------------

// The steps of a level's tick or untick, one letter each, run in the order
// written: p ticks or unticks the parent, o disables or enables the other
// levels of the group, k writes the second Tarnstufe (ceramic levels), c
// applies all costs, and a digit applies only the cost at that index. The
// order is seen from outside: an FKE warning shows the page as far as the
// steps before it got.
inline constexpr const char* parentFirst = "pokc";

// A check box with fixed costs. Level boxes name their parent; a level's tick
// ticks the parent and disables the other levels of the group, its untick
// unticks the parent and enables them.
struct Option {
    const char* box;
    const char* parent;  // nullptr for a single option
    Deltas deltas;
    const char* trnkera;  // ceramic levels: second Tarnstufe text written on tick
    const char* toolTip;  // nullptr: the box sets no tooltip
    bool toolTipOnPress;
    const char* tickSteps = parentFirst;    // level boxes only
    const char* untickSteps = parentFirst;  // level boxes only
};

// The single options: bullpup, flechette, größe, nahkampf, schnell, schwer,
// zerlegbar, munitionswahl.
extern const std::array<Option, 8> singleOptions;

// The level boxes of tarn, keramik, power, rück and lauf, grouped by parent.
extern const std::array<Option, 12> levelOptions;

// ---- level lists --------------------------------------------------------------

struct LevelListGroup {
    const char* parent;
    const char* listPrefix;   // list name = prefix + number of levels
    const char* labelPrefix;  // label name = prefix + number of levels
    Field field;              // the field the levels change besides dp
    double perLevel;          // change of that field per level
    double dpPerLevel;
    const char* toolTip;
};

extern const LevelListGroup weightGroup;
extern const LevelListGroup fkeGroup;

// ---- forward action -----------------------------------------------------------

// The phrases of page 2's forward action in the order they are appended. A
// row names a check box that counts when ticked, or one of the level lists.
struct PhraseRow {
    const char* control;
    const char* phrase;  // for the increased-FKE lists: nullptr, the level is appended
};

extern const std::array<PhraseRow, 37> forwardPhrases;

}  // namespace ferrolith::components
