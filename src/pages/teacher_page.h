// The teacher sheets without widgets: the screen model of the five sub-pages,
// how the teacher buffer is put on them (`ShowTeacher`) and taken back
// (`CollectTeacher`), the sums, the lesson-unit buttons and the check buttons.
#pragma once

#include "model/colours.h"
#include "model/messages.h"
#include "model/records.h"
#include "pages/code_field.h"
#include "pages/code_grid.h"
#include "pages/date_mask.h"
#include "pages/field_binding.h"
#include "pages/ue_grid.h"
#include "plausi/check_course.h"

#include <optional>
#include <string>
#include <vector>

namespace zev {

class Kataloge;
class Steuerung;

struct LehrerSeite {
    // Above the sub-pages.
    std::string anzeigeName; // "Name, Vorname"

    // "  Grundd./ Ausb./ Lehrb.  "
    std::string lehrernummer, id, name, vorname, titel;
    int geschlecht = 0; // "???", "männlich", "weiblich"
    DatumsKasten geburtsdatum;
    CodeFeld staat, beschaeftigung;
    CodeRaster ausbildung, fachLehrb;

    // "  Stunden  "
    CodeRaster lehramt;
    std::string regelstunden, vertragsstunden, vertretung;
    CodeRaster anrechnung;
    Summenanzeige anrechnungSumme;

    // "  Arbeitszeit-...  "
    CodeRaster azRegelung, azKonto;
    Summenanzeige regelungEffektiv, kontoEffektiv;

    // "  Sonstiges / PmsA / Zu- und Abg.  "
    CodeFeld taetigkeit;
    CodeRaster personengruppe;
    std::string klassenleiter;
    int schulleiter = 0; // "???", "Schulleiter", "Stellvertreter"
    CodeRaster einsatz;
    Summenanzeige einsatzSumme;
    CodeFeld zugang, abgang;
    DatumsKasten zugangDatum, abgangDatum;

    // "  Unt.-Einheiten  "
    CodeRaster ue;
    Summenanzeige stundensumme;
};

// The fields of the sheets. Kept by hand: ID, Schulnummer, the sums, the lesson
// units (UESeite) and the head line.
using LehrerBinder = Binder<TLehrerDS, LehrerSeite>;
inline constexpr std::array kLehrerFelder = {
    // "  Grundd./ Ausb./ Lehrb.  "
    LehrerBinder::Text("Lehrernummer", &LehrerSeite::lehrernummer),
    LehrerBinder::Text("Grunddaten.Name", &LehrerSeite::name),
    LehrerBinder::Text("Grunddaten.Vorname", &LehrerSeite::vorname),
    LehrerBinder::Text("Grunddaten.Titel", &LehrerSeite::titel),
    LehrerBinder::Wahl("Grunddaten.Geschlecht", &LehrerSeite::geschlecht),
    LehrerBinder::Datum("Grunddaten.Geburtsdatum", &LehrerSeite::geburtsdatum),
    LehrerBinder::Code("Grunddaten.Staatszugehoerigkeit", &LehrerSeite::staat),
    LehrerBinder::Code("Grunddaten.Beschaeftigung", &LehrerSeite::beschaeftigung),
    // "  Stunden  "
    LehrerBinder::Text("Stunden.Regelstunden", &LehrerSeite::regelstunden),
    LehrerBinder::Text("Stunden.Vertragsstunden", &LehrerSeite::vertragsstunden),
    LehrerBinder::Text("Stunden.Vertretung", &LehrerSeite::vertretung),
    // "  Sonstiges / PmsA / Zu- und Abg.  "
    LehrerBinder::Code("Sonstiges.Taetigkeit", &LehrerSeite::taetigkeit),
    LehrerBinder::Text("Sonstiges.Klassenleiter", &LehrerSeite::klassenleiter),
    LehrerBinder::Wahl("Sonstiges.Schulleiter", &LehrerSeite::schulleiter),
    LehrerBinder::Code("Zu_Abgang.Zugang.Art", &LehrerSeite::zugang),
    LehrerBinder::Datum("Zu_Abgang.Zugang.Datum", &LehrerSeite::zugangDatum),
    LehrerBinder::Code("Zu_Abgang.Abgang.Art", &LehrerSeite::abgang),
    LehrerBinder::Datum("Zu_Abgang.Abgang.Datum", &LehrerSeite::abgangDatum),
};
// The code grids: single-column ones keep the rows whose key is not blank,
// multi-column ones the rows not blank in every column; both packed.
inline constexpr std::array kLehrerRaster = {
    LehrerBinder::Raster(&LehrerSeite::ausbildung, Packung::NichtLeererWert, "Grunddaten.Ausbildung"),
    LehrerBinder::Raster(&LehrerSeite::fachLehrb, Packung::NichtLeererWert, "Grunddaten.Fach_Lehrb"),
    LehrerBinder::Raster(&LehrerSeite::lehramt, Packung::NichtLeererWert, "Stunden.Lehramt"),
    LehrerBinder::Raster(&LehrerSeite::anrechnung, Packung::NichtLeereZeile, "Anrechnungsstunden.Grund",
                         "Anrechnungsstunden.Stunden"),
    LehrerBinder::Raster(&LehrerSeite::azRegelung, Packung::NichtLeereZeile, "Arbeitszeitregelung.Grund_mehr",
                         "Arbeitszeitregelung.Anzahl_mehr", "Arbeitszeitregelung.Grund_minder",
                         "Arbeitszeitregelung.Anzahl_minder"),
    LehrerBinder::Raster(&LehrerSeite::azKonto, Packung::NichtLeereZeile, "Arbeitszeitkonto.Grund_mehr",
                         "Arbeitszeitkonto.Anzahl_mehr", "Arbeitszeitkonto.Grund_minder",
                         "Arbeitszeitkonto.Anzahl_minder"),
    LehrerBinder::Raster(&LehrerSeite::personengruppe, Packung::NichtLeererWert, "Sonstiges.Personengruppe"),
    LehrerBinder::Raster(&LehrerSeite::einsatz, Packung::NichtLeereZeile, "Einsatz.Art", "Einsatz.Jahrgang",
                         "Einsatz.Stunden"),
};

// Anrechnungsstunden "Summe:" (red above 0, blue at 0, fuchsia below), "effektiv:"
// of a working-time grid (green, blue, red) and the Einsatz "Summe:" (black).
Summenanzeige AnrechnungsSumme(const CodeRaster& r);
Summenanzeige ArbeitszeitSaldo(const CodeRaster& r);
Summenanzeige EinsatzSumme(const CodeRaster& r);

// What the teacher pages need from around them.
class LehrerDialoge {
public:
    virtual ~LehrerDialoge() = default;
    // The lesson-unit chooser; the chosen UE-IDs (UTF-8), nothing for "abbrechen".
    virtual std::optional<std::vector<std::string>> UEAuswaehlen() = 0;
    virtual void Ergebnisfenster() = 0;
    virtual void Gruppenfenster() = 0;
};

class LehrerSeitenLogik {
public:
    LehrerSeitenLogik(Steuerung& st, LehrerDialoge& dialoge, Meldungen& m);
    LehrerSeitenLogik(const LehrerSeitenLogik&) = delete;
    LehrerSeitenLogik& operator=(const LehrerSeitenLogik&) = delete;

    LehrerSeite& Seite() { return s_; }
    const LehrerSeite& Seite() const { return s_; }
    const KatalogKombos& Kombos() const { return kombos_; }

    // Over the controller's teacher buffer.
    void Zeigen();
    void Uebernehmen();
    void ShowTeacher(const TLehrerDS& l);
    void CollectTeacher(TLehrerDS& l);
    // A date box is left: refused with its message when it cannot be taken.
    bool DatumVerlassen(DatumsKasten& k) { return zev::DatumVerlassen(k, m_); }

    // After a cell of a grid changed: descriptions are renewed by the grid, the
    // sums here.
    void SummenNeu();

    // "  Unt.-Einheiten": the buttons shared with the students.
    UESeite& UE() { return ue_; }

    PruefAusgang Pruefen(PruefKnopf knopf);
    PruefAusgang GrossePlausi();

private:
    Steuerung& st_;
    LehrerDialoge& dialoge_;
    Meldungen& m_;
    KatalogKombos kombos_;
    LehrerSeite s_;
    UESeite ue_;
};

} // namespace zev
