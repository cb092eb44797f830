// Messages about files the system could not read or write; each names the file.
#pragma once

#include <string>

namespace zev {

std::string MeldungBeschaedigt(const std::string& pfad);
std::string MeldungLesefehler(const std::string& pfad, const std::string& systemFehler);
std::string MeldungSchreibfehler(const std::string& pfad, const std::string& systemFehler);

} // namespace zev
