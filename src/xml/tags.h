// The element names of the four exchange files, shared by writer and reader.
// Positions 0 and 1 are never matched; names start at position 2. A name that
// occurs twice is told apart by its position (the reader's section marker).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace zev::tags {

using Tabelle = std::span<const std::string_view>;

// School file.
enum Schule : int {
    Alle_Schulen = 2,
    Schule,
    Schulnummer,
    Schuldaten,
    Schulart,
    Orgform,
    Ganztag,
    freie_Traeger,
    Name,
    Schulamt,
    Rechtsstatus,
    Traeger,
    Gemeinde,
    Standort,
    PLZ,
    Strasse,
    EMail,
    Internet,
    Schulleiter,
    Anrede,
    Titel,
    Schulleiter_Name,
    Telefon,
    Unterrichtseinheit,
    UE_ID,
    UE_Schulart,
    UE_Jahrgang,
    UE_Klasse,
    UE_Fach,
    UE_Kurs,
    UE_Bilingual,
    UE_Stunden,
    UE_Lehrer,
    Nichteinschulung,
    NE_Art,
    NE_maennlich,
    NE_weiblich,
    SchuleEnde
};

// Class file.
enum Klasse : int { Alle_Klassen = 2, Kl_Klasse, Kl_Schulnummer, Kl_Klassenname, Kl_Klassenbesonderheit, KlasseEnde };

// Teacher file.
enum Lehrer : int {
    Alle_Lehrer = 2,
    L_Lehrer,
    L_Schulnummer,
    L_Lehrernummer,
    L_Lehrerdaten,
    L_freie_Traeger,
    L_Grunddaten,
    L_Name,
    L_Vorname,
    L_Titel,
    L_Geschlecht,
    L_Geburtsdatum,
    L_Staatszugehoerigkeit,
    L_Beschaeftigung,
    L_Ausbildung,
    L_Fach_Lehrb,
    L_Stunden,
    L_Lehramt,
    L_Regelstunden,
    L_Vertragsstunden,
    L_Vertretung,
    L_Arbeitszeitkonto,
    L_AZK_Grund_mehr,
    L_AZK_Anzahl_mehr,
    L_AZK_Grund_minder,
    L_AZK_Anzahl_minder,
    L_Arbeitszeitregelung,
    L_AZR_Grund_mehr,
    L_AZR_Anzahl_mehr,
    L_AZR_Grund_minder,
    L_AZR_Anzahl_minder,
    L_Anrechnungsstunden,
    L_AR_Grund,
    L_AR_Stunden,
    L_Sonstiges,
    L_Taetigkeit,
    L_Personengruppe,
    L_Klassenleiter,
    L_Schulleiter,
    L_Unterrichtseinheit,
    L_Einsatz,
    L_E_Art,
    L_E_Jahrgang,
    L_E_Stunden,
    L_Zu_Abgang,
    L_Zugang,
    L_Zugang_Art,
    L_Zugang_Datum,
    L_Abgang,
    L_Abgang_Art,
    L_Abgang_Datum,
    LehrerEnde
};

// Student file.
enum Schueler : int {
    Alle_Schueler = 2,
    S_Schueler,
    S_Schulnummer,
    S_Schuelernummer,
    S_Schuelerdaten,
    S_Grunddaten,
    S_Name,
    S_Vorname,
    S_Geschlecht,
    S_Geburtsdatum,
    S_Staatsangehoerigkeit,
    S_Migrantenstatus,
    S_Verkehrssprache,
    S_Zuzug,
    S_Einschulung,
    S_Einschulungsart,
    S_Einschulungsjahr,
    S_Anschrift,
    S_Gemeinde,
    S_Wohnort,
    S_PLZ,
    S_Strasse,
    S_vorherige_Schule,
    S_Herkunft,
    S_H_Schulart,
    S_H_Jahrgang,
    S_Jahrgangsdaten,
    S_Klasse,
    S_J_Jahrgang,
    S_J_Schulart,
    S_Wiederholer,
    S_Empfehlung,
    S_Schulartwechsel,
    S_Ausland,
    S_Auslaender,
    S_LRS,
    S_Dyskalkulie,
    S_Ganztag,
    S_Bildungsgang,
    S_Extern,
    S_Unterrichtseinheit,
    S_Foerderbedarf,
    S_Bedarf,
    S_Tatsaechlich,
    S_Fremdsprachen,
    S_Erwerb,
    S_Sprache,
    S_F_Art,
    S_Abschluss,
    S_allgemeinbildender,
    S_allgemein,
    S_A_Jahr,
    S_berufsbezogener,
    S_B_Beruf,
    S_B_Jahr,
    S_Ausbildung,
    S_Au_Beruf,
    S_Stellung,
    S_Au_Stunden,
    S_Zeitform,
    S_Standort,
    SchuelerEnde
};

Tabelle SchulTags();
Tabelle KlassenTags();
Tabelle LehrerTags();
Tabelle SchuelerTags();

// The first position at or above `marker` (2 when none) whose name is `name`.
std::optional<int> TagIndexFrom(Tabelle tabelle, std::string_view name, std::optional<int> marker);

// The same in two steps, for a reader that meets each name once per element: the
// first position of a name (-1 when the table has none), then from that position
// the first one at or above the marker.
int TagNummer(Tabelle tabelle, std::string_view name);
std::optional<int> TagIndexAb(Tabelle tabelle, int tagNummer, std::optional<int> marker);

// The lookup behind these functions, for a reader that meets millions of names
// (kept inline there): per table each name with its positions in ascending
// order, in an open-addressing table keyed by a cheap mix of length and three
// bytes, and per position the next one of the same name.
class TagIndex {
public:
    static constexpr std::size_t kPositionen = 128;

    constexpr explicit TagIndex(Tabelle t) {
        zwilling_.fill(-1);
        for (int i = 2; i < static_cast<int>(t.size()); ++i) {
            Eintrag& e = Platz(t[static_cast<std::size_t>(i)]);
            e.name = t[static_cast<std::size_t>(i)];
            if (e.anzahl > 0)
                zwilling_[static_cast<std::size_t>(e.positionen[static_cast<std::size_t>(e.anzahl - 1)])] =
                    static_cast<std::int8_t>(i);
            e.positionen[static_cast<std::size_t>(e.anzahl++)] = static_cast<std::int8_t>(i);
        }
    }

    // The first position at or above `ab` of `name`.
    std::optional<int> Finden(std::string_view name, int ab) const {
        if (name.empty()) return std::nullopt;
        for (std::size_t h = Mix(name);; h = (h + 1) & kMaske) {
            const Eintrag& e = eintraege_[h];
            if (e.anzahl == 0) return std::nullopt;
            if (e.name == name) {
                for (int k = 0; k < e.anzahl; ++k)
                    if (e.positionen[static_cast<std::size_t>(k)] >= ab)
                        return e.positionen[static_cast<std::size_t>(k)];
                return std::nullopt;
            }
        }
    }

    // The first position of `name`, -1 when the table has none.
    int Nummer(std::string_view name) const {
        const auto i = Finden(name, 2);
        return i ? *i : -1;
    }

    // From a name's first position to the first at or above `ab`.
    std::optional<int> Ab(int nummer, int ab) const {
        while (nummer >= 0 && nummer < ab) nummer = zwilling_[static_cast<std::size_t>(nummer)];
        if (nummer < 0) return std::nullopt;
        return nummer;
    }

private:
    static constexpr std::size_t kGroesse = 256; // at least four times the names of the largest table
    static constexpr std::size_t kMaske = kGroesse - 1;
    struct Eintrag {
        std::string_view name;
        std::array<std::int8_t, 4> positionen{};
        int anzahl = 0;
    };

    static constexpr std::size_t Mix(std::string_view s) {
        const auto b = [&](std::size_t i) { return static_cast<std::size_t>(static_cast<unsigned char>(s[i])); };
        return (s.size() * 131 + b(0) * 31 + b(s.size() / 2) * 7 + b(s.size() - 1)) & kMaske;
    }

    constexpr Eintrag& Platz(std::string_view name) {
        for (std::size_t h = Mix(name);; h = (h + 1) & kMaske)
            if (eintraege_[h].anzahl == 0 || eintraege_[h].name == name) return eintraege_[h];
    }

    std::array<Eintrag, kGroesse> eintraege_{};
    std::array<std::int8_t, kPositionen> zwilling_{};
};

// The index of one of the four tables.
const TagIndex& IndexFuer(Tabelle tabelle);

} // namespace zev::tags
