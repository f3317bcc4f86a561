#pragma once
// What a calculator needs from the machine it runs on, handed to the session as one bundle.

#include "platform/clock.h"
#include "platform/deflate.h"
#include "platform/storage.h"

namespace brakefell {

struct Platform {
    Storage& storage;
    const Deflate& deflate;
    const Clock& clock;
};

}  // namespace brakefell
