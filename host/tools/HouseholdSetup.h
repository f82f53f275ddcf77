#pragma once
#include <QString>

class TProjektDB;

// Gives a data file that has just been created the household records the
// deposits module needs: one person, the default expense, income and savings
// categories, and one savings balance (0 zł) in a category that may pay, to
// which the profit of an ended deposit can be added. Everything is written
// with the project's savers; raises EDataError when a save fails.
void AddHouseholdRecords(TProjektDB& project);

// A path that holds no data file yet: missing, or an empty file.
bool IsNewDataFile(const QString& path);
// Raises EDataError when the path exists but is not a regular file (a
// folder, a FIFO, a device), before anything opens it.
void RequireRegularFile(const QString& path);
