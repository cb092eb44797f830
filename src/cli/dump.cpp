// `zev dump FILE`: any data or settings file of the program as JSON.
#include "cli/cli.h"
#include "cli/console_messages.h"
#include "cli/record_json.h"
#include "model/encoding.h"
#include "storage/area_files.h"
#include "io/file_io.h"

#include <algorithm>
#include <memory>

namespace zev::cli {

namespace {

std::string OrdnerVon(const std::string& pfad) {
    const auto p = pfad.find_last_of('/');
    return p == std::string::npos ? std::string("./") : pfad.substr(0, p + 1);
}

template <class R> int BereichAusgeben(const Kontext& k, const std::string& pfad) {
    KonsolenMeldungen m(k.err, k.antwortJa);
    BereichsDatei<R> f;
    std::string fehler;
    const LeseStatus s = BereichsdateiLesen(pfad, f, fehler);
    if (s != LeseStatus::Ok) {
        LeseStatusMelden<R>(s, pfad, OrdnerVon(pfad), fehler, m);
        return kFehlerGemeldet;
    }
    Json records = Json::array();
    for (const R& r : f.Saetze) records.push_back(AlsJson(r));
    const auto* kennung = reinterpret_cast<const char*>(f.Kopf.Kennung);
    Json j;
    j["header"] = {{"identifier", Cp1252ToUtf8(std::string_view(kennung + 1, 40))},
                   {"version", f.Kopf.Version},
                   {"current", f.Kopf.Aktuell},
                   {"last", f.Kopf.Letzter},
                   {"Schulnummer", Cp1252ToUtf8(f.Kopf.Schulnummer.view())}};
    j["records"] = std::move(records);
    k.out << j.dump(2) << '\n';
    return kOk;
}

template <class R> bool HatKennung(const std::vector<std::uint8_t>& anfang) {
    const auto kennung = KennungVon<R>();
    return anfang.size() >= kennung.size() && std::equal(kennung.begin(), kennung.end(), anfang.begin());
}

} // namespace

int Dump(const Kontext& k, const std::vector<std::string>& args) {
    if (args.size() != 1 || (!args[0].empty() && args[0][0] == '-')) {
        k.err << "Aufruf: zev [--home ORDNER] dump DATEI\n";
        return kBedienung;
    }
    const std::string& pfad = args[0];
    io::EingabeDatei d;
    if (!d.Oeffnen(pfad)) {
        k.err << "Fehler: Die Datei:\n" << pfad << "\nkann nicht gelesen werden!\n\n" << d.Fehler() << '\n';
        return kFehlerGemeldet;
    }
    std::vector<std::uint8_t> anfang(static_cast<std::size_t>(std::min<std::uint64_t>(d.Groesse(), 41)));
    if (!anfang.empty() && !d.Lesen(anfang.data(), anfang.size())) anfang.clear();

    if (HatKennung<TLehrerDS>(anfang)) return BereichAusgeben<TLehrerDS>(k, pfad);
    if (HatKennung<TKlasseDS>(anfang)) return BereichAusgeben<TKlasseDS>(k, pfad);
    if (HatKennung<TSchuelerDS>(anfang)) return BereichAusgeben<TSchuelerDS>(k, pfad);

    if (d.Groesse() == sizeof(TSchuleDS) || d.Groesse() == sizeof(TEinstellungen)) {
        std::string fehler;
        const auto daten = io::GanzLesen(pfad, fehler);
        if (!daten || (daten->size() != sizeof(TSchuleDS) && daten->size() != sizeof(TEinstellungen))) {
            k.err << "Fehler: Die Datei:\n" << pfad << "\nkann nicht gelesen werden!\n\n" << fehler << '\n';
            return kFehlerGemeldet;
        }
        Json j;
        if (daten->size() == sizeof(TSchuleDS)) {
            auto s = std::make_unique<TSchuleDS>();
            std::copy(daten->begin(), daten->end(), ImageOf(*s));
            j["Schule"] = AlsJson(*s);
        } else {
            TEinstellungen e;
            std::copy(daten->begin(), daten->end(), ImageOf(e));
            j["Einstellungen"] = AlsJson(e);
        }
        k.out << j.dump(2) << '\n';
        return kOk;
    }
    k.err << "Fehler: Die Datei:\n"
          << pfad
          << "\nist keine Datei des ZEV-Managers (weder Schul-, Lehrer-, Klassen- oder Schüler-Datei noch "
             "Einstellungsdatei)!\n";
    return kBedienung;
}

} // namespace zev::cli
