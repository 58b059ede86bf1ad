#include "FakePlatform.h"
#include "TestFolder.h"
#include "WindowShot.h"
#include "WindowTestKit.h"
#include "quotes/DefaultLogo.h"
#include "quotes/TfrmLogo.h"

#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

namespace {

const QString kLogo = QStringLiteral("Logo.bmp");

// A picture whose halves differ, so a mirrored or shifted copy would not pass for it.
QImage twoColours(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(QColor(200, 30, 30));
    QPainter p(&picture);
    p.fillRect(0, 0, width / 2, height, QColor(20, 160, 40));
    return picture;
}

QImage rgb(const QImage &picture)
{
    return picture.convertToFormat(QImage::Format_RGB32);
}

// JPEG is lossy: colours are compared with some slack.
bool near(QColor a, QColor b)
{
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 40;
}

} // namespace

class TestLogoWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { WindowTestKit::useProgramLook(); }
    void defaultLogoIsABlueEuroSign();
    void showingLoadsLogoBmpOrTheDefault_data();
    void showingLoadsLogoBmpOrTheDefault();
    void chosenPictureIsStoredAsABitmap_data();
    void chosenPictureIsStoredAsABitmap();
    void unreadableOrCancelledChoice();
    void blankAndDefaultPictures();
    void annullaWritesNothing();
    void writeFailureWarnsAndKeepsThePicture();
    void transparentPicturesAreStoredOnWhite();
    void shots();

private:
    static QPushButton *button(TfrmLogo &window, const char *name)
    {
        auto *b = window.findChild<QPushButton *>(QString::fromLatin1(name));
        if (!b)
            qFatal("missing %s", name);
        return b;
    }
};

void TestLogoWindow::defaultLogoIsABlueEuroSign()
{
    const QImage logo = DefaultLogo::image();
    QCOMPARE(logo.size(), QSize(297, 184));
    int blue = 0;
    int other = 0;
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            const QColor c = logo.pixelColor(x, y);
            if (c == Qt::white)
                continue;
            if (c.blue() > c.red() + 60 && c.blue() > c.green() + 30)
                ++blue;
            else if (c.blue() < c.red() || c.blue() < c.green()) // edges fade to white, still bluish
                ++other;
        }
    }
    // A sign of a good size, all blue, on white; the bow's inside and the corners stay white.
    QVERIFY2(blue > logo.width() * logo.height() / 10, qPrintable(QString::number(blue)));
    QCOMPARE(other, 0);
    QCOMPARE(logo.pixelColor(0, 0), QColor(Qt::white));
    QCOMPARE(logo.pixelColor(296, 183), QColor(Qt::white));
    QCOMPARE(logo.pixelColor(297 / 2 + 30, 184 / 2), QColor(Qt::white));
}

void TestLogoWindow::showingLoadsLogoBmpOrTheDefault_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("usable");
    QByteArray bmp;
    {
        QBuffer buffer(&bmp);
        buffer.open(QIODevice::WriteOnly);
        twoColours(40, 20).save(&buffer, "BMP");
    }
    QTest::newRow("Logo.bmp") << bmp << true;
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("damaged") << bmp.left(30) << false;
    QTest::newRow("not a picture") << QByteArray("Logo") << false;
}

void TestLogoWindow::showingLoadsLogoBmpOrTheDefault()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, usable);
    TestFolder folder;
    FakePlatform platform;
    if (!stored.isEmpty())
        folder.write(kLogo, stored);
    TfrmLogo window;
    window.show();
    QCOMPARE(rgb(window.picture()), usable ? twoColours(40, 20) : DefaultLogo::image());
    QCOMPARE(LogoFile::load().size(), usable ? QSize(40, 20) : QSize(297, 184));
    QCOMPARE(platform.messages.shown.size(), 0);
    QVERIFY(!window.findChild<QLabel *>(QStringLiteral("imgLogo"))->pixmap().isNull());
}

void TestLogoWindow::chosenPictureIsStoredAsABitmap_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("jpeg") << QStringLiteral("logo.jpg") << QByteArray("JPG");
    QTest::newRow("jpeg, long suffix") << QStringLiteral("logo.jpeg") << QByteArray("JPG");
    QTest::newRow("bitmap") << QStringLiteral("logo.bmp") << QByteArray("BMP");
}

void TestLogoWindow::chosenPictureIsStoredAsABitmap()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, format);
    TestFolder folder;
    FakePlatform platform;
    // Not the advised size: the picture is stored as it is, not stretched.
    const QImage original = twoColours(120, 60);
    QVERIFY(original.save(folder.file(fileName), format.constData()));
    platform.fileDialogs.chooseNext(folder.file(fileName));

    TfrmLogo window;
    window.show();
    button(window, "btnSfoglia")->click();

    QCOMPARE(platform.fileDialogs.requests.size(), 1);
    QCOMPARE(platform.fileDialogs.requests[0].title,
             QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o Bitmap."));
    QCOMPARE(platform.fileDialogs.requests[0].filter,
             QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"));
    QCOMPARE(window.picture().size(), QSize(120, 60));

    button(window, "btnApplica")->click();
    QCOMPARE(platform.messages.shown.size(), 0);
    QCOMPARE(window.result(), int(QDialog::Accepted));

    QVERIFY(folder.read(kLogo).startsWith("BM"));
    QImageReader reader(folder.file(kLogo));
    QCOMPARE(reader.format(), QByteArray("bmp"));
    const QImage stored = reader.read();
    QCOMPARE(stored.size(), QSize(120, 60));
    QVERIFY(near(stored.pixelColor(10, 30), QColor(20, 160, 40)));
    QVERIFY(near(stored.pixelColor(110, 30), QColor(200, 30, 30)));
    if (format == "BMP")
        QCOMPARE(rgb(stored), original);
}

void TestLogoWindow::unreadableOrCancelledChoice()
{
    TestFolder folder;
    FakePlatform platform;
    twoColours(40, 20).save(folder.file(kLogo), "BMP");
    folder.write(QStringLiteral("rotto.jpg"), QByteArray("\xFF\xD8\xFF not really a JPEG"));

    TfrmLogo window;
    window.show();
    // Cancelling the file dialog changes nothing.
    platform.fileDialogs.chooseNext(QString());
    button(window, "btnSfoglia")->click();
    QCOMPARE(rgb(window.picture()), twoColours(40, 20));

    // A file that is no picture falls back to the built-in logo.
    platform.fileDialogs.chooseNext(folder.file(QStringLiteral("rotto.jpg")));
    button(window, "btnSfoglia")->click();
    QCOMPARE(rgb(window.picture()), DefaultLogo::image());
    QCOMPARE(platform.messages.shown.size(), 0);
}

void TestLogoWindow::blankAndDefaultPictures()
{
    TestFolder folder;
    FakePlatform platform;
    twoColours(40, 20).save(folder.file(kLogo), "BMP");
    {
        TfrmLogo window;
        window.show();
        button(window, "btnCancLogo")->click();
        button(window, "btnApplica")->click();
    }
    QImage stored(folder.file(kLogo));
    QCOMPARE(stored.size(), QSize(2, 2));
    for (int i = 0; i < 4; ++i)
        QCOMPARE(stored.pixelColor(i % 2, i / 2), QColor(Qt::white));

    {
        TfrmLogo window;
        window.show();
        button(window, "imgEuro")->click();
        QCOMPARE(rgb(window.picture()), DefaultLogo::image());
        button(window, "btnApplica")->click();
    }
    QCOMPARE(rgb(QImage(folder.file(kLogo))), DefaultLogo::image());
}

void TestLogoWindow::annullaWritesNothing()
{
    TestFolder folder;
    FakePlatform platform;
    {
        TfrmLogo window;
        window.show();
        button(window, "btnCancLogo")->click();
        button(window, "btnAnnulla")->click();
        QCOMPARE(window.result(), int(QDialog::Rejected));
    }
    QVERIFY(!folder.exists(kLogo));

    twoColours(40, 20).save(folder.file(kLogo), "BMP");
    const QByteArray before = folder.read(kLogo);
    TfrmLogo window;
    window.show();
    button(window, "imgEuro")->click();
    window.close();
    QCOMPARE(folder.read(kLogo), before);
}

void TestLogoWindow::writeFailureWarnsAndKeepsThePicture()
{
    TestFolder folder;
    FakePlatform platform;
    // A folder in the way of Logo.bmp: the write fails even for root.
    QVERIFY(QDir(folder.path()).mkdir(kLogo));
    const QString chosen = folder.file(QStringLiteral("scelto.bmp"));
    twoColours(40, 20).save(chosen, "BMP");
    platform.fileDialogs.chooseNext(chosen);

    TfrmLogo window;
    window.show();
    button(window, "btnSfoglia")->click();
    button(window, "btnApplica")->click();

    QCOMPARE(platform.messages.shown.size(), 1);
    QCOMPARE(platform.messages.shown[0].kind, MessageKind::Warning);
    QVERIFY(platform.messages.shown[0].text.startsWith(QStringLiteral("Attenzione: ")));
    QVERIFY(platform.messages.shown[0].text.contains(kLogo));
    // Still open on the user's picture, ready for another try or "Annulla".
    QVERIFY(window.isVisible());
    QCOMPARE(rgb(window.picture()), twoColours(40, 20));
    QVERIFY(QFileInfo(folder.file(kLogo)).isDir());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("scelto.bmp")});
}

void TestLogoWindow::transparentPicturesAreStoredOnWhite()
{
    TestFolder folder;
    QImage see(10, 10, QImage::Format_ARGB32);
    see.fill(Qt::transparent);
    see.setPixelColor(2, 2, QColor(0, 0, 255));
    QVERIFY(LogoFile::save(see));
    const QImage stored(folder.file(kLogo));
    QCOMPARE(stored.pixelColor(0, 0), QColor(Qt::white));
    QCOMPARE(stored.pixelColor(2, 2), QColor(0, 0, 255));
    QVERIFY(!LogoFile::save(QImage()));
}

void TestLogoWindow::shots()
{
    TestFolder folder;
    FakePlatform platform;
    TfrmLogo window;
    window.show();
    WindowShot::keep(&window, QStringLiteral("TfrmLogo"));
    const QString shots = qEnvironmentVariable("QUADRIVO_SHOTS");
    if (!shots.isEmpty())
        DefaultLogo::image().save(QDir(shots).filePath(QStringLiteral("DefaultLogo.png")));
}

QTEST_MAIN(TestLogoWindow)
#include "tst_logowindow.moc"
