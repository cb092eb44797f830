#include "catalog/catalogue_table.h"

#include <array>

namespace zev {

namespace {

// Key widths: the narrowest field a catalogue fills (school type s2, subject s3,
// nationality s3, teacher reasons s2 or s5, training occupations s4, ...).
constexpr std::array<KatalogInfo, 51> kTabelle = {{
    {1, "Katalog1.csv", "Abgangsarten (Lehrer)", 5},
    {2, "Katalog2.csv", "allgemeinbildende Abschlüsse", 3},
    {4, "Katalog4.csv", "Nichteinschulungsarten", 2},
    {5, "Katalog5.csv", "Tätigkeitsarten", 2},
    {6, "Katalog6.csv", "Einschulungsarten", 2},
    {7, "Katalog7.csv", "Wiederholungsarten", 2},
    {8, "Katalog8.csv", "Anrechnungsstunden", 5},
    {10, "Katalog10.csv", "berufsbezogene Abschlüsse", 4},
    {11, "Katalog11.csv", "Beschäftigungumfang", 2},
    {12, "Katalog12.csv", "ISCED-Level (Bildungsgänge)", 2},
    {13, "Katalog13.csv", "Bilingualität", 2},
    {14, "Katalog14.csv", "Fächer", 3},
    {15, "Katalog15.csv", "Lehrbefähigungen (Fächer)", 5},
    {17, "Katalog17.csv", "Förderbedarf", 3},
    {18, "Katalog18.csv", "Fremdsprachen", 3},
    {19, "Katalog19.csv", "Ganztagsschularten", 2},
    {20, "Katalog20.csv", "Ganztagschulen (Schüler)", 2},
    {22, "Katalog22.csv", "Arbeitszeitregelungen", 2},
    {23, "Katalog23.csv", "Arbeitszeitkonten", 2},
    {25, "Katalog25.csv", "Jahrgangsstufen", 2},
    {26, "Katalog26.csv", "Fremdsprachen (Spracherwerb)", 2},
    {27, "Katalog27.csv", "Jahrgangsstufen (UE)", 2},
    {28, "Katalog28.csv", "Kursarten", 2},
    {29, "Katalog29.csv", "Staaten / Länder", 3},
    {30, "Katalog30.csv", "Lehrämter", 5},
    {31, "Katalog31.csv", "Migrantenstati", 2},
    {32, "Katalog32.csv", "Organisationsformen", 2},
    {33, "Katalog33.csv", "Personengruppen", 2},
    {34, "Katalog34.csv", "Ausbildungen (Lehrer)", 5},
    {35, "Katalog35.csv", "PmsA-Einsatz", 2},
    {37, "Katalog37.csv", "Rechtsstatus", 2},
    {38, "Katalog38.csv", "Schulämter", 2},
    {39, "Katalog39.csv", "Schularten", 2},
    {40, "Katalog40.csv", "Schullaufbahnempfehlungen", 2},
    {42, "Katalog42.csv", "Schulträger", 2},
    {45, "Katalog45.csv", "Stellung im Beruf", 2},
    {46, "Katalog46.csv", "Zeitformen", 2},
    {47, "Katalog47.csv", "Zugangsarten (Lehrer)", 5},
    {48, "Katalog48.csv", "Bundesländer", 15},
    {49, "Katalog49.csv", "Wohnorte in anderen Staaten", 15},
    {50, "Katalog50.csv", "Verkehrssprachen", 3},
    {51, "Katalog51.csv", "Fremdsprachen-Arten", 2},
    {52, "Katalog52.csv", "Klassenbesonderheiten", 2},
    {53, "Katalog53.csv", "Ausbildungsberufe", 4},
    {54, "Katalog54.csv", "Gemeinden", 5},
    {101, "Katalog101.csv", "Anreden", 5},
    {102, "Katalog54.csv", "Gemeinden", 5},
    {103, "Katalog103.csv", "Schulen", 10},
    {105, "Katalog105.csv", "Jahre", 4},
    {106, "Katalog106.csv", "Jahre", 4},
    {107, "Katalog107.csv", "Stunden", 5},
}};

} // namespace

std::optional<KatalogInfo> KatalogInfoVon(std::uint16_t nummer) {
    for (const KatalogInfo& k : kTabelle)
        if (k.nummer == nummer) return k;
    return std::nullopt;
}

const std::vector<std::uint16_t>& StartKataloge() {
    static const std::vector<std::uint16_t> liste = [] {
        std::vector<std::uint16_t> l = {101, 103, 105, 106, 107};
        for (const KatalogInfo& k : kTabelle)
            if (k.nummer <= 54) l.push_back(k.nummer);
        return l;
    }();
    return liste;
}

} // namespace zev
