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
bool QueueAcceptsJobs(const QString& name);

// A document for a printer ("name" or "name/instance") as the bytes of a PDF
// file, with the job options (name, value) the user set up.
struct JobDocument {
  QString Printer;
  QString Title;
  QList<std::pair<QByteArray, QByteArray>> Options;
  QByteArray Pdf;
};

// Hands the document to the service on a thread of its own; the caller waits
// at most the limit. The job is created held and released only while the
// caller still waits: one the service takes after that is cancelled and never
// prints.
Submission SubmitDocument(JobDocument document, std::chrono::milliseconds limit);

}  // namespace platform::cups
