#include "data/TekstBledu.h"

#include "platform/EMessageError.h"

QString TekstBledu(const std::exception& blad) {
    if (const auto* zKomunikatem = dynamic_cast<const EMessageError*>(&blad))
        return zKomunikatem->Message();
    return QString::fromUtf8(blad.what());
}
