// Records as JSON objects: keys are the field names nested by their path, texts
// UTF-8 (only the characters within the length byte), arrays from element 1,
// reserved bytes left out.
#pragma once

#include "model/records.h"
#include "model/settings.h"

#include <nlohmann/json.hpp>

namespace zev {

using Json = nlohmann::ordered_json;

Json AlsJson(const TSchuleDS& r);
Json AlsJson(const TLehrerDS& r);
Json AlsJson(const TKlasseDS& r);
Json AlsJson(const TSchuelerDS& r);
Json AlsJson(const TEinstellungen& e);

} // namespace zev
