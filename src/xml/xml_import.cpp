#include "xml/xml_import.h"

#include "catalog/catalogue_list.h"
#include "io/file_messages.h"
#include "model/encoding.h"
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

// A lesson-unit reference: the text, and its number in 16 bits (0 when none).
// The number comes from the text as stored (cut to its width), so the two agree.
void Verweis(TUEVerweis& v, std::string_view t) {
    v.UE_ID = t;
    if (v.UE_ID.empty()) return;
    v.Nummer = static_cast<std::uint16_t>(static_cast<std::uint32_t>(Ganzzahl(v.UE_ID.view()).value_or(0)));
}

// Stores into element `k` of a group when it lies within the group's capacity.
template <class A> auto* Element(A& a, int k) {
    return (k >= A::Erster && k <= A::Letzter) ? &a[k] : nullptr;
}

// What every reader shares: the section marker, the accept flag of the record in
// hand and the record counters.
struct Lesestand {
    Marker marker;
    bool annehmen = true;
    bool abgelehnt = false;
    bool zuViele = false; // more records than an area can hold
    void NeuerDatensatz() {
        annehmen = true;
        abgelehnt = false;
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
                if (z.annehmen) text(*i, t.text);
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

template <class R> void Anhaengen(std::vector<R>& out, const R& r, Lesestand& z, ImportBericht& b) {
    if (z.abgelehnt) {
        ++b.abgelehnt;
        return;
    }
    if (out.size() >= kBereichKapazitaet) {
        z.zuViele = true;
        return;
    }
    out.push_back(r);
    ++b.datensaetze;
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

// A teacher group whose entries may share one container: a new entry begins at
// each container and at each further first field inside it.
struct Gruppe {
    int zaehler = 0;
    bool frisch = false;
    void Container() {
        ++zaehler;
        frisch = true;
    }
    void ErstesFeld() {
        if (!frisch) ++zaehler;
        frisch = false;
    }
};

} // namespace

std::optional<TSchuleDS> ImportSchoolXml(const std::string& pfad, const TEinstellungen& e, Meldungen& m,
                                         ImportBericht& bericht) {
    TSchuleDS s;
    InitSchule(s, e.Schulnummer.view());
    Lesestand z;
    int schulart = 0, ue = 0, ne = 0, schulen = 0;
    const auto start = [&](int i) {
        switch (i) {
            case Alle_Schulen:
                z.marker = Alle_Schulen, schulart = ue = ne = 0;
                break;
            case Schule:
                z.marker = i, ++schulen;
                break;
            case Schuldaten:
            case freie_Traeger:
            case Schulleiter:
                z.marker = i;
                break;
            case Schulart:
                ++schulart;
                break;
            case Unterrichtseinheit:
                z.marker = i, ++ue;
                break;
            case Nichteinschulung:
                z.marker = i, ne = 1;
                break;
            default:
                break;
        }
    };
    const auto ende = [&](int i) {
        if (i == Alle_Schulen)
            z.marker.reset();
        else if (i == Anrede || i == Titel || i == Schulleiter_Name || i == Telefon)
            z.marker = Schulleiter;
        else if (i >= UE_ID && i <= UE_Lehrer)
            z.marker = freie_Traeger;
        else
            z.marker = Alle_Schulen;
    };
    const auto text = [&](int i, const std::string& t) {
        auto& f = s.freie_Traeger;
        TUnterrichtseinheitDS* u = (i >= UE_ID && i <= UE_Lehrer) ? Element(s.Unterrichtseinheit, ue) : nullptr;
        if (u && ue == 0) u = nullptr; // element 0 is never imported into
        TNichteinschulung* n = ne == 1 ? &s.Nichteinschulung[1] : nullptr;
        switch (i) {
            case Schulnummer:
                s.Schulnummer = t;
                break;
            case Schulart:
                if (auto* a = Element(s.Schuldaten.Schulart, schulart); a && schulart > 0) *a = t;
                break;
            case Orgform: {
                // The export joins the free text to code "41" with ", "; split it back.
                const auto p = t.find(", ");
                s.Schuldaten.Orgform = std::string_view(t).substr(0, p);
                if (p != std::string::npos) s.Schuldaten.Orgform_Text = std::string_view(t).substr(p + 2);
                break;
            }
            case Ganztag:
                s.Schuldaten.Ganztag = t;
                break;
            case Name:
                f.Name = t;
                break;
            case Schulamt:
                f.Schulamt = t;
                break;
            case Rechtsstatus:
                f.Rechtsstatus = t;
                break;
            case Traeger:
                f.Traeger = t;
                break;
            case Gemeinde:
                f.Gemeinde = t;
                break;
            case Standort:
                f.Standort = t;
                break;
            case PLZ:
                f.PLZ = t;
                break;
            case Strasse:
                f.Strasse = t;
                break;
            case EMail:
                f.EMail = t;
                break;
            case Internet:
                f.Internet = t;
                break;
            case Anrede:
                f.Schulleiter.Anrede = t;
                break;
            case Titel:
                f.Schulleiter.Titel = t;
                break;
            case Schulleiter_Name:
                f.Schulleiter.Name = t;
                break;
            case Telefon:
                f.Schulleiter.Telefon = t;
                break;
            case UE_ID:
                if (u) {
                    u->UE_ID_Text = t;
                    // A number that is none gets an identifier below 0, so the merge leaves it out.
                    // Taken from the text as stored, so number and text agree.
                    const auto zahl = Ganzzahl(u->UE_ID_Text.view());
                    u->UE_ID = zahl ? *zahl : NeueImportUEID(s);
                }
                break;
            case UE_Schulart:
                if (u) u->Schulart = t;
                break;
            case UE_Jahrgang:
                if (u) u->Jahrgang = t;
                break;
            case UE_Klasse:
                if (u) u->Klasse = t;
                break;
            case UE_Fach:
                if (u) u->Fach = t;
                break;
            case UE_Kurs:
                if (u) u->Kurs = t;
                break;
            case UE_Bilingual:
                if (u) u->Bilingual = t;
                break;
            case UE_Stunden:
                if (u) u->Stunden = t;
                break;
            case UE_Lehrer:
                if (u) u->Lehrer = t;
                break;
            case NE_Art:
                if (n) n->Art = t;
                break;
            case NE_maennlich:
                if (n) n->maennlich = t;
                break;
            case NE_weiblich:
                if (n) n->weiblich = t;
                break;
            default:
                break;
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
    return s;
}

std::optional<std::vector<TLehrerDS>> ImportTeacherXml(const std::string& pfad, const TEinstellungen& e, Meldungen& m,
                                                       ImportBericht& bericht) {
    std::vector<TLehrerDS> out = Vorgehalten<TLehrerDS>(pfad);
    TLehrerDS r;
    InitLehrer(r, e.Schulnummer.view());
    Lesestand z;
    int ausb = 0, fach = 0, lehramt = 0, pers = 0, ue = 0;
    Gruppe azk, azr, ar, einsatz;
    const auto zuruecksetzen = [&] {
        ausb = fach = lehramt = pers = ue = 0;
        azk = azr = ar = einsatz = Gruppe{};
    };
    const auto start = [&](int i) {
        switch (i) {
            case Alle_Lehrer:
                z.marker = Alle_Lehrer, zuruecksetzen();
                break;
            case L_Lehrer:
                InitLehrer(r, e.Schulnummer.view());
                zuruecksetzen();
                z.NeuerDatensatz();
                break;
            case L_Ausbildung:
                ++ausb;
                break;
            case L_Fach_Lehrb:
                ++fach;
                break;
            case L_Lehramt:
                ++lehramt;
                break;
            case L_Personengruppe:
                ++pers;
                break;
            case L_Unterrichtseinheit:
                ++ue;
                break;
            case L_Arbeitszeitkonto:
                z.marker = i, azk.Container();
                break;
            case L_Arbeitszeitregelung:
                z.marker = i, azr.Container();
                break;
            case L_Anrechnungsstunden:
                z.marker = i, ar.Container();
                break;
            case L_Einsatz:
                z.marker = i, einsatz.Container();
                break;
            case L_AZK_Grund_mehr:
                azk.ErstesFeld();
                break;
            case L_AZR_Grund_mehr:
                azr.ErstesFeld();
                break;
            case L_AR_Grund:
                ar.ErstesFeld();
                break;
            case L_E_Art:
                einsatz.ErstesFeld();
                break;
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
    const auto text = [&](int i, const std::string& t) {
        auto& g = r.Grunddaten;
        const auto setze = [&](auto* feld) {
            if (feld) *feld = t;
        };
        const auto grund = [&](Reihe<TStundenGrund, 1, 5>& a, const Gruppe& gr, int erstes) {
            TStundenGrund* x = Element(a, gr.zaehler);
            if (!x) return;
            const int feld = i - erstes;
            if (feld == 0)
                x->Grund_mehr = t;
            else if (feld == 1)
                x->Anzahl_mehr = t;
            else if (feld == 2)
                x->Grund_minder = t;
            else
                x->Anzahl_minder = t;
        };
        switch (i) {
            case L_Schulnummer:
                r.Schulnummer = t;
                break;
            case L_Lehrernummer:
                r.Lehrernummer = t;
                break;
            case L_Name:
                g.Name = t;
                break;
            case L_Vorname:
                g.Vorname = t;
                break;
            case L_Titel:
                g.Titel = t;
                break;
            case L_Geschlecht:
                g.Geschlecht = Geschlecht(t);
                break;
            case L_Geburtsdatum:
                g.Geburtsdatum = t;
                break;
            case L_Staatszugehoerigkeit:
                g.Staatszugehoerigkeit = t;
                break;
            case L_Beschaeftigung:
                g.Beschaeftigung = t;
                break;
            case L_Ausbildung:
                setze(Element(g.Ausbildung, ausb));
                break;
            case L_Fach_Lehrb:
                setze(Element(g.Fach_Lehrb, fach));
                break;
            case L_Lehramt:
                setze(Element(r.Stunden.Lehramt, lehramt));
                break;
            case L_Regelstunden:
                r.Stunden.Regelstunden = t;
                break;
            case L_Vertragsstunden:
                r.Stunden.Vertragsstunden = t;
                break;
            case L_Vertretung:
                r.Stunden.Vertretung = t;
                break;
            case L_AZK_Grund_mehr:
            case L_AZK_Anzahl_mehr:
            case L_AZK_Grund_minder:
            case L_AZK_Anzahl_minder:
                grund(r.Arbeitszeitkonto, azk, L_AZK_Grund_mehr);
                break;
            case L_AZR_Grund_mehr:
            case L_AZR_Anzahl_mehr:
            case L_AZR_Grund_minder:
            case L_AZR_Anzahl_minder:
                grund(r.Arbeitszeitregelung, azr, L_AZR_Grund_mehr);
                break;
            case L_AR_Grund:
                if (auto* a = Element(r.Anrechnungsstunden, ar.zaehler)) a->Grund = t;
                break;
            case L_AR_Stunden:
                if (auto* a = Element(r.Anrechnungsstunden, ar.zaehler)) a->Stunden = t;
                break;
            case L_Taetigkeit:
                r.Sonstiges.Taetigkeit = t;
                break;
            case L_Personengruppe:
                setze(Element(r.Sonstiges.Personengruppe, pers));
                break;
            case L_Klassenleiter:
                r.Sonstiges.Klassenleiter = t;
                break;
            case L_Schulleiter:
                r.Sonstiges.Schulleiter = Geschlecht(t);
                break; // "1" and "2" alike
            case L_Unterrichtseinheit:
                if (auto* v = Element(r.Unterrichtseinheit, ue)) Verweis(*v, t);
                break;
            case L_E_Art:
                if (auto* x = Element(r.Einsatz, einsatz.zaehler)) x->Art = t;
                break;
            case L_E_Jahrgang:
                if (auto* x = Element(r.Einsatz, einsatz.zaehler)) x->Jahrgang = t;
                break;
            case L_E_Stunden:
                if (auto* x = Element(r.Einsatz, einsatz.zaehler)) x->Stunden = t;
                break;
            case L_Zugang_Art:
                r.Zu_Abgang.Zugang.Art = t;
                break;
            case L_Zugang_Datum:
                r.Zu_Abgang.Zugang.Datum = t;
                break;
            case L_Abgang_Art:
                r.Zu_Abgang.Abgang.Art = t;
                break;
            case L_Abgang_Datum:
                r.Zu_Abgang.Abgang.Datum = t;
                break;
            default:
                break;
        }
    };
    if (!Lesen(pfad, {LehrerTags(), "Alle_Lehrer", "Lehrer"}, z, e, m, bericht, start, ende, text)) return std::nullopt;
    return Ergebnis(out, z, pfad, m, bericht);
}

std::optional<std::vector<TKlasseDS>> ImportClassXml(const std::string& pfad, const TEinstellungen& e, Meldungen& m,
                                                     ImportBericht& bericht) {
    std::vector<TKlasseDS> out = Vorgehalten<TKlasseDS>(pfad);
    TKlasseDS r;
    InitKlasse(r, e.Schulnummer.view());
    Lesestand z;
    int besonderheit = 0;
    const auto start = [&](int i) {
        if (i == Alle_Klassen)
            z.marker = Alle_Klassen, besonderheit = 0;
        else if (i == Kl_Klasse)
            InitKlasse(r, e.Schulnummer.view()), besonderheit = 0, z.NeuerDatensatz();
        else if (i == Kl_Klassenbesonderheit)
            ++besonderheit;
    };
    const auto ende = [&](int i) {
        if (i == Alle_Klassen)
            z.marker.reset();
        else if (i == Kl_Klasse)
            Anhaengen(out, r, z, bericht);
    };
    const auto text = [&](int i, const std::string& t) {
        if (i == Kl_Schulnummer)
            r.Schulnummer = t;
        else if (i == Kl_Klassenname)
            r.Klassenname = t;
        else if (i == Kl_Klassenbesonderheit)
            if (auto* b = Element(r.Klassenbesonderheit, besonderheit)) *b = t;
    };
    if (!Lesen(pfad, {KlassenTags(), "Alle_Klassen", "Klassen"}, z, e, m, bericht, start, ende, text))
        return std::nullopt;
    return Ergebnis(out, z, pfad, m, bericht);
}

std::optional<std::vector<TSchuelerDS>> ImportStudentXml(const std::string& pfad, const TEinstellungen& e, Meldungen& m,
                                                         ImportBericht& bericht) {
    std::vector<TSchuelerDS> out = Vorgehalten<TSchuelerDS>(pfad);
    TSchuelerDS r;
    InitSchueler(r, e.Schulnummer.view());
    Lesestand z;
    int ue = 0, fs = 0, ab = 0, bb = 0;
    const auto start = [&](int i) {
        switch (i) {
            case Alle_Schueler:
                z.marker = Alle_Schueler, ue = fs = ab = bb = 0;
                break;
            case S_Schueler:
                InitSchueler(r, e.Schulnummer.view());
                ue = fs = ab = bb = 0;
                z.NeuerDatensatz();
                break;
            case S_Herkunft:
            case S_Jahrgangsdaten:
            case S_Ausbildung:
                z.marker = i;
                break;
            case S_Unterrichtseinheit:
                ++ue;
                break;
            case S_Fremdsprachen:
                ++fs;
                break;
            case S_allgemeinbildender:
                z.marker = i, ++ab;
                break;
            case S_berufsbezogener:
                z.marker = i, ++bb;
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
    const auto text = [&](int i, const std::string& t) {
        auto& g = r.Grunddaten;
        auto& j = r.Jahrgangsdaten;
        TFremdsprache* f = Element(r.Fremdsprachen, fs);
        TAbschlussAllgemein* a = Element(r.Abschluss.allgemeinbildender, ab);
        TAbschlussBeruf* b = Element(r.Abschluss.berufsbezogener, bb);
        switch (i) {
            case S_Schulnummer:
                r.Schulnummer = t;
                break;
            case S_Schuelernummer:
                r.Schuelernummer = t;
                break;
            case S_Name:
                g.Name = t;
                break;
            case S_Vorname:
                g.Vorname = t;
                break;
            case S_Geschlecht:
                g.Geschlecht = Geschlecht(t);
                break;
            case S_Geburtsdatum:
                g.Geburtsdatum = t;
                break;
            case S_Staatsangehoerigkeit:
                g.Staatsangehoerigkeit = t;
                break;
            case S_Migrantenstatus:
                g.Migrantenstatus = t;
                break;
            case S_Verkehrssprache:
                g.Verkehrssprache = t;
                break;
            case S_Zuzug:
                g.Zuzug = t;
                break;
            case S_Einschulungsart:
                g.Einschulung.Einschulungsart = t;
                break;
            case S_Einschulungsjahr:
                g.Einschulung.Einschulungsjahr = t;
                break;
            case S_Gemeinde:
                g.Anschrift.Gemeinde = t;
                break;
            case S_Wohnort:
                g.Anschrift.Wohnort = t;
                break;
            case S_PLZ:
                g.Anschrift.PLZ = t;
                break;
            case S_Strasse:
                g.Anschrift.Strasse = t;
                break;
            case S_vorherige_Schule:
                g.vorherige_Schule = t;
                break;
            case S_H_Schulart:
                g.Herkunft.Schulart = t;
                break;
            case S_H_Jahrgang:
                g.Herkunft.Jahrgang = t;
                break;
            case S_Klasse:
                j.Klasse = t;
                break;
            case S_J_Jahrgang:
                j.Jahrgang = t;
                break;
            case S_J_Schulart:
                j.Schulart = t;
                break;
            case S_Wiederholer:
                j.Wiederholer = t;
                break;
            case S_Empfehlung:
                j.Empfehlung = t;
                break;
            case S_Schulartwechsel:
                j.Schulartwechsel = t;
                break;
            case S_Ausland:
                j.Ausland = t;
                break;
            case S_Auslaender:
                j.Auslaender = t;
                break;
            case S_LRS:
                j.LRS = t;
                break;
            case S_Dyskalkulie:
                j.Dyskalkulie = t;
                break;
            case S_Ganztag:
                j.Ganztag = t;
                break;
            case S_Bildungsgang:
                j.Bildungsgang = t;
                break;
            case S_Extern:
                j.Extern = t;
                break;
            case S_Unterrichtseinheit:
                if (auto* v = Element(j.Unterrichtseinheit, ue)) Verweis(*v, t);
                break;
            case S_Bedarf:
                r.Foerderbedarf.Bedarf = t;
                break;
            case S_Tatsaechlich:
                r.Foerderbedarf.Tatsaechlich = t;
                break;
            case S_Erwerb:
                if (f) f->Erwerb = t;
                break;
            case S_Sprache:
                if (f) f->Sprache = t;
                break;
            case S_F_Art:
                if (f) f->Art = t;
                break;
            case S_allgemein:
                if (a) a->allgemein = t;
                break;
            case S_A_Jahr:
                if (a) a->Jahr = t;
                break;
            case S_B_Beruf:
                if (b) b->Beruf = t;
                break;
            case S_B_Jahr:
                if (b) b->Jahr = t;
                break;
            case S_Au_Beruf:
                r.Ausbildung.Beruf = t;
                break;
            case S_Stellung:
                r.Ausbildung.Stellung = t;
                break;
            case S_Au_Stunden:
                r.Ausbildung.Stunden = t;
                break;
            case S_Zeitform:
                r.Ausbildung.Zeitform = t;
                break;
            case S_Standort:
                r.Ausbildung.Standort = t;
                break;
            default:
                break;
        }
    };
    if (!Lesen(pfad, {SchuelerTags(), "Alle_Schueler", "Schüler"}, z, e, m, bericht, start, ende, text))
        return std::nullopt;
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
    return s;
}

} // namespace zev
