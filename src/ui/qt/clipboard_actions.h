// Binds the main window's clipboard actions ("&Ausschneiden", "&Kopieren",
// "&Einfügen" in menu and tool bar, and "Ansicht" > "interne Zwischenablage")
// to the internal clipboard; notices appear in the timed information box.
#pragma once

#include "control/clipboard.h"

#include <QObject>

#include <functional>

class QAction;

namespace zev::qt {

class InfoDialog;

class ZwischenablageAktionen : public QObject {
    Q_OBJECT
public:
    struct Aktionen {
        QAction* ausschneiden = nullptr;
        QAction* kopieren = nullptr;
        QAction* einfuegen = nullptr;
        QAction* ansicht = nullptr;
    };

    // `blattBereit(b)`: the area's sheets sub-page is its active one and its record
    // list has a selected entry. `info` shows the controller's `Info()` texts.
    ZwischenablageAktionen(Steuerung& st, Meldungen& m, InfoDialog& info, Aktionen aktionen,
                           std::function<bool(Bereich)> blattBereit, QObject* eltern = nullptr);

    Zwischenablage& Logik() { return ablage_; }

signals:
    // Cut, copy or paste acted on area `b`; its buffer is on the page already.
    // The window refills the area's list, selects the current record and
    // refreshes its counters.
    void bereichGeaendert(zev::Bereich b);

private:
    void Nach(std::optional<Bereich> b);

    Zwischenablage ablage_;
};

} // namespace zev::qt
