// The internal clipboard: one slot per list area (a whole teacher, class or
// student record), cut, copy and paste of the current record within its area,
// and the view of what the slots hold. It lives as long as the program and is
// never saved; loading or importing data leaves it alone.
#pragma once

#include "control/info_box.h"
#include "control/lifecycle.h"
#include "model/messages.h"
#include "model/records.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace zev {

// What the clipboard needs from the window.
struct Ablagedienste {
    // True when the area's sheets page is the area's active sub-page and its record
    // list has a selected entry. Empty: every area counts as ready.
    std::function<bool(Bereich)> blattBereit;
    // Shows the timed information box over the texts just stored in the controller's `Info()`.
    std::function<void(const InfoTexte&, std::uint16_t dauer)> showInfo;
};

class Zwischenablage {
public:
    Zwischenablage(Steuerung& st, Meldungen& m, Ablagedienste dienste = {});

    // The area the three operations act on: the list area whose page the main
    // window shows, when that area is ready; nothing in any other state.
    std::optional<Bereich> Ziel() const;

    // Each returns the area it acted on (the window then refills that area's
    // list and selects its current record), nothing when it did nothing: another
    // window state, a refusal, or the question answered with No.
    // The stored record at the current index goes into the slot and out of its area.
    std::optional<Bereich> CutRecord();
    // The pages are taken in and stored; the buffer goes into the slot.
    std::optional<Bereich> CopyRecord();
    // The current record is replaced by the slot's, with a new identifier.
    std::optional<Bereich> PasteRecord();
    // "Ansicht" > "interne Zwischenablage": a notice for the class slot and one for
    // the student slot, each when its area is ready; the teacher slot has none.
    void ShowClipboard();

    const TLehrerDS& LehrerSlot() const { return lehrer_; }
    const TKlasseDS& KlassenSlot() const { return klasse_; }
    const TSchuelerDS& SchuelerSlot() const { return schueler_; }

private:
    template <class R> bool Cut(Bereich b);
    template <class R> bool Copy(Bereich b);
    template <class R> bool Paste(Bereich b);
    template <class R> R& Slot();
    template <class R> void Hinweis(const R& r);
    void Info(InfoTexte t, std::uint16_t dauer);
    bool Bereit(Bereich b) const;

    Steuerung& st_;
    Meldungen& m_;
    Ablagedienste dienste_;
    // All bytes zero at start: every text empty, identifier 0.
    TLehrerDS lehrer_{};
    TKlasseDS klasse_{};
    TSchuelerDS schueler_{};
};

} // namespace zev
