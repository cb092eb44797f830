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

double Zahl(const std::string& utf8) {
    return ZahlAusText(W(utf8));
}

} // namespace

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
    : st_(st), dialoge_(dialoge), m_(m), kombos_(st.Katalogliste()),
      ue_(
          st, kLehrerUE, s_.ue, s_.stundensumme, [this] { return dialoge_.UEAuswaehlen(); }, m) {
    const Kataloge& k = st.Katalogliste();
    // Each grid's combos list the catalogues of its columns' fields.
    const auto kombo = [this](const char* titel, int breite, const felder::Feld* f) {
        return Kombo(titel, breite, kombos_(f->katalog), f->katalog == 107 ? KomboWert::Text : KomboWert::Schluessel);
    };
    const auto einspaltig = [&](const RasterBindung<LehrerSeite>& b, const char* titel, const char* kopf, int b0,
                                int b1) {
        CodeRaster r =
            Raster(titel, b.spalten[0]->anzahl, {Beschreibung(kopf, b0), kombo("Schlüssel", b1, b.spalten[0])});
        r.auffrischen = [&k, kat = b.spalten[0]->katalog](std::vector<std::string>& z) {
            z[0] = Anzeige(k(kat), z[1]);
        };
        s_.*b.raster = std::move(r);
    };
    einspaltig(kLehrerRaster[0], "Ausbildung", "Ausbildung", 320, 350);
    einspaltig(kLehrerRaster[1], "Fächer der Lehrbefähigung", "Fach-Lehrbefähigung", 320, 300);
    einspaltig(kLehrerRaster[2], "Lehramt", "Lehramt", 245, 250);
    einspaltig(kLehrerRaster[6], "Personengruppe", "Personengruppe", 445, 245);
    const auto& an = kLehrerRaster[3].spalten;
    s_.anrechnung =
        Raster("Anrechnungsstunden", an[0]->anzahl,
               {Beschreibung("Anrechnung", 320), kombo("Schlüssel", 320, an[0]), kombo("Stunden", 50, an[1])});
    s_.anrechnung.auffrischen = [&k](std::vector<std::string>& z) { z[0] = Anzeige(k(8), z[1]); };
    const auto arbeitszeit = [&](const RasterBindung<LehrerSeite>& b, const char* titel) {
        const auto& sp = b.spalten;
        CodeRaster r =
            Raster(titel, sp[0]->anzahl,
                   {Beschreibung("Grund", 170), kombo("Schlüssel (Mehr)", 170, sp[0]), kombo("Mehrstunden", 80, sp[1]),
                    kombo("Schlüssel (Minder)", 170, sp[2]), kombo("Minderstunden", 80, sp[3])});
        r.auffrischen = [&kat = k(sp[0]->katalog)](std::vector<std::string>& z) {
            const std::string d1 = z[1].empty() ? "" : Anzeige(kat, z[1]);
            if (z[3].empty()) {
                z[0] = d1;
                return;
            }
            const std::string d3 = Anzeige(kat, z[3]);
            z[0] = d1.empty() ? d3 : d1 + " + " + d3;
        };
        s_.*b.raster = std::move(r);
    };
    arbeitszeit(kLehrerRaster[4], "Arbeitszeitregelung");
    arbeitszeit(kLehrerRaster[5], "Arbeitszeitkonto");
    const auto& ei = kLehrerRaster[7].spalten;
    s_.einsatz = Raster("(PmsA) Einsatz", ei[0]->anzahl,
                        {Beschreibung("PmsA-Einsatz-Kurzinfo", 300), kombo("Art-Schlüssel", 150, ei[0]),
                         kombo("Jahrgang", 180, ei[1]), kombo("Stunden", 50, ei[2])});
    s_.einsatz.auffrischen = [&k](std::vector<std::string>& z) {
        z[0] = Anzeige(k(35), z[1]);
        if (!z[2].empty()) z[0] += "; " + Anzeige(k(27), z[2]);
    };
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
    BindungenZeigen<LehrerSeite>(kLehrerFelder, l, s_, kombos_);
    for (const auto& b : kLehrerRaster) RasterZeigen(b, l, s_);
    s_.id = l.ID.get() == 0 ? " ???" : std::to_string(l.ID.get());
    s_.anzeigeName = s_.name + ", " + s_.vorname;
    ue_.Zeigen(l.Unterrichtseinheit);
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
    BindungenUebernehmen<LehrerSeite>(kLehrerFelder, s_, l, m_);
    for (const auto& b : kLehrerRaster) RasterUebernehmen(b, s_, l);
    l.Schulnummer = st_.Einstellungen().Schulnummer.view();
    ue_.Uebernehmen(l.Unterrichtseinheit);
    s_.anzeigeName = s_.name + ", " + s_.vorname;
}

// --- checks ------------------------------------------------------------------------------------

PruefAusgang LehrerSeitenLogik::Pruefen(PruefKnopf knopf) {
    // The sheet goes into the teacher list as well, so its entry shows what was checked.
    return SeitePruefen(
        st_, knopf, m_,
        [this] {
            Uebernehmen();
            auto& b = st_.Daten().Lehrer;
            if (PufferSpeichern(b, b.Aktuell, m_)) st_.ListenEintragNeu(Bereich::Lehrer, b.Aktuell);
        },
        [this] { dialoge_.Ergebnisfenster(); });
}

PruefAusgang LehrerSeitenLogik::GrossePlausi() {
    PruefHaken haken;
    haken.seiteUebernehmen = [this] {
        Uebernehmen();
        auto& b = st_.Daten().Lehrer;
        PufferSpeichern(b, b.Aktuell, m_);
    };
    haken.gruppenfensterZeigen = [this] { dialoge_.Gruppenfenster(); };
    const PruefAusgang aus =
        GrossePlausiAusfuehren(st_.Plausi(), st_.Daten(), st_.Einstellungen(), st_.Katalogliste(), m_, haken);
    // The run wrote each teacher's counts into the list; the open teacher's buffer
    // still holds the old ones and would write them back on the next move. The sheet
    // was stored before the run, so loading it again loses nothing.
    auto& b = st_.Daten().Lehrer;
    if (b.IndexGueltig(b.Aktuell)) {
        PufferLaden(b, b.Aktuell);
        Zeigen();
    }
    return aus;
}

} // namespace zev
