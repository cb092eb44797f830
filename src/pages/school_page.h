// The page "   Schule   " without widgets: the screen model of its sub-pages
// "   Schul-Daten   ", "   freie Träger   " and "   Unterrichteinheiten   ", how
// the school record is put on it and taken back, and every button on it.
#pragma once

#include "model/messages.h"
#include "model/records.h"
#include "pages/code_field.h"
#include "pages/code_grid.h"
#include "pages/field_binding.h"
#include "pages/school_dialogs.h"
#include "plausi/check_course.h"

#include <string>
#include <vector>

namespace zev {

class Katalog;
class Kataloge;
class SchoolTypeTable;
class Steuerung;

// The combos of the page, filled once from the loaded catalogues.
struct SchulListen {
    KomboListe orgform, ganztag;                   // 32, 19
    KomboListe schulamt, rechtsstatus, traeger;    // 38, 37, 42
    KomboListe gemeinden;                          // 54
    KomboListe anrede;                             // 101 (editable combo)
    KomboListe schularten, nichteinschulungsarten; // 39, 4: in-place combos of the two grids
    UEDialogListen dialog;                         // the lesson-unit dialog
    KomboListe schulartenSortiert;                 // "neue Schulart ..."
};
SchulListen SchulListenAufbauen(const Kataloge& k);

// Columns of the lesson-unit table.
enum UESpalte {
    UE_Nr = 0,
    UE_Beschreibung,
    UE_ID_Spalte,
    UE_Schulart,
    UE_Jahrgang,
    UE_Klasse,
    UE_Fach,
    UE_Kurs,
    UE_Bilingual,
    UE_Stunden,
    UE_Lehrer,
};

struct SchulSeite {
    // "   Schul-Daten   "
    CodeRaster schularten;          // "Schulart" (name, computed), "Schlüssel"
    std::string schulartSchluessel; // the key box beside "-->  Schulart löschen"
    CodeFeld orgform;
    std::string orgformText; // "Nennung"
    bool nennungSichtbar = false;
    CodeFeld ganztag;
    CodeRaster nichteinschulung; // "Art der Nichteinschulung", "Schlüssel", "männlich", "weiblich"

    // "   freie Träger   "
    std::string name;
    CodeFeld schulamt, rechtsstatus, traeger;
    std::string gemeinde;
    int gemeindeIndex = 0; // the combo of catalogue 54
    std::string plz, standort, strasse, email, internet;
    std::string anrede; // the editable combo's text
    std::string leiterTitel, leiterName, leiterTelefon;

    // "   Unterrichteinheiten   "
    CodeRaster ue;                                // eleven columns, read-only cells
    std::vector<TUnterrichtseinheitDS> einheiten; // the unit of each row, whole
    std::string ueId;                             // "ID:"
};

// The single fields of the page. Kept by hand: the school-type grid (empty keys
// skipped, capacity message), the lesson-unit table (renumbered), the
// non-enrolment row (its offered key "1") and the place combo.
using SchulBinder = Binder<TSchuleDS, SchulSeite>;
inline constexpr std::array kSchulFelder = {
    SchulBinder::Code("Schuldaten.Orgform", &SchulSeite::orgform),
    SchulBinder::Text("Orgform_Text", &SchulSeite::orgformText),
    SchulBinder::Code("Schuldaten.Ganztag", &SchulSeite::ganztag),
    SchulBinder::Text("freie_Traeger.Name", &SchulSeite::name),
    SchulBinder::Code("freie_Traeger.Schulamt", &SchulSeite::schulamt),
    SchulBinder::Code("freie_Traeger.Rechtsstatus", &SchulSeite::rechtsstatus),
    SchulBinder::Code("freie_Traeger.Traeger", &SchulSeite::traeger),
    SchulBinder::Text("freie_Traeger.Gemeinde", &SchulSeite::gemeinde),
    SchulBinder::Text("freie_Traeger.PLZ", &SchulSeite::plz),
    SchulBinder::Text("freie_Traeger.Standort", &SchulSeite::standort),
    SchulBinder::Text("freie_Traeger.Strasse", &SchulSeite::strasse),
    SchulBinder::Text("freie_Traeger.EMail", &SchulSeite::email),
    SchulBinder::Text("freie_Traeger.Internet", &SchulSeite::internet),
    SchulBinder::Text("freie_Traeger.Schulleiter.Anrede", &SchulSeite::anrede),
    SchulBinder::Text("freie_Traeger.Schulleiter.Titel", &SchulSeite::leiterTitel),
    SchulBinder::Text("freie_Traeger.Schulleiter.Name", &SchulSeite::leiterName),
    SchulBinder::Text("freie_Traeger.Schulleiter.Telefon", &SchulSeite::leiterTelefon),
};

// Width of the description column for a table `rasterBreite` pixels wide: what is
// left beside the other columns (`andereSpalten` wide together) and a margin of
// 75 when that is more than 100, otherwise 340.
inline constexpr int kUEAndereSpalten = 40 + 40 + 55 + 55 + 45 + 35 + 35 + 50 + 50 + 60;
int UEBeschreibungsBreite(int rasterBreite, int andereSpalten = kUEAndereSpalten);

// The description of one unit in the table, in the order the settings choose
// (1: subject first). Each coded part appears only when its key is found.
std::string UETabellenBeschreibung(const TUnterrichtseinheitDS& u, const Kataloge& k, const Katalog& lehrerAuswahl,
                                   int reihenfolge);

enum class UESortierung { NachID, NachKlasse, NachFach, NachLehrer };
// Used units first in the chosen order (stable), free units behind them.
void UESortieren(TSchuleDS& schule, UESortierung art);

// Capacity message for more entries on screen than the record holds.
std::string KapazitaetsText(int anzahl, const char* was);

// The page's logic over the controller of the run. Texts shown to the user go
// through `m`, dialogs and the result window through `dialoge`.
class SchulSeitenLogik {
public:
    SchulSeitenLogik(Steuerung& st, SchulDialoge& dialoge, Meldungen& m);
    SchulSeitenLogik(const SchulSeitenLogik&) = delete;
    SchulSeitenLogik& operator=(const SchulSeitenLogik&) = delete;

    SchulSeite& Seite() { return s_; }
    const SchulSeite& Seite() const { return s_; }
    const SchulListen& Listen() const { return listen_; }
    const KatalogKombos& Kombos() const { return kombos_; }

    // `ShowSchool` / `CollectSchool` over the controller's school record; taking
    // the page back also rebuilds the lesson-unit descriptions.
    void Zeigen();
    void Uebernehmen();
    void ShowSchool(const TSchuleDS& schule);
    void CollectSchool(TSchuleDS& schule);

    // Key boxes and combos.
    void OrgformGewaehlt(int index);
    void OrgformSchluesselGeaendert(std::string schluessel);
    void GemeindeGewaehlt(int index);

    // "   Schul-Daten   "
    void NeueSchulart();
    void SchulartLoeschen();

    // "   Unterrichteinheiten   "
    void NeueUE();
    void UEBearbeiten();
    void UELoeschen();
    void IdentischeUEsLoeschen();
    void Sortieren(UESortierung art);

    // The check buttons of the page and of its XML sub-page.
    PruefAusgang Pruefen(PruefKnopf knopf);

private:
    void UEZeileFuellen(int zeile);
    void UENummerieren();
    int UEZeileVonID(std::string_view id) const;
    void UEZeileAnhaengen(const TUnterrichtseinheitDS& u);
    void SchulartNamen(std::vector<std::string>& zeile) const;

    Steuerung& st_;
    SchulDialoge& dialoge_;
    Meldungen& m_;
    SchulListen listen_;
    KatalogKombos kombos_;
    SchulSeite s_;
    TUnterrichtseinheitDS puffer_{}; // the new-unit buffer; its teacher stays as the next default
};

} // namespace zev
