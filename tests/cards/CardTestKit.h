#pragma once

// Small helpers shared by the card window tests: typing like a user, pressing the card's
// buttons, and writing or reading archives without going through a card.

#include "core/Record.h"
#include "core/RecordLayout.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QTest>
#include <QWidget>

namespace CardTestKit {

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

} // namespace CardTestKit

#include <QDialog>
#include <QFontDatabase>
#include <QIcon>
#include <QStandardPaths>
#include <QTimer>
#include <functional>

namespace CardTestKit {

// The look the program sets at start-up, so pictures of windows match what users see.
inline void useProgramLook()
{
    // Offscreen there is no desktop theme to name the icon folders.
    QStringList paths = QIcon::themeSearchPaths();
    paths += QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                       QStandardPaths::LocateDirectory);
    QIcon::setThemeSearchPaths(paths);
    QIcon::setThemeName(QStringLiteral("breeze"));
    const QString sans = QStringLiteral("Liberation Sans");
    if (QFontDatabase::families().contains(sans)) {
        QFont font(sans);
        font.setPointSizeF(QApplication::font().pointSizeF());
        QApplication::setFont(font);
    }
}

// Runs `action`, which opens a modal dialog, and hands that dialog to `inspect`; a dialog still
// open afterwards is cancelled.
inline void withNextModal(const std::function<void()> &action, const std::function<void(QDialog *)> &inspect)
{
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            poll.stop();
            inspect(dialog);
            if (dialog->isVisible()) // unless `inspect` closed it with its own buttons
                dialog->reject();
        }
    });
    poll.start();
    action();
    poll.stop();
}

} // namespace CardTestKit
