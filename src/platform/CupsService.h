#pragma once
// What the system's print service (CUPS) tells beyond Qt's printer list
// (whether it runs at all, whether a queue takes jobs), and the hand-over of a
// document to it.
#include <QByteArray>
#include <QList>
#include <QString>
#include <chrono>
#include <utility>

#include "platform/ProgramPrinter.h"

namespace platform::cups {

// False when nothing answers at the service's address (a stopped service still
// takes the connection and is told by its silence).
bool ServiceRuns();
// Whether the queue ("name" or "name/instance") exists, is not stopped and
// accepts jobs.
PrinterState QueueState(const QString& name);

// A document for a printer ("name" or "name/instance") as the bytes of a PDF
// file, with the job options (name, value) the user set up.
struct JobDocument {
  QString Printer;
  QString Title;
  QList<std::pair<QByteArray, QByteArray>> Options;
  QByteArray Pdf;
};

// Hands the document to the service this thread talks to, on a thread of its
// own; the caller waits at most the limit. The job is created held under a
// name that marks it as the program's and not released, and released under its
// title only while the caller still waits. A job the caller gave up is
// withdrawn when the service answers; so are the user's jobs that an earlier
// run left held under that mark.
Submission SubmitDocument(JobDocument document, std::chrono::milliseconds limit);

// The name of a job created by the program and not yet released.
QByteArray UnreleasedJobName(const QString& title);

}  // namespace platform::cups
