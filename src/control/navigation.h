// Moving through the records of a list area, choosing one from its list, adding
// and deleting records: one implementation for teachers, classes and students.
// Every change of the current record takes the open page into the buffer,
// stores it, rewrites its list entry, loads the new record and shows it, through
// the controller's page hooks.
#pragma once

#include "control/lifecycle.h"
#include "model/messages.h"
#include "model/records.h"
#include "model/settings.h"

#include <array>
#include <cstdint>
#include <functional>

namespace zev {

// The most records an area holds: the internal files count them in 16 bits.
inline constexpr std::int32_t kHoechstzahlDatensaetze = 65536;

// The six move buttons of an area.
enum class Bewegung { Erster, Voriger, Naechster, Letzter, SeiteZurueck, SeiteVor };
// Enabled states in the order of `Bewegung`: "| <", "<", ">", "> |", "<<", ">>".
using Bewegungsknoepfe = std::array<bool, 6>;

struct Navigationsdienste {
    // A record was chosen from a list: the tool bar's cut, copy and paste become usable.
    std::function<void()> zwischenablageFreigeben;
};

class Navigation {
public:
    Navigation(Steuerung& st, Meldungen& m, Navigationsdienste dienste = {});

    // The moves of the six buttons. A page step is the number of list rows that fit.
    void MoveFirst(Bereich b);
    void MovePrevious(Bereich b);
    void MoveNext(Bereich b);
    void MoveLast(Bereich b);
    void PageBack(Bereich b, int schritt);
    void PageForward(Bereich b, int schritt);
    void Bewegen(Bereich b, Bewegung w, int schritt);

    // The list's click on entry `index`; an index outside the area is only taken as the current index.
    void SelectFromList(Bereich b, std::int32_t index);

    // "+": a new record before the current one, which it becomes. False when none
    // was added (the area is full, or the current index lies outside the area);
    // on true the window shows the area's first sub-page with the focus in the name box.
    bool InsertRecord(Bereich b);
    // "-": the current record after the question, or a blank one in place of the
    // only record. True when a record was removed or blanked.
    bool DeleteRecord(Bereich b);

    // Enabled states of the move buttons at the current record: the moves towards
    // the first record are off on it, those towards the last on the last.
    Bewegungsknoepfe Knoepfe(Bereich b) const;

    Navigationsdienste& Dienste() { return dienste_; }

private:
    // Runs `f` with the operations over area `b`'s records; nothing for the school.
    template <class F> void MitAblauf(Bereich b, F&& f);

    Steuerung& st_;
    Meldungen& m_;
    Navigationsdienste dienste_;
};

// Rows of height `zeilenhoehe` that fit in `hoehe` pixels, each with a line between: at least 1.
int SeitenSchritt(int hoehe, int zeilenhoehe);

// A new student made from the current one: its class, year, school type, lesson
// units, languages and qualifications stay; who the student is goes. With
// `WeiterfuehrendeSchule` on, the enrolment, the address, the previous school
// and the training place go as well. The result has no identifier yet.
TSchuelerDS SchuelerAusVorgaenger(const TSchuelerDS& vorgaenger, const TEinstellungen& e);

} // namespace zev
