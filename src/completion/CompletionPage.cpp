#include "completion/CompletionPage.h"

#include "app/Wizard.h"
#include "common/WeaponClass.h"
#include "completion/Cp1252.h"
#include "completion/DesignFile.h"
#include "components/ComponentPage.h"
#include "forms/Number.h"
#include "sensors/SensorPage.h"
#include "start/FrameChoicePage.h"

namespace ferrolith {

using forms::TwipsRect;

CompletionPage::CompletionPage(Wizard& wizard)
    : forms::Form(wizard.runtime(), "Form5", "\"Ferrolith\" - Seite 6"),
      DesignSheet(*this, page6SheetTexts, "Frame2", false),
      Line2(*this, "Line2", "", &sheetFrame),
      Line1(*this, "Line1", "", &sheetFrame),
      lblName(*this, "lblName", "Name", &sheetFrame),
      waffenname(*this, "waffenname", "", &sheetFrame),
      lblNamenEingeben(*this, "lblNamenEingeben", "(Namen eingeben)", &sheetFrame),
      lblTyp(*this, "lblTyp", "Typ", &sheetFrame),
      typus(*this, "typus", "", &sheetFrame),
      lblTarnstufe(*this, "lblTarnstufe", "Tarnstufe", &sheetFrame),
      lblFeuermodi(*this, "lblFeuermodi", "Feuermodi", &sheetFrame),
      lblSchaden(*this, "lblSchaden", "Schaden", &sheetFrame),
      lblGewicht(*this, "lblGewicht", "Gewicht ", &sheetFrame),
      lblKg(*this, "lblKg", "kg", &sheetFrame),
      lblMunition(*this, "lblMunition", "Munition", &sheetFrame),
      lblPreis(*this, "lblPreis", "Endgültiger Preis:", &sheetFrame),
      preis(*this, "preis", "00000", &sheetFrame),
      lblNuyen(*this, "lblNuyen", "Nuyen", &sheetFrame),
      lblModifikationen(*this, "lblModifikationen", "Modifikationen:", &sheetFrame),
      Text1(*this, "Text1", ModificationList::start, &sheetFrame),
      Zurück(*this, "Zurück", "&Zurück", &sheetFrame),
      cmdSave(*this, "cmdSave", "&Speichern", &sheetFrame),
      Command1(*this, "Command1", "&Neu", &sheetFrame),
      beenden(*this, "beenden", "&Beenden", &sheetFrame),
      w_(wizard) {
    sheetFrame.setCaption("Fertigstellung");
    // The sheet's own labels that read the same here stand at page 6's places;
    // the others stay hidden, and page 6 has no `typ` (typus shows the class).
    for (forms::Label* l : {&lblSlash, &lblHlt, &lblKpd, &lblFke, &lblDp}) l->setVisible(true);

    // The name is the only field the user edits. It takes printable
    // characters that the saved file's code page holds, so the file keeps
    // every character of it and no line break can split a line.
    waffenname.readOnly = false;
    waffenname.acceptsChar = [](char32_t c) { return c >= 0x20 && c != 0x7F && cp1252::holds(c); };
    Text1.multiLine = true;

    placeControls();

    dp.onChange = [this] { onDpChange(); };
    Zurück.onClick = [this] { onZurückClick(); };
    cmdSave.onClick = [this] { onCmdSaveClick(); };
    Command1.onClick = [this] { onCommand1Click(); };
    beenden.onClick = [this] { onBeendenClick(); };
    onClose = [this] { runtime().endProgram(); };
}

// Places in twips. The frame's controls are placed relative to the frame,
// the frame relative to the window's client area.
void CompletionPage::placeControls() {
    clientTwips = TwipsRect{0, 0, 11175, 10695};
    sheetFrame.twips = TwipsRect{120, 120, 10935, 10455};

    Line2.twips = TwipsRect{120, 600, 10680, 0};
    Line1.twips = TwipsRect{120, 1680, 10680, 0};

    lblName.twips = TwipsRect{840, 840, 495, 255};
    waffenname.twips = TwipsRect{120, 1080, 2055, 285};
    lblNamenEingeben.twips = TwipsRect{480, 1440, 1455, 255};
    lblTyp.twips = TwipsRect{3000, 840, 375, 255};
    typus.twips = TwipsRect{2280, 1080, 1695, 285};
    typus.centred = true;
    lblTarnstufe.twips = TwipsRect{3960, 840, 855, 255};
    trn.twips = TwipsRect{4080, 1080, 255, 285};
    lblSlash.twips = TwipsRect{4320, 1080, 120, 255};
    trnkera.twips = TwipsRect{4440, 1080, 435, 285};
    lblFeuermodi.twips = TwipsRect{5160, 840, 855, 255};
    pwr.twips = TwipsRect{4920, 1080, 1335, 285};
    pwr.centred = true;
    lblSchaden.twips = TwipsRect{6600, 840, 735, 255};
    pwn.twips = TwipsRect{6720, 1080, 255, 285};
    snw.twips = TwipsRect{6960, 1080, 615, 285};
    lblGewicht.twips = TwipsRect{7920, 840, 735, 255};
    gew.twips = TwipsRect{7920, 1080, 360, 285};
    lblKg.twips = TwipsRect{8280, 1080, 255, 255};
    lblMunition.twips = TwipsRect{9120, 840, 735, 255};
    cap.twips = TwipsRect{9000, 1080, 240, 285};
    lmm.twips = TwipsRect{9240, 1080, 600, 285};
    Gurt.twips = TwipsRect{9840, 1080, 735, 285};

    lblHlt.twips = TwipsRect{120, 2040, 2055, 255};
    hlt.twips = TwipsRect{2280, 2040, 735, 285};
    hlt2.twips = TwipsRect{3120, 2040, 1095, 285};
    hlt3.twips = TwipsRect{4320, 2040, 975, 285};
    lblKpd.twips = TwipsRect{120, 2280, 2055, 255};
    kpd.twips = TwipsRect{2280, 2280, 495, 285};
    lblFke.twips = TwipsRect{120, 2640, 2055, 255};
    fke.twips = TwipsRect{2280, 2640, 735, 285};
    lblDp.twips = TwipsRect{120, 2880, 2055, 255};
    dp.twips = TwipsRect{2280, 2880, 735, 285};
    lblPreis.twips = TwipsRect{120, 3480, 2055, 255};
    preis.twips = TwipsRect{2280, 3480, 975, 285};
    lblNuyen.twips = TwipsRect{3360, 3480, 615, 255};
    lblModifikationen.twips = TwipsRect{120, 3720, 1695, 255};
    Text1.twips = TwipsRect{1920, 3720, 8295, 1335};

    Zurück.twips = TwipsRect{4920, 9960, 1335, 375};
    cmdSave.twips = TwipsRect{6360, 9960, 1455, 375};
    Command1.twips = TwipsRect{7920, 9960, 1455, 375};
    beenden.twips = TwipsRect{9480, 9960, 1335, 375};

    // Hidden controls of the sheet get an empty place of their own.
    for (forms::Control* c : std::initializer_list<forms::Control*>{
             &typ, &lblPwn, &lblSnw, &lblPwr, &lblTrn, &lblGew, &lblCap, &lblLmm})
        c->twips = TwipsRect{0, 0, 0, 0};
}

void CompletionPage::load() {
    if (const WeaponClass* c = findClass(w_.form1().typ.text())) {
        typus.setText(c->key);
        waffenname.setText(std::string(c->key) + " #1");
    }
    // The price follows DP from the start, also while DP is still 0.
    onDpChange();
}

// The price is five times DP, for every DP, 0 included.
void CompletionPage::onDpChange() { preis.setText(forms::number::format(forms::number::read(dp) * 5)); }

void CompletionPage::onZurückClick() {
    // Read page 6's place first: creating page 5 would move page 6 to it.
    const int t = top();
    const int l = left();
    w_.form12().setTop(t);
    w_.form12().setLeft(l);
    w_.form12().show();
    hide();
}

void CompletionPage::onCmdSaveClick() {
    // While page 6 stays loaded the dialog offers the name chosen last time.
    const auto path = runtime().saveDialog().askSavePath(saveFilter, lastSavePath_);
    if (!path || path->empty()) return;
    lastSavePath_ = *path;
    const auto lines = fileLines();
    if (auto failure = designfile::save(*path, designfile::encode(lines))) {
        runtime().messages().show("Die Datei \"" + *path + "\" konnte nicht gespeichert werden: " + *failure + ".",
                                  forms::Runtime::productName, forms::MessageIcon::Warning);
    }
}

void CompletionPage::onCommand1Click() {
    // Page 6 itself first, then page 2; the rest in the order pages 3, 4, the
    // six dialogs and page 5, which also starts the modification list afresh.
    w_.form5.unload();
    w_.form2.unload();
    w_.unloadDesignPagesAfter2();
    w_.form1().show();
}

void CompletionPage::onBeendenClick() { runtime().endProgram(); }

std::array<std::string, 18> CompletionPage::fileLines() const {
    return {
        "Name:      " + waffenname.text(),
        "Typ:       " + typus.text(),
        "Tarnstufe: " + trn.text() + " / " + trnkera.text(),
        "Feuermodi: " + pwr.text(),
        "Schaden:   " + pwn.text() + snw.text(),
        "Gewicht:   " + gew.text() + "kg",
        "Munition:  " + cap.text() + " " + lmm.text(),
        " ",
        " ",
        "Verfügbare Halterungen: " + hlt.text() + " " + hlt2.text() + " " + hlt3.text(),
        "Rückstoßkompensation: " + kpd.text(),
        " ",
        "Freie FKE: " + fke.text(),
        "DP: " + dp.text(),
        " ",
        "Endgültiger Preis: " + preis.text() + " Nuyen",
        " ",
        "Modifikationen: " + Text1.text(),
    };
}

}  // namespace ferrolith
