#pragma once
#include <QString>

class TProjektDB;

// The module's process-wide values: the two set only by
// SetApplicationVariables, and the offer file set only by SetOfferFileVQ.

// The host's application window (its QWidget*), owner of the module's windows;
// kept until the next SetApplicationVariables.
extern void* HostAppHandle;

// The host's database project, borrowed for one ShowFormVQ: null before the
// first SetApplicationVariables and again after every ShowFormVQ.
extern TProjektDB* HostProjektDB;

// An offer file to read into the import window once the next ShowFormVQ shows
// the deposits window; empty for none, and again after every ShowFormVQ.
extern QString PlikOfertDoOdczytu;
