// A small world for the checks: settings, a few catalogue entries, and a school
// with its teacher and class areas.
#pragma once

#include "plausi/check_context.h"
#include "plausi/run_state.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <memory>

namespace zev::test {

class PlausiTest : public ::testing::Test {
protected:
    PlausiTest() {
        EinstellungenStandard(e, "/p/");
        e.Schulnummer = "12345";
        e.Berichtsjahr = "2004"; // the checks' cases are written for this report year
        const auto katalog = [&](std::uint16_t n, std::initializer_list<const char*> eintraege) {
            Katalog& k = kataloge.Liste(n);
            k.push_back(n == 101 ? "??" : " -???-; []");
            for (const char* x : eintraege) k.push_back(x);
        };
        katalog(39, {"Grundschule; [01]", "Gymnasium; [04]"});
        katalog(32, {"Halbtagsschule; [10]", "zu nennende Form; [41]"});
        katalog(19, {"offen; [1]"});
        katalog(37, {"Verein; [01]"});
        katalog(38, {"Erfurt; [01]"});
        katalog(42, {"Kirche; [03]"});
        katalog(101, {"Frau", "Herr"});
        katalog(27, {"Klasse 5; [05]", "Klasse 10; [10]"});
        katalog(14, {"Deutsch; [De]", "Mathematik; [Ma]"});
        katalog(28, {"Grundkurs; [GK]"});
        katalog(13, {"Englisch; [E]"});
        kataloge.Liste(107).push_back("1");
        kataloge.Liste(107).push_back("1.5");
        kataloge.Liste(107).push_back("4");
        katalog(29, {"Deutschland; [276]"});
        katalog(11, {"Vollzeit; [01]"});
        katalog(34, {"Gymnasiallehrer; [GY]", "Grundschullehrer; [GS]"});
        katalog(15, {"Deutsch; [De]"});
        katalog(30, {"Lehramt 3; [L3]"});
        katalog(8, {"Schulleitung; [SL]"});
        katalog(23, {"Ansparen; [01]"});
        katalog(22, {"Altersteilzeit; [AT]"});
        katalog(5, {"Unterricht; [01]"});
        katalog(33, {"Beamte; [B]"});
        katalog(35, {"Sport; [S]"});
        katalog(47, {"Neueinstellung; [N]"});
        katalog(1, {"Ruhestand; [R]"});
        d->Lehrer.Geladen = d->Klassen.Geladen = d->SchuleGeladen = true;
        InitSchule(d->SchulDS, "12345");
        InitLehrer(d->Lehrer.DB[0], "12345");
        InitKlasse(d->Klassen.DB[0], "12345");
        p.Saat(1);
    }

    PruefKontext Kontext() const { return {e, kataloge, *d}; }

    TEinstellungen e;
    Kataloge kataloge;
    std::unique_ptr<Datenbestand> d = std::make_unique<Datenbestand>();
    PlausiLauf p;
    SkriptMeldungen m;
};

} // namespace zev::test
