#include "plausi/check_course.h"

#include "plausi/class_tests.h"
#include "plausi/school_tests.h"
#include "plausi/student_tests.h"
#include "plausi/teacher_tests.h"

namespace zev {

std::string BestaetigungsText(PruefKnopf knopf) {
    switch (knopf) {
        case PruefKnopf::SchulGrunddaten:
            return "Die Schul-Grunddaten wurden erfolgreich getestet!";
        case PruefKnopf::SchulFreieTraeger:
            return "Die Schuldaten - als Schule in freier Trägerschaft -\rwurden erfolgreich getestet!";
        case PruefKnopf::SchulUE:
            return "Alle Schul-UnterrichtsEinheiten wurden erfolgreich getestet!";
        case PruefKnopf::AlleSchuldaten:
            return "Alle Schuldaten wurden erfolgreich getestet!";
        case PruefKnopf::LehrerGrunddaten:
            return "Lehrer-Grunddaten und Daten zu Ausbildungen\rund Lehrbefähigungen wurden erfolgreich getestet!";
        case PruefKnopf::LehrerStunden:
            return "Lehrer-Stunden, Arbeitszzeitkonten und -regelungen\rwurden erfolgreich getestet!";
        case PruefKnopf::LehrerSonstiges:
            return "Sonstige Lehrer-Daten und Daten zum PsmA-Einsatz\rsowie Zu- und Abgang wurden erfolgreich "
                   "getestet!";
        case PruefKnopf::LehrerUE:
            return "UnterrichtsEinheiten des Lehrers (Lehrer-Einsatz)\rwurden erfolgreich getestet!";
        case PruefKnopf::DiesenLehrer:
            return "Daten des aktuellen Lehrers\rwurden erfolgreich getestet!";
    }
    return {};
}

namespace {

bool Schulknopf(PruefKnopf k) {
    return k <= PruefKnopf::AlleSchuldaten;
}

} // namespace

PruefAusgang PruefungAusfuehren(PruefKnopf knopf, PlausiLauf& p, const TSchuleDS& schule, const TLehrerDS& lehrer,
                                const PruefKontext& k, Meldungen& m, const PruefHaken& haken) {
    haken.seiteUebernehmen();
    p.TestsZuruecksetzen();

    // Free-carrier data of a school that is none: only on request.
    const bool frei = k.e.FreierTraeger == 1;
    bool mitFreieTraeger = frei;
    if (!frei) {
        if (knopf == PruefKnopf::SchulFreieTraeger) {
            if (!m.Frage(kFrageFreieTraegerSchule)) return PruefAusgang::Beendet;
            mitFreieTraeger = true;
        } else if (knopf == PruefKnopf::LehrerGrunddaten || knopf == PruefKnopf::LehrerStunden ||
                   knopf == PruefKnopf::DiesenLehrer) {
            mitFreieTraeger = m.Frage(kFrageFreieTraegerLehrer);
        }
    }

    switch (knopf) {
        case PruefKnopf::SchulGrunddaten:
            TesteSchulGrunddaten(p, schule, k);
            break;
        case PruefKnopf::SchulFreieTraeger:
            TesteSchulFreieTraeger(p, schule, k);
            break;
        case PruefKnopf::SchulUE:
            TesteSchulUE(p, schule, k);
            break;
        case PruefKnopf::AlleSchuldaten:
            TesteAlleSchuldaten(p, schule, k);
            break;
        case PruefKnopf::LehrerGrunddaten:
            TesteLehrerNummern(p, lehrer, k);
            if (mitFreieTraeger) TesteLehrerGrunddaten(p, lehrer, k);
            break;
        case PruefKnopf::LehrerStunden:
            if (mitFreieTraeger) TesteLehrerStunden(p, lehrer, k);
            break;
        case PruefKnopf::LehrerSonstiges:
            TesteLehrerSonstiges(p, lehrer, k);
            break;
        case PruefKnopf::LehrerUE:
            TesteLehrerUE(p, lehrer, k.d.SchulDS);
            break;
        case PruefKnopf::DiesenLehrer:
            TesteLehrer(p, lehrer, mitFreieTraeger, k, SchulUEIndex(k.d.SchulDS));
            break;
    }

    p.Alarmschwelle = Schulknopf(knopf) ? k.e.SchwelleSchule.get() : k.e.SchwelleLehrer.get();
    p.TestsAuszaehlen();
    if (p.AlarmSumme() == 0 && k.e.AlleTestsZeigen != 1) {
        m.Information(BestaetigungsText(knopf));
        return PruefAusgang::Bestaetigt;
    }
    haken.ergebnisfensterZeigen();
    return PruefAusgang::Fenster;
}

PruefAusgang GrossePlausiAusfuehren(PlausiLauf& p, Datenbestand& d, const TEinstellungen& e, const Kataloge& k,
                                    Meldungen& m, const PruefHaken& haken) {
    haken.seiteUebernehmen();
    p.Gruppenart = kGruppenartLehrer;
    p.Alarmschwelle = e.SchwelleLehrer.get();
    PlausiZaehlerLoeschen(d, p);
    const bool mitFreieTraeger = e.FreierTraeger == 1 || m.Frage(kFrageFreieTraegerLehrer);
    const long summe = AlleLehrerPruefen(p, d, mitFreieTraeger, e, k);
    if (summe == 0 && e.AlleTestsZeigen != 1) {
        m.Information(kGrossePlausiBestanden);
        return PruefAusgang::Bestaetigt;
    }
    haken.gruppenfensterZeigen();
    return PruefAusgang::Fenster;
}

namespace {

// Steps 5 to 7 of a single run: tally against the threshold, then confirm or show.
PruefAusgang Abschliessen(PlausiLauf& p, int schwelle, const TEinstellungen& e, const char* bestaetigung, Meldungen& m,
                          const PruefHaken& haken) {
    p.Alarmschwelle = static_cast<std::uint16_t>(schwelle);
    p.TestsAuszaehlen();
    if (p.AlarmSumme() == 0 && e.AlleTestsZeigen != 1) {
        m.Information(bestaetigung);
        return PruefAusgang::Bestaetigt;
    }
    haken.ergebnisfensterZeigen();
    return PruefAusgang::Fenster;
}

// The run over all records of an area, as the teachers' run.
template <class Lauf>
PruefAusgang GruppenLauf(PlausiLauf& p, const TEinstellungen& e, int gruppenart, int schwelle, const char* bestaetigung,
                         Meldungen& m, const PruefHaken& haken, Lauf lauf) {
    haken.seiteUebernehmen();
    p.Gruppenart = static_cast<std::uint16_t>(gruppenart);
    p.Alarmschwelle = static_cast<std::uint16_t>(schwelle);
    // Unlike the teachers' run, the counts of the other areas stay as their own runs left them.
    p.Ergebniszaehler.fill(0);
    if (lauf() == 0 && e.AlleTestsZeigen != 1) {
        m.Information(bestaetigung);
        return PruefAusgang::Bestaetigt;
    }
    haken.gruppenfensterZeigen();
    return PruefAusgang::Fenster;
}

} // namespace

PruefAusgang KlassePruefungAusfuehren(PlausiLauf& p, const TKlasseDS& klasse, const PruefKontext& k, Meldungen& m,
                                      const PruefHaken& haken) {
    haken.seiteUebernehmen();
    p.TestsZuruecksetzen();
    TesteKlasse(p, klasse, k);
    return Abschliessen(p, k.e.SchwelleKlassen.get(), k.e, kKlasseBestanden, m, haken);
}

PruefAusgang SchuelerPruefungAusfuehren(PlausiLauf& p, const TSchuelerDS& schueler, const PruefKontext& k, Meldungen& m,
                                        const PruefHaken& haken) {
    haken.seiteUebernehmen();
    p.TestsZuruecksetzen();
    TesteSchueler(p, schueler, k);
    return Abschliessen(p, k.e.SchwelleSchueler.get(), k.e, kSchuelerBestanden, m, haken);
}

PruefAusgang GrosseKlassenPlausiAusfuehren(PlausiLauf& p, Datenbestand& d, const TEinstellungen& e, const Kataloge& k,
                                           Meldungen& m, const PruefHaken& haken) {
    return GruppenLauf(p, e, kGruppenartKlassen, e.SchwelleKlassen.get(), kGrosseKlassenPlausiBestanden, m, haken,
                       [&] { return AlleKlassenPruefen(p, d, e, k); });
}

PruefAusgang GrosseSchuelerPlausiAusfuehren(PlausiLauf& p, Datenbestand& d, const TEinstellungen& e, const Kataloge& k,
                                            Meldungen& m, const PruefHaken& haken) {
    return GruppenLauf(p, e, kGruppenartSchueler, e.SchwelleSchueler.get(), kGrosseSchuelerPlausiBestanden, m, haken,
                       [&] { return AlleSchuelerPruefen(p, d, e, k); });
}

} // namespace zev
