#include "xml/xml_import.h"

#include "catalog/catalogue_list.h"
#include "io/file_messages.h"
#include "model/encoding.h"
#include "model/field_access.h"
#include "model/ids.h"
#include "xml/tags.h"
#include "xml/xml_scanner.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

namespace zev {

namespace {

using namespace tags;
// The section marker: names are looked up from this position on (2, the first
// name, when no section is open).
struct Marker {
    int ab = 2;
    Marker& operator=(int position) {
        ab = std::max(2, position);
        return *this;
    }
    void reset() { ab = 2; }
};

// A whole decimal number with an optional sign, within 32 bits.
std::optional<std::int32_t> Ganzzahl(std::string_view s) {
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    std::int32_t v = 0;
    const auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (s.empty() || ec != std::errc() || p != s.data() + s.size()) return std::nullopt;
    return v;
}

std::uint16_t Geschlecht(std::string_view t) {
    return t == "1" ? 1 : t == "2" ? 2 : 0;
}

// What storing a text lost, for the report; the words are made only when there is
// something to say, never for the millions of fields that arrive whole.
enum class Verlustart : std::uint8_t { Keiner, Gekuerzt, KeinPlatz, AusserhalbBlock, KeineWahl, UngueltigeUE };

std::string VerlustText(Verlustart v, const felder::Feld& f) {
    switch (v) {
        case Verlustart::Gekuerzt:
            return "auf " + std::to_string(f.breite) + " Zeichen gekürzt";
        case Verlustart::KeinPlatz:
            return "kein Platz (" + std::to_string(f.anzahl) + " belegt)";
        case Verlustart::AusserhalbBlock:
            return "außerhalb seines Blocks, nicht übernommen";
        case Verlustart::KeineWahl:
            return "keine Wahl (1 oder 2), nicht übernommen";
        case Verlustart::UngueltigeUE:
            return "ungültige UE_ID";
        case Verlustart::Keiner:
            break;
    }
    return {};
}

// Stores a text read into its field, entry `k`: cut to the field's width; an entry
// beyond the group's capacity (or before its first container) is dropped.
Verlustart Ablegen(std::uint8_t* bild, const felder::Feld& f, int k, std::string_view t) {
    if (k > f.anzahl) return Verlustart::KeinPlatz;
    if (k < 1) return Verlustart::AusserhalbBlock;
    Verlustart verlust = Verlustart::Keiner;
    if (f.art != felder::Art::Zahl && f.art != felder::Art::Auswahl && t.size() > f.breite)
        verlust = Verlustart::Gekuerzt;
    switch (f.art) {
        case felder::Art::Auswahl:
            felder::ZahlSetzen(bild, f, k, Geschlecht(t)); // "1" and "2" alike for every choice
            if (Geschlecht(t) == 0 && !t.empty()) verlust = Verlustart::KeineWahl;
            break;
        case felder::Art::Verweise: {
            // A lesson-unit reference: the text, and its number in 16 bits (0 when none).
            // The number comes from the text as stored (cut to its width), so the two agree.
            felder::TextSetzen(bild, f, k, t);
            const std::string_view gespeichert = felder::TextIn(bild, f, k);
            const std::int32_t zahl = gespeichert.empty() ? 0 : Ganzzahl(gespeichert).value_or(0);
            if (!gespeichert.empty())
                felder::ZahlSetzen(bild, f, k, static_cast<std::uint16_t>(static_cast<std::uint32_t>(zahl)));
            // Kept as read, but no unit: the exchange files and the checks pass it over.
            // "0" is how the files write an unused first slot, and is stored as one.
            if (gespeichert != "0" && zahl <= 0) verlust = Verlustart::UngueltigeUE;
            break;
        }
        case felder::Art::Zahl:
            break; // numbers of the record's own are never taken from a file
        default:
            felder::TextSetzen(bild, f, k, t);
    }
    return verlust;
}

// The entry counters of a reader's lists and groups, moved on at the start tags.
struct Zaehler {
    std::array<int, 16> wert{};
    std::array<bool, 16> frisch{}; // a shared container has just begun an entry

    void Zuruecksetzen() {
        wert.fill(0);
        frisch.fill(false);
    }
    void Start(const Stelle& s) {
        if (s.zaehler < 0) return;
        const auto z = static_cast<std::size_t>(s.zaehler);
        switch (s.zaehlen) {
            case Zaehlen::Weiter:
                ++wert[z];
                break;
            case Zaehlen::Eins:
                wert[z] = 1;
                break;
            case Zaehlen::Behaelter:
                ++wert[z];
                frisch[z] = true;
                break;
            case Zaehlen::ErstesFeld:
                if (!frisch[z]) ++wert[z];
                frisch[z] = false;
                break;
            case Zaehlen::Nichts:
                break;
        }
    }
    int Eintrag(const Stelle& s) const { return s.zaehler < 0 ? 1 : wert[static_cast<std::size_t>(s.zaehler)]; }
};

// What every reader shares: the section marker, the accept flag of the record in
// hand and the record counters.
struct Lesestand {
    Marker marker;
    bool annehmen = true;
    bool abgelehnt = false;
    bool zuViele = false;             // more records than an area can hold
    int ersetzt = 0;                  // characters of the text in hand that became "?"
    int datensatz = 0;                // records begun in the file
    std::vector<ImportVerlust> offen; // losses of the record in hand, named when it ends
    void NeuerDatensatz() {
        annehmen = true;
        abgelehnt = false;
        ++datensatz;
        offen.clear();
    }
    // Notes what storing the text `t` lost (and the characters it lost before).
    void Verlust(const felder::Feld& f, Verlustart v, std::string_view t) {
        if (ersetzt == 0 && v == Verlustart::Keiner) return; // the common case: nothing lost, nothing built
        std::string was = VerlustText(v, f);
        const std::string element = f.xml.empty() ? std::string(f.pfad) : std::string(f.xml);
        if (ersetzt > 0)
            offen.push_back({"", element,
                             std::to_string(ersetzt) + " Zeichen ohne Gegenstück in Windows-1252 durch \"?\" ersetzt",
                             Cp1252ToUtf8(t)});
        ersetzt = 0;
        if (!was.empty()) offen.push_back({"", element, std::move(was), Cp1252ToUtf8(t)});
    }
};

struct Dateiart {
    Tabelle tabelle;
    std::string_view root;
    std::string_view wort; // for the root message
};

// The scanner loop with the steps every file shares; `start`, `ende` and `text`
// are the file's own rules.
template <class Start, class Ende, class Text>
bool Lesen(const std::string& pfad, const Dateiart& art, Lesestand& z, const TEinstellungen& e, Meldungen& m,
           ImportBericht& bericht, Start start, Ende ende, Text text) {
    bericht.datei = pfad;
    XmlPartScanner sc;
    std::string fehler;
    if (!sc.Laden(pfad, fehler)) {
        m.Fehler(MeldungLesefehler(pfad, fehler));
        return false;
    }
    bericht.alsWindows1252 = sc.AlsWindows1252();
    sc.TagTabelle(art.tabelle);
    const TagIndex& index = IndexFuer(art.tabelle);
    const auto tag = [&](const XmlTeil& t) { return index.Ab(t.tag, z.marker.ab); };
    std::string root;
    while (const XmlTeil* teil = sc.Naechster()) {
        const XmlTeil& t = *teil;
        switch (t.art) {
            case XmlTeilArt::Start: {
                if (root.empty()) {
                    root = t.name;
                    bericht.root = root;
                    if (root != art.root) {
                        m.Information("XML-Import abgebrochen, da die Datei\rscheinbar keine " + std::string(art.wort) +
                                      "-Daten enthält!\r\rRoot-Tag: " + Cp1252ToUtf8(root));
                        return false;
                    }
                }
                if (const auto i = tag(t))
                    start(*i);
                else
                    ++bericht.unbekannt[t.tag >= 0 && t.name.empty()
                                            ? std::string(art.tabelle[static_cast<std::size_t>(t.tag)])
                                            : Cp1252ToUtf8(t.name)];
                break;
            }
            case XmlTeilArt::Ende:
                if (const auto i = tag(t)) ende(*i);
                break;
            case XmlTeilArt::Text: {
                const auto i = tag(t);
                if (!i) break;
                if (*i == 4) { // Schulnummer, at the same place in every table
                    if (t.text == e.Schulnummer.view()) {
                        z.annehmen = true;
                    } else {
                        z.annehmen = m.Frage(
                            "Die Import-Datei enthält die Daten\reiner anderen Schule (Nr.: " + Cp1252ToUtf8(t.text) +
                            ")!" + "\r" + "\r" + "Wollen Sie diese Daten importieren?");
                        if (!z.annehmen) z.abgelehnt = true;
                    }
                }
                z.ersetzt = t.ersetzt;
                if (z.annehmen) text(*i, t.text);
                z.ersetzt = 0;
                break;
            }
            case XmlTeilArt::LeerElement:
                break; // leaves its field at the initial value
        }
    }
    if (sc.Fehlerhaft()) {
        m.Fehler("Der Parser hat einen Fehler in der XML-Datei\rbzw. in der XML-Struktur festgestellt!" +
                 std::string("\r\r(Zeile ") + std::to_string(sc.FehlerZeile()) + ", Spalte " +
                 std::to_string(sc.FehlerSpalte()) + ": " + sc.FehlerText() + ")");
        return false;
    }
    bericht.gelesen = true;
    return true;
}

// Room for as many records as the file can hold (a record takes at least this
// many bytes), so a large import does not copy its records again and again as the
// list grows. Only the memory of records actually read is ever touched.
constexpr std::uintmax_t kKleinsterDatensatz = 32;
template <class R> std::vector<R> Vorgehalten(const std::string& pfad) {
    std::error_code ec;
    const std::uintmax_t groesse = std::filesystem::file_size(pfad, ec);
    std::vector<R> out;
    if (!ec) {
        out.reserve(
            static_cast<std::size_t>(std::min<std::uintmax_t>(groesse / kKleinsterDatensatz + 1, kBereichKapazitaet)));
        io::GrosseSeitenErbitten(out.data(), out.capacity() * sizeof(R));
    }
    return out;
}

// How the report names a record: its place in the file, its number and its name.
std::string Bezeichnung(const TLehrerDS& r, int n) {
    return std::to_string(n) + ". Lehrer (" + Cp1252ToUtf8(r.Lehrernummer.view()) + " " +
           Cp1252ToUtf8(r.Grunddaten.Name.view()) + ", " + Cp1252ToUtf8(r.Grunddaten.Vorname.view()) + ")";
}
std::string Bezeichnung(const TKlasseDS& r, int n) {
    return std::to_string(n) + ". Klasse (" + Cp1252ToUtf8(r.Klassenname.view()) + ")";
}
std::string Bezeichnung(const TSchuelerDS& r, int n) {
    return std::to_string(n) + ". Schüler (" + Cp1252ToUtf8(r.Schuelernummer.view()) + " " +
           Cp1252ToUtf8(r.Grunddaten.Name.view()) + ", " + Cp1252ToUtf8(r.Grunddaten.Vorname.view()) + ")";
}
std::string Bezeichnung(const TSchuleDS& r, int) {
    return "Schule (" + Cp1252ToUtf8(r.Schulnummer.view()) + ")";
}

// The losses of the record that just ended go into the report under its name.
template <class R> void VerlusteBenennen(const R& r, Lesestand& z, ImportBericht& b) {
    const std::string name = Bezeichnung(r, z.datensatz);
    for (ImportVerlust& v : z.offen) {
        v.datensatz = name;
        b.verluste.push_back(std::move(v));
    }
    z.offen.clear();
}

template <class R> void Anhaengen(std::vector<R>& out, const R& r, Lesestand& z, ImportBericht& b) {
    if (z.abgelehnt) {
        ++b.abgelehnt;
        z.offen.clear();
        return;
    }
    if (out.size() >= kBereichKapazitaet) {
        z.zuViele = true;
        return;
    }
    out.push_back(r);
    ++b.datensaetze;
    VerlusteBenennen(r, z, b);
}

// A record number that occurs twice in one file gives two records; the report says so.
template <class R, class Nummer>
void DoppelteMelden(const std::vector<R>& saetze, Nummer nummer, std::string_view element, std::string_view was,
                    ImportBericht& b) {
    std::map<std::string_view, int> gesehen;
    for (std::size_t i = 0; i < saetze.size(); ++i) {
        const std::string_view n = nummer(saetze[i]);
        if (n.empty()) continue;
        if (++gesehen[n] > 1)
            b.verluste.push_back({Bezeichnung(saetze[i], static_cast<int>(i) + 1), std::string(element),
                                  std::string(was), Cp1252ToUtf8(n)});
    }
}

// A file that gives no record leaves the area as it is: replacing it with a blank
// record and saving would lose the data, and the next run the previous version too.
void KeineDatensaetze(const std::string& pfad, Meldungen& m, ImportBericht& bericht) {
    m.Information("Die Datei " + pfad +
                  " enthält keine übernehmbaren Datensätze. Die vorhandenen Daten bleiben unverändert.");
    bericht.keineDatensaetze = true;
}

// The records of a list file, or nullopt when the file holds more than an area
// can take: a file cut short would lose records without a word, so it is refused whole.
template <class R>
std::optional<std::vector<R>> Ergebnis(std::vector<R>& out, const Lesestand& z, const std::string& pfad, Meldungen& m,
                                       ImportBericht& bericht) {
    if (z.zuViele) {
        m.Fehler("Die Datei:\r" + pfad + "\renthält mehr als 65536 Datensätze und wird nicht importiert!\r\r" +
                 std::string(kMeldungBereichVoll.substr(kMeldungBereichVoll.find("Ein Bereich"))) +
                 "\rDie vorhandenen Daten bleiben unverändert.");
        bericht.gelesen = false;
        bericht.zuViele = true;
        return std::nullopt;
    }
    if (out.empty()) {
        KeineDatensaetze(pfad, m, bericht);
        return std::nullopt;
    }
    return std::move(out);
}

} // namespace

std::optional<TSchuleDS> ImportSchoolXml(const std::string& pfad, const TEinstellungen& e, Meldungen& m,
                                         ImportBericht& bericht) {
    TSchuleDS s;
    InitSchule(s, e.Schulnummer.view());
    Lesestand z;
    Zaehler zaehler;
    int schulen = 0;
    const auto start = [&](int i) {
        zaehler.Start(kSchulBaum.stellen[static_cast<std::size_t>(i)]);
        switch (i) {
            case Alle_Schulen:
                z.marker = Alle_Schulen, zaehler.Zuruecksetzen();
                break;
            case Schule:
                z.marker = i, ++schulen;
                break;
            case Schuldaten:
            case freie_Traeger:
            case Schulleiter:
            case Unterrichtseinheit:
            case Nichteinschulung:
                z.marker = i;
                break;
            default:
                break;
        }
    };
    const auto ende = [&](int i) {
        if (i == Alle_Schulen)
            z.marker.reset();
        else if (i >= Anrede && i <= Telefon)
            z.marker = Schulleiter;
        else if (i >= UE_ID && i <= UE_Lehrer)
            z.marker = freie_Traeger;
        else
            z.marker = Alle_Schulen;
    };
    const auto text = [&](int i, const std::string& t) {
        const Stelle& st = kSchulBaum.stellen[static_cast<std::size_t>(i)];
        if (st.zeile < 0) return;
        const int k = zaehler.Eintrag(st);
        if (i == Orgform) {
            // The export joins the free text to code "41" with ", "; split it back.
            const auto p = t.find(", ");
            s.Schuldaten.Orgform = std::string_view(t).substr(0, p);
            if (p != std::string::npos) s.Schuldaten.Orgform_Text = std::string_view(t).substr(p + 2);
        } else if (i == UE_ID) {
            if (k > 1000) {
                // Counted with the units the merge finds no place for: neither is taken.
                ++bericht.ueNichtPlatziert;
                z.offen.push_back({"", "Unterrichtseinheit/UE_ID", "kein Platz (1000 belegt)", Cp1252ToUtf8(t)});
                return;
            }
            if (k < 1) return; // element 0 is never imported into
            TUnterrichtseinheitDS& u = s.Unterrichtseinheit[k];
            u.UE_ID_Text = t;
            // A number that is none gets an identifier below 0, so the merge leaves it out.
            // Taken from the text as stored, so number and text agree.
            const auto zahl = Ganzzahl(u.UE_ID_Text.view());
            u.UE_ID = zahl ? *zahl : NeueImportUEID(s);
        } else {
            const felder::Feld& f = felder::kSchule[static_cast<std::size_t>(st.zeile)];
            z.Verlust(f, Ablegen(ImageOf(s), f, k, t), t);
        }
    };
    if (!Lesen(pfad, {SchulTags(), "Alle_Schulen", "Schul"}, z, e, m, bericht, start, ende, text)) return std::nullopt;
    if (z.abgelehnt) {
        bericht.abgelehnt = 1;
        KeineDatensaetze(pfad, m, bericht);
        return std::nullopt;
    }
    if (schulen == 0) {
        KeineDatensaetze(pfad, m, bericht);
        return std::nullopt;
    }
    bericht.datensaetze = 1;
    VerlusteBenennen(s, z, bericht);
    return s;
}

namespace {

// Stores a leaf's text into the record in hand by the file's element positions.
template <class R, class B> auto Ablage(R& r, const B& baum, const Zaehler& zaehler, Lesestand& z) {
    return [&r, &baum, &zaehler, &z](int i, const std::string& t) {
        const Stelle& st = baum.stellen[static_cast<std::size_t>(i)];
        if (st.zeile < 0) return;
        const felder::Feld& f = felder::TabelleVon<R>::zeilen[static_cast<std::size_t>(st.zeile)];
        z.Verlust(f, Ablegen(ImageOf(r), f, zaehler.Eintrag(st), t), t);
    };
}

} // namespace

std::optional<std::vector<TLehrerDS>> ImportTeacherXml(const std::string& pfad, const TEinstellungen& e, Meldungen& m,
                                                       ImportBericht& bericht) {
    std::vector<TLehrerDS> out = Vorgehalten<TLehrerDS>(pfad);
    TLehrerDS r;
    InitLehrer(r, e.Schulnummer.view());
    Lesestand z;
    Zaehler zaehler;
    const auto start = [&](int i) {
        zaehler.Start(kLehrerBaum.stellen[static_cast<std::size_t>(i)]);
        switch (i) {
            case Alle_Lehrer:
                z.marker = Alle_Lehrer, zaehler.Zuruecksetzen();
                break;
            case L_Lehrer:
                InitLehrer(r, e.Schulnummer.view());
                zaehler.Zuruecksetzen();
                z.NeuerDatensatz();
                break;
            case L_Arbeitszeitkonto:
            case L_Arbeitszeitregelung:
            case L_Anrechnungsstunden:
            case L_Einsatz:
            case L_Zu_Abgang:
            case L_Zugang:
            case L_Abgang:
                z.marker = i;
                break;
            default:
                break;
        }
    };
    const auto ende = [&](int i) {
        switch (i) {
            case Alle_Lehrer:
            case L_Schulnummer:
                z.marker.reset();
                break;
            case L_Lehrer:
                Anhaengen(out, r, z, bericht);
                break;
            case L_Arbeitszeitkonto:
            case L_Arbeitszeitregelung:
            case L_Anrechnungsstunden:
            case L_Einsatz:
            case L_Zu_Abgang:
            case L_Zugang:
            case L_Abgang:
            case L_Grunddaten:
            case L_Sonstiges:
                z.marker = L_Lehrer;
                break;
            default:
                break;
        }
    };
    if (!Lesen(pfad, {LehrerTags(), "Alle_Lehrer", "Lehrer"}, z, e, m, bericht, start, ende,
               Ablage(r, kLehrerBaum, zaehler, z)))
        return std::nullopt;
    DoppelteMelden(
        out, [](const TLehrerDS& x) { return x.Lehrernummer.view(); }, "Lehrernummer", "doppelte Lehrernummer",
        bericht);
    return Ergebnis(out, z, pfad, m, bericht);
}

std::optional<std::vector<TKlasseDS>> ImportClassXml(const std::string& pfad, const TEinstellungen& e, Meldungen& m,
                                                     ImportBericht& bericht) {
    std::vector<TKlasseDS> out = Vorgehalten<TKlasseDS>(pfad);
    TKlasseDS r;
    InitKlasse(r, e.Schulnummer.view());
    Lesestand z;
    Zaehler zaehler;
    const auto start = [&](int i) {
        zaehler.Start(kKlassenBaum.stellen[static_cast<std::size_t>(i)]);
        if (i == Alle_Klassen)
            z.marker = Alle_Klassen, zaehler.Zuruecksetzen();
        else if (i == Kl_Klasse)
            InitKlasse(r, e.Schulnummer.view()), zaehler.Zuruecksetzen(), z.NeuerDatensatz();
    };
    const auto ende = [&](int i) {
        if (i == Alle_Klassen)
            z.marker.reset();
        else if (i == Kl_Klasse)
            Anhaengen(out, r, z, bericht);
    };
    if (!Lesen(pfad, {KlassenTags(), "Alle_Klassen", "Klassen"}, z, e, m, bericht, start, ende,
               Ablage(r, kKlassenBaum, zaehler, z)))
        return std::nullopt;
    DoppelteMelden(
        out, [](const TKlasseDS& x) { return x.Klassenname.view(); }, "Klassenname", "doppelter Klassenname", bericht);
    return Ergebnis(out, z, pfad, m, bericht);
}

std::optional<std::vector<TSchuelerDS>> ImportStudentXml(const std::string& pfad, const TEinstellungen& e, Meldungen& m,
                                                         ImportBericht& bericht) {
    std::vector<TSchuelerDS> out = Vorgehalten<TSchuelerDS>(pfad);
    TSchuelerDS r;
    InitSchueler(r, e.Schulnummer.view());
    Lesestand z;
    Zaehler zaehler;
    const auto start = [&](int i) {
        zaehler.Start(kSchuelerBaum.stellen[static_cast<std::size_t>(i)]);
        switch (i) {
            case Alle_Schueler:
                z.marker = Alle_Schueler, zaehler.Zuruecksetzen();
                break;
            case S_Schueler:
                InitSchueler(r, e.Schulnummer.view());
                zaehler.Zuruecksetzen();
                z.NeuerDatensatz();
                break;
            case S_Herkunft:
            case S_Jahrgangsdaten:
            case S_Ausbildung:
            case S_allgemeinbildender:
            case S_berufsbezogener:
                z.marker = i;
                break;
            default:
                break;
        }
    };
    const auto ende = [&](int i) {
        switch (i) {
            case Alle_Schueler:
                z.marker.reset();
                break;
            case S_Schueler:
                Anhaengen(out, r, z, bericht);
                break;
            case S_Herkunft:
            case S_Jahrgangsdaten:
            case S_Au_Beruf: // the training block's later fields are found from the record level
            case S_Ausbildung:
            case S_allgemeinbildender:
            case S_berufsbezogener:
                z.marker = S_Schueler;
                break;
            default:
                break;
        }
    };
    if (!Lesen(pfad, {SchuelerTags(), "Alle_Schueler", "Schüler"}, z, e, m, bericht, start, ende,
               Ablage(r, kSchuelerBaum, zaehler, z)))
        return std::nullopt;
    DoppelteMelden(
        out, [](const TSchuelerDS& x) { return x.Schuelernummer.view(); }, "Schuelernummer", "doppelte Schülernummer",
        bericht);
    return Ergebnis(out, z, pfad, m, bericht);
}

template <class R>
void BereichErsetzen(BereichsDaten<R>& b, std::vector<R> saetze, std::string_view schulnummer, Meldungen&) {
    if (saetze.empty()) {
        saetze.resize(1);
        InitDatensatz(saetze[0], schulnummer);
    }
    IdVergabe ids({}, IdVergabe::DatensatzBereiche());
    for (R& r : saetze) r.ID = ids.Naechste();
    b.DB = std::move(saetze);
    b.Aktuell = 0;
}

template void BereichErsetzen(BereichsDaten<TLehrerDS>&, std::vector<TLehrerDS>, std::string_view, Meldungen&);
template void BereichErsetzen(BereichsDaten<TKlasseDS>&, std::vector<TKlasseDS>, std::string_view, Meldungen&);
template void BereichErsetzen(BereichsDaten<TSchuelerDS>&, std::vector<TSchuelerDS>, std::string_view, Meldungen&);

std::string MergeField(std::string_view importiert, std::string_view aktuell, int datenModus) {
    switch (datenModus) {
        case 0:
            return std::string(importiert);
        case 1:
            return std::string(IsEmptyValue(importiert) ? aktuell : importiert);
        case 2:
            return std::string(IsEmptyValue(aktuell) ? importiert : aktuell);
        default:
            return std::string(aktuell);
    }
}

namespace {

template <std::size_t N> void Mischen(SText<N>& aktuell, const SText<N>& importiert, int modus) {
    aktuell = MergeField(importiert.view(), aktuell.view(), modus);
}

} // namespace

void MergeSchoolImport(TSchuleDS& a, const TSchuleDS& i, int datensaetze, int einzelfelder, Meldungen& m,
                       ImportBericht& bericht) {
    const int mod = einzelfelder;
    Mischen(a.Schulnummer, i.Schulnummer, mod);

    for (int k = 1; k <= 20; ++k) {
        const s2& neu = i.Schuldaten.Schulart[k];
        if (IsEmptyValue(neu.view())) continue;
        int ziel = 0;
        for (int t = 1; t <= 20 && ziel == 0; ++t)
            if (a.Schuldaten.Schulart[t].view().substr(0, 2) == neu.view().substr(0, 2)) ziel = t;
        for (int t = 1; t <= 20 && ziel == 0; ++t)
            if (a.Schuldaten.Schulart[t].empty()) ziel = t;
        if (ziel > 0) Mischen(a.Schuldaten.Schulart[ziel], neu, mod);
    }

    Mischen(a.Schuldaten.Orgform, i.Schuldaten.Orgform, mod);
    Mischen(a.Schuldaten.Orgform_Text, i.Schuldaten.Orgform_Text, mod);
    Mischen(a.Schuldaten.Ganztag, i.Schuldaten.Ganztag, mod);
    auto& f = a.freie_Traeger;
    const auto& g = i.freie_Traeger;
    Mischen(f.Name, g.Name, mod);
    Mischen(f.Schulamt, g.Schulamt, mod);
    Mischen(f.Rechtsstatus, g.Rechtsstatus, mod);
    Mischen(f.Traeger, g.Traeger, mod);
    Mischen(f.Gemeinde, g.Gemeinde, mod);
    Mischen(f.Standort, g.Standort, mod);
    Mischen(f.PLZ, g.PLZ, mod);
    Mischen(f.Strasse, g.Strasse, mod);
    Mischen(f.EMail, g.EMail, mod);
    Mischen(f.Internet, g.Internet, mod);
    Mischen(f.Schulleiter.Anrede, g.Schulleiter.Anrede, mod);
    Mischen(f.Schulleiter.Titel, g.Schulleiter.Titel, mod);
    Mischen(f.Schulleiter.Name, g.Schulleiter.Name, mod);
    Mischen(f.Schulleiter.Telefon, g.Schulleiter.Telefon, mod);

    const auto frei = [&]() -> TUnterrichtseinheitDS* {
        for (int t = 1; t <= 1000; ++t)
            if (a.Unterrichtseinheit[t].UE_ID == 0 && a.Unterrichtseinheit[t].UE_ID_Text.empty())
                return &a.Unterrichtseinheit[t];
        return nullptr;
    };
    for (int k = 1; k <= 1000; ++k) {
        const TUnterrichtseinheitDS& u = i.Unterrichtseinheit[k];
        if (u.UE_ID <= 0) continue;
        TUnterrichtseinheitDS* ziel = nullptr;
        if (datensaetze == 0)
            for (int t = 1; t <= 1000 && !ziel; ++t)
                if (a.Unterrichtseinheit[t].UE_ID == u.UE_ID) ziel = &a.Unterrichtseinheit[t];
        if (!ziel) ziel = frei();
        if (!ziel) {
            ++bericht.ueNichtPlatziert;
            continue;
        }
        Mischen(ziel->UE_ID_Text, u.UE_ID_Text, mod);
        Mischen(ziel->Schulart, u.Schulart, mod);
        Mischen(ziel->Jahrgang, u.Jahrgang, mod);
        Mischen(ziel->Klasse, u.Klasse, mod);
        Mischen(ziel->Fach, u.Fach, mod);
        Mischen(ziel->Fach_Text, u.Fach_Text, mod);
        Mischen(ziel->Kurs, u.Kurs, mod);
        Mischen(ziel->Bilingual, u.Bilingual, mod);
        Mischen(ziel->Stunden, u.Stunden, mod);
        if (mod == 0 || (mod == 1 && u.UE_ID > 0) || (mod == 2 && ziel->UE_ID == 0)) ziel->UE_ID = u.UE_ID.get();
        ++bericht.ueUebernommen;
    }
    if (bericht.ueNichtPlatziert > 0)
        m.Fehler("Problem beim Import der UnterrichtsEinheiten aufgetreten!\r(Zu viele oder nicht zu indentifizierende "
                 "UnterrichtsEinheiten)\r\rPrüfen Sie unbedingt die Daten!!!");

    Mischen(a.Nichteinschulung[1].Art, i.Nichteinschulung[1].Art, mod);
    Mischen(a.Nichteinschulung[1].maennlich, i.Nichteinschulung[1].maennlich, mod);
    Mischen(a.Nichteinschulung[1].weiblich, i.Nichteinschulung[1].weiblich, mod);
}

std::string BerichtText(const ImportBericht& b) {
    std::string s = "Datei: " + b.datei + "\n";
    if (!b.root.empty()) s += "Root-Tag: " + Cp1252ToUtf8(b.root) + "\n";
    if (b.zuViele) return s + "mehr als 65536 Datensätze: nicht eingelesen\n";
    if (b.alsWindows1252) s += "ohne Kodierungsangabe und nicht UTF-8: als Windows-1252 gelesen\n";
    if (!b.gelesen) return s + "nicht eingelesen\n";
    s += "Datensätze übernommen: " + std::to_string(b.datensaetze) + "\n";
    if (b.abgelehnt > 0) s += "Datensätze anderer Schulen abgelehnt: " + std::to_string(b.abgelehnt) + "\n";
    if (b.keineDatensaetze) s += "keine übernehmbaren Datensätze: die vorhandenen Daten bleiben unverändert\n";
    if (b.ueUebernommen > 0 || b.ueNichtPlatziert > 0) {
        s += "Unterrichtseinheiten übernommen: " + std::to_string(b.ueUebernommen) + "\n";
        if (b.ueNichtPlatziert > 0)
            s += "Unterrichtseinheiten ohne Platz: " + std::to_string(b.ueNichtPlatziert) + "\n";
    }
    for (const auto& [name, anzahl] : b.unbekannt)
        s += "unbekannter XML-Tag (" + name + "): " + std::to_string(anzahl) + "x übergangen\n";
    if (!b.verluste.empty()) s += "nicht wie in der Datei übernommen: " + std::to_string(b.verluste.size()) + "\n";
    for (const ImportVerlust& v : b.verluste)
        s += "  " + v.datensatz + ", " + v.element + " \"" + v.wert + "\": " + v.was + "\n";
    return s;
}

} // namespace zev
