#include "cli/console_messages.h"

namespace zev {

Antwort KonsolenMeldungen::Zeigen(MeldungsArt art, std::string_view text, Tasten tasten) {
    switch (art) {
        case MeldungsArt::Fehler: err_ << "Fehler: "; ++fehler_; break;
        case MeldungsArt::Warnung: err_ << "Warnung: "; ++hinweise_; break;
        case MeldungsArt::Information: err_ << "Information: "; ++hinweise_; break;
        case MeldungsArt::Frage: err_ << "Frage: "; break;
    }
    for (const char c : text) err_ << (c == '\r' ? '\n' : c);
    err_ << '\n';
    if (tasten == Tasten::Ok) return Antwort::Ok;
    err_ << (ja_ ? "(Antwort: Ja)\n" : "(Antwort: Nein)\n");
    return ja_ ? Antwort::Ja : Antwort::Nein;
}

std::size_t KonsolenMeldungen::Waehlen(std::string_view text, const std::vector<std::string>& knoepfe) {
    const std::size_t wahl = knoepfe.empty() ? 0 : knoepfe.size() - 1;
    Zeigen(MeldungsArt::Fehler, text, Tasten::Ok);
    if (!knoepfe.empty()) err_ << "(Antwort: " << knoepfe[wahl] << ")\n";
    return wahl;
}

} // namespace zev
