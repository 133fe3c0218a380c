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
// withdrawn when the service answers; so are the user's jobs that were left
// held under that mark (LeftBehind).
Submission SubmitDocument(JobDocument document, std::chrono::milliseconds limit);

// The name of a job created by the program and not yet released.
QByteArray UnreleasedJobName(const QString& title);

// A job of the service's as the sweep for left-behind jobs sees it; the times
// are seconds by the service's clock.
struct HeldJob {
  int Id = 0;
  bool Held = false;
  QByteArray Name;
  QByteArray User;
  long long Created = 0;
  long long ServiceNow = 0;
};
// Whether the user's job was left behind by a run of the program: held under
// its mark for longer than any sending thread still tries to release it.
bool LeftBehind(const HeldJob& job, const QByteArray& user);

}  // namespace platform::cups
