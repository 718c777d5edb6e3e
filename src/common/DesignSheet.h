#pragma once
// The design sheet: the column of same-named text fields that carries a
// design's running values from page to page, with its labels and the FKE guard.

#include "forms/Controls.h"
#include "forms/Form.h"

#include <array>
#include <span>

namespace ferrolith {

// The texts a page's sheet fields show before code first writes them.
struct SheetTexts {
    const char* dp;
    const char* fke;
    const char* pwn;
    const char* snw;
    const char* pwr;
    const char* trn;
    const char* gew;
    const char* cap;
    const char* lmm;
};

inline constexpr SheetTexts page2SheetTexts{"0", "0", "0", "snw", "XX", "XX", "XXXX", "XXXXX", "XXXXXX"};
inline constexpr SheetTexts page3SheetTexts = page2SheetTexts;
inline constexpr SheetTexts page4SheetTexts{"0", "0", "0", "X", "XX", "XX", "XXXX", "XXXXX", "XXXXXX"};
inline constexpr SheetTexts page5SheetTexts = page4SheetTexts;
inline constexpr SheetTexts page6SheetTexts{"0", "0", "10", "M", "XX", "XX", "2,75", "XXXXX", "Streifen"};

// A sheet field that an option changes by a number, and one such change.
enum class SheetField : unsigned char { none, dp, fke, gew, trn, kpd, pwn };

struct SheetChange {
    SheetField field = SheetField::none;
    double amount = 0;
};

inline constexpr const char* fkeWarning = "FKE darf nicht unter 0 liegen !";

class DesignSheet {
public:
    // frameName names the frame that holds the sheet block on pages 2 to 5;
    // page 6 lays its fields out itself and asks for no labels. `within` is
    // the frame the sheet block stands in, or nullptr for the form itself.
    DesignSheet(forms::Form& form, const SheetTexts& texts, const char* frameName, bool withLabels = true,
                forms::Frame* within = nullptr);

    forms::Frame sheetFrame;
    forms::Label lblPwn;
    forms::TextField pwn;
    forms::Label lblSnw;
    forms::TextField snw;
    forms::Label lblPwr;
    forms::TextField pwr;
    forms::Label lblTrn;
    forms::TextField trn;
    forms::Label lblSlash;
    forms::TextField trnkera;
    forms::Label lblGew;
    forms::TextField gew;
    forms::Label lblCap;
    forms::TextField cap;
    forms::Label lblLmm;
    forms::TextField lmm;
    forms::TextField Gurt;
    forms::Label lblHlt;
    forms::TextField hlt;
    forms::TextField hlt2;
    forms::TextField hlt3;
    forms::Label lblKpd;
    forms::TextField kpd;
    forms::Label lblFke;
    forms::TextField fke;
    forms::Label lblDp;
    forms::TextField dp;
    forms::TextField typ;  // the class key, never shown

    // Every write of fke checks it: below 0 disables the forward button and
    // then warns; 0 or more enables it. Runs on hidden pages too.
    void guardFke(forms::Button& forward);

    // The forward copy, field by field in the fixed order
    // Gurt, typ, fke, dp, pwn, snw, pwr, trn, trnkera, gew, cap, lmm, hlt, kpd, hlt2, hlt3;
    // without typ when the receiving page does not take it.
    void copyTo(DesignSheet& to, bool withTyp) const;

    // The field behind a SheetField (dp for none, which no change uses).
    forms::TextField& numberField(SheetField field);

    // Adds each change times sign (+1 on tick, -1 on untick) to its field, in
    // the order given; `none` entries are skipped.
    void applyChanges(std::span<const SheetChange> changes, int sign);

    // The class set-up of pages 4 and 5 takes pwn, snw, pwr, trn, gew, cap,
    // lmm, hlt and kpd from `from` and trnkera from page 2, in this order.
    void takeSetUpFields(const DesignSheet& from, const DesignSheet& page2);

private:
    forms::Form& form_;
};

}  // namespace ferrolith
