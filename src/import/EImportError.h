#pragma once
#include "platform/EMessageError.h"

// An error of the offer import (download, page structure, page contents),
// carrying the message the user reads.
class EImportError : public EMessageError {
public:
    using EMessageError::EMessageError;
};
