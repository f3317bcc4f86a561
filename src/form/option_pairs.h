#pragma once
// The window's two pairs of option buttons ("버프만"/"착용" of the poison gem, "광란의
// 춤사위"/"기타" of the voodoo buff): selecting one clears its partner.

#include <string_view>

namespace brakefell {

// The other option of the pair; empty for a name that is not one of the four options.
std::u16string_view PartnerOption(std::u16string_view option);

// The second option of a pair ("optGemPoison(1)", "optVoodooETC"): its state is told by the first
// option's, so lists of inputs (the comparison's, the history's) leave it out.
bool IsSecondOption(std::u16string_view option);

}  // namespace brakefell
