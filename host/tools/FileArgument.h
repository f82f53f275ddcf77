#pragma once
#include <QString>

// The file given to the window as "talvora FILE" (as a file manager or the
// desktop entry's "%f" passes it), told apart by its first bytes: an SQLite
// database is a data file, opened as with --db; a file that begins with the
// offer file's signature "TPF0" is an offer file, read into the import
// window. The name only helps to say what is wrong with a file that is
// neither. A path that is no regular file is never opened, so a FIFO cannot
// block the start.
class FileArgument {
public:
    enum class Kind { None, DataFile, OfferFile };

    // Reads the first bytes of `path`; Kind::None with `error` set (one
    // Polish sentence naming the file) when it is neither.
    static Kind Recognize(const QString& path, QString& error);
};
