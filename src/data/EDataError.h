#pragma once
#include "platform/EMessageError.h"

// A plain error of the household data layer, carrying a Polish message for
// the user.
class EDataError : public EMessageError {
public:
    using EMessageError::EMessageError;
};
