// The key filters and text rules of card fields, on a bare edit: what typing keeps, what
// pasting keeps, and how upper-casing and trimming rewrite the text.
#include "WindowTestKit.h"
#include "shell/card/KeyFilters.h"
#include "shell/card/TextRuleWatcher.h"

#include <QClipboard>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

using namespace WindowTestKit;

Q_DECLARE_METATYPE(KeyRule)
Q_DECLARE_METATYPE(TextRules)

namespace {

// A window with the edit under test and a second edit to move the focus to.
struct Host
{
    QWidget window;
    QLineEdit *edit = new QLineEdit;
    QLineEdit *other = new QLineEdit;

    Host(KeyRule keys, TextRules rules = {})
    {
        auto *l = new QVBoxLayout(&window);
        l->addWidget(edit);
        l->addWidget(other);
        if (KeyFilter *f = KeyFilter::create(keys, edit))
            edit->installEventFilter(f);
        if (rules)
            new TextRuleWatcher(edit, edit, rules, edit);
        showActive(&window);
        edit->setFocus();
    }
};

const QString kRefusedByRestricted = QString::fromUtf8(
    "&/"
    "<>\u00A3\u00B0\u00C0\u00C1\u00C2\u00C4\u00C7\u00C8\u00C9\u00CA\u00CB\u00CC\u00CD\u00CE\u00CF\u00D1\u00D2"
    "\u00D3\u00D4\u00D6\u00D9\u00DA\u00DB\u00DC\u00E0\u00E1\u00E2\u00E4\u00E7\u00E8\u00E9\u00EA\u00EB\u00EC"
    "\u00ED\u00EE\u00EF\u00F1\u00F2\u00F3\u00F4\u00F6\u00F9\u00FA\u00FB\u00FC");

} // namespace

class TestInputRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void typedKeys_data()
    {
        QTest::addColumn<KeyRule>("rule");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        // clang-format off
        QTest::newRow("digits only") << KeyRule::Digits << "a1-2 3,4" << "1234";
        QTest::newRow("digits and comma") << KeyRule::DigitsComma << "1a,5.-" << "1,5";
        QTest::newRow("restricted refuses its whole set") << KeyRule::Restricted << kRefusedByRestricted << "";
        const QString others = QString::fromUtf8("D'Angelo-Rossi \u00C3\u00C5\u00D5\u00E5 @.,+()\"");
        QTest::newRow("restricted keeps other letters and signs") << KeyRule::Restricted << others << others;
        QTest::newRow("restricted with ampersand")
            << KeyRule::RestrictedAmpersand << QString::fromUtf8("B&B \u00E8/\u00B0") << "B&B ";
        QTest::newRow("free keeps everything")
            << KeyRule::Free << QString::fromUtf8("&\u00E8\u00A3/") << QString::fromUtf8("&\u00E8\u00A3/");
        QTest::newRow("no typing") << KeyRule::NoTyping << "12ab" << "";
        QTest::newRow("free refuses what the archive cannot hold")
            << KeyRule::Free << QString::fromUtf8("\u0151x\u2713\u20AC\u0141\u2013") << QString::fromUtf8("x\u20AC\u2013");
        QTest::newRow("restricted refuses it too")
            << KeyRule::Restricted << QString::fromUtf8("a\u0151b") << "ab";
        // clang-format on
    }
    void typedKeys()
    {
        QFETCH(KeyRule, rule);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        Host h(rule);
        type(h.edit, typed);
        QCOMPARE(h.edit->text(), kept);
    }

    void editingKeysStillWorkInDigitFields()
    {
        Host h(KeyRule::Digits);
        type(h.edit, QStringLiteral("12345"));
        QTest::keyClick(h.edit, Qt::Key_Left);
        QTest::keyClick(h.edit, Qt::Key_Left);
        QTest::keyClick(h.edit, Qt::Key_Backspace); // removes 3
        QTest::keyClick(h.edit, Qt::Key_Delete);    // removes 4
        QTest::keyClick(h.edit, Qt::Key_Right);
        type(h.edit, QStringLiteral("9"));
        QCOMPARE(h.edit->text(), QStringLiteral("1259"));
    }

    void noTypingAlsoRefusesDeletion()
    {
        Host h(KeyRule::NoTyping);
        h.edit->setText(QStringLiteral("Marzo"));
        QTest::keyClick(h.edit, Qt::Key_Backspace);
        QTest::keyClick(h.edit, Qt::Key_Home);
        QTest::keyClick(h.edit, Qt::Key_Delete);
        QCOMPARE(h.edit->text(), QStringLiteral("Marzo"));
    }

    void pastedTextIsNotFiltered_data()
    {
        QTest::addColumn<KeyRule>("rule");
        // clang-format off
        QTest::newRow("digits") << KeyRule::Digits;
        QTest::newRow("restricted") << KeyRule::Restricted;
        QTest::newRow("restricted with ampersand") << KeyRule::RestrictedAmpersand;
        // clang-format on
    }
    void pastedTextIsNotFiltered()
    {
        QFETCH(KeyRule, rule);
        Host h(rule);
        QApplication::clipboard()->setText(QString::fromUtf8("\u00E8/&x"));
        QTest::keyClick(h.edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(h.edit->text(), QString::fromUtf8("\u00E8/&x"));
    }

    void rewriteOnChange_data()
    {
        QTest::addColumn<TextRules>("rules");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("upper only a-z, blanks kept")
            << TextRules(TextRuleSets::Upper) << QString::fromUtf8(" m\u00E8 x") << QString::fromUtf8(" M\u00E8 X");
        QTest::newRow("trim and upper") << TextRules(TextRuleSets::TrimUpper) << " it60 x" << "IT60X";
        QTest::newRow("trim only") << TextRules(TextRuleSets::Trim) << " a@b.it " << "a@b.it";
        // clang-format on
    }
    void rewriteOnChange()
    {
        QFETCH(TextRules, rules);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        Host h(KeyRule::Free, rules);
        type(h.edit, typed);
        QCOMPARE(h.edit->text(), shown);
    }

    void pastedTextIsRewrittenToo()
    {
        Host h(KeyRule::Restricted, TextRuleSets::TrimUpper);
        QApplication::clipboard()->setText(QStringLiteral("  rssmra80a01h501u "));
        QTest::keyClick(h.edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(h.edit->text(), QStringLiteral("RSSMRA80A01H501U"));
    }

    void upperCasingKeepsTheCursorWhereTheUserTypes()
    {
        Host h(KeyRule::Free, TextRuleSets::TrimUpper);
        type(h.edit, QStringLiteral("abc"));
        QTest::keyClick(h.edit, Qt::Key_Left);
        QTest::keyClick(h.edit, Qt::Key_Left);
        type(h.edit, QStringLiteral("x"));
        QCOMPARE(h.edit->text(), QStringLiteral("AXBC"));
        QCOMPARE(h.edit->cursorPosition(), 2);
    }

    // Change rules act on every change, the program's too (a loaded record shows as Save stores
    // it); leave rules when the user leaves the field.
    void textRulesOnSettingAndLeaving_data()
    {
        QTest::addColumn<TextRules>("rules");
        QTest::addColumn<QString>("afterSetting");
        QTest::addColumn<QString>("afterLeaving");
        // clang-format off
        QTest::newRow("trim and upper, on change and on leaving")
            << TextRules(TextRuleSets::TrimUpperAlsoOnLeave) << "MI" << "MI";
        QTest::newRow("upper on change, trim and upper on leaving (provinces)")
            << (TextRule::UpperOnChange | TextRule::TrimOnLeave | TextRule::UpperOnLeave) << " MI " << "MI";
        QTest::newRow("only on leaving") << (TextRule::TrimOnLeave | TextRule::UpperOnLeave) << " mi " << "MI";
        QTest::newRow("only on change") << TextRules(TextRuleSets::TrimUpper) << "MI" << "MI";
        QTest::newRow("trim only") << TextRules(TextRuleSets::Trim) << "mi" << "mi";
        QTest::newRow("no rules") << TextRules() << " mi " << " mi ";
        // clang-format on
    }
    void textRulesOnSettingAndLeaving()
    {
        QFETCH(TextRules, rules);
        Host h(KeyRule::Free, rules);
        h.edit->setText(QStringLiteral(" mi ")); // as a loaded record sets it
        QTEST(h.edit->text(), "afterSetting");
        h.other->setFocus();
        QTEST(h.edit->text(), "afterLeaving");
    }
};

QTEST_MAIN(TestInputRules)
#include "tst_inputrules.moc"
