#include "FakePlatform.h"
#include "TestFolder.h"
#include "WindowShot.h"
#include "WindowTestKit.h"
#include "quotes/TfrmDatiVeicolo.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using WindowTestKit::withNextModal;

namespace {

const QStringList kEdits = {QStringLiteral("txtVeicolo"),       QStringLiteral("txtMarca"),
                            QStringLiteral("txtColore"),        QStringLiteral("txtImmatricolazione"),
                            QStringLiteral("txtAlimentazione"), QStringLiteral("txtTarga")};

DatiTrasporto stored()
{
    return {QStringLiteral("Via Roma 1, Milano"),
            QStringLiteral("Corriere Espresso"),
            QStringLiteral("Scatole"),
            QStringLiteral("Franco"),
            QStringLiteral("Vendita"),
            QStringLiteral("3")};
}

QLineEdit *edit(QWidget *window, const QString &name)
{
    return WindowTestKit::find<QLineEdit>(window, name);
}

} // namespace

class TestTransportWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { WindowTestKit::useProgramLook(); }
    void applicaHandsBackTheTrimmedTexts();
    void leavingWithoutApplyingChangesNothing_data();
    void leavingWithoutApplyingChangesNothing();
    void fieldsShowTheQuotesTextsWithTheirLimits();
    void enterWalksTheFieldsRound();
    void otherModesHandBackNothing();
};

void TestTransportWindow::applicaHandsBackTheTrimmedTexts()
{
    TestFolder folder;
    FakePlatform platform;
    DatiTrasporto data = stored();
    QString focused;
    QString title;
    bool applied = false;
    withNextModal([&] { applied = TfrmDatiVeicolo::edit(nullptr, data); },
                  [&](QDialog *dialog) {
                      focused = dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
                      title = dialog->windowTitle();
                      edit(dialog, QStringLiteral("txtMarca"))->setText(QStringLiteral("  Vettore Nuovo  "));
                      edit(dialog, QStringLiteral("txtTarga"))->setText(QStringLiteral(" 12"));
                      WindowShot::keep(dialog, QStringLiteral("TfrmDatiVeicolo"));
                      WindowTestKit::click(dialog, QStringLiteral("btnApplica"));
                  });
    QVERIFY(applied);

    DatiTrasporto expected = stored();
    expected.memMarca = QStringLiteral("Vettore Nuovo");
    expected.memTarga = QStringLiteral("12");
    QCOMPARE(data, expected);
    QCOMPARE(title, QStringLiteral(" Altre informazioni"));
    QCOMPARE(focused, QStringLiteral("txtVeicolo"));
    // Nothing is written: the values reach the file with the quote's Save.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
    QCOMPARE(platform.messages.shown.size(), 0);
}

void TestTransportWindow::leavingWithoutApplyingChangesNothing_data()
{
    QTest::addColumn<bool>("byAnnulla");
    QTest::newRow("Annulla") << true;
    QTest::newRow("window frame") << false;
}

void TestTransportWindow::leavingWithoutApplyingChangesNothing()
{
    QFETCH(bool, byAnnulla);
    TestFolder folder;
    FakePlatform platform;
    DatiTrasporto data = stored();
    data.memColore = QStringLiteral("  Sfuso "); // as a damaged record might hold it
    const DatiTrasporto before = data;
    bool applied = true;
    withNextModal([&] { applied = TfrmDatiVeicolo::edit(nullptr, data); },
                  [&](QDialog *dialog) {
                      for (const QString &name : kEdits)
                          edit(dialog, name)->setText(QStringLiteral("cambiato"));
                      if (byAnnulla)
                          WindowTestKit::click(dialog, QStringLiteral("btnAnnulla"));
                      else
                          dialog->close();
                  });
    QVERIFY(!applied);
    QCOMPARE(data, before);
}

void TestTransportWindow::fieldsShowTheQuotesTextsWithTheirLimits()
{
    TestFolder folder;
    FakePlatform platform;
    TfrmDatiVeicolo dialog;
    DatiTrasporto data = stored();
    data.memVeicolo = QStringLiteral("  Via Roma 1, Milano  ");
    dialog.setData(data);
    dialog.show();
    QCOMPARE(edit(&dialog, QStringLiteral("txtVeicolo"))->text(), QStringLiteral("Via Roma 1, Milano"));
    QCOMPARE(edit(&dialog, QStringLiteral("txtTarga"))->text(), QStringLiteral("3"));

    const QList<int> limits = {50, 50, 50, 30, 50, 30};
    for (int i = 0; i < kEdits.size(); ++i) {
        QLineEdit *e = edit(&dialog, kEdits[i]);
        e->clear();
        QTest::keyClicks(e, QString(60, u'x'));
        QCOMPARE(e->text().size(), limits[i]);
    }
    // The labels, in the order of the fields.
    QStringList labels;
    for (QLabel *label : dialog.findChildren<QLabel *>()) {
        if (label->buddy())
            labels << label->text();
    }
    QCOMPARE(labels,
             (QStringList{QStringLiteral("Destinazione merce:"), QStringLiteral("Vettore:"),
                          QStringLiteral("Aspetto esteriore dei beni:"), QStringLiteral("Porto:"),
                          QStringLiteral("Causale del trasporto:"), QStringLiteral("Numero colli:")}));
}

void TestTransportWindow::enterWalksTheFieldsRound()
{
    TestFolder folder;
    FakePlatform platform;
    TfrmDatiVeicolo dialog;
    dialog.setMode(QStringLiteral("preventivi"));
    WindowTestKit::showActive(&dialog);
    QVERIFY(edit(&dialog, kEdits[0])->hasFocus());

    WindowTestKit::checkEnterWalksRound(kEdits);
    if (QTest::currentTestFailed())
        return;
    // Enter never closes the dialog as a default button would.
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));

    // The focused field, and only it, sits on its yellow frame.
    for (const QString &name : {kEdits[0], kEdits[3]}) {
        QLineEdit *focused = edit(&dialog, name);
        focused->setFocus();
        QWidget *shownFrame = nullptr;
        int shown = 0;
        for (QWidget *frame : dialog.findChildren<QWidget *>(QStringLiteral("focusFrame"))) {
            if (frame->isVisible()) {
                ++shown;
                shownFrame = frame;
            }
        }
        QCOMPARE(shown, 1);
        QVERIFY(shownFrame->geometry().contains(focused->geometry()));
    }
}

void TestTransportWindow::otherModesHandBackNothing()
{
    TestFolder folder;
    FakePlatform platform;
    TfrmDatiVeicolo dialog;
    dialog.setData(stored());
    dialog.show();
    edit(&dialog, QStringLiteral("txtMarca"))->setText(QStringLiteral("altro"));
    dialog.findChild<QPushButton *>(QStringLiteral("btnApplica"))->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

QTEST_MAIN(TestTransportWindow)
#include "tst_transportwindow.moc"
