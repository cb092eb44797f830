// Qt's own German texts for its standard dialogs and buttons ("Ja", "Nein",
// "Abbrechen", the file chooser, the context menu of text boxes).
#pragma once

class QCoreApplication;

namespace zev::qt {

// Installs qtbase_de from Qt's translation folder; false when it is missing.
bool QtUebersetzungLaden(QCoreApplication& app);

} // namespace zev::qt
