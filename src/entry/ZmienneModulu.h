#pragma once

class TProjektDB;

// The module's two process-wide values, set only by SetApplicationVariables.

// The host's application window (its QWidget*), owner of the module's windows;
// kept until the next SetApplicationVariables.
extern void* HostAppHandle;

// The host's database project, borrowed for one ShowFormVQ: null before the
// first SetApplicationVariables and again after every ShowFormVQ.
extern TProjektDB* HostProjektDB;
