#pragma once

#include "core/ListLines.h"

#include <QString>
#include <QStringList>
#include <cstdio>

// quadrivo-tool's commands. Each takes its own arguments (after the command word) and returns the
// process exit status: 0 clean, 1 found something (or a warning), 2 usage or access error.
int runDump(const QStringList &args);
int runVerify(const QStringList &args);
int runCheck(const QStringList &args);
int runTotals(const QStringList &args);
int runPdf(const QStringList &args); // in quadrivo-tool-pdf: needs a QGuiApplication
int runExport(const QStringList &args);
int runSearch(const QStringList &args);
int runList(const QStringList &args);
int runInventory(const QStringList &args);
int runDeadlines(const QStringList &args);

namespace ToolOutput {
void out(const QString &line);           // a line on standard output, UTF-8
void err(const QString &line);           // a line on standard error, UTF-8
QString jsonString(const QString &text); // a JSON string literal, quotes included
// One object per line on standard output, in the list's order: {"pos": N, "line": "..."}.
void printLines(const ListText::Lines &lines);
} // namespace ToolOutput
