// `zev deliver [ORDNER] [--force]`: checks everything and packs the delivery, as
// "Datei" > "Lieferung erstellen ..." does in the window.
#include "cli/cli.h"
#include "cli/console_messages.h"
#include "control/delivery.h"

namespace zev::cli {

namespace {

std::string Zeilen(std::string text) {
    for (char& c : text)
        if (c == '\r') c = '\n';
    return text + "\n";
}

} // namespace

int Deliver(const Kontext& k, const std::vector<std::string>& args) {
    std::optional<std::string> ordner;
    bool erzwingen = false;
    for (const std::string& a : args) {
        if (a == "--force") {
            erzwingen = true;
        } else if (!ordner && !a.starts_with("-")) {
            ordner = a;
        } else {
            k.err << "Aufruf: zev [--home ORDNER] deliver [ORDNER] [--force]\n";
            return kBedienung;
        }
    }
    KonsolenMeldungen m(k.err, k.antwortJa);
    Steuerung st(k.programmOrdner, m);
    st.Erstellen();
    st.Gezeigt();
    const LieferAusgang a = LieferungErstellen(
        st, m, ordner.value_or(st.Ordnerpfade().Export), [&](const Pruefbericht&) { return erzwingen; }, Heute());
    switch (a.stand) {
        case LieferStand::Geschrieben:
            k.out << Zeilen(LieferMeldung(a));
            break;
        case LieferStand::Verweigert:
            k.out << Zeilen(PruefberichtKurz(a.bericht));
            k.err << Zeilen(LieferVerweigerung(a.bericht) + "\r--force schreibt sie trotzdem.");
            return kGefunden;
        case LieferStand::NichtGeladen:
        case LieferStand::Fehlgeschlagen:
            return kFehlerGemeldet;
    }
    if (m.Fehleranzahl() > 0) return kFehlerGemeldet;
    return a.Beanstandet() ? kGefunden : kOk;
}

} // namespace zev::cli
