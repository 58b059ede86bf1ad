#include "FakePlatform.h"

#include "reports/PdfFile.h"
#include "services/Services.h"

#include <QtTest>

void RecordingMessages::show(QWidget *, MessageKind kind, const QString &text)
{
    shown.append({kind, text});
}

bool RecordingMessages::ask(QWidget *, const QString &text)
{
    questions << text;
    if (m_answers.empty())
        qFatal("Unexpected question with no scripted answer: %s", qPrintable(text));
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}

QString ScriptedFileDialogs::getOpenFileName(QWidget *, const QString &title, const QString &folder,
                                             const QString &filter)
{
    requests.append({title, folder, filter});
    if (m_paths.empty())
        qFatal("Unexpected file dialog with no scripted answer: %s", qPrintable(title));
    const QString path = m_paths.front();
    m_paths.pop_front();
    return path;
}

QString ScriptedFileDialogs::getSaveFileName(QWidget *parent, const QString &title, const QString &path,
                                             const QString &filter)
{
    return getOpenFileName(parent, title, path, filter);
}

void RecordingReports::print(QWidget *, const PreparedReport &report)
{
    printed << report;
}

void RecordingReports::preview(QWidget *, const PreparedReport &report)
{
    previewed << report;
}

bool RecordingReports::writePdf(const PreparedReport &report, const QString &path)
{
    pdfs << report;
    pdfPaths << path;
    return PdfFile::write(report, path);
}

FakePlatform::FakePlatform()
{
    Environment e = Environment::current();
    e.messages = &messages;
    e.shell = &shell;
    e.fileDialogs = &fileDialogs;
    e.clock = &clock;
    e.sound = &sound;
    e.reports = &reports;
    Environment::install(e);
    registerServices();
}

FakePlatform::~FakePlatform()
{
    // A test that failed already may stop before its questions come; only a passing one is told.
    if (QTest::currentTestFunction() && !QTest::currentTestFailed() &&
        (messages.unusedAnswers() > 0 || fileDialogs.unusedPaths() > 0)) {
        const QByteArray what =
            QStringLiteral("%1 scripted answer(s) and %2 scripted file path(s) were never asked for")
                .arg(messages.unusedAnswers())
                .arg(fileDialogs.unusedPaths())
                .toUtf8();
        QTest::qFail(what.constData(), __FILE__, __LINE__);
    }
    Environment e = Environment::current();
    e.messages = nullptr;
    e.shell = nullptr;
    e.fileDialogs = nullptr;
    e.clock = nullptr;
    e.sound = nullptr;
    e.reports = nullptr;
    Environment::install(e);
}
