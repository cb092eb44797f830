// zev-manager: the program window. `--home DIR` names the program folder (the
// folder of the settings file and the catalogues); by default the folder of the
// executable when the catalogues lie there, otherwise the user's own folder
// below ~/.local/share.
#include "io/file_io.h"
#include "io/program_folder.h"
#include "model/build_config.h"
#include "model/paths.h"
#include "ui/qt/main_window.h"
#include "ui/qt/message_box.h"
#include "ui/qt/translations.h"

#include <QApplication>
#include <QLocale>

#include <iostream>
#include <optional>
#include <string_view>

namespace {

constexpr std::string_view kHilfe =
    "Aufruf: zev-manager [--home ORDNER]\n"
    "\n"
    "Das Fensterprogramm des ZEV-Managers.\n"
    "\n"
    "Optionen:\n"
    "  --home ORDNER  Programm-Ordner (Einstellungen, Kataloge); Vorgabe: der Ordner des\n"
    "                 Programms, wenn dort Kataloge liegen, sonst ~/.local/share/zev-manager\n"
    "  --help         diese Hilfe\n"
    "  --version      die Version des Programms ausgeben\n";

} // namespace

int main(int argc, char** argv) {
    // Answered before Qt starts: QApplication ends the program when there is no display.
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--home") {
            ++i;
        } else if (a == "--help" || a == "-h") {
            std::cout << kHilfe;
            return 0;
        } else if (a == "--version") {
            std::cout << "zev-manager " << zev::kVersion << '\n';
            return 0;
        }
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName("ZEV-Manager");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    zev::qt::QtUebersetzungLaden(app);
    std::optional<std::string> home;
    const QStringList args = QApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--home" && i + 1 < args.size()) {
            home = args[++i].toStdString();
        } else if (args[i].startsWith("--home=")) {
            home = args[i].mid(7).toStdString();
        } else {
            std::cerr << "zev-manager: unbekanntes Argument: " << args[i].toStdString() << "\n";
            return 2;
        }
    }
    if (!home) {
        // A folder that cannot be made or filled is reported; the window still opens
        // on the best folder there is and says what it misses.
        const auto standard = zev::io::StandardProgrammOrdner(zev::io::ProgrammOrdner(), zev::io::UmgebungLesen());
        if (!standard.fehler.empty()) zev::qt::QtMeldungen().Fehler(standard.fehler);
        home = standard.ordner;
    }
    // Made before the window and gone after it: the window and its pages report through it to the end.
    zev::qt::QtMeldungen meldungen;
    zev::qt::HauptFenster fenster(zev::io::AbsoluterOrdner(*home), meldungen);
    meldungen.Eltern(&fenster);
    fenster.show();
    return QApplication::exec();
}
