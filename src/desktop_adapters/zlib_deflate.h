#pragma once
// Share codes' compression on the desktop: zlib itself.

#include "platform/deflate.h"

namespace brakefell {

class ZlibDeflate final : public Deflate {
  public:
    std::string compress(std::string_view bytes) const override;
    std::optional<std::string> expand(std::string_view packed, std::size_t limit) const override;
};

}  // namespace brakefell
