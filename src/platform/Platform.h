#pragma once
#include "platform/Clock.h"
#include "platform/IBackgroundWork.h"
#include "platform/IFileChooser.h"
#include "platform/IMessageBoxes.h"
#include "platform/IModalRunner.h"
#include "platform/IOnlineTest.h"
#include "platform/IPrinter.h"
#include "platform/IWebBrowser.h"

// The desktop services the system uses, reached through one place. Each
// starts with an implementation that needs no window (system clock, messages
// on stderr, no browser, no file choosers, no printer, the system's online
// test, work on threads); the window layer installs the Qt ones and tests install scripted
// ones. Nothing here owns what it is given.
//
// Install services before any background worker starts and never swap one
// while a worker's body runs: the slots are plain pointers, read without locks.
class Platform {
public:
    static Clock& clock();
    static IMessageBoxes& messageBoxes();
    static IWebBrowser& webBrowser();
    static IFileChooser& fileChooser();
    static IPrinter& printer();
    static IModalRunner& modalRunner();
    static IOnlineTest& onlineTest();
    static IBackgroundWork& backgroundWork();

    // Each setter returns the service it replaces; null restores the default.
    static Clock* setClock(Clock* service);
    static IMessageBoxes* setMessageBoxes(IMessageBoxes* service);
    static IWebBrowser* setWebBrowser(IWebBrowser* service);
    static IFileChooser* setFileChooser(IFileChooser* service);
    static IPrinter* setPrinter(IPrinter* service);
    static IModalRunner* setModalRunner(IModalRunner* service);
    static IOnlineTest* setOnlineTest(IOnlineTest* service);
    static IBackgroundWork* setBackgroundWork(IBackgroundWork* service);
};
