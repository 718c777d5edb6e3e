#pragma once
// Page 6: the finished design with name, type, price and modification list.
// "&Speichern" writes it as an 18-line text file, "&Neu" starts a new design
// from page 1, "&Zurück" returns to page 5 and "&Beenden" ends the program.

#include "common/DesignSheet.h"
#include "forms/Form.h"

#include <array>
#include <string>

namespace ferrolith {

class Wizard;

class CompletionPage : public forms::Form, public DesignSheet {
public:
    explicit CompletionPage(Wizard& wizard);
    void load() override;

    // The one frame that holds everything; it is the sheet's own frame.
    forms::Frame& Frame2 = sheetFrame;

    // Lines are frames of zero height: a horizontal rule across the frame.
    forms::Frame Line2;
    forms::Frame Line1;

    // Column heads above the fields, and the fields the sheet does not carry.
    forms::Label lblName;
    forms::TextField waffenname;
    forms::Label lblNamenEingeben;
    forms::Label lblTyp;
    forms::TextField typus;
    forms::Label lblTarnstufe;
    forms::Label lblFeuermodi;
    forms::Label lblSchaden;
    forms::Label lblGewicht;
    forms::Label lblKg;
    forms::Label lblMunition;

    forms::Label lblPreis;
    forms::TextField preis;
    forms::Label lblNuyen;
    forms::Label lblModifikationen;
    forms::TextField Text1;

    forms::Button Zurück;
    forms::Button cmdSave;
    forms::Button Command1;
    forms::Button beenden;

    void onDpChange();
    void onZurückClick();
    void onCmdSaveClick();
    void onCommand1Click();
    void onBeendenClick();

    // The 18 lines of the saved file, as the fields stand now.
    std::array<std::string, 18> fileLines() const;

    static constexpr const char* saveFilter = "Textdateien (*.txt)|*.txt";

private:
    void placeControls();

    Wizard& w_;
    std::string lastSavePath_;  // the file chosen in the last save from this page
};

}  // namespace ferrolith
