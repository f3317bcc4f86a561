#pragma once
// The two deliverables built from one source. Each program fixes its edition at build time.

namespace brakefell {

enum class Edition { Full, Lite };

}  // namespace brakefell
