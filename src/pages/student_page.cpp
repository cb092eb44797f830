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

template <std::size_t N> void Feld(SText<N>& ziel, const std::string& utf8) {
    ziel = W(utf8);
}

std::vector<std::string> Werte(const Katalog& k) {
    return KomboAus(k).texte;
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
    l.migrant = KomboAus(k(31));
    l.verkehrssprache = KomboAus(k(50));
    l.einschulungsart = KomboAus(k(6));
    l.gemeinden = KomboAus(k(54));
    l.bundeslaender = KomboAus(k(48));
    l.jahrgang = KomboAus(k(27));
    l.schulart = KomboAus(k(39));
    l.wiederholer = KomboAus(k(7));
    l.empfehlung = KomboAus(k(40));
    l.ganztag = KomboAus(k(20));
    l.bildungsgang = KomboAus(k(12));
    l.schulen = KomboAus(k(103));
    l.jahrgangVorjahr = KomboAus(k(25));
    l.foerderbedarf = KomboAus(k(17));
    l.erwerb = KomboAus(k(26));
    l.sprache = KomboAus(k(18));
    l.sprachArt = KomboAus(k(51));
    l.allgemein = KomboAus(k(2));
    l.beruf = KomboAus(k(10));
    l.ausbildungsberuf = KomboAus(k(53));
    l.stellung = KomboAus(k(45));
    l.zeitform = KomboAus(k(46));
    l.einschulungsjahre = Werte(k(106));
    l.abschlussjahre = Werte(k(105));
    l.jaNein = {"Ja", "Nein"};
    for (int h = 4; h <= 40; ++h) l.wochenstunden.push_back(std::to_string(h));
    return l;
}

SchuelerSeitenLogik::SchuelerSeitenLogik(Steuerung& st, SchuelerDialoge& dialoge, Meldungen& m)
    : st_(st), dialoge_(dialoge), m_(m), listen_(SchuelerListenAufbauen(st.Katalogliste())) {
    CodeRaster& f = s_.fremdsprachen;
    f.titel = "Fremdsprachen";
    f.spalten = {Spalte("Kurzinfo zur Fremdsprache", 270, nullptr), Spalte("Erwerb", 100, &listen_.erwerb),
                 Spalte("Sprache", 150, &listen_.sprache), Spalte("Art", 140, &listen_.sprachArt)};
    f.zeilen.assign(5, std::vector<std::string>(f.spalten.size()));
    f.fokusZeile = 0;
    f.auffrischen = [this](std::vector<std::string>& z) { z[0] = FremdspracheKurzinfo(listen_, z); };

    // Unlike the teacher's, this grid's UE_ID cells may be typed into.
    s_.ue = UERasterAnlegen();
    s_.ue.spalten[1].ueberschrift = "UE_ID";
    s_.ue.spalten[1].editierbar = true;
    s_.ue.zeilen.assign(kUEStartzeilen, std::vector<std::string>(2));
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
    const auto& g = r.Grunddaten;
    const auto& j = r.Jahrgangsdaten;
    s.schuelernummer = U(r.Schuelernummer.view());
    s.id = r.ID.get() == 0 ? " ??" : std::to_string(r.ID.get());
    s.name = U(g.Name.view());
    s.vorname = U(g.Vorname.view());
    s.geschlecht = g.Geschlecht.get() <= 2 ? g.Geschlecht.get() : 0;
    DatumZeigen(s.geburtsdatum, g.Geburtsdatum.view());
    CodeFeldZeigen(s.staat, l.staat, U(g.Staatsangehoerigkeit.view()));
    CodeFeldZeigen(s.migrant, l.migrant, U(g.Migrantenstatus.view()));
    CodeFeldZeigen(s.verkehrssprache, l.verkehrssprache, U(g.Verkehrssprache.view()));
    s.zuzug = U(g.Zuzug.view());
    CodeFeldZeigen(s.einschulungsart, l.einschulungsart, U(g.Einschulung.Einschulungsart.view()));
    s.einschulungsjahr = U(g.Einschulung.Einschulungsjahr.view());
    s.gemeinde = U(g.Anschrift.Gemeinde.view());
    s.wohnort = U(g.Anschrift.Wohnort.view());
    s.plz = U(g.Anschrift.PLZ.view());
    s.strasse = U(g.Anschrift.Strasse.view());
    s.anschriftOrt = CatalogueIndexOfKey(l.gemeinden.eintraege, g.Anschrift.PLZ.view());
    s.anschriftBundesland = CatalogueIndexOfKey(l.bundeslaender.eintraege, g.Anschrift.Gemeinde.view());
    s.anschriftLand = CatalogueIndexOfKey(l.staat.eintraege, g.Anschrift.Gemeinde.view());

    s.klasse = U(j.Klasse.view());
    CodeFeldZeigen(s.jahrgang, l.jahrgang, U(j.Jahrgang.view()));
    CodeFeldZeigen(s.schulart, l.schulart, U(j.Schulart.view()));
    CodeFeldZeigen(s.wiederholer, l.wiederholer, U(j.Wiederholer.view()));
    CodeFeldZeigen(s.empfehlung, l.empfehlung, U(j.Empfehlung.view()));
    CodeFeldZeigen(s.schulartwechsel, l.schulart, U(j.Schulartwechsel.view()));
    CodeFeldZeigen(s.ausland, l.staat, U(j.Ausland.view()));
    CodeFeldZeigen(s.auslaender, l.staat, U(j.Auslaender.view()));
    s.lrs = U(j.LRS.view());
    s.dyskalkulie = U(j.Dyskalkulie.view());
    CodeFeldZeigen(s.ganztag, l.ganztag, U(j.Ganztag.view()));
    CodeFeldZeigen(s.bildungsgang, l.bildungsgang, U(j.Bildungsgang.view()));
    CodeFeldZeigen(s.externeSchule, l.schulen, U(j.Extern.view()));

    CodeFeldZeigen(s.vorherigeSchule, l.schulen, U(g.vorherige_Schule.view()));
    CodeFeldZeigen(s.herkunftSchulart, l.schulart, U(g.Herkunft.Schulart.view()));
    CodeFeldZeigen(s.herkunftJahrgang, l.jahrgangVorjahr, U(g.Herkunft.Jahrgang.view()));
    CodeFeldZeigen(s.bedarf, l.foerderbedarf, U(r.Foerderbedarf.Bedarf.view()));
    CodeFeldZeigen(s.tatsaechlich, l.foerderbedarf, U(r.Foerderbedarf.Tatsaechlich.view()));
    for (int k = 1; k <= 5; ++k) {
        auto& z = s.fremdsprachen.zeilen[static_cast<std::size_t>(k - 1)];
        z[1] = U(r.Fremdsprachen[k].Erwerb.view());
        z[2] = U(r.Fremdsprachen[k].Sprache.view());
        z[3] = U(r.Fremdsprachen[k].Art.view());
    }
    s.fremdsprachen.fokusZeile = 0;
    s.fremdsprachen.fokusSpalte = 1;
    AlleAuffrischen(s.fremdsprachen);

    UERasterZeigen(s.ue, j.Unterrichtseinheit, st_.UEBeschreibungen());
    s.stundensumme = ZahlFormat(UEStundensumme(s.ue, st_.Daten().SchulDS, kSchuelerUE.plaetze));

    const auto& a = r.Abschluss;
    CodeFeldZeigen(s.allgemein, l.allgemein, U(a.allgemeinbildender[1].allgemein.view()));
    s.allgemeinJahr = U(a.allgemeinbildender[1].Jahr.view());
    CodeFeldZeigen(s.beruf, l.beruf, U(a.berufsbezogener[1].Beruf.view()));
    s.berufJahr = U(a.berufsbezogener[1].Jahr.view());
    const auto& b = r.Ausbildung;
    CodeFeldZeigen(s.ausbildungsberuf, l.ausbildungsberuf, U(b.Beruf.view()));
    CodeFeldZeigen(s.stellung, l.stellung, U(b.Stellung.view()));
    s.wochenstunden = U(b.Stunden.view());
    CodeFeldZeigen(s.zeitform, l.zeitform, U(b.Zeitform.view()));
    s.standort = U(b.Standort.view());
    s.standortName = U(b.Standort_Text.view());
    // A place within the state is found again by its name, another state or
    // country by the key kept as Standort.
    s.ausbildungLand = CatalogueIndexOfKey(l.staat.eintraege, b.Standort.view());
    s.ausbildungBundesland = CatalogueIndexOfKey(l.bundeslaender.eintraege, b.Standort.view());
    s.ausbildungOrt = IndexMitAnfang(l.gemeinden, b.Standort_Text.view());

    s.anzeigeName = s.name + ", " + s.vorname;
    s.anzeigeKlasse = s.klasse;
}

void SchuelerSeitenLogik::CollectStudent(TSchuelerDS& r) {
    SchuelerSeite& s = s_;
    auto& g = r.Grunddaten;
    auto& j = r.Jahrgangsdaten;
    Feld(r.Schuelernummer, s.schuelernummer);
    r.Schulnummer = st_.Einstellungen().Schulnummer.view();
    Feld(g.Name, s.name);
    Feld(g.Vorname, s.vorname);
    g.Geschlecht = static_cast<std::uint16_t>(s.geschlecht);
    DatumUebernehmen(s.geburtsdatum, g.Geburtsdatum, m_);
    Feld(g.Staatsangehoerigkeit, s.staat.schluessel);
    Feld(g.Migrantenstatus, s.migrant.schluessel);
    Feld(g.Verkehrssprache, s.verkehrssprache.schluessel);
    Feld(g.Zuzug, s.zuzug);
    Feld(g.Einschulung.Einschulungsart, s.einschulungsart.schluessel);
    Feld(g.Einschulung.Einschulungsjahr, s.einschulungsjahr);
    Feld(g.Anschrift.Gemeinde, s.gemeinde);
    Feld(g.Anschrift.Wohnort, s.wohnort);
    Feld(g.Anschrift.PLZ, s.plz);
    Feld(g.Anschrift.Strasse, s.strasse);

    Feld(j.Klasse, s.klasse);
    Feld(j.Jahrgang, s.jahrgang.schluessel);
    Feld(j.Schulart, s.schulart.schluessel);
    Feld(j.Wiederholer, s.wiederholer.schluessel);
    Feld(j.Empfehlung, s.empfehlung.schluessel);
    Feld(j.Schulartwechsel, s.schulartwechsel.schluessel);
    Feld(j.Ausland, s.ausland.schluessel);
    Feld(j.Auslaender, s.auslaender.schluessel);
    Feld(j.LRS, s.lrs);
    Feld(j.Dyskalkulie, s.dyskalkulie);
    Feld(j.Ganztag, s.ganztag.schluessel);
    Feld(j.Bildungsgang, s.bildungsgang.schluessel);
    Feld(j.Extern, s.externeSchule.schluessel);

    Feld(g.vorherige_Schule, s.vorherigeSchule.schluessel);
    Feld(g.Herkunft.Schulart, s.herkunftSchulart.schluessel);
    Feld(g.Herkunft.Jahrgang, s.herkunftJahrgang.schluessel);
    UERasterUebernehmen(s.ue, j.Unterrichtseinheit);
    Feld(r.Foerderbedarf.Bedarf, s.bedarf.schluessel);
    Feld(r.Foerderbedarf.Tatsaechlich, s.tatsaechlich.schluessel);
    // Row k into element k as typed: no packing, no blank test.
    for (int k = 1; k <= 5; ++k) {
        const auto& z = s.fremdsprachen.zeilen[static_cast<std::size_t>(k - 1)];
        Feld(r.Fremdsprachen[k].Erwerb, z[1]);
        Feld(r.Fremdsprachen[k].Sprache, z[2]);
        Feld(r.Fremdsprachen[k].Art, z[3]);
    }

    // Only the first element of each kind of leaving certificate is on the page.
    auto& a = r.Abschluss;
    Feld(a.allgemeinbildender[1].allgemein, s.allgemein.schluessel);
    Feld(a.allgemeinbildender[1].Jahr, s.allgemeinJahr);
    Feld(a.berufsbezogener[1].Beruf, s.beruf.schluessel);
    Feld(a.berufsbezogener[1].Jahr, s.berufJahr);
    auto& b = r.Ausbildung;
    Feld(b.Beruf, s.ausbildungsberuf.schluessel);
    Feld(b.Stellung, s.stellung.schluessel);
    Feld(b.Stunden, s.wochenstunden);
    Feld(b.Zeitform, s.zeitform.schluessel);
    Feld(b.Standort, s.standort);
    Feld(b.Standort_Text, s.standortName);

    s.anzeigeName = s.name + ", " + s.vorname;
    s.anzeigeKlasse = U(j.Klasse.view());
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

void SchuelerSeitenLogik::UEAnsichtAktualisieren() {
    UEBeschreibungen(s_.ue, st_.UEBeschreibungen());
    s_.stundensumme = ZahlFormat(UEStundensumme(s_.ue, st_.Daten().SchulDS, kSchuelerUE.plaetze));
}

void SchuelerSeitenLogik::UEHinzufuegen() {
    auto ids = dialoge_.UEAuswaehlen();
    if (!ids) return;
    UEAuswahlKuerzen(*ids, m_);
    UEEintragen(s_.ue, *ids, kSchuelerUE, m_);
    UEAnsichtAktualisieren();
}

void SchuelerSeitenLogik::UEGruppeHinzufuegen() {
    auto& klasse = st_.Daten().Schueler.Puffer.Jahrgangsdaten.Klasse;
    Feld(klasse, s_.klasse);
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
    UEAnsichtAktualisieren();
    if (!gefunden)
        m_.Fehler("Es wurde keine Klasse: " + U(klasse.view()) +
                  " in der Klassen-Datenbank gefunden!\r\rPrüfen Sie die exakte Schreibweise!");
}

void SchuelerSeitenLogik::UELeereZeile() {
    zev::UELeereZeile(s_.ue, kSchuelerUE, m_);
}

void SchuelerSeitenLogik::UELoeschen() {
    UEZeileLoeschen(s_.ue, kSchuelerUE, st_.Einstellungen().UELoeschenOhneFrage == 1, m_);
    UEAnsichtAktualisieren();
}

void SchuelerSeitenLogik::UEAlleLoeschen() {
    zev::UEAlleLoeschen(s_.ue, kSchuelerUE, m_);
    UEAnsichtAktualisieren();
}

void SchuelerSeitenLogik::Pruefen() {
    m_.Information("Diese Funktion ist derzeit noch nicht verfügbar!");
}

} // namespace zev
