#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The built program run as an organiser's script runs it: a separate
// process with arguments, its output streams and its exit status.
struct KvoraxRun {
    int status = -1;
    QString output;
    QString errors;
};

inline KvoraxRun RunKvorax(const QStringList& arguments, const QString& workingFolder = QString())
{
    QProcess process;
    process.setProgram(QStringLiteral(KVORAX_BINARY));
    process.setArguments(arguments);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.start();
    KvoraxRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.output = QString::fromUtf8(process.readAllStandardOutput());
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// The messages of a batch run, one per line of its error stream.
inline QStringList MessageLines(const QString& errors)
{
    return errors.split(u'\n', Qt::SkipEmptyParts);
}

inline QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}
