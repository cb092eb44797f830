// The message table of the checks: per message number a title and one text per
// result code, compiled in. A file "Fehler.DAT" in the program folder leaves the
// table empty (it is only tested for existence).
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zev {

struct Fehlertext {
    std::string Titel;
    std::array<std::string, 6> Text; // codes 0..5
};

class Fehlertexte {
public:
    static constexpr std::size_t kHoechsteLaenge = 120; // Windows-1252 characters per text

    // Empties every entry, then fills the built-in ones unless `Fehler.DAT` exists.
    void FehlertexteAufbauen(const std::string& programmOrdner);
    void Fuellen(); // the built-in entries, regardless of Fehler.DAT
    void Leeren();

    const Fehlertext& operator[](int n) const { return e_.at(static_cast<std::size_t>(n)); }

private:
    std::array<Fehlertext, 501> e_;
};

} // namespace zev
