// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>
#include <QtEndian>

// The pictures the program ships, as the formats they are stored in promise.
class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void logoIsAProgressiveColourJpeg();
    void bannerIsASingleFrameGifWithTransparentIndex255();
    void iconHoldsOne16ColourImage();
    void cursorIsAHandWithItsHotSpotAtTheFingertip();
    void desktopIconsShareTheDesign_data();
    void desktopIconsShareTheDesign();

private:
    static QByteArray read(const char *name)
    {
        QFile file(QStringLiteral(OHMILKA_SOURCE_DIR "/resources/") + QLatin1String(name));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read %s", name);
        return file.readAll();
    }
    static quint16 u16(const QByteArray &b, int at)
    {
        return qFromLittleEndian<quint16>(b.constData() + at);
    }
    static quint32 u32(const QByteArray &b, int at)
    {
        return qFromLittleEndian<quint32>(b.constData() + at);
    }
    // Checks the one-image .ico/.cur directory and its 4-bit bitmap; returns the bitmap.
    static void checkOne4BitImage(const QByteArray &file, quint16 kind)
    {
        QCOMPARE(u16(file, 0), quint16(0));
        QCOMPARE(u16(file, 2), kind);
        QCOMPARE(u16(file, 4), quint16(1)); // exactly one image
        QCOMPARE(quint8(file[6]), quint8(32));
        QCOMPARE(quint8(file[7]), quint8(32));
        QCOMPARE(quint8(file[8]), quint8(16));
        const quint32 offset = u32(file, 18);
        QCOMPARE(u32(file, 14), quint32(file.size()) - offset);
        QCOMPARE(u16(file, int(offset) + 14), quint16(4)); // bits per pixel of the bitmap
        QCOMPARE(file.size(), 766);
    }
};

void TestPictures::logoIsAProgressiveColourJpeg()
{
    const QByteArray jpeg = read("logo.jpg");
    const int frame = jpeg.indexOf("\xFF\xC2"); // start of a progressive frame
    QCOMPARE_GT(frame, 0);
    QCOMPARE(qFromBigEndian<quint16>(jpeg.constData() + frame + 5), quint16(93));  // height
    QCOMPARE(qFromBigEndian<quint16>(jpeg.constData() + frame + 7), quint16(269)); // width
    QCOMPARE(int(jpeg[frame + 9]), 3);                                             // components
    QCOMPARE(jpeg.indexOf("\xFF\xC0"), -1); // no baseline frame
    QCOMPARE(QImage::fromData(jpeg).size(), QSize(269, 93));
}

void TestPictures::bannerIsASingleFrameGifWithTransparentIndex255()
{
    const QByteArray gif = read("banner.gif");
    QVERIFY(gif.startsWith("GIF89a"));
    QCOMPARE(u16(gif, 6), quint16(200));
    QCOMPARE(u16(gif, 8), quint16(36));
    const quint8 flags = quint8(gif[10]);
    QVERIFY(flags & 0x80);            // a global palette
    QCOMPARE(flags & 0x07, 7);        // of 2^(7+1) = 256 colours
    const int control = 13 + 256 * 3; // the graphic control block follows the palette
    QCOMPARE(gif.mid(control, 3), QByteArray("\x21\xF9\x04"));
    QVERIFY(quint8(gif[control + 3]) & 0x01); // transparency on
    QCOMPARE(quint8(gif[control + 6]), quint8(255));
    QImageReader reader(QStringLiteral(OHMILKA_SOURCE_DIR "/resources/banner.gif"));
    QCOMPARE(reader.imageCount(), 1);
    QCOMPARE(reader.read().size(), QSize(200, 36));
}

void TestPictures::iconHoldsOne16ColourImage()
{
    checkOne4BitImage(read("ohmilka.ico"), 1);
    QCOMPARE(u16(read("ohmilka.ico"), 10), quint16(1)); // planes
    const QImage icon =
        QImage::fromData(read("ohmilka.ico"), "ICO").convertToFormat(QImage::Format_ARGB32);
    const QImage png =
        QImage::fromData(read("icons/ohmilka-32.png")).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(icon.size(), QSize(32, 32));
    QCOMPARE(icon, png); // the same image
}

void TestPictures::cursorIsAHandWithItsHotSpotAtTheFingertip()
{
    const QByteArray cursor = read("hand.cur");
    checkOne4BitImage(cursor, 2);
    QCOMPARE(u16(cursor, 10), quint16(12));
    QCOMPARE(u16(cursor, 12), quint16(1));
    const QImage hand = QImage::fromData(cursor, "CUR");
    QCOMPARE_GT(qAlpha(hand.pixel(12, 1)), 0); // the fingertip is drawn where it points
    QCOMPARE(qAlpha(hand.pixel(12, 0)), 0);
}

void TestPictures::desktopIconsShareTheDesign_data()
{
    QTest::addColumn<int>("size");
    for (int size : {32, 48, 64, 128, 256})
        QTest::addRow("%d px", size) << size;
}

void TestPictures::desktopIconsShareTheDesign()
{
    QFETCH(int, size);
    const QImage icon =
        QImage::fromData(read(qPrintable(QStringLiteral("icons/ohmilka-%1.png").arg(size))));
    QCOMPARE(icon.size(), QSize(size, size));
    const QImage small = QImage::fromData(read("icons/ohmilka-32.png"));
    // Scaled to 32 px, the body's centre has the colour of the small icon's body.
    QCOMPARE(icon.scaled(32, 32).pixelColor(8, 16).rgb(), small.pixelColor(8, 16).rgb());
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
