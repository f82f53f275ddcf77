#include "JsonWriter.h"

#include <QJsonDocument>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(JsonWriterTest, NumbersAreShortestRoundTripOrNull) {
    struct Case {
        double value;
        QString text;
    } cases[] = {
        {91.92, "91.92"},
        {329.03999999999996, "329.03999999999996"},
        {0.1 + 0.2, "0.30000000000000004"},
        {3, "3"},
        {-0.5, "-0.5"},
        {1e21, "1e+21"},
        {5e-324, "5e-324"},
        {std::numeric_limits<double>::infinity(), "null"},
        {-std::numeric_limits<double>::infinity(), "null"},
        {std::nan(""), "null"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JsonWriter::Number(c.value), c.text);
    }
}

TEST(JsonWriterTest, NestedValuesGetCommasAndEscapes) {
    JsonWriter json;
    json.beginObject()
        .key(u"tekst")
        .string(u"a\"b\\c\nd\te\u0001 zł")
        .key(u"lista")
        .beginArray()
        .integer(-7)
        .boolean(true)
        .null()
        .beginObject()
        .key(u"x")
        .number(0.5)
        .endObject()
        .beginArray()
        .endArray()
        .endArray()
        .key(u"pusty")
        .beginObject()
        .endObject()
        .endObject();
    EXPECT_EQ(
        json.text(),
        R"({"tekst":"a\"b\\c\nd\te\u0001 zł","lista":[-7,true,null,{"x":0.5},[]],"pusty":{}})");
    EXPECT_FALSE(QJsonDocument::fromJson(json.text().toUtf8()).isNull());
}

} // namespace
