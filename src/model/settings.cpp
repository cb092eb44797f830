#include "model/settings.h"

#include "model/encoding.h"
#include "model/paths.h"

#include <ctime>

namespace zev {

int AktuellesJahr() {
    const std::time_t jetzt = std::time(nullptr);
    std::tm t{};
    if (!::localtime_r(&jetzt, &t)) return 2004;
    return t.tm_year + 1900;
}

const s80& XMLDateiName(const TEinstellungen& e, int bereich) {
    switch (bereich) {
        case ImportSchule: return e.XMLDateiSchule;
        case ImportLehrer: return e.XMLDateiLehrer;
        case ImportKlassen: return e.XMLDateiKlassen;
        default: return e.XMLDateiSchueler;
    }
}

std::string PfadAusFeld(const s250& feld) { return Cp1252ToUtf8(feld.view()); }

void PfadInsFeld(s250& feld, std::string_view utf8Pfad) { feld = Utf8ToCp1252(utf8Pfad); }

bool TextSpeicherbar(std::string_view utf8, std::size_t zeichen) {
    const std::string bytes = Utf8ToCp1252(utf8);
    return bytes.size() <= zeichen && Cp1252ToUtf8(bytes) == utf8;
}

bool PfadSpeicherbar(std::string_view utf8Pfad) { return TextSpeicherbar(utf8Pfad, s250::Kapazitaet); }

void EinstellungenStandard(TEinstellungen& e, std::string_view programmOrdner) {
    e = TEinstellungen{};
    e.Schulnummer = "00000";
    // A folder the fields cannot hold is left empty, never stored changed: the run
    // then derives it from the program folder itself and reports it.
    const auto pfad = [](s250& feld, const std::string& utf8) {
        if (PfadSpeicherbar(utf8)) PfadInsFeld(feld, utf8);
    };
    const std::string daten = MitTrenner(std::string(programmOrdner)) + "Daten" + kTrenner;
    pfad(e.DatenPfad, daten);
    pfad(e.ImportPfad, daten + "Import" + kTrenner);
    pfad(e.ExportPfad, daten + "Export" + kTrenner);
    e.XMLDateiSchule = "Schule.XML";
    e.XMLDateiLehrer = "Lehrer.XML";
    e.XMLDateiKlassen = "Klassen.XML";
    e.XMLDateiSchueler = "Schueler.XML";
    for (U16* f : {&e.AnsiAusgabe, &e.Datenquelle, &e.Reserviert1092, &e.ZwischenablageInfo, &e.XMLLayout,
                   &e.UELoeschenOhneFrage, &e.StartSicherung, &e.VorgaengerAlsVorlage, &e.WeiterfuehrendeSchule,
                   &e.Dateizugriff})
        *f = 1;
    e.FreierTraeger = 0;
    for (int a = 1; a <= 4; ++a) {
        for (int n = 1; n <= 3; ++n) {
            TXMLImportEintrag& x = e.XMLImport[a][n];
            x = TXMLImportEintrag{};
            x.Datensaetze = 1;
            x.Einzelfelder = 0;
        }
        // Import folder as stored (a path ending in "\" counts as ending in a separator).
        const std::string import = MitTrenner(PfadAusFeld(e.ImportPfad));
        if (!e.ImportPfad.empty()) pfad(e.XMLImport[a][1].Datei, import + Cp1252ToUtf8(XMLDateiName(e, a).view()));
    }
    e.AlleTestsZeigen = 0;
    // The year the file is started in: a fixed old year made every date check of the
    // teachers fail until the user found the field.
    e.Berichtsjahr = std::to_string(AktuellesJahr());
}

} // namespace zev
