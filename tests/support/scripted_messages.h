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
        for (bool j : ja) antworten_.push_back(j);
    }

    Antwort Zeigen(MeldungsArt art, std::string_view text, Tasten tasten) override {
        gezeigt.push_back({art, std::string(text), tasten});
        if (tasten == Tasten::Ok) return Antwort::Ok;
        bool ja = false;
        if (!antworten_.empty()) {
            ja = antworten_.front();
            antworten_.pop_front();
        }
        return ja ? Antwort::Ja : Antwort::Nein;
    }

    std::vector<std::string> Texte() const {
        std::vector<std::string> t;
        for (const auto& g : gezeigt) t.push_back(g.text);
        return t;
    }

    std::vector<Gezeigt> gezeigt;

private:
    std::deque<bool> antworten_;
};

} // namespace zev::test
