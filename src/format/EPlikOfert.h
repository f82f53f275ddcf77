#pragma once
#include "platform/EMessageError.h"

// A failure of reading or writing an offer file. The reader's messages are
// the stream's own: "Invalid stream format", "Invalid property value",
// "Stream read error"; reading a file puts a sentence naming the file before
// them. A file that cannot be opened or written says which path and why.
class EPlikOfert : public EMessageError {
public:
    using EMessageError::EMessageError;
};
