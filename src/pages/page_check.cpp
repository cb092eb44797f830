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

namespace {

// The sheet into the buffer, the buffer into the list and its entry renewed.
template <class R> void BlattSpeichern(Steuerung& st, Bereich bereich, Meldungen& m, const std::function<void()>& f) {
    f();
    auto& b = st.Daten().Bereich<R>();
    if (PufferSpeichern(b, b.Aktuell, m)) st.ListenEintragNeu(bereich, b.Aktuell);
}

template <class R, class Lauf>
PruefAusgang AlleBlaetter(Steuerung& st, Bereich bereich, Meldungen& m, std::function<void()> seiteUebernehmen,
                          std::function<void()> gruppenfensterZeigen, Lauf lauf) {
    PruefHaken haken;
    haken.seiteUebernehmen = [&] { BlattSpeichern<R>(st, bereich, m, seiteUebernehmen); };
    haken.gruppenfensterZeigen = std::move(gruppenfensterZeigen);
    const PruefAusgang aus = lauf(haken);
    // The run wrote each record's counts into the list; the buffer still holds the
    // old ones and would write them back on the next move. The sheet was stored
    // before the run, so loading it again loses nothing.
    auto& b = st.Daten().Bereich<R>();
    if (b.IndexGueltig(b.Aktuell)) PufferLaden(b, b.Aktuell);
    return aus;
}

} // namespace

PruefAusgang KlassenblattPruefen(Steuerung& st, Meldungen& m, std::function<void()> seiteUebernehmen,
                                 std::function<void()> ergebnisfensterZeigen) {
    PruefHaken haken;
    haken.seiteUebernehmen = [&] { BlattSpeichern<TKlasseDS>(st, Bereich::Klassen, m, seiteUebernehmen); };
    haken.ergebnisfensterZeigen = std::move(ergebnisfensterZeigen);
    const Datenbestand& d = st.Daten();
    const PruefKontext k{st.Einstellungen(), st.Katalogliste(), d};
    return KlassePruefungAusfuehren(st.Plausi(), d.Klassen.Puffer, k, m, haken);
}

PruefAusgang SchuelerblattPruefen(Steuerung& st, Meldungen& m, std::function<void()> seiteUebernehmen,
                                  std::function<void()> ergebnisfensterZeigen) {
    PruefHaken haken;
    haken.seiteUebernehmen = [&] { BlattSpeichern<TSchuelerDS>(st, Bereich::Schueler, m, seiteUebernehmen); };
    haken.ergebnisfensterZeigen = std::move(ergebnisfensterZeigen);
    const Datenbestand& d = st.Daten();
    const PruefKontext k{st.Einstellungen(), st.Katalogliste(), d};
    return SchuelerPruefungAusfuehren(st.Plausi(), d.Schueler.Puffer, k, m, haken);
}

PruefAusgang AlleKlassenblaetterPruefen(Steuerung& st, Meldungen& m, std::function<void()> seiteUebernehmen,
                                        std::function<void()> gruppenfensterZeigen) {
    st.Laden(Bereich::Schueler);
    return AlleBlaetter<TKlasseDS>(st, Bereich::Klassen, m, std::move(seiteUebernehmen),
                                   std::move(gruppenfensterZeigen), [&](const PruefHaken& haken) {
                                       return GrosseKlassenPlausiAusfuehren(st.Plausi(), st.Daten(), st.Einstellungen(),
                                                                            st.Katalogliste(), m, haken);
                                   });
}

PruefAusgang AlleSchuelerblaetterPruefen(Steuerung& st, Meldungen& m, std::function<void()> seiteUebernehmen,
                                         std::function<void()> gruppenfensterZeigen) {
    return AlleBlaetter<TSchuelerDS>(st, Bereich::Schueler, m, std::move(seiteUebernehmen),
                                     std::move(gruppenfensterZeigen), [&](const PruefHaken& haken) {
                                         return GrosseSchuelerPlausiAusfuehren(
                                             st.Plausi(), st.Daten(), st.Einstellungen(), st.Katalogliste(), m, haken);
                                     });
}

} // namespace zev
