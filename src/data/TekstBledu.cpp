#include "data/TekstBledu.h"

#include "data/EBladZKomunikatem.h"

QString TekstBledu(const std::exception& blad) {
    if (const auto* zKomunikatem = dynamic_cast<const EBladZKomunikatem*>(&blad))
        return zKomunikatem->Message();
    return QString::fromUtf8(blad.what());
}
