#include "FakePlatform.h"
#include "TestFolder.h"
#include "WindowShot.h"
#include "WindowTestKit.h"
#include "core/Crypt.h"
#include "shell/TfrmCambiaPassword.h"
#include "shell/TfrmPassword.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace {

const QString kFile = QStringLiteral("unins000.dll");
const QString kWrong = QStringLiteral("Attenzione: password errata.");
const QString kReadFailed =
    QStringLiteral("Attenzione: si \u00E8 verificato un errore durante la procedura di "
                   "lettura della password. Si consiglia di reinstallare il software.");
const QString kOldWrong = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed = QStringLiteral("Attenzione: la nuova password non \u00E8 stata confermata "
                                             "correttamente. E' necessario reinserire entrambi i valori.");
const QString kChanged = QStringLiteral("Modifica della password completata con successo.");
const QString kChangeFailed =
    QStringLiteral("Attenzione: si \u00E8 verificato un errore durante la procedura di "
                   "modifica della password. Si consiglia di reinstallare il software.");

QByteArray suppliedPasswordFile()
{
    QFile f(QStringLiteral(QUADRIVO_ASSETS_DIR "/unins000.dll"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QByteArray passwordFile(const QString &value)
{
    return "[Accesso]\r\nValore=" + value.toLatin1() + "\r\n";
}

// Writes beyond a few bytes fail as on a full disk, for the lifetime of the guard. Root is not
// exempt from this limit, unlike from file permissions.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};

} // namespace

class TestPasswordWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void suppliedFileHoldsTheFirstAccessPassword();
    void firstAccessPasswordOpensTheMenu_data();
    void firstAccessPasswordOpensTheMenu();
    void wrongPasswordWarnsAndEmptiesTheEdit_data();
    void wrongPasswordWarnsAndEmptiesTheEdit();
    void okEnabledExactlyWhileTextIsNotBlank_data();
    void okEnabledExactlyWhileTextIsNotBlank();
    void enterChecksOnlyWithText();
    void corruptStoredValueGivesTheReadMessage();
    void exitEndsTheProgram();

    void changeWindowReplacesThePasswordWindow();
    void changeOkEnabledOnlyWithAllThreeFields_data();
    void changeOkEnabledOnlyWithAllThreeFields();
    void enterMovesRoundTheChangeFields();
    void changeRefusesWrongOldPassword();
    void changeRefusesConfirmationDifferingInCase();
    void changeStoresNewPasswordKeepingOtherLines_data();
    void changeStoresNewPasswordKeepingOtherLines();
    void changeFailureIsReportedAndLosesNothing_data();
    void changeFailureIsReportedAndLosesNothing();

private:
    QLineEdit *edit(QWidget *window, const char *name) const;
    QPushButton *button(QWidget *window, const char *name) const;
    void login(const QString &typed);
    void change(const QString &oldPassword, const QString &newPassword, const QString &confirmation);

    std::unique_ptr<TestFolder> m_folder;
    std::unique_ptr<FakePlatform> m_platform;
    std::unique_ptr<QWidget> m_menu;
    std::unique_ptr<TfrmCambiaPassword> m_change;
    std::unique_ptr<TfrmPassword> m_password;
};

void TestPasswordWindows::initTestCase()
{
    WindowTestKit::useProgramLook();
}

void TestPasswordWindows::init()
{
    m_folder = std::make_unique<TestFolder>();
    m_platform = std::make_unique<FakePlatform>();
    m_folder->write(kFile, suppliedPasswordFile());
    m_password = std::make_unique<TfrmPassword>();
    m_change = std::make_unique<TfrmCambiaPassword>();
    m_menu = std::make_unique<QWidget>();
    m_password->setChangeWindow(m_change.get());
    m_password->setMainMenu(m_menu.get());
    m_password->show();
}

void TestPasswordWindows::cleanup()
{
    m_password.reset();
    m_change.reset();
    m_menu.reset();
    m_platform.reset();
    m_folder.reset();
}

QLineEdit *TestPasswordWindows::edit(QWidget *window, const char *name) const
{
    auto *e = window->findChild<QLineEdit *>(QString::fromLatin1(name));
    if (!e)
        qFatal("no edit %s", name);
    return e;
}

QPushButton *TestPasswordWindows::button(QWidget *window, const char *name) const
{
    auto *b = window->findChild<QPushButton *>(QString::fromLatin1(name));
    if (!b)
        qFatal("no button %s", name);
    return b;
}

void TestPasswordWindows::login(const QString &typed)
{
    edit(m_password.get(), "txtPassword")->setText(typed);
    button(m_password.get(), "cmdOK")->click();
}

void TestPasswordWindows::change(const QString &oldPassword, const QString &newPassword,
                                 const QString &confirmation)
{
    button(m_password.get(), "btnCambiaPassword")->click();
    edit(m_change.get(), "txtPasswordOld")->setText(oldPassword);
    edit(m_change.get(), "txtPasswordNew")->setText(newPassword);
    edit(m_change.get(), "txtConferma")->setText(confirmation);
    button(m_change.get(), "cmdOK")->click();
}

void TestPasswordWindows::suppliedFileHoldsTheFirstAccessPassword()
{
    QCOMPARE(suppliedPasswordFile(), passwordFile(Crypt::scramble(u"PAROLAINIZIALE")));
}

void TestPasswordWindows::firstAccessPasswordOpensTheMenu_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("lower case") << QStringLiteral("parolainiziale");
    QTest::newRow("upper case") << QStringLiteral("PAROLAINIZIALE");
    QTest::newRow("mixed case with blanks") << QStringLiteral("  ParolaIniziale ");
}

void TestPasswordWindows::firstAccessPasswordOpensTheMenu()
{
    QFETCH(QString, typed);
    WindowShot::keep(m_password.get(), QStringLiteral("password"));
    login(typed);
    QVERIFY(m_platform->messages.shown.isEmpty());
    QVERIFY(m_menu->isVisible());
    QVERIFY(!m_password->isVisible());
}

void TestPasswordWindows::wrongPasswordWarnsAndEmptiesTheEdit_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("typed");
    QTest::newRow("wrong word") << suppliedPasswordFile() << QStringLiteral("parolainiziali");
    // Only a-z are upper-cased: an accented letter in another case is another password.
    QTest::newRow("other letters keep their case")
        << passwordFile(Crypt::scramble(u"CITT\u00C0")) << QStringLiteral("citt\u00E0");
    QTest::newRow("no password file") << QByteArray() << QStringLiteral("parolainiziale");
    QTest::newRow("file without the key") << QByteArray("[Accesso]\r\nAltro=1\r\n") << QStringLiteral("x");
}

void TestPasswordWindows::wrongPasswordWarnsAndEmptiesTheEdit()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, typed);
    if (file.isEmpty())
        QFile::remove(m_folder->file(kFile));
    else
        m_folder->write(kFile, file);
    login(typed);
    QCOMPARE(m_platform->messages.shown.size(), 1);
    QCOMPARE(m_platform->messages.shown[0].kind, MessageKind::Warning);
    QCOMPARE(m_platform->messages.shown[0].text, kWrong);
    QCOMPARE(edit(m_password.get(), "txtPassword")->text(), QString());
    QVERIFY(!button(m_password.get(), "cmdOK")->isEnabled());
    QCOMPARE(m_password->focusWidget(), edit(m_password.get(), "txtPassword"));
    QVERIFY(m_password->isVisible());
    QVERIFY(!m_menu->isVisible());
    QVERIFY(file.isEmpty() ? !m_folder->exists(kFile) : m_folder->read(kFile) == file);
}

void TestPasswordWindows::okEnabledExactlyWhileTextIsNotBlank_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("blanks") << QStringLiteral("   ") << false;
    QTest::newRow("control characters") << QStringLiteral("\t\x01") << false;
    QTest::newRow("one letter") << QStringLiteral("a") << true;
    QTest::newRow("letter among blanks") << QStringLiteral("  a  ") << true;
}

void TestPasswordWindows::okEnabledExactlyWhileTextIsNotBlank()
{
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    QLineEdit *txt = edit(m_password.get(), "txtPassword");
    QVERIFY(!button(m_password.get(), "cmdOK")->isEnabled());
    txt->setText(QStringLiteral("x"));
    txt->setText(text);
    QCOMPARE(button(m_password.get(), "cmdOK")->isEnabled(), enabled);
}

void TestPasswordWindows::enterChecksOnlyWithText()
{
    QLineEdit *txt = edit(m_password.get(), "txtPassword");
    txt->setText(QStringLiteral("   "));
    QTest::keyClick(txt, Qt::Key_Return);
    QVERIFY(m_platform->messages.shown.isEmpty());
    QVERIFY(m_password->isVisible());

    QTest::keyClicks(txt, QStringLiteral("parolainiziale"));
    QTest::keyClick(txt, Qt::Key_Return);
    QVERIFY(m_menu->isVisible());
    QVERIFY(!m_password->isVisible());
}

void TestPasswordWindows::corruptStoredValueGivesTheReadMessage()
{
    m_folder->write(kFile, passwordFile(QStringLiteral("F0DA5CZZ")));
    login(QStringLiteral("parolainiziale"));
    QCOMPARE(m_platform->messages.shown.size(), 1);
    QCOMPARE(m_platform->messages.shown[0].kind, MessageKind::Plain);
    QCOMPARE(m_platform->messages.shown[0].text, kReadFailed);
    QCOMPARE(edit(m_password.get(), "txtPassword")->text(), QStringLiteral("parolainiziale"));
    QVERIFY(m_password->isVisible());
    QVERIFY(!m_menu->isVisible());
}

void TestPasswordWindows::exitEndsTheProgram()
{
    QSignalSpy ended(m_password.get(), &TfrmPassword::endRequested);
    button(m_password.get(), "cmdEsci")->click();
    QCOMPARE(ended.size(), 1);
    QVERIFY(!m_password->isVisible());
}

void TestPasswordWindows::changeWindowReplacesThePasswordWindow()
{
    edit(m_password.get(), "txtPassword")->setText(QStringLiteral("qualcosa"));
    edit(m_change.get(), "txtPasswordNew")->setText(QStringLiteral("rimasto"));
    button(m_password.get(), "btnCambiaPassword")->click();
    QVERIFY(m_change->isVisible());
    QVERIFY(!m_password->isVisible());
    QCOMPARE(edit(m_change.get(), "txtPasswordNew")->text(), QString());
    QCOMPARE(m_change->focusWidget(), edit(m_change.get(), "txtPasswordOld"));
    WindowShot::keep(m_change.get(), QStringLiteral("password-change"));

    button(m_change.get(), "cmdEsci")->click();
    QVERIFY(!m_change->isVisible());
    QVERIFY(m_password->isVisible());
    QCOMPARE(edit(m_password.get(), "txtPassword")->text(), QString());
    QCOMPARE(m_password->focusWidget(), edit(m_password.get(), "txtPassword"));
    QVERIFY(m_platform->messages.shown.isEmpty());
}

void TestPasswordWindows::changeOkEnabledOnlyWithAllThreeFields_data()
{
    QTest::addColumn<QString>("oldText");
    QTest::addColumn<QString>("newText");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<bool>("enabled");
    const QString a = QStringLiteral("a"), b = QStringLiteral("b"), c = QStringLiteral("c");
    QTest::newRow("all three") << a << b << c << true;
    QTest::newRow("old missing") << QString() << b << c << false;
    QTest::newRow("new blank") << a << QStringLiteral("  ") << c << false;
    QTest::newRow("confirmation missing") << a << b << QString() << false;
}

void TestPasswordWindows::changeOkEnabledOnlyWithAllThreeFields()
{
    QFETCH(QString, oldText);
    QFETCH(QString, newText);
    QFETCH(QString, confirmation);
    QFETCH(bool, enabled);
    button(m_password.get(), "btnCambiaPassword")->click();
    QVERIFY(!button(m_change.get(), "cmdOK")->isEnabled());
    edit(m_change.get(), "txtPasswordOld")->setText(oldText);
    edit(m_change.get(), "txtPasswordNew")->setText(newText);
    edit(m_change.get(), "txtConferma")->setText(confirmation);
    QCOMPARE(button(m_change.get(), "cmdOK")->isEnabled(), enabled);
}

void TestPasswordWindows::enterMovesRoundTheChangeFields()
{
    button(m_password.get(), "btnCambiaPassword")->click();
    QLineEdit *oldEdit = edit(m_change.get(), "txtPasswordOld");
    QLineEdit *newEdit = edit(m_change.get(), "txtPasswordNew");
    QLineEdit *confirmEdit = edit(m_change.get(), "txtConferma");
    QTest::keyClick(oldEdit, Qt::Key_Return);
    QCOMPARE(m_change->focusWidget(), newEdit);
    QTest::keyClick(newEdit, Qt::Key_Return);
    QCOMPARE(m_change->focusWidget(), confirmEdit);
    QTest::keyClick(confirmEdit, Qt::Key_Return);
    QCOMPARE(m_change->focusWidget(), oldEdit);
    QVERIFY(m_platform->messages.shown.isEmpty());
}

void TestPasswordWindows::changeRefusesWrongOldPassword()
{
    const QByteArray before = m_folder->read(kFile);
    change(QStringLiteral("sbagliata"), QStringLiteral("nuova"), QStringLiteral("nuova"));
    QCOMPARE(m_platform->messages.shown.size(), 1);
    QCOMPARE(m_platform->messages.shown[0].kind, MessageKind::Plain);
    QCOMPARE(m_platform->messages.shown[0].text, kOldWrong);
    QCOMPARE(edit(m_change.get(), "txtPasswordOld")->text(), QString());
    QCOMPARE(edit(m_change.get(), "txtPasswordNew")->text(), QStringLiteral("nuova"));
    QCOMPARE(m_change->focusWidget(), edit(m_change.get(), "txtPasswordOld"));
    QVERIFY(m_change->isVisible());
    QCOMPARE(m_folder->read(kFile), before);
}

void TestPasswordWindows::changeRefusesConfirmationDifferingInCase()
{
    const QByteArray before = m_folder->read(kFile);
    change(QStringLiteral("PAROLAiniziale"), QStringLiteral("Nuova"), QStringLiteral("nuova"));
    QCOMPARE(m_platform->messages.shown.size(), 1);
    QCOMPARE(m_platform->messages.shown[0].kind, MessageKind::Plain);
    QCOMPARE(m_platform->messages.shown[0].text, kNotConfirmed);
    QCOMPARE(edit(m_change.get(), "txtPasswordOld")->text(), QStringLiteral("PAROLAiniziale"));
    QCOMPARE(edit(m_change.get(), "txtPasswordNew")->text(), QString());
    QCOMPARE(edit(m_change.get(), "txtConferma")->text(), QString());
    QCOMPARE(m_change->focusWidget(), edit(m_change.get(), "txtPasswordNew"));
    QCOMPARE(m_folder->read(kFile), before);
}

void TestPasswordWindows::changeStoresNewPasswordKeepingOtherLines_data()
{
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<QByteArray>("storedBytes"); // the plain form in the file's code page
    QTest::addColumn<QString>("typedLater");
    QTest::newRow("letters, blanks around the confirmation")
        << QStringLiteral("nuova") << QByteArray("NUOVA") << QStringLiteral("NuOvA");
    QTest::newRow("euro sign is byte 0x80")
        << QStringLiteral("prezzo\u20AC") << QByteArray("PREZZO\x80") << QStringLiteral("PREZZO\u20AC");
    // A character the code page lacks is stored as "?"; the same typing must still be accepted.
    QTest::newRow("character outside the code page") << QStringLiteral("\u0142\u00F3d\u017A")
                                                     << QByteArray("?\xF3"
                                                                   "D?")
                                                     << QStringLiteral("\u0142\u00F3D\u017A");
}

void TestPasswordWindows::changeStoresNewPasswordKeepingOtherLines()
{
    QFETCH(QString, newPassword);
    QFETCH(QByteArray, storedBytes);
    QFETCH(QString, typedLater);
    const QByteArray head = "; installato il 3/2/2021\r\n[Altro]\r\nChiave=valore \xE8\r\n\r\n";
    const QByteArray tail = "[Ultima]\r\nX=1\r\n";
    m_folder->write(kFile, head + "[accesso]\r\nvalore=" + Crypt::scramble(u"PAROLAINIZIALE").toLatin1() +
                               "\r\nPrima=2\r\n" + tail);

    change(QStringLiteral("parolainiziale"), newPassword, QStringLiteral("  ") + newPassword);
    QCOMPARE(m_platform->messages.shown.size(), 1);
    QCOMPARE(m_platform->messages.shown[0].kind, MessageKind::Plain);
    QCOMPARE(m_platform->messages.shown[0].text, kChanged);
    QVERIFY(!m_change->isVisible());
    QVERIFY(m_password->isVisible());

    const QString scrambled = Crypt::scramble(QString::fromLatin1(storedBytes));
    QCOMPARE(m_folder->read(kFile),
             head + "[accesso]\r\nvalore=" + scrambled.toLatin1() + "\r\nPrima=2\r\n" + tail);

    m_platform->messages.clear();
    login(QStringLiteral("parolainiziale"));
    QCOMPARE(m_platform->messages.lastText(), kWrong);
    login(typedLater);
    QVERIFY(m_menu->isVisible());
}

void TestPasswordWindows::changeFailureIsReportedAndLosesNothing_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::newRow("disk full while writing") << QStringLiteral("full");
    QTest::newRow("password file replaced by a folder") << QStringLiteral("folder");
    QTest::newRow("stored value not hexadecimal") << QStringLiteral("corrupt");
}

void TestPasswordWindows::changeFailureIsReportedAndLosesNothing()
{
    QFETCH(QString, fixture);
    if (fixture == QLatin1String("folder")) {
        QFile::remove(m_folder->file(kFile));
        QVERIFY(QDir(m_folder->path()).mkdir(kFile));
    } else if (fixture == QLatin1String("corrupt")) {
        m_folder->write(kFile, passwordFile(QStringLiteral("XY")));
    }
    const QByteArray before = m_folder->read(kFile);
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (fixture == QLatin1String("full"))
            limit = std::make_unique<FileSizeLimit>(8);
        change(QStringLiteral("parolainiziale"), QStringLiteral("nuova"), QStringLiteral("nuova"));
    }
    QCOMPARE(m_platform->messages.shown.size(), 1);
    QCOMPARE(m_platform->messages.shown[0].kind, MessageKind::Plain);
    QCOMPARE(m_platform->messages.shown[0].text, kChangeFailed);
    QVERIFY(m_change->isVisible());
    QCOMPARE(m_folder->read(kFile), before);
    // Nothing left behind by the failed write.
    QCOMPARE(QDir(m_folder->path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList{kFile});
}

QTEST_MAIN(TestPasswordWindows)
#include "tst_passwordwindows.moc"
