#include "data/sqlite/TSQLiteStatement.h"

#include <sqlite3.h>
#include <utility>

TSQLiteStatement::~TSQLiteStatement() {
    reset();
}

TSQLiteStatement::TSQLiteStatement(TSQLiteStatement&& other) noexcept
    : fStatement(std::exchange(other.fStatement, nullptr)) {}

TSQLiteStatement& TSQLiteStatement::operator=(TSQLiteStatement&& other) noexcept {
    if (this != &other) {
        reset();
        fStatement = std::exchange(other.fStatement, nullptr);
    }
    return *this;
}

void TSQLiteStatement::reset() {
    if (fStatement)
        sqlite3_finalize(fStatement);
    fStatement = nullptr;
}
