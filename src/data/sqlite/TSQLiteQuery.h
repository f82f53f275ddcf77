#pragma once
#include "data/sqlite/TSQLiteStatement.h"

#include <QString>

// A statement prepared once to be run several times (PrepareSQL, BindSQL,
// ExecSQL, ReleaseSQL). The statement is finalized at the latest when the
// record goes.
struct TSQLiteQuery {
    QString SQL;
    TSQLiteStatement Statement;
};
