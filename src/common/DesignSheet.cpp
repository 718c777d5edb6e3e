#include "common/DesignSheet.h"

#include "forms/Number.h"
#include "forms/Runtime.h"

namespace ferrolith {

using forms::Frame;
using forms::Label;
using forms::TextField;

DesignSheet::DesignSheet(forms::Form& form, const SheetTexts& t, const char* frameName, bool withLabels,
                         forms::Frame* within)
    : sheetFrame(form, frameName ? frameName : "sheetFrame", "", within),
      lblPwn(form, "lblPwn", "Powerniveau:", &sheetFrame),
      pwn(form, "pwn", t.pwn, &sheetFrame),
      lblSnw(form, "lblSnw", "Schadensniveau: ", &sheetFrame),
      snw(form, "snw", t.snw, &sheetFrame),
      lblPwr(form, "lblPwr", "Feuermodi:", &sheetFrame),
      pwr(form, "pwr", t.pwr, &sheetFrame),
      lblTrn(form, "lblTrn", "Tarnstufe:", &sheetFrame),
      trn(form, "trn", t.trn, &sheetFrame),
      lblSlash(form, "lblSlash", "/", &sheetFrame),
      trnkera(form, "trnkera", "", &sheetFrame),
      lblGew(form, "lblGew", "Gewicht: ", &sheetFrame),
      gew(form, "gew", t.gew, &sheetFrame),
      lblCap(form, "lblCap", "Munitionskapazität:", &sheetFrame),
      cap(form, "cap", t.cap, &sheetFrame),
      lblLmm(form, "lblLmm", "Lademechanismus:", &sheetFrame),
      lmm(form, "lmm", t.lmm, &sheetFrame),
      Gurt(form, "Gurt", "/ -", &sheetFrame),
      lblHlt(form, "lblHlt", "Verfügbare Halterungen:", &sheetFrame),
      hlt(form, "hlt", "Lauf", &sheetFrame),
      hlt2(form, "hlt2", "Aufmontiert", &sheetFrame),
      hlt3(form, "hlt3", "Unterlauf", &sheetFrame),
      lblKpd(form, "lblKpd", "Rückstoßkompensation:", &sheetFrame),
      kpd(form, "kpd", "0", &sheetFrame),
      lblFke(form, "lblFke", "FKE: ", &sheetFrame),
      fke(form, "fke", t.fke, &sheetFrame),
      lblDp(form, "lblDp", "DP:", &sheetFrame),
      dp(form, "dp", t.dp, &sheetFrame),
      typ(form, "typ", "", &sheetFrame),
      form_(form) {
    typ.setVisible(false);
    // The column has no caption; the field after "/" is the Tarnstufe that
    // ceramic components give against MAD systems.
    sheetFrame.spokenName = "Werte der Waffe";
    trnkera.spokenName = "Tarnstufe gegenüber MAD-Systemen";
    Gurt.spokenName = "Lademechanismus: Gurt";
    // Each field stands right of its label; trnkera after "/", Gurt after lmm,
    // the three mount fields side by side.
    for (forms::Control* c : std::initializer_list<forms::Control*>{&pwn, &snw, &pwr, &trn, &lblSlash, &trnkera, &gew,
                              &cap, &lmm, &Gurt, &hlt, &hlt2, &hlt3, &kpd, &fke, &dp})
        c->sameRow = true;
    if (!frameName) sheetFrame.setVisible(false);
    if (!withLabels) {
        for (Label* l : {&lblPwn, &lblSnw, &lblPwr, &lblTrn, &lblSlash, &lblGew, &lblCap, &lblLmm, &lblHlt,
                         &lblKpd, &lblFke, &lblDp})
            l->setVisible(false);
    }
}

void DesignSheet::guardFke(forms::Button& forward) {
    fke.onChange = [this, &forward] {
        if (forms::number::read(fke) < 0) {
            forward.setEnabled(false);
            form_.runtime().messages().show(fkeWarning, forms::Runtime::productName, forms::MessageIcon::None);
        }
        if (forms::number::read(fke) >= 0) forward.setEnabled(true);
    };
}

void DesignSheet::copyTo(DesignSheet& to, bool withTyp) const {
    to.Gurt.setText(Gurt.text());
    if (withTyp) to.typ.setText(typ.text());
    to.fke.setText(fke.text());
    to.dp.setText(dp.text());
    to.pwn.setText(pwn.text());
    to.snw.setText(snw.text());
    to.pwr.setText(pwr.text());
    to.trn.setText(trn.text());
    to.trnkera.setText(trnkera.text());
    to.gew.setText(gew.text());
    to.cap.setText(cap.text());
    to.lmm.setText(lmm.text());
    to.hlt.setText(hlt.text());
    to.kpd.setText(kpd.text());
    to.hlt2.setText(hlt2.text());
    to.hlt3.setText(hlt3.text());
}

forms::TextField& DesignSheet::numberField(SheetField field) {
    switch (field) {
        case SheetField::fke: return fke;
        case SheetField::gew: return gew;
        case SheetField::trn: return trn;
        case SheetField::kpd: return kpd;
        case SheetField::pwn: return pwn;
        case SheetField::dp:
        case SheetField::none: break;
    }
    return dp;
}

void DesignSheet::applyChanges(std::span<const SheetChange> changes, int sign) {
    for (const SheetChange& c : changes)
        if (c.field != SheetField::none) forms::number::add(numberField(c.field), sign * c.amount);
}

void DesignSheet::takeSetUpFields(const DesignSheet& from, const DesignSheet& page2) {
    pwn.setText(from.pwn.text());
    snw.setText(from.snw.text());
    pwr.setText(from.pwr.text());
    trn.setText(from.trn.text());
    trnkera.setText(page2.trnkera.text());
    gew.setText(from.gew.text());
    cap.setText(from.cap.text());
    lmm.setText(from.lmm.text());
    hlt.setText(from.hlt.text());
    kpd.setText(from.kpd.text());
}

}  // namespace ferrolith
