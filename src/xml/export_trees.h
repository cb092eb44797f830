// The four exchange files: their element trees and writing them to the export folder.
#pragma once

#include "model/database.h"
#include "model/messages.h"
#include "model/settings.h"

#include <string>
#include <vector>

namespace zev {

// The complete file images, as Windows-1252 bytes. `dateiname` goes into the
// comment line. Only the settings' `XMLLayout` and `FreierTraeger` are used.
std::string SchulXml(const TSchuleDS& s, const TEinstellungen& e, std::string_view dateiname);
std::string LehrerXml(const std::vector<TLehrerDS>& l, const TEinstellungen& e, std::string_view dateiname);
std::string KlassenXml(const std::vector<TKlasseDS>& k, const TEinstellungen& e, std::string_view dateiname);
std::string SchuelerXml(const std::vector<TSchuelerDS>& s, const TEinstellungen& e, std::string_view dateiname);

// The path of an area's file (area 1..4 as in the import entries) in the export folder.
std::string XmlExportPfad(const TEinstellungen& e, int bereich, const std::string& exportOrdner);

// Each writes its file into the export folder, replacing the old one only when the
// new one is complete; a failure is reported and leaves the old file. True when written.
bool WriteSchoolXml(const TSchuleDS& s, const TEinstellungen& e, const std::string& exportOrdner, Meldungen& m);
bool WriteTeacherXml(const BereichsDaten<TLehrerDS>& b, const TEinstellungen& e, const std::string& exportOrdner,
                     Meldungen& m);
bool WriteClassXml(const BereichsDaten<TKlasseDS>& b, const TEinstellungen& e, const std::string& exportOrdner,
                   Meldungen& m);
bool WriteStudentXml(const BereichsDaten<TSchuelerDS>& b, const TEinstellungen& e, const std::string& exportOrdner,
                     Meldungen& m);

} // namespace zev
