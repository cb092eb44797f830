#include "control/area_loading.h"

#include "io/file_io.h"
#include "xml/export_trees.h"

namespace zev {

std::string_view BereichsName(Bereich b) {
    switch (b) {
        case Bereich::Schule: return "schule";
        case Bereich::Lehrer: return "lehrer";
        case Bereich::Klassen: return "klassen";
        case Bereich::Schueler: return "schueler";
    }
    return "";
}

std::vector<ImportBericht> BereichImportieren(Bereich b, Datenbestand& d, const TEinstellungen& e, Meldungen& m) {
    std::vector<ImportBericht> berichte;
    const int a = static_cast<int>(b);
    for (int n = 1; n <= 3; ++n) {
        const TXMLImportEintrag& eintrag = e.XMLImport[a][n];
        const std::string pfad = PfadAusFeld(eintrag.Datei);
        if (pfad.empty() || !io::IstDatei(pfad)) break;
        ImportBericht& bericht = berichte.emplace_back();
        const std::string_view nr = e.Schulnummer.view();
        switch (b) {
            case Bereich::Schule:
                if (auto s = ImportSchoolXml(pfad, e, m, bericht))
                    MergeSchoolImport(d.SchulDS, *s, eintrag.Datensaetze, eintrag.Einzelfelder, m, bericht);
                break;
            case Bereich::Lehrer:
                if (auto v = ImportTeacherXml(pfad, e, m, bericht)) BereichErsetzen(d.Lehrer, std::move(*v), nr, m);
                break;
            case Bereich::Klassen:
                if (auto v = ImportClassXml(pfad, e, m, bericht)) BereichErsetzen(d.Klassen, std::move(*v), nr, m);
                break;
            case Bereich::Schueler:
                if (auto v = ImportStudentXml(pfad, e, m, bericht)) BereichErsetzen(d.Schueler, std::move(*v), nr, m);
                break;
        }
    }
    return berichte;
}

bool BereichExportieren(Bereich b, const Datenbestand& d, const TEinstellungen& e, const Ordner& o, Meldungen& m) {
    switch (b) {
        case Bereich::Schule: return WriteSchoolXml(d.SchulDS, e, o.Export, m);
        case Bereich::Lehrer: return WriteTeacherXml(d.Lehrer, e, o.Export, m);
        case Bereich::Klassen: return WriteClassXml(d.Klassen, e, o.Export, m);
        case Bereich::Schueler: return WriteStudentXml(d.Schueler, e, o.Export, m);
    }
    return false;
}

} // namespace zev
