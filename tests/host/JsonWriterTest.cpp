#include "tools/JsonWriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(JsonWriterTest, NumbersAreShortestRoundTripWithoutExponentOrNull) {
    struct Case {
        double value;
        QString text;
    } cases[] = {
        {91.92, "91.92"},
        {329.03999999999996, "329.03999999999996"},
        {0.1 + 0.2, "0.30000000000000004"},
        {3, "3"},
        {-0.5, "-0.5"},
        {0, "0"},
        {300000, "300000"},
        {-2500000, "-2500000"},
        {1e20, "100000000000000000000"},
        {0.000001, "0.000001"},
        {1e21, "1e+21"},
        {1.5e-7, "1.5e-07"},
        {5e-324, "5e-324"},
        {std::numeric_limits<double>::infinity(), "null"},
        {-std::numeric_limits<double>::infinity(), "null"},
        {std::nan(""), "null"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JsonWriter::Number(c.value), c.text) << c.value;
        if (std::isfinite(c.value)) {
            EXPECT_EQ(QJsonDocument::fromJson("[" + c.text.toUtf8() + "]").array().at(0).toDouble(),
                      c.value)
                << c.text.toStdString();
        }
    }
}

TEST(JsonWriterTest, MoneyIsRoundedToTheGroszWithAtMostTwoDecimals) {
    struct Case {
        double value;
        QString text;
    } cases[] = {
        {300000, "300000"},
        {2500.5, "2500.5"},
        {0.1 + 0.2, "0.3"},
        {1234.56 + 1e-10, "1234.56"},
        {1e-7, "0"},
        {-1e-7, "0"},
        {0, "0"},
        {-1234.5, "-1234.5"},
        {10000.555, "10000.56"},
        {0.125, "0.13"},
        {1e15, "1000000000000000"},
        {std::numeric_limits<double>::infinity(), "null"},
        {std::nan(""), "null"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JsonWriter::Money(c.value), c.text) << c.value;

    // A sum of amounts that carries float noise.
    double suma = 0;
    for (int i = 0; i < 10; ++i)
        suma += 123.456;
    JsonWriter json;
    json.beginObject().key(u"Kwota").money(suma).key(u"Zysk").number(0.5).endObject();
    EXPECT_EQ(json.text(), R"({"Kwota":1234.56,"Zysk":0.5})");
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
