#include "card/print_job_watch.h"

namespace {

constexpr int kPollMs = 500;
constexpr qint64 kGiveUpMs = qint64(10) * 60 * 1000;

} // namespace

PrintJobWatch::PrintJobWatch(const PrintQueue &queue, int jobId, QObject *parent)
    : QObject(parent)
    , queue_(queue)
    , jobId_(jobId)
{
    connect(&poll_, &QTimer::timeout, this, &PrintJobWatch::Look);
    poll_.start(kPollMs);
    age_.start();
}

void PrintJobWatch::Look()
{
    const PrintQueue::JobState state = queue_.StateOf(jobId_);
    if (state == PrintQueue::JobState::Waiting && age_.elapsed() < kGiveUpMs)
        return;
    poll_.stop();
    deleteLater();
    if (state == PrintQueue::JobState::Failed)
        Q_EMIT Failed(queue_.Name());
}
