#pragma once
// Prepares a test process: a private settings, data and temporary location, the
// format base pinned to Polish (Poland) so results do not depend on the machine, and
// the National Bank of Poland's API moved to a closed loopback port.
void PrepareTestEnvironment();
