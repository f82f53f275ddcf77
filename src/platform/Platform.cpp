#include "platform/Platform.h"

#include "platform/SystemClock.h"
#include "platform/SystemOnlineTest.h"
#include "platform/ThreadBackgroundWork.h"

#include <cstdio>

namespace {

class ConsoleMessageBoxes : public IMessageBoxes {
public:
    TMessageResult show(const TMessage& message) override {
        QString text = message.text;
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        std::fprintf(stderr, "%s\n%s\n", qPrintable(message.caption), qPrintable(text));
        return message.buttons == TMessageButtons::YesNo ? TMessageResult::No : TMessageResult::Ok;
    }
};

class NoWebBrowser : public IWebBrowser {
public:
    bool openUrl(const QString&) override { return false; }
};

class NoFileChooser : public IFileChooser {
public:
    QString chooseFileToOpen(const QString&, const QString&) override { return {}; }
    QString chooseFileToSave(const QString&, const QString&, const QString&) override { return {}; }
};

class NoPrinter : public IPrinter {
public:
    bool print(const QString&, const std::function<void(QPagedPaintDevice&)>&) override {
        return false;
    }
};

class NoModalRunner : public IModalRunner {
public:
    int runModal(QWidget*) override { return 0; }
};

template <typename T> struct Slot {
    T* fallback;
    T* current = nullptr;
    T& get() { return current ? *current : *fallback; }
    T* set(T* service) {
        T* previous = current ? current : fallback;
        current = service;
        return previous;
    }
};

SystemClock gSystemClock;
ConsoleMessageBoxes gConsoleMessageBoxes;
NoWebBrowser gNoWebBrowser;
NoFileChooser gNoFileChooser;
NoPrinter gNoPrinter;
NoModalRunner gNoModalRunner;
SystemOnlineTest gSystemOnlineTest;
ThreadBackgroundWork gThreadBackgroundWork;

Slot<Clock> gClock{&gSystemClock};
Slot<IMessageBoxes> gMessageBoxes{&gConsoleMessageBoxes};
Slot<IWebBrowser> gWebBrowser{&gNoWebBrowser};
Slot<IFileChooser> gFileChooser{&gNoFileChooser};
Slot<IPrinter> gPrinter{&gNoPrinter};
Slot<IModalRunner> gModalRunner{&gNoModalRunner};
Slot<IOnlineTest> gOnlineTest{&gSystemOnlineTest};
Slot<IBackgroundWork> gBackgroundWork{&gThreadBackgroundWork};

} // namespace

Clock& Platform::clock() {
    return gClock.get();
}
IMessageBoxes& Platform::messageBoxes() {
    return gMessageBoxes.get();
}
IWebBrowser& Platform::webBrowser() {
    return gWebBrowser.get();
}
IFileChooser& Platform::fileChooser() {
    return gFileChooser.get();
}
IPrinter& Platform::printer() {
    return gPrinter.get();
}
IModalRunner& Platform::modalRunner() {
    return gModalRunner.get();
}
IOnlineTest& Platform::onlineTest() {
    return gOnlineTest.get();
}
IBackgroundWork& Platform::backgroundWork() {
    return gBackgroundWork.get();
}

Clock* Platform::setClock(Clock* service) {
    return gClock.set(service);
}
IMessageBoxes* Platform::setMessageBoxes(IMessageBoxes* s) {
    return gMessageBoxes.set(s);
}
IWebBrowser* Platform::setWebBrowser(IWebBrowser* s) {
    return gWebBrowser.set(s);
}
IFileChooser* Platform::setFileChooser(IFileChooser* s) {
    return gFileChooser.set(s);
}
IPrinter* Platform::setPrinter(IPrinter* s) {
    return gPrinter.set(s);
}
IModalRunner* Platform::setModalRunner(IModalRunner* s) {
    return gModalRunner.set(s);
}
IOnlineTest* Platform::setOnlineTest(IOnlineTest* s) {
    return gOnlineTest.set(s);
}
IBackgroundWork* Platform::setBackgroundWork(IBackgroundWork* s) {
    return gBackgroundWork.set(s);
}
