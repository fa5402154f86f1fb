#pragma once

#include <QApplication>

namespace lomvira {

// The busy mouse pointer for as long as a command runs.
class KurzorPrace {
public:
    KurzorPrace() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~KurzorPrace() { QApplication::restoreOverrideCursor(); }
    KurzorPrace(const KurzorPrace&) = delete;
    KurzorPrace& operator=(const KurzorPrace&) = delete;
};

} // namespace lomvira
