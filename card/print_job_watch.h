#pragma once

#include "card/print_job_follower.h"
#include "card/print_queue.h"

#include <QObject>

// Follows one print job on its queue without holding up the window: the
// questions to the print server are asked on a thread of their own. It tells
// when the job fails after the server took it, and deletes itself once the job
// has printed or failed, or after ten minutes of waiting. Deleted earlier (the
// window closes, the program ends), it calls the thread off and waits for it,
// even while a question is in flight.
class PrintJobWatch : public QObject
{
    Q_OBJECT

public:
    PrintJobWatch(const PrintQueue &queue, int jobId, QObject *parent);

Q_SIGNALS:
    void Failed(const QString &printerName);

private:
    void Follower_Settled(bool failed);

    const QString printerName_;
    PrintJobFollower follower_;
};
