#pragma once
#include <QString>
#include <QStringList>

// "talvora [--db FILE] [--demo] [FILE]": the deposits module in its window, on
// the user's data file or on a file with sample data; "--help" and "--version"
// only print. A data file given as FILE is opened as with --db; an offer file
// given as FILE is read into the import window as soon as the window shows.
struct WindowOptions {
    QString dataFile;
    bool demo = false;
    bool help = false;
    bool version = false;
    QString offerFile = {};
};

// Reads the window path's arguments and tells what a FILE among them is (by
// its first bytes); false with `error` set when they are wrong, a FILE is
// neither a data file nor an offer file, or a data file is given twice.
bool ParseWindowOptions(const QStringList& arguments, WindowOptions& options, QString& error);
