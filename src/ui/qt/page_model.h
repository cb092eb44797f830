// A page widget together with the screen model its controls are bound to.
//
// The model sits in a base class ahead of QWidget. C++ builds bases in the order
// they are listed and destroys them in reverse, so the model exists before the
// first control binds to it and goes only after QWidget has deleted every child
// control: a grid or an in-place editor that reads or commits while it is taken
// down still finds its model, and no destructor deletes controls by hand. The
// model is not part of the QObject tree; the widget owns it as a plain object.
#pragma once

#include <QWidget>

#include <memory>

namespace zev::qt {

template <class Logik> class ModellHalter {
protected:
    // Made by the page's constructor, which passes itself as the model's dialogs.
    std::unique_ptr<Logik> logik_;
};

template <class Logik> class SeitenBasis : protected ModellHalter<Logik>, public QWidget {
public:
    explicit SeitenBasis(QWidget* eltern) : QWidget(eltern) {}
};

} // namespace zev::qt
