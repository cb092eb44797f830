#include "control/navigation.h"

#include "model/database.h"
#include "model/encoding.h"
#include "model/ids.h"

#include <cmath>
#include <string>
#include <type_traits>

namespace zev {

namespace {

// The operations over one area's data.
template <class A> class Ablauf {
    using R = typename A::Datensatz;

public:
    Ablauf(Steuerung& st, Meldungen& m, BereichsDaten<R>& d) : st_(st), m_(m), d_(d) {}

    void MoveFirst() {
        if (d_.Aktuell != 0)
            Wechseln(0);
        else
            d_.Aktuell = 0;
    }
    void MovePrevious() {
        if (d_.Aktuell < 1) return MoveFirst();
        Wechseln(d_.Aktuell - 1);
    }
    void MoveNext() {
        if (d_.Aktuell >= d_.Letzter()) return MoveLast();
        Wechseln(d_.Aktuell + 1);
    }
    void MoveLast() {
        if (d_.Aktuell < d_.Letzter())
            Wechseln(d_.Letzter());
        else
            d_.Aktuell = d_.Letzter();
    }
    void PageForward(int schritt) {
        // In 64 bits: a current index taken from outside the area may lie anywhere.
        const std::int64_t ziel = std::int64_t{d_.Aktuell} + schritt;
        if (ziel >= d_.Letzter()) return MoveLast();
        Wechseln(static_cast<std::int32_t>(ziel));
    }
    void PageBack(int schritt) {
        if (schritt >= d_.Aktuell) return MoveFirst();
        Wechseln(d_.Aktuell - schritt);
    }

    void SelectFromList(std::int32_t index) {
        if (d_.IndexGueltig(index))
            Wechseln(index);
        else
            d_.Aktuell = index;
    }

    bool InsertRecord(const TEinstellungen& e) {
        if (d_.Letzter() + 1 >= kHoechstzahlDatensaetze) {
            m_.Fehler(A::kVoll);
            return false;
        }
        st_.Uebernehmen(A::kSeite);
        // A current index outside the area has no place to insert before.
        if (!PufferSpeichern(d_, d_.Aktuell, m_)) return false;
        st_.ListenEintragNeu(A::kBereich, d_.Aktuell);
        R neu{};
        if constexpr (std::is_same_v<R, TSchuelerDS>) {
            if (e.VorgaengerAlsVorlage != 0)
                neu = SchuelerAusVorgaenger(d_.Puffer, e);
            else
                InitSchueler(neu, e.Schulnummer.view());
        } else {
            InitDatensatz(neu, e.Schulnummer.view());
        }
        neu.ID = NeueID(d_, m_);
        d_.DB.insert(d_.DB.begin() + d_.Aktuell, neu);
        st_.ListenEintragEingefuegt(A::kBereich, d_.Aktuell);
        PufferLaden(d_, d_.Aktuell);
        Zeigen();
        return true;
    }

    bool DeleteRecord(const TEinstellungen& e) {
        bool geloescht = false;
        if (d_.Letzter() <= 0) {
            d_.Aktuell = 0;
            d_.DB.resize(1);
            InitDatensatz(d_.Puffer, e.Schulnummer.view());
            PufferSpeichern(d_, 0, m_);
            st_.ListenAufbauen(A::kBereich);
            geloescht = true;
        } else if (!d_.IndexGueltig(d_.Aktuell)) {
            m_.Fehler(A::kLoeschenUngueltig);
            return false;
        } else if (m_.Frage(A::LoeschFrage(d_.DB[static_cast<std::size_t>(d_.Aktuell)]))) {
            const std::int32_t weg = d_.Aktuell;
            d_.DB.erase(d_.DB.begin() + weg);
            if (d_.Aktuell != 0) --d_.Aktuell;
            st_.ListenEintragEntfernt(A::kBereich, weg);
            geloescht = true;
        } else {
            // Nothing was deleted: the page keeps what was typed on it, which a
            // reload from the array would throw away.
            return false;
        }
        PufferLaden(d_, d_.Aktuell);
        Zeigen();
        return geloescht;
    }

private:
    // The page into the buffer, the buffer into the array at the old index and
    // its list entry anew, then the new record onto the page.
    void Wechseln(std::int32_t neu) {
        st_.Uebernehmen(A::kSeite);
        const std::int32_t alt = d_.Aktuell;
        if (PufferSpeichern(d_, alt, m_)) st_.ListenEintragNeu(A::kBereich, alt);
        d_.Aktuell = neu;
        PufferLaden(d_, neu);
        Zeigen();
    }

    void Zeigen() {
        st_.StatusAnzeigen(); // the position counters belong to every show
        st_.Zeigen(A::kSeite);
    }

    Steuerung& st_;
    Meldungen& m_;
    BereichsDaten<R>& d_;
};

} // namespace

Navigation::Navigation(Steuerung& st, Meldungen& m, Navigationsdienste dienste)
    : st_(st), m_(m), dienste_(std::move(dienste)) {}

template <class F> void Navigation::MitAblauf(Bereich b, F&& f) {
    MitListenBereich(b, [&]<class A>(A) {
        Ablauf<A> a(st_, m_, A::Daten(st_.Daten()));
        f(a);
    });
}

Bewegungsknoepfe Navigation::Knoepfe(Bereich b) const {
    Bewegungsknoepfe an{true, true, true, true, true, true};
    MitListenBereich(b, [&]<class A>(A) {
        const auto& d = A::Daten(st_.Daten());
        // From where the record stands, whatever moved it there (a move, "+", "-", the
        // list, a jump from a result window, the clipboard).
        const bool amAnfang = d.Aktuell <= 0;
        const bool amEnde = d.Aktuell >= d.Letzter();
        an = {!amAnfang, !amAnfang, !amEnde, !amEnde, !amAnfang, !amEnde};
    });
    return an;
}

void Navigation::MoveFirst(Bereich b) {
    MitAblauf(b, [](auto& a) { a.MoveFirst(); });
}
void Navigation::MovePrevious(Bereich b) {
    MitAblauf(b, [](auto& a) { a.MovePrevious(); });
}
void Navigation::MoveNext(Bereich b) {
    MitAblauf(b, [](auto& a) { a.MoveNext(); });
}
void Navigation::MoveLast(Bereich b) {
    MitAblauf(b, [](auto& a) { a.MoveLast(); });
}
void Navigation::PageBack(Bereich b, int schritt) {
    MitAblauf(b, [schritt](auto& a) { a.PageBack(schritt); });
}
void Navigation::PageForward(Bereich b, int schritt) {
    MitAblauf(b, [schritt](auto& a) { a.PageForward(schritt); });
}

void Navigation::Bewegen(Bereich b, Bewegung w, int schritt) {
    switch (w) {
        case Bewegung::Erster:
            return MoveFirst(b);
        case Bewegung::Voriger:
            return MovePrevious(b);
        case Bewegung::Naechster:
            return MoveNext(b);
        case Bewegung::Letzter:
            return MoveLast(b);
        case Bewegung::SeiteZurueck:
            return PageBack(b, schritt);
        case Bewegung::SeiteVor:
            return PageForward(b, schritt);
    }
}

void Navigation::SelectFromList(Bereich b, std::int32_t index) {
    if (b == Bereich::Schule) return;
    if (dienste_.zwischenablageFreigeben) dienste_.zwischenablageFreigeben();
    MitAblauf(b, [index](auto& a) { a.SelectFromList(index); });
}

bool Navigation::InsertRecord(Bereich b) {
    if (st_.SchreibenVerweigert()) return false;
    bool ok = false;
    MitAblauf(b, [&](auto& a) { ok = a.InsertRecord(st_.Einstellungen()); });
    return ok;
}

bool Navigation::DeleteRecord(Bereich b) {
    if (st_.SchreibenVerweigert()) return false;
    bool ok = false;
    MitAblauf(b, [&](auto& a) { ok = a.DeleteRecord(st_.Einstellungen()); });
    return ok;
}

int SeitenSchritt(int hoehe, int zeilenhoehe) {
    if (hoehe <= 0 || zeilenhoehe < 0) return 1;
    // Round half to even, as the rows were always counted.
    const double zeilen = std::nearbyint(static_cast<double>(hoehe) / (zeilenhoehe + 1));
    return zeilen < 1 ? 1 : static_cast<int>(zeilen);
}

TSchuelerDS SchuelerAusVorgaenger(const TSchuelerDS& vorgaenger, const TEinstellungen& e) {
    TSchuelerDS s = vorgaenger;
    s.Schulnummer = e.Schulnummer.view();
    s.Schuelernummer = "";
    s.ID = 0;
    s.Reserviert4 = 0;
    s.Warnungen = 0;
    s.Fehler = 0;
    for (U16& z : s.Zaehler) z = 0;
    s.Reserviert26.b[0] = 0; // the head text
    auto& g = s.Grunddaten;
    g.Name = kFreiName;
    g.Vorname = "";
    g.Geschlecht = 0;
    g.Geburtsdatum = "";
    g.Zuzug = "";
    auto& j = s.Jahrgangsdaten;
    j.Ganztag = "";
    j.Bildungsgang = "";
    j.LRS = "";
    j.Dyskalkulie = "";
    j.Extern = "";
    s.Foerderbedarf.Bedarf = "";
    s.Foerderbedarf.Tatsaechlich = "";
    if (e.WeiterfuehrendeSchule != 0) {
        g.Einschulung.Einschulungsjahr = "";
        g.Einschulung.Einschulungsart = "";
        g.Anschrift.Gemeinde = "";
        g.Anschrift.Wohnort = "";
        g.Anschrift.PLZ = "";
        g.Anschrift.Strasse = "";
        g.vorherige_Schule = "";
        g.Herkunft.Schulart = "";
        g.Herkunft.Jahrgang = "";
        s.Ausbildung.Standort = "";
    }
    return s;
}

} // namespace zev
