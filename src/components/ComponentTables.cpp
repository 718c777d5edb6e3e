#include "components/ComponentTables.h"

namespace ferrolith::components {

namespace {
constexpr Delta dp(double a) { return {Field::dp, a}; }
constexpr Delta fke(double a) { return {Field::fke, a}; }
constexpr Delta gew(double a) { return {Field::gew, a}; }
constexpr Delta trn(double a) { return {Field::trn, a}; }
constexpr Delta kpd(double a) { return {Field::kpd, a}; }
constexpr Delta pwn(double a) { return {Field::pwn, a}; }
}  // namespace

// Every class also gets größe, power with powerstufe1 and the parent modus;
// the weight and increased-FKE lists come from the level counts.
const std::array<ClassSetUp, 14> classSetUps{{
    {"Holdout Pistole", "4", "L", "EM", "9", "0,5", "4", "Streifen", "-", "", "", false, 0, 0,
     "modus1 modus2 lade lade1 lade2 keramik keramikstufe1 keramikstufe2 keramikstufe3 "
     "tarn tarnstufe1 tarnstufe2 flechette nahkampf",
     "lade2 modus1", OtherPages::none},
    {"Leichte Pistole", "6", "L", "HM", "7", "1,25", "12", "Streifen", "Lauf", "Aufmontiert", "", false, 2, 2,
     "modus1 modus2 modus3 modus4 lade lade1 lade2 lade3 lade4 keramik keramikstufe1 keramikstufe2 keramikstufe3 "
     "tarn tarnstufe1 tarnstufe2 flechette nahkampf",
     "lade2 modus2", OtherPages::noUnderbarrelGrip},
    {"Automatische Pistole", "6", "L", "HM/SM", "6", "3", "30", "Streifen", "Lauf", "Aufmontiert", "", true, 2, 6,
     "modus4 modus5 modus7 keramik keramikstufe1 keramikstufe2 keramikstufe3 "
     "tarn tarnstufe1 tarnstufe2 flechette nahkampf munitionswahl schwer rück rück1",
     "modus4", OtherPages::noUnderbarrelGrip},
    {"Schwere Pistole", "9", "M", "HM", "6", "2,75", "10", "Streifen", "Lauf", "Aufmontiert", "Unterlauf", false, 6, 4,
     "modus1 modus2 modus3 modus4 lade lade1 lade2 lade3 lade4 keramik keramikstufe1 keramikstufe2 keramikstufe3 "
     "tarn tarnstufe1 tarnstufe2 flechette nahkampf schwer rück rück1",
     "lade2 modus2", OtherPages::none},
    {"Maschinenpistole", "6", "M", "", "4", "3,5", "20", "Streifen", "Lauf", "Aufmontiert", "Unterlauf", true, 8, 4,
     "modus3 modus4 modus5 modus6 modus7 keramik keramikstufe1 keramikstufe2 keramikstufe3 "
     "tarn tarnstufe1 tarnstufe2 nahkampf munitionswahl schnell schwer rück rück1 rück2",
     "modus4", OtherPages::none},
    {"Schrotflinte", "8", "S", "HM", "3", "4,5", "5", "Magazin", "Lauf", "Aufmontiert", "Unterlauf", false, 6, 4,
     "modus1 modus2 modus3 modus4 lade lade1 lade2 lade4 keramik keramikstufe1 "
     "tarn tarnstufe1 tarnstufe2 powerstufe2 bullpup muni munistufe munitionswahl nahkampf schwer "
     "lauf lauf1 lauf2 rück rück1 rück2",
     "modus2 lade4", OtherPages::none},
    {"Taser", "10", "S-Bet.", "HM", "5", "2,5", "3", "Magazin", "", "Aufmontiert", "", false, 2, 0,
     "modus2 keramik keramikstufe1 keramikstufe2 keramikstufe3 "
     "tarn tarnstufe1 tarnstufe2 powerstufe2 nahkampf muni munistufe",
     "modus2", OtherPages::taser},
    {"Sportgewehr", "7", "S", "HM", "2", "4,5", "5", "Magazin", "Lauf", "Aufmontiert", "Unterlauf", false, 6, 4,
     "modus1 modus2 modus4 lade lade2 lade4 keramik keramikstufe1 "
     "tarn tarnstufe1 tarnstufe2 powerstufe2 bullpup muni munistufe munitionswahl nahkampf schwer zerlegbar "
     "lauf lauf1 lauf2 rück rück1",
     "modus2 lade4", OtherPages::none},
    {"Sturmgewehr", "8", "M", "HM/SM/AM", "3", "5", "30", "Streifen", "Lauf", "Aufmontiert", "Unterlauf", true, 8, 1,
     "modus6 keramik keramikstufe1 tarn tarnstufe1 tarnstufe2 bullpup munitionswahl nahkampf schnell schwer "
     "zerlegbar lauf lauf1 lauf2 rück rück1 rück2",
     "modus modus6", OtherPages::none},
    {"Scharfschützengewehr", "14", "S", "HM", "0", "6", "6", "Magazin", "Lauf", "Aufmontiert", "Unterlauf", false,
     6, 4,
     "modus1 modus2 lade lade2 lade4 keramik keramikstufe1 keramikstufe2 keramikstufe3 "
     "powerstufe2 muni munistufe munitionswahl schwer zerlegbar lauf lauf1 lauf2 rück rück1",
     "modus2 lade4", OtherPages::none},
    {"LMG", "7", "S", "SM/AM", "1", "11", "40", "Streifen", "Lauf", "Aufmontiert", "Unterlauf", true, 12, 0,
     "modus2 modus3 modus4 modus5 modus6 modus7 lade lade2 lade5 munitionswahl schnell schwer rück rück1 rück2",
     "modus5 lade2", OtherPages::none},
    {"MMG", "9", "S", "AM", "1", "14,5", "30", "Streifen", "Lauf", "Aufmontiert", "Unterlauf", true, 16, 0,
     "modus7 lade lade2 lade5 munitionswahl schnell schwer rück rück1 rück2", "modus7 modus lade2",
     OtherPages::none},
    {"SMG", "10", "S", "AM", "1", "17,5", "30", "Streifen", "Lauf", "Aufmontiert", "Unterlauf", true, 16, 0,
     "modus7 lade lade2 lade5 munitionswahl schnell schwer rück rück1 rück2", "modus7 modus lade2",
     OtherPages::none},
    {"Sturmkanone", "18", "T", "EM", "1", "22", "20", "Streifen", "Lauf", "Aufmontiert", "Unterlauf", false, 12, 0,
     "modus1 lade lade2 lade5 powerstufe2 schwer rück rück1", "modus modus1 lade2", OtherPages::none},
}};

const ClassSetUp* findSetUp(std::string_view key) {
    for (const ClassSetUp& c : classSetUps)
        if (key == c.key) return &c;
    return nullptr;
}

const std::array<FireMode, 7> fireModes{{
    {"modus1", "EM", " - ", {dp(-5)}, true, "DP -5"},
    {"modus2", "HM", " - ", {dp(5)}, true, "DP +5"},
    {"modus3", "SM", " - ", {dp(100), fke(-1), gew(0.5)}, false, "DP +100, FKE -1, Gewicht +0.5 kg"},
    {"modus4", "HM/SM", " - ", {dp(105), fke(-1), gew(0.5)}, false, "DP +105, FKE -1, Gewicht +0.5 kg"},
    {"modus5", "SM/AM", " - ", {dp(220), fke(-2), gew(1)}, false, "DP +220, FKE -2, Gewicht +1 kg"},
    {"modus6", "HM/SM/AM", " - ", {dp(225), fke(-2), gew(1)}, false, "DP +225, FKE -2, Gewicht +1 kg"},
    {"modus7", "AM", "-", {dp(120), fke(-1), gew(0.5)}, false, "DP +120, FKE -1, Gewicht +0.5 kg"},
}};

const std::array<Mechanism, 5> mechanisms{{
    {"lade1", " Klapp ", {dp(-5), trn(1)}, "Tarnstufe: +1, DP -5", false},
    {"lade2", "Streifen", {dp(10), trn(-1)}, "Tarnstufe: +1, DP +10", false},
    {"lade3", "Trommel", {dp(8), trn(-1)}, "Tarnstufe: +1, DP +8", true},
    {"lade4", "Magazin", {dp(5)}, "DP +5", false},
    {"lade5", nullptr, {dp(10)}, "DP +10", false},
}};

const std::array<Option, 8> singleOptions{{
    {"bullpup", nullptr, {kpd(1), dp(25), fke(-0.5), trn(2)}, nullptr,
     "Tarnstufe: +2, DP +25, FKE -0.25, Rückstoßkompensation +1", false},
    {"flechette", nullptr, {fke(0.5), dp(10)}, nullptr, "DP +10, FKE +0.5", false},
    {"größe", nullptr, {dp(20)}, nullptr, "DP +20", false},
    {"nahkampf", nullptr, {dp(15), fke(-0.5), gew(0.25)}, nullptr, "FKE -0.5, DP +15, Gewicht +0.25 kg", false},
    {"schnell", nullptr, {dp(100), fke(-1.5), gew(1)}, nullptr, "DP +100, FKE -1.5, Gewicht +1", false},
    {"schwer", nullptr, {fke(-0.25), gew(0.5), dp(25), kpd(1)}, nullptr,
     "DP +25, FKE -0.25, Gewicht +0.5, Rückstoßkompensation +1", false},
    {"zerlegbar", nullptr, {dp(40), fke(-1)}, nullptr, "DP +40, FKE -1", false},
    {"munitionswahl", nullptr, {dp(35), fke(-0.5), gew(0.1), trn(-1)}, nullptr,
     "Tarnstufe -1, DP +35, FKE -0.5, Gewicht +0.1", false},
}};

const std::array<Option, 12> levelOptions{{
    {"tarnstufe1", "tarn", {trn(1), fke(-0.25), dp(20)}, nullptr, "Tarnstufe +1, FKE -0.25, DP +20", false},
    {"tarnstufe2", "tarn", {trn(2), fke(-0.5), dp(40)}, nullptr, "Tarnstufe +2, FKE -0.5, DP +40", false},
    {"keramikstufe1", "keramik", {dp(20), fke(-0.25), gew(-0.1)}, "+ 2",
     "Tarnstufe: - /+2, DP +20, FKE -0.25, Gewicht -0.1 kg", false},
    {"keramikstufe2", "keramik", {dp(40), fke(-0.5), gew(-0.2)}, "+ 4",
     "Tarnstufe: - /+4, DP +40, FKE -0.5, Gewicht -0.2 kg", false},
    {"keramikstufe3", "keramik", {dp(60), fke(-0.75), gew(-0.3)}, "18 gegenüber MAD-Systemen",
     "Tarnstufe: - /18, DP +60, FKE -0.75, Gewicht -0.3 kg", false, "pock"},
    {"powerstufe1", "power", {dp(80), fke(-0.25), gew(0.25), pwn(1)}, nullptr,
     "Powerniveau +1, FKE -0.25, DP +80, Gewicht +0.25 kg", false, "012po3", "012po3"},
    {"powerstufe2", "power", {dp(160), fke(-0.5), gew(0.5), pwn(2)}, nullptr,
     "Powerniveau +2, FKE -0.5, DP +160, Gewicht +0.5 kg", false, "p012o3", "012po3"},
    {"rück1", "rück", {kpd(1), dp(70), fke(-0.5), gew(0.25)}, nullptr,
     "DP +70, FKE -0.5, Gewicht +0.25, Rückstoßkompensation +1", false},
    {"rück2", "rück", {kpd(2), dp(140), fke(-1), gew(0.5)}, nullptr,
     "DP +140, FKE -1, Gewicht +0.5, Rückstoßkompensation +2", false},
    {"rück3", "rück", {kpd(3), dp(210), fke(-1.5), gew(0.75)}, nullptr,
     "DP +210, FKE -1.5, Gewicht +0.75, Rückstoßkompensation +3", false},
    {"lauf1", "lauf", {fke(-0.5), dp(15), trn(-2), gew(0.25)}, nullptr,
     "Tarnstufe: -2, DP +15, FKE -0.5, Gewicht +0.25", true, parentFirst, "cpo"},
    {"lauf2", "lauf", {fke(-0.5), dp(8), trn(2), gew(-0.25)}, nullptr,
     "Tarnstufe: +2, DP +8, FKE -0.5, Gewicht -0.25", false, parentFirst, "cpo"},
}};

const LevelListGroup weightGroup{"gewicht", "gewichtstufe", "gewicht", Field::gew, -0.25, 5,
                                 "DP +5 pro Gewichtsstufe, Gewicht -0.25 pro Gewichtsstufe"};
const LevelListGroup fkeGroup{"mehr", "mehrstufe", "mehr", Field::fke, 0.25, 10,
                              "DP +10 pro Stufe, FKE +0.25 pro Stufe"};

const std::array<PhraseRow, 37> forwardPhrases{{
    {"tarnstufe1", ", erhöhte Tarnstufe (1)"},
    {"tarnstufe2", ", erhöhte Tarnstufe (2)"},
    {"powerstufe1", ", erhöhtes Powerniveau (1)"},
    {"powerstufe2", ", erhöhtes Powerniveau (2)"},
    {"modus1", ", Feuermodus (EM)"},
    {"modus2", ", Feuermodus (HM)"},
    {"modus3", ", Feuermodus (SM)"},
    {"modus4", ", Feuermodus (HM/SM)"},
    {"modus5", ", Feuermodus (SM/AM)"},
    {"modus6", ", Feuermodus (HM/SM/AM)"},
    {"modus7", ", Feuermodus (AM)"},
    {"flechette", ", Flechettebeschränkung"},
    {"größe", ", Größenanpassung"},
    {"keramikstufe1", ", Keramikkomponenten (1)"},
    {"keramikstufe2", ", Keramikkomponenten (2)"},
    {"keramikstufe3", ", Keramikkomponenten (3)"},
    {"lade1", ", Lademechanismus (Klapp)"},
    {"lade2", ", Lademechanismus (Streifen)"},
    {"lade3", ", Lademechanismus (Trommel)"},
    {"lade4", ", Lademechanismus (Magazin)"},
    {"lade5", ", Lademechanismus (Gurt)"},
    {"nahkampf", ", Nahkampfverstärkung"},
    {"gewicht", ", Gewichtsreduzierung"},
    {"bullpup", ", Bullpup-Design"},
    {"mehrstufe6", nullptr},
    {"mehrstufe4", nullptr},
    {"mehrstufe2", nullptr},
    {"mehrstufe1", nullptr},
    {"lauf1", ", Laufverlängerung"},
    {"lauf2", ", Laufverkürzung"},
    {"munitionswahl", ", Munitionswahl"},
    {"rück1", ", Rückstoßkompensation (1)"},
    {"rück2", ", Rückstoßkompensation (2)"},
    {"rück3", ", Rückstoßkompensation (3)"},
    {"schwer", ", schwerer Lauf"},
    {"munistufe", ", erhöhte Munitionskapazität"},
    {"zerlegbar", ", zerlegbar"},
}};

}  // namespace ferrolith::components
