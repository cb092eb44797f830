#include "control/clipboard.h"

#include "model/database.h"
#include "model/encoding.h"
#include "model/ids.h"

#include <string>
#include <type_traits>

namespace zev {

namespace {

std::string U(std::string_view s) {
    return Cp1252ToUtf8(s);
}

constexpr const char* kAnsichtTitel = "interne Zwischablage";
constexpr std::uint16_t kHinweisDauer = 3000;
constexpr std::uint16_t kAnsichtDauer = 5000;

} // namespace

Zwischenablage::Zwischenablage(Steuerung& st, Meldungen& m, Ablagedienste dienste)
    : st_(st), m_(m), dienste_(std::move(dienste)) {}

template <> TLehrerDS& Zwischenablage::Slot<TLehrerDS>() {
    return lehrer_;
}
template <> TKlasseDS& Zwischenablage::Slot<TKlasseDS>() {
    return klasse_;
}
template <> TSchuelerDS& Zwischenablage::Slot<TSchuelerDS>() {
    return schueler_;
}

bool Zwischenablage::Bereit(Bereich b) const {
    return !dienste_.blattBereit || dienste_.blattBereit(b);
}

std::optional<Bereich> Zwischenablage::Ziel() const {
    const auto b = BereichVon(st_.AktuelleSeite());
    if (!b || *b == Bereich::Schule || !Bereit(*b)) return std::nullopt;
    return b;
}

void Zwischenablage::Info(InfoTexte t, std::uint16_t dauer) {
    st_.Info().Setzen(std::move(t), dauer);
    if (dienste_.showInfo) dienste_.showInfo(st_.Info().Texte(), dauer);
}

template <class R> void Zwischenablage::Hinweis(const R& r) {
    if (st_.Einstellungen().ZwischenablageInfo != 1) return;
    using A = typename BereichZu<R>::Typ;
    Info({std::string(A::kAblageTitel), "Inhalt", {std::string(A::kAblageZeile), "", A::Kurz(r), "", ""}},
         kHinweisDauer);
}

// Cut takes the record as it was last stored: what the pages hold and was not
// stored yet is dropped with it.
template <class R> bool Zwischenablage::Cut(Bereich b) {
    using A = typename BereichZu<R>::Typ;
    BereichsDaten<R>& a = st_.Daten().Bereich<R>();
    if (a.Letzter() <= 0) {
        m_.Fehler(A::kAusschneidenLetzter);
        return false;
    }
    if (!a.IndexGueltig(a.Aktuell)) {
        m_.Fehler(A::kAusschneidenUngueltig);
        return false;
    }
    const auto i = static_cast<std::size_t>(a.Aktuell);
    if (!m_.Frage("Wollen Sie den " + std::string(A::kWort) + "-Datensatz:\r" + A::Wer(a.DB[i]) + " [" +
                  std::to_string(a.DB[i].ID.get()) + "]\rjetzt ausschneiden?"))
        return false;
    Slot<R>() = a.DB[i];
    a.DB.erase(a.DB.begin() + static_cast<std::ptrdiff_t>(i));
    Hinweis(Slot<R>());
    if (a.Aktuell > 0) --a.Aktuell;
    st_.ListenAufbauen(b);
    PufferLaden(a, a.Aktuell);
    st_.Zeigen(A::kSeite);
    st_.StatusAnzeigen();
    return true;
}

template <class R> bool Zwischenablage::Copy(Bereich) {
    using A = typename BereichZu<R>::Typ;
    BereichsDaten<R>& a = st_.Daten().Bereich<R>();
    st_.Uebernehmen(A::kSeite);
    PufferSpeichern(a, a.Aktuell, m_);
    Slot<R>() = a.Puffer;
    Hinweis(Slot<R>());
    return true;
}

template <class R> bool Zwischenablage::Paste(Bereich b) {
    using A = typename BereichZu<R>::Typ;
    BereichsDaten<R>& a = st_.Daten().Bereich<R>();
    st_.Uebernehmen(A::kSeite);
    PufferSpeichern(a, a.Aktuell, m_);
    const R& slot = Slot<R>();
    if (!A::Frei(a.Puffer) && !m_.Frage("Wollen Sie den aktuellen " + std::string(A::kWort) + "-Datensatz:\r     " +
                                        A::Kurz(a.Puffer) + "\rdurch den Datensatz: \r     " + A::Kurz(slot) +
                                        "\raus der " + std::string(A::kWort) + "-Zwischenablage ersetzen?"))
        return false;
    a.Puffer = slot;
    PufferSpeichern(a, a.Aktuell, m_);
    // The slot keeps its record, so every paste is a new record with an identifier of its own.
    const std::int32_t id = NeueID(a, m_);
    a.Puffer.ID = id;
    if (a.IndexGueltig(a.Aktuell)) a.DB[static_cast<std::size_t>(a.Aktuell)].ID = id;
    st_.ListenAufbauen(b);
    st_.Zeigen(A::kSeite);
    st_.StatusAnzeigen();
    return true;
}

namespace {

// Runs `f` with the record type of a list area; false for the school.
template <class F> bool MitArt(Bereich b, F&& f) {
    bool ok = false;
    MitListenBereich(b, [&]<class A>(A) { ok = f(std::type_identity<typename A::Datensatz>{}); });
    return ok;
}

} // namespace

std::optional<Bereich> Zwischenablage::CutRecord() {
    const auto b = Ziel();
    // Cutting and pasting change an area that a read-only run could never store.
    if (b && st_.SchreibenVerweigert()) return std::nullopt;
    if (!b || !MitArt(*b, [&]<class R>(std::type_identity<R>) { return Cut<R>(*b); })) return std::nullopt;
    return b;
}

std::optional<Bereich> Zwischenablage::CopyRecord() {
    const auto b = Ziel();
    if (!b || !MitArt(*b, [&]<class R>(std::type_identity<R>) { return Copy<R>(*b); })) return std::nullopt;
    return b;
}

std::optional<Bereich> Zwischenablage::PasteRecord() {
    const auto b = Ziel();
    if (b && st_.SchreibenVerweigert()) return std::nullopt;
    if (!b || !MitArt(*b, [&]<class R>(std::type_identity<R>) { return Paste<R>(*b); })) return std::nullopt;
    return b;
}

void Zwischenablage::ShowClipboard() {
    if (Bereit(Bereich::Klassen)) {
        InfoTexte t{kAnsichtTitel, "", {}};
        const std::string_view name = klasse_.Klassenname.view();
        if (name != kFreiName && !name.empty()) {
            t.kopf = "Klassen-Datensatz";
            t.zeilen[0] = U(name);
            t.zeilen[4] = "  ...";
        } else {
            t.kopf = "Klasen-Datensatz";
            t.zeilen[1] = "leer ODER undefiniert";
        }
        Info(std::move(t), kAnsichtDauer);
    }
    if (Bereit(Bereich::Schueler)) {
        InfoTexte t{kAnsichtTitel, "Schüler-Datensatz", {}};
        const auto& g = schueler_.Grunddaten;
        if ((g.Name == kFreiName || g.Name.empty()) && g.Vorname.empty()) {
            t.zeilen[1] = "leer ODER undefiniert";
        } else {
            t.zeilen[0] = SchuelerBereich::Kurz(schueler_);
            t.zeilen[2] =
                U(g.Geburtsdatum.view()) + "; " + U(g.Anschrift.Wohnort.view()) + ", " + U(g.Anschrift.Strasse.view());
            t.zeilen[4] = "  ...";
        }
        Info(std::move(t), kAnsichtDauer);
    }
}

} // namespace zev
