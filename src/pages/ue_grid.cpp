#include "pages/ue_grid.h"

#include "catalog/catalogue_list.h"
#include "control/display_lists.h"
#include "control/lifecycle.h"
#include "model/database.h"
#include "model/encoding.h"
#include "plausi/result_listing.h"

#include <charconv>

namespace zev {

namespace {

std::string U(std::string_view s) {
    return Cp1252ToUtf8(s);
}

std::vector<std::string> LeereZeile() {
    return std::vector<std::string>(2);
}

std::string Kapazitaet(const UERasterArt& art) {
    return "Derzeit können pro " + std::string(art.person) + " nur " + std::to_string(art.plaetze) +
           "\rUnterrichtsEinheiten benutzt werden.\r\rWenden Sie bei Bedarf an den Programmautor!";
}

int ZeileMitID(const CodeRaster& r, const std::string& id) {
    for (int z = 0; z < r.Zeilen(); ++z)
        if (r.zeilen[static_cast<std::size_t>(z)][1] == id) return z;
    return -1;
}

} // namespace

std::uint16_t UENummer(std::string_view text) {
    unsigned long v = 0;
    const auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || p != text.data() + text.size()) return 0;
    return static_cast<std::uint16_t>(v & 0xFFFF);
}

CodeRaster UERasterAnlegen() {
    CodeRaster r;
    r.titel = "Unterrichtseinheiten";
    RasterSpalte beschreibung;
    beschreibung.ueberschrift = "Beschreibung der UnterrichtsEinheit";
    beschreibung.breite = 500;
    beschreibung.gespeichert = false;
    beschreibung.editierbar = false;
    RasterSpalte id;
    id.ueberschrift = "UE-ID";
    id.breite = 40;
    id.editierbar = false; // changed only by the buttons
    r.spalten = {beschreibung, id};
    return r;
}

void UEBeschreibungen(CodeRaster& r, const Katalog& ueBeschreibungen) {
    for (auto& z : r.zeilen) {
        z[0].clear();
        if (z[1].empty()) continue;
        std::string e;
        CatalogueDisplayOfKey(ueBeschreibungen, Utf8ToCp1252(z[1]), e);
        z[0] = U(e);
    }
}

template <int N>
void UERasterZeigen(CodeRaster& r, const Reihe<TUEVerweis, 1, N>& verweise, const Katalog& ueBeschreibungen) {
    int letzte = 0;
    for (int k = 1; k <= N; ++k)
        if (!verweise[k].UE_ID.empty() && verweise[k].Nummer.get() != 0) letzte = k;
    r.zeilen.assign(static_cast<std::size_t>(std::max(kUEStartzeilen, letzte)), LeereZeile());
    for (int k = 1; k <= letzte; ++k) {
        const TUEVerweis& v = verweise[k];
        if (!v.UE_ID.empty() && v.Nummer.get() != 0) r.zeilen[static_cast<std::size_t>(k - 1)][1] = U(v.UE_ID.view());
    }
    r.fokusZeile = 0;
    r.fokusSpalte = 1;
    UEBeschreibungen(r, ueBeschreibungen);
}

template <int N> void UERasterUebernehmen(const CodeRaster& r, Reihe<TUEVerweis, 1, N>& verweise) {
    for (int k = 1; k <= N; ++k) {
        TUEVerweis& v = verweise[k];
        const std::string text = k <= r.Zeilen() ? Utf8ToCp1252(r.zeilen[static_cast<std::size_t>(k - 1)][1]) : "";
        const bool genutzt = !v.UE_ID.empty() && v.Nummer.get() != 0;
        if (text.empty() && !genutzt) continue; // nothing shown, nothing changed
        v.UE_ID = text.empty() ? std::string(kFreierVerweis) : text;
        v.Nummer = UENummer(v.UE_ID.view());
    }
}

template void UERasterZeigen<35>(CodeRaster&, const Reihe<TUEVerweis, 1, 35>&, const Katalog&);
template void UERasterZeigen<25>(CodeRaster&, const Reihe<TUEVerweis, 1, 25>&, const Katalog&);
template void UERasterUebernehmen<35>(const CodeRaster&, Reihe<TUEVerweis, 1, 35>&);
template void UERasterUebernehmen<25>(const CodeRaster&, Reihe<TUEVerweis, 1, 25>&);

double UEStundensumme(const CodeRaster& r, const TSchuleDS& schule, int plaetze) {
    double summe = 0;
    const int zeilen = std::min(r.Zeilen(), plaetze);
    for (int z = 0; z < zeilen; ++z) {
        const std::string id = Utf8ToCp1252(r.zeilen[static_cast<std::size_t>(z)][1]);
        if (UENummer(id) == 0) continue;
        for (int k = 1; k <= 1000; ++k) {
            const TUnterrichtseinheitDS& u = schule.Unterrichtseinheit[k];
            if (u.UE_ID > 0 && u.UE_ID_Text.view() == id) summe += ZahlAusText(u.Stunden.view());
        }
    }
    return summe;
}

void UEEintragen(CodeRaster& r, const std::vector<std::string>& ids, const UERasterArt& art, Meldungen& m) {
    for (const std::string& id : ids) {
        if (const int z = ZeileMitID(r, id); z >= 0) {
            m.Fehler("Unterrichtseinheit " + id + " ist schon in Zeile: " + std::to_string(z + 1) + " vorhanden!");
            continue;
        }
        int frei = -1;
        for (int z = 0; z < r.Zeilen() && z < art.plaetze && frei < 0; ++z)
            if (IsEmptyValue(r.zeilen[static_cast<std::size_t>(z)][1])) frei = z;
        if (frei < 0) {
            if (r.Zeilen() >= art.plaetze) {
                m.Fehler(Kapazitaet(art));
                return;
            }
            r.zeilen.push_back(LeereZeile());
            frei = r.Zeilen() - 1;
        }
        r.zeilen[static_cast<std::size_t>(frei)][1] = id;
    }
}

void UEAuswahlKuerzen(std::vector<std::string>& ids, Meldungen& m) {
    if (ids.size() <= static_cast<std::size_t>(kSchuelerUE.plaetze)) return;
    m.Fehler("Für Schüler (und Klassen) werden nur " + std::to_string(kSchuelerUE.plaetze) +
             " unterstützt!\r\rWenden Sie sich bei Bedarf an den Programmautor!");
    ids.resize(static_cast<std::size_t>(kSchuelerUE.plaetze));
}

void UELeereZeile(CodeRaster& r, const UERasterArt& art, Meldungen& m) {
    if (r.Zeilen() >= art.plaetze) {
        m.Fehler(Kapazitaet(art));
        return;
    }
    r.zeilen.push_back(LeereZeile());
}

void UEZeileLoeschen(CodeRaster& r, const UERasterArt& art, bool ohneFrage, Meldungen& m) {
    const int z = r.fokusZeile;
    if (z < 0 || z >= r.Zeilen()) {
        m.Fehler("Es wurde keine Zeile ausgewählt!");
        return;
    }
    if (!ohneFrage && !m.Frage("Wollen Sie die Unterrichtseinheit:\r" + r.zeilen[static_cast<std::size_t>(z)][1] +
                               "\rjetzt bei " + art.dativ + " löschen?"))
        return;
    if (z < 11)
        r.zeilen[static_cast<std::size_t>(z)] = LeereZeile();
    else
        ZeileEntfernen(r, z);
}

void UEAlleLoeschen(CodeRaster& r, const UERasterArt& art, Meldungen& m) {
    if (!m.Frage("Wollen Sie jetzt alle eingetragenen UnterrichtsEinheiten\rfür " + std::string(art.akkusativ) +
                 " löschen?"))
        return;
    // Every reference goes, also those in rows beyond the ones shown.
    r.zeilen.assign(kUELeerzeilen, LeereZeile());
    r.fokusZeile = 0;
}

UESeite::UESeite(Steuerung& st, const UERasterArt& art, CodeRaster& raster, Summenanzeige& summe, Auswahl auswaehlen,
                 Meldungen& m)
    : st_(st), art_(art), raster_(raster), summe_(summe), auswaehlen_(std::move(auswaehlen)), m_(m) {
    raster_ = UERasterAnlegen();
    raster_.zeilen.assign(kUEStartzeilen, std::vector<std::string>(2));
}

template <int N> void UESeite::Zeigen(const Reihe<TUEVerweis, 1, N>& verweise) {
    UERasterZeigen(raster_, verweise, st_.UEBeschreibungen());
    summe_ = {ZahlFormat(UEStundensumme(raster_, st_.Daten().SchulDS, art_.plaetze)), Farbe::Schwarz};
}
template void UESeite::Zeigen(const Reihe<TUEVerweis, 1, 35>&);
template void UESeite::Zeigen(const Reihe<TUEVerweis, 1, 25>&);

void UESeite::AnsichtAktualisieren() {
    UEBeschreibungen(raster_, st_.UEBeschreibungen());
    summe_ = {ZahlFormat(UEStundensumme(raster_, st_.Daten().SchulDS, art_.plaetze)), Farbe::Schwarz};
}

void UESeite::Hinzufuegen() {
    auto ids = auswaehlen_();
    if (!ids) return;
    if (art_.auswahlKuerzen && ids->size() > static_cast<std::size_t>(art_.plaetze)) {
        // In the order of the class page: the units already there among the first
        // places chosen, then that the rest does not fit.
        UEEintragen(raster_, std::vector<std::string>(ids->begin(), ids->begin() + art_.plaetze), art_, m_);
        UEAuswahlKuerzen(*ids, m_);
    } else {
        UEEintragen(raster_, *ids, art_, m_);
    }
    AnsichtAktualisieren();
}

void UESeite::LeereZeile() {
    UELeereZeile(raster_, art_, m_);
}

void UESeite::Loeschen() {
    UEZeileLoeschen(raster_, art_, st_.Einstellungen().UELoeschenOhneFrage == 1, m_);
    AnsichtAktualisieren();
}

void UESeite::AlleLoeschen() {
    UEAlleLoeschen(raster_, art_, m_);
    AnsichtAktualisieren();
}

} // namespace zev
