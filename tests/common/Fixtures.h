#pragma once
// The test fixture files under tests/fixtures/.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

inline QString SciezkaFixture(const char* nazwa) {
    return QStringLiteral(TALVORA_FIXTURES_DIR "/") + QLatin1String(nazwa);
}

// The bytes of a fixture file; a missing one fails the test.
inline QByteArray CzytajFixture(const char* nazwa) {
    QFile plik(SciezkaFixture(nazwa));
    EXPECT_TRUE(plik.open(QIODevice::ReadOnly)) << nazwa;
    return plik.readAll();
}
