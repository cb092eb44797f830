#include "control/area_loading.h"

#include "io/file_io.h"
#include "io/write_target.h"
#include "xml/export_trees.h"
#include "xml/xml_writer.h"

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
    // The dialog and `zev settings` refuse such names, but a settings file made
    // elsewhere may hold one: the export stays in the export folder all the same,
    // and replaces only what an export may replace.
    const std::string_view name = XMLDateiName(e, static_cast<int>(b)).view();
    if (!XmlDateinameZulaessig(name)) {
        m.Fehler(MeldungXmlDateiname(name) + "\r\rDie XML-Datei wird nicht geschrieben.");
        return false;
    }
    if (!io::SchreibzielPruefen(XmlExportPfad(e, static_cast<int>(b), o.Export), m)) return false;
    switch (b) {
        case Bereich::Schule: return WriteSchoolXml(d.SchulDS, e, o.Export, m);
        case Bereich::Lehrer: return WriteTeacherXml(d.Lehrer, e, o.Export, m);
        case Bereich::Klassen: return WriteClassXml(d.Klassen, e, o.Export, m);
        case Bereich::Schueler: return WriteStudentXml(d.Schueler, e, o.Export, m);
    }
    return false;
}

} // namespace zev
