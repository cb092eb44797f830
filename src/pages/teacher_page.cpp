#include "pages/teacher_page.h"

#include "catalog/catalogue_loader.h"
#include "control/display_lists.h"
#include "control/lifecycle.h"
#include "model/encoding.h"
#include "pages/date_mask.h"
#include "pages/page_check.h"
#include "plausi/result_listing.h"

namespace zev {

namespace {

std::string U(std::string_view s) {
    return Cp1252ToUtf8(s);
}
std::string W(std::string_view s) {
    return Utf8ToCp1252(s);
}

// display(K, key): the text part of the key's entry; empty for an empty or unknown key.
std::string Anzeige(const Katalog& k, std::string_view keyUtf8) {
    if (keyUtf8.empty()) return {};
    std::string e;
    CatalogueDisplayOfKey(k, W(keyUtf8), e);
    return U(TextteilVon(e));
}

RasterSpalte Beschreibung(const char* titel, int breite) {
    RasterSpalte s;
    s.ueberschrift = titel;
    s.breite = breite;
    s.gespeichert = false;
    s.editierbar = false;
    return s;
}

RasterSpalte Kombo(const char* titel, int breite, const KomboListe& liste, KomboWert wert = KomboWert::Schluessel) {
    RasterSpalte s;
    s.ueberschrift = titel;
    s.breite = breite;
    s.kombo = &liste;
    s.wert = wert;
    return s;
}

CodeRaster Raster(const char* titel, int zeilen, std::vector<RasterSpalte> spalten) {
    CodeRaster r;
    r.titel = titel;
    r.spalten = std::move(spalten);
    r.zeilen.assign(static_cast<std::size_t>(zeilen), std::vector<std::string>(r.spalten.size()));
    r.fokusZeile = 0;
    return r;
}

// Single-column grid with a description from one catalogue.
CodeRaster Einspaltig(const char* titel, const char* kopf, int b0, int b1, int zeilen, const KomboListe& liste,
                      const Katalog& k) {
    CodeRaster r = Raster(titel, zeilen, {Beschreibung(kopf, b0), Kombo("Schlüssel", b1, liste)});
    r.auffrischen = [&k](std::vector<std::string>& z) { z[0] = Anzeige(k, z[1]); };
    return r;
}

CodeRaster Arbeitszeit(const char* titel, const KomboListe& gruende, const KomboListe& stunden, const Katalog& k) {
    CodeRaster r =
        Raster(titel, 5,
               {Beschreibung("Grund", 170), Kombo("Schlüssel (Mehr)", 170, gruende),
                Kombo("Mehrstunden", 80, stunden, KomboWert::Text), Kombo("Schlüssel (Minder)", 170, gruende),
                Kombo("Minderstunden", 80, stunden, KomboWert::Text)});
    r.auffrischen = [&k](std::vector<std::string>& z) {
        const std::string d1 = z[1].empty() ? "" : Anzeige(k, z[1]);
        if (z[3].empty()) {
            z[0] = d1;
            return;
        }
        const std::string d3 = Anzeige(k, z[3]);
        z[0] = d1.empty() ? d3 : d1 + " + " + d3;
    };
    return r;
}

template <std::size_t N> void Feld(SText<N>& ziel, const std::string& utf8) {
    ziel = W(utf8);
}

// Single-column grid into its array: non-blank rows packed from element 1.
template <class T, int N> void Packen(const CodeRaster& r, Reihe<T, 1, N>& ziel) {
    int k = 0;
    for (const auto& z : r.zeilen)
        if (!IsEmptyValue(z[1]) && k < N) ziel[++k] = W(z[1]);
    while (k < N) ziel[++k] = "";
}

template <class T, int N> void RasterFuellen(CodeRaster& r, const Reihe<T, 1, N>& quelle) {
    for (int k = 1; k <= N && k <= r.Zeilen(); ++k) r.zeilen[static_cast<std::size_t>(k - 1)][1] = U(quelle[k].view());
    r.fokusZeile = 0;
    r.fokusSpalte = 1;
    AlleAuffrischen(r);
}

double Zahl(const std::string& utf8) {
    return ZahlAusText(W(utf8));
}

} // namespace

LehrerListen LehrerListenAufbauen(const Kataloge& k) {
    LehrerListen l;
    l.staat = KomboAus(k(29));
    l.beschaeftigung = KomboAus(k(11));
    l.ausbildung = KomboAus(k(34));
    l.fachLehrb = KomboAus(k(15));
    l.lehramt = KomboAus(k(30));
    l.anrechnung = KomboAus(k(8));
    l.stunden = KomboAus(k(107));
    l.azRegelung = KomboAus(k(22));
    l.azKonto = KomboAus(k(23));
    l.taetigkeit = KomboAus(k(5));
    l.personengruppe = KomboAus(k(33));
    l.einsatzArt = KomboAus(k(35));
    l.jahrgang = KomboAus(k(27));
    l.zugang = KomboAus(k(47));
    l.abgang = KomboAus(k(1));
    return l;
}

Summenanzeige AnrechnungsSumme(const CodeRaster& r) {
    double s = 0;
    for (const auto& z : r.zeilen)
        if (!IsEmptyValue(z[2])) s += Zahl(z[2]);
    return {ZahlFormat(s), s > 0 ? Farbe::Rot : s < 0 ? Farbe::Fuchsia : Farbe::Blau};
}

Summenanzeige ArbeitszeitSaldo(const CodeRaster& r) {
    double s = 0;
    for (int z = 0; z < r.Zeilen() && z < 5; ++z) {
        const auto& zeile = r.zeilen[static_cast<std::size_t>(z)];
        s += Zahl(zeile[2]) - Zahl(zeile[4]);
    }
    return {ZahlFormat(s), s > 0 ? Farbe::Gruen : s < 0 ? Farbe::Rot : Farbe::Blau};
}

Summenanzeige EinsatzSumme(const CodeRaster& r) {
    double s = 0;
    for (int z = 0; z < r.Zeilen() && z < 5; ++z) s += Zahl(r.zeilen[static_cast<std::size_t>(z)][3]);
    return {ZahlFormat(s), Farbe::Schwarz};
}

LehrerSeitenLogik::LehrerSeitenLogik(Steuerung& st, LehrerDialoge& dialoge, Meldungen& m)
    : st_(st), dialoge_(dialoge), m_(m), listen_(LehrerListenAufbauen(st.Katalogliste())) {
    const Kataloge& k = st.Katalogliste();
    const LehrerListen& l = listen_;
    s_.ausbildung = Einspaltig("Ausbildung", "Ausbildung", 320, 350, 10, l.ausbildung, k(34));
    s_.fachLehrb = Einspaltig("Fächer der Lehrbefähigung", "Fach-Lehrbefähigung", 320, 300, 10, l.fachLehrb, k(15));
    s_.lehramt = Einspaltig("Lehramt", "Lehramt", 245, 250, 5, l.lehramt, k(30));
    s_.anrechnung = Raster("Anrechnungsstunden", 10,
                           {Beschreibung("Anrechnung", 320), Kombo("Schlüssel", 320, l.anrechnung),
                            Kombo("Stunden", 50, l.stunden, KomboWert::Text)});
    s_.anrechnung.auffrischen = [&k](std::vector<std::string>& z) { z[0] = Anzeige(k(8), z[1]); };
    s_.azRegelung = Arbeitszeit("Arbeitszeitregelung", l.azRegelung, l.stunden, k(22));
    s_.azKonto = Arbeitszeit("Arbeitszeitkonto", l.azKonto, l.stunden, k(23));
    s_.personengruppe = Einspaltig("Personengruppe", "Personengruppe", 445, 245, 3, l.personengruppe, k(33));
    s_.einsatz = Raster("(PmsA) Einsatz", 5,
                        {Beschreibung("PmsA-Einsatz-Kurzinfo", 300), Kombo("Art-Schlüssel", 150, l.einsatzArt),
                         Kombo("Jahrgang", 180, l.jahrgang), Kombo("Stunden", 50, l.stunden, KomboWert::Text)});
    s_.einsatz.auffrischen = [&k](std::vector<std::string>& z) {
        z[0] = Anzeige(k(35), z[1]);
        if (!z[2].empty()) z[0] += "; " + Anzeige(k(27), z[2]);
    };
    s_.ue = UERasterAnlegen();
    s_.ue.zeilen.assign(kUEStartzeilen, std::vector<std::string>(2));
    s_.geburtsdatum =
        DatumsKastenAnlegen(kMaskeGeburtsdatum, "Bitte geben Sie das Geburtsdatum entsprechend dem Format ein!");
    s_.zugangDatum =
        DatumsKastenAnlegen(kMaskeDatum20, "Bitte geben Sie das Zugangsdatum entsprechend dem Format ein!");
    s_.abgangDatum =
        DatumsKastenAnlegen(kMaskeDatum20, "Bitte geben Sie das Abgangsdatum entsprechend dem Format ein!");
}

void LehrerSeitenLogik::Zeigen() {
    ShowTeacher(st_.Daten().Lehrer.Puffer);
}
void LehrerSeitenLogik::Uebernehmen() {
    CollectTeacher(st_.Daten().Lehrer.Puffer);
}

void LehrerSeitenLogik::ShowTeacher(const TLehrerDS& l) {
    LehrerSeite& s = s_;
    const LehrerListen& li = listen_;
    const auto& g = l.Grunddaten;
    s.lehrernummer = U(l.Lehrernummer.view());
    s.id = l.ID.get() == 0 ? " ???" : std::to_string(l.ID.get());
    s.name = U(g.Name.view());
    s.vorname = U(g.Vorname.view());
    s.titel = U(g.Titel.view());
    s.anzeigeName = s.name + ", " + s.vorname;
    s.geschlecht = g.Geschlecht.get() <= 2 ? g.Geschlecht.get() : 0;
    DatumZeigen(s.geburtsdatum, g.Geburtsdatum.view());
    CodeFeldZeigen(s.staat, li.staat, U(g.Staatszugehoerigkeit.view()));
    CodeFeldZeigen(s.beschaeftigung, li.beschaeftigung, U(g.Beschaeftigung.view()));
    RasterFuellen(s.ausbildung, g.Ausbildung);
    RasterFuellen(s.fachLehrb, g.Fach_Lehrb);

    RasterFuellen(s.lehramt, l.Stunden.Lehramt);
    s.regelstunden = U(l.Stunden.Regelstunden.view());
    s.vertragsstunden = U(l.Stunden.Vertragsstunden.view());
    s.vertretung = U(l.Stunden.Vertretung.view());
    for (int k = 1; k <= 10; ++k) {
        auto& z = s.anrechnung.zeilen[static_cast<std::size_t>(k - 1)];
        z[1] = U(l.Anrechnungsstunden[k].Grund.view());
        z[2] = U(l.Anrechnungsstunden[k].Stunden.view());
    }
    const auto arbeitszeit = [](CodeRaster& r, const Reihe<TStundenGrund, 1, 5>& q) {
        for (int k = 1; k <= 5; ++k) {
            auto& z = r.zeilen[static_cast<std::size_t>(k - 1)];
            z[1] = U(q[k].Grund_mehr.view());
            z[2] = U(q[k].Anzahl_mehr.view());
            z[3] = U(q[k].Grund_minder.view());
            z[4] = U(q[k].Anzahl_minder.view());
        }
    };
    arbeitszeit(s.azRegelung, l.Arbeitszeitregelung);
    arbeitszeit(s.azKonto, l.Arbeitszeitkonto);

    CodeFeldZeigen(s.taetigkeit, li.taetigkeit, U(l.Sonstiges.Taetigkeit.view()));
    RasterFuellen(s.personengruppe, l.Sonstiges.Personengruppe);
    s.klassenleiter = U(l.Sonstiges.Klassenleiter.view());
    s.schulleiter = l.Sonstiges.Schulleiter.get() <= 2 ? l.Sonstiges.Schulleiter.get() : 0;
    for (int k = 1; k <= 5; ++k) {
        auto& z = s.einsatz.zeilen[static_cast<std::size_t>(k - 1)];
        z[1] = U(l.Einsatz[k].Art.view());
        z[2] = U(l.Einsatz[k].Jahrgang.view());
        z[3] = U(l.Einsatz[k].Stunden.view());
    }
    CodeFeldZeigen(s.zugang, li.zugang, U(l.Zu_Abgang.Zugang.Art.view()));
    DatumZeigen(s.zugangDatum, l.Zu_Abgang.Zugang.Datum.view());
    CodeFeldZeigen(s.abgang, li.abgang, U(l.Zu_Abgang.Abgang.Art.view()));
    DatumZeigen(s.abgangDatum, l.Zu_Abgang.Abgang.Datum.view());

    for (CodeRaster* r : {&s.anrechnung, &s.azRegelung, &s.azKonto, &s.einsatz}) {
        r->fokusZeile = 0;
        r->fokusSpalte = 1;
        AlleAuffrischen(*r);
    }
    UERasterZeigen(s.ue, l.Unterrichtseinheit, st_.UEBeschreibungen());
    SummenNeu();
}

void LehrerSeitenLogik::SummenNeu() {
    s_.anrechnungSumme = AnrechnungsSumme(s_.anrechnung);
    s_.regelungEffektiv = ArbeitszeitSaldo(s_.azRegelung);
    s_.kontoEffektiv = ArbeitszeitSaldo(s_.azKonto);
    s_.einsatzSumme = EinsatzSumme(s_.einsatz);
    s_.stundensumme = {ZahlFormat(UEStundensumme(s_.ue, st_.Daten().SchulDS, kLehrerUE.plaetze)), Farbe::Schwarz};
}

void LehrerSeitenLogik::CollectTeacher(TLehrerDS& l) {
    LehrerSeite& s = s_;
    auto& g = l.Grunddaten;
    Feld(l.Lehrernummer, s.lehrernummer);
    Feld(g.Name, s.name);
    Feld(g.Vorname, s.vorname);
    Feld(g.Titel, s.titel);
    l.Schulnummer = st_.Einstellungen().Schulnummer.view();
    g.Geschlecht = static_cast<std::uint16_t>(s.geschlecht);
    DatumUebernehmen(s.geburtsdatum, g.Geburtsdatum, m_);
    Feld(g.Staatszugehoerigkeit, s.staat.schluessel);
    Feld(g.Beschaeftigung, s.beschaeftigung.schluessel);
    Packen(s.ausbildung, g.Ausbildung);
    Packen(s.fachLehrb, g.Fach_Lehrb);
    Packen(s.lehramt, l.Stunden.Lehramt);
    Feld(l.Stunden.Regelstunden, s.regelstunden);
    Feld(l.Stunden.Vertragsstunden, s.vertragsstunden);
    Feld(l.Stunden.Vertretung, s.vertretung);

    // Multi-column grids: rows that are not blank, packed.
    {
        int k = 0;
        for (const auto& z : s.anrechnung.zeilen) {
            if (IsEmptyRange(z, 1, 2) || k == 10) continue;
            ++k;
            Feld(l.Anrechnungsstunden[k].Grund, z[1]);
            Feld(l.Anrechnungsstunden[k].Stunden, z[2]);
        }
        for (++k; k <= 10; ++k) l.Anrechnungsstunden[k].Grund = "", l.Anrechnungsstunden[k].Stunden = "";
    }
    const auto arbeitszeit = [](const CodeRaster& r, Reihe<TStundenGrund, 1, 5>& ziel) {
        int k = 0;
        for (const auto& z : r.zeilen) {
            if (IsEmptyRange(z, 1, 4) || k == 5) continue;
            ++k;
            Feld(ziel[k].Grund_mehr, z[1]);
            Feld(ziel[k].Anzahl_mehr, z[2]);
            Feld(ziel[k].Grund_minder, z[3]);
            Feld(ziel[k].Anzahl_minder, z[4]);
        }
        for (++k; k <= 5; ++k)
            ziel[k].Grund_mehr = "", ziel[k].Anzahl_mehr = "", ziel[k].Grund_minder = "", ziel[k].Anzahl_minder = "";
    };
    arbeitszeit(s.azKonto, l.Arbeitszeitkonto);
    arbeitszeit(s.azRegelung, l.Arbeitszeitregelung);

    Feld(l.Sonstiges.Taetigkeit, s.taetigkeit.schluessel);
    Packen(s.personengruppe, l.Sonstiges.Personengruppe);
    Feld(l.Sonstiges.Klassenleiter, s.klassenleiter);
    l.Sonstiges.Schulleiter = static_cast<std::uint16_t>(s.schulleiter);
    {
        int k = 0;
        for (const auto& z : s.einsatz.zeilen) {
            if (IsEmptyRange(z, 1, 3) || k == 5) continue;
            ++k;
            Feld(l.Einsatz[k].Art, z[1]);
            Feld(l.Einsatz[k].Jahrgang, z[2]);
            Feld(l.Einsatz[k].Stunden, z[3]);
        }
        for (++k; k <= 5; ++k) l.Einsatz[k].Art = "", l.Einsatz[k].Jahrgang = "", l.Einsatz[k].Stunden = "";
    }

    Feld(l.Zu_Abgang.Zugang.Art, s.zugang.schluessel);
    DatumUebernehmen(s.zugangDatum, l.Zu_Abgang.Zugang.Datum, m_);
    Feld(l.Zu_Abgang.Abgang.Art, s.abgang.schluessel);
    DatumUebernehmen(s.abgangDatum, l.Zu_Abgang.Abgang.Datum, m_);

    UERasterUebernehmen(s.ue, l.Unterrichtseinheit);
    s.anzeigeName = s.name + ", " + s.vorname;
}

// --- lesson units ------------------------------------------------------------------------

void LehrerSeitenLogik::UEAnsichtAktualisieren() {
    UEBeschreibungen(s_.ue, st_.UEBeschreibungen());
    SummenNeu();
}

void LehrerSeitenLogik::UEHinzufuegen() {
    const auto ids = dialoge_.UEAuswaehlen();
    if (!ids) return;
    UEEintragen(s_.ue, *ids, kLehrerUE, m_);
    UEAnsichtAktualisieren();
}

void LehrerSeitenLogik::UELeereZeile() {
    zev::UELeereZeile(s_.ue, kLehrerUE, m_);
}

void LehrerSeitenLogik::UELoeschen() {
    UEZeileLoeschen(s_.ue, kLehrerUE, st_.Einstellungen().UELoeschenOhneFrage == 1, m_);
    UEAnsichtAktualisieren();
}

void LehrerSeitenLogik::UEAlleLoeschen() {
    zev::UEAlleLoeschen(s_.ue, kLehrerUE, m_);
    UEAnsichtAktualisieren();
}

// --- checks ------------------------------------------------------------------------------------

PruefAusgang LehrerSeitenLogik::Pruefen(PruefKnopf knopf) {
    return SeitePruefen(
        st_, knopf, m_, [this] { Uebernehmen(); }, [this] { dialoge_.Ergebnisfenster(); });
}

PruefAusgang LehrerSeitenLogik::GrossePlausi() {
    PruefHaken haken;
    haken.seiteUebernehmen = [this] {
        Uebernehmen();
        auto& b = st_.Daten().Lehrer;
        PufferSpeichern(b, b.Aktuell, m_);
    };
    haken.gruppenfensterZeigen = [this] { dialoge_.Gruppenfenster(); };
    return GrossePlausiAusfuehren(st_.Plausi(), st_.Daten(), st_.Einstellungen(), st_.Katalogliste(), m_, haken);
}

} // namespace zev
