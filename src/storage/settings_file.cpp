#include "storage/settings_file.h"

#include "model/paths.h"
#include "storage/area_files.h"
#include "io/file_io.h"

#include <cstring>

namespace zev {

void EinstellungenLesen(TEinstellungen& e, const std::string& programmOrdner, const std::string& datenOrdner,
                        Meldungen& m) {
    EinstellungenStandard(e, programmOrdner);
    std::string pfad = PfadVon(programmOrdner, kEinstellungenDatei);
    if (!io::Existiert(pfad)) pfad = PfadVon(datenOrdner, kEinstellungenDatei);
    if (!io::Existiert(pfad)) return;

    io::EingabeDatei f;
    if (!f.Oeffnen(pfad)) {
        m.Fehler(MeldungLesefehler(pfad, f.Fehler()));
        return;
    }
    if (f.Groesse() != kEinstellungenGroesse) {
        m.Fehler(kMeldungEinstellungsformat);
        return;
    }
    TEinstellungen gelesen;
    if (!f.Lesen(&gelesen, sizeof gelesen)) {
        m.Fehler(MeldungLesefehler(pfad, f.Fehler()));
        return;
    }
    e = gelesen;
}

bool EinstellungenSchreiben(const TEinstellungen& e, const std::string& programmOrdner, Meldungen& m) {
    const std::string pfad = PfadVon(programmOrdner, kEinstellungenDatei);
    const std::uint8_t* p = ImageOf(e);
    if (const auto f = io::SicherSchreiben(pfad, std::vector<std::uint8_t>(p, p + sizeof e))) {
        m.Fehler(MeldungSchreibfehler(pfad, f->text));
        return false;
    }
    return true;
}

} // namespace zev
