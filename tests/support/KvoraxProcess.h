// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <csignal>
#include <optional>
#include <sys/resource.h>

// The built program run as an organiser's script runs it: a separate
// process with arguments, its output streams and its exit status.
struct KvoraxRun {
    int status = -1;
    QString output;
    QString errors;
};

// Where the program runs, when not as the test itself runs: another working
// folder, another environment, standard output into a file, or a limit on
// the size of the files it writes (ulimit -f).
struct KvoraxSetting {
    QString workingFolder{};
    std::optional<QProcessEnvironment> environment{};
    QString outputFile{};
    std::optional<rlim_t> fileSizeLimitBytes{};
};

inline KvoraxRun RunKvorax(const QStringList& arguments, const KvoraxSetting& setting = {})
{
    QProcess process;
    process.setProgram(QStringLiteral(KVORAX_BINARY));
    process.setArguments(arguments);
    if (!setting.workingFolder.isEmpty())
        process.setWorkingDirectory(setting.workingFolder);
    if (setting.environment)
        process.setProcessEnvironment(*setting.environment);
    if (!setting.outputFile.isEmpty())
        process.setStandardOutputFile(setting.outputFile);
    if (const std::optional<rlim_t> limit = setting.fileSizeLimitBytes) {
        // The signal a write past the limit raises is left as the shell
        // leaves it: the program itself must keep it from ending the run.
        process.setChildProcessModifier([limit] {
            const rlimit fileSize{*limit, *limit};
            setrlimit(RLIMIT_FSIZE, &fileSize);
            std::signal(SIGXFSZ, SIG_DFL);
        });
    }
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
