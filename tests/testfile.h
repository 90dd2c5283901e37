#pragma once
// Writes test input files; a file that cannot be written fails the running test.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace TestFile {

inline QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& content)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.flush())
        QTest::qFail(qPrintable("cannot write " + path), __FILE__, __LINE__);
    return path;
}

inline QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace TestFile
