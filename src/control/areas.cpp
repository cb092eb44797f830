#include "control/areas.h"

#include "model/encoding.h"
#include "storage/area_files.h"
#include "xml/export_trees.h"

#include <functional>

namespace zev {

namespace {

std::string U(std::string_view s) {
    return Cp1252ToUtf8(s);
}

// The page of an area has the area's number, which `BereichVon` relies on.
template <class A> constexpr bool SeiteWieBereich() {
    return static_cast<int>(A::kSeite) == static_cast<int>(A::kBereich);
}
static_assert(SeiteWieBereich<SchulBereich>() && SeiteWieBereich<LehrerBereich>() &&
              SeiteWieBereich<KlassenBereich>() && SeiteWieBereich<SchuelerBereich>());

} // namespace

std::string_view BereichsName(Bereich b) {
    return MitBereich(b, []<class A>(A) { return A::kName; });
}

std::string_view Dateiname(Bereich b) {
    return MitBereich(b, []<class A>(A) { return A::kDateiname; });
}

std::string Schliessfrage(Bereich b) {
    const std::string_view wort = MitBereich(b, []<class A>(A) { return A::kDatenwort; });
    return "Die " + std::string(wort) +
           " wurden ev. geändert!\r\rWollen Sie die aktuellen Daten im\rinternen Datenformat (*.ZEV) sichern?";
}

// --- the school ------------------------------------------------------------------------------

bool SchulBereich::Lesen(Datenbestand& d, const std::string& ordner, TEinstellungen&, Meldungen& m) {
    return SchuleLesen(d, ordner, m);
}

bool SchulBereich::Schreiben(const Datenbestand& d, const std::string& ordner, const TEinstellungen&, Meldungen& m,
                             std::string_view vorgaenger) {
    return SchuleSchreiben(d.SchulDS, ordner, m, vorgaenger);
}

bool SchulBereich::KopieLS(const Datenbestand& d, const std::string& ordner, const TEinstellungen&, Meldungen& m) {
    return SchuleKopieLS(d.SchulDS, ordner, m);
}

bool SchulBereich::Einlesen(const std::string& pfad, const TXMLImportEintrag& eintrag, Datenbestand& d,
                            const TEinstellungen& e, Meldungen& m, ImportBericht& bericht) {
    auto s = ImportSchoolXml(pfad, e, m, bericht);
    if (!s) return false;
    MergeSchoolImport(d.SchulDS, *s, eintrag.Datensaetze, eintrag.Einzelfelder, m, bericht);
    return true;
}

bool SchulBereich::XmlSchreiben(const Datenbestand& d, const TEinstellungen& e, const std::string& exportOrdner,
                                Meldungen& m) {
    return WriteSchoolXml(d.SchulDS, e, exportOrdner, m);
}

std::string SchulBereich::XmlText(const Datenbestand& d, const TEinstellungen& e, std::string_view dateiname) {
    return SchulXml(d.SchulDS, e, dateiname);
}

std::size_t SchulBereich::Fingerabdruck(const Datenbestand& d) {
    return std::hash<std::string_view>{}(
        std::string_view(reinterpret_cast<const char*>(&d.SchulDS), sizeof(TSchuleDS)));
}

// --- the list areas --------------------------------------------------------------------------

namespace {

std::optional<std::vector<TLehrerDS>> Import(const TLehrerDS*, const std::string& p, const TEinstellungen& e,
                                             Meldungen& m, ImportBericht& b) {
    return ImportTeacherXml(p, e, m, b);
}
std::optional<std::vector<TKlasseDS>> Import(const TKlasseDS*, const std::string& p, const TEinstellungen& e,
                                             Meldungen& m, ImportBericht& b) {
    return ImportClassXml(p, e, m, b);
}
std::optional<std::vector<TSchuelerDS>> Import(const TSchuelerDS*, const std::string& p, const TEinstellungen& e,
                                               Meldungen& m, ImportBericht& b) {
    return ImportStudentXml(p, e, m, b);
}

bool Export(const BereichsDaten<TLehrerDS>& b, const TEinstellungen& e, const std::string& o, Meldungen& m) {
    return WriteTeacherXml(b, e, o, m);
}
bool Export(const BereichsDaten<TKlasseDS>& b, const TEinstellungen& e, const std::string& o, Meldungen& m) {
    return WriteClassXml(b, e, o, m);
}
bool Export(const BereichsDaten<TSchuelerDS>& b, const TEinstellungen& e, const std::string& o, Meldungen& m) {
    return WriteStudentXml(b, e, o, m);
}

std::string Text(const std::vector<TLehrerDS>& v, const TEinstellungen& e, std::string_view n) {
    return LehrerXml(v, e, n);
}
std::string Text(const std::vector<TKlasseDS>& v, const TEinstellungen& e, std::string_view n) {
    return KlassenXml(v, e, n);
}
std::string Text(const std::vector<TSchuelerDS>& v, const TEinstellungen& e, std::string_view n) {
    return SchuelerXml(v, e, n);
}

} // namespace

template <class R>
bool ListenBereich<R>::Lesen(Datenbestand& d, const std::string& ordner, TEinstellungen& e, Meldungen& m) {
    return BereichLesen(Daten(d), ordner, e, m);
}

template <class R>
bool ListenBereich<R>::Schreiben(const Datenbestand& d, const std::string& ordner, const TEinstellungen& e,
                                 Meldungen& m, std::string_view vorgaenger) {
    return BereichSchreiben(Daten(d), ordner, e, m, vorgaenger);
}

template <class R>
bool ListenBereich<R>::KopieLS(const Datenbestand& d, const std::string& ordner, const TEinstellungen& e,
                               Meldungen& m) {
    return BereichKopieLS(Daten(d), ordner, e, m);
}

template <class R>
bool ListenBereich<R>::Einlesen(const std::string& pfad, const TXMLImportEintrag&, Datenbestand& d,
                                const TEinstellungen& e, Meldungen& m, ImportBericht& bericht) {
    auto v = Import(static_cast<const R*>(nullptr), pfad, e, m, bericht);
    if (!v) return false;
    BereichErsetzen(Daten(d), std::move(*v), e.Schulnummer.view(), m);
    return true;
}

template <class R>
bool ListenBereich<R>::XmlSchreiben(const Datenbestand& d, const TEinstellungen& e, const std::string& exportOrdner,
                                    Meldungen& m) {
    return Export(Daten(d), e, exportOrdner, m);
}

template <class R>
std::string ListenBereich<R>::XmlText(const Datenbestand& d, const TEinstellungen& e, std::string_view dateiname) {
    return Text(Daten(d).DB, e, dateiname);
}

template <class R> std::size_t ListenBereich<R>::Fingerabdruck(const Datenbestand& d) {
    const BereichsDaten<R>& b = Daten(d);
    const std::string_view bytes(reinterpret_cast<const char*>(b.DB.data()), b.DB.size() * sizeof(R));
    return std::hash<std::string_view>{}(bytes) ^ (static_cast<std::size_t>(b.Letzter()) << 1);
}

template struct ListenBereich<TLehrerDS>;
template struct ListenBereich<TKlasseDS>;
template struct ListenBereich<TSchuelerDS>;

// --- words of records ------------------------------------------------------------------------

std::string LehrerBereich::Wer(const TLehrerDS& r) {
    return U(r.Grunddaten.Vorname.view()) + " " + U(r.Grunddaten.Name.view());
}
std::string LehrerBereich::Kurz(const TLehrerDS& r) {
    return U(r.Grunddaten.Name.view()) + ", " + U(r.Grunddaten.Vorname.view());
}
bool LehrerBereich::Frei(const TLehrerDS& r) {
    return r.Grunddaten.Name == kFreiName && r.Grunddaten.Vorname.empty();
}
std::string LehrerBereich::LoeschFrage(const TLehrerDS& r) {
    return "Wollen Sie den aktuellen Lehrer:\r" + Wer(r) + " [" + std::to_string(r.ID.get()) + "]" + "\r" +
           "jetzt endgültig löschen?";
}

std::string KlassenBereich::Wer(const TKlasseDS& r) {
    return U(r.Klassenname.view());
}
std::string KlassenBereich::Kurz(const TKlasseDS& r) {
    return U(r.Klassenname.view());
}
bool KlassenBereich::Frei(const TKlasseDS& r) {
    return r.Klassenname.empty();
}
std::string KlassenBereich::LoeschFrage(const TKlasseDS& r) {
    return "Wollen Sie die Klasse:" + Wer(r) + "\r" + "jetzt endgültig löschen?";
}

std::string SchuelerBereich::Wer(const TSchuelerDS& r) {
    return U(r.Grunddaten.Vorname.view()) + " " + U(r.Grunddaten.Name.view());
}
std::string SchuelerBereich::Kurz(const TSchuelerDS& r) {
    return U(r.Grunddaten.Name.view()) + ", " + U(r.Grunddaten.Vorname.view()) + " (" +
           U(r.Jahrgangsdaten.Klasse.view()) + ")";
}
bool SchuelerBereich::Frei(const TSchuelerDS& r) {
    return r.Grunddaten.Name == kFreiName && r.Grunddaten.Vorname.empty();
}
std::string SchuelerBereich::LoeschFrage(const TSchuelerDS& r) {
    return "Wollen Sie den aktuellen Schüler:\r" + Wer(r) + " [" + std::to_string(r.ID.get()) + "]" + "\r" +
           "jetzt endgültig löschen?";
}

} // namespace zev
