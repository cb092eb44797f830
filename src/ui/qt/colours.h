// The program's named colours as Qt colours.
#pragma once

#include "model/colours.h"

#include <QColor>

namespace zev::qt {

inline QColor QFarbe(Farbe f) {
    const Rgb c = RgbVon(f);
    return QColor(c.r, c.g, c.b);
}

} // namespace zev::qt
