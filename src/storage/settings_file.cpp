#include "storage/settings_file.h"

#include "io/file_io.h"
#include "model/paths.h"
#include "storage/area_files.h"

#include <cstring>
#include <string>
#include <vector>

namespace zev {

namespace {

// A text of the settings that holds a control character was not written by the
// program (a damaged or foreign file); used as a path it would create folders
// with such names, and shown it would send control bytes to the terminal.
template <std::size_t N> bool Kaputt(const SText<N>& t) {
    for (const char c : t.view())
        if (static_cast<unsigned char>(c) < 0x20) return true;
    return false;
}

// Replaces every such text by its default; the names of the fields replaced.
std::vector<std::string> TexteBereinigen(TEinstellungen& e, const TEinstellungen& standard) {
    std::vector<std::string> namen;
    const auto pruefe = [&](auto& feld, const auto& vorgabe, std::string name) {
        if (!Kaputt(feld)) return;
        feld = vorgabe;
        namen.push_back(std::move(name));
    };
    pruefe(e.Schulnummer, standard.Schulnummer, "Schulnummer");
    pruefe(e.DatenPfad, standard.DatenPfad, "DatenPfad");
    pruefe(e.ImportPfad, standard.ImportPfad, "ImportPfad");
    pruefe(e.ExportPfad, standard.ExportPfad, "ExportPfad");
    pruefe(e.XMLDateiSchule, standard.XMLDateiSchule, "XMLDateiSchule");
    pruefe(e.XMLDateiLehrer, standard.XMLDateiLehrer, "XMLDateiLehrer");
    pruefe(e.XMLDateiKlassen, standard.XMLDateiKlassen, "XMLDateiKlassen");
    pruefe(e.XMLDateiSchueler, standard.XMLDateiSchueler, "XMLDateiSchueler");
    for (int a = 1; a <= 4; ++a)
        for (int n = 1; n <= 3; ++n)
            pruefe(e.XMLImport[a][n].Datei, standard.XMLImport[a][n].Datei,
                   "XMLImport[" + std::to_string(a) + "][" + std::to_string(n) + "]");
    pruefe(e.Berichtsjahr, standard.Berichtsjahr, "Berichtsjahr");
    return namen;
}

} // namespace

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
    const std::vector<std::string> ersetzt = TexteBereinigen(gelesen, e);
    e = gelesen;
    if (ersetzt.empty()) return;
    std::string liste;
    for (const std::string& n : ersetzt) liste += (liste.empty() ? "" : ", ") + n;
    m.Warnung("Die Einstellungsdatei:\r" + pfad + "\renthält Steuerzeichen in den Feldern: " + liste +
              "\r\rFür diese Felder werden die Standard-Einstellungen genutzt!");
}

bool EinstellungenSperren(io::Dateisperre& sperre, const std::string& programmOrdner, std::string_view programm,
                          int warteSekunden, Meldungen& m) {
    const std::string pfad = PfadVon(programmOrdner, kEinstellungsSperrDatei);
    if (sperre.Nehmen(pfad, io::DieserLauf(programm), warteSekunden) != io::Dateisperre::Ergebnis::Belegt) return true;
    const io::Sperrinhaber& i = sperre.Inhaber();
    m.Fehler("Die Einstellungsdatei " + PfadVon(programmOrdner, kEinstellungenDatei) + " wird gerade von " +
             (i.programm.empty() ? std::string("einem anderen Programm") : i.programm) + " benutzt (" +
             i.Beschreibung() + ").\r\rEs wird nichts geschrieben.");
    return false;
}

io::Dateistand EinstellungsStand(const std::string& programmOrdner) {
    return io::StandVon(PfadVon(programmOrdner, kEinstellungenDatei));
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
