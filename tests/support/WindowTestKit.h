#pragma once

// Small helpers shared by the window tests: the program's look, showing a window and driving the
// modal windows it opens, typing like a user, pressing buttons, reading what controls show, and
// writing or reading archives without going through a card.

#include "core/Record.h"
#include "core/RecordLayout.h"
#include "core/SysIo.h"
#include "shell/ShellLook.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cerrno>
#include <functional>

namespace WindowTestKit {

// The look the program sets at start-up, so pictures of windows match what users see.
inline void useProgramLook()
{
    ShellLook::applyProgramLook();
}

// Shows a window and waits until it has the keyboard, as a user's click on it would give it.
inline void showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qFatal("%s did not become active", window->metaObject()->className());
}

// Runs `action`, which opens a modal dialog, and hands that dialog to `inspect`; a dialog still
// open afterwards is cancelled. No dialog at all ends the test program.
inline void withNextModal(const std::function<void()> &action, const std::function<void(QDialog *)> &inspect)
{
    bool seen = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            poll.stop();
            seen = true;
            const QPointer<QDialog> open(dialog);
            // A loaded machine shows the window before it activates it: wait for the focus to
            // arrive where the window puts it, as the user sees it.
            (void)QTest::qWaitFor([&] { return !open || QApplication::activeWindow() == open; }, 2000);
            if (!open)
                return;
            inspect(dialog);
            if (open && open->isVisible()) // unless `inspect` closed it with its own buttons
                open->reject();
        }
    });
    poll.start();
    action();
    poll.stop();
    if (!seen)
        qFatal("no modal window came up");
}

// The modal window `action` opens, as it first shows: its name and the text of its entry field
// (empty without one). It is closed unused.
struct OpenedWindow
{
    QString name;
    QString text;
};
inline OpenedWindow nextModalOpenedBy(const std::function<void()> &action)
{
    OpenedWindow opened;
    withNextModal(action, [&](QDialog *dialog) {
        opened.name = dialog->objectName();
        if (auto *entry = dialog->findChild<QLineEdit *>())
            opened.text = entry->text();
    });
    return opened;
}

// Types text key by key into the focused control. Letters outside ASCII (è, £, °) are sent with
// their own key code, as a keyboard with those keys sends them.
inline void type(QWidget *w, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(w, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
}

inline void pressEnter(QWidget *w)
{
    QTest::keyClick(w, Qt::Key_Return);
}

template <class T = QWidget> T *find(QWidget *window, const QString &name)
{
    T *w = window->findChild<T *>(name);
    if (!w)
        qFatal("No control named %s", qPrintable(name));
    return w;
}

inline void click(QWidget *window, const QString &button)
{
    find<QAbstractButton>(window, button)->click();
}

// The name of the control with the keyboard focus; empty when none has it.
inline QString focusedName()
{
    const QWidget *w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

// Enter, from the first control of `chain`, which has the focus, walks the chain in order and wraps
// round to its start.
inline void checkEnterWalksRound(const QStringList &chain)
{
    QCOMPARE(focusedName(), chain.first());
    for (qsizetype i = 1; i <= chain.size(); ++i) {
        pressEnter(QApplication::focusWidget());
        QCOMPARE(focusedName(), chain.at(i % chain.size()));
    }
}

// What a control shows: an edit's or a list's text, a label, a flag as the archive stores it.
inline QString shownText(const QWidget *w)
{
    if (auto *e = qobject_cast<const QLineEdit *>(w))
        return e->text();
    if (auto *c = qobject_cast<const QComboBox *>(w))
        return c->currentText();
    if (auto *l = qobject_cast<const QLabel *>(w))
        return l->text();
    if (auto *b = qobject_cast<const QCheckBox *>(w))
        return b->isChecked() ? QString::fromUtf8("S\u00EC") : QStringLiteral("No");
    qFatal("%s shows no text", w ? qPrintable(w->objectName()) : "a missing control");
}

// The hint line's text while the mouse rests on `control`.
inline QString hintOver(QWidget *control, const QLabel *hintLine)
{
    QTest::mouseMove(control, control->rect().center());
    return hintLine->text();
}

// Makes every open of a file fail while it lives, as a folder without rights does.
struct OpenFails
{
    OpenFails()
    {
        SysIo::setFaultHook([](SysIo::Call call) { return call == SysIo::Call::Open ? EACCES : 0; });
    }
    ~OpenFails() { SysIo::clearFaultHook(); }
    OpenFails(const OpenFails &) = delete;
    OpenFails &operator=(const OpenFails &) = delete;
};

// One record made from texts by field name; other fields empty.
inline QByteArray record(const RecordLayout &layout, const QList<QPair<QString, QString>> &texts)
{
    Record r(layout);
    for (const auto &[name, text] : texts)
        r.setText(layout.indexOf(name), text);
    return r.encode();
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("Cannot write %s", qPrintable(path));
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Record `position` (1-based) of a file's bytes.
inline QByteArray recordAt(const QByteArray &file, int recordSize, int position)
{
    return file.mid(qsizetype(position - 1) * recordSize, recordSize);
}

} // namespace WindowTestKit
