#include "form/option_pairs.h"

namespace brakefell {

QStringView PartnerOption(QStringView option) {
    if (option == u"optGemPoison(0)") {
        return u"optGemPoison(1)";
    }
    if (option == u"optGemPoison(1)") {
        return u"optGemPoison(0)";
    }
    if (option == u"optVoodooDance") {
        return u"optVoodooETC";
    }
    if (option == u"optVoodooETC") {
        return u"optVoodooDance";
    }
    return {};
}

}  // namespace brakefell
