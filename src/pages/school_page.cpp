#include "pages/school_page.h"

#include "catalog/catalogue_loader.h"
#include "control/display_lists.h"
#include "control/lifecycle.h"
#include "model/encoding.h"
#include "pages/page_check.h"

#include <algorithm>

namespace zev {

namespace {

constexpr int kSchularten = 20;
constexpr int kEinheiten = 1000;
constexpr int kNichteinschulungen = 1;

const char* const kUEWarnung = "Beachten Sie unbedingt, dass diese Unterrichtseinheit dann nicht mehr\r"
                               "für Schüler und Lehrer benutzt werden darf und kann!";

std::string U(std::string_view cp1252) {
    return Cp1252ToUtf8(cp1252);
}
std::string W(std::string_view utf8) {
    return Utf8ToCp1252(utf8);
}

// The text part of the entry with the key, when the list has one (not the placeholder).
bool TextVon(const Katalog& liste, std::string_view key, std::string& text) {
    std::string eintrag;
    CatalogueDisplayOfKey(liste, key, eintrag);
    if (eintrag.empty() || eintrag == kUnbekannt) return false;
    text = TextteilVon(eintrag);
    return true;
}

void Leeren(TUnterrichtseinheitDS& u) {
    u = TUnterrichtseinheitDS{};
}

RasterSpalte Spalte(const char* titel, int breite, bool gespeichert, bool editierbar = true,
                    const KomboListe* kombo = nullptr) {
    RasterSpalte s;
    s.ueberschrift = titel;
    s.breite = breite;
    s.gespeichert = gespeichert;
    s.editierbar = gespeichert && editierbar;
    s.kombo = kombo;
    return s;
}

} // namespace

SchulListen SchulListenAufbauen(const Kataloge& k) {
    SchulListen l;
    l.orgform = KomboAus(k(32));
    l.ganztag = KomboAus(k(19));
    l.schulamt = KomboAus(k(38));
    l.rechtsstatus = KomboAus(k(37));
    l.traeger = KomboAus(k(42));
    l.gemeinden = KomboAus(k(54));
    l.anrede = KomboAus(k(101));
    l.schularten = KomboAus(k(39));
    l.nichteinschulungsarten = KomboAus(k(4));
    l.dialog = UEDialogListenAufbauen(k);
    l.schulartenSortiert = SortierteKomboAus(k(39));
    return l;
}

int UEBeschreibungsBreite(int rasterBreite, int andereSpalten) {
    const int rest = rasterBreite - 75 - andereSpalten;
    return rest > 100 ? rest : 340;
}

std::string UETabellenBeschreibung(const TUnterrichtseinheitDS& u, const Kataloge& k, const Katalog& lehrerAuswahl,
                                   int reihenfolge) {
    std::string d;
    std::string t;
    const auto teil = [&](const Katalog& liste, std::string_view key, const char* davor) {
        if (TextVon(liste, key, t)) d += davor + t;
    };
    const std::string klasse = "; " + u.Klasse.str();
    const std::string stunden = "; " + u.Stunden.str() + " Std.";
    if (reihenfolge == 1) {
        teil(k(14), u.Fach.view(), "");
        teil(k(13), u.Bilingual.view(), "; ++ ");
        d += klasse + stunden;
        teil(lehrerAuswahl, u.Lehrer.view(), "; ");
        teil(k(39), u.Schulart.view(), "; ");
        teil(k(27), u.Jahrgang.view(), "; ");
        teil(k(28), u.Kurs.view(), "; ");
    } else {
        teil(k(39), u.Schulart.view(), "");
        teil(k(27), u.Jahrgang.view(), "; ");
        d += klasse;
        teil(k(14), u.Fach.view(), "; ");
        teil(k(28), u.Kurs.view(), "; ");
        teil(k(13), u.Bilingual.view(), "; ++ ");
        d += stunden;
        teil(lehrerAuswahl, u.Lehrer.view(), "; ");
    }
    return d;
}

void UESortieren(TSchuleDS& schule, UESortierung art) {
    std::vector<TUnterrichtseinheitDS> e;
    e.reserve(kEinheiten);
    for (int i = 1; i <= kEinheiten; ++i) e.push_back(schule.Unterrichtseinheit[i]);
    const auto vor = [art](const TUnterrichtseinheitDS& a, const TUnterrichtseinheitDS& b) {
        const bool frei = a.UE_ID <= 0;
        if (frei != (b.UE_ID <= 0)) return !frei; // used units first
        if (frei) return false;
        switch (art) {
            case UESortierung::NachID:
                return a.UE_ID.get() < b.UE_ID.get();
            case UESortierung::NachKlasse:
                return a.Klasse.view() < b.Klasse.view();
            case UESortierung::NachFach:
                return a.Fach.view() < b.Fach.view();
            case UESortierung::NachLehrer:
                return a.Lehrer.view() < b.Lehrer.view();
        }
        return false;
    };
    std::stable_sort(e.begin(), e.end(), vor);
    for (int i = 1; i <= kEinheiten; ++i) schule.Unterrichtseinheit[i] = e[static_cast<std::size_t>(i - 1)];
}

std::string KapazitaetsText(int anzahl, const char* was) {
    return "Leider ist derzeit nur für " + std::to_string(anzahl) + "\r" + was + "\r\r" +
           "Wenden Sie sich wegen eines Updates an den Programmautor!";
}

// --- the page ------------------------------------------------------------------------------

SchulSeitenLogik::SchulSeitenLogik(Steuerung& st, SchulDialoge& dialoge, Meldungen& m)
    : st_(st), dialoge_(dialoge), m_(m), listen_(SchulListenAufbauen(st.Katalogliste())), kombos_(st.Katalogliste()) {
    s_.schularten.titel = "Schulart(-en)";
    s_.schularten.spalten = {Spalte("Schulart", 300, false), Spalte("Schlüssel", 50, true, true, &listen_.schularten)};
    s_.schularten.auffrischen = [this](std::vector<std::string>& z) { SchulartNamen(z); };

    s_.nichteinschulung.titel = "Nichteinschulung";
    s_.nichteinschulung.spalten = {Spalte("Art der Nichteinschulung", 200, false),
                                   Spalte("Schlüssel", 50, true, true, &listen_.nichteinschulungsarten),
                                   Spalte("männlich", 60, true), Spalte("weiblich", 60, true)};
    s_.nichteinschulung.auffrischen = [this](std::vector<std::string>& z) {
        // Only the catalogue's first entry is consulted.
        const Katalog& k = st_.Katalogliste()(4);
        z[0].clear();
        if (k.size() > 1 && U(KeyOfEntry(k[1])) == z[1]) z[0] = U(TextteilVon(k[1]));
    };

    s_.ue.titel = "Unterrichtseinheiten";
    s_.ue.spalten = {Spalte("lfd. Nr.", 40, false),        Spalte("Beschreibung der Unterrichtseinheit", 340, false),
                     Spalte("UE_ID", 40, true, false),     Spalte("Schulart", 55, true, false),
                     Spalte("Jahrgang", 55, true, false),  Spalte("Klasse", 45, true, false),
                     Spalte("Fach", 35, true, false),      Spalte("Kurs", 35, true, false),
                     Spalte("Bilingual", 50, true, false), Spalte("Stunden", 50, true, false),
                     Spalte("Lehrer", 60, true, false)};
}

void SchulSeitenLogik::SchulartNamen(std::vector<std::string>& z) const {
    z[0].clear();
    if (z[1].empty()) return;
    std::string eintrag(kUnbekannt);
    CatalogueDisplayOfKey(st_.Katalogliste()(39), W(z[1]), eintrag);
    z[0] = U(TextteilVon(eintrag));
}

void SchulSeitenLogik::Zeigen() {
    ShowSchool(st_.Daten().SchulDS);
}

void SchulSeitenLogik::Uebernehmen() {
    CollectSchool(st_.Daten().SchulDS);
    st_.UEBeschreibungenNeu();
}

void SchulSeitenLogik::ShowSchool(const TSchuleDS& schule) {
    SchulSeite& s = s_;
    // Schul-Daten
    s.schularten.zeilen.clear();
    for (int i = 1; i <= kSchularten; ++i) {
        if (schule.Schuldaten.Schulart[i].empty()) continue;
        ZeileAnhaengen(s.schularten)[1] = U(schule.Schuldaten.Schulart[i].view());
    }
    AlleAuffrischen(s.schularten);
    s.schularten.fokusZeile = s.schularten.Zeilen() > 0 ? 0 : -1;
    BindungenZeigen<SchulSeite>(kSchulFelder, schule, s, kombos_);
    s.nennungSichtbar = s.orgform.schluessel == "41";
    s.nichteinschulung.zeilen.clear();
    auto& n = ZeileAnhaengen(s.nichteinschulung);
    const TNichteinschulung& ne = schule.Nichteinschulung[1];
    if (ne.Art.empty() && ne.maennlich.empty() && ne.weiblich.empty()) {
        n[1] = "1";
    } else {
        n[1] = U(ne.Art.view());
        n[2] = U(ne.maennlich.view());
        n[3] = U(ne.weiblich.view());
    }
    AlleAuffrischen(s.nichteinschulung);
    s.nichteinschulung.fokusZeile = 0;

    // freie Träger
    s.gemeindeIndex = KomboIndexVonSchluessel(listen_.gemeinden, s.plz);

    // Unterrichteinheiten: the used units in record order.
    s.ue.zeilen.clear();
    s.einheiten.clear();
    for (int i = 1; i <= kEinheiten; ++i)
        if (schule.Unterrichtseinheit[i].UE_ID > 0) UEZeileAnhaengen(schule.Unterrichtseinheit[i]);
    s.ue.fokusZeile = s.ue.Zeilen() > 0 ? 0 : -1;
}

void SchulSeitenLogik::UEZeileAnhaengen(const TUnterrichtseinheitDS& u) {
    s_.einheiten.push_back(u);
    s_.ue.zeilen.emplace_back(s_.ue.spalten.size());
    UEZeileFuellen(s_.ue.Zeilen() - 1);
}

void SchulSeitenLogik::UEZeileFuellen(int zeile) {
    const TUnterrichtseinheitDS& u = s_.einheiten[static_cast<std::size_t>(zeile)];
    auto& z = s_.ue.zeilen[static_cast<std::size_t>(zeile)];
    z[UE_Nr] = std::to_string(zeile + 1);
    z[UE_Beschreibung] =
        U(UETabellenBeschreibung(u, st_.Katalogliste(), st_.LehrerAuswahl(), st_.Einstellungen().UEInfoReihenfolge));
    z[UE_ID_Spalte] = U(u.UE_ID_Text.empty() ? std::to_string(u.UE_ID.get()) : u.UE_ID_Text.str());
    z[UE_Schulart] = U(u.Schulart.view());
    z[UE_Jahrgang] = U(u.Jahrgang.view());
    z[UE_Klasse] = U(u.Klasse.view());
    z[UE_Fach] = U(u.Fach.view());
    z[UE_Kurs] = U(u.Kurs.view());
    z[UE_Bilingual] = U(u.Bilingual.view());
    z[UE_Stunden] = U(u.Stunden.view());
    z[UE_Lehrer] = U(u.Lehrer.view());
}

void SchulSeitenLogik::UENummerieren() {
    for (int i = 0; i < s_.ue.Zeilen(); ++i) s_.ue.zeilen[static_cast<std::size_t>(i)][UE_Nr] = std::to_string(i + 1);
}

void SchulSeitenLogik::CollectSchool(TSchuleDS& schule) {
    SchulSeite& s = s_;
    // School types from the key column; empty keys skipped.
    std::vector<std::string> arten;
    for (const auto& z : s.schularten.zeilen)
        if (!z[1].empty()) arten.push_back(W(z[1]));
    if (static_cast<int>(arten.size()) > kSchularten)
        m_.Fehler(KapazitaetsText(kSchularten, "Schularten Speicherplatz vorgesehen!"));
    for (int i = 1; i <= kSchularten; ++i)
        schule.Schuldaten.Schulart[i] =
            i <= static_cast<int>(arten.size()) ? arten[static_cast<std::size_t>(i - 1)] : std::string();
    BindungenUebernehmen<SchulSeite>(kSchulFelder, s_, schule, m_);

    // Lesson units: every row that is not blank, renumbered from 1; the rest freed.
    int n = 0;
    bool zuViele = false;
    for (int r = 0; r < s.ue.Zeilen(); ++r) {
        if (IsEmptyRange(s.ue.zeilen[static_cast<std::size_t>(r)], UE_ID_Spalte, UE_Lehrer)) continue;
        if (n == kEinheiten) {
            zuViele = true;
            break;
        }
        schule.Unterrichtseinheit[++n] = s.einheiten[static_cast<std::size_t>(r)];
    }
    if (zuViele) m_.Fehler(KapazitaetsText(kEinheiten, "Unterrichtseinheiten Speicherplatz vorgesehen!"));
    // Units that were free stay as they are; those that moved up or were deleted are freed.
    for (int i = n + 1; i <= kEinheiten; ++i)
        if (schule.Unterrichtseinheit[i].UE_ID > 0) Leeren(schule.Unterrichtseinheit[i]);

    // The one non-enrolment row.
    if (s.nichteinschulung.Zeilen() > kNichteinschulungen)
        m_.Fehler(KapazitaetsText(kNichteinschulungen, "Nichteinschulungsart(en) Speicherplatz vorgesehen!"));
    TNichteinschulung& ne = schule.Nichteinschulung[1];
    if (s.nichteinschulung.Zeilen() > 0) {
        const auto& z = s.nichteinschulung.zeilen[0];
        // The key "1" an empty entry is shown with is an offer: without counts it is not taken.
        const bool leer = ne.Art.empty() && ne.maennlich.empty() && ne.weiblich.empty();
        if (leer && z[1] == "1" && z[2].empty() && z[3].empty()) return;
        ne.Art = W(z[1]);
        ne.maennlich = W(z[2]);
        ne.weiblich = W(z[3]);
    }
}

void SchulSeitenLogik::OrgformGewaehlt(int index) {
    CodeFeldGewaehlt(s_.orgform, listen_.orgform, index);
    s_.nennungSichtbar = s_.orgform.schluessel == "41";
}

void SchulSeitenLogik::OrgformSchluesselGeaendert(std::string schluessel) {
    s_.orgform.schluessel = std::move(schluessel);
    s_.nennungSichtbar = s_.orgform.schluessel == "41";
}

void SchulSeitenLogik::GemeindeGewaehlt(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= listen_.gemeinden.size()) return;
    s_.gemeindeIndex = index;
    const std::string eintrag = listen_.gemeinden.Eintrag(index);
    s_.plz = U(KeyOfEntry(eintrag));
    const std::string ort = TextteilVon(eintrag);
    if (!ort.empty()) s_.standort = U(ort);
    // The first additional field follows the key: "Ort; [PLZ]; Gemeinde; ...".
    const auto felder = SplitCatalogueLine(eintrag);
    if (felder.size() > 2) {
        std::string_view g = felder[2];
        while (!g.empty() && g.front() == ' ') g.remove_prefix(1);
        if (!g.empty()) s_.gemeinde = U(g);
    }
}

// --- school types --------------------------------------------------------------------------

void SchulSeitenLogik::NeueSchulart() {
    const auto key = dialoge_.NeueSchulart();
    if (!key || key->empty()) return;
    for (int r = 0; r < s_.schularten.Zeilen(); ++r) {
        if (s_.schularten.zeilen[static_cast<std::size_t>(r)][1] == *key) {
            m_.Fehler("Schulart ist schon in Zeile: " + std::to_string(r + 1) + " vorhanden!");
            AlleAuffrischen(s_.schularten);
            return;
        }
    }
    int belegt = 0;
    for (const auto& z : s_.schularten.zeilen) belegt += z[1].empty() ? 0 : 1;
    if (belegt >= kSchularten) {
        m_.Fehler(KapazitaetsText(kSchularten, "Schularten Speicherplatz vorgesehen!"));
        return;
    }
    ZeileAnhaengen(s_.schularten)[1] = *key;
    AlleAuffrischen(s_.schularten);
    s_.schularten.fokusZeile = s_.schularten.Zeilen() - 1;
}

void SchulSeitenLogik::SchulartLoeschen() {
    CodeRaster& g = s_.schularten;
    if (!s_.schulartSchluessel.empty()) {
        const std::string key = s_.schulartSchluessel;
        std::string name(kUnbekannt);
        const SchoolTypeTable& t = st_.Katalogliste().Schularten();
        for (int i = 1; i <= SchoolTypeTable::kAnzahl; ++i)
            if (t[i].code == W(key) && t[i].nummer != 0) {
                name = t[i].name;
                break;
            }
        if (m_.Frage("Wollen Sie die Schulart:\r" + key + "  ==>  " + U(name) + "\rjetzt löschen?")) {
            for (int r = 0; r < g.Zeilen(); ++r)
                if (g.zeilen[static_cast<std::size_t>(r)][1] == key) {
                    ZeileEntfernen(g, r);
                    break;
                }
        }
    } else if (g.fokusZeile >= 0 && g.fokusZeile < g.Zeilen()) {
        const int r = g.fokusZeile;
        if (m_.Frage("Wollen Sie in Zeile " + std::to_string(r + 1) + " die Schulart:\r" +
                     g.zeilen[static_cast<std::size_t>(r)][0] + "\rjetzt löschen?"))
            ZeileEntfernen(g, r);
    }
    s_.schulartSchluessel.clear();
}

// --- lesson units ------------------------------------------------------------------------

int SchulSeitenLogik::UEZeileVonID(std::string_view id) const {
    for (int r = 0; r < s_.ue.Zeilen(); ++r)
        if (s_.ue.zeilen[static_cast<std::size_t>(r)][UE_ID_Spalte] == id) return r;
    return -1;
}

void SchulSeitenLogik::NeueUE() {
    if (s_.ue.Zeilen() >= kEinheiten) {
        m_.Fehler(KapazitaetsText(kEinheiten, "Unterrichtseinheiten Speicherplatz vorgesehen!"));
        return;
    }
    // The smallest identifier no row uses (the rows are what the record will hold).
    std::vector<bool> belegt(s_.einheiten.size() + 2, false);
    for (const auto& u : s_.einheiten)
        if (u.UE_ID > 0 && static_cast<std::size_t>(u.UE_ID.get()) < belegt.size())
            belegt[static_cast<std::size_t>(u.UE_ID.get())] = true;
    std::int32_t id = 1;
    while (belegt[static_cast<std::size_t>(id)]) ++id;

    const s10 lehrer = puffer_.Lehrer; // the previous unit's teacher stays as the default
    puffer_ = TUnterrichtseinheitDS{};
    puffer_.UE_ID = id;
    puffer_.UE_ID_Text = std::to_string(id);
    puffer_.Lehrer = lehrer;
    if (dialoge_.Unterrichtseinheit(puffer_, kTitelNeueUE)) {
        for (int r = 0; r < s_.ue.Zeilen(); ++r) {
            const auto& z = s_.ue.zeilen[static_cast<std::size_t>(r)];
            const auto gleich = [&](int spalte, std::string_view wert) {
                return z[static_cast<std::size_t>(spalte)] == U(wert);
            };
            if (gleich(UE_Schulart, puffer_.Schulart.view()) && gleich(UE_Jahrgang, puffer_.Jahrgang.view()) &&
                gleich(UE_Klasse, puffer_.Klasse.view()) && gleich(UE_Fach, puffer_.Fach.view()) &&
                gleich(UE_Kurs, puffer_.Kurs.view()) && gleich(UE_Bilingual, puffer_.Bilingual.view()) &&
                gleich(UE_Stunden, puffer_.Stunden.view())) {
                m_.Fehler("Unterrichteinheit ist schon in Zeile: " + std::to_string(r + 1) + " vorhanden!");
                s_.ue.fokusZeile = r;
                return;
            }
        }
        UEZeileAnhaengen(puffer_);
        s_.ue.fokusZeile = s_.ue.Zeilen() - 1;
        return;
    }
    s_.ue.fokusZeile = s_.ue.Zeilen() > 0 ? std::max(s_.ue.fokusZeile, 0) : -1;
}

void SchulSeitenLogik::UEBearbeiten() {
    int r = -1;
    if (!s_.ueId.empty())
        r = UEZeileVonID(s_.ueId);
    else
        r = s_.ue.fokusZeile;
    if (r < 0 || r >= s_.ue.Zeilen()) {
        if (!s_.ueId.empty())
            m_.Fehler("Keine passende UnterrichtsEinheit\rmit dem Schlüssel: " + s_.ueId + " gefunden!");
        else
            m_.Fehler("Keine eindeutige Zeile in der Tabelle\rder UnterrichtsEinheiten ausgewählt!");
        return;
    }
    TUnterrichtseinheitDS puffer = s_.einheiten[static_cast<std::size_t>(r)];
    if (!dialoge_.Unterrichtseinheit(puffer, kTitelUEBearbeiten)) return;
    s_.einheiten[static_cast<std::size_t>(r)] = puffer;
    UEZeileFuellen(r);
    s_.ue.fokusZeile = r;
}

void SchulSeitenLogik::UELoeschen() {
    const auto entfernen = [this](int r) {
        s_.einheiten.erase(s_.einheiten.begin() + r);
        ZeileEntfernen(s_.ue, r);
        UENummerieren();
    };
    if (!s_.ueId.empty()) {
        const int r = UEZeileVonID(s_.ueId);
        if (r < 0) {
            m_.Fehler("Keine passende UnterrichtsEinheit\rmit dem Schlüssel: " + s_.ueId + " gefunden!");
            return;
        }
        if (m_.Frage("Wollen Sie die Unterrichtseinheit:" + s_.ueId + "  ==>  \r" +
                     s_.ue.zeilen[static_cast<std::size_t>(r)][UE_Beschreibung] + "\rjetzt löschen?\r\r" + kUEWarnung))
            entfernen(r);
        return;
    }
    const int r = s_.ue.fokusZeile;
    if (r >= 0 && r < s_.ue.Zeilen()) {
        if (m_.Frage("Wollen Sie die Unterrichtseinheit:\r" +
                     s_.ue.zeilen[static_cast<std::size_t>(r)][UE_Beschreibung] + "\rZeile: " + std::to_string(r + 1) +
                     " jetzt löschen?\r\r" + kUEWarnung))
            entfernen(r);
        return;
    }
    m_.Fehler("Keine eindeutige Zeile in der Tabelle\rder UnterrichtsEinheiten ausgewählt!");
}

void SchulSeitenLogik::IdentischeUEsLoeschen() {
    Uebernehmen();
    IdentischeUELoeschen(st_.Daten().SchulDS);
    Zeigen();
}

void SchulSeitenLogik::Sortieren(UESortierung art) {
    Uebernehmen();
    UESortieren(st_.Daten().SchulDS, art);
    Zeigen();
}

PruefAusgang SchulSeitenLogik::Pruefen(PruefKnopf knopf) {
    return SeitePruefen(
        st_, knopf, m_, [this] { Uebernehmen(); }, [this] { dialoge_.Ergebnisfenster(); });
}

} // namespace zev
