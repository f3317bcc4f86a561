#pragma once
// The window's two pairs of option buttons ("버프만"/"착용" of the poison gem, "광란의
// 춤사위"/"기타" of the voodoo buff): selecting one clears its partner.

#include <QStringView>

namespace brakefell {

// The other option of the pair; empty for a name that is not one of the four options.
QStringView PartnerOption(QStringView option);

}  // namespace brakefell
