#pragma once
#include <QWidget>
#include <functional>
#include <memory>

// Calls `check` with each of the module's windows in turn, newly made and not
// shown, for tests that hold every window to one rule.
void ForEveryWindow(const std::function<void(QWidget&)>& check);
