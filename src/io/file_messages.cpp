#include "io/file_messages.h"

namespace zev {

std::string MeldungBeschaedigt(const std::string& pfad) {
    return "Die Datei:\r" + pfad + "\rist beschädigt oder unvollständig und wird nicht gelesen!";
}

std::string MeldungLesefehler(const std::string& pfad, const std::string& systemFehler) {
    return "Die Datei:\r" + pfad + "\rkann nicht gelesen werden!\r\r" + systemFehler;
}

std::string MeldungSchreibfehler(const std::string& pfad, const std::string& systemFehler) {
    return "Die Datei:\r" + pfad + "\rkann nicht geschrieben werden!\r\r" + systemFehler +
           "\r\rDie bisherige Datei bleibt unverändert.";
}

} // namespace zev
