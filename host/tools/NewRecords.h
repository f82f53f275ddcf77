#pragma once
#include "data/TTabele.h"

#include <initializer_list>

class TProjektDB;

// Writes lists the host has just filled with new records, one after the
// other, then reads each back, so that it holds the stored rows with the ids
// the database gave them and no change marks. Raises EDataError naming the
// table when a save leaves a record out or its batch does not commit.
void SaveNewRecords(TProjektDB& project, std::initializer_list<TTabele> tables);
