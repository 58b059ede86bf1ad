// How the card builder lays out and names what a card asks for: captions above the fields of a
// captioned line, lists that are picked and never typed, lines in the middle of a tall section, and
// controls named after the stored names of a record that stores its control names.
#include "FakePlatform.h"
#include "TestFolder.h"
#include "WindowTestKit.h"
#include "shell/card/CardOf.h"
#include "shell/card/CardSection.h"
#include "shell/card/CardWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using namespace WindowTestKit;

namespace {

enum DateField { Giorno, Mese, Avviso, Nota, Flag, Ora };

const RecordLayout &dateLayout()
{
    static const RecordLayout layout(QStringLiteral("TSchedaData"), {{QStringLiteral("Giorno"), 2},
                                                                     {QStringLiteral("Mese"), 10},
                                                                     {QStringLiteral("Avviso"), 3},
                                                                     {QStringLiteral("Nota"), 20},
                                                                     {QStringLiteral("Flag"), 2},
                                                                     {QStringLiteral("Ora"), 5}});
    return layout;
}

const RecordLayout &layoutOf(DateField)
{
    return dateLayout();
}

const QStringList kMonths{QStringLiteral("gennaio"), QStringLiteral("febbraio")};

// A date in two lists with the year beside them, a notice in a section as tall as the date's, and
// the same notice without centring for comparison.
class DateCard : public CardOf<DateField>
{
public:
    QLabel *year = new QLabel(QStringLiteral("2024"));

    DateCard()
        : CardOf(
              Config(dateLayout(), QStringLiteral("Data.dat"), QStringLiteral(" Data"), HelpPage::Generale))
    {
        addCommand(CardCommand::Nuovo);
        addCommand(CardCommand::Salva);
        QFont big = year->font();
        big.setPointSizeF(big.pointSizeF() * 2.2);
        year->setFont(big);
        addSection(QStringLiteral("Data"), 0, 0)
            ->captionedRow(12)
            .list(Giorno, QStringLiteral("Giorno:"), {QStringLiteral("01"), QStringLiteral("02")}, 2)
            .list(Mese, QStringLiteral("Mese:"), kMonths, 9)
            .tall(year);
        addSection(QStringLiteral("Preavviso"), 0, 1)
            ->centred()
            .row()
            .edit(Avviso, QStringLiteral("Avvisa n."))
            .words(QStringLiteral("giorni prima."));
        addSection(QStringLiteral("Nota"), 0, 2)
            ->row()
            .edit(Nota, QStringLiteral("Nota:"))
            .check(Flag, QStringLiteral("Segno"), {});
        addHiddenField(Ora);
        finishCard();
    }
};

enum QuoteField { txtNome, chkSaldata, memTarga };

const RecordLayout &quoteLayout()
{
    static const RecordLayout layout(QStringLiteral("TSchedaNomi"), {{QStringLiteral("txtNome"), 20},
                                                                     {QStringLiteral("chkSaldata"), 2},
                                                                     {QStringLiteral("memTarga"), 10}});
    return layout;
}

const RecordLayout &layoutOf(QuoteField)
{
    return quoteLayout();
}

class StoredNamesCard : public CardOf<QuoteField>
{
public:
    StoredNamesCard() : CardOf(config())
    {
        addSection(QStringLiteral("Nomi"), 0, 0)
            ->row()
            .edit(txtNome, QStringLiteral("Nome:"))
            .check(chkSaldata, QStringLiteral("Saldata"), {});
        addHiddenField(memTarga);
        finishCard();
    }
    static Config config()
    {
        Config c(quoteLayout(), QStringLiteral("Nomi.dat"), QStringLiteral(" Nomi"), HelpPage::Generale);
        c.storedNamesAreControlNames = true;
        return c;
    }
};

QLabel *captionOf(QWidget *window, const QWidget *field)
{
    for (QLabel *label : window->findChildren<QLabel *>())
        if (label->buddy() == field)
            return label;
    qFatal("%s has no caption", qPrintable(field->objectName()));
}

QRect in(const QWidget *window, const QWidget *w)
{
    return QRect(w->mapTo(window, QPoint(0, 0)), w->size());
}

} // namespace

class TestCardSection : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { useProgramLook(); }

    void captionsStandAboveTheirFieldsAndTheTallWidgetSpansBoth()
    {
        TestFolder folder;
        FakePlatform platform;
        DateCard card;
        card.show();
        QVERIFY(QTest::qWaitForWindowExposed(&card));
        auto *giorno = find<QComboBox>(&card, QStringLiteral("txtGiorno"));
        auto *mese = find<QComboBox>(&card, QStringLiteral("txtMese"));
        for (QComboBox *field : {giorno, mese}) {
            const QRect caption = in(&card, captionOf(&card, field));
            const QRect box = in(&card, field);
            QVERIFY2(caption.bottom() < box.top(), qPrintable(field->objectName()));
            QCOMPARE(caption.left(), box.left());
        }
        QVERIFY(in(&card, mese).left() > in(&card, giorno).right());
        const QRect year = in(&card, card.year);
        QVERIFY(year.left() > in(&card, mese).right());
        QVERIFY(year.top() <= in(&card, captionOf(&card, mese)).top());
        QVERIFY(year.bottom() >= in(&card, mese).bottom());
        QCOMPARE(card.year->font().pointSizeF(), card.font().pointSizeF() * 2.2); // keeps its own font
    }

    void aListIsPickedNeverTypedAndShowsNoOtherText()
    {
        TestFolder folder;
        FakePlatform platform;
        writeFile(folder.file(QStringLiteral("Data.dat")),
                  record(dateLayout(), {{QStringLiteral("Giorno"), QStringLiteral("02")},
                                        {QStringLiteral("Mese"), QStringLiteral("marzo")}}));
        DateCard card;
        showActive(&card);
        auto *giorno = find<QComboBox>(&card, QStringLiteral("txtGiorno"));
        auto *mese = find<QComboBox>(&card, QStringLiteral("txtMese"));
        QVERIFY(!giorno->isEditable());
        giorno->setFocus();
        type(giorno, QStringLiteral("0g"));
        QCOMPARE(giorno->currentIndex(), -1);
        pressEnter(giorno);
        QCOMPARE(focusedName(), QStringLiteral("txtMese"));

        click(&card, QStringLiteral("cmdPrimo"));
        QCOMPARE(giorno->currentText(), QStringLiteral("02"));
        QCOMPARE(mese->currentIndex(), -1); // "marzo" is not in the list
        QCOMPARE(mese->currentText(), QString());
    }

    void aCentredLineHasAsMuchRoomAboveAsBelow()
    {
        TestFolder folder;
        FakePlatform platform;
        DateCard card;
        card.show();
        QVERIFY(QTest::qWaitForWindowExposed(&card));
        // The three sections share the height of the tallest, the date with its captions.
        const QWidget *avviso = find(&card, QStringLiteral("txtAvviso"));
        const QWidget *nota = find(&card, QStringLiteral("txtNota"));
        const QWidget *centred = avviso->parentWidget();
        const QWidget *plain = nota->parentWidget();
        QCOMPARE(centred->height(), plain->height());
        const int moved = avviso->geometry().top() - nota->geometry().top();
        const int plainBelow = plain->height() - nota->geometry().bottom();
        const int centredBelow = centred->height() - avviso->geometry().bottom();
        QVERIFY2(moved > 4, qPrintable(QString::number(moved)));
        QVERIFY2(
            qAbs((plainBelow - centredBelow) - moved) <= 1,
            qPrintable(QStringLiteral("%1 down, %2 less below").arg(moved).arg(plainBelow - centredBelow)));
        const QLabel *words = nullptr;
        for (const QLabel *label : centred->findChildren<QLabel *>())
            if (label->text() == QStringLiteral("giorni prima."))
                words = label;
        QVERIFY(words);
        QVERIFY(words->geometry().left() > avviso->geometry().right());
    }

    void controlsAreNamedWithAPrefixUnlessTheRecordStoresTheirNames()
    {
        TestFolder folder;
        FakePlatform platform;
        DateCard prefixed;
        for (const char *name : {"txtAvviso", "txtNota", "chkFlag", "lblOra"})
            QVERIFY2(prefixed.findChild<QWidget *>(QLatin1StringView(name)), name);

        StoredNamesCard stored;
        QVERIFY(stored.findChild<QLineEdit *>(QStringLiteral("txtNome")));
        QVERIFY(stored.findChild<QCheckBox *>(QStringLiteral("chkSaldata")));
        QVERIFY(stored.findChild<QLabel *>(QStringLiteral("memTarga")));
        for (const char *name : {"txttxtNome", "chkchkSaldata", "lblmemTarga"})
            QVERIFY2(!stored.findChild<QWidget *>(QLatin1StringView(name)), name);
    }
};

QTEST_MAIN(TestCardSection)
#include "tst_cardsection.moc"
