#include "card/print_job_watch.h"

PrintJobWatch::PrintJobWatch(const PrintQueue &queue, int jobId, QObject *parent)
    : QObject(parent)
    , printerName_(queue.Name())
    , follower_(queue, jobId)
{
    // Emitted on the follower's thread, handled on this one.
    connect(&follower_, &PrintJobFollower::Settled, this, &PrintJobWatch::Follower_Settled, Qt::QueuedConnection);
    follower_.start();
}

void PrintJobWatch::Follower_Settled(bool failed)
{
    deleteLater();
    if (failed)
        Q_EMIT Failed(printerName_);
}
