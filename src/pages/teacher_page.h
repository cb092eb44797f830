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
#include "pages/ue_grid.h"
#include "plausi/check_course.h"

#include <optional>
#include <string>
#include <vector>

namespace zev {

class Kataloge;
class Steuerung;

// The combos of the teacher pages, filled once from the loaded catalogues.
struct LehrerListen {
    KomboListe staat, beschaeftigung;          // 29, 11
    KomboListe ausbildung, fachLehrb, lehramt; // 34, 15, 30
    KomboListe anrechnung, stunden;            // 8, 107
    KomboListe azRegelung, azKonto;            // 22, 23
    KomboListe taetigkeit, personengruppe;     // 5, 33
    KomboListe einsatzArt, jahrgang;           // 35, 27
    KomboListe zugang, abgang;                 // 47, 1
};
LehrerListen LehrerListenAufbauen(const Kataloge& k);

// A computed number as shown: its text and colour.
struct Summenanzeige {
    std::string text = "0";
    Farbe farbe = Farbe::Schwarz;
    bool operator==(const Summenanzeige&) const = default;
};

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
    const LehrerListen& Listen() const { return listen_; }

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

    // "  Unt.-Einheiten  "
    void UEHinzufuegen();
    void UEAnsichtAktualisieren();
    void UELeereZeile();
    void UELoeschen();
    void UEAlleLoeschen();

    PruefAusgang Pruefen(PruefKnopf knopf);
    PruefAusgang GrossePlausi();

private:
    Steuerung& st_;
    LehrerDialoge& dialoge_;
    Meldungen& m_;
    LehrerListen listen_;
    LehrerSeite s_;
};

} // namespace zev
