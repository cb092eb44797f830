#include "plausi/all_checks.h"

#include "model/encoding.h"
#include "plausi/class_tests.h"
#include "plausi/result_listing.h"
#include "plausi/school_tests.h"
#include "plausi/student_tests.h"
#include "plausi/teacher_tests.h"

namespace zev {

namespace {

// Collects, record by record, what the run state holds at or above the area's threshold.
class Sammler {
public:
    Sammler(PlausiLauf& p, const Fehlertexte& texte, std::string bereich, int schwelle) : p_(p), texte_(texte) {
        r_.bereich = std::move(bereich);
        r_.schwelle = schwelle;
    }

    // Runs `tests` on a fresh run state and keeps the findings of this record.
    template <class Tests> void Pruefen(std::string_view nummer, std::string_view name, Tests&& tests) {
        p_.TestsZuruecksetzen();
        tests();
        p_.Alarmschwelle = static_cast<std::uint16_t>(r_.schwelle);
        ++r_.datensaetze;
        for (const ListenEintrag& x : ErgebnisseAufbauen(p_, texte_).eintraege) {
            if (x.nummer < kErsteGezaehlte || x.code < r_.schwelle + 2 || x.code > 5) continue;
            (x.code >= 4 ? r_.fehler : r_.warnungen) += 1;
            std::string_view text = x.text;
            if (text.starts_with("  -->  ")) text.remove_prefix(7);
            r_.befunde.push_back(
                {x.nummer, x.code, x.titel, std::string(text), Cp1252ToUtf8(nummer), Cp1252ToUtf8(name)});
        }
    }

    Bereichspruefung Ergebnis() { return std::move(r_); }

private:
    PlausiLauf& p_;
    const Fehlertexte& texte_;
    Bereichspruefung r_;
};

// "Name, Vorname" of a person's record, or what of it is there.
template <class R> std::string PersonName(const R& r) {
    std::string n = r.Grunddaten.Name.str();
    if (!r.Grunddaten.Vorname.empty()) n += (n.empty() ? "" : ", ") + r.Grunddaten.Vorname.str();
    return n;
}

// One list area: every record in order, each with its own run. `kennung` gives a
// record's number and name (Windows-1252), `tests` runs its tests on `p`.
template <class R, class Kennung, class Tests>
Bereichspruefung ListePruefen(PlausiLauf& p, const Fehlertexte& texte, std::string bereich, int schwelle,
                              const std::vector<R>& saetze, Kennung kennung, Tests tests) {
    Sammler s(p, texte, std::move(bereich), schwelle);
    for (const R& r : saetze) {
        const auto [nummer, name] = kennung(r);
        s.Pruefen(nummer, name, [&] { tests(r); });
    }
    return s.Ergebnis();
}

} // namespace

std::vector<Bereichspruefung> AlleBereichePruefen(PlausiLauf& p, const Datenbestand& d, const TEinstellungen& e,
                                                  const Kataloge& k, const Fehlertexte& texte) {
    const PruefKontext kontext{e, k, d};
    // A delivery holds the free-carrier data only of a school that is one.
    const bool frei = e.FreierTraeger == 1;
    std::vector<Bereichspruefung> alle;

    Sammler schule(p, texte, "Schule", e.SchwelleSchule);
    schule.Pruefen(d.SchulDS.Schulnummer.view(), d.SchulDS.freie_Traeger.Name.view(),
                   [&] { TesteAlleSchuldaten(p, d.SchulDS, kontext); });
    alle.push_back(schule.Ergebnis());

    const SchulUEIndex index(d.SchulDS);
    alle.push_back(ListePruefen(
        p, texte, "Lehrer", e.SchwelleLehrer, d.Lehrer.DB,
        [](const TLehrerDS& l) {
            return std::pair{l.Lehrernummer.str(), PersonName(l)};
        },
        [&](const TLehrerDS& l) { TesteLehrer(p, l, frei, kontext, index); }));

    const KlassenUmfeld klassen(d);
    alle.push_back(ListePruefen(
        p, texte, "Klassen", e.SchwelleKlassen, d.Klassen.DB,
        [](const TKlasseDS& kl) {
            return std::pair{kl.Klassenname.str(), std::string()};
        },
        [&](const TKlasseDS& kl) {
            TesteKlasse(p, kl, kontext, klassen);
            TesteKlassenSchueler(p, kl, klassen);
        }));

    const SchuelerUmfeld schueler(d);
    alle.push_back(ListePruefen(
        p, texte, "Schüler", e.SchwelleSchueler, d.Schueler.DB,
        [](const TSchuelerDS& s) {
            return std::pair{s.Schuelernummer.str(), PersonName(s)};
        },
        [&](const TSchuelerDS& s) { TesteSchueler(p, s, kontext, schueler); }));
    return alle;
}

} // namespace zev
