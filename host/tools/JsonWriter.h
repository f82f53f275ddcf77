#pragma once
#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

// Writes one JSON text on a single line. Commas between members and elements
// are placed by the writer; numbers are written in the shortest form that
// reads back to the same double, money rounded to the grosz, and a value that
// is not finite becomes null.
class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();

    // The name of the next member of the current object.
    JsonWriter& key(QStringView name);

    JsonWriter& number(double value);
    // An amount of money (amounts, limits, balances, sums): see Money.
    JsonWriter& money(double value);
    JsonWriter& integer(int64_t value);
    JsonWriter& string(QStringView value);
    JsonWriter& boolean(bool value);
    JsonWriter& null();

    const QString& text() const { return fText; }

    // A double as JSON: the shortest digits that read back to it, without an
    // exponent from 1e-6 up to 1e21 (as JavaScript prints numbers: 300000,
    // not 3e+05), "null" when not finite.
    static QString Number(double value);
    // Money as JSON: rounded to the grosz as the window rounds it (half away
    // from zero), with at most two decimals and never an exponent ("300000",
    // "2500.5", "0.3" for a sum of 0.1 and 0.2); "null" when not finite.
    static QString Money(double value);
    // A quoted JSON string with ", \ and control characters escaped.
    static QString Quote(QStringView value);

private:
    void beforeValue();
    JsonWriter& open(QChar bracket);
    JsonWriter& close(QChar bracket);

    QString fText;
    // For each open object or array: whether a member or element was written.
    std::vector<bool> fHasItems;
    bool fAfterKey = false;
};
