// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/SizeMeasurementPass.h"

#include "platform/Platform.h"

#include <QElapsedTimer>

SizeMeasurementPass::SizeMeasurementPass(std::shared_ptr<const Platform> platform, std::vector<Entry> entries,
                                         BatchHandler handler)
    : m_platform(std::move(platform))
    , m_entries(std::move(entries))
    , m_handler(std::move(handler))
{}

SizeMeasurementPass::~SizeMeasurementPass()
{
    cancel();
    for (std::thread &thread : m_threads)
        thread.join();
}

void SizeMeasurementPass::start()
{
    for (int i = 0; i < ThreadCount; ++i) {
        m_threads.emplace_back([this] { run(); });
    }
}

void SizeMeasurementPass::cancel()
{
    m_cancelled.store(true);
}

void SizeMeasurementPass::run()
{
    std::vector<Result> batch;
    QElapsedTimer sinceHandOver;
    sinceHandOver.start();
    for (;;) {
        const std::size_t index = m_next.fetch_add(1);
        if (index >= m_entries.size())
            break;
        const std::optional<SizeMeasurement> measurement = m_platform->measureSize(
            std::filesystem::path(m_entries[index].path), m_entries[index].disposable, &m_cancelled);
        if (!measurement)
            return;
        batch.push_back({index, *measurement});
        if (batch.size() >= BatchSize || sinceHandOver.elapsed() >= BatchIntervalMilliseconds) {
            m_handler(std::exchange(batch, {}), false);
            sinceHandOver.restart();
        }
    }
    if (!m_cancelled.load())
        m_handler(std::move(batch), true);
}
