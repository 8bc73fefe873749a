#pragma once
// gpsbabel, an independent reader and writer of GPS files, as the tests' oracle.
#include <QByteArray>
#include <QString>
#include <QStringList>

// Path of the gpsbabel program, empty when it is not installed.
QString GpsBabel();
// Runs gpsbabel with args; its standard output in *out. False when it fails or times out.
bool RunGpsBabel(const QStringList& args, QByteArray* out = nullptr);

// Skips the current test when gpsbabel is missing.
#define REQUIRE_GPSBABEL()                                                         \
    do {                                                                           \
        if (GpsBabel().isEmpty())                                                  \
            GTEST_SKIP() << "gpsbabel is not installed; apt-get install gpsbabel"; \
    } while (0)
