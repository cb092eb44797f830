// Importing a teacher file and a student file of 65,536 records each, every lesson
// unit in use (written by the export), against xmllint's streaming reader and
// expat alone over the same files.
#include "model/messages.h"
#include "xml/export_trees.h"
#include "xml/xml_import.h"

#include <benchmark/benchmark.h>
#include <expat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

namespace {

constexpr std::size_t kAnzahl = 65536;

struct Dateien {
    std::string lehrer, schueler;
    zev::TEinstellungen e;
    Dateien() {
        zev::EinstellungenStandard(e, "/p/");
        e.XMLLayout = 1;
        e.FreierTraeger = 1;
        e.Schulnummer = "12345";
        std::vector<zev::TLehrerDS> l(kAnzahl);
        std::vector<zev::TSchuelerDS> s(kAnzahl);
        for (std::size_t i = 0; i < kAnzahl; ++i) {
            zev::InitLehrer(l[i], "12345");
            l[i].Lehrernummer = "L" + std::to_string(i);
            l[i].Grunddaten.Name = "M\xFCller-Schmidt";
            l[i].Grunddaten.Ausbildung[1] = "GY";
            l[i].Arbeitszeitkonto[1].Grund_mehr = "01";
            // Every lesson-unit reference in use, as in a full school.
            for (int k = 1; k <= 35; ++k) {
                l[i].Unterrichtseinheit[k].Nummer = static_cast<std::uint16_t>(k);
                l[i].Unterrichtseinheit[k].UE_ID = std::to_string(k);
            }
            zev::InitSchueler(s[i], "12345");
            s[i].Schuelernummer = "S" + std::to_string(i);
            s[i].Grunddaten.Name = "Sch\xE4"
                                   "fer";
            s[i].Grunddaten.Anschrift.Strasse = "Anger 1 & 2";
            s[i].Fremdsprachen[1].Sprache = "ENG";
            for (int k = 1; k <= 25; ++k) {
                s[i].Jahrgangsdaten.Unterrichtseinheit[k].Nummer = static_cast<std::uint16_t>(k);
                s[i].Jahrgangsdaten.Unterrichtseinheit[k].UE_ID = std::to_string(k);
            }
        }
        const auto o = std::filesystem::temp_directory_path() / "zev-bench-import";
        std::filesystem::create_directories(o);
        lehrer = (o / "Lehrer.XML").string();
        schueler = (o / "Schueler.XML").string();
        std::ofstream(lehrer, std::ios::binary) << zev::LehrerXml(l, e, "Lehrer.XML");
        std::ofstream(schueler, std::ios::binary) << zev::SchuelerXml(s, e, "Schueler.XML");
    }
};

const Dateien& D() {
    static const auto d = std::make_unique<Dateien>();
    return *d;
}

void BM_ImportBoth(benchmark::State& state) {
    zev::StilleMeldungen m;
    D(); // the files are written before the clock runs
    for (auto _ : state) {
        zev::ImportBericht b1, b2;
        auto l = zev::ImportTeacherXml(D().lehrer, D().e, m, b1);
        auto s = zev::ImportStudentXml(D().schueler, D().e, m, b2);
        if (!l || !s || l->size() != kAnzahl || s->size() != kAnzahl) state.SkipWithError("import failed");
    }
}
BENCHMARK(BM_ImportBoth)->Unit(benchmark::kMillisecond)->UseRealTime();

void XMLCALL LeerStart(void*, const XML_Char*, const XML_Char**) {}
void XMLCALL LeerEnde(void*, const XML_Char*) {}
void XMLCALL LeerText(void*, const XML_Char*, int) {}

bool BlossParsen(const std::string& pfad, bool mitHandlern = false) {
    XML_Parser p = XML_ParserCreate(nullptr);
    if (mitHandlern) {
        XML_SetElementHandler(p, LeerStart, LeerEnde);
        XML_SetCharacterDataHandler(p, LeerText);
    }
    std::ifstream f(pfad, std::ios::binary);
    bool ok = true;
    for (bool ende = false; ok && !ende;) {
        void* puffer = XML_GetBuffer(p, 256 * 1024);
        f.read(static_cast<char*>(puffer), 256 * 1024);
        ende = f.gcount() < 256 * 1024;
        ok = XML_ParseBuffer(p, static_cast<int>(f.gcount()), ende) == XML_STATUS_OK;
    }
    XML_ParserFree(p);
    return ok;
}

void BM_ExpatAloneBoth(benchmark::State& state) {
    D();
    for (auto _ : state)
        if (!BlossParsen(D().lehrer) || !BlossParsen(D().schueler)) state.SkipWithError("parse failed");
}
BENCHMARK(BM_ExpatAloneBoth)->Unit(benchmark::kMillisecond)->UseRealTime();

// The yardstick: libxml2's streaming reader over the same files, as a separate
// program (start-up is a few milliseconds of the total).
void BM_XmllintStreamBoth(benchmark::State& state) {
    const std::string befehl = "xmllint --stream --noout '" + D().lehrer + "' '" + D().schueler + "'";
    for (auto _ : state)
        if (std::system(befehl.c_str()) != 0) state.SkipWithError("xmllint failed");
}
BENCHMARK(BM_XmllintStreamBoth)->Unit(benchmark::kMillisecond)->UseRealTime();

// For orientation: what expat costs once it reports elements and text at all.
void BM_ExpatEmptyHandlersBoth(benchmark::State& state) {
    D();
    for (auto _ : state)
        if (!BlossParsen(D().lehrer, true) || !BlossParsen(D().schueler, true)) state.SkipWithError("parse failed");
}
BENCHMARK(BM_ExpatEmptyHandlersBoth)->Unit(benchmark::kMillisecond)->UseRealTime();

// One huge token (an attribute value or a comment of 25 or 100 MB): the time must
// grow with the size, not with its square.
void BM_ImportHugeToken(benchmark::State& state) {
    const bool kommentar = state.range(0) == 1;
    const auto groesse = static_cast<std::size_t>(state.range(1)) << 20;
    const auto pfad = (std::filesystem::temp_directory_path() / "zev-bench-import" / "Gross.XML").string();
    {
        std::ofstream f(pfad, std::ios::binary);
        f << "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><Alle_Lehrer>" << (kommentar ? "<!--" : "<Lehrer a=\"")
          << std::string(groesse, 'x') << (kommentar ? "--><Lehrer>" : "\">")
          << "<Lehrernummer>1</Lehrernummer></Lehrer></Alle_Lehrer>";
    }
    zev::StilleMeldungen m;
    for (auto _ : state) {
        zev::ImportBericht b;
        auto l = zev::ImportTeacherXml(pfad, D().e, m, b);
        if (!l || l->size() != 1) state.SkipWithError("import failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * groesse));
    std::filesystem::remove(pfad);
}
BENCHMARK(BM_ImportHugeToken)
    ->ArgsProduct({{0, 1}, {25, 100}})
    ->ArgNames({"kommentar", "MB"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
