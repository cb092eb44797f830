// `zev catalogues [--check]`: loads every catalogue as the program does at start
// and lists them; with --check also keys that occur twice or do not fit the
// record field they fill.
#include "catalog/catalogue_loader.h"
#include "catalog/catalogue_table.h"
#include "cli/cli.h"
#include "cli/console_messages.h"
#include "model/encoding.h"
#include "model/paths.h"

#include <iomanip>
#include <map>

namespace zev::cli {

namespace {

int Pruefen(const Kontext& k, const KatalogInfo& info) {
    std::string fehler;
    const auto zeilen = KatalogZeilenLesen(PfadVon(k.programmOrdner, info.datei), fehler);
    if (!zeilen) return 0; // already reported by the loading
    int befunde = 0;
    std::map<std::string, std::size_t> gesehen;
    for (std::size_t i = 0; i < zeilen->size(); ++i) {
        const std::string& key = (*zeilen)[i][0];
        const std::string anzeige = Cp1252ToUtf8(key);
        if (const auto [it, neu] = gesehen.emplace(key, i + 1); !neu) {
            k.out << "  " << info.datei << ": Schlüssel \"" << anzeige << "\" doppelt (Einträge " << it->second
                  << " und " << i + 1 << ")\n";
            ++befunde;
        }
        if (info.schluesselBreite > 0 && key.size() > info.schluesselBreite) {
            k.out << "  " << info.datei << ": Schlüssel \"" << anzeige << "\" länger als " << info.schluesselBreite
                  << " Zeichen (Eintrag " << i + 1 << ")\n";
            ++befunde;
        }
    }
    return befunde;
}

} // namespace

int CatalogueList(const Kontext& k, const std::vector<std::string>& args) {
    bool pruefen = false;
    for (const std::string& a : args) {
        if (a == "--check") {
            pruefen = true;
        } else {
            k.err << "Aufruf: zev [--home ORDNER] catalogues [--check]\n";
            return kBedienung;
        }
    }
    KonsolenMeldungen m(k.err, k.antwortJa);
    int befunde = 0;
    for (std::uint16_t n : StartKataloge()) {
        const KatalogInfo info = *KatalogInfoVon(n);
        Katalog liste;
        LoadCatalogue(liste, n, k.programmOrdner, m);
        // The real entries: without the placeholder in front and the mark of an empty list.
        std::size_t anzahl = liste.size();
        if (anzahl > 0 && n != 107 && (liste[0] == kUnbekannt || liste[0] == "??")) --anzahl;
        if (anzahl > 0 && liste[liste.size() - 1] == kLeer) --anzahl;
        k.out << std::setw(3) << n << "  " << std::left << std::setw(15) << info.datei << std::right << "  "
              << info.titel << ": " << anzahl << " Einträge\n";
        if (pruefen) befunde += Pruefen(k, info);
    }
    SchoolTypeTable tabelle;
    LoadSchoolTypeTable(tabelle, k.programmOrdner, m);
    const bool gemeldet = m.Fehleranzahl() + m.Hinweisanzahl() > 0;
    return gemeldet || befunde > 0 ? kGefunden : kOk;
}

} // namespace zev::cli
