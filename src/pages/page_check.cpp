#include "pages/page_check.h"

#include "control/lifecycle.h"

namespace zev {

PruefAusgang SeitePruefen(Steuerung& st, PruefKnopf knopf, Meldungen& m, std::function<void()> seiteUebernehmen,
                          std::function<void()> ergebnisfensterZeigen) {
    PruefHaken haken;
    haken.seiteUebernehmen = std::move(seiteUebernehmen);
    haken.ergebnisfensterZeigen = std::move(ergebnisfensterZeigen);
    const Datenbestand& d = st.Daten();
    const PruefKontext k{st.Einstellungen(), st.Katalogliste(), d};
    return PruefungAusfuehren(knopf, st.Plausi(), d.SchulDS, d.Lehrer.Puffer, k, m, haken);
}

} // namespace zev
