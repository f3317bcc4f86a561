#include "form/controls.h"

#include "text/strings.h"

namespace brakefell {

std::u16string IndexedName(const char* arrayName, int index) {
    return Utf16OfLatin1(arrayName) + u'(' + IntegerText(index) + u')';
}

}  // namespace brakefell
