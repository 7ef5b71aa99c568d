// Every fuzz target works in one private temporary folder, made the working folder once, so
// the files it writes never land beside the developer's own settings.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

inline void enterFuzzFolder() {
    // Saves are synced to disk; on a memory file system that costs nothing.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                                 ? QStringLiteral("/dev/shm/glimmbar-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/glimmbar-fuzz-XXXXXX"));
    static const bool entered = dir.isValid() && QDir::setCurrent(dir.path());
    if (!entered) {
        std::fputs("cannot make a working folder for the fuzzer\n", stderr);
        std::abort();
    }
}

inline void writeRaw(const QString& name, const uint8_t* data, size_t size) {
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::abort();
    }
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
}

inline QByteArray readRaw(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A property the target checks; a failure is a finding, reported as a crash.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
