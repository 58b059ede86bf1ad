// Every archive action of the card windows under failing system calls: the k-th call fails once,
// or from then on, or reads or writes half of what it was asked to, for k = 1, 2, ... until the
// action gets through untouched. Each time the window either shows the archive-access message and
// keeps what the user typed, or does exactly what it does without a fault; the archive never gets
// shorter and no other record changes. A save is on the disk before the window says so.

#include "../cards/CardKinds.h"
#include "FakePlatform.h"
#include "FaultInjector.h"
#include "Harness.h"
#include "TestFolder.h"
#include "core/RecordFile.h"
#include "core/SysIo.h"
#include "shell/card/CardMessages.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QtTest>
#include <memory>

using namespace WindowTestKit;

namespace {

using Mode = FaultMode;

enum class Action { First, Previous, Next, Last, New, Duplicate, SaveExisting, SaveNew };

struct ActionSpec
{
    Action action;
    const char *name;
    int target; // the record a save rewrites (1-based), 0 for none
    bool appends;
};

const ActionSpec kActions[] = {
    {Action::First, "first", 0, false},
    {Action::Previous, "previous", 0, false},
    {Action::Next, "next", 0, false},
    {Action::Last, "last", 0, false},
    {Action::New, "new", 0, false},
    {Action::Duplicate, "duplicate", 0, false},
    {Action::SaveExisting, "save existing", 2, false},
    {Action::SaveNew, "save new", 0, true},
};

int openDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).count());
}

// What a card shows: every bound control's text.
QStringList shownTexts(CardWindow *card)
{
    QStringList texts{card->positionLabel()->text()};
    for (int field = 0; field < card->recordLayout().fieldCount(); ++field) {
        QWidget *control = card->control(field);
        if (auto *edit = qobject_cast<QLineEdit *>(control))
            texts << edit->text();
        else if (auto *combo = qobject_cast<QComboBox *>(control))
            texts << combo->currentText();
        else if (auto *label = qobject_cast<QLabel *>(control))
            texts << label->text();
    }
    return texts;
}

struct Fixture
{
    TestFolder folder;
    FakePlatform platform;
    CardKind kind;
    std::unique_ptr<CardWindow> card;
    QByteArray original;

    explicit Fixture(const QString &name) : kind(cardKind(name)), card(kind.make())
    {
        for (const char *note : {"uno", "due", "tre"})
            original += record(kind.layout(), kind.stored + Texts{{kind.edited, QLatin1StringView(note)}});
        writeFile(path(), original);
        card->show();
        card->activateWindow();
        if (!QTest::qWaitForWindowActive(card.get()))
            qFatal("card window not active");
        kind.open(card.get());
    }
    QString path() const { return folder.file(kind.file()); }
    int recordSize() const { return kind.layout().recordSize(); }

    // The archive as it was, the card on record 2, and the step before the action done.
    void prepare(Action action)
    {
        writeFile(path(), original);
        click(card.get(), QStringLiteral("cmdPrimo"));
        click(card.get(), QStringLiteral("cmdAvanti"));
        if (card->positionLabel()->text() != QLatin1StringView("2"))
            qFatal("card not on record 2");
        if (action == Action::SaveExisting)
            fill(card.get(), {{kind.edited, QStringLiteral("modificata")}});
        if (action == Action::SaveNew) {
            click(card.get(), QStringLiteral("cmdNuovo"));
            fill(card.get(), kind.typedForNew);
        }
        platform.messages.clear();
    }
    void run(Action action)
    {
        static const QHash<Action, QString> buttons = {
            {Action::First, "cmdPrimo"},        {Action::Previous, "cmdIndietro"},
            {Action::Next, "cmdAvanti"},        {Action::Last, "cmdUltimo"},
            {Action::New, "cmdNuovo"},          {Action::Duplicate, "cmdDuplica"},
            {Action::SaveExisting, "cmdSalva"}, {Action::SaveNew, "cmdSalva"},
        };
        click(card.get(), buttons.value(action));
    }
};

QStringList texts(const QList<ShownMessage> &shown)
{
    QStringList t;
    for (const ShownMessage &m : shown)
        t << m.text;
    return t;
}

// A message service that notes how many system calls had been made when each notice came up.
class OrderedMessages : public MessageService
{
public:
    explicit OrderedMessages(const QList<SysIo::Call> &calls) : m_calls(calls) {}
    void show(QWidget *, MessageKind, const QString &text) override { shown.append({text, m_calls.size()}); }
    bool ask(QWidget *, const QString &text) override { qFatal("unexpected question: %s", qPrintable(text)); }
    QList<QPair<QString, qsizetype>> shown;

private:
    const QList<SysIo::Call> &m_calls;
};

} // namespace

Q_DECLARE_METATYPE(Action)

class TestCardFaults : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // A refused lock is asked again until this deadline: keep the sweep quick.
        RecordFile::setLockDeadlineMs(60);
    }
    void cleanupTestCase() { RecordFile::setLockDeadlineMs(5000); }
    void cleanup() { SysIo::clearFaultHook(); }

    void everyCallFails_data();
    void everyCallFails();
    void savesReachTheDiskBeforeTheyAreReported_data();
    void savesReachTheDiskBeforeTheyAreReported();
    void lockedArchiveIsReportedInTime_data();
    void lockedArchiveIsReportedInTime();
};

// Every card of the registry, by name.
QStringList cards()
{
    QStringList names;
    for (const ArchiveKind *k : ArchiveKinds::all())
        names << k->name;
    return names;
}

void TestCardFaults::everyCallFails_data()
{
    QTest::addColumn<QString>("card");
    QTest::addColumn<int>("actionIndex");
    QTest::addColumn<Mode>("mode");
    for (const QString &name : cards()) {
        const QByteArray card = name.toLatin1();
        for (int i = 0; i < int(std::size(kActions)); ++i) {
            for (const auto &[mode, modeName] : kFaultModes)
                QTest::addRow("%s, %s, %s", card.constData(), kActions[i].name, modeName)
                    << name << i << mode;
        }
    }
}

void TestCardFaults::everyCallFails()
{
    QFETCH(QString, card);
    QFETCH(int, actionIndex);
    QFETCH(Mode, mode);
    const ActionSpec &spec = kActions[actionIndex];
    Fixture f(card);
    if (spec.action == Action::Duplicate && !f.card->findChild<QWidget *>(QStringLiteral("cmdDuplica")))
        QSKIP("this card has no Duplicate");
    const int R = f.recordSize();

    // What the action does when nothing fails.
    f.prepare(spec.action);
    f.run(spec.action);
    const QByteArray expectedFile = readFile(f.path());
    const QStringList expectedMessages = texts(f.platform.messages.shown);
    const QStringList expectedShown = shownTexts(f.card.get());
    QVERIFY(!expectedMessages.contains(CardMessages::archiveAccess()));

    int k = 1;
    int failures = 0;
    for (;; ++k) {
        QVERIFY2(k < 300, "the action never got through");
        f.prepare(spec.action);
        const QStringList shownBefore = shownTexts(f.card.get());
        const int fds = openDescriptors();
        FaultInjector injector{k, mode};
        SysIo::setFaultHook([&injector](SysIo::Call c) { return injector(c); });
        f.run(spec.action);
        SysIo::clearFaultHook();
        const QString where = QStringLiteral("k = %1: ").arg(k);

        QCOMPARE(openDescriptors(), fds);
        const QByteArray after = readFile(f.path());
        QVERIFY2(after.size() >= f.original.size(), qPrintable(where + "the archive got shorter"));
        const QStringList shown = texts(f.platform.messages.shown);
        if (!shown.contains(CardMessages::archiveAccess())) {
            // Got through: exactly as without a fault, and only when no fault needed reporting.
            QVERIFY2(!injector.mustFail(), qPrintable(where + "a failed call was taken for success"));
            QCOMPARE(after, expectedFile);
            QCOMPARE(shown, expectedMessages);
            QCOMPARE(shownTexts(f.card.get()), expectedShown);
        } else {
            ++failures;
            QVERIFY2(injector.injected(), qPrintable(where + "failed with no fault"));
            QCOMPARE(shown, QStringList{CardMessages::archiveAccess()});
            const MessageKind kind = f.platform.messages.shown[0].kind;
            QVERIFY(kind == MessageKind::Warning || kind == MessageKind::Error);
            // Every text the card showed is still there (a save may have composed its date), or
            // the card shows what the action shows when it succeeds (Duplicate makes the copy
            // before it opens the archive): the user's typing is not lost.
            const QStringList now = shownTexts(f.card.get());
            bool kept = true;
            for (qsizetype i = 0; i < now.size(); ++i)
                kept = kept && (shownBefore[i].isEmpty() || now[i] == shownBefore[i]);
            QVERIFY2(kept || now == expectedShown, qPrintable(where + "the card lost what it showed"));
            // Other records untouched; the rewritten one old or new unless its write was cut.
            for (int i = 0; i < f.original.size() / R; ++i) {
                const QByteArray was = f.original.mid(i * R, R);
                const QByteArray now = after.mid(i * R, R);
                if (i + 1 != spec.target)
                    QVERIFY2(now == was, qPrintable(where + QStringLiteral("record %1 changed").arg(i + 1)));
                else if (!injector.shortWrite)
                    QVERIFY2(now == was || now == expectedFile.mid(i * R, R),
                             qPrintable(where + "the record is mixed"));
            }
            if (spec.appends) {
                const QByteArray added = after.mid(f.original.size());
                QVERIFY2(added.size() < R || added == expectedFile.mid(f.original.size()),
                         qPrintable(where + "a torn record was counted"));
            } else {
                QCOMPARE(after.size(), f.original.size());
            }
        }
        if (!injector.injected())
            break;
    }
    qInfo("%s, %s: %d calls swept, %d reported failures", qPrintable(card), spec.name, k - 1, failures);
}

void TestCardFaults::savesReachTheDiskBeforeTheyAreReported_data()
{
    QTest::addColumn<QString>("card");
    QTest::addColumn<Action>("action");
    for (const QString &name : cards()) {
        const QByteArray card = name.toLatin1();
        QTest::addRow("%s, save existing", card.constData()) << name << Action::SaveExisting;
        QTest::addRow("%s, save new", card.constData()) << name << Action::SaveNew;
    }
}

void TestCardFaults::savesReachTheDiskBeforeTheyAreReported()
{
    QFETCH(QString, card);
    QFETCH(Action, action);
    Fixture f(card);
    f.prepare(action);

    QList<SysIo::Call> calls;
    OrderedMessages messages(calls);
    Environment withOrder = env();
    withOrder.messages = &messages;
    const Environment saved = env();
    Environment::install(withOrder);
    SysIo::setFaultHook([&calls](SysIo::Call c) {
        calls << c;
        return 0;
    });
    f.run(action);
    SysIo::clearFaultHook();
    Environment::install(saved);

    QCOMPARE(messages.shown.size(), 1);
    QVERIFY(messages.shown[0].first != CardMessages::archiveAccess());
    const qsizetype reportedAt = messages.shown[0].second;
    const qsizetype lastWrite = calls.lastIndexOf(SysIo::Call::PWrite);
    const qsizetype sync = calls.lastIndexOf(SysIo::Call::FDataSync);
    QVERIFY2(lastWrite >= 0, "nothing was written");
    QVERIFY2(sync > lastWrite, "the record was not synced after its write");
    QVERIFY2(sync < reportedAt, "the save was reported before it reached the disk");
    QVERIFY(calls.indexOf(SysIo::Call::Close, sync) > sync);
}

void TestCardFaults::lockedArchiveIsReportedInTime_data()
{
    // clang-format off
    QTest::addColumn<QString>("card");
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("deadlineMs");
    for (const QString &name : cards()) {
        const QByteArray card = name.toLatin1();
        for (const ActionSpec &a : kActions) {
            if (a.action != Action::New && a.action != Action::Duplicate)
                QTest::addRow("%s, %s", card.constData(), a.name) << name << a.action << 400;
        }
    }
    // Once with the deadline the program runs with.
    QTest::newRow("customers, save existing, 5 s") << QStringLiteral("customers") << Action::SaveExisting << 5000;
    // clang-format on
}

// Another copy holding the archive past the deadline: the window says so within the deadline and
// a second, keeps what it shows, and the archive is not touched.
void TestCardFaults::lockedArchiveIsReportedInTime()
{
    QFETCH(QString, card);
    QFETCH(Action, action);
    QFETCH(int, deadlineMs);
    RecordFile::setLockDeadlineMs(deadlineMs);
    const auto restore = qScopeGuard([] { RecordFile::setLockDeadlineMs(60); });
    Fixture f(card);
    f.prepare(action);
    const QStringList shownBefore = shownTexts(f.card.get());
    Harness::LockHolder holder;
    QVERIFY(holder.start(f.path(), deadlineMs + 10000));

    QElapsedTimer t;
    t.start();
    f.run(action);
    const qint64 elapsed = t.elapsed();
    qInfo("%s: the message came after %lld ms (deadline %d ms)", QTest::currentDataTag(), elapsed,
          deadlineMs);
    QCOMPARE(texts(f.platform.messages.shown), QStringList{CardMessages::archiveAccess()});
    QVERIFY(elapsed >= deadlineMs);
    QVERIFY(elapsed < deadlineMs + 1000);
    QCOMPARE(readFile(f.path()), f.original);
    const QStringList now = shownTexts(f.card.get());
    for (qsizetype i = 0; i < now.size(); ++i) {
        if (!shownBefore[i].isEmpty() && action != Action::SaveNew)
            QCOMPARE(now[i], shownBefore[i]);
    }
}

QTEST_MAIN(TestCardFaults)
#include "tst_card_faults.moc"
