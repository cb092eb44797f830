#include "ui/qt/clipboard_actions.h"

#include "ui/qt/info_dialog.h"

#include <QAction>

namespace zev::qt {

namespace {

Ablagedienste Dienste(InfoDialog& info, std::function<bool(Bereich)> blattBereit) {
    Ablagedienste d;
    d.blattBereit = std::move(blattBereit);
    d.showInfo = [&info](const InfoTexte&, std::uint16_t) { info.Zeigen(); };
    return d;
}

} // namespace

ZwischenablageAktionen::ZwischenablageAktionen(Steuerung& st, Meldungen& m, InfoDialog& info, Aktionen aktionen,
                                               std::function<bool(Bereich)> blattBereit, QObject* eltern)
    : QObject(eltern), ablage_(st, m, Dienste(info, std::move(blattBereit))) {
    if (aktionen.ausschneiden)
        connect(aktionen.ausschneiden, &QAction::triggered, this, [this] { Nach(ablage_.CutRecord()); });
    if (aktionen.kopieren)
        connect(aktionen.kopieren, &QAction::triggered, this, [this] { Nach(ablage_.CopyRecord()); });
    if (aktionen.einfuegen)
        connect(aktionen.einfuegen, &QAction::triggered, this, [this] { Nach(ablage_.PasteRecord()); });
    if (aktionen.ansicht) connect(aktionen.ansicht, &QAction::triggered, this, [this] { ablage_.ShowClipboard(); });
}

void ZwischenablageAktionen::Nach(std::optional<Bereich> b) {
    if (b) emit bereichGeaendert(*b);
}

} // namespace zev::qt
