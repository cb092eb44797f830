// The element names of the four exchange files, shared by writer and reader, made
// at compile time from the records' field tables. Positions 0 and 1 are never
// matched; names start at position 2. A name that occurs twice is told apart by
// its position (the reader's section marker).
#pragma once

#include "model/field_tables.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace zev::tags {

using Tabelle = std::span<const std::string_view>;

// What the reader does with the entry counters at an element's start tag.
enum class Zaehlen : std::uint8_t {
    Nichts,
    Weiter,     // the next entry (a list element, or the container of one entry)
    Eins,       // the container of a group of one entry
    Behaelter,  // the container of a group whose entries share it: a new entry begins
    ErstesFeld, // the first field of such an entry: a new entry, unless its container just began one
};

// An element position: the field row of a leaf (-1 for a container) and its counter.
struct Stelle {
    std::int16_t zeile = -1;
    std::int8_t zaehler = -1; // the entry counter of the field's group; -1: not repeated
    Zaehlen zaehlen = Zaehlen::Nichts;
};

// The elements of one exchange file, made from its field table: position 2 is the
// root, 3 the record element, then each container and leaf in file order as the
// fields' element paths open them. A field whose path repeats its predecessor's
// containers adds only its own element; so a name can occur more than once.
inline constexpr std::size_t kZeilen = 64; // rows of the largest table, at most

template <std::size_t N> struct Baum {
    std::array<std::string_view, N> namen{};
    std::array<std::string_view, N> pfade{}; // below the record element
    std::array<Stelle, N> stellen{};
    std::array<std::int16_t, N> eltern{};          // the enclosing container (3: the record element)
    std::array<std::int16_t, kZeilen> stelleVon{}; // a field row's element, -1 when not exported
    int zaehler = 0;                               // entry counters the reader keeps

    // The position of an element path below the record element; -1 when none.
    constexpr int Position(std::string_view pfad) const {
        for (std::size_t i = 4; i < N; ++i)
            if (pfade[i] == pfad) return static_cast<int>(i);
        return -1;
    }
};

namespace aufbau {

constexpr std::string_view Teil(std::string_view pfad, std::size_t teile) {
    std::size_t p = 0;
    for (std::size_t k = 0; k < teile; ++k) {
        p = pfad.find('/', p);
        if (p == std::string_view::npos) return pfad;
        ++p;
    }
    return pfad.substr(0, p - 1);
}
constexpr std::size_t Teile(std::string_view pfad) {
    if (pfad.empty()) return 0;
    std::size_t n = 1;
    for (char c : pfad) n += c == '/';
    return n;
}
// Containers the two paths share from the start.
constexpr std::size_t Gemeinsam(std::string_view a, std::string_view b) {
    std::size_t k = 0;
    while (k < Teile(a) && k < Teile(b) && Teil(a, k + 1) == Teil(b, k + 1)) ++k;
    return k;
}

// Walks the exported fields; `neu(pfad, zeile)` for each element they open.
template <std::size_t M, class F> constexpr void Gehen(const std::array<felder::Feld, M>& t, F neu) {
    std::string_view vorher;
    for (std::size_t z = 0; z < M; ++z) {
        if (!t[z].Exportiert()) continue;
        const std::string_view b = t[z].Behaelter();
        for (std::size_t k = Gemeinsam(vorher, b); k < Teile(b); ++k) neu(Teil(b, k + 1), -1);
        neu(t[z].xml, static_cast<int>(z));
        vorher = b;
    }
}

} // namespace aufbau

template <std::size_t M> constexpr std::size_t Groesse(const std::array<felder::Feld, M>& t) {
    std::size_t n = 4;
    aufbau::Gehen(t, [&](std::string_view, int) { ++n; });
    return n;
}

template <std::size_t N, std::size_t M>
constexpr Baum<N> Bauen(const std::array<felder::Feld, M>& t, std::string_view wurzel, std::string_view satz) {
    Baum<N> b;
    b.namen[0] = "ganz böse Stelle";
    b.namen[1] = "undefinierter Tag";
    b.namen[2] = wurzel;
    b.namen[3] = satz;
    static_assert(M <= kZeilen);
    b.stelleVon.fill(-1);
    b.eltern.fill(-1);
    b.eltern[3] = 2;
    std::size_t n = 4;
    aufbau::Gehen(t, [&](std::string_view pfad, int zeile) {
        b.pfade[n] = pfad;
        b.namen[n] = pfad.substr(pfad.rfind('/') + 1);
        b.stellen[n].zeile = static_cast<std::int16_t>(zeile);
        const auto p = pfad.rfind('/');
        b.eltern[n] = static_cast<std::int16_t>(p == std::string_view::npos ? 3 : b.Position(pfad.substr(0, p)));
        if (zeile >= 0) b.stelleVon[static_cast<std::size_t>(zeile)] = static_cast<std::int16_t>(n);
        ++n;
    });
    // One counter per list and per group of entries (fields of one group share it).
    std::array<std::int8_t, M> zaehler{};
    for (std::size_t z = 0; z < M; ++z) {
        zaehler[z] = -1;
        const felder::Feld& f = t[z];
        if (f.wiederholung == felder::Wiederholung::Einzeln) continue;
        if (f.Gruppiert() && f.gruppe.empty()) continue; // a block of single fields: no entries to count
        for (std::size_t v = 0; v < z && zaehler[z] < 0; ++v)
            if (f.Gruppiert() && t[v].gruppe == f.gruppe) zaehler[z] = zaehler[v];
        if (zaehler[z] < 0) {
            zaehler[z] = static_cast<std::int8_t>(b.zaehler++);
            const int behaelter = b.Position(f.Behaelter());
            if (f.wiederholung == felder::Wiederholung::Block) {
                b.stellen[static_cast<std::size_t>(behaelter)] = {-1, zaehler[z], Zaehlen::Behaelter};
            } else if (f.wiederholung == felder::Wiederholung::BlockJe) {
                b.stellen[static_cast<std::size_t>(behaelter)] = {-1, zaehler[z],
                                                                  f.anzahl == 1 ? Zaehlen::Eins : Zaehlen::Weiter};
            }
        }
    }
    for (std::size_t i = 4; i < N; ++i) {
        Stelle& s = b.stellen[i];
        if (s.zeile < 0) continue;
        const std::size_t z = static_cast<std::size_t>(s.zeile);
        s.zaehler = zaehler[z];
        if (t[z].wiederholung == felder::Wiederholung::Liste)
            s.zaehlen = Zaehlen::Weiter;
        else if (t[z].wiederholung == felder::Wiederholung::Block && (z == 0 || t[z - 1].gruppe != t[z].gruppe))
            s.zaehlen = Zaehlen::ErstesFeld;
    }
    return b;
}

inline constexpr auto kSchulBaum = Bauen<Groesse(felder::kSchule)>(felder::kSchule, "Alle_Schulen", "Schule");
inline constexpr auto kKlassenBaum = Bauen<Groesse(felder::kKlasse)>(felder::kKlasse, "Alle_Klassen", "Klasse");
inline constexpr auto kLehrerBaum = Bauen<Groesse(felder::kLehrer)>(felder::kLehrer, "Alle_Lehrer", "Lehrer");
inline constexpr auto kSchuelerBaum = Bauen<Groesse(felder::kSchueler)>(felder::kSchueler, "Alle_Schueler", "Schueler");

// The positions the readers' section markers and the writers' hand-written parts name.
// School file.
inline constexpr int Alle_Schulen = 2, Schule = 3;
inline constexpr int Schulnummer = kSchulBaum.Position("Schulnummer");
inline constexpr int Schuldaten = kSchulBaum.Position("Schuldaten");
inline constexpr int Schulart = kSchulBaum.Position("Schuldaten/Schulart");
inline constexpr int Orgform = kSchulBaum.Position("Schuldaten/Orgform");
inline constexpr int freie_Traeger = kSchulBaum.Position("Schuldaten/freie_Traeger");
inline constexpr int Schulleiter = kSchulBaum.Position("Schuldaten/freie_Traeger/Schulleiter");
inline constexpr int Anrede = kSchulBaum.Position("Schuldaten/freie_Traeger/Schulleiter/Anrede");
inline constexpr int Schulleiter_Name = kSchulBaum.Position("Schuldaten/freie_Traeger/Schulleiter/Name");
inline constexpr int Telefon = kSchulBaum.Position("Schuldaten/freie_Traeger/Schulleiter/Telefon");
inline constexpr int Unterrichtseinheit = kSchulBaum.Position("Schuldaten/Unterrichtseinheit");
inline constexpr int UE_ID = kSchulBaum.Position("Schuldaten/Unterrichtseinheit/UE_ID");
inline constexpr int UE_Lehrer = kSchulBaum.Position("Schuldaten/Unterrichtseinheit/Lehrer");
inline constexpr int Nichteinschulung = kSchulBaum.Position("Schuldaten/Nichteinschulung");

// Class file.
inline constexpr int Alle_Klassen = 2, Kl_Klasse = 3;

// Teacher file.
inline constexpr int Alle_Lehrer = 2, L_Lehrer = 3;
inline constexpr int L_Schulnummer = kLehrerBaum.Position("Schulnummer");
inline constexpr int L_Grunddaten = kLehrerBaum.Position("Lehrerdaten/freie_Traeger/Grunddaten");
inline constexpr int L_Name = kLehrerBaum.Position("Lehrerdaten/freie_Traeger/Grunddaten/Name");
inline constexpr int L_Stunden = kLehrerBaum.Position("Lehrerdaten/freie_Traeger/Stunden");
inline constexpr int L_Arbeitszeitkonto = kLehrerBaum.Position("Lehrerdaten/freie_Traeger/Arbeitszeitkonto");
inline constexpr int L_Arbeitszeitregelung = kLehrerBaum.Position("Lehrerdaten/freie_Traeger/Arbeitszeitregelung");
inline constexpr int L_Anrechnungsstunden = kLehrerBaum.Position("Lehrerdaten/freie_Traeger/Anrechnungsstunden");
inline constexpr int L_AR_Stunden = kLehrerBaum.Position("Lehrerdaten/freie_Traeger/Anrechnungsstunden/Stunden");
inline constexpr int L_Sonstiges = kLehrerBaum.Position("Lehrerdaten/Sonstiges");
inline constexpr int L_Einsatz = kLehrerBaum.Position("Lehrerdaten/Einsatz");
inline constexpr int L_E_Stunden = kLehrerBaum.Position("Lehrerdaten/Einsatz/Stunden");
inline constexpr int L_Zu_Abgang = kLehrerBaum.Position("Lehrerdaten/Zu_Abgang");
inline constexpr int L_Zugang = kLehrerBaum.Position("Lehrerdaten/Zu_Abgang/Zugang");
inline constexpr int L_Abgang = kLehrerBaum.Position("Lehrerdaten/Zu_Abgang/Abgang");
inline constexpr int L_Abgang_Art = kLehrerBaum.Position("Lehrerdaten/Zu_Abgang/Abgang/Art");
inline constexpr int L_Abgang_Datum = kLehrerBaum.Position("Lehrerdaten/Zu_Abgang/Abgang/Datum");

// Student file.
inline constexpr int Alle_Schueler = 2, S_Schueler = 3;
inline constexpr int S_Herkunft = kSchuelerBaum.Position("Schuelerdaten/Grunddaten/Herkunft");
inline constexpr int S_Jahrgangsdaten = kSchuelerBaum.Position("Schuelerdaten/Jahrgangsdaten");
inline constexpr int S_allgemeinbildender = kSchuelerBaum.Position("Schuelerdaten/Abschluss/allgemeinbildender");
inline constexpr int S_berufsbezogener = kSchuelerBaum.Position("Schuelerdaten/Abschluss/berufsbezogener");
inline constexpr int S_B_Jahr = kSchuelerBaum.Position("Schuelerdaten/Abschluss/berufsbezogener/Jahr");
inline constexpr int S_Ausbildung = kSchuelerBaum.Position("Schuelerdaten/Ausbildung");
inline constexpr int S_Au_Beruf = kSchuelerBaum.Position("Schuelerdaten/Ausbildung/Beruf");

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
