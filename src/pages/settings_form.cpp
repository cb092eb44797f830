#include "pages/settings_form.h"

#include "control/write_guard.h"
#include "model/encoding.h"
#include "model/paths.h"
#include "storage/folders.h"
#include "storage/settings_file.h"
#include "xml/xml_writer.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace zev {

std::vector<std::string> BerichtsjahrAuswahl(int aktuellesJahr) {
    std::vector<std::string> jahre;
    for (int j = 2004; j <= std::max(2004, aktuellesJahr + 1); ++j) jahre.push_back(std::to_string(j));
    return jahre;
}

Berichtsjahre::Berichtsjahre() : jahre_(BerichtsjahrAuswahl(AktuellesJahr())) {
    for (const std::string& j : jahre_) zeiger_.push_back(j.c_str());
}

namespace {

constexpr std::array<const char*, 4> kStandardDateinamen = {"Schule.XML", "Lehrer.XML", "Klassen.XML", "Schueler.XML"};

s80& XmlDateiFeld(TEinstellungen& e, int bereich) {
    return const_cast<s80&>(XMLDateiName(e, bereich));
}

std::string Text(std::string_view cp1252) {
    return Cp1252ToUtf8(cp1252);
}

void Zahl(U16& feld, int wert) {
    // A choice without a chosen item keeps what was stored.
    if (wert >= 0 && wert <= 0xFFFF) feld = static_cast<std::uint16_t>(wert);
}

std::uint16_t Haken(bool an) {
    return an ? 1 : 0;
}

// A chosen folder as stored: cut to the field, a separator appended while there
// is room for it. An empty choice stays empty rather than becoming the root.
void OrdnerInsFeld(s250& feld, const std::string& utf8) {
    std::string s = Utf8ToCp1252(utf8);
    if (s.size() > s250::Kapazitaet) s.resize(s250::Kapazitaet);
    if (!s.empty() && !EndetMitTrenner(s) && s.size() < s250::Kapazitaet) s += kTrenner;
    feld = s;
}

bool ImportGueltig(int bereich, int reihenfolge) {
    return bereich >= ImportSchule && bereich <= ImportSchueler && reihenfolge >= 1 && reihenfolge <= 3;
}

void ImportIndexPruefen(EinstellungsFormular& f) {
    if (!ImportGueltig(f.ImportBereich, f.ImportReihenfolge)) {
        f.ImportBereich = ImportSchule;
        f.ImportReihenfolge = 1;
    }
}

bool EndetAufXml(const std::string& name) {
    if (name.size() < 4) return false;
    std::string ende = name.substr(name.size() - 4);
    for (char& c : ende) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return ende == ".XML";
}

// The folder named by a path without its trailing separators, as the file
// system wants it; the root stays "/".
std::filesystem::path OrdnerPfad(const std::string& ordner) {
    std::string s = ordner;
    while (s.size() > 1 && EndetMitTrenner(s)) s.pop_back();
    return std::filesystem::path(s);
}

// Names are stored as Windows-1252 in the record, so a folder whose name has
// no such character could never be found again under the stored path.
bool OrdnernameZulaessig(std::string_view name) {
    if (name.find('/') != std::string_view::npos || name.find('\0') != std::string_view::npos) return false;
    return Cp1252ToUtf8(Utf8ToCp1252(name)) == name;
}

} // namespace

bool SchulnummerGueltig(std::string_view utf8) {
    return !utf8.empty() && utf8.size() <= s10::Kapazitaet &&
           std::all_of(utf8.begin(), utf8.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string MeldungSchulnummer(std::string_view utf8) {
    return "Schulnummer: " + std::string(utf8) + " kann nicht benutzt werden!\r\r" + kSchulnummerRegel;
}

EinstellungsFormular FormularAnlegen(std::string programmOrdner) {
    EinstellungsFormular f;
    f.ProgrammOrdner = MitTrenner(std::move(programmOrdner));
    return f;
}

void FormularAnzeigen(EinstellungsFormular& f, const TEinstellungen& e) {
    f.Kopie = e;
    FormularFuellen(f, e);
}

void FormularFuellen(EinstellungsFormular& f, const TEinstellungen& e) {
    f.Schulnummer = Text(e.Schulnummer.view());
    f.DatenPfad = PfadAusFeld(e.DatenPfad);
    f.Datenquelle = e.Datenquelle;
    f.Dateizugriff = e.Dateizugriff;
    f.Berichtsjahr = Text(e.Berichtsjahr.view());
    f.FreierTraeger = e.FreierTraeger == 1;
    f.WeiterfuehrendeSchule = e.WeiterfuehrendeSchule == 1;
    f.StartSicherung = e.StartSicherung == 1;

    f.ExportPfad = PfadAusFeld(e.ExportPfad);
    for (int a = ImportSchule; a <= ImportSchueler; ++a) f.XMLDateien[a - 1] = Text(XMLDateiName(e, a).view());
    f.XMLLayout = e.XMLLayout;
    f.AnsiAusgabe = e.AnsiAusgabe == 1;

    f.ZwischenablageInfo = e.ZwischenablageInfo == 1;
    f.UELoeschenOhneFrage = e.UELoeschenOhneFrage == 1;
    f.VorgaengerAlsVorlage = e.VorgaengerAlsVorlage == 1;
    f.AlleTestsZeigen = e.AlleTestsZeigen == 1;
    f.SchwelleSchule = e.SchwelleSchule;
    f.SchwelleLehrer = e.SchwelleLehrer;
    f.SchwelleKlassen = e.SchwelleKlassen;
    f.SchwelleSchueler = e.SchwelleSchueler;
    f.UEInfoReihenfolge = e.UEInfoReihenfolge;

    ImportEintragZeigen(f, e);
}

std::vector<std::string> XmlDateienIn(const std::string& ordner) {
    std::vector<std::string> namen;
    std::error_code ec;
    std::filesystem::directory_iterator it(OrdnerPfad(ordner), ec);
    if (ec) return namen;
    for (const auto& eintrag : it) {
        std::error_code ec2;
        if (!eintrag.is_regular_file(ec2)) continue;
        std::string name = eintrag.path().filename().string();
        if (EndetAufXml(name)) namen.push_back(std::move(name));
    }
    std::sort(namen.begin(), namen.end());
    return namen;
}

void ImportOrdnerWaehlen(EinstellungsFormular& f, std::string_view ordner) {
    f.ImportOrdner = MitTrenner(std::string(ordner));
    f.ImportDateien = XmlDateienIn(f.ImportOrdner);
    f.ImportDateiIndex = -1;
    f.ImportDatei = f.ImportOrdner;
}

void ImportDateiWaehlen(EinstellungsFormular& f, int index) {
    if (index < 0 || index >= static_cast<int>(f.ImportDateien.size())) return;
    f.ImportDateiIndex = index;
    f.ImportDatei = f.ImportOrdner + f.ImportDateien[index];
}

void ImportEintragZeigen(EinstellungsFormular& f, const TEinstellungen& e) {
    ImportIndexPruefen(f);
    const TXMLImportEintrag& x = e.XMLImport[f.ImportBereich][f.ImportReihenfolge];
    f.ImportDatensaetze = x.Datensaetze;
    f.ImportEinzelfelder = x.Einzelfelder;

    const std::string datei = PfadAusFeld(x.Datei);
    const std::size_t schnitt = datei.find_last_of("/\\");
    const std::string ordner = schnitt == std::string::npos ? f.ProgrammOrdner : datei.substr(0, schnitt + 1);
    const std::string name = schnitt == std::string::npos ? datei : datei.substr(schnitt + 1);

    ImportOrdnerWaehlen(f, ordner);
    const auto it = std::find(f.ImportDateien.begin(), f.ImportDateien.end(), name);
    if (!name.empty() && it != f.ImportDateien.end())
        ImportDateiWaehlen(f, static_cast<int>(it - f.ImportDateien.begin()));
    else
        // A file that does not exist yet keeps its name (an import file is often
        // set up before it arrives); an empty entry stays empty.
        f.ImportDatei = datei;
}

void ImportEintragSpeichern(EinstellungsFormular& f, TEinstellungen& e) {
    ImportIndexPruefen(f);
    TXMLImportEintrag& x = e.XMLImport[f.ImportBereich][f.ImportReihenfolge];
    x.Datei = Utf8ToCp1252(f.ImportDatei); // the field keeps 250 characters
    Zahl(x.Datensaetze, f.ImportDatensaetze);
    Zahl(x.Einzelfelder, f.ImportEinzelfelder);
}

void ImportEintragWechseln(EinstellungsFormular& f, TEinstellungen& e, int bereich, int reihenfolge) {
    ImportEintragSpeichern(f, e);
    f.ImportBereich = bereich;
    f.ImportReihenfolge = reihenfolge;
    ImportEintragZeigen(f, e);
}

void StandardWiederherstellen(EinstellungsFormular& f, TEinstellungen& e) {
    EinstellungenStandard(e, f.ProgrammOrdner);
    FormularFuellen(f, e);
}

std::string XmlDateinameUebernehmen(std::string_view utf8, int bereich, Meldungen& m) {
    std::string name = NormaliseXmlFileName(Utf8ToCp1252(utf8), m);
    if (name.empty())
        name = kStandardDateinamen[bereich >= ImportSchule && bereich <= ImportSchueler ? bereich - 1 : 0];
    return name;
}

void FormularUebernehmen(EinstellungsFormular& f, TEinstellungen& e, Meldungen& m) {
    ImportEintragSpeichern(f, e);

    e.Schulnummer = Utf8ToCp1252(f.Schulnummer);
    OrdnerInsFeld(e.DatenPfad, f.DatenPfad);
    // The import folder always follows the data folder.
    e.ImportPfad = e.DatenPfad.str() + "Import" + kTrenner;

    Zahl(e.Dateizugriff, f.Dateizugriff);
    Zahl(e.Datenquelle, f.Datenquelle);
    Zahl(e.XMLLayout, f.XMLLayout);
    Zahl(e.SchwelleSchule, f.SchwelleSchule);
    Zahl(e.SchwelleLehrer, f.SchwelleLehrer);
    Zahl(e.SchwelleKlassen, f.SchwelleKlassen);
    Zahl(e.SchwelleSchueler, f.SchwelleSchueler);
    Zahl(e.UEInfoReihenfolge, f.UEInfoReihenfolge);

    e.AnsiAusgabe = Haken(f.AnsiAusgabe);
    e.ZwischenablageInfo = Haken(f.ZwischenablageInfo);
    e.UELoeschenOhneFrage = Haken(f.UELoeschenOhneFrage);
    e.StartSicherung = Haken(f.StartSicherung);
    e.VorgaengerAlsVorlage = Haken(f.VorgaengerAlsVorlage);
    e.WeiterfuehrendeSchule = Haken(f.WeiterfuehrendeSchule);
    e.FreierTraeger = Haken(f.FreierTraeger);
    e.AlleTestsZeigen = Haken(f.AlleTestsZeigen);

    for (int a = ImportSchule; a <= ImportSchueler; ++a)
        XmlDateiFeld(e, a) = XmlDateinameUebernehmen(f.XMLDateien[a - 1], a, m); // the field keeps 80 characters

    OrdnerInsFeld(e.ExportPfad, f.ExportPfad);
    e.Berichtsjahr = Utf8ToCp1252(f.Berichtsjahr);
}

std::string OrdnerNichtSpeicherbar(const std::string& ordner, OrdnerWahl w) {
    const std::string pfad = MitTrenner(ordner);
    if (!PfadSpeicherbar(pfad)) return pfad;
    // The import folder always follows the data folder.
    if (w == OrdnerWahl::Daten && !pfad.empty() && !PfadSpeicherbar(pfad + "Import" + kTrenner))
        return pfad + "Import" + kTrenner;
    return {};
}

std::string NichtSpeicherbarerPfad(const EinstellungsFormular& f) {
    if (std::string p = OrdnerNichtSpeicherbar(f.DatenPfad, OrdnerWahl::Daten); !p.empty()) return p;
    if (std::string p = OrdnerNichtSpeicherbar(f.ExportPfad, OrdnerWahl::Export); !p.empty()) return p;
    if (!PfadSpeicherbar(f.ImportDatei)) return f.ImportDatei;
    return {};
}

bool FormularOk(EinstellungsFormular& f, TEinstellungen& e, Meldungen& m) {
    // A path stored changed would send the data to a folder nobody chose.
    if (const std::string p = NichtSpeicherbarerPfad(f); !p.empty()) {
        m.Fehler(MeldungPfadNichtSpeicherbar(p));
        return false;
    }
    // The number goes into every record and the header of every data file.
    if (!SchulnummerGueltig(f.Schulnummer)) {
        m.Fehler(MeldungSchulnummer(f.Schulnummer));
        return false;
    }
    if (f.Stand && !(EinstellungsStand(f.ProgrammOrdner) == *f.Stand)) {
        const std::string pfad = PfadVon(f.ProgrammOrdner, kEinstellungenDatei);
        switch (FremdfassungFragen(pfad,
                                   "Meine Fassung speichern: die andere Fassung wird überschrieben.\rDie andere "
                                   "Fassung laden: Ihre Eingaben in diesem Dialog gehen verloren.\rAbbrechen: es "
                                   "wird nichts geschrieben.",
                                   m)) {
            case Fremdfassung::MeineSpeichern:
                break;
            case Fremdfassung::AndereLaden:
                if (m.Frage("Ihre Eingaben in diesem Dialog gehen verloren.\r\rWollen Sie die andere Fassung "
                            "wirklich laden?")) {
                    *f.Stand = EinstellungsStand(f.ProgrammOrdner);
                    EinstellungenLesen(e, f.ProgrammOrdner, f.ProgrammOrdner, m);
                    f.Kopie = e;
                    FormularAnzeigen(f, e);
                    f.NeuGeladen = true;
                }
                return false;
            case Fremdfassung::Abbrechen:
                return false;
        }
    }
    FormularUebernehmen(f, e, m);
    if (!EinstellungenSchreiben(e, f.ProgrammOrdner, m)) return false;
    if (f.Stand) *f.Stand = EinstellungsStand(f.ProgrammOrdner);
    return true;
}

void FormularAbbrechen(const EinstellungsFormular& f, TEinstellungen& e) {
    e = f.Kopie;
}

std::string& GewaehlterOrdner(EinstellungsFormular& f, OrdnerWahl w) {
    return w == OrdnerWahl::Daten ? f.DatenPfad : f.ExportPfad;
}

bool NeuenOrdnerErstellen(EinstellungsFormular& f, OrdnerWahl w, std::string_view name, Meldungen& m) {
    if (name.empty()) {
        m.Fehler(kMeldungOrdnernameLeer);
        return false;
    }
    std::string& gewaehlt = GewaehlterOrdner(f, w);
    const std::string neu = PfadVon(gewaehlt, name);
    if (OrdnernameZulaessig(name) && !PfadSpeicherbar(MitTrenner(neu))) {
        m.Fehler(MeldungPfadNichtSpeicherbar(MitTrenner(neu)));
        return false;
    }
    // Only a folder made here counts: an existing one was not created.
    std::error_code ec;
    if (!OrdnernameZulaessig(name) || !std::filesystem::create_directory(std::filesystem::path(neu), ec) || ec) {
        m.Fehler(kMeldungOrdnerNichtErstellt);
        return false;
    }
    gewaehlt = neu;
    return true;
}

} // namespace zev
