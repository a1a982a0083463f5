// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DiagnosticLog.h"

#include <cstdio>
#include <mutex>

namespace {

std::mutex &sinkMutex()
{
    static std::mutex mutex;
    return mutex;
}

DiagnosticLog::Sink &currentSink()
{
    static DiagnosticLog::Sink sink;
    return sink;
}

void writeLine(FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

} // namespace

void DiagnosticLog::write(const QString &line)
{
    std::lock_guard lock(sinkMutex());
    if (currentSink())
        currentSink()(line);
    else
        writeLine(stdout, line.toUtf8());
}

DiagnosticLog::Sink DiagnosticLog::setSink(Sink sink)
{
    std::lock_guard lock(sinkMutex());
    return std::exchange(currentSink(), std::move(sink));
}

void DiagnosticLog::writeToStandardError(std::function<QByteArray(const QString &line)> encode)
{
    setSink([encode = std::move(encode)](const QString &line) {
        writeLine(stderr, encode ? encode(line) : line.toUtf8());
    });
}
