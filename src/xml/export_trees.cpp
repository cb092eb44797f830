#include "xml/export_trees.h"

#include "catalog/catalogue_list.h"
#include "io/file_io.h"
#include "io/file_messages.h"
#include "model/encoding.h"
#include "model/field_access.h"
#include "model/paths.h"
#include "xml/xml_writer.h"

#include <algorithm>
#include <span>

namespace zev {

namespace {

using namespace tags;
using felder::Feld;

int Layout(const TEinstellungen& e) {
    return e.XMLLayout.get();
}
bool Frei(const TEinstellungen& e) {
    return e.FreierTraeger == 1;
}

// A change date counts when somebody entered part of it: a digit in the day, the
// month or the year's last two places. The initial text "  .  .20  ", an
// untouched box's "??.??.20??" and their "19" forms hold only the mask's century.
bool DatumZaehlt(std::string_view v) {
    for (std::size_t i = 0; i < v.size(); ++i)
        if ((i < 6 || i > 7) && v[i] >= '0' && v[i] <= '9') return true;
    return false;
}

bool Leer(const std::uint8_t* b, const Feld& f, int k) {
    return IsEmptyValue(felder::TextIn(b, f, k));
}

// Whether entry `k` of a group (its rows `gruppe`) is written.
bool EintragGeschrieben(const std::uint8_t* b, std::span<const Feld> gruppe, int k) {
    const Feld& erstes = gruppe.front();
    switch (erstes.eintrag) {
        case felder::Eintrag::HatDaten:
            return std::any_of(gruppe.begin(), gruppe.end(),
                               [&](const Feld& f) { return f.Exportiert() && !Leer(b, f, k); });
        case felder::Eintrag::ErstesOderNummer:
            return k == 1 || felder::ZahlIn(b, erstes, k) > 0;
        case felder::Eintrag::ErstesHatLaenge:
            return !felder::TextIn(b, erstes, k).empty();
        case felder::Eintrag::ArtOderDatum:
            // The inner blocks by the same test, so a change nobody entered is never delivered.
            return !Leer(b, erstes, k) || DatumZaehlt(felder::TextIn(b, gruppe[1], k));
    }
    return false;
}

// Whether entry `k` of a field of its own or of a list is written.
bool FeldGeschrieben(const std::uint8_t* b, const Feld& f, int k) {
    if (k == 1 && f.erstesImmer) return true;
    switch (f.ausgabe) {
        case felder::Ausgabe::Nie:
            return false;
        case felder::Ausgabe::Immer:
        case felder::Ausgabe::Eigen:
            return true;
        case felder::Ausgabe::NichtLeer:
            return !Leer(b, f, k);
        case felder::Ausgabe::HatLaenge:
            return !felder::TextIn(b, f, k).empty();
        case felder::Ausgabe::Gewaehlt: {
            const auto v = felder::ZahlIn(b, f, k);
            return v == 1 || v == 2;
        }
        case felder::Ausgabe::Verwendet:
            return !Leer(b, f, k) && felder::ZahlIn(b, f, k) != 0;
    }
    return false;
}

void Wert(XmlSchreiber& w, Tabelle t, int stelle, const std::uint8_t* b, const Feld& f, int k) {
    if (felder::IstText(f))
        w.Elem(t, stelle, felder::TextIn(b, f, k));
    else
        w.Elem(t, stelle, felder::ZahlIn(b, f, k));
}

// The containers open below the record element. A leaf asks for its container:
// what lies between is closed and opened, so a container appears only around
// something written in it.
template <std::size_t N> class Behaelter {
public:
    Behaelter(XmlSchreiber& w, Tabelle t, const Baum<N>& baum) : w_(w), t_(t), baum_(baum) {}

    void Hin(int ziel) {
        std::array<int, kTiefe> kette{};
        std::size_t n = 0;
        for (int p = ziel; p > 3 && n < kTiefe; p = baum_.eltern[static_cast<std::size_t>(p)]) kette[n++] = p;
        std::reverse(kette.begin(), kette.begin() + static_cast<std::ptrdiff_t>(n));
        std::size_t gleich = 0;
        while (gleich < tiefe_ && gleich < n && stapel_[gleich] == kette[gleich]) ++gleich;
        for (; tiefe_ > gleich; --tiefe_) w_.Zu(t_, stapel_[tiefe_ - 1]);
        for (; tiefe_ < n; ++tiefe_) {
            stapel_[tiefe_] = kette[tiefe_];
            w_.Auf(t_, kette[tiefe_]);
        }
    }

private:
    XmlSchreiber& w_;
    Tabelle t_;
    const Baum<N>& baum_;
    static constexpr std::size_t kTiefe = 8; // containers below the record element, at most
    std::array<int, kTiefe> stapel_{};
    std::size_t tiefe_ = 0;
};

template <std::size_t N> bool Unter(const Baum<N>& baum, int stelle, int behaelter) {
    for (int p = stelle; p > 3; p = baum.eltern[static_cast<std::size_t>(p)])
        if (p == behaelter) return true;
    return false;
}

// The hand-ruled parts of a file's layout.
struct Sonderfaelle {
    int ohne = -1;  // a container left out with all it holds
    int immer = -1; // a container written even when nothing in it is
};

// The elements of one record below its record element, in file order, by the
// rules of its field table. `eigen(feld, stelle)` writes a field whose value is not
// the field as stored.
template <std::size_t N, std::size_t M, class Eigen>
void Felder(XmlSchreiber& w, Tabelle t, const Baum<N>& baum, const std::array<Feld, M>& zeilen, const std::uint8_t* b,
            Sonderfaelle sonder, Eigen eigen) {
    Behaelter<N> offen(w, t, baum);
    bool immerOffen = false;
    for (std::size_t z = 0; z < M;) {
        const Feld& f = zeilen[z];
        const int stelle = baum.stelleVon[z];
        if (stelle < 0 || f.ausgabe == felder::Ausgabe::Nie || Unter(baum, stelle, sonder.ohne)) {
            ++z;
            continue;
        }
        if (!immerOffen && Unter(baum, stelle, sonder.immer)) {
            offen.Hin(sonder.immer);
            immerOffen = true;
        }
        const int behaelter = baum.eltern[static_cast<std::size_t>(stelle)];
        if (f.Gruppiert()) {
            // The group's rows, with the fields kept beside them that the file does not carry.
            std::size_t ende = z + 1;
            for (std::size_t g = z + 1; g < M; ++g) {
                if (!zeilen[g].Exportiert()) continue;
                if (!zeilen[g].Gruppiert() || zeilen[g].Behaelter() != f.Behaelter()) break;
                ende = g + 1;
            }
            const std::span<const Feld> gruppe(&zeilen[z], ende - z);
            for (int k = 1; k <= f.anzahl; ++k) {
                if (!EintragGeschrieben(b, gruppe, k)) continue;
                offen.Hin(behaelter);
                for (std::size_t g = z; g < ende; ++g)
                    if (baum.stelleVon[g] >= 0) Wert(w, t, baum.stelleVon[g], b, zeilen[g], k);
                if (f.wiederholung == felder::Wiederholung::BlockJe)
                    offen.Hin(baum.eltern[static_cast<std::size_t>(behaelter)]);
            }
            z = ende;
            continue;
        }
        for (int k = 1; k <= f.anzahl; ++k) {
            if (!FeldGeschrieben(b, f, k)) continue;
            offen.Hin(behaelter);
            if (f.ausgabe == felder::Ausgabe::Eigen)
                eigen(f, stelle);
            else
                Wert(w, t, stelle, b, f, k);
        }
        ++z;
    }
    offen.Hin(3);
}

constexpr auto kKeinEigenes = [](const Feld&, int) {};

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
    // The block of the independent body only when the settings say the school is one.
    const Sonderfaelle sonder{.ohne = Frei(e) ? -1 : freie_Traeger};
    Felder(w, t, kSchulBaum, felder::kSchule, ImageOf(s), sonder, [&](const Feld&, int stelle) {
        // Orgform: code "41" carries its free text, joined with ", ".
        if (s.Schuldaten.Orgform == std::string_view("41") && s.Schuldaten.Orgform_Text.len > 0)
            w.Elem(t, stelle, s.Schuldaten.Orgform.str() + ", " + s.Schuldaten.Orgform_Text.str());
        else
            w.Elem(t, stelle, s.Schuldaten.Orgform.view());
    });
    w.Zu(t, Schule);
    w.Zu(t, Alle_Schulen);
}

void LehrerBaum(XmlSchreiber& w, const std::vector<TLehrerDS>& l, const TEinstellungen& e) {
    const Tabelle t = LehrerTags();
    // Personal data, hours and working time only for a school of an independent body.
    const Sonderfaelle sonder{.ohne = Frei(e) ? -1 : kLehrerBaum.Position("Lehrerdaten/freie_Traeger")};
    w.Auf(t, Alle_Lehrer);
    for (const TLehrerDS& r : l) {
        w.Auf(t, L_Lehrer);
        Felder(w, t, kLehrerBaum, felder::kLehrer, ImageOf(r), sonder, kKeinEigenes);
        w.Zu(t, L_Lehrer);
        w.Abgeben();
    }
    w.Zu(t, Alle_Lehrer);
}

void KlassenBaum(XmlSchreiber& w, const std::vector<TKlasseDS>& k) {
    const Tabelle t = KlassenTags();
    w.Auf(t, Alle_Klassen);
    for (const TKlasseDS& r : k) {
        w.Auf(t, Kl_Klasse);
        Felder(w, t, kKlassenBaum, felder::kKlasse, ImageOf(r), {}, kKeinEigenes);
        w.Zu(t, Kl_Klasse);
        w.Abgeben();
    }
    w.Zu(t, Alle_Klassen);
}

void SchuelerBaum(XmlSchreiber& w, const std::vector<TSchuelerDS>& s) {
    const Tabelle t = SchuelerTags();
    // The qualifications' container stands in every record, also without one.
    const Sonderfaelle sonder{.immer = kSchuelerBaum.Position("Schuelerdaten/Abschluss")};
    w.Auf(t, Alle_Schueler);
    for (const TSchuelerDS& r : s) {
        w.Auf(t, S_Schueler);
        Felder(w, t, kSchuelerBaum, felder::kSchueler, ImageOf(r), sonder, kKeinEigenes);
        w.Zu(t, S_Schueler);
        w.Abgeben();
    }
    w.Zu(t, Alle_Schueler);
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
