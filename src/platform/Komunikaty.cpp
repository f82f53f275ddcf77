#include "platform/Komunikaty.h"

#include "platform/Platform.h"

void PokazBlad(const QString& text) {
    Platform::messageBoxes().show({kTytulBledu, text, TMessageIcon::Error, TMessageButtons::Ok});
}

bool ZapytajTakNie(const QString& text) {
    const TMessage question{kTytulPytania, text, TMessageIcon::Warning, TMessageButtons::YesNo};
    return Platform::messageBoxes().show(question) == TMessageResult::Yes;
}

void PokazInformacje(const QString& caption, const QString& text) {
    Platform::messageBoxes().show(
        {caption, text, TMessageIcon::Information, TMessageButtons::Ok});
}
