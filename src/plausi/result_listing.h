// What the result window shows, as data: the threshold, one heading and one
// result line per test that ran, the overall verdict and the counts line.
#pragma once

#include "model/colours.h"
#include "plausi/message_table.h"
#include "plausi/run_state.h"

#include <string>
#include <vector>

namespace zev {

struct AnzeigeZeile {
    std::string text; // UTF-8
    Farbe farbe;
};

// One listed test with everything a report needs.
struct ListenEintrag {
    int nummer;
    int code;
    std::int32_t i;
    double r;
    std::string titel;
    std::string text; // with markers replaced, prefixes and arrow in front
    Farbe farbe;
};

struct Ergebnisanzeige {
    std::string schwelleText;
    Farbe schwelleFarbe;
    std::vector<AnzeigeZeile> zeilen; // per test: heading (black), result (its colour), empty line
    std::vector<ListenEintrag> eintraege;
    std::string urteil;
    Farbe urteilFarbe;
    bool zaehlerSichtbar = false;
    int warnungen = 0;
    int fehler = 0;
};

inline constexpr const char* kFensterTitel = "Datentest (interne PLAUSI)";

// The threshold as the result window and the group grid name it.
AnzeigeZeile SchwellenAnzeige(int alarmschwelle);

// The colour of a result code (black outside 0..5).
Farbe CodeFarbe(int code);

// "&r" as the window writes it: at most 7 significant digits, no trailing zeros,
// a decimal comma.
std::string ZahlFormat(double r);

Ergebnisanzeige ErgebnisseAufbauen(const PlausiLauf& lauf, const Fehlertexte& texte);

} // namespace zev
