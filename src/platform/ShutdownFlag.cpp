#include "platform/ShutdownFlag.h"

#include <atomic>

namespace {
std::atomic<bool> gShuttingDown{false};
}

bool ShutdownFlag::isSet() {
    return gShuttingDown.load(std::memory_order_relaxed);
}

void ShutdownFlag::set(bool value) {
    gShuttingDown.store(value, std::memory_order_relaxed);
}
