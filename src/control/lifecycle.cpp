#include "control/lifecycle.h"

#include "control/display_lists.h"
#include "io/file_io.h"
#include "model/encoding.h"
#include "model/paths.h"
#include "storage/area_files.h"
#include "storage/backup.h"
#include "storage/settings_file.h"
#include "xml/export_trees.h"
#include "io/file_messages.h"
#include "xml/xml_scanner.h"

#include <sys/stat.h>

#include <cerrno>

#include <algorithm>
#include <chrono>
#include <functional>

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

std::string_view Bereichswort(Bereich b) {
    switch (b) {
        case Bereich::Schule:
            return "Schuldaten";
        case Bereich::Lehrer:
            return "Lehrerdaten";
        case Bereich::Klassen:
            return "Klassendaten";
        case Bereich::Schueler:
            return "Schülerdaten";
    }
    return "";
}

std::string NurLesenText(const Schreibaufsicht& a) {
    return a.BelegtText() +
           "\r\rDieses Fenster zeigt die Daten nur zum LESEN: es wird nichts gespeichert.\r\"Datei\" > "
           "\"Erneut versuchen\" übernimmt den Ordner, sobald er frei ist.";
}

template <class R> std::size_t AbbildHash(const BereichsDaten<R>& b) {
    const std::string_view bytes(reinterpret_cast<const char*>(b.DB.data()), b.DB.size() * sizeof(R));
    return std::hash<std::string_view>{}(bytes) ^ (static_cast<std::size_t>(b.Letzter()) << 1);
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
    einstellungsStand_ = zev::EinstellungsStand(programmOrdner_);
    EinstellungenLesen(e_, programmOrdner_, "", m_);
    texte_.FehlertexteAufbauen(programmOrdner_);
}

void Steuerung::Gezeigt() {
    plausi_.Saat(static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    status_.hinweiseSchwarz = OrdnerBestimmen(o_, e_, d_->SchulDS, m_);
    if (dauerhaftSperren_ && !aufsicht_.Sperren(o_.Daten)) m_.Information(NurLesenText(aufsicht_));
    StartseiteAnzeigen();
    // The backup is the writer's business.
    if (e_.StartSicherung == 1 && dienste_.sicherungsTimerStarten && !NurLesen()) dienste_.sicherungsTimerStarten(2000);
    StatusAnzeigen();
}

void Steuerung::DauerhaftSperren(std::string programm) {
    aufsicht_.Programm(std::move(programm));
    dauerhaftSperren_ = true;
}

bool Steuerung::Sperren(std::string_view programm, int warteSekunden) {
    aufsicht_.Programm(std::string(programm));
    if (aufsicht_.Sperren(o_.Daten, warteSekunden)) return true;
    m_.Fehler(aufsicht_.BelegtText() + "\r\rEs wird nichts geschrieben.");
    return false;
}

bool Steuerung::SchreibenVerweigert() {
    if (!NurLesen()) return false;
    m_.Warnung(NurLesenText(aufsicht_));
    return true;
}

bool Steuerung::ErneutVersuchen() {
    if (!aufsicht_.Sperren(o_.Daten)) {
        m_.Information(NurLesenText(aufsicht_));
        StatusAnzeigen();
        return false;
    }
    // What was shown read-only may be older than the files now: those areas are read again.
    for (Bereich b : {Bereich::Schule, Bereich::Lehrer, Bereich::Klassen, Bereich::Schueler})
        if (Geladen(b) && aufsicht_.Geaendert(b, ZevPfad(b))) AndereFassungLaden(b);
    m_.Information("Der Daten-Ordner " + o_.Daten +
                   " ist jetzt frei: dieses Fenster speichert Ihre Änderungen wieder.");
    if (BereichVon(seite_)) Zeigen(seite_);
    StartseiteAnzeigen();
    StatusAnzeigen();
    return true;
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

std::string Steuerung::ZevPfad(Bereich b) const {
    return DateiPfad(o_.Daten, Dateiname(b), "ZEV");
}

void Steuerung::AlsGeladen(Bereich b) {
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
    if (NurLesen()) fingerabdruck_[Nr(b)] = Fingerabdruck(b);
}

std::size_t Steuerung::Fingerabdruck(Bereich b) const {
    switch (b) {
        case Bereich::Schule:
            return std::hash<std::string_view>{}(
                std::string_view(reinterpret_cast<const char*>(&d_->SchulDS), sizeof(TSchuleDS)));
        case Bereich::Lehrer:
            return AbbildHash(d_->Lehrer);
        case Bereich::Klassen:
            return AbbildHash(d_->Klassen);
        case Bereich::Schueler:
            return AbbildHash(d_->Schueler);
    }
    return 0;
}

void Steuerung::InternLaden(Bereich b) {
    // Remembered before the read: a file replaced in between is asked about, not overwritten.
    aufsicht_.Merken(b, ZevPfad(b));
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
    if (e_.Datenquelle == 0) {
        aufsicht_.Merken(b, ZevPfad(b));
        berichte = Importieren(b);
    } else if (e_.Datenquelle != 2) {
        InternLaden(b);
    } else {
        aufsicht_.Merken(b, ZevPfad(b));
    }
    AlsGeladen(b);
    return berichte;
}

bool Steuerung::Schreiben(Bereich b) {
    return SchreibenGeprueft(b) == Schreibstand::Geschrieben;
}

void Steuerung::AndereFassungLaden(Bereich b) {
    unlesbar_[Nr(b)].clear();
    InternLaden(b);
    AlsGeladen(b);
    switch (b) {
        case Bereich::Schule:
            UEBeschreibungenNeu();
            break;
        case Bereich::Lehrer:
            ListenAufbauen(b);
            PufferLaden(d_->Lehrer, std::min(d_->Lehrer.Aktuell, d_->Lehrer.Letzter()));
            break;
        case Bereich::Klassen:
            ListenAufbauen(b);
            PufferLaden(d_->Klassen, std::min(d_->Klassen.Aktuell, d_->Klassen.Letzter()));
            break;
        case Bereich::Schueler:
            ListenAufbauen(b);
            PufferLaden(d_->Schueler, std::min(d_->Schueler.Aktuell, d_->Schueler.Letzter()));
            break;
    }
}

Steuerung::Schreibstand Steuerung::SchreibenGeprueft(Bereich b) {
    if (SchreibenVerweigert()) return Schreibstand::Abgebrochen;
    const std::string pfad = ZevPfad(b);
    if (aufsicht_.Geaendert(b, pfad)) {
        switch (FremdfassungFragen(pfad, kFremdfassungBereich, m_)) {
            case Fremdfassung::MeineSpeichern:
                break;
            case Fremdfassung::AndereLaden:
                if (m_.Frage("Ihre ungespeicherten Änderungen der " + std::string(Bereichswort(b)) +
                             " gehen verloren.\r\rWollen Sie die andere Fassung wirklich laden?")) {
                    AndereFassungLaden(b);
                    if (BereichVon(seite_) == b) Zeigen(seite_);
                    StatusAnzeigen();
                }
                return Schreibstand::Abgebrochen;
            case Fremdfassung::Abbrechen:
                return Schreibstand::Abgebrochen;
        }
    }
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
    if (ok) aufsicht_.Merken(b, pfad);
    if (ok && aufbewahren) {
        unlesbar_[Nr(b)].clear();
        m_.Information("Die Datei:\r" + pfad + "\rkonnte nicht gelesen werden und wurde aufbewahrt als:\r" + pfad +
                       ".defekt");
    }
    return ok ? Schreibstand::Geschrieben : Schreibstand::Fehlgeschlagen;
}

namespace {

// The system's reason when `pfad` is a symbolic link that leads to no file (its
// target missing, or a loop); "" otherwise. The loader takes such a link for a
// missing file and the area for empty, but the school's data are behind it.
std::string DefekterVerweis(const std::string& pfad) {
    struct stat st {};
    if (::lstat(pfad.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return {};
    if (::stat(pfad.c_str(), &st) == 0) return {};
    return io::SystemFehlerText(errno);
}

} // namespace

std::string Steuerung::Ausliefern(Bereich b) {
    const std::string xml = XmlExportPfad(e_, static_cast<int>(b), o_.Export);
    bool geladen = true;
    if (!Geladen(b)) {
        const std::vector<ImportBericht> berichte = Laden(b);
        // An import file that is there but was refused (malformed, wrong root, too large).
        if (e_.Datenquelle == 0)
            geladen = std::none_of(berichte.begin(), berichte.end(),
                                   [](const ImportBericht& r) { return !r.gelesen && !r.keineDatensaetze; });
    }
    if (e_.Datenquelle != 0 && e_.Datenquelle != 2 && geladen) {
        const std::string pfad = ZevPfad(b);
        if (LadenFehlgeschlagen(b)) {
            geladen = false;
        } else if (const std::string grund = DefekterVerweis(pfad); !grund.empty()) {
            m_.Fehler(MeldungLesefehler(pfad, grund));
            geladen = false;
        }
    }
    if (!geladen) {
        m_.Fehler("Die " + std::string(Bereichswort(b)) + " konnten nicht geladen werden!\rDie XML-Datei:\r" + xml +
                  "\rwird nicht geschrieben und bleibt, wie sie ist.");
        return {};
    }
    return Exportieren(b) ? xml : std::string();
}

std::vector<std::string> Steuerung::AllesExportieren() {
    std::vector<std::string> pfade;
    if (SchreibenVerweigert()) return pfade;
    if (BereichVon(seite_)) {
        Uebernehmen(seite_);
        if (seite_ == Seite::Schule)
            d_->SchuleGeladen = true;
        else
            PufferZurueck(seite_);
    }
    for (Bereich b : {Bereich::Schule, Bereich::Lehrer, Bereich::Klassen, Bereich::Schueler})
        if (std::string p = Ausliefern(b); !p.empty()) pfade.push_back(std::move(p));
    if (BereichVon(seite_)) ListenAufbauen(*BereichVon(seite_));
    std::string liste;
    for (const std::string& p : pfade) liste += "\r" + p;
    if (!pfade.empty()) m_.Information("Die XML-Dateien wurden geschrieben:" + liste);
    StatusAnzeigen();
    return pfade;
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

Steuerung::Schreibstand Steuerung::SchreibenUndExportieren(Bereich b) {
    const Schreibstand intern = SchreibenGeprueft(b);
    // Nothing at all when the person kept the other program's version or cancelled.
    if (intern == Schreibstand::Abgebrochen) return intern;
    const bool xml = Exportieren(b);
    return xml ? intern : Schreibstand::Fehlgeschlagen;
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

bool Steuerung::SeiteVerlassen(Seite s) {
    const auto b = BereichVon(s);
    if (!b) return true;
    Uebernehmen(s);
    if (s == Seite::Schule)
        d_->SchuleGeladen = true;
    else
        PufferZurueck(s);
    if (NurLesen()) {
        // Only a person who edited something needs telling that it is not kept.
        if (Fingerabdruck(*b) != fingerabdruck_[Nr(*b)]) SchreibenVerweigert();
        return true;
    }
    if (!speichernAn_) {
        speichernAn_ = true;
        return true;
    }
    return SchreibenUndExportieren(*b) != Schreibstand::Abgebrochen;
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

bool Steuerung::SeiteWechseln(Seite s) {
    if (!SeiteVerlassen(seite_)) return false;
    SeiteBetreten(s);
    return true;
}

std::string Steuerung::XmlSeite(Bereich b) {
    const Seite s = static_cast<Seite>(static_cast<int>(b));
    Uebernehmen(s);
    PufferZurueck(s);
    if (NurLesen()) {
        // Shown, not written: this run writes nothing.
        const std::string name = XmlExportPfad(e_, static_cast<int>(b), "");
        switch (b) {
            case Bereich::Schule:
                return Cp1252ToUtf8(SchulXml(d_->SchulDS, e_, name));
            case Bereich::Lehrer:
                return Cp1252ToUtf8(LehrerXml(d_->Lehrer.DB, e_, name));
            case Bereich::Klassen:
                return Cp1252ToUtf8(KlassenXml(d_->Klassen.DB, e_, name));
            case Bereich::Schueler:
                return Cp1252ToUtf8(SchuelerXml(d_->Schueler.DB, e_, name));
        }
    }
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
    if (SchreibenVerweigert() || !SeiteVerlassen(seite_)) return;
    AnfangsZustand(*d_, e_.Schulnummer.view(), m_);
    LehrerListeAufbauen(lehrerListe_, d_->Lehrer);
    SchuelerListeAufbauen(schuelerListe_, d_->Schueler);
    KlassenListeAufbauen(klassenListe_, d_->Klassen);
    // The person chose to start anew: the files as they are now are the ones to replace.
    for (Bereich b : {Bereich::Schule, Bereich::Lehrer, Bereich::Klassen, Bereich::Schueler}) {
        aufsicht_.Merken(b, ZevPfad(b));
        AlsGeladen(b);
    }
    unlesbar_.fill({});
    SeiteBetreten(seite_);
}

void Steuerung::Oeffnen(const std::string& pfad) {
    if (SchreibenVerweigert()) return;
    const std::array<bool, 5> vorher = {false, Geladen(Bereich::Schule), Geladen(Bereich::Lehrer),
                                        Geladen(Bereich::Klassen), Geladen(Bereich::Schueler)};
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
    // An area not loaded before is replaced by what was read: its file as it is now
    // is the one the next save replaces.
    if (ersetzt && !vorher[Nr(*ersetzt)]) aufsicht_.Merken(*ersetzt, ZevPfad(*ersetzt));
    if (ersetzt && BereichVon(seite_) == ersetzt) {
        if (seite_ == Seite::Lehrer) PufferLaden(d_->Lehrer, d_->Lehrer.Aktuell);
        if (seite_ == Seite::Klassen) PufferLaden(d_->Klassen, d_->Klassen.Aktuell);
        if (seite_ == Seite::Schueler) PufferLaden(d_->Schueler, d_->Schueler.Aktuell);
        Zeigen(seite_);
    }
    StatusAnzeigen();
}

bool Steuerung::Speichern() {
    // An explicit save always says why nothing is written.
    if (SchreibenVerweigert()) return false;
    const bool ok = SeiteVerlassen(seite_);
    StatusAnzeigen();
    return ok;
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
    // Another data folder has its own lock.
    if (dauerhaftSperren_ && !aufsicht_.Sperren(o_.Daten)) m_.Information(NurLesenText(aufsicht_));
    StartseiteAnzeigen();
    StatusAnzeigen();
}

bool Steuerung::Schliessen() {
    const auto b = BereichVon(seite_);
    if (!b) return true;
    if (NurLesen()) {
        Uebernehmen(seite_);
        PufferZurueck(seite_);
        if (Fingerabdruck(*b) == fingerabdruck_[Nr(*b)]) return true;
        return m_.Frage(aufsicht_.BelegtText() +
                        "\r\rDieses Fenster speichert nichts: Ihre Änderungen gehen verloren.\r\rWollen Sie das "
                        "Programm trotzdem beenden?");
    }
    KopieLS(*b);
    if (m_.Frage(Schliessfrage(*b))) {
        Uebernehmen(seite_);
        PufferZurueck(seite_);
        // As leaving the page: the XML of the area goes out with its file.
        if (SchreibenUndExportieren(*b) == Schreibstand::Abgebrochen) return false;
    }
    KopieLS(*b);
    return true;
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
    if (NurLesen()) return;
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
    if (e_.Datenquelle == 2 || NurLesen())
        status_.zugriff = {"nur LESEN", Farbe::Rot};
    else if (e_.Dateizugriff != 1)
        status_.zugriff = {"nur LESEN", Farbe::Gruen};
    else
        status_.zugriff = {"LESEN und SCHREIBEN", Farbe::Rot};
}

void Steuerung::StatusAnzeigen() {
    const auto paar = [](const auto& b) { return std::pair<int, int>{b.Aktuell + 1, b.Letzter() + 1}; };
    status_.zaehler = {paar(d_->Lehrer), paar(d_->Klassen), paar(d_->Schueler)};
    status_.zugriff = NurLesen()              ? AnzeigeZeile{"nur LESEN", Farbe::Rot}
                      : e_.Dateizugriff != 1 ? AnzeigeZeile{"nur LESEN", Farbe::Gruen}
                                             : AnzeigeZeile{"LESEN und SCHREIBEN", Farbe::Rot};
    status_.nurLesen = NurLesen();
    status_.sperrHinweis = NurLesen() ? "nur LESEN: " + aufsicht_.BelegtText() : "";
    status_.speichernGedrueckt = !speichernAn_;
    status_.speichernKnopf = speichernAn_ ? AnzeigeZeile{"Speichern 1x aussetzen", Farbe::Schwarz}
                                          : AnzeigeZeile{"Speichern ausgeschaltet!", Farbe::Rot};
}

} // namespace zev
