#pragma once

#include "platform/Platform.h"
#include "reports/ReportItem.h"

#include <QList>
#include <QStringList>
#include <deque>

// Recording doubles of the platform seams. A question or a file dialog that the test did not
// script an answer for aborts the test loudly instead of hanging on a modal box; an answer that
// was scripted and never asked for fails the test (it did not go where the test thought).
struct ShownMessage
{
    MessageKind kind;
    QString text;
};

class RecordingMessages : public MessageService
{
public:
    void show(QWidget *parent, MessageKind kind, const QString &text) override;
    bool ask(QWidget *parent, const QString &text) override;

    void answerNext(bool yes) { m_answers.push_back(yes); }
    qsizetype unusedAnswers() const { return qsizetype(m_answers.size()); }
    QList<ShownMessage> shown; // notices, in order
    QStringList questions;     // questions, in order
    void clear()
    {
        shown.clear();
        questions.clear();
    }
    // The last notice's text, or an empty text.
    QString lastText() const { return shown.isEmpty() ? QString() : shown.last().text; }

private:
    std::deque<bool> m_answers;
};

class RecordingShell : public ShellService
{
public:
    void open(const QString &command) override { opened << command; }
    QStringList opened;
};

class ScriptedFileDialogs : public FileDialogService
{
public:
    QString getOpenFileName(QWidget *parent, const QString &title, const QString &folder,
                            const QString &filter) override;
    QString getSaveFileName(QWidget *parent, const QString &title, const QString &path,
                            const QString &filter) override;
    void chooseNext(const QString &path) { m_paths.push_back(path); }
    qsizetype unusedPaths() const { return qsizetype(m_paths.size()); }
    struct Request
    {
        QString title, folder, filter;
    };
    QList<Request> requests;

private:
    std::deque<QString> m_paths;
};

class FixedClock : public Clock
{
public:
    QDateTime now() const override { return value; }
    QDateTime value = QDateTime(QDate(2024, 3, 15), QTime(10, 30));
};

class RecordingSound : public SoundPlayer
{
public:
    void playOnce(const QString &file) override { played << file; }
    void stop() override { ++stops; }
    QStringList played;
    int stops = 0;
};

// Keeps every report sent to the printer or the preview; PDFs are really written (with the
// program's writer), so tests read them back, unless the next write is told to fail.
class RecordingReports : public ReportOutput
{
public:
    void print(QWidget *parent, const PreparedReport &report) override;
    void preview(QWidget *parent, const PreparedReport &report) override;
    bool writePdf(const PreparedReport &report, const QString &path) override;

    QList<PreparedReport> printed;
    QList<PreparedReport> previewed;
    QList<PreparedReport> pdfs;
    QStringList pdfPaths;
};

// Owns one of each double and installs them (keeping the program folder already set).
class FakePlatform
{
public:
    FakePlatform();
    ~FakePlatform();
    RecordingMessages messages;
    RecordingShell shell;
    ScriptedFileDialogs fileDialogs;
    FixedClock clock;
    RecordingSound sound;
    RecordingReports reports;
};
