#pragma once
// Prepares a test process: a private settings and data location, and the
// format base pinned to Polish (Poland) so results do not depend on the machine.
void PrepareTestEnvironment();
