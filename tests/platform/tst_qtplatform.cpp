// The real seams the running program uses, not their test doubles: where the shell adapter sends
// a document, an address or a web page, the buttons of the real message boxes, and the toolkit's
// own dialogs in Italian.
#include "WindowShot.h"
#include "platform/QtPlatform.h"
#include "shell/ToolkitTranslations.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QtTest>
#include <functional>

namespace {

// Receives what the desktop would be asked to open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl &url) { urls << url; }
};

// Runs `action`, which shows a modal window, and hands that window to `inspect` before closing it.
void withModal(const std::function<void()> &action, const std::function<void(QWidget *)> &inspect)
{
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            poll.stop();
            inspect(modal);
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
        }
    });
    poll.start();
    action();
}

QStringList buttonTexts(QMessageBox *box)
{
    QStringList texts;
    for (QAbstractButton *b : box->findChild<QDialogButtonBox *>()->buttons())
        texts << b->text().remove(u'&');
    texts.sort();
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(MessageKind)

class TestQtPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(installToolkitTranslations(qApp), "the Qt Italian translations are not installed");
        for (const char *scheme : {"file", "mailto", "http", "https"})
            QDesktopServices::setUrlHandler(QLatin1StringView(scheme), &m_catcher, "open");
    }

    void shellTargets_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QUrl>("opened");
        QTest::newRow("quoted document path")
            << "\"/home/anna/Documenti/Contratto fornitura.pdf\""
            << QUrl::fromLocalFile(QStringLiteral("/home/anna/Documenti/Contratto fornitura.pdf"));
        QTest::newRow("path without quotes")
            << "/srv/schede/foto.jpg" << QUrl::fromLocalFile(QStringLiteral("/srv/schede/foto.jpg"));
        QTest::newRow("mailto address")
            << "\"mailto:anna.bianchi@example.it\"" << QUrl(QStringLiteral("mailto:anna.bianchi@example.it"));
        QTest::newRow("web address with a blank")
            << "\"https://www.google.com/search?q=Michelin Alpin\""
            << QUrl(QStringLiteral("https://www.google.com/search?q=Michelin%20Alpin"));
    }
    void shellTargets()
    {
        QFETCH(QString, command);
        QFETCH(QUrl, opened);
        m_catcher.urls.clear();
        QtShellService().open(command);
        QCOMPARE(m_catcher.urls.size(), 1);
        QCOMPARE(m_catcher.urls[0], opened);
    }

    void messageBoxButtons_data()
    {
        QTest::addColumn<MessageKind>("kind");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QStringList>("buttons");
        const QStringList okCancel{QStringLiteral("Annulla"), QStringLiteral("OK")};
        QTest::newRow("information") << MessageKind::Information << int(QMessageBox::Information) << okCancel;
        QTest::newRow("warning") << MessageKind::Warning << int(QMessageBox::Warning) << okCancel;
        QTest::newRow("error") << MessageKind::Error << int(QMessageBox::Critical) << okCancel;
        QTest::newRow("plain message")
            << MessageKind::Plain << int(QMessageBox::NoIcon) << QStringList{QStringLiteral("OK")};
    }
    void messageBoxButtons()
    {
        QFETCH(MessageKind, kind);
        QFETCH(int, icon);
        QFETCH(QStringList, buttons);
        QString text;
        QStringList shown;
        int shownIcon = -1;
        withModal([&] { QtMessageService().show(nullptr, kind, QStringLiteral("Avviso di prova.")); },
                  [&](QWidget *w) {
                      auto *box = qobject_cast<QMessageBox *>(w);
                      QVERIFY(box);
                      text = box->text();
                      shownIcon = int(box->icon());
                      shown = buttonTexts(box);
                  });
        QCOMPARE(text, QStringLiteral("Avviso di prova."));
        QCOMPARE(shownIcon, icon);
        QCOMPARE(shown, buttons);
    }

    void questionsAreYesNo_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("S\u00EC") << true;
        QTest::newRow("No") << false;
    }
    void questionsAreYesNo()
    {
        QFETCH(bool, yes);
        QStringList shown;
        bool answer = !yes;
        QTimer poll;
        poll.setInterval(5);
        connect(&poll, &QTimer::timeout, this, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                poll.stop();
                shown = buttonTexts(box);
                box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
            }
        });
        poll.start();
        answer = QtMessageService().ask(nullptr, QStringLiteral("Procedere?"));
        QCOMPARE(shown, (QStringList{QStringLiteral("No"), QStringLiteral("S\u00EC")}));
        QCOMPARE(answer, yes);
    }

    void fileDialogSpeaksItalian()
    {
        QString accept;
        QString cancel;
        QStringList labels;
        withModal(
            [&] {
                QtFileDialogService().getOpenFileName(nullptr, QStringLiteral("Selezionare il logo"),
                                                      QDir::tempPath(),
                                                      QStringLiteral("Immagine JPEG (*.jpg *.jpeg)"));
            },
            [&](QWidget *w) {
                auto *dialog = qobject_cast<QFileDialog *>(w);
                QVERIFY(dialog);
                auto *box = dialog->findChild<QDialogButtonBox *>();
                accept = box->button(QDialogButtonBox::Open)->text().remove(u'&');
                cancel = box->button(QDialogButtonBox::Cancel)->text().remove(u'&');
                for (QLabel *label : dialog->findChildren<QLabel *>())
                    labels << label->text().remove(u'&');
                WindowShot::keep(dialog, QStringLiteral("file-dialog"));
            });
        QCOMPARE(accept, QStringLiteral("Apri"));
        QCOMPARE(cancel, QStringLiteral("Annulla"));
        QVERIFY2(labels.contains(QStringLiteral("Cerca in:")), qPrintable(labels.join(u'|')));
    }

private:
    UrlCatcher m_catcher;
};

QTEST_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"
