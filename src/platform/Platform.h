#pragma once

#include <QDateTime>
#include <QString>

class QWidget;
struct PreparedReport;

// Everything that leaves the process or waits on the user goes through these seams, so windows
// run in tests offscreen with recording doubles and never block on a modal box.

enum class MessageKind { Information, Warning, Error, Plain };

class MessageService
{
public:
    virtual ~MessageService() = default;
    // A notice: information, warning and error boxes show OK and Cancel (the answer is not used);
    // a plain box shows only OK.
    virtual void show(QWidget *parent, MessageKind kind, const QString &text) = 0;
    // A confirmation with Yes and No; true for Yes.
    virtual bool ask(QWidget *parent, const QString &text) = 0;
};

class ShellService
{
public:
    virtual ~ShellService() = default;
    // The shell's "open": a document path or "mailto:" address (possibly in double quotes) or a web
    // address, handed to the desktop; returns at once, reports nothing.
    virtual void open(const QString &command) = 0;
};

class FileDialogService
{
public:
    virtual ~FileDialogService() = default;
    // The chosen file's full path, or an empty text when the user cancels.
    virtual QString getOpenFileName(QWidget *parent, const QString &title, const QString &folder,
                                    const QString &filter) = 0;
    virtual QString getSaveFileName(QWidget *parent, const QString &title, const QString &path,
                                    const QString &filter) = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;
    virtual void playOnce(const QString &file) = 0;
    // Silences what is playing, if anything.
    virtual void stop() = 0;
};

// Where prepared reports go: the printer, the preview window, a PDF file.
class ReportOutput
{
public:
    virtual ~ReportOutput() = default;
    // The print dialog with the default printer chosen, then the printer. Cancelling prints
    // nothing and reports nothing.
    virtual void print(QWidget *parent, const PreparedReport &report) = 0;
    // The modal preview window; printing from it prints these same pages.
    virtual void preview(QWidget *parent, const PreparedReport &report) = 0;
    // A PDF at `path`, no dialog; a file of that name is replaced only by a complete document.
    // False when it could not be written (the earlier file then stays as it was).
    virtual bool writePdf(const PreparedReport &report, const QString &path) = 0;
};

// The one place windows take their seams from: set up by main() or by a test.
struct Environment
{
    MessageService *messages = nullptr;
    ShellService *shell = nullptr;
    FileDialogService *fileDialogs = nullptr;
    Clock *clock = nullptr;
    SoundPlayer *sound = nullptr;
    ReportOutput *reports = nullptr;
    QString programFolder; // no trailing separator

    static Environment &current();
    static void install(const Environment &environment);
};

inline Environment &env()
{
    return Environment::current();
}

// A file of the program folder: the folder, a separator, the name.
QString programFile(const QString &name);
