#include "control/write_guard.h"

#include "model/paths.h"

namespace zev {

std::string MeldungOrdnerBelegt(const std::string& ordner, const io::Sperrinhaber& inhaber) {
    const std::string programm = inhaber.programm.empty() ? "einem anderen Programm" : inhaber.programm;
    return "Der Daten-Ordner " + ordner + " wird gerade von " + programm + " benutzt (" + inhaber.Beschreibung() + ").";
}

std::string MeldungDateiGeaendert(const std::string& pfad) {
    return "Die Datei " + pfad + " wurde seit dem Laden von einem anderen Programm geändert.";
}

Fremdfassung FremdfassungFragen(const std::string& pfad, std::string_view erklaerung, Meldungen& m) {
    static const std::vector<std::string> kKnoepfe = {"Meine Fassung speichern", "Die andere Fassung laden",
                                                      "Abbrechen"};
    const std::string text = MeldungDateiGeaendert(pfad) + "\r\r" + std::string(erklaerung);
    switch (m.Waehlen(text, kKnoepfe)) {
        case 0:
            return Fremdfassung::MeineSpeichern;
        case 1:
            return Fremdfassung::AndereLaden;
        default:
            return Fremdfassung::Abbrechen;
    }
}

bool Schreibaufsicht::Sperren(const std::string& datenOrdner, int warteSekunden) {
    if (sperre_.Gehalten() && ordner_ == datenOrdner) return true;
    sperre_.Freigeben();
    ordner_ = datenOrdner;
    const auto e = sperre_.Nehmen(PfadVon(datenOrdner, kSperrDatei), io::DieserLauf(programm_), warteSekunden);
    nurLesen_ = e == io::Dateisperre::Ergebnis::Belegt;
    return !nurLesen_;
}

void Schreibaufsicht::Freigeben() {
    sperre_.Freigeben();
    nurLesen_ = false;
}

void Schreibaufsicht::Merken(Bereich b, const std::string& pfad) {
    staende_[Nr(b)] = {true, pfad, io::StandVon(pfad)};
}

bool Schreibaufsicht::Geaendert(Bereich b, const std::string& pfad) const {
    const Gemerkt& g = staende_[Nr(b)];
    if (!g.gesetzt) return false;
    const io::Dateistand jetzt = io::StandVon(pfad);
    // Another file than the one loaded (the data folder was changed) only counts
    // when there is something there to overwrite.
    if (g.pfad != pfad) return jetzt.vorhanden;
    return !(jetzt == g.stand);
}

} // namespace zev
