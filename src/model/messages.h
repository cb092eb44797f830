// The one way the core speaks to the user: modal messages of four kinds with
// OK or Yes/No. Texts are UTF-8 and keep their "\r" line breaks; a user
// interface turns those into line breaks of its own.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zev {

enum class MeldungsArt { Fehler, Warnung, Information, Frage };
// JaNeinAbbrechen: a question whose third answer leaves the person where they were.
enum class Tasten { Ok, JaNein, JaNeinAbbrechen };
enum class Antwort { Ok, Ja, Nein, Abbrechen };

class Meldungen {
public:
    virtual ~Meldungen() = default;
    virtual Antwort Zeigen(MeldungsArt art, std::string_view text, Tasten tasten) = 0;

    void Fehler(std::string_view text) { Zeigen(MeldungsArt::Fehler, text, Tasten::Ok); }
    void Warnung(std::string_view text) { Zeigen(MeldungsArt::Warnung, text, Tasten::Ok); }
    void Information(std::string_view text) { Zeigen(MeldungsArt::Information, text, Tasten::Ok); }
    bool Frage(std::string_view text) { return Zeigen(MeldungsArt::Frage, text, Tasten::JaNein) == Antwort::Ja; }

    // A question answered by one of several buttons with captions of their own; the
    // index of the button chosen. The last button is the one that changes nothing:
    // it is the answer wherever no person can choose.
    virtual std::size_t Waehlen(std::string_view text, const std::vector<std::string>& knoepfe) {
        (void)text;
        return knoepfe.empty() ? 0 : knoepfe.size() - 1;
    }
};

// Swallows every message, answering OK or No; for callers that report by other means.
class StilleMeldungen final : public Meldungen {
public:
    Antwort Zeigen(MeldungsArt, std::string_view, Tasten tasten) override {
        return tasten == Tasten::Ok ? Antwort::Ok : Antwort::Nein;
    }
};

} // namespace zev
