// SPDX-FileCopyrightText: 2026 The Leftscan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scanner/ScanSession.h"

#include "platform/Platform.h"

void ScanSession::startSizes()
{
    std::vector<SizeMeasurementPass::Entry> entries;
    entries.reserve(std::size_t(m_items.size()));
    m_sizeTargets.clear();
    m_sizeTargets.reserve(std::size_t(m_items.size()));
    for (const RemnantItemPtr &item : std::as_const(m_items)) {
        entries.push_back({item->urlBytes(), holdsDisposableContent(item->category())});
        m_sizeTargets.push_back(item);
    }
    m_sizeThresholdDays = m_staleThresholdDays;
    m_sizesStopped = std::make_shared<std::atomic<bool>>(false);
    if (entries.empty()) {
        emit sizesMeasured();
        return;
    }
    m_isMeasuringSizes = true;
    emit isMeasuringSizesChanged(true);
    m_sizeThreadsRunning = SizeMeasurementPass::ThreadCount;
    // One queued call per batch; the pass is stopped and its threads waited for before this object goes.
    auto handOver = [this, stopped = m_sizesStopped](std::vector<SizeMeasurementPass::Result> batch, bool last) {
        m_calls.post([this, stopped, batch = std::move(batch), last] {
            if (!stopped->load())
                sizesArrived(batch, last);
        });
    };
    m_sizePass = std::make_unique<SizeMeasurementPass>(m_platform, std::move(entries), std::move(handOver));
    m_sizePass->start();
}

void ScanSession::measureNow(const QList<RemnantItemPtr> &items)
{
    for (const RemnantItemPtr &item : items) {
        if (const std::optional<SizeMeasurement> measurement =
                m_platform->measureSize(item->url(), holdsDisposableContent(item->category()), nullptr))
            item->setMeasurement(*measurement, m_staleThresholdDays);
    }
    if (!items.isEmpty())
        emit itemsMeasured();
}

void ScanSession::stopSizes()
{
    m_sizesStopped->store(true);
    m_sizePass.reset();
    m_sizeTargets.clear();
    m_sizeThreadsRunning = 0;
    if (std::exchange(m_isMeasuringSizes, false))
        emit isMeasuringSizesChanged(false);
}

void ScanSession::sizesArrived(const std::vector<SizeMeasurementPass::Result> &batch, bool last)
{
    bool changed = false;
    for (const SizeMeasurementPass::Result &result : batch) {
        if (const RemnantItemPtr item = m_sizeTargets[result.index].lock()) {
            item->setMeasurement(result.measurement, m_sizeThresholdDays);
            changed = true;
        }
    }
    if (changed)
        emit itemsMeasured();
    if (last && --m_sizeThreadsRunning == 0) {
        m_sizePass.reset();
        m_sizeTargets.clear();
        if (std::exchange(m_isMeasuringSizes, false))
            emit isMeasuringSizesChanged(false);
        emit sizesMeasured();
    }
}
