#include "pages/class_page.h"

#include "catalog/catalogue_loader.h"
#include "control/lifecycle.h"
#include "model/encoding.h"
#include "model/ids.h"

#include <charconv>
#include <limits>

namespace zev {

namespace {

std::string U(std::string_view s) {
    return Cp1252ToUtf8(s);
}
std::string W(std::string_view s) {
    return Utf8ToCp1252(s);
}

constexpr int kUEStartBreite = 500;

std::string& Zelle(CodeRaster& r, int zeile, int spalte) {
    return r.zeilen[static_cast<std::size_t>(zeile)][static_cast<std::size_t>(spalte)];
}

// The first data row whose column 1 equals the text; -1 when none.
int ZeileMit(const CodeRaster& r, std::string_view text) {
    for (int z = 0; z < r.Zeilen(); ++z)
        if (r.zeilen[static_cast<std::size_t>(z)][1] == text) return z;
    return -1;
}

int ErsteLeere(const CodeRaster& r, int bis) {
    for (int z = 0; z < r.Zeilen() && z < bis; ++z)
        if (IsEmptyValue(r.zeilen[static_cast<std::size_t>(z)][1])) return z;
    return -1;
}

CodeRaster BesonderheitenRaster(const Katalog& k52) {
    CodeRaster r;
    r.titel = "Klassenbesonderheiten";
    RasterSpalte text;
    text.ueberschrift = "Klassenbesonderheit";
    text.breite = 300;
    text.gespeichert = false;
    text.editierbar = false;
    RasterSpalte schluessel;
    schluessel.ueberschrift = "Schlüssel";
    schluessel.breite = 50;
    schluessel.editierbar = false; // changed only by the buttons
    r.spalten = {text, schluessel};
    r.zeilen.assign(kKlBesPlaetze, std::vector<std::string>(2));
    r.fokusZeile = 0;
    r.auffrischen = [&k52](std::vector<std::string>& z) {
        z[0].clear();
        if (z[1].empty()) return;
        std::string e;
        CatalogueDisplayOfKey(k52, W(z[1]), e);
        z[0] = U(TextteilVon(e));
    };
    return r;
}

std::string Kapazitaet() {
    return "Für Schüler (und Klassen) werden nur " + std::to_string(kKlassenUE.plaetze) +
           " unterstützt!\r\rWenden Sie sich bei Bedarf an den Programmautor!";
}

} // namespace

std::uint16_t KlassenUENummer(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i < text.size() && text[i] == '+') ++i;
    std::int64_t wert = 0;
    const char* anfang = text.data() + i;
    const char* ende = text.data() + text.size();
    const auto [p, ec] = std::from_chars(anfang, ende, wert);
    if (ec != std::errc() || p != ende) return 0;
    if (wert < std::numeric_limits<std::int32_t>::min() || wert > std::numeric_limits<std::int32_t>::max()) return 0;
    return static_cast<std::uint16_t>(static_cast<std::uint64_t>(wert) & 0xFFFF);
}

KlassenSeitenLogik::KlassenSeitenLogik(Steuerung& st, KlassenDialoge& dialoge, Meldungen& m)
    : st_(st), dialoge_(dialoge), m_(m), besonderheiten_(SortierteKomboAus(st.Katalogliste()(52))),
      kombos_(st.Katalogliste()) {
    s_.besonderheiten = BesonderheitenRaster(st.Katalogliste()(52));
    s_.ue = UERasterAnlegen();
    s_.ue.titel = "Gruppe vordefinierter UnterrichtsEinheiten";
    s_.ue.spalten[0].breite = kUEStartBreite;
    s_.ue.spalten[1].ueberschrift = "UE_ID";
    s_.ue.zeilen.assign(kUEStartzeilen, std::vector<std::string>(2));
    s_.ue.fokusZeile = 0;
    s_.id = "0";
}

void KlassenSeitenLogik::Zeigen() {
    ShowClass(st_.Daten().Klassen.Puffer);
}
void KlassenSeitenLogik::Uebernehmen() {
    CollectClass(st_.Daten().Klassen.Puffer);
}

void KlassenSeitenLogik::ShowClass(const TKlasseDS& k) {
    BindungenZeigen<KlassenSeite>(kKlassenFelder, k, s_, kombos_);
    s_.id = std::to_string(k.ID.get());

    CodeRaster& b = s_.besonderheiten;
    b.zeilen.assign(kKlBesPlaetze, std::vector<std::string>(2));
    int zeile = 0;
    for (int e = 1; e <= kKlBesPlaetze; ++e)
        if (!k.Klassenbesonderheit[e].empty()) Zelle(b, zeile++, 1) = U(k.Klassenbesonderheit[e].view());
    b.fokusZeile = 0;
    b.fokusSpalte = 1;
    AlleAuffrischen(b);

    UERasterZeigen(s_.ue, k.Unterrichtseinheit, st_.UEBeschreibungen());
}

void KlassenSeitenLogik::CollectClass(TKlasseDS& k) {
    if (k.ID.get() == 0) {
        k.ID = NeueKlassenID(st_.Daten().Klassen, m_);
        s_.id = std::to_string(k.ID.get());
    }
    BindungenUebernehmen<KlassenSeite>(kKlassenFelder, s_, k, m_);
    k.Schulnummer = st_.Einstellungen().Schulnummer.view();

    // Specialties packed; the empty text and a lone blank are gaps.
    for (int e = 1; e <= kKlBesPlaetze; ++e) k.Klassenbesonderheit[e] = "";
    int e = 0;
    for (int z = 0; z < kKlBesPlaetze && z < s_.besonderheiten.Zeilen(); ++z) {
        const std::string text = W(Zelle(s_.besonderheiten, z, 1));
        if (text > " ") k.Klassenbesonderheit[++e] = text;
    }

    // Lesson units packed as well, unlike those of teachers and students.
    for (int u = 1; u <= kKlassenUE.plaetze; ++u) {
        k.Unterrichtseinheit[u].Nummer = 0;
        k.Unterrichtseinheit[u].UE_ID = "";
    }
    int u = 0;
    for (int z = 0; z < kKlassenUE.plaetze && z < s_.ue.Zeilen(); ++z) {
        const std::string text = W(Zelle(s_.ue, z, 1));
        if (text.empty()) continue;
        TUEVerweis& v = k.Unterrichtseinheit[++u];
        v.UE_ID = text;
        v.Nummer = text > " " ? KlassenUENummer(text) : std::uint16_t{0};
    }
}

// --- specialties --------------------------------------------------------------------------

void KlassenSeitenLogik::BesonderheitHinzufuegen() {
    const auto key = dialoge_.NeueKlassenbesonderheit();
    if (!key || key->empty()) return;
    CodeRaster& b = s_.besonderheiten;
    if (const int z = ZeileMit(b, *key); z >= 0) {
        m_.Fehler("Klassenbesonderheit ist schon in Zeile: " + std::to_string(z + 1) + " vorhanden!");
    } else {
        int frei = ErsteLeere(b, kKlBesPlaetze);
        // A row is added only while the grid, heading included, has at most three rows.
        if (frei < 0 && b.Zeilen() + 1 <= kKlBesPlaetze) {
            ZeileAnhaengen(b);
            frei = b.Zeilen() - 1;
        }
        if (frei < 0)
            m_.Fehler("Derzeit sind nur " + std::to_string(kKlBesPlaetze) +
                      " Klassenbesonderheiten vorgesehen!\r\rWenden Sie sich an den Programmautor!");
        else
            Zelle(b, frei, 1) = *key;
    }
    AlleAuffrischen(b);
}

void KlassenSeitenLogik::BesonderheitLoeschen() {
    CodeRaster& b = s_.besonderheiten;
    const std::string key = s_.besonderheitSchluessel;
    if (!key.empty()) {
        // Only the catalogue's first three entries are looked at for the question.
        const Katalog& k52 = st_.Katalogliste()(52);
        std::string d;
        for (std::size_t i = 1; i <= 3 && i < k52.size(); ++i)
            if (KeyOfEntry(k52[i]) == W(key)) {
                d = U(k52[i]);
                break;
            }
        if (m_.Frage("Wollen Sie die Klassenbesonderheit:\r" + key + "  ==>  " + d + "\rjetzt löschen?"))
            if (const int z = ZeileMit(b, key); z >= 0) b.zeilen[static_cast<std::size_t>(z)].assign(2, "");
    } else if (const int r = b.fokusZeile; r >= 0 && r < b.Zeilen()) {
        if (m_.Frage("Wollen Sie in Zeile " + std::to_string(r + 1) + " die Klassenbesonderheit:\r" + Zelle(b, r, 1) +
                     "\rjetzt löschen?"))
            b.zeilen[static_cast<std::size_t>(r)].assign(2, "");
    }
    s_.besonderheitSchluessel.clear();
}

// --- lesson-unit group ------------------------------------------------------------------------

void KlassenSeitenLogik::UEHinzufuegen() {
    const auto ids = dialoge_.UEAuswaehlen();
    if (!ids) return;
    CodeRaster& r = s_.ue;
    int genommen = 0;
    for (const std::string& id : *ids) {
        if (++genommen > kKlassenUE.plaetze) {
            m_.Fehler(Kapazitaet());
            break;
        }
        if (const int z = ZeileMit(r, id); z >= 0) {
            m_.Fehler("Unterrichtseinheit " + id + " ist schon in Zeile: " + std::to_string(z + 1) + " vorhanden!");
            continue;
        }
        int frei = ErsteLeere(r, r.Zeilen());
        if (frei < 0) {
            // Rows beyond the record's 25 places would never be stored: refused at once.
            if (r.Zeilen() >= kKlassenUE.plaetze) {
                m_.Fehler(Kapazitaet());
                break;
            }
            ZeileAnhaengen(r);
            frei = r.Zeilen() - 1;
        }
        Zelle(r, frei, 1) = id;
    }
    UEBeschreibungen(r, st_.UEBeschreibungen());
}

void KlassenSeitenLogik::UELoeschen() {
    CodeRaster& r = s_.ue;
    const std::string& key = s_.ueSchluessel;
    if (key.empty()) {
        UEZeileLoeschen(r, kKlassenUE, st_.Einstellungen().UELoeschenOhneFrage == 1, m_);
        return;
    }
    const int z = ZeileMit(r, key);
    if (z < 0) {
        m_.Fehler("Keine passende UnterrichtsEinheit\rmit dem Schlüssel: " + key + " gefunden!");
        return;
    }
    if (m_.Frage("Wollen Sie die Unterrichtseinheit:" + key + "  ==>  \r" + Zelle(r, z, 0) + "\rjetzt löschen?\r\r"))
        ZeileEntfernen(r, z);
}

void KlassenSeitenLogik::UEBreiteAnpassen(int rasterBreite, int spalte1Breite) {
    s_.ue.spalten[0].breite = std::max(0, rasterBreite - 10 - spalte1Breite);
}

// --- checks ------------------------------------------------------------------------------------

PruefAusgang KlassenSeitenLogik::Pruefen() {
    return KlassenblattPruefen(
        st_, m_, [this] { Uebernehmen(); }, [this] { dialoge_.Ergebnisfenster(); });
}

PruefAusgang KlassenSeitenLogik::GrossePlausi() {
    const PruefAusgang aus = AlleKlassenblaetterPruefen(
        st_, m_, [this] { Uebernehmen(); }, [this] { dialoge_.Gruppenfenster(); });
    Zeigen();
    return aus;
}

} // namespace zev
