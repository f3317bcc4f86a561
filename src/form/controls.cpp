#include "form/controls.h"

namespace brakefell {

QString IndexedName(const char* arrayName, int index) {
    return QString::fromLatin1(arrayName) + u'(' + QString::number(index) + u')';
}

}  // namespace brakefell
