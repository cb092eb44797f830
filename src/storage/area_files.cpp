#include "storage/area_files.h"

#include "model/paths.h"
#include "io/file_io.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace zev {

namespace {

constexpr std::uint16_t kVersion = 1;
constexpr std::uint16_t kReserviert49 = 0x9BB7;

template <class T> void Anhaengen(std::vector<std::uint8_t>& out, T wert) {
    LE<T> le;
    le.set(wert);
    out.insert(out.end(), le.b, le.b + sizeof(T));
}

template <class T> T LeseLE(const std::uint8_t* p) {
    LE<T> le;
    std::memcpy(le.b, p, sizeof(T));
    return le.get();
}

// School numbers agree when their length bytes and characters do; bytes after
// the length do not matter.
bool GleicheSchulnummer(const s10& a, const s10& b) { return a.len == b.len && a.view() == b.view(); }

template <class R> std::string MeldungBenutzen(const std::string& datenOrdner, const char* was) {
    return "interne " + std::string(BereichsArt<R>::Wort) +
           "-Datei kann nicht benutzt werden\rPrüfen Sie die Möglichkeit eine Datei im Ordner:\r" + datenOrdner +
           "\r" + was;
}

// An area beyond the format's record count would make a file its own reader refuses.
template <class R> bool Schreibbar(const BereichsDaten<R>& b, const std::string& pfad, Meldungen& m) {
    if (b.DB.size() <= kBereichKapazitaet) return true;
    m.Fehler(MeldungSchreibfehler(pfad, "Ein Bereich kann höchstens 65536 Datensätze aufnehmen."));
    return false;
}

} // namespace

std::string DateiPfad(const std::string& datenOrdner, std::string_view name, std::string_view endung) {
    return PfadVon(datenOrdner, std::string(name) + "." + std::string(endung));
}

template <class R> std::vector<std::uint8_t> KennungVon() {
    std::vector<std::uint8_t> k(41, ' ');
    k[0] = 40;
    const std::string_view text = BereichsArt<R>::Kennung;
    std::copy(text.begin(), text.end(), k.begin() + 1);
    return k;
}

template <class R>
LeseStatus BereichsdateiLesen(const std::string& pfad, BereichsDatei<R>& out, std::string& systemFehler) {
    out = BereichsDatei<R>{};
    if (!io::Existiert(pfad)) return LeseStatus::Fehlt;
    io::EingabeDatei d;
    if (!d.Oeffnen(pfad)) {
        systemFehler = d.Fehler();
        // A device or FIFO under the file's name: the message names the file, not the folder.
        return systemFehler == io::kKeineDatei ? LeseStatus::Lesefehler : LeseStatus::NichtLesbar;
    }
    auto gelesen = [&](void* ziel, std::size_t n) {
        if (d.Lesen(ziel, n)) return LeseStatus::Ok;
        systemFehler = d.Fehler();
        return systemFehler.empty() ? LeseStatus::Beschaedigt : LeseStatus::Lesefehler;
    };

    // A file too short for the identifier is "not ours" when what it has differs.
    const std::vector<std::uint8_t> kennung = KennungVon<R>();
    const std::size_t kennungDa = static_cast<std::size_t>(std::min<std::uint64_t>(d.Groesse(), kennung.size()));
    std::uint8_t kopf[kKopfGroesse]{};
    if (auto s = gelesen(kopf, kennungDa); s != LeseStatus::Ok) return s;
    if (!std::equal(kopf, kopf + kennungDa, kennung.begin())) return LeseStatus::FalscheKennung;
    if (d.Groesse() < kKopfGroesse) return LeseStatus::Beschaedigt;
    if (auto s = gelesen(kopf + kennung.size(), kKopfGroesse - kennung.size()); s != LeseStatus::Ok) return s;

    std::memcpy(out.Kopf.Kennung, kopf, 41);
    out.Kopf.Version = LeseLE<std::uint16_t>(kopf + 41);
    out.Kopf.Aktuell = LeseLE<std::int32_t>(kopf + 45);
    out.Kopf.Letzter = LeseLE<std::int32_t>(kopf + 51);
    std::memcpy(&out.Kopf.Schulnummer, kopf + 57, sizeof(s10));
    out.KopfGelesen = true;

    if (out.Kopf.Version != kVersion) return LeseStatus::FalscheVersion;
    const std::int32_t letzter = out.Kopf.Letzter;
    if (letzter < 0 || letzter > kHoechsterLetzter) return LeseStatus::Beschaedigt;
    const std::uint64_t anzahl = static_cast<std::uint64_t>(letzter) + 1;
    if (d.Groesse() < kKopfGroesse + anzahl * sizeof(R)) return LeseStatus::Beschaedigt;

    // The records lie last index first; read them in one block and turn them round.
    std::vector<R> saetze(static_cast<std::size_t>(anzahl));
    if (auto s = gelesen(saetze.data(), saetze.size() * sizeof(R)); s != LeseStatus::Ok) return s;
    std::reverse(saetze.begin(), saetze.end());
    out.Saetze = std::move(saetze);
    return LeseStatus::Ok;
}

template <class R> std::vector<std::uint8_t> BereichsImage(const BereichsDaten<R>& b, const s10& schulnummer) {
    std::vector<std::uint8_t> out = KennungVon<R>();
    out.reserve(kKopfGroesse + b.DB.size() * sizeof(R));
    Anhaengen<std::uint16_t>(out, kVersion);
    Anhaengen<std::uint16_t>(out, 0);
    Anhaengen<std::int32_t>(out, b.Aktuell);
    Anhaengen<std::uint16_t>(out, kReserviert49);
    Anhaengen<std::int32_t>(out, b.Letzter());
    Anhaengen<std::uint16_t>(out, 0);
    const std::uint8_t* nr = ImageOf(schulnummer);
    out.insert(out.end(), nr, nr + sizeof(s10));
    for (auto it = b.DB.rbegin(); it != b.DB.rend(); ++it) {
        const std::uint8_t* p = ImageOf(*it);
        out.insert(out.end(), p, p + sizeof(R));
    }
    return out;
}

template <class R>
void LeseStatusMelden(LeseStatus status, const std::string& pfad, const std::string& ordner,
                      const std::string& systemFehler, Meldungen& m) {
    switch (status) {
        case LeseStatus::Ok:
        case LeseStatus::Fehlt: return;
        case LeseStatus::NichtLesbar: m.Fehler(MeldungBenutzen<R>(ordner, "zu lesen und zu öffnen!")); return;
        case LeseStatus::FalscheKennung:
            m.Fehler("Datei ist keine " + std::string(BereichsArt<R>::Wort) + "-Datenbank für den ZEV-Manager!");
            return;
        case LeseStatus::FalscheVersion: m.Fehler("unbekannte Dateiversion\r\rWenden Sie sich an den Programm-Autor!"); return;
        case LeseStatus::Beschaedigt: m.Fehler(MeldungBeschaedigt(pfad)); return;
        case LeseStatus::Lesefehler: m.Fehler(MeldungLesefehler(pfad, systemFehler)); return;
    }
}

template <class R>
bool BereichLesen(BereichsDaten<R>& b, const std::string& datenOrdner, TEinstellungen& e, Meldungen& m) {
    using Art = BereichsArt<R>;
    const std::string pfad = DateiPfad(datenOrdner, Art::Dateiname, "ZEV");
    BereichsDatei<R> f;
    std::string fehler;
    const LeseStatus status = BereichsdateiLesen(pfad, f, fehler);
    if (f.KopfGelesen && !GleicheSchulnummer(f.Kopf.Schulnummer, e.Schulnummer)) e.Dateizugriff = 0;
    if (status != LeseStatus::Ok) {
        LeseStatusMelden<R>(status, pfad, datenOrdner, fehler, m);
        return false;
    }
    b.DB = std::move(f.Saetze);
    b.Aktuell = std::max(0, std::min(f.Kopf.Aktuell, b.Letzter()));
    if (Art::LesenSetztGeladen) b.Geladen = true;
    return true;
}

template <class R>
bool BereichSchreiben(const BereichsDaten<R>& b, const std::string& datenOrdner, const TEinstellungen& e,
                      Meldungen& m, std::string_view vorgaenger) {
    const std::string name(BereichsArt<R>::Dateiname);
    const std::string pfad = DateiPfad(datenOrdner, name, "ZEV");
    if (!Schreibbar(b, pfad, m)) return false;
    const auto f = io::SicherSchreiben(pfad, BereichsImage(b, e.Schulnummer), DateiPfad(datenOrdner, name, vorgaenger));
    if (!f) return true;
    if (f->stufe == io::SchreibFehler::Stufe::Erstellen)
        m.Fehler(MeldungBenutzen<R>(datenOrdner, "zu erstellen und zu speichern!"));
    else
        m.Fehler(MeldungSchreibfehler(pfad, f->text));
    return false;
}

template <class R>
bool BereichKopieLS(const BereichsDaten<R>& b, const std::string& datenOrdner, const TEinstellungen& e, Meldungen& m) {
    const std::string name(BereichsArt<R>::Dateiname);
    const std::string pfad = DateiPfad(datenOrdner, name, "LS1");
    if (!Schreibbar(b, pfad, m)) return false;
    const auto f = io::SicherSchreiben(pfad, BereichsImage(b, e.Schulnummer), DateiPfad(datenOrdner, name, "LS2"));
    if (!f) return true;
    if (f->stufe != io::SchreibFehler::Stufe::Erstellen) m.Fehler(MeldungSchreibfehler(pfad, f->text));
    return false;
}

bool SchuleLesen(Datenbestand& d, const std::string& datenOrdner, Meldungen& m) {
    const std::string pfad = DateiPfad(datenOrdner, "Schule", "ZEV");
    if (!io::Existiert(pfad)) return false;
    io::EingabeDatei f;
    if (!f.Oeffnen(pfad)) {
        m.Fehler(MeldungLesefehler(pfad, f.Fehler()));
        return false;
    }
    if (f.Groesse() < sizeof(TSchuleDS)) {
        m.Fehler(MeldungBeschaedigt(pfad));
        return false;
    }
    auto neu = std::make_unique<TSchuleDS>();
    if (!f.Lesen(neu.get(), sizeof(TSchuleDS))) {
        m.Fehler(f.Fehler().empty() ? MeldungBeschaedigt(pfad) : MeldungLesefehler(pfad, f.Fehler()));
        return false;
    }
    d.SchulDS = *neu;
    d.SchuleGeladen = true;
    return true;
}

namespace {

bool SchuleNach(const TSchuleDS& s, const std::string& pfad, const std::string& vorgaenger, Meldungen& m) {
    const std::uint8_t* p = ImageOf(s);
    const auto f = io::SicherSchreiben(pfad, std::vector<std::uint8_t>(p, p + sizeof(TSchuleDS)), vorgaenger);
    if (!f) return true;
    m.Fehler(MeldungSchreibfehler(pfad, f->text));
    return false;
}

} // namespace

bool SchuleSchreiben(const TSchuleDS& s, const std::string& datenOrdner, Meldungen& m, std::string_view vorgaenger) {
    return SchuleNach(s, DateiPfad(datenOrdner, "Schule", "ZEV"), DateiPfad(datenOrdner, "Schule", vorgaenger), m);
}

bool SchuleKopieLS(const TSchuleDS& s, const std::string& datenOrdner, Meldungen& m) {
    return SchuleNach(s, DateiPfad(datenOrdner, "Schule", "LS1"), DateiPfad(datenOrdner, "Schule", "LS2"), m);
}

#define ZEV_AREA_FILES(R)                                                                                              \
    template std::vector<std::uint8_t> KennungVon<R>();                                                                \
    template void LeseStatusMelden<R>(LeseStatus, const std::string&, const std::string&, const std::string&,           \
                                      Meldungen&);                                                                     \
    template LeseStatus BereichsdateiLesen(const std::string&, BereichsDatei<R>&, std::string&);                       \
    template std::vector<std::uint8_t> BereichsImage(const BereichsDaten<R>&, const s10&);                             \
    template bool BereichLesen(BereichsDaten<R>&, const std::string&, TEinstellungen&, Meldungen&);                    \
    template bool BereichSchreiben(const BereichsDaten<R>&, const std::string&, const TEinstellungen&, Meldungen&,      \
                                   std::string_view);                                                                  \
    template bool BereichKopieLS(const BereichsDaten<R>&, const std::string&, const TEinstellungen&, Meldungen&)

ZEV_AREA_FILES(TLehrerDS);
ZEV_AREA_FILES(TKlasseDS);
ZEV_AREA_FILES(TSchuelerDS);
#undef ZEV_AREA_FILES

} // namespace zev
