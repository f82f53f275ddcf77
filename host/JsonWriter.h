#pragma once
#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

// Writes one JSON text on a single line. Commas between members and elements
// are placed by the writer; numbers are written in the shortest form that
// reads back to the same double, and a value that is not finite becomes null.
class JsonWriter {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();

    // The name of the next member of the current object.
    JsonWriter& key(QStringView name);

    JsonWriter& number(double value);
    JsonWriter& integer(int64_t value);
    JsonWriter& string(QStringView value);
    JsonWriter& boolean(bool value);
    JsonWriter& null();

    const QString& text() const { return fText; }

    // A double as JSON: shortest round-trip digits, "null" when not finite.
    static QString Number(double value);
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
