#pragma once
// The exported functions of the deposits module, libVQ.Lokaty.so. Nothing
// else of the library is visible: the host loads it with dlopen and looks up
// these four names. No exception leaves them.

class TProjektDB;

#define VQ_LOKATY_EKSPORT extern "C" __attribute__((visibility("default")))

// Keeps the host's application window and its database project for the next
// ShowFormVQ; checks nothing and does nothing else. The window handle is the
// host's QWidget* passed as a plain pointer (both sides share the one Qt of
// the process); it becomes the owner of the module's windows. The project is
// borrowed, never freed.
VQ_LOKATY_EKSPORT void SetApplicationVariables(void* hostAppHandle, TProjektDB* hostProjektDB);

// Shows the deposits window modally on the borrowed project and writes the
// deposits and offers when the user closes it with "Zapisz i zamknij". Afterwards
// the project is forgotten: the host calls SetApplicationVariables again before
// the next showing.
VQ_LOKATY_EKSPORT void ShowFormVQ();

// Keeps an offer file (a UTF-8 path; null or "" for none) for the next
// ShowFormVQ only: once the deposits window shows, its offer-file import reads
// this file, as if the user had chosen it after "Importuj z pliku". This is how
// "talvora PLIK.vq_lb" reaches the module without the host knowing its
// windows; the path is forgotten by every ShowFormVQ, whatever its outcome.
VQ_LOKATY_EKSPORT void SetOfferFileVQ(const char* sciezkaUtf8);

// Why the last ShowFormVQ did not run its course (the text the user was shown,
// UTF-8 with "\r" line breaks), or "" when it did. Valid until the next call
// of ShowFormVQ.
VQ_LOKATY_EKSPORT const char* LastErrorVQ();
