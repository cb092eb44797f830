// A message box for tests: records every message and answers from a queue.
#pragma once

#include "model/messages.h"

#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace zev::test {

struct Gezeigt {
    MeldungsArt art;
    std::string text;
    Tasten tasten;
    bool operator==(const Gezeigt&) const = default;
};

class SkriptMeldungen final : public Meldungen {
public:
    // Answers for the next Yes/No questions; when the queue is empty, No.
    void Antworten(std::initializer_list<bool> ja) {
        for (bool j : ja) antworten_.push_back(j ? Antwort::Ja : Antwort::Nein);
    }
    // "Abbrechen" as the next answer (No where a question has no such button).
    void Abbrechen() { antworten_.push_back(Antwort::Abbrechen); }

    Antwort Zeigen(MeldungsArt art, std::string_view text, Tasten tasten) override {
        gezeigt.push_back({art, std::string(text), tasten});
        if (tasten == Tasten::Ok) return Antwort::Ok;
        Antwort a = Antwort::Nein;
        if (!antworten_.empty()) {
            a = antworten_.front();
            antworten_.pop_front();
        }
        return a == Antwort::Abbrechen && tasten != Tasten::JaNeinAbbrechen ? Antwort::Nein : a;
    }

    // Answers (button indices) for the next choices among several buttons; when the
    // queue is empty, the last button.
    void Wahlen(std::initializer_list<std::size_t> w) {
        for (std::size_t i : w) wahlen_.push_back(i);
    }

    std::size_t Waehlen(std::string_view text, const std::vector<std::string>& knoepfe) override {
        gezeigt.push_back({MeldungsArt::Frage, std::string(text), Tasten::Ok});
        knoepfeGezeigt = knoepfe;
        std::size_t w = knoepfe.empty() ? 0 : knoepfe.size() - 1;
        if (!wahlen_.empty()) {
            w = wahlen_.front();
            wahlen_.pop_front();
        }
        return w;
    }

    // Forgets what was shown and the answers not used yet.
    void Leeren() {
        gezeigt.clear();
        knoepfeGezeigt.clear();
        antworten_.clear();
        wahlen_.clear();
    }

    std::vector<std::string> Texte() const {
        std::vector<std::string> t;
        for (const auto& g : gezeigt) t.push_back(g.text);
        return t;
    }

    std::vector<Gezeigt> gezeigt;
    std::vector<std::string> knoepfeGezeigt; // the buttons of the last choice

private:
    std::deque<Antwort> antworten_;
    std::deque<std::size_t> wahlen_;
};

} // namespace zev::test
