#include "xml/schema_check.h"

#include <libxml/parser.h>
#include <libxml/xmlschemas.h>
#include <libxml/xmlversion.h>

#include <memory>

namespace zev {

namespace {

struct Sammlung {
    std::vector<std::string> zeilen;
    std::size_t weitere = 0;
};

std::string Zeile(const xmlError& e) {
    std::string text = e.message ? e.message : "unbekannter Fehler";
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return e.line > 0 ? "Zeile " + std::to_string(e.line) + ": " + text : text;
}

void Hinzu(Sammlung& s, std::string zeile) {
    if (s.zeilen.size() < kSchemaFehlerHoechstens)
        s.zeilen.push_back(std::move(zeile));
    else
        ++s.weitere;
}

// libxml2 2.12 made the error of the handler const.
#if LIBXML_VERSION >= 21200
void Sammeln(void* ziel, const xmlError* e) {
#else
void Sammeln(void* ziel, xmlErrorPtr e) {
#endif
    if (e) Hinzu(*static_cast<Sammlung*>(ziel), Zeile(*e));
}

template <class T, void (*F)(T*)> struct Frei {
    void operator()(T* p) const { F(p); }
};
using SchemaParser = std::unique_ptr<xmlSchemaParserCtxt, Frei<xmlSchemaParserCtxt, xmlSchemaFreeParserCtxt>>;
using Schema = std::unique_ptr<xmlSchema, Frei<xmlSchema, xmlSchemaFree>>;
using Pruefer = std::unique_ptr<xmlSchemaValidCtxt, Frei<xmlSchemaValidCtxt, xmlSchemaFreeValidCtxt>>;
using Parser = std::unique_ptr<xmlParserCtxt, Frei<xmlParserCtxt, xmlFreeParserCtxt>>;
using Dokument = std::unique_ptr<xmlDoc, Frei<xmlDoc, xmlFreeDoc>>;

SchemaErgebnis Ergebnis(bool gueltig, Sammlung& s) {
    SchemaErgebnis r{gueltig, std::move(s.zeilen)};
    if (s.weitere > 0) r.fehler.push_back("… und " + std::to_string(s.weitere) + " weitere");
    return r;
}

} // namespace

std::string_view SchemaName(int bereich) {
    static constexpr std::string_view kNamen[] = {"Schule.xsd", "Lehrer.xsd", "Klassen.xsd", "Schueler.xsd"};
    return bereich >= 1 && bereich <= 4 ? kNamen[bereich - 1] : std::string_view();
}

SchemaErgebnis SchemaPruefen(std::string_view xml, std::string_view dateiname, std::string_view xsd) {
    xmlInitParser();
    Sammlung s;
    SchemaParser sp(xmlSchemaNewMemParserCtxt(xsd.data(), static_cast<int>(xsd.size())));
    if (!sp) {
        Hinzu(s, "das XML-Schema ist leer");
        return Ergebnis(false, s);
    }
    xmlSchemaSetParserStructuredErrors(sp.get(), Sammeln, &s);
    const Schema schema(xmlSchemaParse(sp.get()));
    if (!schema) {
        s.zeilen.insert(s.zeilen.begin(), "das XML-Schema ist nicht lesbar");
        return Ergebnis(false, s);
    }

    // No entities, no DTD from outside, no network: the file is checked as it stands.
    const Parser p(xmlNewParserCtxt());
    const std::string name(dateiname);
    const Dokument doc(p ? xmlCtxtReadMemory(p.get(), xml.data(), static_cast<int>(xml.size()), name.c_str(), nullptr,
                                             XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING)
                         : nullptr);
    if (!doc) {
        const xmlError* e = p ? xmlCtxtGetLastError(p.get()) : nullptr;
        Hinzu(s, e ? Zeile(*e) : std::string("nicht lesbar"));
        return Ergebnis(false, s);
    }
    const Pruefer v(xmlSchemaNewValidCtxt(schema.get()));
    if (!v) {
        Hinzu(s, "der Schema-Prüfer ließ sich nicht anlegen");
        return Ergebnis(false, s);
    }
    xmlSchemaSetValidStructuredErrors(v.get(), Sammeln, &s);
    const int r = xmlSchemaValidateDoc(v.get(), doc.get());
    if (r != 0 && s.zeilen.empty()) Hinzu(s, "ungültig (" + std::to_string(r) + ")");
    return Ergebnis(r == 0, s);
}

SchemaErgebnis SchemaPruefen(std::string_view xml, std::string_view dateiname, int bereich) {
    return SchemaPruefen(xml, dateiname, SchemaText(bereich));
}

} // namespace zev
