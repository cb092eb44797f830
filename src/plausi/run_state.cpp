#include "plausi/run_state.h"

#include <chrono>

namespace zev {

PlausiLauf::PlausiLauf()
    : zufall_(static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count())) {
    TestsZuruecksetzen();
}

void PlausiLauf::TestsZuruecksetzen() {
    Testergebnis.fill(kNichtGelaufen);
    Testparameter.fill(TestParameter{});
    Ergebniszaehler.fill(0);
}

void PlausiLauf::TestsAuszaehlen() {
    for (int n = kErsteGezaehlte; n <= kHoechsteNummer; ++n) {
        const int r = Code(n);
        if (r < 0 || r > 5) continue;
        ++Ergebniszaehler[0];
        ++Ergebniszaehler[static_cast<std::size_t>(r)];
    }
}

int PlausiLauf::AlarmSumme() const {
    int summe = 0;
    for (int k = Alarmschwelle + 2; k <= 5; ++k) summe += Ergebniszaehler[static_cast<std::size_t>(k)];
    return summe;
}

void PlausiLauf::Blindtest() { Setze(1, std::uniform_int_distribution<int>(0, 5)(zufall_)); }

void PlausiZaehlerLoeschen(Datenbestand& d, PlausiLauf& p) {
    const auto loeschen = [](auto& bereich) {
        for (auto& r : bereich.DB) {
            r.Warnungen = 0;
            r.Fehler = 0;
        }
    };
    loeschen(d.Lehrer);
    loeschen(d.Schueler);
    loeschen(d.Klassen);
    p.Ergebniszaehler.fill(0);
}

} // namespace zev
