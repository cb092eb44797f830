// The record types of the four data areas. Each record is its own byte image:
// the internal data files store exactly these bytes, so every offset and every
// reserved byte below is part of the file format and is proven by static_asserts.
//
// Arrays are indexed by the numbers the data model gives their elements:
// `Grunddaten.Ausbildung[1]` is the first training entry. Only the school's
// `Schuldaten.Schulart` and `Unterrichtseinheit` have an element 0, which is
// never shown, exported, imported into or checked.
#pragma once

#include "model/bytes.h"

#include <array>
#include <cstddef>

namespace zev {

using s2 = SText<2>;
using s3 = SText<3>;
using s4 = SText<4>;
using s5 = SText<5>;
using s10 = SText<10>;
using s15 = SText<15>;
using s20 = SText<20>;
using s30 = SText<30>;
using s40 = SText<40>;
using s80 = SText<80>;

// Reference from a teacher, class or student to a lesson unit of the school.
struct TUEVerweis {
    U16 Nummer; // whole-number value of UE_ID, low 16 bits; 0 when not a number
    s5 UE_ID;
};

// Head shared by teacher, class and student records (bytes 0..89); only the
// name of the record's own number at offset 79 differs.
#define ZEV_RECORD_HEAD(OwnNumber)                                                                                     \
    I32 ID;                                                                                                            \
    U16 Reserviert4;                                                                                                   \
    U16 Warnungen;                                                                                                     \
    U16 Fehler;                                                                                                        \
    U16 Zaehler[8];                                                                                                    \
    Pad<42> Reserviert26;                                                                                              \
    s10 Schulnummer;                                                                                                   \
    s10 OwnNumber

struct TStundenGrund {
    s2 Grund_mehr;
    s5 Anzahl_mehr;
    s2 Grund_minder;
    s5 Anzahl_minder;
};

struct TAnrechnung {
    s5 Grund;
    s5 Stunden;
};

struct TEinsatz {
    s2 Art;
    s2 Jahrgang;
    s5 Stunden;
};

struct TZuAbgangArt {
    s5 Art;
    s10 Datum;
};

struct TLehrerDS {
    ZEV_RECORD_HEAD(Lehrernummer);
    struct {
        s30 Name;
        s30 Vorname;
        s10 Titel;
        Pad<1> Reserviert;
        U16 Geschlecht; // 0 "???", 1 "männlich", 2 "weiblich"
        s10 Geburtsdatum;
        s3 Staatszugehoerigkeit;
        s2 Beschaeftigung;
        Reihe<s5, 1, 10> Ausbildung;
        Reihe<s5, 1, 10> Fach_Lehrb;
    } Grunddaten;
    struct {
        Reihe<s5, 1, 5> Lehramt;
        s5 Regelstunden;
        s5 Vertragsstunden;
        s5 Vertretung;
    } Stunden;
    Reihe<TStundenGrund, 1, 5> Arbeitszeitkonto;
    Reihe<TStundenGrund, 1, 5> Arbeitszeitregelung;
    Reihe<TAnrechnung, 1, 10> Anrechnungsstunden;
    struct {
        s2 Taetigkeit;
        Reihe<s2, 1, 3> Personengruppe;
        s10 Klassenleiter;
        Pad<1> Reserviert;
        U16 Schulleiter; // 0 "???", 1 "Schulleiter", 2 "Stellvertreter"
    } Sonstiges;
    Reihe<TUEVerweis, 1, 35> Unterrichtseinheit;
    Reihe<TEinsatz, 1, 5> Einsatz;
    struct {
        TZuAbgangArt Zugang;
        TZuAbgangArt Abgang;
    } Zu_Abgang;
};

struct TKlasseDS {
    ZEV_RECORD_HEAD(Klassenname);
    Reihe<s2, 1, 3> Klassenbesonderheit;
    Pad<1> Reserviert99;
    Reihe<TUEVerweis, 1, 25> Unterrichtseinheit;
};

struct TFremdsprache {
    s2 Erwerb;
    s3 Sprache;
    s2 Art;
};

struct TAbschlussAllgemein {
    s3 allgemein;
    s4 Jahr;
};

struct TAbschlussBeruf {
    s4 Beruf;
    s4 Jahr;
};

struct TSchuelerDS {
    ZEV_RECORD_HEAD(Schuelernummer);
    struct {
        s30 Name;
        s30 Vorname;
        U16 Geschlecht; // 0 "???", 1 "männlich", 2 "weiblich"
        s10 Geburtsdatum;
        s3 Staatsangehoerigkeit;
        s2 Migrantenstatus;
        s3 Verkehrssprache;
        s4 Zuzug;
        struct {
            s4 Einschulungsjahr;
            s2 Einschulungsart;
        } Einschulung;
        struct {
            s15 Gemeinde;
            s40 Wohnort;
            s5 PLZ;
            s40 Strasse;
        } Anschrift;
        s10 vorherige_Schule;
        struct {
            s2 Schulart;
            s2 Jahrgang;
        } Herkunft;
    } Grunddaten;
    struct {
        s10 Klasse;
        s2 Jahrgang;
        s2 Schulart;
        s2 Wiederholer;
        s2 Empfehlung;
        s2 Schulartwechsel;
        s3 Ausland;
        s3 Auslaender;
        s5 LRS;
        s5 Dyskalkulie;
        s2 Ganztag;
        s2 Bildungsgang;
        s10 Extern;
        Pad<1> Reserviert;
        Reihe<TUEVerweis, 1, 25> Unterrichtseinheit;
    } Jahrgangsdaten;
    struct {
        s3 Bedarf;
        s3 Tatsaechlich;
    } Foerderbedarf;
    Reihe<TFremdsprache, 1, 5> Fremdsprachen;
    struct {
        Reihe<TAbschlussAllgemein, 1, 3> allgemeinbildender;
        Reihe<TAbschlussBeruf, 1, 5> berufsbezogener;
    } Abschluss;
    struct {
        s4 Beruf;
        s2 Stellung;
        s2 Stunden;
        s2 Zeitform;
        s15 Standort;
        s30 Standort_Text; // name of the training place, edited beside its key, not exported
    } Ausbildung;
    Pad<2> Reserviert770;
};

#undef ZEV_RECORD_HEAD

struct TUnterrichtseinheitDS {
    I32 UE_ID; // > 0: element in use
    s5 UE_ID_Text;
    s2 Schulart;
    s2 Jahrgang;
    s10 Klasse;
    s3 Fach;
    s30 Fach_Text; // kept with the entry, not exported
    s2 Kurs;
    s2 Bilingual;
    s5 Stunden;
    s10 Lehrer;
    Pad<3> Reserviert;
};

struct TNichteinschulung {
    s2 Art;
    s2 maennlich;
    s2 weiblich;
};

struct TSchuleDS {
    s10 Schulnummer;
    Pad<1> Reserviert11;
    // The free text to the organisation form lies between Orgform and Ganztag in
    // the image; it is kept inside this group so that both stay `Schuldaten.*`.
    // It is not exported and appears in dumps as the top-level `Orgform_Text`.
    struct {
        Reihe<s2, 0, 20> Schulart; // element 0 unused
        s2 Orgform;
        s80 Orgform_Text;
        s2 Ganztag;
    } Schuldaten;
    struct {
        s80 Name;
        s2 Schulamt;
        Pad<38> Reserviert;
        s2 Rechtsstatus;
        s2 Traeger;
        s15 Gemeinde;
        s40 Standort;
        s5 PLZ;
        s40 Strasse;
        s40 EMail;
        s40 Internet;
        struct {
            s5 Anrede;
            s10 Titel;
            s40 Name;
            s20 Telefon;
        } Schulleiter;
    } freie_Traeger;
    Pad<1> Reserviert555;
    Reihe<TUnterrichtseinheitDS, 0, 1000> Unterrichtseinheit; // element 0 unused
    Reihe<TNichteinschulung, 1, 1> Nichteinschulung;
    Pad<3> Reserviert88653;
};

// --- bytes no field row describes ----------------------------------------------
// Reserves and counters no exchange file or page carries: kept as read and written
// back as they were. Every other byte belongs to one row of the record's field table.
struct OhneFeld {
    std::size_t ort, laenge;
};
#define ZEV_OHNE_FELD(T, m)                                                                                            \
    OhneFeld {                                                                                                         \
        offsetof(T, m), sizeof(T::m)                                                                                   \
    }
#define ZEV_KOPF_OHNE_FELD(T) ZEV_OHNE_FELD(T, Reserviert4), ZEV_OHNE_FELD(T, Zaehler), ZEV_OHNE_FELD(T, Reserviert26)
inline constexpr std::array kLehrerOhneFeld = {ZEV_KOPF_OHNE_FELD(TLehrerDS),
                                               ZEV_OHNE_FELD(TLehrerDS, Grunddaten.Reserviert),
                                               ZEV_OHNE_FELD(TLehrerDS, Sonstiges.Reserviert)};
inline constexpr std::array kKlasseOhneFeld = {ZEV_KOPF_OHNE_FELD(TKlasseDS), ZEV_OHNE_FELD(TKlasseDS, Reserviert99)};
inline constexpr std::array kSchuelerOhneFeld = {ZEV_KOPF_OHNE_FELD(TSchuelerDS),
                                                 ZEV_OHNE_FELD(TSchuelerDS, Jahrgangsdaten.Reserviert),
                                                 ZEV_OHNE_FELD(TSchuelerDS, Reserviert770)};
inline constexpr std::array kUnterrichtseinheitOhneFeld = {ZEV_OHNE_FELD(TUnterrichtseinheitDS, Reserviert)};
// Besides these, the unused element 0 of the school's arrays and each unit's reserve.
inline constexpr std::array kSchuleOhneFeld = {
    ZEV_OHNE_FELD(TSchuleDS, Reserviert11), ZEV_OHNE_FELD(TSchuleDS, freie_Traeger.Reserviert),
    ZEV_OHNE_FELD(TSchuleDS, Reserviert555), ZEV_OHNE_FELD(TSchuleDS, Reserviert88653)};
#undef ZEV_KOPF_OHNE_FELD
#undef ZEV_OHNE_FELD

// --- layout proofs ---------------------------------------------------------------

static_assert(sizeof(TUEVerweis) == 8);
static_assert(sizeof(TUnterrichtseinheitDS) == 88);
static_assert(sizeof(TLehrerDS) == 1052);
static_assert(sizeof(TKlasseDS) == 300);
static_assert(sizeof(TSchuelerDS) == 772);
static_assert(sizeof(TSchuleDS) == 88656);
static_assert(alignof(TSchuleDS) == 1 && alignof(TLehrerDS) == 1 && alignof(TKlasseDS) == 1 &&
              alignof(TSchuelerDS) == 1);

#define ZEV_AT(T, member, off) static_assert(offsetof(T, member) == (off), #T "." #member)

ZEV_AT(TUEVerweis, Nummer, 0);
ZEV_AT(TUEVerweis, UE_ID, 2);

#define ZEV_HEAD_AT(T, OwnNumber)                                                                                      \
    ZEV_AT(T, ID, 0);                                                                                                  \
    ZEV_AT(T, Reserviert4, 4);                                                                                         \
    ZEV_AT(T, Warnungen, 6);                                                                                           \
    ZEV_AT(T, Fehler, 8);                                                                                              \
    ZEV_AT(T, Zaehler, 10);                                                                                            \
    ZEV_AT(T, Reserviert26, 26);                                                                                       \
    ZEV_AT(T, Schulnummer, 68);                                                                                        \
    ZEV_AT(T, OwnNumber, 79)

ZEV_HEAD_AT(TLehrerDS, Lehrernummer);
ZEV_HEAD_AT(TKlasseDS, Klassenname);
ZEV_HEAD_AT(TSchuelerDS, Schuelernummer);
#undef ZEV_HEAD_AT

ZEV_AT(TLehrerDS, Grunddaten.Name, 90);
ZEV_AT(TLehrerDS, Grunddaten.Vorname, 121);
ZEV_AT(TLehrerDS, Grunddaten.Titel, 152);
ZEV_AT(TLehrerDS, Grunddaten.Geschlecht, 164);
ZEV_AT(TLehrerDS, Grunddaten.Geburtsdatum, 166);
ZEV_AT(TLehrerDS, Grunddaten.Staatszugehoerigkeit, 177);
ZEV_AT(TLehrerDS, Grunddaten.Beschaeftigung, 181);
ZEV_AT(TLehrerDS, Grunddaten.Ausbildung, 184);
ZEV_AT(TLehrerDS, Grunddaten.Ausbildung.e[9], 184 + 6 * 9);
ZEV_AT(TLehrerDS, Grunddaten.Fach_Lehrb, 244);
ZEV_AT(TLehrerDS, Stunden.Lehramt, 304);
ZEV_AT(TLehrerDS, Stunden.Regelstunden, 334);
ZEV_AT(TLehrerDS, Stunden.Vertragsstunden, 340);
ZEV_AT(TLehrerDS, Stunden.Vertretung, 346);
ZEV_AT(TLehrerDS, Arbeitszeitkonto, 352);
ZEV_AT(TLehrerDS, Arbeitszeitkonto.e[0].Anzahl_mehr, 352 + 3);
ZEV_AT(TLehrerDS, Arbeitszeitkonto.e[0].Grund_minder, 352 + 9);
ZEV_AT(TLehrerDS, Arbeitszeitkonto.e[0].Anzahl_minder, 352 + 12);
ZEV_AT(TLehrerDS, Arbeitszeitkonto.e[4], 352 + 18 * 4);
ZEV_AT(TLehrerDS, Arbeitszeitregelung, 442);
ZEV_AT(TLehrerDS, Anrechnungsstunden, 532);
ZEV_AT(TLehrerDS, Anrechnungsstunden.e[0].Stunden, 538);
ZEV_AT(TLehrerDS, Sonstiges.Taetigkeit, 652);
ZEV_AT(TLehrerDS, Sonstiges.Personengruppe, 655);
ZEV_AT(TLehrerDS, Sonstiges.Klassenleiter, 664);
ZEV_AT(TLehrerDS, Sonstiges.Schulleiter, 676);
ZEV_AT(TLehrerDS, Unterrichtseinheit, 678);
ZEV_AT(TLehrerDS, Einsatz, 958);
ZEV_AT(TLehrerDS, Einsatz.e[0].Jahrgang, 961);
ZEV_AT(TLehrerDS, Einsatz.e[0].Stunden, 964);
ZEV_AT(TLehrerDS, Zu_Abgang.Zugang.Art, 1018);
ZEV_AT(TLehrerDS, Zu_Abgang.Zugang.Datum, 1024);
ZEV_AT(TLehrerDS, Zu_Abgang.Abgang.Art, 1035);
ZEV_AT(TLehrerDS, Zu_Abgang.Abgang.Datum, 1041);

ZEV_AT(TKlasseDS, Klassenbesonderheit, 90);
ZEV_AT(TKlasseDS, Unterrichtseinheit, 100);
ZEV_AT(TKlasseDS, Unterrichtseinheit.e[24], 100 + 8 * 24);

ZEV_AT(TSchuelerDS, Grunddaten.Name, 90);
ZEV_AT(TSchuelerDS, Grunddaten.Vorname, 121);
ZEV_AT(TSchuelerDS, Grunddaten.Geschlecht, 152);
ZEV_AT(TSchuelerDS, Grunddaten.Geburtsdatum, 154);
ZEV_AT(TSchuelerDS, Grunddaten.Staatsangehoerigkeit, 165);
ZEV_AT(TSchuelerDS, Grunddaten.Migrantenstatus, 169);
ZEV_AT(TSchuelerDS, Grunddaten.Verkehrssprache, 172);
ZEV_AT(TSchuelerDS, Grunddaten.Zuzug, 176);
ZEV_AT(TSchuelerDS, Grunddaten.Einschulung.Einschulungsjahr, 181);
ZEV_AT(TSchuelerDS, Grunddaten.Einschulung.Einschulungsart, 186);
ZEV_AT(TSchuelerDS, Grunddaten.Anschrift.Gemeinde, 189);
ZEV_AT(TSchuelerDS, Grunddaten.Anschrift.Wohnort, 205);
ZEV_AT(TSchuelerDS, Grunddaten.Anschrift.PLZ, 246);
ZEV_AT(TSchuelerDS, Grunddaten.Anschrift.Strasse, 252);
ZEV_AT(TSchuelerDS, Grunddaten.vorherige_Schule, 293);
ZEV_AT(TSchuelerDS, Grunddaten.Herkunft.Schulart, 304);
ZEV_AT(TSchuelerDS, Grunddaten.Herkunft.Jahrgang, 307);
ZEV_AT(TSchuelerDS, Jahrgangsdaten.Klasse, 310);
ZEV_AT(TSchuelerDS, Jahrgangsdaten.Jahrgang, 321);
ZEV_AT(TSchuelerDS, Jahrgangsdaten.Schulart, 324);
ZEV_AT(TSchuelerDS, Jahrgangsdaten.Wiederholer, 327);
ZEV_AT(TSchuelerDS, Jahrgangsdaten.Empfehlung, 330);
ZEV_AT(TSchuelerDS, Jahrgangsdaten.Schulartwechsel, 333);
ZEV_AT(TSchuelerDS, Jahrgangsdaten.Ausland, 336);
ZEV_AT(TSchuelerDS, Jahrgangsdaten.Auslaender, 340);
ZEV_AT(TSchuelerDS, Jahrgangsdaten.LRS, 344);
ZEV_AT(TSchuelerDS, Jahrgangsdaten.Dyskalkulie, 350);
ZEV_AT(TSchuelerDS, Jahrgangsdaten.Ganztag, 356);
ZEV_AT(TSchuelerDS, Jahrgangsdaten.Bildungsgang, 359);
ZEV_AT(TSchuelerDS, Jahrgangsdaten.Extern, 362);
ZEV_AT(TSchuelerDS, Jahrgangsdaten.Unterrichtseinheit, 374);
ZEV_AT(TSchuelerDS, Foerderbedarf.Bedarf, 574);
ZEV_AT(TSchuelerDS, Foerderbedarf.Tatsaechlich, 578);
ZEV_AT(TSchuelerDS, Fremdsprachen, 582);
ZEV_AT(TSchuelerDS, Fremdsprachen.e[0].Sprache, 585);
ZEV_AT(TSchuelerDS, Fremdsprachen.e[0].Art, 589);
ZEV_AT(TSchuelerDS, Abschluss.allgemeinbildender, 632);
ZEV_AT(TSchuelerDS, Abschluss.allgemeinbildender.e[0].Jahr, 636);
ZEV_AT(TSchuelerDS, Abschluss.berufsbezogener, 659);
ZEV_AT(TSchuelerDS, Abschluss.berufsbezogener.e[0].Jahr, 664);
ZEV_AT(TSchuelerDS, Ausbildung.Beruf, 709);
ZEV_AT(TSchuelerDS, Ausbildung.Stellung, 714);
ZEV_AT(TSchuelerDS, Ausbildung.Stunden, 717);
ZEV_AT(TSchuelerDS, Ausbildung.Zeitform, 720);
ZEV_AT(TSchuelerDS, Ausbildung.Standort, 723);
ZEV_AT(TSchuelerDS, Ausbildung.Standort_Text, 739);
ZEV_AT(TSchuelerDS, Reserviert770, 770);

ZEV_AT(TUnterrichtseinheitDS, UE_ID, 0);
ZEV_AT(TUnterrichtseinheitDS, UE_ID_Text, 4);
ZEV_AT(TUnterrichtseinheitDS, Schulart, 10);
ZEV_AT(TUnterrichtseinheitDS, Jahrgang, 13);
ZEV_AT(TUnterrichtseinheitDS, Klasse, 16);
ZEV_AT(TUnterrichtseinheitDS, Fach, 27);
ZEV_AT(TUnterrichtseinheitDS, Fach_Text, 31);
ZEV_AT(TUnterrichtseinheitDS, Kurs, 62);
ZEV_AT(TUnterrichtseinheitDS, Bilingual, 65);
ZEV_AT(TUnterrichtseinheitDS, Stunden, 68);
ZEV_AT(TUnterrichtseinheitDS, Lehrer, 74);

ZEV_AT(TSchuleDS, Schulnummer, 0);
ZEV_AT(TSchuleDS, Schuldaten.Schulart, 12);
ZEV_AT(TSchuleDS, Schuldaten.Schulart.e[20], 12 + 3 * 20);
ZEV_AT(TSchuleDS, Schuldaten.Orgform, 75);
ZEV_AT(TSchuleDS, Schuldaten.Orgform_Text, 78);
ZEV_AT(TSchuleDS, Schuldaten.Ganztag, 159);
ZEV_AT(TSchuleDS, freie_Traeger.Name, 162);
ZEV_AT(TSchuleDS, freie_Traeger.Schulamt, 243);
ZEV_AT(TSchuleDS, freie_Traeger.Rechtsstatus, 284);
ZEV_AT(TSchuleDS, freie_Traeger.Traeger, 287);
ZEV_AT(TSchuleDS, freie_Traeger.Gemeinde, 290);
ZEV_AT(TSchuleDS, freie_Traeger.Standort, 306);
ZEV_AT(TSchuleDS, freie_Traeger.PLZ, 347);
ZEV_AT(TSchuleDS, freie_Traeger.Strasse, 353);
ZEV_AT(TSchuleDS, freie_Traeger.EMail, 394);
ZEV_AT(TSchuleDS, freie_Traeger.Internet, 435);
ZEV_AT(TSchuleDS, freie_Traeger.Schulleiter.Anrede, 476);
ZEV_AT(TSchuleDS, freie_Traeger.Schulleiter.Titel, 482);
ZEV_AT(TSchuleDS, freie_Traeger.Schulleiter.Name, 493);
ZEV_AT(TSchuleDS, freie_Traeger.Schulleiter.Telefon, 534);
ZEV_AT(TSchuleDS, Unterrichtseinheit, 556);
ZEV_AT(TSchuleDS, Unterrichtseinheit.e[1000], 556 + 88 * 1000);
ZEV_AT(TSchuleDS, Nichteinschulung, 88644);
ZEV_AT(TSchuleDS, Nichteinschulung.e[0].maennlich, 88647);
ZEV_AT(TSchuleDS, Nichteinschulung.e[0].weiblich, 88650);

#undef ZEV_AT

} // namespace zev
