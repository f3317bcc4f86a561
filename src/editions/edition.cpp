#include "editions/edition.h"

namespace brakefell {

QStringView EditionName(Edition edition) {
    return edition == Edition::Lite ? QStringView(u"lite") : QStringView(u"full");
}

std::optional<Edition> EditionNamed(QStringView name) {
    for (const Edition edition : {Edition::Full, Edition::Lite}) {
        if (name == EditionName(edition)) {
            return edition;
        }
    }
    return std::nullopt;
}

}  // namespace brakefell
