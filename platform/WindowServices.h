#pragma once
#include <QString>
#include <QStringList>

class QPrinter;
class QTextDocument;

// The window side of the services: what the real dialogs and the real
// printer do, for the program and for tests that drive them.
namespace platform {

// The name filters an open or save dialog shows for a "Description|pattern"
// list: "Description (pattern)", the pattern shown once.
QStringList dialogNameFilters(const QString& vbFilter);
// The folder the next open or save dialog starts in: the folder of the last
// file chosen during the run, else the user's documents folder (the
// program's own folder cannot be written once installed).
QString dialogStartFolder();
// Prints a document as it is on a printer: its text on the page, nothing
// added (no page numbers). False when the printer failed.
bool printOn(const QTextDocument& doc, QPrinter& printer);

}  // namespace platform
