#pragma once
#include <QString>
#include <cstdint>

// A named parameter waiting to be bound to the next prepared statement.
// `name` is written as in the SQL text (":kwota").
struct TSQliteParam {
    enum Typ : int { Integer = 1, Float = 2, Text = 3, Null = 5 };

    QString name;
    int valuetype = Null;
    int64_t valueinteger = 0;
    double valuefloat = 0;
    QString valuedata;
};
