#pragma once
#include "data/EDataError.h"

// The start-up found the data file or its folder not writable. The project
// is then in read-only mode and cannot be used; the host shows the message.
class EBazaTylkoDoOdczytu : public EDataError {
public:
    using EDataError::EDataError;
};
