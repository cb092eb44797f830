#include "cli/record_json.h"

#include "model/encoding.h"

namespace zev {

namespace {

template <std::size_t N> Json T(const SText<N>& s) { return Cp1252ToUtf8(s.view()); }
template <class I> Json Z(const LE<I>& z) { return z.get(); }

// Elements 1..last of an array, each turned into JSON by `f`.
template <class A, class F> Json Liste(const A& a, F f) {
    Json j = Json::array();
    for (int k = std::max(1, A::Erster); k <= A::Letzter; ++k) j.push_back(f(a[k]));
    return j;
}
template <class A> Json Texte(const A& a) {
    return Liste(a, [](const auto& s) { return T(s); });
}

Json Verweise(const auto& a) {
    return Liste(a, [](const TUEVerweis& v) { return Json{{"Nummer", Z(v.Nummer)}, {"UE_ID", T(v.UE_ID)}}; });
}

Json StundenGruende(const Reihe<TStundenGrund, 1, 5>& a) {
    return Liste(a, [](const TStundenGrund& g) {
        return Json{{"Grund_mehr", T(g.Grund_mehr)},
                    {"Anzahl_mehr", T(g.Anzahl_mehr)},
                    {"Grund_minder", T(g.Grund_minder)},
                    {"Anzahl_minder", T(g.Anzahl_minder)}};
    });
}

template <class R> Json Kopf(const R& r, const char* nummer, const s10& nr) {
    return Json{{"ID", Z(r.ID)},
                {"Warnungen", Z(r.Warnungen)},
                {"Fehler", Z(r.Fehler)},
                {"Schulnummer", T(r.Schulnummer)},
                {nummer, T(nr)}};
}

} // namespace

Json AlsJson(const TLehrerDS& r) {
    Json j = Kopf(r, "Lehrernummer", r.Lehrernummer);
    const auto& g = r.Grunddaten;
    j["Grunddaten"] = {{"Name", T(g.Name)},
                       {"Vorname", T(g.Vorname)},
                       {"Titel", T(g.Titel)},
                       {"Geschlecht", Z(g.Geschlecht)},
                       {"Geburtsdatum", T(g.Geburtsdatum)},
                       {"Staatszugehoerigkeit", T(g.Staatszugehoerigkeit)},
                       {"Beschaeftigung", T(g.Beschaeftigung)},
                       {"Ausbildung", Texte(g.Ausbildung)},
                       {"Fach_Lehrb", Texte(g.Fach_Lehrb)}};
    j["Stunden"] = {{"Lehramt", Texte(r.Stunden.Lehramt)},
                    {"Regelstunden", T(r.Stunden.Regelstunden)},
                    {"Vertragsstunden", T(r.Stunden.Vertragsstunden)},
                    {"Vertretung", T(r.Stunden.Vertretung)}};
    j["Arbeitszeitkonto"] = StundenGruende(r.Arbeitszeitkonto);
    j["Arbeitszeitregelung"] = StundenGruende(r.Arbeitszeitregelung);
    j["Anrechnungsstunden"] = Liste(r.Anrechnungsstunden, [](const TAnrechnung& a) {
        return Json{{"Grund", T(a.Grund)}, {"Stunden", T(a.Stunden)}};
    });
    j["Sonstiges"] = {{"Taetigkeit", T(r.Sonstiges.Taetigkeit)},
                      {"Personengruppe", Texte(r.Sonstiges.Personengruppe)},
                      {"Klassenleiter", T(r.Sonstiges.Klassenleiter)},
                      {"Schulleiter", Z(r.Sonstiges.Schulleiter)}};
    j["Unterrichtseinheit"] = Verweise(r.Unterrichtseinheit);
    j["Einsatz"] = Liste(r.Einsatz, [](const TEinsatz& e) {
        return Json{{"Art", T(e.Art)}, {"Jahrgang", T(e.Jahrgang)}, {"Stunden", T(e.Stunden)}};
    });
    const auto art = [](const TZuAbgangArt& a) { return Json{{"Art", T(a.Art)}, {"Datum", T(a.Datum)}}; };
    j["Zu_Abgang"] = {{"Zugang", art(r.Zu_Abgang.Zugang)}, {"Abgang", art(r.Zu_Abgang.Abgang)}};
    return j;
}

Json AlsJson(const TKlasseDS& r) {
    Json j = Kopf(r, "Klassenname", r.Klassenname);
    j["Klassenbesonderheit"] = Texte(r.Klassenbesonderheit);
    j["Unterrichtseinheit"] = Verweise(r.Unterrichtseinheit);
    return j;
}

Json AlsJson(const TSchuelerDS& r) {
    Json j = Kopf(r, "Schuelernummer", r.Schuelernummer);
    const auto& g = r.Grunddaten;
    j["Grunddaten"] = {
        {"Name", T(g.Name)},
        {"Vorname", T(g.Vorname)},
        {"Geschlecht", Z(g.Geschlecht)},
        {"Geburtsdatum", T(g.Geburtsdatum)},
        {"Staatsangehoerigkeit", T(g.Staatsangehoerigkeit)},
        {"Migrantenstatus", T(g.Migrantenstatus)},
        {"Verkehrssprache", T(g.Verkehrssprache)},
        {"Zuzug", T(g.Zuzug)},
        {"Einschulung",
         {{"Einschulungsjahr", T(g.Einschulung.Einschulungsjahr)}, {"Einschulungsart", T(g.Einschulung.Einschulungsart)}}},
        {"Anschrift",
         {{"Gemeinde", T(g.Anschrift.Gemeinde)},
          {"Wohnort", T(g.Anschrift.Wohnort)},
          {"PLZ", T(g.Anschrift.PLZ)},
          {"Strasse", T(g.Anschrift.Strasse)}}},
        {"vorherige_Schule", T(g.vorherige_Schule)},
        {"Herkunft", {{"Schulart", T(g.Herkunft.Schulart)}, {"Jahrgang", T(g.Herkunft.Jahrgang)}}}};
    const auto& jd = r.Jahrgangsdaten;
    j["Jahrgangsdaten"] = {{"Klasse", T(jd.Klasse)},
                           {"Jahrgang", T(jd.Jahrgang)},
                           {"Schulart", T(jd.Schulart)},
                           {"Wiederholer", T(jd.Wiederholer)},
                           {"Empfehlung", T(jd.Empfehlung)},
                           {"Schulartwechsel", T(jd.Schulartwechsel)},
                           {"Ausland", T(jd.Ausland)},
                           {"Auslaender", T(jd.Auslaender)},
                           {"LRS", T(jd.LRS)},
                           {"Dyskalkulie", T(jd.Dyskalkulie)},
                           {"Ganztag", T(jd.Ganztag)},
                           {"Bildungsgang", T(jd.Bildungsgang)},
                           {"Extern", T(jd.Extern)},
                           {"Unterrichtseinheit", Verweise(jd.Unterrichtseinheit)}};
    j["Foerderbedarf"] = {{"Bedarf", T(r.Foerderbedarf.Bedarf)}, {"Tatsaechlich", T(r.Foerderbedarf.Tatsaechlich)}};
    j["Fremdsprachen"] = Liste(r.Fremdsprachen, [](const TFremdsprache& f) {
        return Json{{"Erwerb", T(f.Erwerb)}, {"Sprache", T(f.Sprache)}, {"Art", T(f.Art)}};
    });
    j["Abschluss"] = {
        {"allgemeinbildender", Liste(r.Abschluss.allgemeinbildender,
                                     [](const TAbschlussAllgemein& a) {
                                         return Json{{"allgemein", T(a.allgemein)}, {"Jahr", T(a.Jahr)}};
                                     })},
        {"berufsbezogener", Liste(r.Abschluss.berufsbezogener, [](const TAbschlussBeruf& a) {
             return Json{{"Beruf", T(a.Beruf)}, {"Jahr", T(a.Jahr)}};
         })}};
    const auto& a = r.Ausbildung;
    j["Ausbildung"] = {{"Beruf", T(a.Beruf)},         {"Stellung", T(a.Stellung)}, {"Stunden", T(a.Stunden)},
                       {"Zeitform", T(a.Zeitform)},   {"Standort", T(a.Standort)}, {"Standort_Text", T(a.Standort_Text)}};
    return j;
}

Json AlsJson(const TSchuleDS& r) {
    Json j;
    j["Schulnummer"] = T(r.Schulnummer);
    j["Schuldaten"] = {
        {"Schulart", Texte(r.Schuldaten.Schulart)}, {"Orgform", T(r.Schuldaten.Orgform)}, {"Ganztag", T(r.Schuldaten.Ganztag)}};
    j["Orgform_Text"] = T(r.Schuldaten.Orgform_Text);
    const auto& f = r.freie_Traeger;
    j["freie_Traeger"] = {{"Name", T(f.Name)},
                          {"Schulamt", T(f.Schulamt)},
                          {"Rechtsstatus", T(f.Rechtsstatus)},
                          {"Traeger", T(f.Traeger)},
                          {"Gemeinde", T(f.Gemeinde)},
                          {"Standort", T(f.Standort)},
                          {"PLZ", T(f.PLZ)},
                          {"Strasse", T(f.Strasse)},
                          {"EMail", T(f.EMail)},
                          {"Internet", T(f.Internet)},
                          {"Schulleiter",
                           {{"Anrede", T(f.Schulleiter.Anrede)},
                            {"Titel", T(f.Schulleiter.Titel)},
                            {"Name", T(f.Schulleiter.Name)},
                            {"Telefon", T(f.Schulleiter.Telefon)}}}};
    j["Unterrichtseinheit"] = Liste(r.Unterrichtseinheit, [](const TUnterrichtseinheitDS& u) {
        return Json{{"UE_ID", Z(u.UE_ID)},       {"UE_ID_Text", T(u.UE_ID_Text)}, {"Schulart", T(u.Schulart)},
                    {"Jahrgang", T(u.Jahrgang)}, {"Klasse", T(u.Klasse)},         {"Fach", T(u.Fach)},
                    {"Fach_Text", T(u.Fach_Text)}, {"Kurs", T(u.Kurs)},           {"Bilingual", T(u.Bilingual)},
                    {"Stunden", T(u.Stunden)},   {"Lehrer", T(u.Lehrer)}};
    });
    j["Nichteinschulung"] = Liste(r.Nichteinschulung, [](const TNichteinschulung& n) {
        return Json{{"Art", T(n.Art)}, {"maennlich", T(n.maennlich)}, {"weiblich", T(n.weiblich)}};
    });
    return j;
}

Json AlsJson(const TEinstellungen& e) {
    Json j;
    j["Schulnummer"] = T(e.Schulnummer);
    j["DatenPfad"] = T(e.DatenPfad);
    j["ImportPfad"] = T(e.ImportPfad);
    j["ExportPfad"] = T(e.ExportPfad);
    j["XMLDateiSchule"] = T(e.XMLDateiSchule);
    j["XMLDateiLehrer"] = T(e.XMLDateiLehrer);
    j["XMLDateiKlassen"] = T(e.XMLDateiKlassen);
    j["XMLDateiSchueler"] = T(e.XMLDateiSchueler);
    j["AnsiAusgabe"] = Z(e.AnsiAusgabe);
    j["Datenquelle"] = Z(e.Datenquelle);
    j["ZwischenablageInfo"] = Z(e.ZwischenablageInfo);
    j["XMLLayout"] = Z(e.XMLLayout);
    j["UELoeschenOhneFrage"] = Z(e.UELoeschenOhneFrage);
    j["StartSicherung"] = Z(e.StartSicherung);
    j["VorgaengerAlsVorlage"] = Z(e.VorgaengerAlsVorlage);
    j["WeiterfuehrendeSchule"] = Z(e.WeiterfuehrendeSchule);
    j["Dateizugriff"] = Z(e.Dateizugriff);
    j["FreierTraeger"] = Z(e.FreierTraeger);
    j["XMLImport"] = Liste(e.XMLImport, [](const Reihe<TXMLImportEintrag, 1, 3>& bereich) {
        return Liste(bereich, [](const TXMLImportEintrag& x) {
            return Json{{"Datei", T(x.Datei)}, {"Datensaetze", Z(x.Datensaetze)}, {"Einzelfelder", Z(x.Einzelfelder)}};
        });
    });
    j["AlleTestsZeigen"] = Z(e.AlleTestsZeigen);
    j["Berichtsjahr"] = T(e.Berichtsjahr);
    j["SchwelleSchule"] = Z(e.SchwelleSchule);
    j["SchwelleLehrer"] = Z(e.SchwelleLehrer);
    j["SchwelleKlassen"] = Z(e.SchwelleKlassen);
    j["SchwelleSchueler"] = Z(e.SchwelleSchueler);
    j["UEInfoReihenfolge"] = Z(e.UEInfoReihenfolge);
    return j;
}

} // namespace zev
