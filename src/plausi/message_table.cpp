#include "plausi/message_table.h"

#include "model/paths.h"
#include "io/file_io.h"

#include <initializer_list>

namespace zev {

namespace {

constexpr const char* kOhneErgebnis = "Test ohne Ergebnis durchgeführt";

struct Eintrag {
    int n;
    const char* titel;
    // Texts by code; nullptr for none. Code 0 is "Test ohne Ergebnis durchgeführt" unless given.
    const char* t[6];
};

// Texts of the school tests (100..188) and the teacher tests (200..288).
const Eintrag kEintraege[] = {
    {100, "Schulnummer eingetragen und passend zu den Programm-Einstellungen prüfen",
     {nullptr, "alle Angaben zur Schulnummer o.B.", nullptr, nullptr, nullptr,
      "keine oder falsche Schulnummer eingetragen"}},
    {103, "eingetragene Schularten anhand der aktuellen Liste prüfen",
     {nullptr, "mindestens 1 Schulart ordnungsgemäß eingetragen", nullptr, nullptr, nullptr,
      "keine Schulart eingetragen oder mindestens 1 Schulart fehlerhaft"}},
    {106, "eingetragene Organisationsform anhand der aktuellen Liste prüfen",
     {nullptr, "Organisationsform ordnungsgemäß eingetragen", nullptr, "zu nennende Organisationsform fehlt", nullptr,
      "keine Organisationsform eingetragen oder Eintrag fehlerhaft"}},
    {109, "eingetragene Ganztagsschulart anhand der aktuellen Liste prüfen",
     {nullptr, "Ganztagsschulart ordnungsgemäß eingetragen", nullptr, nullptr, nullptr,
      "keine Ganztagsschulart eingetragen oder Eintrag fehlerhaft"}},
    {112, "eingetragene Nichteinschulungsart und Zahlen prüfen",
     {nullptr, "Nichteinschulung ordnungsgemäß eingetragen",
      "es fehlen die Zählungen zu den männlichen bzw. weiblich Nichteinschulungen", nullptr, nullptr,
      "keine Nichteinschulung eingetragen oder Eintrag fehlerhaft"}},
    {120, "eingetragene Schulname prüfen", {nullptr, "alle Angaben o.B.", nullptr, nullptr, nullptr, "Schulname fehlt"}},
    {123, "eingetragener Rechtsstatus der Schule anhand der aktuellen Liste prüfen",
     {nullptr, "Rechtsstatus ordnungsgemäß eingetragen", nullptr, nullptr, nullptr,
      "kein Rechtstatus eingetragen oder Eintrag fehlerhaft"}},
    {126, "eingetragenes Schulamt anhand der aktuellen Liste prüfen",
     {nullptr, "Schulamt ordnungsgemäß eingetragen", nullptr, nullptr, nullptr,
      "kein Schulamt eingetragen oder Eintrag fehlerhaft"}},
    {129, "eingetragener Schulträger anhand der aktuellen Liste prüfen",
     {nullptr, "Schulträger ordnungsgemäß eingetragen", nullptr, nullptr, nullptr,
      "kein Schulträger eingetragen oder Eintrag fehlerhaft"}},
    {132, "eingetragene Postleitzahl prüfen",
     {nullptr, "Postleitzahl ordnungsgemäß eingetragen", nullptr, nullptr, nullptr,
      "keine Postleitzahl eingetragen oder Eintrag fehlerhaft"}},
    {135, "eingetragener Standort prüfen",
     {nullptr, "Standort ordnungsgemäß eingetragen", nullptr, nullptr, nullptr,
      "kein Standort eingetragen oder Eintrag fehlerhaft"}},
    {138, "eingetragene Gemeinde anhand der aktuellen Liste prüfen",
     {nullptr, "Gemeinde ordnungsgemäß eingetragen", nullptr, nullptr, nullptr,
      "keine Gemeinde eingetragen oder Eintrag fehlerhaft"}},
    {141, "eingetragene Strasse prüfen",
     {nullptr, "Strasse ordnungsgemäß eingetragen", nullptr, nullptr, nullptr,
      "keine Strasse eingetragen oder Eintrag fehlerhaft"}},
    {144, "eingetragene eMail-Adresse prüfen",
     {nullptr, "eMail-Adresse ordnungsgemäß eingetragen", nullptr, "keine eMail-Adresse eingetragen",
      "Eintrag fehlerhaft (@ oder Postfach fehlt)", "eMail-Adresse fehlt oder ist fehlerhaft"}},
    {147, "eingetragene Internet-Adresse prüfen",
     {nullptr, "Internet-Adresse ordnungsgemäß eingetragen", nullptr,
      "keine Internet-Adresse eingetragen oder Eintrag fehlerhaft", nullptr,
      "keine Internet-Adresse eingetragen oder Eintrag fehlerhaft"}},
    {150, "eingetragene Anrede anhand der aktuellen Liste prüfen",
     {nullptr, "Anrede ordnungsgemäß eingetragen", nullptr, nullptr, nullptr,
      "keine Anrede eingetragen oder Eintrag fehlerhaft"}},
    {153, "eingetragener Titel des Schulleiters prüfen",
     {nullptr, "Titel des Schulleiters ordnungsgemäß oder keiner eingetragen", nullptr, nullptr, nullptr, nullptr}},
    {156, "eingetragener Name des Schulleiters prüfen",
     {nullptr, "Name des Schulleiters ordnungsgemäß eingetragen", nullptr, nullptr, nullptr,
      "kein Name des Schulleiters eingetragen oder Eintrag fehlerhaft"}},
    {159, "eingetragene Telefon-Nummer (Schulleiter) anhand der aktuellen Liste prüfen",
     {nullptr, "Telefon-Nummer des Schulleiters ordnungsgemäß eingetragen", nullptr, nullptr, nullptr,
      "keine Telefon-Nummer des Schulleiters eingetragen oder Eintrag fehlerhaft"}},
    {170, "eingetragene UnterrichtsEinheiten anhand der aktuellen Einzel-Listen prüfen",
     {"Anzahl der getesteten UnterrichtsEinheiten: &i", "UnterrichtsEinheiten beinhalten ordnungsgemäße Einträge",
      nullptr, nullptr, nullptr,
      "keine UnterrichtsEinheiten eingetragen oder Einträge fehlerhaft (letzter Fehler: UE-Nr.: &i)"}},
    {172, "eingetragene UnterrichtsEinheit-Identifizierungsnummer (UE_ID) prüfen",
     {nullptr, "UE_ID(s) ordnungsgemäß eingetragen",
      "ID der Unterrichtseinheit mit der laufender Nr.: &i  konnte intern nicht richtig aufgelöst werden", nullptr,
      nullptr, "keine UE_ID(s) eingetragen oder Eintrag fehlerhaft (letzte fehlerhafte UE ist laufende Nr.: &i )"}},
    {173, "eingetragene UnterrichtsEinheit-Identifizierungsnummer (UE_ID) auf Einmaligkeit prüfen",
     {nullptr, "UE_ID(s) ordnungsgemäß eingetragen (keine Dopplungen festgestellt)", nullptr, nullptr, nullptr,
      "keine UE_ID(s) eingetragen oder mehrfach (mehrfache UE_ID ist z.B. laufende Nr.: &i )"}},
    {174, "eingetragene Schularten der UnterrichtsEinheiten anhand der aktuellen Liste prüfen",
     {nullptr, "Schularten ordnungsgemäß eingetragen", nullptr, nullptr, nullptr,
      "keine Schulart eingetragen oder Eintrag fehlerhaft (letzte fehlerhafte UE ist laufende Nr.: &i )"}},
    {176, "eingetragene Jahrgänge der UnterrichtsEinheiten anhand der aktuellen Liste prüfen",
     {nullptr, "Jahrgänge ordnungsgemäß eingetragen", nullptr, nullptr, nullptr,
      "kein Jahrgang eingetragen oder Eintrag fehlerhaft (letzte fehlerhafte UE ist laufende Nr.: &i )"}},
    {178, "eingetragene Klassen der UnterrichtsEinheiten anhand der aktuellen Liste prüfen",
     {nullptr, "Klassen ordnungsgemäß eingetragen",
      "ev. noch keine Klassen angelegt oder geladen (Wechseln Sie ev. 1x zu \"Klassen\"!)",
      "Klasse der UE mit laufender Nr.: &i nicht in der internen Klassen-Datenbank gefunden", nullptr,
      "kein Klasse(n) eingetragen oder Eintrag fehlerhaft (letzte fehlerhafte UE ist laufende Nr.: &i )"}},
    {180, "eingetragene Fächer der UnterrichtsEinheiten anhand der aktuellen Liste prüfen",
     {nullptr, "Fächer ordnungsgemäß eingetragen", nullptr, nullptr, nullptr,
      "kein Fach eingetragen oder Eintrag fehlerhaft (letzte fehlerhafte UE ist laufende Nr.: &i )"}},
    {182, "eingetragene Kurs-Arten der UnterrichtsEinheiten anhand der aktuellen Liste prüfen",
     {nullptr, "Kurs-Arten ordnungsgemäß eingetragen", nullptr, nullptr, nullptr,
      "keine Kurs-Art eingetragen oder Eintrag fehlerhaft (letzte fehlerhafte UE ist laufende Nr.: &i )"}},
    {184, "eingetragene Bilingualität anhand der aktuellen Liste prüfen",
     {nullptr, "Bilingualität ordnungsgemäß eingetragen oder ohne", nullptr, nullptr, nullptr,
      "Eintrag zur Bilingualität fehlerhaft (letzte fehlerhafte UE ist laufende Nr.: &i )"}},
    {186, "eingetragene Stundenanzahl anhand der aktuellen Liste prüfen",
     {nullptr, "Stundenzahlen ordnungsgemäß eingetragen", nullptr, nullptr, nullptr,
      "keine Stundenanzahl eingetragen oder Eintrag fehlerhaft (letzte fehlerhafte UE ist laufende Nr.: &i )"}},
    {188, "eingetragene Lehrer der UnterrichtsEinheiten anhand der aktuellen Liste prüfen",
     {nullptr, "Lehrer ordnungsgemäß eingetragen",
      "ev. noch keine Lehrer angelegt oder geladen (Wechseln Sie ev. 1x zu \"Lehrer\"!)",
      "Lehrer der UE mit laufender Nr.: &i nicht in der internen Lehrer-Datenbank gefunden", nullptr,
      "kein Lehrer eingetragen oder Eintrag fehlerhaft (letzte fehlerhafte UE ist laufende Nr.: &i )"}},

    {200, "Schulnummer des Lehrers eingetragen und passend zu den Programm-Einstellungen prüfen",
     {nullptr, "alle Angaben zur Schulnummer o.B.", nullptr, nullptr, nullptr,
      "keine oder falsche Schulnummer eingetragen"}},
    {203, "eingetragene Lehrernummer prüfen",
     {nullptr, "Lehrernummer eingetragen", nullptr, nullptr, nullptr,
      "keine Lehrernummer eingetragen oder Eintrag fehlerhaft"}},
    {206, "eingetragenen Lehrername prüfen",
     {nullptr, "Lehrername eingetragen", nullptr, nullptr, nullptr,
      "keine Lehrername eingetragen oder Eintrag fehlerhaft"}},
    {208, "eingetragenen Lehrervorname prüfen",
     {nullptr, "Lehrervorname eingetragen", nullptr, nullptr, nullptr,
      "keine Lehrervorname eingetragen oder Eintrag fehlerhaft"}},
    {210, "eingetragenen Lehrertitel prüfen", {nullptr, "Lehrertitel eingetragen", nullptr, nullptr, nullptr, nullptr}},
    {212, "eingetragenes Geschlecht für den Lehrer prüfen",
     {nullptr, "Lehrergeschlecht eingetragen", nullptr, nullptr, nullptr,
      "kein Lehrergeschlecht eingetragen oder Eintrag fehlerhaft"}},
    {214, "eingetragenes Geburtsdatum für den Lehrer prüfen",
     {nullptr, "Lehrergeburtsdatum ordnungsgemäß eingetragen",
      "Geburtsdatum beinhaltet Fehler (Geburtstag außerhalb des Arbeitszeitrahmens)", nullptr,
      "Geburtsdatum beinhaltet Fehler", "kein Lehrergeburtsdatum eingetragen oder Eintrag fehlerhaft"}},
    {216, "eingetragene Staatsangehörigkeit anhand der aktuellen Liste prüfen",
     {nullptr, "Staatsangehörigkeit ordnungsgemäß eingetragen",
      "keine Staatsangehörigkeit eingetragen, dass entspricht:   Deutschland", nullptr, nullptr,
      "eingetragene Staatsangehörigkeit fehlerhaft"}},
    {218, "eingetragene(s) Beschäftigung(-sverhältnis) anhand der aktuellen Liste prüfen",
     {nullptr, "Beschaäftigung(-sverhältnis) ordnungsgemäß eingetragen", nullptr, nullptr, nullptr,
      "kein(e) Beschäftigung(-sverhältnis) eingetragen oder Eintrag fehlerhaft"}},
    {220, "eingetragene Ausbildung(en) des Lehrers anhand der aktuellen Liste prüfen",
     {nullptr, "&i Ausbildung(en) ordnungsgemäß eingetragen", nullptr, "keine Ausbildungen eingetragen", nullptr,
      "mindestens ein Eintrag fehlerhaft (letzter Fehler in Zeile: &i)"}},
    {222, "eingetragene Lehrbefähigung(en) anhand der aktuellen Liste prüfen",
     {nullptr, "&i Lehrbefähigung(en) ordnungsgemäß eingetragen", nullptr, "keine Lehrbefähigung(en) eingetragen",
      nullptr, "mindestens ein Eintrag fehlerhaft (letzter Fehler in Zeile: &i)"}},
    {224, "eingetragene(s) Lehramt/-ämter anhand der aktuellen Liste prüfen",
     {nullptr, "&i Lehramt/-ämter ordnungsgemäß eingetragen", nullptr, "kein Lehramt eingetragen", nullptr,
      "mindestens ein Eintrag fehlerhaft (letzter Fehler in Zeile: &i)"}},
    {226, "Prüfung der Regelstunden",
     {nullptr, "Regelstunden ordnungsgemäß angegeben", "keine Regelstunden angegeben", nullptr,
      "Fehler in der Zahlendarstellung", "Regelstunden-Angaben fehlen oder sind fehlerhaft"}},
    {228, "Prüfung des Vertragsstunden",
     {nullptr, "Vertragsstunden ordnungsgemäß angegeben", "keine Vertragsstunden angegeben",
      "Vertragsstunden-Anzahl größer als Regelstunden-Anzahl", "Fehler in der Zahlendarstellung",
      "Vertragsstunden-Angaben fehlen oder sind fehlerhaft"}},
    {230, "Prüfung des Vertretungsstunden",
     {nullptr, "Vertretungsstunden ordnungsgemäß angegeben", nullptr, nullptr, "Fehler in der Zahlendarstellung",
      "Vertragsstunden-Angaben sind fehlerhaft"}},
    {232, "Prüfung der Gründe für Anrechnungsstunden anhand der aktuellen Liste",
     {nullptr, "Gründe für Anrechnungsstunden ordnungsgemäß angegeben", nullptr,
      "Anrechnungsstunden-Grund ohne konkrete Stundenzahl angegeben in Zeile &i", nullptr,
      "Gründe für Anrechnungsstunden fehlen oder sind fehlerhaft"}},
    {234, "Prüfung der Anrechnungsstunden",
     {nullptr, "Anrechnungsstunden ordnungsgemäß angegeben", nullptr,
      "Anrechnungsstunden ohne Grund angegeben in Zeile &i", "Fehler in der Zahlendarstellung",
      "Anrechnungsstunden fehlen oder sind fehlerhaft"}},
    {238, "Prüfung der Gründe für Arbeitszeitkonten (MehrStunden) anhand der aktuellen Liste",
     {nullptr, "Gründe für Arbeitszeitkonten (MehrStunden) ordnungsgemäß angegeben", nullptr,
      "Arbeitszeitkonten-Grund (MehrStunden) ohne konkrete Stundenzahl angegeben in Zeile &i", nullptr,
      "Gründe für Arbeitszeitkonten (MehrStunden) fehlen oder sind fehlerhaft"}},
    {240, "Prüfung der Mehrstunden (Arbeitszeitkonto)",
     {nullptr, "Mehrstunden (Arbeitszeitkonto) ordnungsgemäß angegeben", nullptr,
      "Mehrstunden (Arbeitszeitkonto) ohne Grund angegeben in Zeile &i", "Fehler in der Zahlendarstellung",
      "Mehrstunden (Arbeitszeitkonto) fehlen oder sind fehlerhaft"}},
    {242, "Prüfung der Gründe für Arbeitszeitkonten (MinderStunden) anhand der aktuellen Liste",
     {nullptr, "Gründe für Arbeitszeitkonten (MinderStunden) ordnungsgemäß angegeben", nullptr,
      "Arbeitszeitkonten-Grund (MinderStunden) ohne konkrete Stundenzahl angegeben in Zeile &i", nullptr,
      "Gründe für Arbeitszeitkonten (MinderStunden) fehlen oder sind fehlerhaft"}},
    {244, "Prüfung der Minderstunden (Arbeitszeitkonto)",
     {nullptr, "Minderstunden (Arbeitszeitkonto) ordnungsgemäß angegeben", nullptr,
      "Minderstunden (Arbeitszeitkonto) ohne Grund angegeben in Zeile &i", "Fehler in der Zahlendarstellung",
      "Minderstunden (Arbeitszeitkonto) fehlen oder sind fehlerhaft"}},
    {248, "Prüfung der Gründe für Arbeitszeitregelungen (MehrStunden) anhand der aktuellen Liste",
     {nullptr, "Gründe für Arbeitszeitregelungen (MehrStunden) ordnungsgemäß angegeben", nullptr,
      "Arbeitszeitregelungs-Grund (MehrStunden) ohne konkrete Stundenzahl angegeben in Zeile &i", nullptr,
      "Gründe für Arbeitszeitregelungen (MehrStunden) fehlen oder sind fehlerhaft"}},
    {250, "Prüfung der Mehrstunden (Arbeitszeitregelungen)",
     {nullptr, "Mehrstunden (Arbeitszeitregelungen) ordnungsgemäß angegeben", nullptr,
      "Mehrstunden (Arbeitszeitregelungen) ohne Grund angegeben in Zeile &i", "Fehler in der Zahlendarstellung",
      "Mehrstunden (Arbeitszeitregelungen) fehlen oder sind fehlerhaft"}},
    {252, "Prüfung der Gründe für Arbeitszeitregelungen (MinderStunden) anhand der aktuellen Liste",
     {nullptr, "Gründe für Arbeitszeitregelungen (MinderStunden) ordnungsgemäß angegeben", nullptr,
      "Arbeitszeitregelungens-Grund (MinderStunden) ohne konkrete Stundenzahl angegeben in Zeile &i", nullptr,
      "Gründe für Arbeitszeitregelungen (MinderStunden) fehlen oder sind fehlerhaft"}},
    {254, "Prüfung der Minderstunden (Arbeitszeitregelung)",
     {nullptr, "Minderstunden (Arbeitszeitregelung) ordnungsgemäß angegeben", nullptr,
      "Minderstunden (Arbeitszeitregelung) ohne Grund angegeben in Zeile &i", "Fehler in der Zahlendarstellung",
      "Minderstunden (Arbeitszeitregelung) fehlen oder sind fehlerhaft"}},
    {260, "eingetragene Tätigkeit anhand der aktuellen Liste prüfen",
     {nullptr, "alle Angaben o.B.", nullptr, nullptr, nullptr, "Angaben fehlen oder sind fehlerhaft"}},
    {262, "Zuordnung des Lehrers zu Personengruppen anhand der aktuellen Liste prüfen",
     {nullptr, "Lehrer mindestens einer Personengruppe ordnungsgemäß zugeordnet", nullptr, nullptr,
      "keine Personengruppe eingetragen",
      "Personengruppe mindestens einmal fehlerhaft (letzter fehlerhafter Eintrag in Zeile: &i)"}},
    {264, "eingetragene Klassenleiterfunktion prüfen",
     {nullptr, "Klassenleiterfunktion eingetragen",
      "Klasse nicht in der internen Datenbank gefunden --> ev. 1x zu \"Klassen\" wechseln", nullptr, nullptr,
      nullptr}},
    {268, "zum PmsA-Einsatz die eingetragene Art(en) anhand der aktuellen Liste prüfen",
     {nullptr, "PmsA-Einsatz-Art ordnungsgemäß eingetragen", nullptr, nullptr, nullptr,
      "Angaben zur PmsA-Einsatz-Art fehlen oder mindestens einmal fehlerhaft"}},
    {270, "zum PmsA-Einsatz die eingetragene(n) Jahrgang/-gänge anhand der aktuellen Liste prüfen",
     {nullptr, "PmsA-Einsatz-Jahrgang/-gänge ordnungsgemäß eingetragen", nullptr, nullptr, nullptr,
      "Jahrgangs-Angaben fehlen oder mindestens einmal fehlerhaft"}},
    {272, "zum PmsA-Einsatz die eingetragene Stunden-Anzahl anhand der aktuellen Liste prüfen",
     {nullptr, "Stunden zum PmsA-Einsatz ordnungsgemäß eingetragen", nullptr, nullptr, nullptr,
      "Stunden-Angaben fehlen oder mindestens einmal fehlerhaft"}},
    {274, "eingetragener Zugang anhand der aktuellen Liste prüfen",
     {nullptr, "Zugang ordnungsgemäß eingetragen", nullptr, nullptr, nullptr, "Angaben zum Zugang fehlerhaft"}},
    {276, "eingetragenes Zugangssdatum für den Lehrer prüfen",
     {nullptr, "Zugangssdatum ordnungsgemäß eingetragen",
      "Zugangsdatum beinhaltet Fehler (Zugang außerhalb des Berichtszeitraums)", nullptr,
      "Zugangssdatum beinhaltet Fehler", "kein Zugangsdatum eingetragen oder Eintrag fehlerhaft"}},
    {278, "eingetragener Abgang anhand der aktuellen Liste prüfen",
     {nullptr, "Abgang ordnungsgemäß eingetragen", nullptr, nullptr, nullptr, "Angaben zum Abgang fehlerhaft"}},
    {280, "eingetragenes Abgangssdatum für den Lehrer prüfen",
     {nullptr, "Abgangssdatum ordnungsgemäß eingetragen",
      "Abgangsdatum beinhaltet Fehler (Abgang außerhalb des Berichtszeitraums)", nullptr,
      "Abgangssdatum beinhaltet Fehler", "kein Abgangsdatum eingetragen oder Eintrag fehlerhaft"}},
    {286, "Prüfen der eingetragenen UnterrichtsEinheiten anhand der Schul-UnterrichtsEinheiten",
     {nullptr, "nur definierte UnterrichtsEinheiten verwendet", nullptr, nullptr, nullptr,
      "UnterrichtsEinheit nicht definiert oder Eintrag fehlerhaft (letzte Fehlerposition: UE_ID= &i)"}},
    {288, "Prüfen, ob Lehrer auch in den eingetragenen UnterrichtsEinheiten definiert ist",
     {nullptr,
      "peprüfter Lehrer ist in den angegebenen UnterrichtsEinheiten auch als unterrichtender Lehrer definiert",
      "peprüfter Lehrer in der UE auch als unterrichtender Lehrer definiert, aber Problem bei UE-ID festgestellt "
      "(UE-ID: &i)",
      nullptr, nullptr,
      "Lehrer in UnterrichtsEinheit nicht definiert oder Eintrag fehlerhaft (letzte Fehlerposition: UE_ID= &i)"}},
};

std::string Wiederholt(std::string_view muster, std::size_t laenge) {
    std::string s;
    while (s.size() < laenge) s += muster;
    s.resize(laenge);
    return s;
}

} // namespace

void Fehlertexte::Leeren() { e_.fill(Fehlertext{}); }

void Fehlertexte::Fuellen() {
    // Entry 0: a width pattern of 120 characters, never displayed.
    e_[0].Titel = Wiederholt("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", kHoechsteLaenge);
    for (auto& t : e_[0].Text) t = Wiederholt("1234567890", kHoechsteLaenge);

    e_[1].Titel = "Blindfehlertest - Testet, ob überhaupt Tests durchgeführt werden (Dieser Test wird nicht mit "
                  "bewertet!!!)";
    e_[1].Text = {"so sieht ein durchgeführter Test aus (ohne Ergebnis)",
                  "so sieht ein erfolgreicher Test aus (ohne Fehler und Warnungen)",
                  "so sieht ein Test mit Warnung aus",
                  "so sieht ein Test mit schwerwiegender Warnung aus",
                  "so sieht ein Test mit Fehler aus",
                  "so sieht ein Test mit schwerwiegendem Fehler aus"};

    e_[10].Titel = "";
    e_[10].Text = {kOhneErgebnis, "alle Angaben o.B.", "", "", "", "Angaben fehlen oder sind fehlerhaft"};

    for (const Eintrag& x : kEintraege) {
        Fehlertext& f = e_[static_cast<std::size_t>(x.n)];
        f.Titel = x.titel;
        for (std::size_t k = 0; k < 6; ++k) f.Text[k] = x.t[k] ? x.t[k] : "";
        if (!x.t[0]) f.Text[0] = kOhneErgebnis;
    }
}

void Fehlertexte::FehlertexteAufbauen(const std::string& programmOrdner) {
    Leeren();
    if (!io::Existiert(PfadVon(programmOrdner, "Fehler.DAT"))) Fuellen();
}

} // namespace zev
