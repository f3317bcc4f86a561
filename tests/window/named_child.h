#pragma once
// A widget of a window found as a person's script finds it: by its object name, never through an
// accessor kept for the tests. A name that is missing, given twice or given to a widget of another
// kind fails the test.

#include <QList>
#include <QObject>
#include <QString>
#include <stdexcept>
#include <string>

namespace brakefell::testing {

template <typename W>
W& Child(const QObject& parent, const char* name) {
    const QList<QObject*> found = parent.findChildren<QObject*>(QString::fromUtf8(name));
    if (found.size() != 1) {
        throw std::runtime_error(std::to_string(found.size()) + " children named " + name);
    }
    auto* child = dynamic_cast<W*>(found.front());
    if (child == nullptr) {
        throw std::runtime_error(std::string("not of the kind expected: ") + name);
    }
    return *child;
}

}  // namespace brakefell::testing
