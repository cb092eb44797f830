#include "xml/export_trees.h"

#include "catalog/catalogue_list.h"
#include "io/file_io.h"
#include "io/file_messages.h"
#include "model/encoding.h"
#include "model/paths.h"
#include "xml/xml_writer.h"

namespace zev {

namespace {

using namespace tags;

template <std::size_t N> bool NichtLeer(const SText<N>& t) {
    return !IsEmptyValue(t.view());
}
template <std::size_t N> bool HatLaenge(const SText<N>& t) {
    return t.len > 0;
}

// An entry of a repeated group has data when one of its fields is not empty.
bool HatDaten(const TStundenGrund& g) {
    return NichtLeer(g.Grund_mehr) || NichtLeer(g.Anzahl_mehr) || NichtLeer(g.Grund_minder) ||
           NichtLeer(g.Anzahl_minder);
}
bool HatDaten(const TAnrechnung& a) {
    return NichtLeer(a.Grund) || NichtLeer(a.Stunden);
}
bool HatDaten(const TEinsatz& e) {
    return NichtLeer(e.Art) || NichtLeer(e.Jahrgang) || NichtLeer(e.Stunden);
}
bool HatDaten(const TFremdsprache& f) {
    return NichtLeer(f.Erwerb) || NichtLeer(f.Sprache) || NichtLeer(f.Art);
}
bool HatDaten(const TAbschlussAllgemein& a) {
    return NichtLeer(a.allgemein) || NichtLeer(a.Jahr);
}
bool HatDaten(const TAbschlussBeruf& b) {
    return NichtLeer(b.Beruf) || NichtLeer(b.Jahr);
}

template <class A> bool EinesHatDaten(const A& a) {
    for (int i = A::Erster; i <= A::Letzter; ++i)
        if (HatDaten(a[i])) return true;
    return false;
}

// Entry 1 always, the others when they hold something in the sense of `zeigen`.
template <class A, class F> void ErstesImmer(XmlSchreiber& w, Tabelle t, int tag, const A& a, F zeigen) {
    for (int i = 1; i <= A::Letzter; ++i)
        if (i == 1 || zeigen(a[i])) w.Elem(t, tag, a[i].view());
}

template <class A> void Verweise(XmlSchreiber& w, Tabelle t, int tag, const A& a) {
    for (int i = 1; i <= A::Letzter; ++i)
        if (i == 1 || (!IsEmptyValue(a[i].UE_ID.view()) && a[i].Nummer != 0)) w.Elem(t, tag, a[i].UE_ID.view());
}

int Layout(const TEinstellungen& e) {
    return e.XMLLayout.get();
}
bool Frei(const TEinstellungen& e) {
    return e.FreierTraeger == 1;
}

// A change date counts when somebody entered part of it: a digit in the day, the
// month or the year's last two places. The initial text "  .  .20  ", an
// untouched box's "??.??.20??" and their "19" forms hold only the mask's century.
bool DatumZaehlt(const s10& d) {
    const std::string_view v = d.view();
    for (std::size_t i = 0; i < v.size(); ++i)
        if ((i < 6 || i > 7) && v[i] >= '0' && v[i] <= '9') return true;
    return false;
}

void Stundengruende(XmlSchreiber& w, Tabelle t, int container, int erstes, const Reihe<TStundenGrund, 1, 5>& a) {
    if (!EinesHatDaten(a)) return;
    w.Auf(t, container);
    for (int i = 1; i <= 5; ++i) {
        if (!HatDaten(a[i])) continue;
        w.Elem(t, erstes, a[i].Grund_mehr.view());
        w.Elem(t, erstes + 1, a[i].Anzahl_mehr.view());
        w.Elem(t, erstes + 2, a[i].Grund_minder.view());
        w.Elem(t, erstes + 3, a[i].Anzahl_minder.view());
    }
    w.Zu(t, container);
}

void LehrerBlock(XmlSchreiber& w, const TLehrerDS& r, bool frei) {
    const Tabelle t = LehrerTags();
    w.Auf(t, L_Lehrer);
    w.Elem(t, L_Schulnummer, r.Schulnummer.view());
    w.Elem(t, L_Lehrernummer, r.Lehrernummer.view());
    w.Auf(t, L_Lehrerdaten);
    if (frei) {
        const auto& g = r.Grunddaten;
        w.Auf(t, L_freie_Traeger);
        w.Auf(t, L_Grunddaten);
        w.Elem(t, L_Name, g.Name.view());
        w.Elem(t, L_Vorname, g.Vorname.view());
        w.Elem(t, L_Titel, g.Titel.view());
        w.Elem(t, L_Geschlecht, g.Geschlecht.get());
        w.Elem(t, L_Geburtsdatum, g.Geburtsdatum.view());
        w.Elem(t, L_Staatszugehoerigkeit, g.Staatszugehoerigkeit.view());
        w.Elem(t, L_Beschaeftigung, g.Beschaeftigung.view());
        for (int i = 1; i <= 10; ++i)
            if (NichtLeer(g.Ausbildung[i])) w.Elem(t, L_Ausbildung, g.Ausbildung[i].view());
        ErstesImmer(w, t, L_Fach_Lehrb, g.Fach_Lehrb, NichtLeer<5>);
        w.Zu(t, L_Grunddaten);
        w.Auf(t, L_Stunden);
        ErstesImmer(w, t, L_Lehramt, r.Stunden.Lehramt, NichtLeer<5>);
        w.Elem(t, L_Regelstunden, r.Stunden.Regelstunden.view());
        w.Elem(t, L_Vertragsstunden, r.Stunden.Vertragsstunden.view());
        w.Elem(t, L_Vertretung, r.Stunden.Vertretung.view());
        w.Zu(t, L_Stunden);
        Stundengruende(w, t, L_Arbeitszeitkonto, L_AZK_Grund_mehr, r.Arbeitszeitkonto);
        Stundengruende(w, t, L_Arbeitszeitregelung, L_AZR_Grund_mehr, r.Arbeitszeitregelung);
        if (EinesHatDaten(r.Anrechnungsstunden)) {
            w.Auf(t, L_Anrechnungsstunden);
            for (int i = 1; i <= 10; ++i) {
                if (!HatDaten(r.Anrechnungsstunden[i])) continue;
                w.Elem(t, L_AR_Grund, r.Anrechnungsstunden[i].Grund.view());
                w.Elem(t, L_AR_Stunden, r.Anrechnungsstunden[i].Stunden.view());
            }
            w.Zu(t, L_Anrechnungsstunden);
        }
        w.Zu(t, L_freie_Traeger);
    }
    const auto& so = r.Sonstiges;
    w.Auf(t, L_Sonstiges);
    w.Elem(t, L_Taetigkeit, so.Taetigkeit.view());
    ErstesImmer(w, t, L_Personengruppe, so.Personengruppe, NichtLeer<2>);
    if (NichtLeer(so.Klassenleiter)) w.Elem(t, L_Klassenleiter, so.Klassenleiter.view());
    if (so.Schulleiter == 1 || so.Schulleiter == 2) w.Elem(t, L_Schulleiter, so.Schulleiter.get());
    Verweise(w, t, L_Unterrichtseinheit, r.Unterrichtseinheit);
    w.Zu(t, L_Sonstiges);
    if (EinesHatDaten(r.Einsatz)) {
        w.Auf(t, L_Einsatz);
        for (int i = 1; i <= 5; ++i) {
            if (!HatDaten(r.Einsatz[i])) continue;
            w.Elem(t, L_E_Art, r.Einsatz[i].Art.view());
            w.Elem(t, L_E_Jahrgang, r.Einsatz[i].Jahrgang.view());
            w.Elem(t, L_E_Stunden, r.Einsatz[i].Stunden.view());
        }
        w.Zu(t, L_Einsatz);
    }
    const auto& za = r.Zu_Abgang;
    if (NichtLeer(za.Zugang.Art) || NichtLeer(za.Abgang.Art) || DatumZaehlt(za.Zugang.Datum) ||
        DatumZaehlt(za.Abgang.Datum)) {
        w.Auf(t, L_Zu_Abgang);
        // The inner blocks by the same test, so a change nobody entered is never delivered.
        if (NichtLeer(za.Zugang.Art) || DatumZaehlt(za.Zugang.Datum)) {
            w.Auf(t, L_Zugang);
            w.Elem(t, L_Zugang_Art, za.Zugang.Art.view());
            w.Elem(t, L_Zugang_Datum, za.Zugang.Datum.view());
            w.Zu(t, L_Zugang);
        }
        if (NichtLeer(za.Abgang.Art) || DatumZaehlt(za.Abgang.Datum)) {
            w.Auf(t, L_Abgang);
            w.Elem(t, L_Abgang_Art, za.Abgang.Art.view());
            w.Elem(t, L_Abgang_Datum, za.Abgang.Datum.view());
            w.Zu(t, L_Abgang);
        }
        w.Zu(t, L_Zu_Abgang);
    }
    w.Zu(t, L_Lehrerdaten);
    w.Zu(t, L_Lehrer);
}

void SchuelerBlock(XmlSchreiber& w, const TSchuelerDS& r) {
    const Tabelle t = SchuelerTags();
    const auto elemWennNichtLeer = [&](int tag, const auto& feld) {
        if (NichtLeer(feld)) w.Elem(t, tag, feld.view());
    };
    w.Auf(t, S_Schueler);
    w.Elem(t, S_Schulnummer, r.Schulnummer.view());
    w.Elem(t, S_Schuelernummer, r.Schuelernummer.view());
    w.Auf(t, S_Schuelerdaten);

    const auto& g = r.Grunddaten;
    w.Auf(t, S_Grunddaten);
    w.Elem(t, S_Name, g.Name.view());
    w.Elem(t, S_Vorname, g.Vorname.view());
    w.Elem(t, S_Geschlecht, g.Geschlecht.get());
    w.Elem(t, S_Geburtsdatum, g.Geburtsdatum.view());
    w.Elem(t, S_Staatsangehoerigkeit, g.Staatsangehoerigkeit.view());
    elemWennNichtLeer(S_Migrantenstatus, g.Migrantenstatus);
    w.Elem(t, S_Verkehrssprache, g.Verkehrssprache.view());
    w.Elem(t, S_Zuzug, g.Zuzug.view());
    w.Auf(t, S_Einschulung);
    w.Elem(t, S_Einschulungsart, g.Einschulung.Einschulungsart.view());
    w.Elem(t, S_Einschulungsjahr, g.Einschulung.Einschulungsjahr.view());
    w.Zu(t, S_Einschulung);
    w.Auf(t, S_Anschrift);
    w.Elem(t, S_Gemeinde, g.Anschrift.Gemeinde.view());
    w.Elem(t, S_Wohnort, g.Anschrift.Wohnort.view());
    w.Elem(t, S_PLZ, g.Anschrift.PLZ.view());
    w.Elem(t, S_Strasse, g.Anschrift.Strasse.view());
    w.Zu(t, S_Anschrift);
    w.Elem(t, S_vorherige_Schule, g.vorherige_Schule.view());
    w.Auf(t, S_Herkunft);
    w.Elem(t, S_H_Schulart, g.Herkunft.Schulart.view());
    w.Elem(t, S_H_Jahrgang, g.Herkunft.Jahrgang.view());
    w.Zu(t, S_Herkunft);
    w.Zu(t, S_Grunddaten);

    const auto& j = r.Jahrgangsdaten;
    w.Auf(t, S_Jahrgangsdaten);
    w.Elem(t, S_Klasse, j.Klasse.view());
    w.Elem(t, S_J_Jahrgang, j.Jahrgang.view());
    w.Elem(t, S_J_Schulart, j.Schulart.view());
    elemWennNichtLeer(S_Wiederholer, j.Wiederholer);
    elemWennNichtLeer(S_Empfehlung, j.Empfehlung);
    elemWennNichtLeer(S_Schulartwechsel, j.Schulartwechsel);
    elemWennNichtLeer(S_Ausland, j.Ausland);
    elemWennNichtLeer(S_Auslaender, j.Auslaender);
    w.Elem(t, S_LRS, j.LRS.view());
    w.Elem(t, S_Dyskalkulie, j.Dyskalkulie.view());
    elemWennNichtLeer(S_Ganztag, j.Ganztag);
    w.Elem(t, S_Bildungsgang, j.Bildungsgang.view());
    w.Elem(t, S_Extern, j.Extern.view());
    Verweise(w, t, S_Unterrichtseinheit, j.Unterrichtseinheit);
    w.Zu(t, S_Jahrgangsdaten);

    if (NichtLeer(r.Foerderbedarf.Bedarf) || NichtLeer(r.Foerderbedarf.Tatsaechlich)) {
        w.Auf(t, S_Foerderbedarf);
        w.Elem(t, S_Bedarf, r.Foerderbedarf.Bedarf.view());
        w.Elem(t, S_Tatsaechlich, r.Foerderbedarf.Tatsaechlich.view());
        w.Zu(t, S_Foerderbedarf);
    }
    for (int i = 1; i <= 5; ++i) {
        const TFremdsprache& f = r.Fremdsprachen[i];
        if (!HatDaten(f)) continue;
        w.Auf(t, S_Fremdsprachen);
        w.Elem(t, S_Erwerb, f.Erwerb.view());
        w.Elem(t, S_Sprache, f.Sprache.view());
        w.Elem(t, S_F_Art, f.Art.view());
        w.Zu(t, S_Fremdsprachen);
    }
    w.Auf(t, S_Abschluss);
    for (int i = 1; i <= 3; ++i) {
        const TAbschlussAllgemein& a = r.Abschluss.allgemeinbildender[i];
        if (!HatDaten(a)) continue;
        w.Auf(t, S_allgemeinbildender);
        w.Elem(t, S_allgemein, a.allgemein.view());
        w.Elem(t, S_A_Jahr, a.Jahr.view());
        w.Zu(t, S_allgemeinbildender);
    }
    for (int i = 1; i <= 5; ++i) {
        const TAbschlussBeruf& b = r.Abschluss.berufsbezogener[i];
        if (!HatDaten(b)) continue;
        w.Auf(t, S_berufsbezogener);
        w.Elem(t, S_B_Beruf, b.Beruf.view());
        w.Elem(t, S_B_Jahr, b.Jahr.view());
        w.Zu(t, S_berufsbezogener);
    }
    w.Zu(t, S_Abschluss);

    const auto& a = r.Ausbildung;
    if (NichtLeer(a.Beruf) || NichtLeer(a.Stellung) || NichtLeer(a.Stunden) || NichtLeer(a.Zeitform) ||
        NichtLeer(a.Standort)) {
        w.Auf(t, S_Ausbildung);
        w.Elem(t, S_Au_Beruf, a.Beruf.view());
        w.Elem(t, S_Stellung, a.Stellung.view());
        w.Elem(t, S_Au_Stunden, a.Stunden.view());
        w.Elem(t, S_Zeitform, a.Zeitform.view());
        w.Elem(t, S_Standort, a.Standort.view());
        w.Zu(t, S_Ausbildung);
    }
    w.Zu(t, S_Schuelerdaten);
    w.Zu(t, S_Schueler);
}

constexpr std::string_view kStandardNamen[] = {"", "Schule.XML", "Lehrer.XML", "Klassen.XML", "Schueler.XML"};

std::string Dateiname(const TEinstellungen& e, int bereich) {
    return XmlDateiname(XMLDateiName(e, bereich).view(), kStandardNamen[bereich]);
}

// Streams the tree `baum` into the area's file; the old file stays until the new
// one is complete.
template <class Baum>
bool Schreiben(const TEinstellungen& e, int bereich, const std::string& exportOrdner, Meldungen& m, Baum baum) {
    const std::string pfad = XmlExportPfad(e, bereich, exportOrdner);
    io::SichereAusgabe aus;
    std::optional<io::SchreibFehler> f = aus.Oeffnen(pfad);
    if (!f) {
        XmlSchreiber w(Layout(e), Dateiname(e, bereich),
                       [&](std::string_view stueck) { return aus.Schreiben(stueck); });
        baum(w);
        w.Fertig();
        f = w.Ok() ? aus.Abschliessen() : aus.Fehler();
    }
    if (!f) return true;
    m.Fehler(MeldungSchreibfehler(pfad, f->text));
    return false;
}

} // namespace

namespace {

void SchulBaum(XmlSchreiber& w, const TSchuleDS& s, const TEinstellungen& e) {
    const Tabelle t = SchulTags();
    w.Auf(t, Alle_Schulen);
    w.Auf(t, Schule);
    w.Elem(t, Schulnummer, s.Schulnummer.view());
    w.Auf(t, Schuldaten);
    ErstesImmer(w, t, Schulart, s.Schuldaten.Schulart, HatLaenge<2>);
    if (s.Schuldaten.Orgform == std::string_view("41") && HatLaenge(s.Schuldaten.Orgform_Text))
        w.Elem(t, Orgform, s.Schuldaten.Orgform.str() + ", " + s.Schuldaten.Orgform_Text.str());
    else
        w.Elem(t, Orgform, s.Schuldaten.Orgform.view());
    if (NichtLeer(s.Schuldaten.Ganztag)) w.Elem(t, Ganztag, s.Schuldaten.Ganztag.view());
    if (Frei(e)) {
        const auto& f = s.freie_Traeger;
        w.Auf(t, freie_Traeger);
        w.Elem(t, Name, f.Name.view());
        w.Elem(t, Schulamt, f.Schulamt.view());
        w.Elem(t, Rechtsstatus, f.Rechtsstatus.view());
        w.Elem(t, Traeger, f.Traeger.view());
        w.Elem(t, Gemeinde, f.Gemeinde.view());
        w.Elem(t, Standort, f.Standort.view());
        w.Elem(t, PLZ, f.PLZ.view());
        w.Elem(t, Strasse, f.Strasse.view());
        w.Elem(t, EMail, f.EMail.view());
        w.Elem(t, Internet, f.Internet.view());
        w.Auf(t, Schulleiter);
        w.Elem(t, Anrede, f.Schulleiter.Anrede.view());
        w.Elem(t, Titel, f.Schulleiter.Titel.view());
        w.Elem(t, Schulleiter_Name, f.Schulleiter.Name.view());
        w.Elem(t, Telefon, f.Schulleiter.Telefon.view());
        w.Zu(t, Schulleiter);
        w.Zu(t, freie_Traeger);
    }
    for (int k = 1; k <= 1000; ++k) {
        const TUnterrichtseinheitDS& u = s.Unterrichtseinheit[k];
        if (k > 1 && u.UE_ID <= 0) continue;
        w.Auf(t, Unterrichtseinheit);
        w.Elem(t, UE_ID, u.UE_ID.get());
        w.Elem(t, UE_Schulart, u.Schulart.view());
        w.Elem(t, UE_Jahrgang, u.Jahrgang.view());
        w.Elem(t, UE_Klasse, u.Klasse.view());
        w.Elem(t, UE_Fach, u.Fach.view());
        w.Elem(t, UE_Kurs, u.Kurs.view());
        w.Elem(t, UE_Bilingual, u.Bilingual.view());
        w.Elem(t, UE_Stunden, u.Stunden.view());
        w.Elem(t, UE_Lehrer, u.Lehrer.view());
        w.Zu(t, Unterrichtseinheit);
    }
    const TNichteinschulung& n = s.Nichteinschulung[1];
    if (HatLaenge(n.Art)) {
        w.Auf(t, Nichteinschulung);
        w.Elem(t, NE_Art, n.Art.view());
        w.Elem(t, NE_maennlich, n.maennlich.view());
        w.Elem(t, NE_weiblich, n.weiblich.view());
        w.Zu(t, Nichteinschulung);
    }
    w.Zu(t, Schuldaten);
    w.Zu(t, Schule);
    w.Zu(t, Alle_Schulen);
}

void LehrerBaum(XmlSchreiber& w, const std::vector<TLehrerDS>& l, const TEinstellungen& e) {
    w.Auf(LehrerTags(), Alle_Lehrer);
    for (const TLehrerDS& r : l) {
        LehrerBlock(w, r, Frei(e));
        w.Abgeben();
    }
    w.Zu(LehrerTags(), Alle_Lehrer);
}

void KlassenBaum(XmlSchreiber& w, const std::vector<TKlasseDS>& k) {
    const Tabelle t = KlassenTags();
    w.Auf(t, Alle_Klassen);
    for (const TKlasseDS& r : k) {
        w.Auf(t, Kl_Klasse);
        w.Elem(t, Kl_Schulnummer, r.Schulnummer.view());
        w.Elem(t, Kl_Klassenname, r.Klassenname.view());
        for (int i = 1; i <= 3; ++i)
            if (HatLaenge(r.Klassenbesonderheit[i])) w.Elem(t, Kl_Klassenbesonderheit, r.Klassenbesonderheit[i].view());
        w.Zu(t, Kl_Klasse);
        w.Abgeben();
    }
    w.Zu(t, Alle_Klassen);
}

void SchuelerBaum(XmlSchreiber& w, const std::vector<TSchuelerDS>& s) {
    w.Auf(SchuelerTags(), Alle_Schueler);
    for (const TSchuelerDS& r : s) {
        SchuelerBlock(w, r);
        w.Abgeben();
    }
    w.Zu(SchuelerTags(), Alle_Schueler);
}

} // namespace

std::string SchulXml(const TSchuleDS& s, const TEinstellungen& e, std::string_view dateiname) {
    XmlSchreiber w(Layout(e), dateiname);
    SchulBaum(w, s, e);
    return std::move(w.Fertig());
}

std::string LehrerXml(const std::vector<TLehrerDS>& l, const TEinstellungen& e, std::string_view dateiname) {
    XmlSchreiber w(Layout(e), dateiname);
    LehrerBaum(w, l, e);
    return std::move(w.Fertig());
}

std::string KlassenXml(const std::vector<TKlasseDS>& k, const TEinstellungen& e, std::string_view dateiname) {
    XmlSchreiber w(Layout(e), dateiname);
    KlassenBaum(w, k);
    return std::move(w.Fertig());
}

std::string SchuelerXml(const std::vector<TSchuelerDS>& s, const TEinstellungen& e, std::string_view dateiname) {
    XmlSchreiber w(Layout(e), dateiname);
    SchuelerBaum(w, s);
    return std::move(w.Fertig());
}

std::string XmlExportPfad(const TEinstellungen& e, int bereich, const std::string& exportOrdner) {
    return PfadVon(exportOrdner, Cp1252ToUtf8(Dateiname(e, bereich)));
}

bool WriteSchoolXml(const TSchuleDS& s, const TEinstellungen& e, const std::string& exportOrdner, Meldungen& m) {
    return Schreiben(e, ImportSchule, exportOrdner, m, [&](XmlSchreiber& w) { SchulBaum(w, s, e); });
}

bool WriteTeacherXml(const BereichsDaten<TLehrerDS>& b, const TEinstellungen& e, const std::string& exportOrdner,
                     Meldungen& m) {
    return Schreiben(e, ImportLehrer, exportOrdner, m, [&](XmlSchreiber& w) { LehrerBaum(w, b.DB, e); });
}

bool WriteClassXml(const BereichsDaten<TKlasseDS>& b, const TEinstellungen& e, const std::string& exportOrdner,
                   Meldungen& m) {
    return Schreiben(e, ImportKlassen, exportOrdner, m, [&](XmlSchreiber& w) { KlassenBaum(w, b.DB); });
}

bool WriteStudentXml(const BereichsDaten<TSchuelerDS>& b, const TEinstellungen& e, const std::string& exportOrdner,
                     Meldungen& m) {
    return Schreiben(e, ImportSchueler, exportOrdner, m, [&](XmlSchreiber& w) { SchuelerBaum(w, b.DB); });
}

} // namespace zev
