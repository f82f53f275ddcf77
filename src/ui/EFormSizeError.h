#pragma once
#include "platform/EMessageError.h"

// Raised when a TFormSize cannot be placed on the widget it was given.
class EFormSizeError : public EMessageError {
public:
    using EMessageError::EMessageError;
};
