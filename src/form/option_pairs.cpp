#include "form/option_pairs.h"

namespace brakefell {

std::u16string_view PartnerOption(std::u16string_view option) {
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
