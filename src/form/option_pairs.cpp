#include "form/option_pairs.h"

namespace brakefell {
namespace {

struct OptionPair {
    std::u16string_view first;
    std::u16string_view second;
};

constexpr OptionPair kOptionPairs[] = {
    {u"optGemPoison(0)", u"optGemPoison(1)"},
    {u"optVoodooDance", u"optVoodooETC"},
};

}  // namespace

std::u16string_view PartnerOption(std::u16string_view option) {
    for (const OptionPair& pair : kOptionPairs) {
        if (option == pair.first) {
            return pair.second;
        }
        if (option == pair.second) {
            return pair.first;
        }
    }
    return {};
}

bool IsSecondOption(std::u16string_view option) {
    for (const OptionPair& pair : kOptionPairs) {
        if (option == pair.second) {
            return true;
        }
    }
    return false;
}

}  // namespace brakefell
