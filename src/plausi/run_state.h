// The run state of the plausibility checks: one result code and one parameter
// pair per message number, the tally of a run and the alarm threshold.
#pragma once

#include "model/database.h"

#include <array>
#include <cstdint>
#include <random>
#include <string_view>

namespace zev {

// Result codes: -1 not run, 0 run without result, 1 passed, 2 warning,
// 3 serious warning, 4 error, 5 serious error.
inline constexpr int kNichtGelaufen = -1;
inline constexpr int kHoechsteNummer = 500;
inline constexpr int kErsteGezaehlte = 10;

struct TestParameter {
    std::int32_t i = 0; // replaces "&i"
    double r = 0.0;     // replaces "&r"
    // Replaces "&s": the name of a field; it points to text that lives as long as
    // the program, so a run shown later still names what it found.
    std::string_view s;
};

class PlausiLauf {
public:
    PlausiLauf();

    std::array<std::int32_t, kHoechsteNummer + 1> Testergebnis;
    std::array<TestParameter, kHoechsteNummer + 1> Testparameter;
    std::array<std::uint16_t, 6> Ergebniszaehler{};
    std::uint16_t Alarmschwelle = 0;
    // Which area the group window shows: 1 teachers, 2 classes, 3 students.
    std::uint16_t Gruppenart = 0;

    // Every slot -1, every parameter 0, every counter 0.
    void TestsZuruecksetzen();
    // For each slot 10..500 with a code r of 0..5: counter 0 + 1, then counter r + 1.
    void TestsAuszaehlen();
    // Counted tests at or above the threshold (codes Alarmschwelle + 2 .. 5).
    int AlarmSumme() const;

    // The words the tests are written in.
    int Code(int n) const { return Testergebnis[static_cast<std::size_t>(n)]; }
    void Setze(int n, int code) { Testergebnis[static_cast<std::size_t>(n)] = code; }
    // Writes `code` only when the slot holds less; true when it wrote.
    bool Erhoehe(int n, int code) {
        if (Code(n) >= code) return false;
        Setze(n, code);
        return true;
    }
    void Param(int n, std::int32_t i) { Testparameter[static_cast<std::size_t>(n)].i = i; }
    std::int32_t ParamI(int n) const { return Testparameter[static_cast<std::size_t>(n)].i; }
    void Zaehle(int n) { ++Testparameter[static_cast<std::size_t>(n)].i; }
    void ParamS(int n, std::string_view s) { Testparameter[static_cast<std::size_t>(n)].s = s; }

    // Slot 1, the demonstration line: a uniform code 0..5.
    void Blindtest();
    // The generator is seeded from the clock at start; tests and `zev` seed it.
    void Saat(std::uint32_t s) { zufall_.seed(s); }

private:
    std::mt19937 zufall_;
};

// Warnungen and Fehler := 0 in every teacher, student and class record; the
// counters of the run too.
void PlausiZaehlerLoeschen(Datenbestand& d, PlausiLauf& p);

} // namespace zev
