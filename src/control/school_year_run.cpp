#include "control/school_year_run.h"

#include "io/file_io.h"
#include "storage/area_files.h"
#include "storage/settings_file.h"
#include "storage/year_archive.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace zev {

namespace {

std::string EinstellungsPfad(const Steuerung& s) {
    return s.Ordnerpfade().Programm + kEinstellungenDatei;
}

std::string ZevPfad(const Steuerung& s, Bereich b) {
    return DateiPfad(s.Ordnerpfade().Daten, Dateiname(b), "ZEV");
}

// A settings file's bytes as the record; false when it is not one.
bool AlsEinstellungen(const std::vector<std::uint8_t>& bytes, TEinstellungen& e) {
    if (bytes.size() != sizeof(TEinstellungen)) return false;
    std::memcpy(ImageOf(e), bytes.data(), bytes.size());
    return true;
}

std::vector<std::uint8_t> BytesVon(const TEinstellungen& e) {
    return {ImageOf(e), ImageOf(e) + sizeof e};
}

// The four area files and the settings file as they are now; false after a message.
bool JetzigeDateien(const Steuerung& s, std::vector<Jahresdatei>& dateien, Meldungen& m) {
    dateien.clear();
    std::vector<std::string> pfade;
    for (Bereich b : kAlleBereiche) pfade.push_back(ZevPfad(s, b));
    pfade.push_back(EinstellungsPfad(s));
    for (const std::string& pfad : pfade) {
        std::string fehler;
        auto bytes = io::GanzLesen(pfad, fehler);
        if (!bytes) {
            m.Fehler(MeldungLesefehler(pfad, fehler) + "\r\rDer Schuljahreswechsel wird nicht durchgeführt.");
            return false;
        }
        dateien.push_back({pfad, std::move(*bytes)});
    }
    return true;
}

// Marks every area not loaded: the pages read them anew from the files.
void NeuLesenLassen(Steuerung& s) {
    Datenbestand& d = s.Daten();
    d.SchuleGeladen = d.Lehrer.Geladen = d.Klassen.Geladen = d.Schueler.Geladen = false;
}

// The areas from the files just put in place, whatever the source setting: an import
// from the exchange files would bring back the year that was closed.
void NeuEinlesen(Steuerung& s) {
    Datenbestand& d = s.Daten();
    for (Bereich b : kAlleBereiche) s.InternLaden(b);
    d.SchuleGeladen = d.Lehrer.Geladen = d.Klassen.Geladen = d.Schueler.Geladen = true;
    for (Bereich b : {Bereich::Lehrer, Bereich::Klassen, Bereich::Schueler}) s.ListenAufbauen(b);
    s.UEBeschreibungenNeu();
    s.StatusAnzeigen();
}

} // namespace

bool SchuljahrNachholen(Steuerung& s, Meldungen& m) {
    std::string fehler;
    if (UmstellungNachholen(s.Ordnerpfade().Daten, s.Ordnerpfade().Programm, fehler)) {
        // The settings of the new year may have been put in place just now.
        EinstellungenLesen(s.Einstellungen(), s.Ordnerpfade().Programm, s.Ordnerpfade().Daten, m);
        s.EinstellungsStand() = EinstellungsStand(s.Ordnerpfade().Programm);
        NeuLesenLassen(s);
        m.Information("Ein unterbrochener Schuljahreswechsel wurde vollendet.");
    }
    if (!fehler.empty()) m.Fehler(fehler);
    return fehler.empty();
}

bool SchuljahrLaden(Steuerung& s, Meldungen& m, bool nachholen) {
    if (nachholen && !SchuljahrNachholen(s, m)) return false;
    for (Bereich b : kAlleBereiche) {
        const std::string pfad = ZevPfad(s, b);
        if (!io::Existiert(pfad)) {
            m.Fehler("Der Schuljahreswechsel braucht die vier Dateien Schule.ZEV, Lehrer.ZEV, Klassen.ZEV und "
                     "Schueler.ZEV.\rEs fehlt:\r" +
                     pfad);
            return false;
        }
        s.InternLaden(b);
        if (s.LadenFehlgeschlagen(b)) return false;
    }
    // A file of another school switches the access to reading only, as does the
    // setting itself: then no file may be written, least of all all four.
    if (s.Einstellungen().Dateizugriff != 1) {
        m.Fehler(kSchuljahrNurLesen);
        return false;
    }
    if (!io::Existiert(EinstellungsPfad(s))) {
        m.Fehler("Der Schuljahreswechsel braucht die Einstellungsdatei:\r" + EinstellungsPfad(s) +
                 "\r\rBestätigen Sie die Einstellungen einmal, damit sie gespeichert werden.");
        return false;
    }
    return true;
}

bool SchuljahrDurchfuehren(Steuerung& s, const SchuljahrPlan& p, std::string_view programm, Meldungen& m) {
    if (p.neuesJahr.empty()) return false;
    io::Dateisperre sperre;
    if (!EinstellungenSperren(sperre, s.Ordnerpfade().Programm, programm, 5, m)) return false;
    std::vector<Jahresdatei> alt;
    if (!JetzigeDateien(s, alt, m)) return false;
    TEinstellungen e;
    if (!AlsEinstellungen(alt.back().bytes, e) || e.Berichtsjahr != p.berichtsjahr) {
        m.Fehler("Die Einstellungsdatei:\r" + alt.back().pfad +
                 "\rwurde seit dem Aufstellen des Plans geändert.\r\rDer Schuljahreswechsel wird nicht durchgeführt.");
        return false;
    }
    const std::string ordner = s.Ordnerpfade().Daten;
    if (const std::string f = Archivieren(ordner, p.berichtsjahr, alt); !f.empty()) {
        m.Fehler(f);
        return false;
    }
    auto d = std::make_unique<Datenbestand>(s.Daten());
    PlanAusfuehren(p, *d, e);
    std::vector<Umstellziel> ziele;
    for (Bereich b : kAlleBereiche) {
        std::vector<std::uint8_t> bild;
        switch (b) {
            case Bereich::Schule:
                bild.assign(ImageOf(d->SchulDS), ImageOf(d->SchulDS) + sizeof(TSchuleDS));
                break;
            case Bereich::Lehrer:
                bild = BereichsImage(d->Lehrer, e.Schulnummer);
                break;
            case Bereich::Klassen:
                bild = BereichsImage(d->Klassen, e.Schulnummer);
                break;
            case Bereich::Schueler:
                bild = BereichsImage(d->Schueler, e.Schulnummer);
                break;
        }
        ziele.push_back({ZevPfad(s, b), std::move(bild), true});
    }
    // The settings' previous version is the archived one.
    ziele.push_back({EinstellungsPfad(s), BytesVon(e), false});
    if (const std::string f = Umstellen(ordner, ziele, alt); !f.empty()) {
        m.Fehler("Der Schuljahreswechsel ist fehlgeschlagen.\r\r" + f);
        return false;
    }
    s.Einstellungen().Berichtsjahr = e.Berichtsjahr;
    s.EinstellungsStand() = EinstellungsStand(s.Ordnerpfade().Programm);
    NeuEinlesen(s);
    return true;
}

bool SchuljahrZuruecknehmen(Steuerung& s, std::string_view jahr, std::string_view programm, Meldungen& m) {
    if (!SchuljahrNachholen(s, m)) return false;
    const std::string ordner = s.Ordnerpfade().Daten;
    std::vector<Jahresdatei> archiv;
    if (const std::string f = ArchivLesen(ordner, jahr, archiv); !f.empty()) {
        m.Fehler(f);
        return false;
    }
    io::Dateisperre sperre;
    if (!EinstellungenSperren(sperre, s.Ordnerpfade().Programm, programm, 5, m)) return false;
    std::vector<Jahresdatei> jetzt;
    if (!JetzigeDateien(s, jetzt, m)) return false;
    TEinstellungen e;
    if (!AlsEinstellungen(jetzt.back().bytes, e)) {
        m.Fehler(MeldungBeschaedigt(jetzt.back().pfad));
        return false;
    }
    if (!m.Frage("Wollen Sie das Schuljahr " + std::string(jahr) + " aus dem Archiv:\r" + ArchivOrdner(ordner, jahr) +
                 "\rzurückholen?\r\rDie jetzigen Dateien (Berichtsjahr " + e.Berichtsjahr.str() +
                 ") werden zu Sicherheitskopien (.SIC).")) {
        m.Information("Es wurde nichts geändert.");
        return false;
    }
    std::vector<Umstellziel> ziele;
    for (Bereich b : kAlleBereiche) {
        const std::string name = std::string(Dateiname(b)) + ".ZEV";
        const auto it = std::find_if(archiv.begin(), archiv.end(),
                                     [&](const Jahresdatei& a) { return ArchivName(a.pfad) == name; });
        if (it == archiv.end()) {
            m.Fehler("Im Archiv:\r" + ArchivOrdner(ordner, jahr) + "\rfehlt die Datei " + name + ".");
            return false;
        }
        ziele.push_back({ZevPfad(s, b), it->bytes, true});
    }
    const auto einst = std::find_if(archiv.begin(), archiv.end(),
                                    [](const Jahresdatei& a) { return ArchivName(a.pfad) == kEinstellungenDatei; });
    TEinstellungen archiviert;
    if (einst != archiv.end() && AlsEinstellungen(einst->bytes, archiviert)) {
        e.Berichtsjahr = archiviert.Berichtsjahr;
        ziele.push_back({EinstellungsPfad(s), BytesVon(e), false});
    } else {
        jetzt.pop_back();
    }
    if (const std::string f = Umstellen(ordner, ziele, jetzt); !f.empty()) {
        m.Fehler("Das Zurückholen des Schuljahres " + std::string(jahr) + " ist fehlgeschlagen.\r\r" + f);
        return false;
    }
    s.Einstellungen().Berichtsjahr = e.Berichtsjahr;
    s.EinstellungsStand() = EinstellungsStand(s.Ordnerpfade().Programm);
    NeuEinlesen(s);
    return true;
}

} // namespace zev
