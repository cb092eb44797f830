#include "control/demo_school.h"

#include "model/encoding.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace zev {

namespace {

using Woerter = std::initializer_list<std::string_view>;

// The school year the classes and the students' ages belong to: 2025/26.
constexpr int kSchuljahr = 2025;

constexpr int kLehrerAnzahl = 25;
constexpr int kSchuelerJeKlasse = 25;

// Roles by teacher index: head, deputy, the class teachers of the twelve classes
// in order, subject teachers, and a special-needs teacher without lesson units.
constexpr int kLeiter = 0;
constexpr int kStellvertreter = 1;
constexpr int kErsterKlassenlehrer = 2;
constexpr int kDarstellendesSpiel = 23; // teaches unit 40, class teacher of the missing 11b
constexpr int kFoerderlehrer = 24;

struct KlassenPlan {
    std::string_view name;
    int jahrgang;
    std::string_view besonderheit; // catalogue 52, or none
};

constexpr std::array<KlassenPlan, 12> kKlassen = {{
    {"1a", 1, "13"},
    {"2a", 2, ""},
    {"3a", 3, "03"},
    {"4a", 4, ""},
    {"5a", 5, ""},
    {"5b", 5, "06"},
    {"6a", 6, ""},
    {"7a", 7, ""},
    {"8a", 8, "07"},
    {"9a", 9, ""},
    {"10a", 10, "10"},
    {"11a", 11, ""},
}};

// Classes by index in kKlassen that hold the extra units.
constexpr int k5b = 5, k7a = 7, k8a = 8, k10a = 10, k11a = 11;

// --- names (UTF-8; stored as Windows-1252) -----------------------------------------------

constexpr std::array<std::string_view, 80> kNachnamen = {
    "Müller",   "Schmidt",    "Schneider", "Fischer", "Weber",    "Meyer",    "Wagner",    "Becker",     "Schulz",
    "Hoffmann", "Schäfer",    "Koch",      "Bauer",   "Richter",  "Klein",    "Wolf",      "Schröder",   "Neumann",
    "Schwarz",  "Zimmermann", "Braun",     "Krüger",  "Hofmann",  "Hartmann", "Lange",     "Schmitt",    "Werner",
    "Schmitz",  "Krause",     "Meier",     "Lehmann", "Schmid",   "Schulze",  "Maier",     "Köhler",     "Herrmann",
    "König",    "Walter",     "Mayer",     "Huber",   "Kaiser",   "Fuchs",    "Peters",    "Lang",       "Scholz",
    "Möller",   "Weiß",       "Jung",      "Hahn",    "Schubert", "Vogel",    "Friedrich", "Keller",     "Günther",
    "Frank",    "Berger",     "Winkler",   "Roth",    "Beck",     "Lorenz",   "Baumann",   "Franke",     "Albrecht",
    "Schuster", "Simon",      "Ludwig",    "Böhm",    "Winter",   "Kraus",    "Martin",    "Schumacher", "Krämer",
    "Vogt",     "Stein",      "Jäger",     "Otto",    "Sommer",   "Groß",     "Seidel",    "Heinrich",
};

constexpr std::array<std::string_view, 30> kMaedchen = {
    "Mia",   "Emma",   "Hannah", "Sophia",  "Lea",       "Lena", "Marie", "Emilia", "Lina",     "Clara",
    "Anna",  "Leonie", "Lara",   "Johanna", "Charlotte", "Ida",  "Greta", "Frieda", "Mathilda", "Paula",
    "Luise", "Nele",   "Amelie", "Jana",    "Pia",       "Zoé",  "Maja",  "Finja",  "Ronja",    "Lotta",
};

constexpr std::array<std::string_view, 30> kJungen = {
    "Ben",        "Paul",   "Leon", "Finn",   "Elias", "Jonas", "Noah", "Luis",   "Felix",  "Lukas",
    "Maximilian", "Henry",  "Emil", "Moritz", "Anton", "Jakob", "Theo", "Oskar",  "Niklas", "Tim",
    "Jonathan",   "Julian", "Till", "Karl",   "Mats",  "Linus", "Ole",  "Jannik", "Tom",    "Erik",
};

constexpr std::array<std::string_view, 20> kLehrerinnen = {
    "Sabine", "Petra",   "Andrea", "Claudia", "Susanne", "Kerstin", "Anja",   "Katrin", "Heike",  "Birgit",
    "Simone", "Manuela", "Ines",   "Silke",   "Antje",   "Grit",    "Yvonne", "Nicole", "Doreen", "Kathrin",
};

constexpr std::array<std::string_view, 20> kLehrer = {
    "Thomas", "Michael", "Andreas", "Frank",  "Jens", "Uwe",  "Steffen", "Ralf", "Matthias", "Torsten",
    "Dirk",   "Stefan",  "Carsten", "Holger", "Lars", "René", "Sven",    "Jörg", "Mario",    "Olaf",
};

constexpr std::array<std::string_view, 20> kStrassen = {
    "Goethestraße",       "Schillerstraße",     "Lindenweg",
    "Am Anger",           "Bahnhofstraße",      "Gartenstraße",
    "Rosenweg",           "Juri-Gagarin-Ring",  "Löberstraße",
    "Magdeburger Allee",  "Nordhäuser Straße",  "Am Steiger",
    "Krämpferstraße",     "Bergstraße",         "Ahornweg",
    "Birkenallee",        "Thomas-Mann-Straße", "Friedrich-Ebert-Straße",
    "Weimarische Straße", "Mühlenweg",
};

// Students of other nationalities: country (catalogue 29), everyday language
// (catalogue 50), the same as a foreign language (catalogue 18, if there), and names.
struct Herkunft {
    std::string_view staat, sprache;
    bool gefluechtet;
    std::array<std::string_view, 3> nachnamen, maedchen, jungen;
};

constexpr std::array<Herkunft, 8> kHerkuenfte = {{
    {"792", "tur", false, {"Yilmaz", "Öztürk", "Çelik"}, {"Elif", "Zeynep", "Defne"}, {"Emir", "Yusuf", "Mehmet"}},
    {"616", "pol", false, {"Nowak", "Kowalski", "Wozniak"}, {"Zofia", "Julia", "Maja"}, {"Jakub", "Adam", "Szymon"}},
    {"804", "ukr", true, {"Koval", "Melnyk", "Lysenko"}, {"Sofiia", "Olena", "Daryna"}, {"Taras", "Maksym", "Artem"}},
    {"760", "ara", true, {"Al-Hassan", "Haddad", "Khalil"}, {"Lina", "Sara", "Rama"}, {"Omar", "Ahmad", "Karim"}},
    {"642", "ron", false, {"Popescu", "Ionescu", "Stan"}, {"Ioana", "Elena", "Maria"}, {"Andrei", "Mihai", "Luca"}},
    {"704", "vie", false, {"Nguyen", "Tran", "Pham"}, {"Linh", "Mai", "Lan"}, {"Minh", "Duc", "Bao"}},
    {"008", "sqi", false, {"Hoxha", "Berisha", "Krasniqi"}, {"Arta", "Era", "Lira"}, {"Arber", "Dren", "Luan"}},
    {"191", "hrv", false, {"Horvat", "Novak", "Juric"}, {"Ana", "Lucija", "Petra"}, {"Luka", "Ivan", "Marko"}},
}};

// --- small helpers ---------------------------------------------------------------------------

template <std::size_t N> void Text(SText<N>& feld, std::string_view utf8) {
    feld = Utf8ToCp1252(utf8);
}

template <class T, std::size_t N> const T& Eines(DemoZufall& z, const std::array<T, N>& a) {
    return a[static_cast<std::size_t>(z.Bis(static_cast<int>(N)))];
}

std::string_view Eines(DemoZufall& z, Woerter w) {
    return w.begin()[z.Bis(static_cast<int>(w.size()))];
}

std::string Zweistellig(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

struct Tag {
    int tag, monat, jahr;
    std::string Text() const { return Zweistellig(tag) + "." + Zweistellig(monat) + "." + std::to_string(jahr); }
};

int TageIm(int monat, int jahr) {
    static constexpr int tage[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool schalt = jahr % 4 == 0 && (jahr % 100 != 0 || jahr % 400 == 0);
    return monat == 2 && schalt ? 29 : tage[monat - 1];
}

// A day of the `monate` months that begin with `monat` of `jahr`.
Tag TagIn(DemoZufall& z, int jahr, int monat, int monate) {
    monat += z.Bis(monate);
    while (monat > 12) monat -= 12, ++jahr;
    return {1 + z.Bis(TageIm(monat, jahr)), monat, jahr};
}

void Verweis(TUEVerweis& v, int id) {
    v.Nummer = static_cast<std::uint16_t>(id);
    v.UE_ID = std::to_string(id);
}

// --- catalogue keys ----------------------------------------------------------------------------

bool Hat(const Katalog& k, std::string_view key) {
    return !key.empty() && k.FindeSchluessel(key) >= 0;
}

// The first of the wanted keys the catalogue holds; "" when it holds none (for optional codes).
std::string Wenn(const Katalog& k, Woerter gewollt) {
    for (std::string_view g : gewollt)
        if (Hat(k, g)) return std::string(g);
    return {};
}

// As Wenn, but a catalogue without any of them gives its first key: for codes the checks require.
std::string Pflicht(const Katalog& k, Woerter gewollt) {
    if (std::string s = Wenn(k, gewollt); !s.empty()) return s;
    for (const std::string& eintrag : k)
        if (std::string key = KeyOfEntry(eintrag); !key.empty()) return key;
    return {};
}

// Lists of bare values (salutations, years, hours): the wanted value when listed, else the first one.
std::string Wert(const Katalog& k, std::string_view gewollt) {
    if (ListContains(k, gewollt)) return std::string(gewollt);
    for (const std::string& e : k)
        if (e != "??" && e != kLeer) return e;
    return {};
}

// Every key of a catalogue, in file order.
std::vector<std::string> AlleSchluessel(const Katalog& k) {
    std::vector<std::string> s;
    for (const std::string& eintrag : k)
        if (std::string key = KeyOfEntry(eintrag); !key.empty()) s.push_back(std::move(key));
    return s;
}

// A place of catalogue 54: postal code (the key), name, municipality key, state.
struct Ort {
    std::string plz, name, gemeinde, land;
};

std::vector<Ort> Orte(const Katalog& k54) {
    std::vector<Ort> orte;
    for (const std::string& eintrag : k54) {
        Ort o{KeyOfEntry(eintrag), TextteilVon(eintrag), {}, {}};
        if (o.plz.empty()) continue;
        // The additional fields follow the key, each after "; ".
        std::string_view rest = std::string_view(eintrag).substr(eintrag.find(']') + 1);
        std::vector<std::string> felder;
        while (rest.substr(0, 2) == "; ") {
            rest.remove_prefix(2);
            const auto ende = std::min(rest.size(), rest.find("; "));
            felder.emplace_back(rest.substr(0, ende));
            rest.remove_prefix(ende);
        }
        if (!felder.empty()) o.gemeinde = felder[0];
        if (felder.size() > 1) o.land = felder[1];
        orte.push_back(std::move(o));
    }
    return orte;
}

// --- the generator ---------------------------------------------------------------------------

struct LehrerPlan {
    bool weiblich = false;
    std::string name, vorname; // UTF-8
    int geburtsjahr = 0;
    std::string kuerzel; // Windows-1252
    std::vector<int> einheiten;
};

struct UEPlan {
    int klasse; // index in kKlassen; -1 for a class that does not exist
    std::string klassenname, jahrgang, fach, kurs, bilingual, stunden;
    int lehrer;
};

// Teacher numbers as schools use them: two letters of the surname and one of the
// first name, in capitals, with a digit where two teachers would share them.
std::string Kuerzel(const std::string& name, const std::string& vorname, std::set<std::string>& vergeben) {
    const std::string n = Utf8ToCp1252(name), v = Utf8ToCp1252(vorname);
    std::string k = n.substr(0, 2) + v.substr(0, 1);
    for (char& c : k) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) c = static_cast<char>(b - 0x20);
    }
    std::string frei = k;
    for (int i = 2; vergeben.count(frei); ++i) frei = k + std::to_string(i);
    vergeben.insert(frei);
    return frei;
}

class Erzeuger {
public:
    Erzeuger(Datenbestand& d, const Kataloge& k, const TEinstellungen& e, std::uint64_t saat)
        : d_(d), k_(k), e_(e), z_(saat), nr_(e.Schulnummer.view()), orte_(Orte(k(54))) {}

    void Alles() {
        Kollegium();
        Stundenplan();
        Schule();
        Lehrerschaft();
        Klassen();
        Schuelerschaft();
        Absichtlich();
    }

private:
    // --- plan --------------------------------------------------------------------------------

    // The words in an order of chance (Fisher-Yates), for drawing without repeats.
    template <std::size_t N> std::vector<std::string_view> Gemischt(const std::array<std::string_view, N>& woerter) {
        std::vector<std::string_view> v(woerter.begin(), woerter.end());
        for (std::size_t i = v.size() - 1; i > 0; --i)
            std::swap(v[i], v[static_cast<std::size_t>(z_.Bis(static_cast<int>(i) + 1))]);
        return v;
    }

    // Teachers differ in surname; first names repeat only when a list runs out.
    void Kollegium() {
        const std::vector<std::string_view> namen = Gemischt(kNachnamen);
        std::vector<std::string_view> frauen = Gemischt(kLehrerinnen), maenner = Gemischt(kLehrer);
        std::size_t f = 0, m = 0;
        std::set<std::string> vergeben;
        for (int t = 0; t < kLehrerAnzahl; ++t) {
            LehrerPlan p;
            p.weiblich = z_.Prozent(72);
            p.name = namen[static_cast<std::size_t>(t)];
            p.vorname = p.weiblich ? frauen[f++ % frauen.size()] : maenner[m++ % maenner.size()];
            p.geburtsjahr = 1960 + z_.Bis(20);
            p.kuerzel = Kuerzel(p.name, p.vorname, vergeben);
            lehrer_.push_back(std::move(p));
        }
    }

    void Einheit(int klasse, std::string_view klassenname, int jahrgang, std::string_view fach, std::string_view kurs,
                 std::string_view bilingual, std::string_view stunden, int lehrer) {
        ue_.push_back({klasse, std::string(klassenname), Zweistellig(jahrgang), std::string(fach), std::string(kurs),
                       std::string(bilingual), std::string(stunden), lehrer});
        lehrer_[static_cast<std::size_t>(lehrer)].einheiten.push_back(static_cast<int>(ue_.size()));
    }

    // Three units per class: the class teacher of a primary class teaches all of
    // them, in the secondary classes German; mathematics and English go round the
    // head, the deputy and the subject teachers. Then four units of their own.
    void Stundenplan() {
        const std::array<int, 11> reihum = {kLeiter, kStellvertreter, 14, 15, 16, 17, 18, 19, 20, 21, 22};
        std::size_t naechster = 0;
        const auto fachlehrer = [&] { return reihum[naechster++ % reihum.size()]; };
        for (int c = 0; c < static_cast<int>(kKlassen.size()); ++c) {
            const KlassenPlan& kl = kKlassen[static_cast<std::size_t>(c)];
            const int g = kl.jahrgang;
            const int klassenlehrer = kErsterKlassenlehrer + c;
            const bool primar = g <= 4;
            Einheit(c, kl.name, g, "010", "KL", "", g <= 2 ? "6" : g <= 4 ? "5" : "4", klassenlehrer);
            Einheit(c, kl.name, g, "020", "KL", "", primar ? "5" : "4", primar ? klassenlehrer : fachlehrer());
            if (primar)
                Einheit(c, kl.name, g, "030", "KL", "", "3", klassenlehrer);
            else
                Einheit(c, kl.name, g, "040", "KL", "", "3", fachlehrer());
        }
        Einheit(k7a, "7a", 7, "041", "WP", "", "3", 17);
        Einheit(k8a, "8a", 8, "060", "KL", "EN", "2", 18);
        // Deliberate: hours written with a comma, which the hours list does not hold.
        Einheit(k5b, "5b", 5, "095", "AG", "", "1,5", 19);
        // Deliberate: a class that was planned but never created.
        Einheit(-1, "11b", 11, "092", "WK", "", "2", kDarstellendesSpiel);
    }

    // --- school --------------------------------------------------------------------------------

    const Ort& SchulOrt() const {
        static const Ort leer;
        if (orte_.empty()) return leer;
        for (const Ort& o : orte_)
            if (o.plz == "99084") return o;
        return orte_.front();
    }

    void Schule() {
        TSchuleDS& s = d_.SchulDS;
        InitSchule(s, nr_);
        d_.SchuleGeladen = true;
        schulart_ = Pflicht(k_(39), {"08"});
        s.Schuldaten.Schulart[1] = schulart_;
        s.Schuldaten.Orgform = Pflicht(k_(32), {"30"});
        s.Schuldaten.Ganztag = Pflicht(k_(19), {"01"});

        auto& f = s.freie_Traeger;
        const Ort& ort = SchulOrt();
        Text(f.Name, "Gemeinschaftsschule Am Lindenhof");
        f.Schulamt = Pflicht(k_(38), {"01"});
        f.Rechtsstatus = Pflicht(k_(37), {"02"});
        f.Traeger = Pflicht(k_(42), {"03"});
        f.Gemeinde = ort.gemeinde;
        f.Standort = ort.name;
        f.PLZ = ort.plz;
        Text(f.Strasse, "Am Lindenhof 12");
        f.EMail = "sekretariat@gms-lindenhof.de";
        f.Internet = "www.gms-lindenhof.de";
        const LehrerPlan& leiter = lehrer_[kLeiter];
        f.Schulleiter.Anrede = Wert(k_(101), leiter.weiblich ? "Frau" : "Herr");
        f.Schulleiter.Titel = "Dr.";
        Text(f.Schulleiter.Name, leiter.vorname + " " + leiter.name);
        f.Schulleiter.Telefon = "0361 5550120";

        for (std::size_t i = 0; i < ue_.size(); ++i) {
            const UEPlan& p = ue_[i];
            TUnterrichtseinheitDS& u = s.Unterrichtseinheit[static_cast<int>(i) + 1];
            u.UE_ID = static_cast<std::int32_t>(i) + 1;
            u.UE_ID_Text = std::to_string(i + 1);
            u.Schulart = schulart_;
            u.Jahrgang = Pflicht(k_(27), {p.jahrgang});
            u.Klasse = p.klassenname;
            u.Fach = Pflicht(k_(14), {p.fach});
            std::string fach;
            CatalogueDisplayOfKey(k_(14), u.Fach.view(), fach);
            u.Fach_Text = TextteilVon(fach);
            u.Kurs = Pflicht(k_(28), {p.kurs});
            if (!p.bilingual.empty()) u.Bilingual = Wenn(k_(13), {p.bilingual});
            u.Stunden = p.stunden.find(',') == std::string::npos ? Wert(k_(107), p.stunden) : p.stunden;
            u.Lehrer = lehrer_[static_cast<std::size_t>(p.lehrer)].kuerzel;
        }
        // Deliberate: a reason without the counts of boys and girls.
        s.Nichteinschulung[1].Art = Pflicht(k_(4), {"1"});
    }

    // --- teachers -----------------------------------------------------------------------------

    void Lehrerschaft() {
        auto& b = d_.Lehrer;
        b.DB.assign(lehrer_.size(), TLehrerDS{});
        for (std::size_t t = 0; t < lehrer_.size(); ++t) EinLehrer(b.DB[t], static_cast<int>(t));
        Abschliessen(b);
    }

    void EinLehrer(TLehrerDS& l, int t) {
        const LehrerPlan& p = lehrer_[static_cast<std::size_t>(t)];
        InitLehrer(l, nr_);
        l.ID = t + 1;
        l.Lehrernummer = p.kuerzel;
        auto& g = l.Grunddaten;
        Text(g.Name, p.name);
        Text(g.Vorname, p.vorname);
        if (t == kLeiter) g.Titel = "Dr.";
        g.Geschlecht = static_cast<std::uint16_t>(p.weiblich ? 2 : 1);
        g.Geburtsdatum = TagIn(z_, p.geburtsjahr, 1, 12).Text();
        g.Staatszugehoerigkeit = Pflicht(k_(29), {t == 18 ? "040" : "276", "276"});
        g.Beschaeftigung = Pflicht(k_(11), {"01"});

        const bool primar = t >= kErsterKlassenlehrer && t < kErsterKlassenlehrer + 4;
        // Teachers born before 1967 were trained in the GDR.
        const bool ddr = p.geburtsjahr < 1967 && t != kFoerderlehrer;
        int a = 1;
        const auto ausbildung = [&](std::string_view key) {
            if (std::string s = Wenn(k_(34), {key}); !s.empty()) g.Ausbildung[a++] = s;
        };
        if (ddr)
            ausbildung(primar ? "DDRUK" : "DDRDL");
        else
            ausbildung("1STP"), ausbildung("2STP");
        if (a == 1) g.Ausbildung[1] = Pflicht(k_(34), {});

        // Teaching qualifications: the subjects taught, and a second subject where there is one only.
        std::vector<std::string> faecher;
        for (int id : p.einheiten) faecher.push_back(ue_[static_cast<std::size_t>(id - 1)].fach);
        if (t == kFoerderlehrer) faecher = {"S01", "S02"};
        std::sort(faecher.begin(), faecher.end());
        faecher.erase(std::unique(faecher.begin(), faecher.end()), faecher.end());
        if (faecher.size() < 2) faecher.emplace_back(Eines(z_, {"070", "071", "100", "090", "091", "062", "082"}));
        int f = 1;
        for (const std::string& fach : faecher)
            if (std::string s = Wenn(k_(15), {fach}); !s.empty() && f <= 10) g.Fach_Lehrb[f++] = s;
        if (f == 1) g.Fach_Lehrb[1] = Pflicht(k_(15), {});

        auto& st = l.Stunden;
        std::string_view lehramt = z_.Prozent(50) ? "LA3" : "LA4";
        if (t == kFoerderlehrer)
            lehramt = "LA6";
        else if (primar)
            lehramt = ddr ? "LUK" : "LA1";
        else if (ddr)
            lehramt = "DDR";
        st.Lehramt[1] = Pflicht(k_(30), {lehramt});
        const int regel = primar ? 27 : 26;
        st.Regelstunden = std::to_string(regel);
        int vertrag = regel;
        if (t != kLeiter && t != kStellvertreter && z_.Prozent(25)) {
            vertrag = regel - 6 - z_.Bis(5);
            l.Grunddaten.Beschaeftigung = Pflicht(k_(11), {"02"});
            l.Arbeitszeitregelung[1].Grund_minder = Pflicht(k_(22), {"04"});
            l.Arbeitszeitregelung[1].Anzahl_minder = std::to_string(regel - vertrag);
        }
        st.Vertragsstunden = std::to_string(vertrag);

        int an = 1;
        const auto anrechnung = [&](std::string_view grund, std::string_view stunden) {
            if (std::string s = Wenn(k_(8), {grund}); !s.empty()) {
                l.Anrechnungsstunden[an].Grund = s;
                l.Anrechnungsstunden[an++].Stunden = std::string(stunden);
            }
        };
        if (t == kLeiter) anrechnung("SL", "10");
        if (t == kStellvertreter) anrechnung("SLV", "6");
        if (t >= kErsterKlassenlehrer && t < kErsterKlassenlehrer + 12) anrechnung("KL", "1");
        if (p.geburtsjahr <= 1963) anrechnung("AE", "1");
        if (t == 20) anrechnung("IT", "2");
        if (t == 15 || t == 21) {
            l.Arbeitszeitkonto[1].Grund_mehr = Pflicht(k_(23), {"03"});
            l.Arbeitszeitkonto[1].Anzahl_mehr = "1";
        }

        auto& so = l.Sonstiges;
        so.Taetigkeit = Pflicht(k_(5), {t == kLeiter           ? "02"
                                        : t == kStellvertreter ? "03"
                                        : t == kFoerderlehrer  ? "14"
                                                               : "01"});
        so.Personengruppe[1] = Pflicht(k_(33), {p.geburtsjahr <= 1975 && z_.Prozent(70) ? "01" : "04"});
        if (t >= kErsterKlassenlehrer && t < kErsterKlassenlehrer + 12)
            so.Klassenleiter = kKlassen[static_cast<std::size_t>(t - kErsterKlassenlehrer)].name;
        // Deliberate: class teacher of the class that was never created.
        if (t == kDarstellendesSpiel) so.Klassenleiter = "11b";
        so.Schulleiter = static_cast<std::uint16_t>(t == kLeiter ? 1 : t == kStellvertreter ? 2 : 0);

        int r = 1;
        for (int id : p.einheiten) Verweis(l.Unterrichtseinheit[r++], id);

        if (t == kFoerderlehrer) {
            const auto einsatz = [&](int i, std::string_view art, int jahrgang, std::string_view stunden) {
                l.Einsatz[i].Art = Pflicht(k_(35), {art});
                l.Einsatz[i].Jahrgang = Pflicht(k_(27), {Zweistellig(jahrgang)});
                l.Einsatz[i].Stunden = Wert(k_(107), stunden);
            };
            einsatz(1, "03", kKlassen[2].jahrgang, "4");
            einsatz(2, "02", 5, "6");
        }

        // Two arrivals in the report year, when the settings give one.
        const std::string_view jahr = e_.Berichtsjahr.view();
        const bool jahrOk =
            jahr.size() == 4 && std::all_of(jahr.begin(), jahr.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (jahrOk && (t == 21 || t == 22)) {
            l.Zu_Abgang.Zugang.Art = Pflicht(k_(47), {t == 21 ? "20" : "12"});
            l.Zu_Abgang.Zugang.Datum = "01.08." + std::string(jahr);
        }
    }

    // --- classes ------------------------------------------------------------------------------

    void Klassen() {
        auto& b = d_.Klassen;
        b.DB.assign(kKlassen.size(), TKlasseDS{});
        for (std::size_t c = 0; c < kKlassen.size(); ++c) {
            TKlasseDS& k = b.DB[c];
            InitKlasse(k, nr_);
            k.ID = static_cast<std::int32_t>(c) + 1;
            k.Klassenname = kKlassen[c].name;
            if (!kKlassen[c].besonderheit.empty()) k.Klassenbesonderheit[1] = Wenn(k_(52), {kKlassen[c].besonderheit});
            int r = 1;
            for (int id : EinheitenDer(static_cast<int>(c))) Verweis(k.Unterrichtseinheit[r++], id);
        }
        Abschliessen(b);
    }

    std::vector<int> EinheitenDer(int klasse) const {
        std::vector<int> ids;
        for (std::size_t i = 0; i < ue_.size(); ++i)
            if (ue_[i].klasse == klasse) ids.push_back(static_cast<int>(i) + 1);
        return ids;
    }

    // --- students -----------------------------------------------------------------------------

    void Schuelerschaft() {
        auto& b = d_.Schueler;
        b.DB.clear();
        for (int c = 0; c < static_cast<int>(kKlassen.size()); ++c) {
            std::vector<TSchuelerDS> klasse(kSchuelerJeKlasse);
            for (TSchuelerDS& s : klasse) EinSchueler(s, c);
            // In the list a class reads in alphabetical order, as schools keep it.
            std::stable_sort(klasse.begin(), klasse.end(), [](const TSchuelerDS& x, const TSchuelerDS& y) {
                return std::pair(x.Grunddaten.Name.view(), x.Grunddaten.Vorname.view()) <
                       std::pair(y.Grunddaten.Name.view(), y.Grunddaten.Vorname.view());
            });
            b.DB.insert(b.DB.end(), klasse.begin(), klasse.end());
        }
        for (std::size_t i = 0; i < b.DB.size(); ++i) b.DB[i].ID = static_cast<std::int32_t>(i) + 1;
        Abschliessen(b);
    }

    const Ort& Wohnort() {
        static const Ort leer;
        const Ort& schule = SchulOrt();
        std::vector<const Ort*> nah, weiter;
        for (const Ort& o : orte_) {
            if (o.gemeinde == schule.gemeinde)
                nah.push_back(&o);
            else if (o.land == schule.land)
                weiter.push_back(&o);
        }
        const auto& auswahl = weiter.empty() || z_.Prozent(85) ? nah : weiter;
        if (auswahl.empty()) return orte_.empty() ? leer : schule;
        return *auswahl[static_cast<std::size_t>(z_.Bis(static_cast<int>(auswahl.size())))];
    }

    void EinSchueler(TSchuelerDS& s, int c) {
        const KlassenPlan& kl = kKlassen[static_cast<std::size_t>(c)];
        const int g = kl.jahrgang;
        InitSchueler(s, nr_);
        auto& gd = s.Grunddaten;
        auto& jd = s.Jahrgangsdaten;

        const Herkunft* h = z_.Prozent(12) ? &Eines(z_, kHerkuenfte) : nullptr;
        const bool weiblich = z_.Prozent(50);
        // Two students of the same name would look like a copy; draw again (a few times).
        for (int versuch = 0; versuch < 20; ++versuch) {
            if (h) {
                Text(gd.Name, Eines(z_, h->nachnamen));
                Text(gd.Vorname, weiblich ? Eines(z_, h->maedchen) : Eines(z_, h->jungen));
            } else {
                Text(gd.Name, Eines(z_, kNachnamen));
                Text(gd.Vorname, weiblich ? Eines(z_, kMaedchen) : Eines(z_, kJungen));
            }
            if (schuelerNamen_.insert(gd.Name.str() + ", " + gd.Vorname.str()).second) break;
        }
        gd.Geschlecht = static_cast<std::uint16_t>(weiblich ? 2 : 1);

        // Born between July and June of the years that give this grade in 2025/26;
        // a few repeat a year, start a year early or were held back half a year.
        const int jahr = kSchuljahr - 6 - g; // July of this year .. June of the next
        int einschulung = kSchuljahr + 1 - g;
        std::string art = "01";
        const bool wiederholer = g >= 2 && g <= 10 && z_.Prozent(3);
        Tag geboren{};
        if (wiederholer) {
            geboren = TagIn(z_, jahr - 1, 7, 12);
            --einschulung;
        } else if (z_.Prozent(3)) {
            geboren = TagIn(z_, jahr + 1, 7, 3);
            art = "02";
        } else if (z_.Prozent(2)) {
            geboren = TagIn(z_, jahr, 1, 6);
            art = "03";
        } else {
            geboren = TagIn(z_, jahr, 7, 12);
        }
        gd.Geburtsdatum = geboren.Text();
        const int geburtsjahr = geboren.jahr;

        gd.Staatsangehoerigkeit = Pflicht(k_(29), {h ? h->staat : "276", "276"});
        const bool fremd = h && gd.Staatsangehoerigkeit == h->staat;
        std::string migration = z_.Prozent(85) ? "01" : "03";
        if (fremd) migration = h->gefluechtet ? "06" : z_.Prozent(60) ? "02" : "03";
        gd.Migrantenstatus = Wenn(k_(31), {migration});
        if (fremd) {
            gd.Verkehrssprache = Wenn(k_(50), {h->sprache});
            jd.Auslaender = gd.Staatsangehoerigkeit;
            if (migration != "03") {
                const int zuzug = geburtsjahr + 1 + z_.Bis(kSchuljahr - geburtsjahr);
                gd.Zuzug = std::to_string(zuzug);
                if (zuzug > einschulung) einschulung = zuzug, art = "06";
            }
        }
        gd.Einschulung.Einschulungsjahr = Wert(k_(106), std::to_string(einschulung));
        gd.Einschulung.Einschulungsart = Pflicht(k_(6), {art});

        const Ort& ort = Wohnort();
        gd.Anschrift.Gemeinde = ort.gemeinde;
        gd.Anschrift.Wohnort = ort.name;
        gd.Anschrift.PLZ = ort.plz;
        Text(gd.Anschrift.Strasse, std::string(Eines(z_, kStrassen)) + " " + std::to_string(1 + z_.Bis(120)));

        if (g >= 5 && z_.Prozent(8)) {
            const auto schulen = AlleSchluessel(k_(103));
            if (!schulen.empty())
                gd.vorherige_Schule = schulen[static_cast<std::size_t>(z_.Bis(static_cast<int>(schulen.size())))];
            gd.Herkunft.Schulart = Pflicht(k_(39), {g == 5 ? "01" : Eines(z_, {"03", "04", "07"})});
            gd.Herkunft.Jahrgang = Pflicht(k_(25), {Zweistellig(g - 1)});
        }

        // The number a student gets at enrolment: the year and a running number.
        s.Schuelernummer = std::to_string(einschulung) + std::to_string(1000 + ++laufend_[einschulung]).substr(1);

        jd.Klasse = kl.name;
        jd.Jahrgang = Pflicht(k_(27), {Zweistellig(g)});
        jd.Schulart = schulart_;
        if (wiederholer) jd.Wiederholer = Wenn(k_(7), {"01"});
        if (g == 5 || g == 6) jd.Empfehlung = Wenn(k_(40), {Eines(z_, {"02", "03", "05"})});
        jd.LRS = z_.Prozent(4) ? "Ja" : "Nein";
        jd.Dyskalkulie = z_.Prozent(3) ? "Ja" : "Nein";
        jd.Ganztag = Wenn(k_(20), {c == k10a ? "03" : g <= 4 && z_.Prozent(60) ? "01" : "00"});
        jd.Bildungsgang = Wenn(k_(12), {g <= 4 ? "10" : g <= 10 ? "24" : "34"});

        int r = 1;
        bool franzoesisch = false;
        for (int id : EinheitenDer(c)) {
            const UEPlan& u = ue_[static_cast<std::size_t>(id - 1)];
            // Only half of the class take the elective course and the study group.
            if ((u.kurs == "WP" || u.kurs == "AG") && !z_.Prozent(50)) continue;
            Verweis(jd.Unterrichtseinheit[r++], id);
            franzoesisch = franzoesisch || u.fach == "041";
        }
        // Some of 11a are in the drama course planned for the 11b.
        if (c == k11a && z_.Prozent(40)) Verweis(jd.Unterrichtseinheit[r++], static_cast<int>(ue_.size()));

        if (z_.Prozent(c == 2 ? 16 : 3)) {
            const std::string bedarf = Wenn(k_(17), {Eines(z_, {"LE", "SP", "ESE"})});
            s.Foerderbedarf.Bedarf = bedarf;
            s.Foerderbedarf.Tatsaechlich = bedarf;
        }

        int f = 1;
        const auto sprache = [&](std::string_view erwerb, std::string_view key, std::string_view sprachArt) {
            if (std::string sp = Wenn(k_(18), {key}); !sp.empty()) {
                s.Fremdsprachen[f].Erwerb = Wenn(k_(26), {erwerb});
                s.Fremdsprachen[f].Sprache = sp;
                s.Fremdsprachen[f++].Art = Wenn(k_(51), {sprachArt});
            }
        };
        if (g >= 3) sprache("1", "eng", "PF");
        if (franzoesisch || (g >= 8 && z_.Prozent(40))) sprache("2", "fra", "WP");
        if (fremd && z_.Prozent(40)) sprache("7", h->sprache, "HS");

        if (g == 11) {
            s.Abschluss.allgemeinbildender[1].allgemein = Pflicht(k_(2), {z_.Prozent(70) ? "07" : "06"});
            s.Abschluss.allgemeinbildender[1].Jahr = Wert(k_(105), std::to_string(kSchuljahr));
        }
    }

    // Deliberate faults of classes and students, set after everything is drawn so
    // that the rest of the school stays as it was.
    void Absichtlich() {
        // The 8a's specialty entered twice (class test 315).
        TKlasseDS& k8 = d_.Klassen.DB[static_cast<std::size_t>(k8a)];
        k8.Klassenbesonderheit[2] = k8.Klassenbesonderheit[1];
        d_.Klassen.Puffer = d_.Klassen.DB.front();
        auto& schueler = d_.Schueler.DB;
        const auto ersterDer = [&](int klasse) -> TSchuelerDS& {
            return schueler[static_cast<std::size_t>(klasse * kSchuelerJeKlasse)];
        };
        // The first student of 3a gets support without a recorded need (student test 454).
        TSchuelerDS& foerderung = ersterDer(2);
        foerderung.Foerderbedarf.Bedarf = "";
        foerderung.Foerderbedarf.Tatsaechlich = Wenn(k_(17), {"LE"});
        // The first student of 6a was born on the 31st of April (student test 418).
        TSchuelerDS& datum = ersterDer(6);
        datum.Grunddaten.Geburtsdatum = "31.04." + datum.Grunddaten.Geburtsdatum.str().substr(6);
        d_.Schueler.Puffer = schueler.front();
    }

    template <class R> static void Abschliessen(BereichsDaten<R>& b) {
        b.Aktuell = 0;
        b.Puffer = b.DB.front();
        b.Geladen = true;
    }

    Datenbestand& d_;
    const Kataloge& k_;
    const TEinstellungen& e_;
    DemoZufall z_;
    std::string nr_; // the settings' school number, Windows-1252
    std::vector<Ort> orte_;
    std::vector<LehrerPlan> lehrer_;
    std::vector<UEPlan> ue_;
    std::string schulart_;
    std::map<int, int> laufend_; // enrolment year -> students numbered so far
    std::set<std::string> schuelerNamen_;
};

} // namespace

void DemoSchuleErzeugen(Datenbestand& d, const Kataloge& k, const TEinstellungen& e, std::uint64_t saat) {
    Erzeuger(d, k, e, saat).Alles();
}

} // namespace zev
