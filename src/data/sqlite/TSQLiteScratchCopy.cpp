#include "data/sqlite/TSQLiteScratchCopy.h"

namespace {

thread_local int gActive = 0;

} // namespace

TSQLiteScratchCopy::TSQLiteScratchCopy() {
    ++gActive;
}

TSQLiteScratchCopy::~TSQLiteScratchCopy() {
    --gActive;
}

bool TSQLiteScratchCopy::Active() {
    return gActive > 0;
}
