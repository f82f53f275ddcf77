#pragma once
#include "data/EBladZKomunikatem.h"

// A plain error of the household data layer, carrying a Polish message for
// the user.
class EDataError : public EBladZKomunikatem {
public:
    using EBladZKomunikatem::EBladZKomunikatem;
};
