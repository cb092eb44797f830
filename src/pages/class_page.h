// The class sheets without widgets: the screen model of the two sub-pages
// "   Klasse   " (name, identifier, specialties) and "   Unterrichtseinheiten-Gruppen   "
// (the class's group of lesson units), how the class buffer is put on them
// (`ShowClass`) and taken back (`CollectClass`), and the operations of their buttons.
#pragma once

#include "model/messages.h"
#include "model/records.h"
#include "pages/class_dialogs.h"
#include "pages/code_grid.h"
#include "pages/combo_list.h"
#include "pages/field_binding.h"
#include "pages/page_check.h"
#include "pages/ue_grid.h"

#include <array>
#include <string>

namespace zev {

class Steuerung;

inline constexpr int kKlBesPlaetze = 3;
inline constexpr UERasterArt kKlassenUE{25, "Klasse", "dieser Klasse", "diese Klasse", true};

// The read-only text of the lesson-unit sub-page, one line each.
inline constexpr std::array<const char*, 15> kUEGruppenHinweis = {"Die UE-Gruppen ",
                                                                  "dienen nur der ",
                                                                  "Eingabe-",
                                                                  "Vereinfachung bei ",
                                                                  "den ",
                                                                  "Schülern. ",
                                                                  "",
                                                                  "Es sind keine ",
                                                                  "Meldedaten!",
                                                                  "",
                                                                  "Die UE-Gruppen ",
                                                                  "werden nur bei ",
                                                                  "Verwendung der ",
                                                                  "internen Dateien ",
                                                                  "gespeichert! "};

struct KlassenSeite {
    // "   Klasse   "
    std::string id; // "interne ID-Nr.", read-only
    std::string klassenname;
    CodeRaster besonderheiten;          // "Klassenbesonderheiten": 3 rows, not typed into
    std::string besonderheitSchluessel; // key box beside "--> Klassenbesonderheit löschen"

    // "   Unterrichtseinheiten-Gruppen   "
    CodeRaster ue;            // "Gruppe vordefinierter UnterrichtsEinheiten", not typed into
    std::string ueSchluessel; // key box beside "--> UnterrichtsEinheit löschen"
};

// Only the name is a field of its own; the specialties (packed, a lone blank a
// gap) and the lesson-unit group (packed) are taken by hand.
using KlassenBinder = Binder<TKlasseDS, KlassenSeite>;
inline constexpr std::array kKlassenFelder = {KlassenBinder::Text("Klassenname", &KlassenSeite::klassenname)};

class KlassenSeitenLogik {
public:
    KlassenSeitenLogik(Steuerung& st, KlassenDialoge& dialoge, Meldungen& m);
    KlassenSeitenLogik(const KlassenSeitenLogik&) = delete;
    KlassenSeitenLogik& operator=(const KlassenSeitenLogik&) = delete;

    KlassenSeite& Seite() { return s_; }
    const KlassenSeite& Seite() const { return s_; }
    // Catalogue 52 sorted, as the specialty dialog offers it.
    const KomboListe& Besonderheiten() const { return besonderheiten_; }

    // Over the controller's class buffer.
    void Zeigen();
    void Uebernehmen();
    void ShowClass(const TKlasseDS& k);
    // Also gives a class without identifier a new one.
    void CollectClass(TKlasseDS& k);

    // "Klassenbesonderheit hinzufügen ..." and "--> Klassenbesonderheit löschen".
    void BesonderheitHinzufuegen();
    void BesonderheitLoeschen();

    // "UnterrichtsEinheit(en) hinzufügen ..." and "--> UnterrichtsEinheit löschen".
    void UEHinzufuegen();
    void UELoeschen();
    // The sub-page was resized: column 0 takes the grid's width less 10 and less
    // the UE_ID column.
    void UEBreiteAnpassen(int rasterBreite, int spalte1Breite);

    // "diese Klasse prüfen" and "alle Klassen prüfen".
    PruefAusgang Pruefen();
    PruefAusgang GrossePlausi();

private:
    Steuerung& st_;
    KlassenDialoge& dialoge_;
    Meldungen& m_;
    KomboListe besonderheiten_;
    KatalogKombos kombos_;
    KlassenSeite s_;
};

// The whole-number value of a lesson-unit cell as the class group stores it:
// leading blanks allowed, low 16 bits kept; 0 when the text is not a whole number.
std::uint16_t KlassenUENummer(std::string_view text);

} // namespace zev
