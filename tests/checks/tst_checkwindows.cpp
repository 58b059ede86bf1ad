#include "FakePlatform.h"
#include "WindowShot.h"
#include "WindowTestKit.h"
#include "checks/CheckDialogs.h"
#include "checks/CheckWindows.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

using WindowTestKit::nextModalOpenedBy;
using WindowTestKit::OpenedWindow;

Q_DECLARE_METATYPE(Identifier)

namespace {

std::unique_ptr<CheckDialog> makeWindow(Identifier id)
{
    switch (id) {
    case Identifier::CodFisc:
        return std::make_unique<TfrmCodFisc>();
    case Identifier::PartitaIva:
        return std::make_unique<TfrmPartitaIva>();
    case Identifier::Carta:
        return std::make_unique<TfrmCarta>();
    case Identifier::Iban:
        return std::make_unique<TfrmIban>();
    }
    return nullptr;
}

QPushButton *button(QWidget *window, const char *name)
{
    return window->findChild<QPushButton *>(QString::fromLatin1(name));
}

} // namespace

class TestCheckWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void typing_data();
    void typing();
    void typingInTheMiddleKeepsTheCursor();
    void valuePassedInIsKeptWhole_data();
    void valuePassedInIsKeptWhole();
    void longValueCannotGrowAndShrinksBackToTheLimit();
    void enterMovesToControllaThenChecks();
    void resultClosesTheWindow_data();
    void resultClosesTheWindow();
    void chiudiClosesWithoutMessage();
    void taxCodeButtonChoosesTheCheck_data();
    void taxCodeButtonChoosesTheCheck();
    void entryPointsOpenTheirWindow();
    void shots();

private:
    std::unique_ptr<FakePlatform> m_platform;
};

void TestCheckWindows::initTestCase()
{
    WindowTestKit::useProgramLook();
}

void TestCheckWindows::init()
{
    m_platform.reset(); // its destructor uninstalls the doubles: before the next one installs
    m_platform = std::make_unique<FakePlatform>();
}

void TestCheckWindows::typing_data()
{
    QTest::addColumn<Identifier>("id");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::newRow("tax code: capitals, leading blank dropped") << Identifier::CodFisc << " rssmra85"
                                                               << "RSSMRA85";
    QTest::newRow("tax code: 16 at most") << Identifier::CodFisc << "rssmra85t10a562sxyz"
                                          << "RSSMRA85T10A562S";
    QTest::newRow("tax code: a typed blank goes at once") << Identifier::CodFisc << "ab c"
                                                          << "ABC";
    QTest::newRow("VAT: only digits") << Identifier::PartitaIva << "12a3 4-5.6"
                                      << "123456";
    QTest::newRow("VAT: 11 at most") << Identifier::PartitaIva << "1234567096712"
                                     << "12345670967";
    QTest::newRow("VAT: backspace works") << Identifier::PartitaIva << "123\b4"
                                          << "124";
    QTest::newRow("card: only digits, no blanks") << Identifier::Carta << "4111 1111-x1111"
                                                  << "411111111111";
    QTest::newRow("card: 30 at most") << Identifier::Carta << QString(35, u'4') << QString(30, u'4');
    QTest::newRow("IBAN: any character, capitals") << Identifier::Iban << "it60-x054"
                                                   << "IT60-X054";
    QTest::newRow("IBAN: trailing blank dropped") << Identifier::Iban << "it60 "
                                                  << "IT60";
    QTest::newRow("IBAN: 27 at most") << Identifier::Iban << "it60x0542811101000000123456789"
                                      << "IT60X0542811101000000123456";
}

void TestCheckWindows::typing()
{
    QFETCH(Identifier, id);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    const auto window = makeWindow(id);
    window->show();
    QTest::keyClicks(window->edit(), typed);
    QCOMPARE(window->edit()->text(), text);
}

// Capitals are made by replacing the text: the next key must still land where the user typed.
void TestCheckWindows::typingInTheMiddleKeepsTheCursor()
{
    TfrmCodFisc window;
    window.show();
    QTest::keyClicks(window.edit(), QStringLiteral("abcd"));
    QTest::keyClick(window.edit(), Qt::Key_Home);
    QTest::keyClick(window.edit(), Qt::Key_Right);
    QTest::keyClicks(window.edit(), QStringLiteral("xy"));
    QCOMPARE(window.edit()->text(), QStringLiteral("AXYBCD"));
}

void TestCheckWindows::valuePassedInIsKeptWhole_data()
{
    QTest::addColumn<Identifier>("id");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("warning");
    QTest::newRow("IBAN in groups, 33 characters")
        << Identifier::Iban << "it60 x054 2811 1010 0000 0123 456"
        << "IT60 X054 2811 1010 0000 0123 456"
        << "Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.";
    QTest::newRow("VAT number with letters, 13 characters")
        << Identifier::PartitaIva << "IT12345670967"
        << "IT12345670967"
        << "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.";
    QTest::newRow("tax code of 17 characters")
        << Identifier::CodFisc << "rssmra85t10a562sx"
        << "RSSMRA85T10A562SX"
        << "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.";
}

// A value from a card keeps its length (and its letters), and the length warning leaves the
// window open with the focus back on the edit.
void TestCheckWindows::valuePassedInIsKeptWhole()
{
    QFETCH(Identifier, id);
    QFETCH(QString, value);
    QFETCH(QString, text);
    QFETCH(QString, warning);
    const auto window = makeWindow(id);
    window->setValue(value);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QCOMPARE(window->edit()->text(), text);

    QTest::mouseClick(button(window.get(), "btnControlla"), Qt::LeftButton);
    QCOMPARE(m_platform->messages.shown.size(), 1);
    QCOMPARE(m_platform->messages.shown.first().kind, MessageKind::Warning);
    QCOMPARE(m_platform->messages.lastText(), warning);
    QVERIFY(window->isVisible());
    QCOMPARE(window->result(), int(QDialog::Rejected));
    QTRY_COMPARE(QApplication::focusWidget(), window->edit());
}

void TestCheckWindows::longValueCannotGrowAndShrinksBackToTheLimit()
{
    TfrmIban window;
    window.setValue(QStringLiteral("IT60 X054 2811 1010 0000 0123 456"));
    window.show();
    window.edit()->setFocus();
    QTest::keyClick(window.edit(), Qt::Key_End);
    QTest::keyClicks(window.edit(), QStringLiteral("7"));
    QCOMPARE(window.edit()->text().size(), 33);

    // Once shortened to fit, the edit's own limit holds again.
    window.edit()->selectAll();
    QTest::keyClicks(window.edit(), QStringLiteral("it60x0542811101000000123456789"));
    QCOMPARE(window.edit()->text(), QStringLiteral("IT60X0542811101000000123456"));
}

void TestCheckWindows::enterMovesToControllaThenChecks()
{
    TfrmCodFisc window;
    WindowTestKit::showActive(&window);
    QCOMPARE(QApplication::focusWidget(), window.edit());
    QTest::keyClicks(window.edit(), QStringLiteral("rssmra85t10a562s"));

    QTest::keyClick(window.edit(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), button(&window, "btnControlla"));
    QVERIFY(m_platform->messages.shown.isEmpty());
    QVERIFY(window.isVisible());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(m_platform->messages.shown.size(), 1);
    QCOMPARE(m_platform->messages.shown.first().kind, MessageKind::Information);
    QCOMPARE(m_platform->messages.lastText(), QStringLiteral("Il codice fiscale digitato è VALIDO."));
    QVERIFY(!window.isVisible());
}

void TestCheckWindows::resultClosesTheWindow_data()
{
    QTest::addColumn<Identifier>("id");
    QTest::addColumn<QString>("value");
    QTest::addColumn<MessageKind>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("tax code wrong") << Identifier::CodFisc << "RSSMRA85T10A562T" << MessageKind::Warning
                                    << "Attenzione: il codice fiscale digitato è ERRATO.";
    QTest::newRow("VAT number with a letter, 11 characters")
        << Identifier::PartitaIva << "1234567096A" << MessageKind::Warning
        << "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è quindi possibile "
           "fornire "
           "informazioni relative all'Ufficio IVA che lo ha rilasciato.";
    QTest::newRow("card in groups")
        << Identifier::Carta << "4111 1111 1111 1111" << MessageKind::Information
        << "Il numero di carta di credito 4111 1111 1111 1111 risulta valido.\r\n\r\n"
           "La carta di credito è del tipo Visa.";
    QTest::newRow("card of unknown type")
        << Identifier::Carta << "3212345678901239" << MessageKind::Information
        << "Il numero di carta di credito 3212345678901239 risulta valido.\r\n\r\n"
           "Il tipo di carta di credito non è riconosciuto.";
    QTest::newRow("IBAN in small letters") << Identifier::Iban << "it60x0542811101000000123456"
                                           << MessageKind::Information << "L'IBAN digitato è VALIDO.";
}

void TestCheckWindows::resultClosesTheWindow()
{
    QFETCH(Identifier, id);
    QFETCH(QString, value);
    QFETCH(MessageKind, kind);
    QFETCH(QString, message);
    const auto window = makeWindow(id);
    window->setValue(value);
    window->show();
    QTest::mouseClick(button(window.get(), "btnControlla"), Qt::LeftButton);
    QCOMPARE(m_platform->messages.shown.size(), 1);
    QCOMPARE(m_platform->messages.shown.first().kind, kind);
    QCOMPARE(m_platform->messages.lastText(), message);
    QVERIFY(!window->isVisible());
}

void TestCheckWindows::chiudiClosesWithoutMessage()
{
    TfrmPartitaIva window;
    window.setValue(QStringLiteral("12345670967"));
    window.show();
    QTest::mouseClick(button(&window, "btnChiudi"), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QVERIFY(m_platform->messages.shown.isEmpty());
}

void TestCheckWindows::taxCodeButtonChoosesTheCheck_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("text");
    QTest::newRow("eleven digits") << "12345670967"
                                   << "TfrmPartitaIva"
                                   << "12345670967";
    QTest::newRow("digits with blanks around") << "  12345670967 "
                                               << "TfrmPartitaIva"
                                               << "12345670967";
    QTest::newRow("person's code") << " rssmra85t10a562s"
                                   << "TfrmCodFisc"
                                   << "RSSMRA85T10A562S";
    QTest::newRow("empty") << ""
                           << "TfrmCodFisc"
                           << "";
}

void TestCheckWindows::taxCodeButtonChoosesTheCheck()
{
    QFETCH(QString, field);
    QFETCH(QString, window);
    QFETCH(QString, text);
    QWidget caller;
    caller.show();
    const OpenedWindow opened =
        nextModalOpenedBy([&] { CheckWindows::openCodFiscOrPartitaIva(&caller, field); });
    QCOMPARE(opened.name, window);
    QCOMPARE(opened.text, text);
    QVERIFY(m_platform->messages.shown.isEmpty());
}

void TestCheckWindows::entryPointsOpenTheirWindow()
{
    QWidget caller;
    caller.show();
    const QString iban = QStringLiteral("IT60 X054 2811 1010 0000 0123 456");
    OpenedWindow opened = nextModalOpenedBy([&] { CheckWindows::openIban(&caller, iban); });
    QCOMPARE(opened.name, QStringLiteral("TfrmIban"));
    QCOMPARE(opened.text, iban);
    opened = nextModalOpenedBy([&] { CheckWindows::openCarta(&caller, QStringLiteral("4111-1111")); });
    QCOMPARE(opened.name, QStringLiteral("TfrmCarta"));
    QCOMPARE(opened.text, QStringLiteral("4111-1111"));
    opened = nextModalOpenedBy([&] { CheckWindows::openPartitaIva(&caller, QStringLiteral("ABC")); });
    QCOMPARE(opened.name, QStringLiteral("TfrmPartitaIva"));
    QCOMPARE(opened.text, QStringLiteral("ABC"));
    opened = nextModalOpenedBy([&] { CheckWindows::openCodFisc(&caller, QStringLiteral("12345670967")); });
    QCOMPARE(opened.name, QStringLiteral("TfrmCodFisc"));
}

void TestCheckWindows::shots()
{
    const struct
    {
        Identifier id;
        const char *name;
        const char *value;
    } windows[] = {
        {Identifier::CodFisc, "TfrmCodFisc", "RSSMRA85T10A562S"},
        {Identifier::PartitaIva, "TfrmPartitaIva", "12345670967"},
        {Identifier::Carta, "TfrmCarta", "4111 1111 1111 1111"},
        {Identifier::Iban, "TfrmIban", "IT60X0542811101000000123456"},
    };
    for (const auto &w : windows) {
        const auto window = makeWindow(w.id);
        window->setValue(QString::fromLatin1(w.value));
        WindowShot::keep(window.get(), QString::fromLatin1(w.name));
    }
    TfrmIban longValue;
    longValue.setValue(QStringLiteral("IT60 X054 2811 1010 0000 0123 456"));
    WindowShot::keep(&longValue, QStringLiteral("TfrmIban-33"));
}

QTEST_MAIN(TestCheckWindows)
#include "tst_checkwindows.moc"
