#pragma once

// The quote window as a test meets it: a program folder with a year file, the platform doubles,
// the window shown and active; typing like a user and writing quotes without the window.

#include "FakePlatform.h"
#include "TestFolder.h"
#include "core/Record.h"
#include "quotes/PreventiviRecord.h"
#include "quotes/TfrmPreventivi.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace QuoteWindowKit {

using Preventivi::Column;

inline QString nn(int line) { return QStringLiteral("%1").arg(line, 2, 10, QChar(u'0')); }

inline void useIconTheme()
{
    // The offscreen platform knows no icon folders of its own.
    QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() << QStringLiteral("/usr/share/icons"));
    QIcon::setThemeName(QStringLiteral("breeze"));
}

// Types key by key into `w`, which takes the focus first, as a user clicking into it would.
inline void type(QWidget *w, const QString &text)
{
    w->setFocus(Qt::MouseFocusReason);
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(w, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
}

// Settings file bytes: the lines joined with CR LF, in Windows-1252 (only "Sì" needs it here).
inline QByteArray iniBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// A quote record from texts by field.
inline Record quote(const QList<QPair<int, QString>> &texts)
{
    Record r(Preventivi::layout());
    for (const auto &[field, text] : texts)
        r.setText(field, text);
    return r;
}

// Runs `act` on the modal dialog as soon as it is up.
inline void whenModal(QObject *context, std::function<void(QWidget *)> act)
{
    QTimer::singleShot(0, context, [act] {
        if (QWidget *modal = QApplication::activeModalWidget())
            act(modal);
        else
            qFatal("no modal window came up");
    });
}

struct Fixture
{
    TestFolder folder;
    FakePlatform platform;
    std::unique_ptr<TfrmPreventivi> window;

    // `settings` is written as Taccuino.ini and `yearFile` as 2024.pre before the window opens.
    explicit Fixture(const QByteArray &settings = {}, const QByteArray &yearFile = {})
    {
        if (!settings.isEmpty())
            folder.write(QStringLiteral("Taccuino.ini"), settings);
        if (!yearFile.isEmpty())
            folder.write(QStringLiteral("2024.pre"), yearFile);
        window.reset(createTfrmPreventivi());
        window->openYear(yearPath(), QStringLiteral(" Quadrivo - Emissione preventivi anno 2024"));
        if (!QTest::qWaitForWindowActive(window.get()))
            qFatal("quote window not active");
        platform.messages.clear();
    }
    ~Fixture()
    {
        // Closing writes the settings file; a test that looks at it closes the window itself.
        window->hide();
    }

    QString yearPath() const { return folder.file(QStringLiteral("2024.pre")); }
    QByteArray file() const { return folder.read(QStringLiteral("2024.pre")); }
    int records() const { return int(file().size() / Preventivi::layout().recordSize()); }
    Record stored(int position) const
    {
        const int size = Preventivi::layout().recordSize();
        return Record::decode(Preventivi::layout(), file().mid(qsizetype(position - 1) * size, size));
    }

    template <class T = QWidget> T *find(const QString &name) const
    {
        T *w = window->findChild<T *>(name);
        if (!w)
            qFatal("No control named %s", qPrintable(name));
        return w;
    }
    QLineEdit *edit(const QString &name) const { return find<QLineEdit>(name); }
    QString text(const QString &name) const
    {
        QWidget *w = find(name);
        if (auto *e = qobject_cast<QLineEdit *>(w))
            return e->text();
        if (auto *c = qobject_cast<QComboBox *>(w))
            return c->currentText();
        if (auto *l = qobject_cast<QLabel *>(w))
            return l->text();
        qFatal("%s holds no text", qPrintable(name));
    }
    QCheckBox *check(const QString &name) const { return find<QCheckBox>(name); }
    void click(const QString &button) const { find<QAbstractButton>(button)->click(); }
    QString position() const { return window->positionLabel()->text(); }
    QString focused() const
    {
        QWidget *w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    }
    RecordingMessages &messages() { return platform.messages; }
    // The one line page on view, by name.
    QString visiblePage() const
    {
        QString shown;
        for (int page = 1; page <= 6; ++page) {
            if (find(QStringLiteral("grpPage") + nn(page))->isVisible()) {
                if (!shown.isEmpty())
                    return QStringLiteral("more than one");
                shown = QStringLiteral("grpPage") + nn(page);
            }
        }
        return shown;
    }
    void showPage(int page)
    {
        for (int p = window->currentPage(); p < page; ++p)
            click(QStringLiteral("imgAvanti_") + QChar(u'A' + p - 1));
    }
};

} // namespace QuoteWindowKit
