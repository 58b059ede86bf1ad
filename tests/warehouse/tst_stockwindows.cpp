// The two small windows of the item card, driven directly: the stock adjustment window (keys,
// Enter, focus-loss rule, "Calcola totale", "Applica e chiudi") and the extra data window.
#include "FakePlatform.h"
#include "TestFolder.h"
#include "WindowShot.h"
#include "WindowTestKit.h"
#include "warehouse/TfrmDatiPneumatici.h"
#include "warehouse/TfrmGiacenza.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace WindowTestKit;
using StockAdjustment::Direction;
class TestStockWindows : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { useProgramLook(); }

    void stockEditsTakeDigitsOnlyAndEmptyPastSixteen_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::newRow("current stock") << "txtGiacenza";
        QTest::newRow("quantity") << "txtAggiunta";
    }
    void stockEditsTakeDigitsOnlyAndEmptyPastSixteen()
    {
        QFETCH(QString, edit);
        TfrmGiacenza window(Direction::Add);
        window.setTexts({QStringLiteral("5"), QStringLiteral("0"), QStringLiteral("5")});
        showActive(&window);
        auto *e = find<QLineEdit>(&window, edit);
        e->setFocus();
        e->clear();
        QTest::keyClicks(e, QStringLiteral("1a-2,3 4"));
        QCOMPARE(e->text(), QStringLiteral("1234"));
        QTest::keyClicks(e, QStringLiteral("567890123456"));
        QCOMPARE(e->text(), QStringLiteral("1234567890123456")); // the sixteenth digit stays
        QTest::keyClick(e, Qt::Key_7);
        QCOMPARE(e->text(), QString()); // the next key empties it, and is not typed
        QTest::keyClick(e, Qt::Key_8);
        QCOMPARE(e->text(), QStringLiteral("8"));
    }

    void enterLeadsToCalcolaTotale()
    {
        TfrmGiacenza window(Direction::Subtract);
        window.setTexts(StockAdjustment::opening(QStringLiteral("5")).window);
        showActive(&window);
        QCOMPARE(focusedName(), QStringLiteral("txtGiacenza"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(focusedName(), QStringLiteral("txtAggiunta"));
        auto *quantity = find<QLineEdit>(&window, QStringLiteral("txtAggiunta"));
        quantity->selectAll();
        QTest::keyClicks(quantity, QStringLiteral("8"));
        QTest::keyClick(quantity, Qt::Key_Return);
        QCOMPARE(focusedName(), QStringLiteral("btnTotale"));
        QVERIFY(window.isVisible()); // Enter in an edit never closes the window
        QCOMPARE(find<QLineEdit>(&window, QStringLiteral("txtTotale"))->text(), QStringLiteral("5"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(find<QLineEdit>(&window, QStringLiteral("txtTotale"))->text(), QStringLiteral("-3"));
        QVERIFY(window.isVisible());
    }

    void leavingAnEditWritesAWholeNumber_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("shown");
        QTest::newRow("blank") << ""
                               << "0";
        QTest::newRow("decimals") << "7,6"
                                  << "8";
        QTest::newRow("letters") << "tre"
                                 << "0";
        QTest::newRow("leading zeros") << "007"
                                       << "7";
    }
    void leavingAnEditWritesAWholeNumber()
    {
        QFETCH(QString, pasted);
        TfrmGiacenza window(Direction::Add);
        showActive(&window);
        auto *stock = find<QLineEdit>(&window, QStringLiteral("txtGiacenza"));
        stock->setFocus();
        stock->setText(pasted);
        QTest::keyClick(stock, Qt::Key_Return);
        QCOMPARE(focusedName(), QStringLiteral("txtAggiunta"));
        QTEST(stock->text(), "shown");
    }

    void totalAndApply_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("stock");
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("total");
        QTest::newRow("add") << int(Direction::Add) << "5"
                             << "3"
                             << "8";
        QTest::newRow("subtract below zero") << int(Direction::Subtract) << "5"
                                             << "8"
                                             << "-3";
        QTest::newRow("blank quantity") << int(Direction::Add) << "5"
                                        << ""
                                        << "5";
        QTest::newRow("unreadable stock resets all") << int(Direction::Subtract) << "5x"
                                                     << "2"
                                                     << "0";
    }
    void totalAndApply()
    {
        QFETCH(int, direction);
        QFETCH(QString, stock);
        QFETCH(QString, quantity);
        QFETCH(QString, total);
        const auto way = static_cast<Direction>(direction);
        {
            TfrmGiacenza window(way);
            window.setTexts({stock, quantity, stock});
            find<QPushButton>(&window, QStringLiteral("btnTotale"))->click();
            QCOMPARE(window.texts().totale, total);
            QVERIFY(find<QLineEdit>(&window, QStringLiteral("txtTotale"))->isReadOnly());
        }
        // "Applica e chiudi" computes the total itself.
        TfrmGiacenza window(way);
        window.setTexts({stock, quantity, stock});
        find<QPushButton>(&window, QStringLiteral("btnAggiorna"))->click();
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(window.appliedStock(), total);
    }

    void adjustOpensOnTheCardsStock()
    {
        std::optional<QString> result;
        StockAdjustment::Texts opened;
        withNextModal(
            [&] { result = TfrmGiacenza::adjust(nullptr, Direction::Add, QStringLiteral(" 12 ")); },
            [&](QDialog *modal) {
                auto *window = qobject_cast<TfrmGiacenza *>(modal);
                if (!window)
                    qFatal("not the stock window");
                opened = window->texts();
                find<QLineEdit>(window, QStringLiteral("txtAggiunta"))->setText(QStringLiteral("10"));
                find<QPushButton>(window, QStringLiteral("btnAggiorna"))->click();
            });
        QCOMPARE(opened.giacenza, QStringLiteral("12"));
        QCOMPARE(opened.aggiunta, QStringLiteral("0"));
        QCOMPARE(opened.totale, QStringLiteral("12"));
        QCOMPARE(result, std::optional<QString>(QStringLiteral("22")));

        withNextModal(
            [&] { result = TfrmGiacenza::adjust(nullptr, Direction::Add, QStringLiteral("12")); },
            [&](QDialog *modal) {
                find<QLineEdit>(modal, QStringLiteral("txtAggiunta"))->setText(QStringLiteral("10"));
                QTest::keyClick(modal, Qt::Key_Escape);
            });
        QVERIFY(!result);
    }

    void extraDataWindow_data()
    {
        QTest::addColumn<bool>("apply");
        QTest::newRow("applica e chiudi") << true;
        QTest::newRow("annulla") << false;
    }
    void extraDataWindow()
    {
        QFETCH(bool, apply);
        const DatiPneumatici stored{QStringLiteral(" 55"), QStringLiteral("205 "), QStringLiteral("16"),
                                    QStringLiteral("03/2027")};
        DatiPneumatici data = stored;
        QStringList shown;
        QStringList order;
        QString title;
        QString instruction;
        bool applied = false;
        withNextModal([&] { applied = TfrmDatiPneumatici::edit(nullptr, data); },
                      [&](QDialog *modal) {
                          if (!QTest::qWaitForWindowActive(modal))
                              qFatal("extra data window not active");
                          title = modal->windowTitle();
                          instruction = find<QLabel>(modal, QStringLiteral("lblIstruzioni"))->text();
                          for (const char *name : {"txtConsumo", "txtAderenza", "txtRumore", "txtOnde"}) {
                              auto *e = find<QLineEdit>(modal, QLatin1StringView(name));
                              shown << e->text();
                              QCOMPARE(e->maxLength(), 30);
                          }
                          // Enter walks height, width, length, expiry, then the apply button.
                          for (int i = 0; i < 5; ++i) {
                              order << focusedName();
                              if (i == 0) {
                                  QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
                                  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("0"));
                              }
                              if (i < 4)
                                  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                          }
                          find<QLineEdit>(modal, QStringLiteral("txtOnde"))->setText(QStringLiteral("  "));
                          if (apply)
                              QTest::keyClick(QApplication::focusWidget(),
                                              Qt::Key_Return); // Enter on "Applica e chiudi"
                          else
                              find<QPushButton>(modal, QStringLiteral("btnAnnulla"))->click();
                      });
        QCOMPARE(title, QStringLiteral(" Altre informazioni"));
        QCOMPARE(instruction,
                 QStringLiteral("Inserire i dati, fare clic su Applica e chiudi e poi sul pulsante Salva "
                                "per salvare le modifiche."));
        QCOMPARE(shown, QStringList({"55", "205", "16", "03/2027"}));
        QCOMPARE(order, QStringList({"txtConsumo", "txtAderenza", "txtRumore", "txtOnde", "btnApplica"}));
        QCOMPARE(applied, apply);
        if (apply)
            QCOMPARE(data, (DatiPneumatici{
                               QStringLiteral("550"), QStringLiteral("205"), QStringLiteral("16"), {}}));
        else
            QCOMPARE(data, stored);
    }
};

QTEST_MAIN(TestStockWindows)
#include "tst_stockwindows.moc"
