#include "control/display_lists.h"

#include <cerrno>
#include <clocale>
#include <cstdlib>
#include <optional>
#include <string>

namespace zev {

namespace {

std::string Kurz(std::string s, std::size_t n) {
    if (s.size() > n) s.resize(n);
    return s;
}

template <class R> std::string PersonenEintrag(const R& r) {
    std::string s = Kurz(r.Grunddaten.Name.str() + ", ", 32);
    s = Kurz(s + r.Grunddaten.Vorname.str(), 62);
    s = Kurz(s + " [", 64);
    return s + std::to_string(r.ID.get()) + "]";
}

template <class R> void ListeAufbauen(Katalog& liste, const BereichsDaten<R>& b) {
    liste.clear();
    for (const R& r : b.DB) liste.push_back(AnzeigeEintrag(r));
}

} // namespace

std::string AnzeigeEintrag(const TLehrerDS& r) {
    return PersonenEintrag(r);
}
std::string AnzeigeEintrag(const TSchuelerDS& r) {
    return PersonenEintrag(r);
}
std::string AnzeigeEintrag(const TKlasseDS& r) {
    return Kurz(r.Klassenname.str() + " [", 12) + std::to_string(r.ID.get()) + "]";
}

std::string AuswahlEintrag(const TLehrerDS& l) {
    std::string s;
    if (l.Grunddaten.Titel.view() > std::string_view(" ")) s = Kurz(l.Grunddaten.Titel.str() + " ", 11);
    s += l.Grunddaten.Name.str() + ", " + l.Grunddaten.Vorname.str() + "; [" + l.Lehrernummer.str() + "]";
    return s;
}

std::string SuchEintrag(const TLehrerDS& r) {
    return AnzeigeEintrag(r) + "\n" + r.Lehrernummer.str();
}
std::string SuchEintrag(const TSchuelerDS& r) {
    return AnzeigeEintrag(r) + "\n" + r.Schuelernummer.str() + "\n" + r.Jahrgangsdaten.Klasse.str();
}
std::string SuchEintrag(const TKlasseDS& r) {
    return AnzeigeEintrag(r);
}

void LehrerListeAufbauen(Katalog& liste, const BereichsDaten<TLehrerDS>& lehrer) {
    ListeAufbauen(liste, lehrer);
}

void SchuelerListeAufbauen(Katalog& liste, const BereichsDaten<TSchuelerDS>& schueler) {
    ListeAufbauen(liste, schueler);
}

void KlassenListeAufbauen(Katalog& liste, const BereichsDaten<TKlasseDS>& klassen) {
    ListeAufbauen(liste, klassen);
}

void LehrerAuswahlAufbauen(Katalog& liste, const BereichsDaten<TLehrerDS>& lehrer) {
    liste.clear();
    liste.push_back(std::string(kUnbekannt));
    for (const TLehrerDS& l : lehrer.DB) liste.push_back(AuswahlEintrag(l));
}

void AuswahlEintragNeu(Katalog& liste, const BereichsDaten<TLehrerDS>& lehrer, std::int32_t index) {
    if (!lehrer.IndexGueltig(index)) return;
    liste.Setzen(static_cast<std::size_t>(index) + 1, AuswahlEintrag(lehrer.DB[static_cast<std::size_t>(index)]));
}

void AuswahlEintragEingefuegt(Katalog& liste, const BereichsDaten<TLehrerDS>& lehrer, std::int32_t index) {
    if (!lehrer.IndexGueltig(index)) return;
    if (liste.size() != lehrer.DB.size()) return LehrerAuswahlAufbauen(liste, lehrer);
    liste.Einfuegen(static_cast<std::size_t>(index) + 1, AuswahlEintrag(lehrer.DB[static_cast<std::size_t>(index)]));
}

void AuswahlEintragEntfernt(Katalog& liste, const BereichsDaten<TLehrerDS>& lehrer, std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) > lehrer.DB.size()) return;
    if (liste.size() != lehrer.DB.size() + 2) return LehrerAuswahlAufbauen(liste, lehrer);
    liste.Entfernen(static_cast<std::size_t>(index) + 1);
}

void UEBeschreibungenAufbauen(Katalog& liste, TSchuleDS& schule, const Kataloge& kataloge, const Katalog& lehrerAuswahl,
                              int reihenfolge) {
    liste.clear();
    const auto text = [](const Katalog& k, std::string_view key) {
        std::string e;
        CatalogueDisplayOfKey(k, key, e);
        return TextteilVon(e);
    };
    for (int k = 1; k <= 1000; ++k) {
        TUnterrichtseinheitDS& u = schule.Unterrichtseinheit[k];
        if (u.UE_ID_Text.empty() && u.UE_ID <= 0) continue;
        if (u.UE_ID_Text.view() < std::string_view(" ")) u.UE_ID_Text = std::to_string(u.UE_ID.get());

        const std::string schulart = "; " + text(kataloge(39), u.Schulart.view());
        const std::string jahrgang = "; " + text(kataloge(27), u.Jahrgang.view());
        const std::string klasse = "; " + u.Klasse.str();
        const std::string fach =
            "; " + (u.Fach == std::string_view("999") ? u.Fach_Text.str() : text(kataloge(14), u.Fach.view()));
        const std::string kurs = "; " + text(kataloge(28), u.Kurs.view());
        const std::string stunden = "; " + u.Stunden.str() + " Std.";
        const std::string lehrer = "; " + text(lehrerAuswahl, u.Lehrer.view());
        std::string bilingual;
        std::string gefunden;
        CatalogueDisplayOfKey(kataloge(13), u.Bilingual.view(), gefunden);
        if (gefunden != kUnbekannt) bilingual = "; ++ " + TextteilVon(gefunden);

        std::string d = "[" + u.UE_ID_Text.str() + "] ";
        if (reihenfolge == 1)
            d += fach + bilingual + klasse + stunden + lehrer + schulart + jahrgang + kurs;
        else
            d += schulart + jahrgang + klasse + fach + kurs + bilingual + stunden + lehrer;
        if (u.UE_ID > 0) liste.push_back(std::move(d));
    }
}

void IdentischeUELoeschen(TSchuleDS& schule) {
    auto gleich = [](const TUnterrichtseinheitDS& a, const TUnterrichtseinheitDS& b) {
        const auto t = [](const auto& x, const auto& y) { return x.len == y.len && x.view() == y.view(); };
        return a.UE_ID.get() == b.UE_ID.get() && t(a.UE_ID_Text, b.UE_ID_Text) && t(a.Schulart, b.Schulart) &&
               t(a.Jahrgang, b.Jahrgang) && t(a.Klasse, b.Klasse) && t(a.Fach, b.Fach) && t(a.Kurs, b.Kurs) &&
               t(a.Bilingual, b.Bilingual) && t(a.Stunden, b.Stunden) && t(a.Lehrer, b.Lehrer);
    };
    for (int i = 1; i <= 999; ++i) {
        const TUnterrichtseinheitDS& a = schule.Unterrichtseinheit[i];
        if (a.UE_ID == 0) continue;
        for (int j = i + 1; j <= 1000; ++j) {
            TUnterrichtseinheitDS& b = schule.Unterrichtseinheit[j];
            if (b.UE_ID == 0 || !gleich(a, b)) continue;
            b.UE_ID = 0;
            b.UE_ID_Text = "";
            b.Schulart = "";
            b.Jahrgang = "";
            b.Klasse = "";
            b.Fach = "";
            b.Fach_Text = "";
            b.Kurs = "";
            b.Bilingual = "";
            b.Stunden = "";
            b.Lehrer = "";
        }
    }
}

namespace {

// A whole number in decimal with an optional sign; nullopt otherwise.
std::optional<long long> GanzeZahl(std::string_view s) {
    if (s.empty()) return std::nullopt;
    std::size_t i = (s[0] == '-' || s[0] == '+') ? 1 : 0;
    if (i == s.size()) return std::nullopt;
    long long v = 0;
    for (; i < s.size(); ++i) {
        if (s[i] < '0' || s[i] > '9') return std::nullopt;
        if (v > 100000000000000000LL) return std::nullopt;
        v = v * 10 + (s[i] - '0');
    }
    return s[0] == '-' ? -v : v;
}

// A decimal floating-point number with a point, independent of the locale.
double GleitZahl(std::string_view s) {
    // Only what a written decimal number consists of: no blanks, "inf", "nan" or hex.
    if (s.empty() || s.find_first_not_of("0123456789+-.eE") != std::string_view::npos) return 0.0;
    const std::string t(s);
    locale_t c = ::newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    char* ende = nullptr;
    errno = 0;
    const double v = ::strtod_l(t.c_str(), &ende, c);
    ::freelocale(c);
    if (ende != t.c_str() + t.size() || errno == ERANGE) return 0.0;
    return v;
}

} // namespace

double ZahlAusText(std::string_view text) {
    if (text.empty()) return 0.0;
    const auto komma = text.find(',');
    const auto punkt = text.find('.');
    if ((komma == std::string_view::npos) == (punkt == std::string_view::npos)) return GleitZahl(text);
    const std::size_t p = komma != std::string_view::npos ? komma : punkt;
    const std::string_view vorne = text.substr(0, p);
    const double ganz = static_cast<double>(GanzeZahl(vorne).value_or(0));
    double bruch = 0.0;
    double stelle = 0.1;
    for (std::size_t i = p + 1; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        bruch += (text[i] - '0') * stelle;
        stelle /= 10.0;
    }
    return !vorne.empty() && vorne[0] == '-' ? ganz - bruch : ganz + bruch;
}

} // namespace zev
