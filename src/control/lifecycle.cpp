#include "control/lifecycle.h"

#include "control/display_lists.h"
#include "control/school_year_run.h"
#include "io/file_io.h"
#include "io/file_messages.h"
#include "model/encoding.h"
#include "model/paths.h"
#include "storage/area_files.h"
#include "storage/backup.h"
#include "storage/settings_file.h"
#include "xml/export_trees.h"
#include "xml/xml_scanner.h"

#include <sys/stat.h>

#include <cerrno>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <functional>
#include <span>

namespace zev {

namespace {

std::size_t Nr(Bereich b) {
    return static_cast<std::size_t>(b);
}

// The display lists of the three list areas; the teacher choice waits for the first teacher load.
void AnzeigeListenAufbauen(std::array<Katalog, 5>& listen, const Datenbestand& d) {
    for (Bereich b : kAlleBereiche)
        MitListenBereich(b, [&]<class A>(A) { AnzeigeListeAufbauen(listen[Nr(b)], A::Daten(d)); });
}

// What entering a page loads, in this order, each area only when it is not loaded
// yet; then the area's lists (the school: the lesson-unit descriptions) are built
// anew never, only after a load, or always.
enum class Danach { Nichts, WennNeu, Immer };
struct Ladeschritt {
    Bereich bereich;
    Danach danach;
};
constexpr Ladeschritt kSchulSeite[] = {
    {Bereich::Lehrer, Danach::WennNeu}, {Bereich::Klassen, Danach::WennNeu}, {Bereich::Schule, Danach::Immer}};
constexpr Ladeschritt kLehrerSeite[] = {
    {Bereich::Lehrer, Danach::Immer}, {Bereich::Schule, Danach::WennNeu}, {Bereich::Klassen, Danach::Nichts}};
constexpr Ladeschritt kKlassenSeite[] = {
    {Bereich::Lehrer, Danach::WennNeu}, {Bereich::Schule, Danach::WennNeu}, {Bereich::Klassen, Danach::Immer}};
constexpr Ladeschritt kSchuelerSeite[] = {
    {Bereich::Schule, Danach::WennNeu}, {Bereich::Klassen, Danach::Nichts}, {Bereich::Schueler, Danach::Immer}};
// By `Seite`; the start page loads nothing.
constexpr std::array<std::span<const Ladeschritt>, 5> kSeitenLaden = {std::span<const Ladeschritt>{}, kSchulSeite,
                                                                      kLehrerSeite, kKlassenSeite, kSchuelerSeite};

std::string_view Bereichswort(Bereich b) {
    return MitBereich(b, []<class A>(A) { return A::kDatenwort; });
}

std::string NurLesenText(const Schreibaufsicht& a) {
    return a.BelegtText() +
           "\r\rDieses Fenster zeigt die Daten nur zum LESEN: es wird nichts gespeichert.\r\"Datei\" > "
           "\"Erneut versuchen\" übernimmt den Ordner, sobald er frei ist.";
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
    AnzeigeListenAufbauen(listen_, *d_);
    einstellungsStand_ = zev::EinstellungsStand(programmOrdner_);
    EinstellungenLesen(e_, programmOrdner_, "", m_);
    texte_.FehlertexteAufbauen(programmOrdner_);
}

void Steuerung::Gezeigt() {
    plausi_.Saat(static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    status_.hinweiseSchwarz = OrdnerBestimmen(o_, e_, d_->SchulDS, m_);
    if (dauerhaftSperren_ && !aufsicht_.Sperren(o_.Daten)) m_.Information(NurLesenText(aufsicht_));
    // A change of school year a killed run left halfway is finished before anything is read.
    if (dauerhaftSperren_ && !NurLesen()) SchuljahrNachholen(*this, m_);
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
    if (aufsicht_.Sperren(o_.Daten, warteSekunden)) return SchuljahrNachholen(*this, m_);
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
    for (Bereich b : kAlleBereiche)
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
    return MitBereich(b, [&]<class A>(A) { return A::Geladen(*d_); });
}

std::string Steuerung::ZevPfad(Bereich b) const {
    return DateiPfad(o_.Daten, Dateiname(b), "ZEV");
}

void Steuerung::AlsGeladen(Bereich b) {
    MitBereich(b, [&]<class A>(A) { A::Geladen(*d_) = true; });
    if (NurLesen()) fingerabdruck_[Nr(b)] = Fingerabdruck(b);
}

std::size_t Steuerung::Fingerabdruck(Bereich b) const {
    return MitBereich(b, [&]<class A>(A) { return A::Fingerabdruck(*d_); });
}

void Steuerung::InternLaden(Bereich b) {
    // Remembered before the read: a file replaced in between is asked about, not overwritten.
    aufsicht_.Merken(b, ZevPfad(b));
    const bool gelesen = MitBereich(b, [&]<class A>(A) { return A::Lesen(*d_, o_.Daten, e_, m_); });
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
        if (!berichte.empty()) importe_.push_back({b, berichte});
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
    ListenNachLaden(b);
    MitListenBereich(b, [&]<class A>(A) {
        auto& daten = A::Daten(*d_);
        PufferLaden(daten, std::min(daten.Aktuell, daten.Letzter()));
    });
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
    const bool ok = MitBereich(b, [&]<class A>(A) { return A::Schreiben(*d_, o_.Daten, e_, m_, vorgaenger); });
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
    if (!AusliefernBereit(b)) {
        m_.Fehler("Die " + std::string(Bereichswort(b)) + " konnten nicht geladen werden!\rDie XML-Datei:\r" + xml +
                  "\rwird nicht geschrieben und bleibt, wie sie ist.");
        return {};
    }
    return Exportieren(b) ? xml : std::string();
}

bool Steuerung::AusliefernBereit(Bereich b) {
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
    return geladen;
}

void Steuerung::OffeneSeiteEinholen() {
    SeiteEinholen(seite_);
    if (BereichVon(seite_)) ListenAufbauen(*BereichVon(seite_));
}

std::vector<std::string> Steuerung::AllesExportieren() {
    std::vector<std::string> pfade;
    if (SchreibenVerweigert()) return pfade;
    SeiteEinholen(seite_);
    for (Bereich b : kAlleBereiche)
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
    MitBereich(b, [&]<class A>(A) { A::KopieLS(*d_, o_.Daten, e_, m_); });
}

Steuerung::Schreibstand Steuerung::SchreibenUndExportieren(Bereich b) {
    const Schreibstand intern = SchreibenGeprueft(b);
    // Nothing at all when the person kept the other program's version or cancelled.
    if (intern == Schreibstand::Abgebrochen) return intern;
    const bool xml = Exportieren(b);
    std::vector<std::string> dateien;
    if (intern == Schreibstand::Geschrieben) dateien.push_back(std::string(Dateiname(b)) + ".ZEV");
    if (xml) {
        const std::string pfad = XmlExportPfad(e_, static_cast<int>(b), o_.Export);
        dateien.push_back(pfad.substr(pfad.find_last_of("/\\") + 1));
    }
    const std::time_t jetzt = std::time(nullptr);
    std::tm ortszeit{};
    localtime_r(&jetzt, &ortszeit);
    speicherMeldung_ = GespeichertMeldung(dateien, ortszeit.tm_hour, ortszeit.tm_min);
    return xml ? intern : Schreibstand::Fehlgeschlagen;
}

std::string GespeichertMeldung(const std::vector<std::string>& dateien, int stunde, int minute) {
    if (dateien.empty()) return {};
    std::string s = "Gespeichert: ";
    for (std::size_t i = 0; i < dateien.size(); ++i) s += (i > 0 ? ", " : "") + dateien[i];
    const auto zweistellig = [](int z) { return (z < 10 ? "0" : "") + std::to_string(z); };
    return s + " – " + zweistellig(stunde) + ":" + zweistellig(minute);
}

bool Steuerung::DatensatzVerwerfen() {
    if (!bearbeitet_ || !BereichVon(seite_)) return false;
    if (!m_.Frage("Wollen Sie Ihre Änderungen an diesem Datensatz verwerfen?\r\rEr wird dann wieder so gezeigt, "
                  "wie er zuletzt gespeichert wurde.")) {
        return false;
    }
    MitListenBereich(*BereichVon(seite_), [&]<class A>(A) { PufferLaden(A::Daten(*d_), A::Daten(*d_).Aktuell); });
    Zeigen(seite_);
    return true;
}

// --- pages -----------------------------------------------------------------------------

void Steuerung::Zeigen(Seite s) {
    if (s == seite_) bearbeitet_ = false;
    if (dienste_.seiteZeigen) dienste_.seiteZeigen(s);
}

void Steuerung::Uebernehmen(Seite s) {
    if (dienste_.seiteUebernehmen) dienste_.seiteUebernehmen(s);
}

// The teacher area keeps a second list, the teacher choice, in step with its display list.
void Steuerung::ListenAufbauen(Bereich b) {
    MitListenBereich(b, [&]<class A>(A) {
        AnzeigeListeAufbauen(listen_[Nr(b)], A::Daten(*d_));
        if constexpr (A::kBereich == Bereich::Lehrer) LehrerAuswahlAufbauen(lehrerAuswahl_, d_->Lehrer);
    });
}

std::string Steuerung::SuchEintrag(Bereich b, std::int32_t index) const {
    std::string text;
    MitListenBereich(b, [&]<class A>(A) {
        const auto& daten = A::Daten(*d_);
        if (daten.IndexGueltig(index)) text = zev::SuchEintrag(daten.DB[static_cast<std::size_t>(index)]);
    });
    return text;
}

void Steuerung::ListenEintragNeu(Bereich b, std::int32_t index) {
    MitListenBereich(b, [&]<class A>(A) {
        AnzeigeEintragNeu(listen_[Nr(b)], A::Daten(*d_), index);
        if constexpr (A::kBereich == Bereich::Lehrer) AuswahlEintragNeu(lehrerAuswahl_, d_->Lehrer, index);
    });
}

void Steuerung::ListenEintragEingefuegt(Bereich b, std::int32_t index) {
    MitListenBereich(b, [&]<class A>(A) {
        AnzeigeEintragEingefuegt(listen_[Nr(b)], A::Daten(*d_), index);
        if constexpr (A::kBereich == Bereich::Lehrer) AuswahlEintragEingefuegt(lehrerAuswahl_, d_->Lehrer, index);
    });
}

void Steuerung::ListenEintragEntfernt(Bereich b, std::int32_t index) {
    MitListenBereich(b, [&]<class A>(A) {
        AnzeigeEintragEntfernt(listen_[Nr(b)], A::Daten(*d_), index);
        if constexpr (A::kBereich == Bereich::Lehrer) AuswahlEintragEntfernt(lehrerAuswahl_, d_->Lehrer, index);
    });
}

void Steuerung::PufferZurueck(Seite s) {
    const auto b = BereichVon(s);
    if (b) MitListenBereich(*b, [&]<class A>(A) { PufferSpeichern(A::Daten(*d_), A::Daten(*d_).Aktuell, m_); });
}

void Steuerung::UEBeschreibungenNeu() {
    UEBeschreibungenAufbauen(ueBeschreibungen_, d_->SchulDS, kataloge_, lehrerAuswahl_, e_.UEInfoReihenfolge);
}

void Steuerung::SeiteEinholen(Seite s) {
    if (!BereichVon(s)) return;
    Uebernehmen(s);
    if (s == Seite::Schule)
        d_->SchuleGeladen = true;
    else
        PufferZurueck(s);
    if (s == seite_) bearbeitet_ = false; // stored
}

bool Steuerung::SeiteVerlassen(Seite s) {
    const auto b = BereichVon(s);
    if (!b) return true;
    SeiteEinholen(s);
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
    for (const Ladeschritt& l : kSeitenLaden[static_cast<std::size_t>(s)]) {
        const bool neu = !Geladen(l.bereich);
        Laden(l.bereich);
        if (l.danach == Danach::Immer || (l.danach == Danach::WennNeu && neu)) ListenNachLaden(l.bereich);
    }
    if (const auto b = BereichVon(s)) {
        MitListenBereich(*b, [&]<class A>(A) { PufferLaden(A::Daten(*d_), A::Daten(*d_).Aktuell); });
        Zeigen(s);
    }
    StatusAnzeigen();
}

void Steuerung::ListenNachLaden(Bereich b) {
    if (b == Bereich::Schule)
        UEBeschreibungenNeu();
    else
        ListenAufbauen(b);
}

bool Steuerung::SeiteWechseln(Seite s) {
    if (!SeiteVerlassen(seite_)) return false;
    SeiteBetreten(s);
    return true;
}

std::string Steuerung::XmlSeite(Bereich b) {
    const Seite s = SeiteVon(b);
    Uebernehmen(s);
    PufferZurueck(s);
    if (NurLesen()) {
        // Shown, not written: this run writes nothing.
        const std::string name = XmlExportPfad(e_, static_cast<int>(b), "");
        return Cp1252ToUtf8(MitBereich(b, [&]<class A>(A) { return A::XmlText(*d_, e_, name); }));
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
    AnzeigeListenAufbauen(listen_, *d_);
    // The person chose to start anew: the files as they are now are the ones to replace.
    for (Bereich b : kAlleBereiche) {
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
    std::optional<Bereich> bereich;
    for (Bereich b : kAlleBereiche)
        if (root == MitBereich(b, []<class A>(A) { return A::kWurzel; })) bereich = b;
    if (!bereich) {
        m_.Fehler("Die eingelesene Datei konnte keinem Bereich\r(Schule, Lehrer, Klassen, Schüler) zugeordnet "
                  "werden!\r\rWiederholen Sie den Vorgang ev. mit einer anderen Datei!");
        return;
    }
    ImportBericht bericht;
    // The school is merged by the modes of its first import entry.
    const bool gelesen = MitBereich(*bereich, [&]<class A>(A) {
        if (!A::Einlesen(pfad, e_.XMLImport[static_cast<int>(A::kBereich)][1], *d_, e_, m_, bericht)) return false;
        A::Geladen(*d_) = true;
        return true;
    });
    if (gelesen) ListenNachLaden(*bereich);
    importe_.push_back({*bereich, {std::move(bericht)}});
    const std::optional<Bereich> ersetzt = gelesen ? bereich : std::nullopt;
    // An area not loaded before is replaced by what was read: its file as it is now
    // is the one the next save replaces.
    if (ersetzt && !vorher[Nr(*ersetzt)]) aufsicht_.Merken(*ersetzt, ZevPfad(*ersetzt));
    if (ersetzt && BereichVon(seite_) == ersetzt) {
        MitListenBereich(*ersetzt, [&]<class A>(A) { PufferLaden(A::Daten(*d_), A::Daten(*d_).Aktuell); });
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
    const Antwort antwort = m_.Zeigen(MeldungsArt::Frage, Schliessfrage(*b), Tasten::JaNeinAbbrechen);
    // "Abbrechen": back to the page; nothing was collected or written.
    if (antwort == Antwort::Abbrechen) return false;
    if (antwort == Antwort::Ja) {
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
    SeiteEinholen(seite_);
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
    status_.zugriff = NurLesen()             ? AnzeigeZeile{"nur LESEN", Farbe::Rot}
                      : e_.Dateizugriff != 1 ? AnzeigeZeile{"nur LESEN", Farbe::Gruen}
                                             : AnzeigeZeile{"LESEN und SCHREIBEN", Farbe::Rot};
    status_.nurLesen = NurLesen();
    status_.sperrHinweis = NurLesen() ? "nur LESEN: " + aufsicht_.BelegtText() : "";
    status_.speichernGedrueckt = !speichernAn_;
    status_.speichernKnopf = speichernAn_ ? AnzeigeZeile{"Speichern 1x aussetzen", Farbe::Schwarz}
                                          : AnzeigeZeile{"Speichern ausgeschaltet!", Farbe::Rot};
}

} // namespace zev
