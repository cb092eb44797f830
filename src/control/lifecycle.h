// The program over one run, without a window: start-up, the folders in use,
// loading areas on first use, saving when a page is left, the commands of the
// main window, closing, and the start-up backup. The window forwards its events
// here and draws what the controller reports; `zev` loads and writes areas
// through the same controller.
#pragma once

#include "catalog/catalogue_loader.h"
#include "control/area_loading.h"
#include "control/import_report.h"
#include "control/info_box.h"
#include "control/write_guard.h"
#include "model/colours.h"
#include "model/database.h"
#include "model/messages.h"
#include "model/settings.h"
#include "plausi/message_table.h"
#include "plausi/result_listing.h"
#include "plausi/run_state.h"
#include "storage/folders.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zev {

// What the window provides. Every hook may stay empty: a page then shows and
// collects nothing, no timer runs and no notice appears.
struct Fensterdienste {
    std::function<void(Seite)> seiteZeigen;      // record or buffer onto the page
    std::function<void(Seite)> seiteUebernehmen; // page into record or buffer
    std::function<void(int millisekunden)> sicherungsTimerStarten;
    std::function<void(const InfoTexte&, std::uint16_t dauer)> showInfo;
};

// The start page and the status fields, as the window draws them.
struct Statusanzeige {
    std::string schulnummer; // UTF-8
    std::string datenOrdner;
    AnzeigeZeile quelle;
    AnzeigeZeile zugriff;
    bool hinweiseSchwarz = false;                 // the two hints lose their first-start colours
    std::array<std::pair<int, int>, 3> zaehler{}; // teachers, classes, students: current + 1, last + 1
    bool speichernGedrueckt = false;
    // Another run writes the data folder: this one only reads. The text names the holder.
    bool nurLesen = false;
    std::string sperrHinweis;
    AnzeigeZeile speichernKnopf{"Speichern 1x aussetzen", Farbe::Schwarz};
};

// "Gespeichert: " and the files written, then " – " and the time as HH:MM; "" for no file.
std::string GespeichertMeldung(const std::vector<std::string>& dateien, int stunde, int minute);

class Steuerung {
public:
    Steuerung(std::string programmOrdner, Meldungen& m, Fensterdienste dienste = {});

    // --- start-up --------------------------------------------------------------------
    // The window-creation steps: start state of the areas, catalogues, display lists,
    // settings, message table. `mitKatalogen` false skips the catalogues (for
    // commands that only move data).
    void Erstellen(bool mitKatalogen = true);
    // When the main window is shown: folders, start page, backup timer, status.
    // A run that writes for its whole length (the window) takes the data folder's
    // lock here; when another run holds it, this one works read-only.
    void Gezeigt();
    // Makes this run the writer of its data folder from `Gezeigt` on, under the
    // name `programm` ("zev-manager").
    void DauerhaftSperren(std::string programm);
    // For a command that writes: takes the data folder's lock under `programm`,
    // waiting up to `warteSekunden`; when another run holds it, says so (an error)
    // and returns false.
    bool Sperren(std::string_view programm, int warteSekunden);
    // The lock again after another run held it ("Erneut versuchen"). On success the
    // areas whose files changed in the meantime are loaded anew.
    bool ErneutVersuchen();
    // Another run writes the data folder; this run writes nothing.
    bool NurLesen() const { return aufsicht_.NurLesen(); }
    // In read-only mode: says why nothing is written and returns true.
    bool SchreibenVerweigert();

    // --- pages ---------------------------------------------------------------------------
    Seite AktuelleSeite() const { return seite_; }
    // False when the page must stay: the person cancelled a write over a file that
    // another program changed, or chose to see that program's version.
    bool SeiteVerlassen(Seite s);
    void SeiteBetreten(Seite s);
    // Leaves the open page and enters `s`; false when the page had to stay.
    bool SeiteWechseln(Seite s);
    // "XML-Datei" sub-page: takes the page in, writes the area's XML file, returns its text.
    std::string XmlSeite(Bereich b);

    // --- commands ---------------------------------------------------------------------
    void Neu();
    // "Ö&ffnen" with the file the user chose.
    void Oeffnen(const std::string& pfad);
    bool Speichern();
    void SpeichernAussetzen(bool gedrueckt);
    // The person changed something on the open page since its record was last shown
    // or stored; the window marks its title while this holds.
    void Bearbeitet() { bearbeitet_ = BereichVon(seite_).has_value(); }
    bool IstBearbeitet() const { return bearbeitet_; }
    // "Änderungen am Datensatz verwerfen": after a question, the open page shows its
    // record as last stored again. False when nothing was edited or the person said No.
    bool DatensatzVerwerfen();
    // What the last write stored and when ("Gespeichert: Lehrer.ZEV, Lehrer.XML – 10:42"),
    // once; "" when nothing was written since the last call.
    std::string SpeicherMeldungAbholen() { return std::exchange(speicherMeldung_, {}); }
    void NeuLaden();
    // After the settings dialog ended with OK.
    void EinstellungenUebernommen();
    // Closing the window; the program ends afterwards unless this returns false
    // (the person chose to stay).
    bool Schliessen();
    // "Löschen der ... / aller ..." > "Schul-Daten": the start page, without page events.
    void SchulDatenMenue();
    // The start-up backup's timer fired.
    void SicherungsTimerAbgelaufen();

    // --- areas for the commands of `zev` --------------------------------------------------
    // Loads an area from its source when it is not loaded yet (as a page would).
    std::vector<ImportBericht> Laden(Bereich b);
    // Loads an area from its internal file, whatever the source setting.
    void InternLaden(Bereich b);
    std::vector<ImportBericht> Importieren(Bereich b);
    // Internal file, with the protection of unreadable files and of files another
    // program changed since they were loaded. False when nothing was written.
    bool Schreiben(Bereich b);
    bool Exportieren(Bereich b); // XML file
    // Loads the area where it is not loaded yet and writes its XML file, unless it
    // could not be loaded as it stands: an area held empty in place of an unreadable
    // file would replace a good XML file with nothing. The path written, or "" after
    // a message.
    std::string Ausliefern(Bereich b);
    // The first half of that: loads the area where it is not loaded yet; false when
    // it could not be loaded as it stands (the caller says what is not written).
    bool AusliefernBereit(Bereich b);
    // The values of the open page into its record or buffer, and its lists anew.
    void OffeneSeiteEinholen();
    // "Datei" > "Exportieren": takes the open page in and writes the XML files of all
    // four areas; the paths written, reported in one message.
    std::vector<std::string> AllesExportieren();
    bool Geladen(Bereich b) const;
    // The reports of the imports made since the last call (page entries, "Ö&ffnen"), oldest first.
    std::vector<BereichsImport> ImporteAbholen() { return std::exchange(importe_, {}); }
    // The area's internal file is there but could not be read when it was last loaded.
    bool LadenFehlgeschlagen(Bereich b) const { return !unlesbar_[static_cast<std::size_t>(b)].empty(); }

    // --- state -------------------------------------------------------------------------
    Datenbestand& Daten() { return *d_; }
    const Datenbestand& Daten() const { return *d_; }
    TEinstellungen& Einstellungen() { return e_; }
    // The settings file as this run read or last wrote it.
    io::Dateistand& EinstellungsStand() { return einstellungsStand_; }
    const Ordner& Ordnerpfade() const { return o_; }
    const Kataloge& Katalogliste() const { return kataloge_; }
    PlausiLauf& Plausi() { return plausi_; }
    const Fehlertexte& Texte() const { return texte_; }
    InfoBox& Info() { return info_; }
    bool SpeichernAn() const { return speichernAn_; }
    const Statusanzeige& Status() const { return status_; }

    const Katalog& LehrerListe() const { return AnzeigeListe(Bereich::Lehrer); }
    const Katalog& SchuelerListe() const { return AnzeigeListe(Bereich::Schueler); }
    const Katalog& KlassenListe() const { return AnzeigeListe(Bereich::Klassen); }
    // The display list of a list area (one entry per record); empty for the school.
    const Katalog& AnzeigeListe(Bereich b) const { return listen_[static_cast<std::size_t>(b)]; }
    // What the search of the list looks through for record `index` (Windows-1252); "" outside the area.
    std::string SuchEintrag(Bereich b, std::int32_t index) const;
    const Katalog& LehrerAuswahl() const { return lehrerAuswahl_; }
    const Katalog& UEBeschreibungen() const { return ueBeschreibungen_; }

    void StartseiteAnzeigen();
    void StatusAnzeigen();
    // The lesson-unit descriptions anew, after the school page was taken back.
    void UEBeschreibungenNeu();

    // The window's hooks: the record or buffer onto page `s`, and the page back.
    void Zeigen(Seite s);
    void Uebernehmen(Seite s);
    // The display lists of a list area anew (teachers: with the teacher choice).
    void ListenAufbauen(Bereich b);
    // Only the entries of element `index`, from the array (teachers: with the teacher
    // choice): after it was rewritten, inserted or removed.
    void ListenEintragNeu(Bereich b, std::int32_t index);
    void ListenEintragEingefuegt(Bereich b, std::int32_t index);
    void ListenEintragEntfernt(Bereich b, std::int32_t index);

private:
    enum class Schreibstand { Geschrieben, Fehlgeschlagen, Abgebrochen };
    Schreibstand SchreibenGeprueft(Bereich b);
    // The area from its internal file, dropping what this run holds of it.
    void AndereFassungLaden(Bereich b);
    // Marks an area loaded and remembers the state of its file.
    void AlsGeladen(Bereich b);
    std::string ZevPfad(Bereich b) const;
    // A fingerprint of what an area holds, to tell in read-only mode whether anything was edited.
    std::size_t Fingerabdruck(Bereich b) const;
    // After an area was loaded: its display lists anew (the school: the lesson-unit descriptions).
    void ListenNachLaden(Bereich b);
    void PufferZurueck(Seite s);
    // What page `s` shows into its record or buffer, and the buffer into its area.
    void SeiteEinholen(Seite s);
    Schreibstand SchreibenUndExportieren(Bereich b);
    void KopieLS(Bereich b);

    std::string programmOrdner_;
    Meldungen& m_;
    Fensterdienste dienste_;

    std::unique_ptr<Datenbestand> d_ = std::make_unique<Datenbestand>();
    TEinstellungen e_{};
    io::Dateistand einstellungsStand_;
    Ordner o_;
    Kataloge kataloge_;
    Fehlertexte texte_;
    PlausiLauf plausi_;
    InfoBox info_;
    Statusanzeige status_;
    Seite seite_ = Seite::Start;
    bool speichernAn_ = true;
    // Internal files that exist but could not be read, per area (1..4); kept
    // aside before the area is next written.
    std::array<std::string, 5> unlesbar_{};
    Schreibaufsicht aufsicht_{"zev"};
    bool dauerhaftSperren_ = false;
    std::array<std::size_t, 5> fingerabdruck_{}; // read-only mode: each area as loaded
    std::vector<BereichsImport> importe_;
    bool bearbeitet_ = false;
    std::string speicherMeldung_;

    // The display lists by area number (the school's stays empty).
    std::array<Katalog, 5> listen_;
    Katalog lehrerAuswahl_, ueBeschreibungen_;
};

} // namespace zev
