#pragma once
#include <QWidget>
#include <functional>
#include <memory>

// Calls `check` with each of the module's windows in turn, newly made and not
// shown, for tests that hold every window to one rule. `check` returns how
// many controls it held to the rule; a window where it found none fails the
// test, so a sweep that looks at nothing cannot pass.
void ForEveryWindow(const std::function<int(QWidget&)>& check);
