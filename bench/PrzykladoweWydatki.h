#pragma once
// Expenses with random dates, amounts and comments, as the benchmarks that
// load or copy a large data file need them.
#include <cstdio>
#include <random>
#include <sqlite3.h>

inline void WypelnijWydatkami(sqlite3* baza, int ilosc) {
    sqlite3_exec(baza, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* wstaw = nullptr;
    sqlite3_prepare_v2(baza,
                       "INSERT INTO Wydatki (IdKategoriaWydatki, Ile, IdKategoriaOszczednosci, "
                       "Data, IdOsoba, Komentarz, ZlecenieStale, Zalacznik) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?)",
                       -1, &wstaw, nullptr);
    std::mt19937 generator(20130514);
    const auto los = [&generator] { return static_cast<unsigned>(generator()); };
    for (int i = 0; i < ilosc; ++i) {
        char data[32];
        std::snprintf(data, sizeof data, "20%02u-%02u-%02u %02u:%02u", 10 + los() % 10,
                      1 + los() % 12, 1 + los() % 28, los() % 24, los() % 60);
        sqlite3_bind_int(wstaw, 1, 1 + los() % 20);
        sqlite3_bind_double(wstaw, 2, (los() % 100000) / 100.0);
        sqlite3_bind_int(wstaw, 3, 1 + los() % 4);
        sqlite3_bind_text(wstaw, 4, data, -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(wstaw, 5, 1 + los() % 3);
        if (los() % 2)
            sqlite3_bind_text(wstaw, 6, "zakupy w sklepie „Żabka” na rogu", -1, SQLITE_STATIC);
        else
            sqlite3_bind_null(wstaw, 6);
        sqlite3_bind_int(wstaw, 7, los() % 2);
        sqlite3_bind_null(wstaw, 8);
        sqlite3_step(wstaw);
        sqlite3_reset(wstaw);
    }
    sqlite3_finalize(wstaw);
    sqlite3_exec(baza, "COMMIT", nullptr, nullptr, nullptr);
}
