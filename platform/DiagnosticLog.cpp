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

void writeLine(FILE *stream, const QString &line)
{
    const QByteArray bytes = line.toUtf8();
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
        writeLine(stdout, line);
}

DiagnosticLog::Sink DiagnosticLog::setSink(Sink sink)
{
    std::lock_guard lock(sinkMutex());
    return std::exchange(currentSink(), std::move(sink));
}

void DiagnosticLog::writeToStandardError()
{
    setSink([](const QString &line) { writeLine(stderr, line); });
}
