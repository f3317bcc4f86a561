#include "editions/edition.h"

namespace brakefell {

std::u16string_view EditionName(Edition edition) {
    return edition == Edition::Lite ? u"lite" : u"full";
}

std::optional<Edition> EditionNamed(std::u16string_view name) {
    for (const Edition edition : {Edition::Full, Edition::Lite}) {
        if (name == EditionName(edition)) {
            return edition;
        }
    }
    return std::nullopt;
}

}  // namespace brakefell
