// The one rule of what leaving a field means, on a bare window: the focus moving to another field
// rewrites the text; a picture button, a popup, a message box or another window do not, and the
// field is rewritten when the user does leave it afterwards.
#include "WindowTestKit.h"
#include "shell/card/LeaveRule.h"

#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

using namespace WindowTestKit;

namespace {

enum class Away {
    NextFieldByTab,
    ClickOnAnotherField,
    ProgramMovesFocus,
    PictureButton,
    Popup,
    MessageBox,
    AnotherWindow
};

struct Host
{
    QWidget window;
    QLineEdit *edit = new QLineEdit;
    QLineEdit *other = new QLineEdit;
    QToolButton *picture = new QToolButton;
    int settledClicks = 0;

    Host()
    {
        auto *l = new QVBoxLayout(&window);
        l->addWidget(edit);
        l->addWidget(other);
        l->addWidget(picture);
        picture->setText(QStringLiteral("Calcola"));
        picture->setFocusPolicy(Qt::NoFocus); // as every picture button of the program
        LeaveRule::install(edit, [](const QString &text) { return text.trimmed().toUpper(); });
        showActive(&window);
        edit->setFocus();
        edit->setText(QStringLiteral(" mi "));
    }
};

// Moves the focus away from the edit in one way; returns once the focus has gone where it goes.
void goAway(Host &h, Away away)
{
    switch (away) {
    case Away::NextFieldByTab:
        QTest::keyClick(h.edit, Qt::Key_Tab);
        break;
    case Away::ClickOnAnotherField:
        QTest::mouseClick(h.other, Qt::LeftButton);
        break;
    case Away::ProgramMovesFocus:
        h.other->setFocus(Qt::OtherFocusReason);
        break;
    case Away::PictureButton:
        QTest::mouseClick(h.picture, Qt::LeftButton);
        break;
    case Away::Popup: {
        QMenu menu;
        menu.addAction(QStringLiteral("Copia"));
        menu.popup(h.edit->mapToGlobal(QPoint(4, 4)));
        QTRY_VERIFY(QApplication::activePopupWidget() == &menu);
        menu.close();
        break;
    }
    case Away::MessageBox: {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Quadrivo"), QStringLiteral("Attenzione"),
                        QMessageBox::Ok, &h.window);
        box.open();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        box.accept();
        break;
    }
    case Away::AnotherWindow: {
        QWidget elsewhere;
        showActive(&elsewhere);
        elsewhere.close();
        break;
    }
    }
}

} // namespace

Q_DECLARE_METATYPE(Away)

class TestLeaveRule : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void focusGoingAway_data()
    {
        QTest::addColumn<Away>("away");
        QTest::addColumn<bool>("leaves");
        QTest::newRow("next field (Tab)") << Away::NextFieldByTab << true;
        QTest::newRow("click on another field") << Away::ClickOnAnotherField << true;
        QTest::newRow("the program moves the focus") << Away::ProgramMovesFocus << true;
        QTest::newRow("click on a picture button") << Away::PictureButton << false;
        QTest::newRow("popup (context menu)") << Away::Popup << false;
        QTest::newRow("message box") << Away::MessageBox << false;
        QTest::newRow("another window") << Away::AnotherWindow << false;
    }
    void focusGoingAway()
    {
        QFETCH(Away, away);
        QFETCH(bool, leaves);
        Host h;
        goAway(h, away);
        QCOMPARE(h.edit->text(), leaves ? QStringLiteral("MI") : QStringLiteral(" mi "));
        if (leaves)
            return;
        // Back in the field, as it was; leaving it now is leaving.
        showActive(&h.window);
        h.edit->setFocus(Qt::ActiveWindowFocusReason);
        QTRY_VERIFY(h.edit->hasFocus());
        QCOMPARE(h.edit->text(), QStringLiteral(" mi "));
        QTest::keyClick(h.edit, Qt::Key_Tab);
        QCOMPARE(h.edit->text(), QStringLiteral("MI"));
    }

    void settleAppliesTheFocusedFieldsRuleOnly()
    {
        Host h;
        h.other->setText(QStringLiteral(" no "));
        LeaveRule::settle(&h.window);
        QCOMPARE(h.edit->text(), QStringLiteral("MI"));
        QCOMPARE(h.other->text(), QStringLiteral(" no "));
        QVERIFY(h.edit->hasFocus());
        // Nothing focused in a field with a rule: nothing happens.
        h.edit->setText(QStringLiteral(" di "));
        h.other->setFocus();
        h.edit->setText(QStringLiteral(" di "));
        LeaveRule::settle(&h.window);
        QCOMPARE(h.edit->text(), QStringLiteral(" di "));
    }
};

QTEST_MAIN(TestLeaveRule)
#include "tst_leaverule.moc"
