// A demonstration school made from the catalogues: a school record with about
// forty lesson units, 25 teachers, 12 classes and 300 students, for trying the
// program and its checks. Everything comes from a seed through a generator of
// our own, so one seed gives the same records on every machine and library.
#pragma once

#include "catalog/catalogue_loader.h"
#include "model/database.h"
#include "model/settings.h"

#include <cstdint>

namespace zev {

// SplitMix64: small, fast and fully specified, unlike the distributions of the
// standard library, whose output differs between library versions.
class DemoZufall {
public:
    explicit DemoZufall(std::uint64_t saat) : s_(saat) {}

    std::uint64_t Naechste() {
        std::uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 .. n − 1 (n > 0); the bias of the remainder is far below anything a demo shows.
    int Bis(int n) { return static_cast<int>(Naechste() % static_cast<std::uint64_t>(n)); }
    // True in `prozent` of 100 calls.
    bool Prozent(int prozent) { return Bis(100) < prozent; }

private:
    std::uint64_t s_;
};

// The seed `zev demo` uses.
inline constexpr std::uint64_t kDemoSaat = 20250801;

// Replaces the school record and the three list areas of `d` with the demonstration
// school (all four areas marked loaded, current index 0). Every code is a key of its
// catalogue: the intended key where the catalogue has it, otherwise its first entry
// (optional codes stay empty instead). Records carry the settings' school number;
// the arrival dates of teachers lie in the settings' report year.
//
// A few entries are wrong on purpose, so that the checks have something to show:
// the non-enrolment entry has a reason but no counts (school test 112, a warning),
// lesson unit 40 names the class "11b", which does not exist (178, a serious
// warning), lesson unit 39 has the hours "1,5" with a comma (186, an error), and
// the teacher of unit 40 is class teacher of that missing class (teacher test 264).
// The 8a names its specialty twice (class test 315), some of 11a attend unit 40 of
// the 11b (student test 436), the first student of 3a has support without a need
// (454) and the first student of 6a was born on the 31st of April (418).
void DemoSchuleErzeugen(Datenbestand& d, const Kataloge& k, const TEinstellungen& e, std::uint64_t saat);

} // namespace zev
