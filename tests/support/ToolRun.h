#pragma once

// Runs the built quadrivo-tool as a shell would, for the tests of its commands. A test that
// includes this names the tool with quadrivo_test_runs_tool() in its CMakeLists.txt.

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QStringList>

#ifndef QUADRIVO_TOOL_PATH
#error "QUADRIVO_TOOL_PATH is set by quadrivo_test_runs_tool()"
#endif

struct ToolRun
{
    int status = -1; // the exit status; -1 when the tool crashed or did not finish in time
    QByteArray out;
    QList<QByteArray> lines; // `out` split into lines, without the final newline
    QByteArray err;
};

inline ToolRun runTool(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral(QUADRIVO_TOOL_PATH), args);
    ToolRun run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
    } else if (process.exitStatus() == QProcess::NormalExit) {
        run.status = process.exitCode();
    }
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    QByteArray text = run.out;
    if (text.endsWith('\n'))
        text.chop(1);
    if (!text.isEmpty())
        run.lines = text.split('\n');
    return run;
}
