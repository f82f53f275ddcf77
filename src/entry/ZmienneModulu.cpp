#include "entry/ZmienneModulu.h"

void* HostAppHandle = nullptr;
TProjektDB* HostProjektDB = nullptr;
QString PlikOfertDoOdczytu;
