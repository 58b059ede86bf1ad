#pragma once

// The quote window as a test meets it: a program folder with a year file, the platform doubles,
// the window shown and active; typing like a user and writing quotes without the window.

#include "FakePlatform.h"
#include "TestFolder.h"
#include "WindowTestKit.h"
#include "core/Record.h"
#include "quotes/PreventiviRecord.h"
#include "quotes/TfrmPreventivi.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace QuoteWindowKit {

using Preventivi::Column;

inline QString nn(int line)
{
    return QStringLiteral("%1").arg(line, 2, 10, QChar(u'0'));
}

using WindowTestKit::nextModalOpenedBy;
using WindowTestKit::OpenedWindow;
using WindowTestKit::useProgramLook;
using WindowTestKit::withNextModal;

// The total edits in the order "Calcola" fills them.
inline const QStringList kTotals = {QStringLiteral("txtTotImponibile"), QStringLiteral("txtTotImposta"),
                                    QStringLiteral("txtTotIva"), QStringLiteral("txtTotEsente"),
                                    QStringLiteral("txtTotFattura")};

// Types key by key into `w`, which takes the focus first, as a user clicking into it would.
inline void type(QWidget *w, const QString &text)
{
    w->setFocus(Qt::MouseFocusReason);
    WindowTestKit::type(w, text);
}

// Settings file bytes: the lines joined with CR LF, in Windows-1252 (only "Sì" needs it here).
inline QByteArray iniBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// Texts of a quote record by field.
using Texts = QList<QPair<int, QString>>;

// A quote record from texts by field.
inline Record quote(const Texts &texts)
{
    Record r(Preventivi::layout());
    for (const auto &[field, text] : texts)
        r.setText(field, text);
    return r;
}

// The figures of one line as a stored quote holds them; empty texts leave their fields empty.
inline Texts storedLine(int line, const QString &quant, const QString &prezzo, const QString &importo,
                        const QString &sconto = {}, const QString &esente = {})
{
    return {{Preventivi::lineField(Column::Quant, line), quant},
            {Preventivi::lineField(Column::Prezzo, line), prezzo},
            {Preventivi::lineField(Column::PercSconto, line), sconto},
            {Preventivi::lineField(Column::Importo, line), importo},
            {Preventivi::lineField(Column::Es, line), esente}};
}

// The VAT rate and the totals, in the order of kTotals, as a stored quote holds them.
inline Texts storedTotals(const QString &rate, const QStringList &totals)
{
    if (totals.size() != 5)
        qFatal("a quote has five totals");
    return {{Preventivi::txtPercIva, rate},         {Preventivi::txtTotImponibile, totals[0]},
            {Preventivi::txtTotImposta, totals[1]}, {Preventivi::txtTotIva, totals[2]},
            {Preventivi::txtTotEsente, totals[3]},  {Preventivi::txtTotFattura, totals[4]}};
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
        return WindowTestKit::find<T>(window.get(), name);
    }
    QLineEdit *edit(const QString &name) const { return find<QLineEdit>(name); }
    QString text(const QString &name) const { return WindowTestKit::shownText(find(name)); }
    QCheckBox *check(const QString &name) const { return find<QCheckBox>(name); }
    void click(const QString &button) const { WindowTestKit::click(window.get(), button); }
    QString position() const { return window->positionLabel()->text(); }
    QString focused() const { return WindowTestKit::focusedName(); }
    QString hintOver(const QString &control) const
    {
        return WindowTestKit::hintOver(find(control), window->hintLabel());
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
