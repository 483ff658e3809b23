#pragma once

#include "card/print_queue.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// Follows one print job on its queue without holding up the window, and
// tells when the job fails after the server took it. It deletes itself once
// the job has printed or failed, or after ten minutes of waiting.
class PrintJobWatch : public QObject
{
    Q_OBJECT

public:
    PrintJobWatch(const PrintQueue &queue, int jobId, QObject *parent);

Q_SIGNALS:
    void Failed(const QString &printerName);

private:
    void Look();

    PrintQueue queue_;
    int jobId_;
    QTimer poll_;
    QElapsedTimer age_;
};
