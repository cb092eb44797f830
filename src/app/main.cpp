// zev-manager: the program window. `--home DIR` names the program folder (the
// folder of the settings file and the catalogues); by default the folder of the
// executable.
#include "io/file_io.h"
#include "model/paths.h"
#include "ui/qt/main_window.h"
#include "ui/qt/translations.h"

#include <QApplication>
#include <QLocale>

#include <iostream>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZEV-Manager");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    zev::qt::QtUebersetzungLaden(app);
    std::string home = zev::io::ProgrammOrdner();
    const QStringList args = QApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--home" && i + 1 < args.size()) {
            home = args[++i].toStdString();
        } else if (args[i].startsWith("--home=")) {
            home = args[i].mid(7).toStdString();
        } else if (args[i] == "--help" || args[i] == "-h") {
            std::cout << "Aufruf: zev-manager [--home ORDNER]\n";
            return 0;
        } else {
            std::cerr << "zev-manager: unbekanntes Argument: " << args[i].toStdString() << "\n";
            return 2;
        }
    }
    zev::qt::HauptFenster fenster(zev::MitTrenner(home));
    fenster.show();
    return QApplication::exec();
}
