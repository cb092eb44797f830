#include "ui/qt/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zev::qt {

bool QtUebersetzungLaden(QCoreApplication& app) {
    auto* uebersetzung = new QTranslator(&app);
    if (!uebersetzung->load(QLocale(QLocale::German, QLocale::Germany), "qtbase", "_",
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzung;
        return false;
    }
    return QCoreApplication::installTranslator(uebersetzung);
}

} // namespace zev::qt
