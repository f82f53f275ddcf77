#pragma once
// Prepares a test process: a private settings, data and temporary location, and the
// format base pinned to Polish (Poland) so results do not depend on the machine.
void PrepareTestEnvironment();
