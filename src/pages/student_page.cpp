#include "pages/student_page.h"

#include "catalog/catalogue_loader.h"
#include "control/lifecycle.h"
#include "model/encoding.h"
#include "pages/date_mask.h"
#include "plausi/result_listing.h"

namespace zev {

namespace {

std::string U(std::string_view s) {
    return Cp1252ToUtf8(s);
}
std::string W(std::string_view s) {
    return Utf8ToCp1252(s);
}

// The first additional field of an entry ("Text; [Key]; Zusatz; ..."), as it
// stands, leading blank included; "" when the entry has none.
std::string Zusatzfeld(std::string_view eintrag) {
    const auto felder = SplitCatalogueLine(eintrag);
    return felder.size() > 2 ? felder[2] : std::string();
}

std::string OhneFuehrendeLeerzeichen(const std::string& s) {
    const std::size_t a = s.find_first_not_of(' ');
    return a == std::string::npos ? std::string() : s.substr(a);
}

// The first item whose text begins with `anfang` (Windows-1252); 0 when none.
int IndexMitAnfang(const KomboListe& liste, std::string_view anfang) {
    for (std::size_t i = 0; i < liste.eintraege.size(); ++i)
        if (std::string_view(liste.eintraege[i]).starts_with(anfang)) return static_cast<int>(i);
    return 0;
}

bool GueltigerIndex(const KomboListe& liste, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < liste.size();
}

// The entry whose key equals `keyUtf8` exactly, searched from entry 1 on, so
// the placeholder never matches; nullptr for an empty or unknown key.
const std::string* EintragMitSchluessel(const KomboListe& liste, std::string_view keyUtf8) {
    if (keyUtf8.empty()) return nullptr;
    const std::string key = W(keyUtf8);
    for (std::size_t i = 1; i < liste.eintraege.size(); ++i)
        if (KeyOfEntry(liste.eintraege[i]) == key) return &liste.eintraege[i];
    return nullptr;
}

// Column 0 of a foreign-language row: how it was acquired, then "; " and the
// language, then "; " and the kind, each only when its key is found.
std::string FremdspracheKurzinfo(const SchuelerListen& l, const std::vector<std::string>& z) {
    std::string d;
    if (const std::string* e = EintragMitSchluessel(l.erwerb, z[1])) d = Zusatzfeld(*e);
    if (const std::string* e = EintragMitSchluessel(l.sprache, z[2])) d += "; " + TextteilVon(*e);
    if (const std::string* e = EintragMitSchluessel(l.sprachArt, z[3])) d += "; " + TextteilVon(*e);
    return U(d);
}

RasterSpalte Spalte(const char* titel, int breite, const KomboListe* liste) {
    RasterSpalte s;
    s.ueberschrift = titel;
    s.breite = breite;
    s.kombo = liste;
    s.gespeichert = liste != nullptr;
    s.editierbar = liste != nullptr;
    return s;
}

} // namespace

SchuelerListen SchuelerListenAufbauen(const Kataloge& k) {
    SchuelerListen l;
    l.staat = KomboAus(k(29));
    l.gemeinden = KomboAus(k(54));
    l.bundeslaender = KomboAus(k(48));
    l.erwerb = KomboAus(k(26));
    l.sprache = KomboAus(k(18));
    l.sprachArt = KomboAus(k(51));
    l.jaNein = {"Ja", "Nein"};
    for (int h = 4; h <= 40; ++h) l.wochenstunden.push_back(std::to_string(h));
    return l;
}

SchuelerSeitenLogik::SchuelerSeitenLogik(Steuerung& st, SchuelerDialoge& dialoge, Meldungen& m)
    : st_(st), dialoge_(dialoge), m_(m), listen_(SchuelerListenAufbauen(st.Katalogliste())), kombos_(st.Katalogliste()),
      ue_(
          st, kSchuelerUE, s_.ue, s_.stundensumme, [this] { return dialoge_.UEAuswaehlen(); }, m) {
    CodeRaster& f = s_.fremdsprachen;
    f.titel = "Fremdsprachen";
    f.spalten = {Spalte("Kurzinfo zur Fremdsprache", 270, nullptr), Spalte("Erwerb", 100, &listen_.erwerb),
                 Spalte("Sprache", 150, &listen_.sprache), Spalte("Art", 140, &listen_.sprachArt)};
    f.zeilen.assign(5, std::vector<std::string>(f.spalten.size()));
    f.fokusZeile = 0;
    f.auffrischen = [this](std::vector<std::string>& z) { z[0] = FremdspracheKurzinfo(listen_, z); };

    // Unlike the teacher's, this grid's UE_ID cells may be typed into.
    s_.ue.spalten[1].ueberschrift = "UE_ID";
    s_.ue.spalten[1].editierbar = true;
    s_.geburtsdatum =
        DatumsKastenAnlegen(kMaskeGeburtsdatum, "Bitte geben Sie das Geburtsdatum entsprechend dem Format ein!");
}

void SchuelerSeitenLogik::Zeigen() {
    ShowStudent(st_.Daten().Schueler.Puffer);
}
void SchuelerSeitenLogik::Uebernehmen() {
    CollectStudent(st_.Daten().Schueler.Puffer);
}

void SchuelerSeitenLogik::ShowStudent(const TSchuelerDS& r) {
    SchuelerSeite& s = s_;
    const SchuelerListen& l = listen_;
    BindungenZeigen<SchuelerSeite>(kSchuelerFelder, r, s, kombos_);
    for (const auto& b : kSchuelerRaster) RasterZeigen(b, r, s);
    s.id = r.ID.get() == 0 ? " ??" : std::to_string(r.ID.get());
    const auto& a = r.Grunddaten.Anschrift;
    s.anschriftOrt = CatalogueIndexOfKey(l.gemeinden.eintraege, a.PLZ.view());
    s.anschriftBundesland = CatalogueIndexOfKey(l.bundeslaender.eintraege, a.Gemeinde.view());
    s.anschriftLand = CatalogueIndexOfKey(l.staat.eintraege, a.Gemeinde.view());
    ue_.Zeigen(r.Jahrgangsdaten.Unterrichtseinheit);
    // A place within the state is found again by its name, another state or
    // country by the key kept as Standort.
    const auto& b = r.Ausbildung;
    s.ausbildungLand = CatalogueIndexOfKey(l.staat.eintraege, b.Standort.view());
    s.ausbildungBundesland = CatalogueIndexOfKey(l.bundeslaender.eintraege, b.Standort.view());
    s.ausbildungOrt = IndexMitAnfang(l.gemeinden, b.Standort_Text.view());
    s.anzeigeName = s.name + ", " + s.vorname;
    s.anzeigeKlasse = s.klasse;
}

void SchuelerSeitenLogik::CollectStudent(TSchuelerDS& r) {
    BindungenUebernehmen<SchuelerSeite>(kSchuelerFelder, s_, r, m_);
    for (const auto& b : kSchuelerRaster) RasterUebernehmen(b, s_, r);
    r.Schulnummer = st_.Einstellungen().Schulnummer.view();
    ue_.Uebernehmen(r.Jahrgangsdaten.Unterrichtseinheit);
    s_.anzeigeName = s_.name + ", " + s_.vorname;
    s_.anzeigeKlasse = U(r.Jahrgangsdaten.Klasse.view());
}

// --- place combos ----------------------------------------------------------------------------

void SchuelerSeitenLogik::AnschriftOrtGewaehlt(int index) {
    if (!GueltigerIndex(listen_.gemeinden, index)) return;
    s_.anschriftOrt = index;
    const std::string& e = listen_.gemeinden.eintraege[static_cast<std::size_t>(index)];
    s_.plz = U(KeyOfEntry(e));
    s_.wohnort = U(TextteilVon(e));
    s_.gemeinde = U(OhneFuehrendeLeerzeichen(Zusatzfeld(e)));
}

void SchuelerSeitenLogik::AnschriftBundeslandGewaehlt(int index) {
    if (!GueltigerIndex(listen_.bundeslaender, index)) return;
    s_.anschriftBundesland = index;
    s_.gemeinde = listen_.bundeslaender.Schluessel(index);
}

void SchuelerSeitenLogik::AnschriftLandGewaehlt(int index) {
    if (!GueltigerIndex(listen_.staat, index)) return;
    s_.anschriftLand = index;
    s_.gemeinde = listen_.staat.Schluessel(index);
}

void SchuelerSeitenLogik::AusbildungOrtGewaehlt(int index) {
    if (!GueltigerIndex(listen_.gemeinden, index)) return;
    const std::string& e = listen_.gemeinden.eintraege[static_cast<std::size_t>(index)];
    s_.standort = U(OhneFuehrendeLeerzeichen(Zusatzfeld(e)));
    s_.standortName = U(TextteilVon(e));
    s_.ausbildungOrt = index;
    s_.ausbildungBundesland = s_.ausbildungLand = 0;
}

void SchuelerSeitenLogik::AusbildungBundeslandGewaehlt(int index) {
    if (!GueltigerIndex(listen_.bundeslaender, index)) return;
    s_.standort = listen_.bundeslaender.Schluessel(index);
    s_.standortName = U(TextteilVon(listen_.bundeslaender.eintraege[static_cast<std::size_t>(index)]));
    s_.ausbildungBundesland = index;
    s_.ausbildungOrt = s_.ausbildungLand = 0;
}

void SchuelerSeitenLogik::AusbildungLandGewaehlt(int index) {
    if (!GueltigerIndex(listen_.staat, index)) return;
    s_.standort = listen_.staat.Schluessel(index);
    s_.standortName = U(TextteilVon(listen_.staat.eintraege[static_cast<std::size_t>(index)]));
    s_.ausbildungLand = index;
    s_.ausbildungOrt = s_.ausbildungBundesland = 0;
}

void SchuelerSeitenLogik::UnterseiteGewechselt(int index) {
    AlleAuffrischen(s_.fremdsprachen);
    if (index == kSchuelerFremdsprachenSeite) {
        s_.fremdsprachen.fokusZeile = 0;
        s_.fremdsprachen.fokusSpalte = 1;
    }
}

// --- lesson units ------------------------------------------------------------------------

void SchuelerSeitenLogik::UEGruppeHinzufuegen() {
    auto& klasse = st_.Daten().Schueler.Puffer.Jahrgangsdaten.Klasse;
    klasse = W(s_.klasse);
    const TKlasseDS* gefunden = nullptr;
    for (const TKlasseDS& k : st_.Daten().Klassen.DB)
        if (k.Klassenname.view() == klasse.view()) {
            gefunden = &k;
            break;
        }
    if (gefunden) {
        CodeRaster& r = s_.ue;
        for (int k = 1; k <= 25; ++k) {
            const std::string id = U(gefunden->Unterrichtseinheit[k].UE_ID.view());
            if (id.empty()) continue;
            bool da = false;
            int frei = -1;
            for (int z = 0; z < r.Zeilen(); ++z) {
                const std::string& zelle = r.zeilen[static_cast<std::size_t>(z)][1];
                da = da || zelle == id;
                if (frei < 0 && IsEmptyValue(zelle)) frei = z;
            }
            if (da) continue;
            // Without a blank row a row is added while the grid has fewer than 25.
            if (frei < 0 && r.Zeilen() < kSchuelerUE.plaetze) {
                ZeileAnhaengen(r);
                frei = r.Zeilen() - 1;
            }
            if (frei >= 0) r.zeilen[static_cast<std::size_t>(frei)][1] = id;
        }
    }
    ue_.AnsichtAktualisieren();
    if (!gefunden)
        m_.Fehler("Es wurde keine Klasse: " + U(klasse.view()) +
                  " in der Klassen-Datenbank gefunden!\r\rPrüfen Sie die exakte Schreibweise!");
}

// --- checks ------------------------------------------------------------------------------------

PruefAusgang SchuelerSeitenLogik::Pruefen() {
    return SchuelerblattPruefen(
        st_, m_, [this] { Uebernehmen(); }, [this] { dialoge_.Ergebnisfenster(); });
}

PruefAusgang SchuelerSeitenLogik::GrossePlausi() {
    const PruefAusgang aus = AlleSchuelerblaetterPruefen(
        st_, m_, [this] { Uebernehmen(); }, [this] { dialoge_.Gruppenfenster(); });
    Zeigen();
    return aus;
}

} // namespace zev
