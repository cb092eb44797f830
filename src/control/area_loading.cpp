#include "control/area_loading.h"

#include "io/file_io.h"
#include "io/write_target.h"
#include "xml/export_trees.h"
#include "xml/xml_writer.h"

namespace zev {

std::vector<ImportBericht> BereichImportieren(Bereich b, Datenbestand& d, const TEinstellungen& e, Meldungen& m) {
    std::vector<ImportBericht> berichte;
    const int a = static_cast<int>(b);
    for (int n = 1; n <= 3; ++n) {
        const TXMLImportEintrag& eintrag = e.XMLImport[a][n];
        const std::string pfad = PfadAusFeld(eintrag.Datei);
        if (pfad.empty() || !io::IstDatei(pfad)) break;
        ImportBericht& bericht = berichte.emplace_back();
        MitBereich(b, [&]<class A>(A) { A::Einlesen(pfad, eintrag, d, e, m, bericht); });
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
    return MitBereich(b, [&]<class A>(A) { return A::XmlSchreiben(d, e, o.Export, m); });
}

} // namespace zev
