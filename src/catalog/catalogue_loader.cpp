#include "catalog/catalogue_loader.h"

#include "catalog/catalogue_table.h"
#include "model/paths.h"
#include "io/file_io.h"
#include "io/file_messages.h"

#include <charconv>

namespace zev {

std::vector<std::string> SplitCatalogueLine(std::string_view zeile) {
    std::vector<std::string> felder;
    std::string_view rest = zeile;
    while (!rest.empty() && felder.size() < 10) {
        const auto p = rest.find_first_of("\t;|");
        if (p == std::string_view::npos) {
            felder.emplace_back(rest);
            break;
        }
        felder.emplace_back(rest.substr(0, p));
        rest.remove_prefix(p + 1);
    }
    return felder;
}

std::optional<std::vector<std::vector<std::string>>> KatalogZeilenLesen(const std::string& pfad,
                                                                         std::string& fehler) {
    const auto daten = io::GanzLesen(pfad, fehler);
    if (!daten) return std::nullopt;
    const std::string_view text(reinterpret_cast<const char*>(daten->data()), daten->size());
    std::vector<std::vector<std::string>> zeilen;
    std::size_t anfang = 0;
    while (anfang < text.size()) {
        auto ende = text.find('\n', anfang);
        const std::size_t naechste = ende == std::string_view::npos ? text.size() : ende + 1;
        if (ende == std::string_view::npos) ende = text.size();
        std::string_view zeile = text.substr(anfang, ende - anfang);
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        auto felder = SplitCatalogueLine(zeile);
        if (!felder.empty()) zeilen.push_back(std::move(felder));
        anfang = naechste;
    }
    return zeilen;
}

std::string AnzeigeVon(std::uint16_t nummer, const std::vector<std::string>& f) {
    if (nummer == 105 || nummer == 106 || nummer == 107) return f.empty() ? std::string() : f[0];
    std::string s;
    std::size_t weitere = 1;
    if (nummer == 101) {
        s = f.empty() ? std::string() : f[0];
    } else {
        s = (f.size() > 1 ? f[1] : std::string()) + "; [" + (f.empty() ? std::string() : f[0]) + "]";
        weitere = 2;
    }
    for (std::size_t i = weitere; i < f.size(); ++i)
        if (!f[i].empty()) s += "; " + f[i];
    return s;
}

void LoadCatalogue(Katalog& liste, std::uint16_t nummer, const std::string& programmOrdner, Meldungen& m) {
    liste.clear();
    std::string datei, titel;
    if (const auto info = KatalogInfoVon(nummer)) {
        datei = info->datei;
        titel = info->titel;
    } else {
        m.Fehler("interner Fehler!!!\r\rDie Liste: " + std::to_string(nummer) + " wird nicht erstellt!" + "\r" +
                 "Informieren Sie bitte den Entwickler!");
    }
    const std::string pfad = PfadVon(programmOrdner, datei);
    if (!datei.empty() && io::IstDatei(pfad)) {
        if (nummer == 101 || nummer == 105 || nummer == 106) liste.push_back("??");
        else if (nummer != 107) liste.push_back(std::string(kUnbekannt));
        std::string fehler;
        if (const auto zeilen = KatalogZeilenLesen(pfad, fehler)) {
            for (const auto& felder : *zeilen) liste.push_back(AnzeigeVon(nummer, felder));
        } else {
            m.Fehler(MeldungLesefehler(pfad, fehler));
        }
    } else if (nummer == 107) {
        for (int i = 0; i <= 20; ++i) liste.push_back(std::to_string(i));
    } else {
        m.Fehler("Die Datei: " + datei + "  [" + titel + "]" + "\r" + "konnte nicht gefunden werden!" + "\r" + "\r" +
                 "(Prüfen Sie ev. die Installation des Programms!)");
    }
    if (liste.size() < 2) {
        liste.push_back(std::string(kLeer));
        m.Information("Die Liste: " + titel + "\r" + "ist leer!");
    }
}

void LoadSchoolTypeTable(SchoolTypeTable& tabelle, const std::string& programmOrdner, Meldungen& m) {
    tabelle.Zuruecksetzen();
    const std::string pfad = PfadVon(programmOrdner, "Katalog39.csv");
    if (!io::IstDatei(pfad)) {
        m.Fehler("Die Datei: Katalog39.csv  [Schularten]\rkonnte nicht gefunden werden!\r\r(Prüfen Sie ev. die "
                 "Installation des Programms!)");
        return;
    }
    std::string fehler;
    const auto zeilen = KatalogZeilenLesen(pfad, fehler);
    if (!zeilen) {
        m.Fehler(MeldungLesefehler(pfad, fehler));
        return;
    }
    int naechster = 1;
    for (const auto& f : *zeilen) {
        if (naechster > SchoolTypeTable::kAnzahl) break; // the table holds 50 entries, no more
        const std::string& schluessel = f[0];
        long wert = 0;
        const char* ende = schluessel.data() + schluessel.size();
        const auto [p, ec] = std::from_chars(schluessel.data() + (schluessel.starts_with('+') ? 1 : 0), ende, wert);
        if (ec != std::errc() || p != ende || schluessel.empty() || wert < 1 || wert > 65535) continue;
        SchulartEintrag& e = tabelle[naechster++];
        e.nummer = static_cast<std::uint16_t>(wert);
        e.code = schluessel.substr(0, 2);
        e.name = f.size() > 1 ? f[1].substr(0, 80) : std::string();
        e.zusatz = f.size() > 2 ? f[2].substr(0, 20) : std::string();
    }
}

void Kataloge::AlleLaden(const std::string& programmOrdner, Meldungen& m) {
    for (std::uint16_t n : StartKataloge()) LoadCatalogue(listen_[n], n, programmOrdner, m);
    LoadSchoolTypeTable(schularten_, programmOrdner, m);
}

const Katalog& Kataloge::operator()(std::uint16_t nummer) const {
    if (nummer == 102) nummer = 54;
    return nummer < listen_.size() ? listen_[nummer] : leer_;
}

Katalog& Kataloge::Liste(std::uint16_t nummer) {
    if (nummer == 102) nummer = 54;
    return nummer < listen_.size() ? listen_[nummer] : leer_;
}

} // namespace zev
