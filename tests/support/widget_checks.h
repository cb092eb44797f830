// For widget tests: the example catalogues copied, answering a modal dialog from a timer, and the walk that
// finds input controls without a name for assistive technology.
#pragma once

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace zev::test {

// Copies the example catalogues (*.csv of `von`) into the folder `nach`.
inline void KatalogeKopieren(const QString& von, const QString& nach) {
    const QDir kataloge(von);
    for (const QString& f : kataloge.entryList({"*.csv"}, QDir::Files))
        QFile::copy(kataloge.filePath(f), nach + "/" + f);
}

// Runs `f` on the next modal dialog of type D once it is open.
template <class D> void Beantworten(QWidget* eltern, std::function<void(D&)> f) {
    QTimer::singleShot(0, eltern, [f] {
        auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!d) qFatal("kein modaler Dialog");
        f(*d);
    });
}

// The names (as assistive technology reads them) of the first `n` controls Tab
// visits from `start` on, `start` included.
inline QStringList TabFolge(QWidget* start, int n) {
    QStringList namen;
    QWidget* w = start;
    while (namen.size() < n) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        namen << (a ? a->text(QAccessible::Name) : w->objectName());
        do w = w->nextInFocusChain();
        while (w != start && (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() ||
                              !w->isVisibleTo(start->window()) || qobject_cast<QComboBox*>(w->parentWidget())));
        if (w == start) break;
    }
    return namen;
}

// Input controls whose accessible name is empty, below `a`, as "class objectName".
inline void Unbenannte(QAccessibleInterface* a, QStringList& fehlend) {
    if (!a) return;
    const QAccessible::Role r = a->role();
    const bool eingabe = r == QAccessible::EditableText || r == QAccessible::ComboBox || r == QAccessible::Table ||
                         r == QAccessible::PushButton || r == QAccessible::CheckBox || r == QAccessible::RadioButton ||
                         r == QAccessible::SpinBox || r == QAccessible::List;
    QObject* o = a->object();
    const bool sichtbar = !o || !o->isWidgetType() || static_cast<QWidget*>(o)->isVisibleTo(nullptr) ||
                          !static_cast<QWidget*>(o)->isHidden();
    if (eingabe && sichtbar && a->text(QAccessible::Name).trimmed().isEmpty())
        fehlend << QString("%1 %2").arg(o ? o->metaObject()->className() : "?", o ? o->objectName() : "");
    if (r == QAccessible::Table || r == QAccessible::ComboBox) return; // cells and items are not controls
    for (int i = 0; i < a->childCount(); ++i) Unbenannte(a->child(i), fehlend);
}

inline QStringList Unbenannte(QWidget* w) {
    QStringList fehlend;
    Unbenannte(QAccessible::queryAccessibleInterface(w), fehlend);
    return fehlend;
}

} // namespace zev::test
