#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

// Helpers shared by the fuzz targets.

// Stops the run when a property does not hold: libFuzzer then saves the
// input as a finding, and the seed runner fails on the file it names last.
inline void fuzzCheck(bool holds, const char *property, const QString &detail = QString())
{
    if (holds)
        return;
    std::fprintf(stderr, "Property broken: %s\n%s\n", property, detail.toLocal8Bit().constData());
    std::abort();
}

// A folder of this process for the files a target reads and writes: on
// tmpfs where there is one, as every input goes through a file.
inline QString fuzzFolder()
{
    static const QString folder = [] {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        const QString path = base + QStringLiteral("/tidrel-fuzz-") + QString::number(getpid());
        QDir().mkpath(path);
        return path;
    }();
    return folder;
}

inline QByteArray readFileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    fuzzCheck(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
              "the input can be written to a file", path);
}
