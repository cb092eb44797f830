// Messages of a command-line run: written to standard error as "Fehler: ",
// "Warnung: ", "Information: " or "Frage: " and the text, each "\r" a line break.
// A question is answered as the command line said (--yes / --no).
#pragma once

#include "model/messages.h"

#include <ostream>

namespace zev {

class KonsolenMeldungen final : public Meldungen {
public:
    KonsolenMeldungen(std::ostream& err, bool antwortJa) : err_(err), ja_(antwortJa) {}
    Antwort Zeigen(MeldungsArt art, std::string_view text, Tasten tasten) override;
    // No one can choose: the last button, shown as an error, since the command
    // cannot do what it was asked.
    std::size_t Waehlen(std::string_view text, const std::vector<std::string>& knoepfe) override;

    int Fehleranzahl() const { return fehler_; }
    // Warnings and information messages shown.
    int Hinweisanzahl() const { return hinweise_; }

private:
    std::ostream& err_;
    bool ja_;
    int fehler_ = 0;
    int hinweise_ = 0;
};

} // namespace zev
