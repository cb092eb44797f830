// The four data areas, each described once: its page, its files, its words and
// messages, how it is read, written, imported and exported, and for the three
// list areas the texts of moving, deleting and the clipboard. Code that differs
// by area asks `MitBereich` for the area's description instead of switching on
// the area itself.
#pragma once

#include "model/database.h"
#include "model/messages.h"
#include "model/records.h"
#include "model/settings.h"
#include "xml/xml_import.h"

#include <array>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace zev {

struct Ordner;

enum class Bereich { Schule = 1, Lehrer = 2, Klassen = 3, Schueler = 4 };
// The pages of the main window; an area's page has the area's number.
enum class Seite { Start, Schule, Lehrer, Klassen, Schueler };

inline constexpr std::array<Bereich, 4> kAlleBereiche = {Bereich::Schule, Bereich::Lehrer, Bereich::Klassen,
                                                         Bereich::Schueler};

// What every area has. `Daten` is the school record or the list area's array,
// current index and buffer.
struct SchulBereich {
    using Datensatz = TSchuleDS;
    static constexpr Bereich kBereich = Bereich::Schule;
    static constexpr Seite kSeite = Seite::Schule;
    static constexpr bool kListe = false;
    static constexpr std::string_view kName = "schule"; // as the command line names it
    static constexpr std::string_view kDateiname = "Schule";
    static constexpr std::string_view kWurzel = "Alle_Schulen"; // root element of its XML file
    // The area's data in messages ("Die Schuldaten wurden ev. geändert!").
    static constexpr std::string_view kDatenwort = "Schuldaten";

    static TSchuleDS& Daten(Datenbestand& d) { return d.SchulDS; }
    static const TSchuleDS& Daten(const Datenbestand& d) { return d.SchulDS; }
    static bool& Geladen(Datenbestand& d) { return d.SchuleGeladen; }
    static bool Geladen(const Datenbestand& d) { return d.SchuleGeladen; }

    static bool Lesen(Datenbestand& d, const std::string& ordner, TEinstellungen& e, Meldungen& m);
    static bool Schreiben(const Datenbestand& d, const std::string& ordner, const TEinstellungen& e, Meldungen& m,
                          std::string_view vorgaenger);
    static bool KopieLS(const Datenbestand& d, const std::string& ordner, const TEinstellungen& e, Meldungen& m);
    // The file `pfad` into the area: the school is merged as the import entry says.
    // False when nothing was taken.
    static bool Einlesen(const std::string& pfad, const TXMLImportEintrag& eintrag, Datenbestand& d,
                         const TEinstellungen& e, Meldungen& m, ImportBericht& bericht);
    static bool XmlSchreiben(const Datenbestand& d, const TEinstellungen& e, const std::string& exportOrdner,
                             Meldungen& m);
    // The XML file's bytes, named `dateiname` inside.
    static std::string XmlText(const Datenbestand& d, const TEinstellungen& e, std::string_view dateiname);
    // What the area holds now, to tell whether anything changed.
    static std::size_t Fingerabdruck(const Datenbestand& d);
};

// What the three list areas share; `R` is the record type.
template <class R> struct ListenBereich {
    using Datensatz = R;
    static constexpr bool kListe = true;
    // The word of the file header messages and of the clipboard ("Lehrer", "Klassen", "Schüler").
    static constexpr std::string_view kWort = BereichsArt<R>::Wort;
    static constexpr std::string_view kDateiname = BereichsArt<R>::Dateiname;

    static BereichsDaten<R>& Daten(Datenbestand& d) { return d.Bereich<R>(); }
    static const BereichsDaten<R>& Daten(const Datenbestand& d) { return const_cast<Datenbestand&>(d).Bereich<R>(); }
    static bool& Geladen(Datenbestand& d) { return Daten(d).Geladen; }
    static bool Geladen(const Datenbestand& d) { return Daten(d).Geladen; }

    static bool Lesen(Datenbestand& d, const std::string& ordner, TEinstellungen& e, Meldungen& m);
    static bool Schreiben(const Datenbestand& d, const std::string& ordner, const TEinstellungen& e, Meldungen& m,
                          std::string_view vorgaenger);
    static bool KopieLS(const Datenbestand& d, const std::string& ordner, const TEinstellungen& e, Meldungen& m);
    // The file `pfad` replaces the area. False when nothing was taken.
    static bool Einlesen(const std::string& pfad, const TXMLImportEintrag& eintrag, Datenbestand& d,
                         const TEinstellungen& e, Meldungen& m, ImportBericht& bericht);
    static bool XmlSchreiben(const Datenbestand& d, const TEinstellungen& e, const std::string& exportOrdner,
                             Meldungen& m);
    static std::string XmlText(const Datenbestand& d, const TEinstellungen& e, std::string_view dateiname);
    static std::size_t Fingerabdruck(const Datenbestand& d);
};

struct LehrerBereich : ListenBereich<TLehrerDS> {
    static constexpr Bereich kBereich = Bereich::Lehrer;
    static constexpr Seite kSeite = Seite::Lehrer;
    static constexpr std::size_t kPlatz = 0; // place among the list areas (counters, buttons)
    static constexpr std::string_view kName = "lehrer";
    static constexpr std::string_view kWurzel = "Alle_Lehrer";
    static constexpr std::string_view kDatenwort = "Lehrerdaten";
    static constexpr std::string_view kListenTitel = "Liste der Lehrer";

    // Navigation.
    static constexpr std::string_view kLoeschenUngueltig = "Es íst kein gültiger Lehrer zum Löschen ausgewählt!";
    static constexpr std::string_view kVoll =
        "Es können höchstens 65.536 Lehrer gespeichert werden!\rEin neuer Lehrer kann nicht mehr angelegt werden.";
    static std::string LoeschFrage(const TLehrerDS& r);

    // Clipboard.
    static constexpr std::string_view kAusschneidenLetzter = "Ausschneiden des letzten Lehrers nicht möglich!";
    static constexpr std::string_view kAusschneidenUngueltig =
        "Es íst kein gültiger Lehrer zum Ausschneiden ausgewählt!";
    static constexpr std::string_view kAblageTitel = "Zwischenablage Lehrer";
    static constexpr std::string_view kAblageZeile = "LehrerIn:";
    // Who a record is in a question ("Vorname Name"), its short text ("Name, Vorname"),
    // and whether it is a blank record.
    static std::string Wer(const TLehrerDS& r);
    static std::string Kurz(const TLehrerDS& r);
    static bool Frei(const TLehrerDS& r);
};

struct KlassenBereich : ListenBereich<TKlasseDS> {
    static constexpr Bereich kBereich = Bereich::Klassen;
    static constexpr Seite kSeite = Seite::Klassen;
    static constexpr std::size_t kPlatz = 1;
    static constexpr std::string_view kName = "klassen";
    static constexpr std::string_view kWurzel = "Alle_Klassen";
    static constexpr std::string_view kDatenwort = "Klassendaten";
    static constexpr std::string_view kListenTitel = "Liste der Klassen";

    static constexpr std::string_view kLoeschenUngueltig = "Es íst keine gültige Klasse zum Löschen ausgewählt!";
    static constexpr std::string_view kVoll =
        "Es können höchstens 65.536 Klassen gespeichert werden!\rEine neue Klasse kann nicht mehr angelegt werden.";
    static std::string LoeschFrage(const TKlasseDS& r);

    static constexpr std::string_view kAusschneidenLetzter = "Ausschneiden der letzten Klasse nicht möglich!";
    static constexpr std::string_view kAusschneidenUngueltig =
        "Es íst keine gültige Klasse zum Ausschneiden ausgewählt!";
    static constexpr std::string_view kAblageTitel = "Zwischenablage Klasse";
    static constexpr std::string_view kAblageZeile = "Klasse:";
    static std::string Wer(const TKlasseDS& r);
    static std::string Kurz(const TKlasseDS& r);
    static bool Frei(const TKlasseDS& r);
};

struct SchuelerBereich : ListenBereich<TSchuelerDS> {
    static constexpr Bereich kBereich = Bereich::Schueler;
    static constexpr Seite kSeite = Seite::Schueler;
    static constexpr std::size_t kPlatz = 2;
    static constexpr std::string_view kName = "schueler";
    static constexpr std::string_view kWurzel = "Alle_Schueler";
    static constexpr std::string_view kDatenwort = "Schülerdaten";
    static constexpr std::string_view kListenTitel = "Liste der Schüler";

    static constexpr std::string_view kLoeschenUngueltig = "Es íst kein gültiger Schüler zum Löschen ausgewählt!";
    static constexpr std::string_view kVoll =
        "Es können höchstens 65.536 Schüler gespeichert werden!\rEin neuer Schüler kann nicht mehr angelegt werden.";
    static std::string LoeschFrage(const TSchuelerDS& r);

    static constexpr std::string_view kAusschneidenLetzter = "Ausschneiden des letzten Schülers nicht möglich!";
    static constexpr std::string_view kAusschneidenUngueltig =
        "Es íst kein gültiger Schüler zum Ausschneiden ausgewählt!";
    static constexpr std::string_view kAblageTitel = "Zwischenablage Schüler";
    static constexpr std::string_view kAblageZeile = "SchülerIn:";
    static std::string Wer(const TSchuelerDS& r);
    // "Name, Vorname (Klasse)".
    static std::string Kurz(const TSchuelerDS& r);
    static bool Frei(const TSchuelerDS& r);
};

// Calls `f` with the description of area `b` (an object of one of the four types
// above) and returns what `f` returns.
template <class F> decltype(auto) MitBereich(Bereich b, F&& f) {
    switch (b) {
        case Bereich::Schule:
            return f(SchulBereich{});
        case Bereich::Lehrer:
            return f(LehrerBereich{});
        case Bereich::Klassen:
            return f(KlassenBereich{});
        case Bereich::Schueler:
            return f(SchuelerBereich{});
    }
    // Only a cast from a number outside 1..4 gets here: a fault of the program, not of the data.
    std::abort();
}

// Calls `f` only for the three list areas; the school has no records to move through.
template <class F> void MitListenBereich(Bereich b, F&& f) {
    MitBereich(b, [&]<class A>(A a) {
        if constexpr (A::kListe) f(a);
    });
}

// The description of the area that holds records of type `R`.
template <class R> struct BereichZu;
template <> struct BereichZu<TSchuleDS> { using Typ = SchulBereich; };
template <> struct BereichZu<TLehrerDS> { using Typ = LehrerBereich; };
template <> struct BereichZu<TKlasseDS> { using Typ = KlassenBereich; };
template <> struct BereichZu<TSchuelerDS> { using Typ = SchuelerBereich; };

// The area's name as the command line and messages use it ("schule", ...).
std::string_view BereichsName(Bereich b);
// The area's internal file name without extension ("Schule", "Lehrer", ...).
std::string_view Dateiname(Bereich b);
// The question on closing the area's page: "Die Lehrerdaten wurden ev. geändert!…".
std::string Schliessfrage(Bereich b);

// The area a page belongs to; none for the start page.
inline std::optional<Bereich> BereichVon(Seite s) {
    if (s == Seite::Start) return std::nullopt;
    return static_cast<Bereich>(static_cast<int>(s));
}
inline Seite SeiteVon(Bereich b) {
    return MitBereich(b, []<class A>(A) { return A::kSeite; });
}

} // namespace zev
