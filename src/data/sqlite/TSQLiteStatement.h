#pragma once

struct sqlite3_stmt;

// Owns one prepared statement and finalizes it when it goes, whether the
// work on it ended normally or by an error.
class TSQLiteStatement {
public:
    TSQLiteStatement() = default;
    explicit TSQLiteStatement(sqlite3_stmt* statement) : fStatement(statement) {}
    ~TSQLiteStatement();
    TSQLiteStatement(TSQLiteStatement&& other) noexcept;
    TSQLiteStatement& operator=(TSQLiteStatement&& other) noexcept;
    TSQLiteStatement(const TSQLiteStatement&) = delete;
    TSQLiteStatement& operator=(const TSQLiteStatement&) = delete;

    sqlite3_stmt* get() const { return fStatement; }
    explicit operator bool() const { return fStatement != nullptr; }
    // Finalizes the statement now; the object holds none afterwards.
    void reset();

private:
    sqlite3_stmt* fStatement = nullptr;
};
