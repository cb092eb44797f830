#include "control/lifecycle.h"

#include "control/display_lists.h"
#include "io/file_io.h"
#include "model/encoding.h"
#include "model/paths.h"
#include "storage/area_files.h"
#include "storage/backup.h"
#include "storage/settings_file.h"
#include "xml/export_trees.h"
#include "xml/xml_scanner.h"

#include <chrono>

namespace zev {

std::optional<Bereich> BereichVon(Seite s) {
    switch (s) {
        case Seite::Schule:
            return Bereich::Schule;
        case Seite::Lehrer:
            return Bereich::Lehrer;
        case Seite::Klassen:
            return Bereich::Klassen;
        case Seite::Schueler:
            return Bereich::Schueler;
        case Seite::Start:
            break;
    }
    return std::nullopt;
}

namespace {

std::size_t Nr(Bereich b) {
    return static_cast<std::size_t>(b);
}

std::string_view Dateiname(Bereich b) {
    switch (b) {
        case Bereich::Schule:
            return "Schule";
        case Bereich::Lehrer:
            return "Lehrer";
        case Bereich::Klassen:
            return "Klassen";
        case Bereich::Schueler:
            return "Schueler";
    }
    return "";
}

const char* Schliessfrage(Bereich b) {
    switch (b) {
        case Bereich::Schule:
            return "Die Schuldaten wurden ev. geändert!\r\rWollen Sie die aktuellen Daten im\rinternen Datenformat "
                   "(*.ZEV) sichern?";
        case Bereich::Lehrer:
            return "Die Lehrerdaten wurden ev. geändert!\r\rWollen Sie die aktuellen Daten im\rinternen Datenformat "
                   "(*.ZEV) sichern?";
        case Bereich::Klassen:
            return "Die Klassendaten wurden ev. geändert!\r\rWollen Sie die aktuellen Daten im\rinternen Datenformat "
                   "(*.ZEV) sichern?";
        case Bereich::Schueler:
            return "Die Schülerdaten wurden ev. geändert!\r\rWollen Sie die aktuellen Daten im\rinternen Datenformat "
                   "(*.ZEV) sichern?";
    }
    return "";
}

// The root element of an XML file; empty when the file holds none.
std::string RootVon(const std::string& pfad) {
    XmlPartScanner sc;
    std::string fehler;
    if (!sc.Laden(pfad, fehler)) return {};
    XmlTeil t;
    while (sc.Naechster(t))
        if (t.art == XmlTeilArt::Start || t.art == XmlTeilArt::LeerElement) return t.name;
    return {};
}

} // namespace

Steuerung::Steuerung(std::string programmOrdner, Meldungen& m, Fensterdienste dienste)
    : programmOrdner_(MitTrenner(std::move(programmOrdner))), m_(m), dienste_(std::move(dienste)) {
    o_.Programm = programmOrdner_;
}

void Steuerung::Erstellen(bool mitKatalogen) {
    // The main window is created before the settings are read: its records carry
    // no school number until the folders are determined.
    AnfangsZustand(*d_, "", m_);
    if (mitKatalogen) kataloge_.AlleLaden(programmOrdner_, m_);
    LehrerListeAufbauen(lehrerListe_, d_->Lehrer);
    SchuelerListeAufbauen(schuelerListe_, d_->Schueler);
    KlassenListeAufbauen(klassenListe_, d_->Klassen);
    EinstellungenLesen(e_, programmOrdner_, "", m_);
    texte_.FehlertexteAufbauen(programmOrdner_);
}

void Steuerung::Gezeigt() {
    plausi_.Saat(static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    status_.hinweiseSchwarz = OrdnerBestimmen(o_, e_, d_->SchulDS, m_);
    StartseiteAnzeigen();
    if (e_.StartSicherung == 1 && dienste_.sicherungsTimerStarten) dienste_.sicherungsTimerStarten(2000);
    StatusAnzeigen();
}

// --- loading and writing --------------------------------------------------------------

bool Steuerung::Geladen(Bereich b) const {
    switch (b) {
        case Bereich::Schule:
            return d_->SchuleGeladen;
        case Bereich::Lehrer:
            return d_->Lehrer.Geladen;
        case Bereich::Klassen:
            return d_->Klassen.Geladen;
        case Bereich::Schueler:
            return d_->Schueler.Geladen;
    }
    return false;
}

void Steuerung::InternLaden(Bereich b) {
    bool gelesen = false;
    switch (b) {
        case Bereich::Schule:
            gelesen = SchuleLesen(*d_, o_.Daten, m_);
            break;
        case Bereich::Lehrer:
            gelesen = LehrerLesen(*d_, o_.Daten, e_, m_);
            break;
        case Bereich::Klassen:
            gelesen = KlassenLesen(*d_, o_.Daten, e_, m_);
            break;
        case Bereich::Schueler:
            gelesen = SchuelerLesen(*d_, o_.Daten, e_, m_);
            break;
    }
    // A file that is there but was refused must not be overwritten by the next save.
    const std::string pfad = DateiPfad(o_.Daten, Dateiname(b), "ZEV");
    if (gelesen)
        unlesbar_[Nr(b)].clear();
    else if (io::Existiert(pfad))
        unlesbar_[Nr(b)] = pfad;
}

std::vector<ImportBericht> Steuerung::Importieren(Bereich b) {
    return BereichImportieren(b, *d_, e_, m_);
}

std::vector<ImportBericht> Steuerung::Laden(Bereich b) {
    std::vector<ImportBericht> berichte;
    if (Geladen(b)) return berichte;
    if (e_.Datenquelle == 0)
        berichte = Importieren(b);
    else if (e_.Datenquelle != 2)
        InternLaden(b);
    switch (b) {
        case Bereich::Schule:
            d_->SchuleGeladen = true;
            break;
        case Bereich::Lehrer:
            d_->Lehrer.Geladen = true;
            break;
        case Bereich::Klassen:
            d_->Klassen.Geladen = true;
            break;
        case Bereich::Schueler:
            d_->Schueler.Geladen = true;
            break;
    }
    return berichte;
}

bool Steuerung::Schreiben(Bereich b) {
    const std::string pfad = DateiPfad(o_.Daten, Dateiname(b), "ZEV");
    const bool aufbewahren = unlesbar_[Nr(b)] == pfad;
    const std::string_view vorgaenger = aufbewahren ? "ZEV.defekt" : "SIC";
    bool ok = false;
    switch (b) {
        case Bereich::Schule:
            ok = SchuleSchreiben(d_->SchulDS, o_.Daten, m_, vorgaenger);
            break;
        case Bereich::Lehrer:
            ok = BereichSchreiben(d_->Lehrer, o_.Daten, e_, m_, vorgaenger);
            break;
        case Bereich::Klassen:
            ok = BereichSchreiben(d_->Klassen, o_.Daten, e_, m_, vorgaenger);
            break;
        case Bereich::Schueler:
            ok = BereichSchreiben(d_->Schueler, o_.Daten, e_, m_, vorgaenger);
            break;
    }
    if (ok && aufbewahren) {
        unlesbar_[Nr(b)].clear();
        m_.Information("Die Datei:\r" + pfad + "\rkonnte nicht gelesen werden und wurde aufbewahrt als:\r" + pfad +
                       ".defekt");
    }
    return ok;
}

bool Steuerung::Exportieren(Bereich b) {
    return BereichExportieren(b, *d_, e_, o_, m_);
}

void Steuerung::KopieLS(Bereich b) {
    switch (b) {
        case Bereich::Schule:
            SchuleKopieLS(d_->SchulDS, o_.Daten, m_);
            break;
        case Bereich::Lehrer:
            BereichKopieLS(d_->Lehrer, o_.Daten, e_, m_);
            break;
        case Bereich::Klassen:
            BereichKopieLS(d_->Klassen, o_.Daten, e_, m_);
            break;
        case Bereich::Schueler:
            BereichKopieLS(d_->Schueler, o_.Daten, e_, m_);
            break;
    }
}

bool Steuerung::SchreibenUndExportieren(Bereich b) {
    const bool intern = Schreiben(b);
    const bool xml = Exportieren(b);
    return intern && xml;
}

// --- pages -----------------------------------------------------------------------------

void Steuerung::Zeigen(Seite s) {
    if (dienste_.seiteZeigen) dienste_.seiteZeigen(s);
}

void Steuerung::Uebernehmen(Seite s) {
    if (dienste_.seiteUebernehmen) dienste_.seiteUebernehmen(s);
}

void Steuerung::ListenAufbauen(Bereich b) {
    switch (b) {
        case Bereich::Lehrer:
            LehrerListeAufbauen(lehrerListe_, d_->Lehrer);
            LehrerAuswahlAufbauen(lehrerAuswahl_, d_->Lehrer);
            break;
        case Bereich::Klassen:
            KlassenListeAufbauen(klassenListe_, d_->Klassen);
            break;
        case Bereich::Schueler:
            SchuelerListeAufbauen(schuelerListe_, d_->Schueler);
            break;
        case Bereich::Schule:
            break;
    }
}

void Steuerung::ListenEintragNeu(Bereich b, std::int32_t index) {
    switch (b) {
        case Bereich::Lehrer:
            AnzeigeEintragNeu(lehrerListe_, d_->Lehrer, index);
            AuswahlEintragNeu(lehrerAuswahl_, d_->Lehrer, index);
            break;
        case Bereich::Klassen:
            AnzeigeEintragNeu(klassenListe_, d_->Klassen, index);
            break;
        case Bereich::Schueler:
            AnzeigeEintragNeu(schuelerListe_, d_->Schueler, index);
            break;
        case Bereich::Schule:
            break;
    }
}

void Steuerung::ListenEintragEingefuegt(Bereich b, std::int32_t index) {
    switch (b) {
        case Bereich::Lehrer:
            AnzeigeEintragEingefuegt(lehrerListe_, d_->Lehrer, index);
            AuswahlEintragEingefuegt(lehrerAuswahl_, d_->Lehrer, index);
            break;
        case Bereich::Klassen:
            AnzeigeEintragEingefuegt(klassenListe_, d_->Klassen, index);
            break;
        case Bereich::Schueler:
            AnzeigeEintragEingefuegt(schuelerListe_, d_->Schueler, index);
            break;
        case Bereich::Schule:
            break;
    }
}

void Steuerung::ListenEintragEntfernt(Bereich b, std::int32_t index) {
    switch (b) {
        case Bereich::Lehrer:
            AnzeigeEintragEntfernt(lehrerListe_, d_->Lehrer, index);
            AuswahlEintragEntfernt(lehrerAuswahl_, d_->Lehrer, index);
            break;
        case Bereich::Klassen:
            AnzeigeEintragEntfernt(klassenListe_, d_->Klassen, index);
            break;
        case Bereich::Schueler:
            AnzeigeEintragEntfernt(schuelerListe_, d_->Schueler, index);
            break;
        case Bereich::Schule:
            break;
    }
}

void Steuerung::PufferZurueck(Seite s) {
    switch (s) {
        case Seite::Lehrer:
            PufferSpeichern(d_->Lehrer, d_->Lehrer.Aktuell, m_);
            break;
        case Seite::Klassen:
            PufferSpeichern(d_->Klassen, d_->Klassen.Aktuell, m_);
            break;
        case Seite::Schueler:
            PufferSpeichern(d_->Schueler, d_->Schueler.Aktuell, m_);
            break;
        default:
            break;
    }
}

void Steuerung::UEBeschreibungenNeu() {
    UEBeschreibungenAufbauen(ueBeschreibungen_, d_->SchulDS, kataloge_, lehrerAuswahl_, e_.UEInfoReihenfolge);
}

void Steuerung::SeiteVerlassen(Seite s) {
    const auto b = BereichVon(s);
    if (!b) return;
    Uebernehmen(s);
    if (s == Seite::Schule)
        d_->SchuleGeladen = true;
    else
        PufferZurueck(s);
    if (speichernAn_)
        SchreibenUndExportieren(*b);
    else
        speichernAn_ = true;
}

void Steuerung::SeiteBetreten(Seite s) {
    seite_ = s;
    const auto lehrerListen = [&] {
        LehrerListeAufbauen(lehrerListe_, d_->Lehrer);
        LehrerAuswahlAufbauen(lehrerAuswahl_, d_->Lehrer);
    };
    switch (s) {
        case Seite::Start:
            break;
        case Seite::Schule:
            if (!d_->Lehrer.Geladen) Laden(Bereich::Lehrer), lehrerListen();
            if (!d_->Klassen.Geladen) Laden(Bereich::Klassen), KlassenListeAufbauen(klassenListe_, d_->Klassen);
            if (!d_->SchuleGeladen) Laden(Bereich::Schule);
            UEBeschreibungenNeu();
            break;
        case Seite::Lehrer:
            Laden(Bereich::Lehrer);
            lehrerListen();
            if (!d_->SchuleGeladen) Laden(Bereich::Schule), UEBeschreibungenNeu();
            Laden(Bereich::Klassen);
            PufferLaden(d_->Lehrer, d_->Lehrer.Aktuell);
            break;
        case Seite::Klassen:
            if (!d_->Lehrer.Geladen) Laden(Bereich::Lehrer), lehrerListen();
            if (!d_->SchuleGeladen) Laden(Bereich::Schule), UEBeschreibungenNeu();
            Laden(Bereich::Klassen);
            KlassenListeAufbauen(klassenListe_, d_->Klassen);
            PufferLaden(d_->Klassen, d_->Klassen.Aktuell);
            break;
        case Seite::Schueler:
            if (!d_->SchuleGeladen) Laden(Bereich::Schule), UEBeschreibungenNeu();
            Laden(Bereich::Klassen);
            Laden(Bereich::Schueler);
            SchuelerListeAufbauen(schuelerListe_, d_->Schueler);
            PufferLaden(d_->Schueler, d_->Schueler.Aktuell);
            break;
    }
    if (s != Seite::Start) Zeigen(s);
    StatusAnzeigen();
}

void Steuerung::SeiteWechseln(Seite s) {
    SeiteVerlassen(seite_);
    SeiteBetreten(s);
}

std::string Steuerung::XmlSeite(Bereich b) {
    const Seite s = static_cast<Seite>(static_cast<int>(b));
    Uebernehmen(s);
    PufferZurueck(s);
    Exportieren(b);
    std::string fehler;
    const auto bytes = io::GanzLesen(XmlExportPfad(e_, static_cast<int>(b), o_.Export), fehler);
    if (!bytes) return {};
    return Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

// --- commands --------------------------------------------------------------------------

void Steuerung::Neu() {
    if (!m_.Frage("Wollen Sie jetzt mit einer neuen (leeren) Datenbank beginnen?\r\rÄnderungen an den aktuellen "
                  "Daten gehen dann beim\rnächsten (manuellen od. automatischen) Speichern verloren!"))
        return;
    SeiteVerlassen(seite_);
    AnfangsZustand(*d_, e_.Schulnummer.view(), m_);
    LehrerListeAufbauen(lehrerListe_, d_->Lehrer);
    SchuelerListeAufbauen(schuelerListe_, d_->Schueler);
    KlassenListeAufbauen(klassenListe_, d_->Klassen);
    d_->SchuleGeladen = d_->Lehrer.Geladen = d_->Klassen.Geladen = d_->Schueler.Geladen = true;
    unlesbar_.fill({});
    SeiteBetreten(seite_);
}

void Steuerung::Oeffnen(const std::string& pfad) {
    const std::string root = RootVon(pfad);
    ImportBericht bericht;
    std::optional<Bereich> ersetzt;
    const std::string_view nr = e_.Schulnummer.view();
    if (root == "Alle_Schulen") {
        if (auto s = ImportSchoolXml(pfad, e_, m_, bericht)) {
            const TXMLImportEintrag& x = e_.XMLImport[ImportSchule][1];
            MergeSchoolImport(d_->SchulDS, *s, x.Datensaetze, x.Einzelfelder, m_, bericht);
            d_->SchuleGeladen = true;
            UEBeschreibungenNeu();
            ersetzt = Bereich::Schule;
        }
    } else if (root == "Alle_Lehrer") {
        if (auto v = ImportTeacherXml(pfad, e_, m_, bericht)) {
            BereichErsetzen(d_->Lehrer, std::move(*v), nr, m_);
            d_->Lehrer.Geladen = true;
            LehrerListeAufbauen(lehrerListe_, d_->Lehrer);
            LehrerAuswahlAufbauen(lehrerAuswahl_, d_->Lehrer);
            ersetzt = Bereich::Lehrer;
        }
    } else if (root == "Alle_Klassen") {
        if (auto v = ImportClassXml(pfad, e_, m_, bericht)) {
            BereichErsetzen(d_->Klassen, std::move(*v), nr, m_);
            d_->Klassen.Geladen = true;
            KlassenListeAufbauen(klassenListe_, d_->Klassen);
            ersetzt = Bereich::Klassen;
        }
    } else if (root == "Alle_Schueler") {
        if (auto v = ImportStudentXml(pfad, e_, m_, bericht)) {
            BereichErsetzen(d_->Schueler, std::move(*v), nr, m_);
            d_->Schueler.Geladen = true;
            SchuelerListeAufbauen(schuelerListe_, d_->Schueler);
            ersetzt = Bereich::Schueler;
        }
    } else {
        m_.Fehler("Die eingelesene Datei konnte keinem Bereich\r(Schule, Lehrer, Klassen, Schüler) zugeordnet "
                  "werden!\r\rWiederholen Sie den Vorgang ev. mit einer anderen Datei!");
        return;
    }
    if (ersetzt && BereichVon(seite_) == ersetzt) {
        if (seite_ == Seite::Lehrer) PufferLaden(d_->Lehrer, d_->Lehrer.Aktuell);
        if (seite_ == Seite::Klassen) PufferLaden(d_->Klassen, d_->Klassen.Aktuell);
        if (seite_ == Seite::Schueler) PufferLaden(d_->Schueler, d_->Schueler.Aktuell);
        Zeigen(seite_);
    }
    StatusAnzeigen();
}

void Steuerung::Speichern() {
    SeiteVerlassen(seite_);
    StatusAnzeigen();
}

void Steuerung::SpeichernAussetzen(bool gedrueckt) {
    speichernAn_ = !gedrueckt;
    StatusAnzeigen();
}

void Steuerung::NeuLaden() {
    if (!m_.Frage("Wollen Sie jetzt das Öffnen / Laden / Importieren der Daten wiederholen?\r\rÄnderungen an den "
                  "aktuellen Daten gehen beim nächsten\r(manuellen od. automatischen) Speichern verloren!"))
        return;
    d_->SchuleGeladen = d_->Lehrer.Geladen = d_->Klassen.Geladen = d_->Schueler.Geladen = false;
}

void Steuerung::EinstellungenUebernommen() {
    status_.hinweiseSchwarz = OrdnerBestimmen(o_, e_, d_->SchulDS, m_);
    StartseiteAnzeigen();
    StatusAnzeigen();
}

void Steuerung::Schliessen() {
    const auto b = BereichVon(seite_);
    if (!b) return;
    KopieLS(*b);
    if (m_.Frage(Schliessfrage(*b))) {
        Uebernehmen(seite_);
        PufferZurueck(seite_);
        Schreiben(*b);
    }
    KopieLS(*b);
}

void Steuerung::SchulDatenMenue() {
    // Nothing is written or deleted, but what was typed on the page goes into its
    // record first: the page is shown afresh from the record when it is entered
    // again, and would otherwise lose the edits.
    if (BereichVon(seite_)) {
        Uebernehmen(seite_);
        if (seite_ == Seite::Schule)
            d_->SchuleGeladen = true;
        else
            PufferZurueck(seite_);
    }
    seite_ = Seite::Start;
}

void Steuerung::SicherungsTimerAbgelaufen() {
    const std::string datenPfad = PfadAusFeld(e_.DatenPfad);
    if (datenPfad.empty()) return;
    const std::string ziel = MitTrenner(datenPfad) + "Backups" + kTrenner;
    if (!io::OrdnerAnlegen(ziel)) return;
    // Asked only when the backup was switched off in the meantime.
    if (e_.StartSicherung == 0 &&
        m_.Zeigen(MeldungsArt::Information,
                  "Sollen die (ev.) vorhandenen Daten-Dateien jetzt\rin das Backup-Verzeichnis gesichert werden?\r",
                  Tasten::JaNein) != Antwort::Ja)
        return;
    if (!io::IstOrdner(datenPfad)) return;
    SicherungKopieren(datenPfad, ziel);
    const InfoTexte t{"Information", "", {"Sicherheitskopien der wichtigen", "Daten-Dateien erstellt!", "", "", ""}};
    info_.Setzen(t, 2000);
    if (dienste_.showInfo) dienste_.showInfo(t, 2000);
}

// --- status -----------------------------------------------------------------------------

void Steuerung::StartseiteAnzeigen() {
    status_.schulnummer = Cp1252ToUtf8(d_->SchulDS.Schulnummer.view());
    status_.datenOrdner = o_.Daten;
    switch (e_.Datenquelle.get()) {
        case 0:
            status_.quelle = {"externe *.XML-Dateien", Farbe::Schwarz};
            break;
        case 2:
            status_.quelle = {"Datenbank", Farbe::Rot};
            break;
        default:
            status_.quelle = {"interne *.ZEV-Dateien", Farbe::Blau};
            break;
    }
    if (e_.Datenquelle == 2)
        status_.zugriff = {"nur LESEN", Farbe::Rot};
    else if (e_.Dateizugriff != 1)
        status_.zugriff = {"nur LESEN", Farbe::Gruen};
    else
        status_.zugriff = {"LESEN und SCHREIBEN", Farbe::Rot};
}

void Steuerung::StatusAnzeigen() {
    const auto paar = [](const auto& b) { return std::pair<int, int>{b.Aktuell + 1, b.Letzter() + 1}; };
    status_.zaehler = {paar(d_->Lehrer), paar(d_->Klassen), paar(d_->Schueler)};
    status_.zugriff = e_.Dateizugriff != 1 ? AnzeigeZeile{"nur LESEN", Farbe::Gruen}
                                           : AnzeigeZeile{"LESEN und SCHREIBEN", Farbe::Rot};
    status_.speichernGedrueckt = !speichernAn_;
    status_.speichernKnopf = speichernAn_ ? AnzeigeZeile{"Speichern 1x aussetzen", Farbe::Schwarz}
                                          : AnzeigeZeile{"Speichern ausgeschaltet!", Farbe::Rot};
}

} // namespace zev
