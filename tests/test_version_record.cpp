// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Identity.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

// Compiles the generated Windows version record with MinGW's windres and reads the result back.
namespace {
quint16 u16(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}
quint32 u32(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}
qsizetype aligned(qsizetype at)
{
    return (at + 3) & ~qsizetype(3);
}
QString utf16z(const QByteArray &b, qsizetype at, qsizetype *end)
{
    QString text;
    while (u16(b, at) != 0) {
        text += QChar(u16(b, at));
        at += 2;
    }
    *end = at + 2;
    return text;
}

struct Resource {
    int type;
    int name;
    QByteArray data;
};

QList<Resource> readResFile(const QByteArray &res)
{
    QList<Resource> resources;
    for (qsizetype at = 0; at + 8 <= res.size();) {
        const quint32 dataSize = u32(res, at);
        const quint32 headerSize = u32(res, at + 4);
        // Both type and name are ordinals here (0xFFFF, number).
        if (dataSize > 0)
            resources.append(
                {u16(res, at + 10), u16(res, at + 14), res.mid(at + headerSize, dataSize)});
        at = aligned(at + headerSize + dataSize);
    }
    return resources;
}

struct Block {
    QString key;
    QByteArray value;
    QList<Block> children;
};

Block readBlock(const QByteArray &data, qsizetype at)
{
    const quint16 length = u16(data, at);
    const quint16 valueLength = u16(data, at + 2);
    const bool text = u16(data, at + 4) == 1;
    Block block;
    qsizetype next;
    block.key = utf16z(data, at + 6, &next);
    next = aligned(next);
    const qsizetype valueBytes = text ? valueLength * 2 : valueLength;
    block.value = data.mid(next, valueBytes);
    for (next = aligned(next + valueBytes); next < at + length;) {
        block.children.append(readBlock(data, next));
        next = aligned(next + u16(data, next));
    }
    return block;
}

const Block *child(const Block &block, const QString &key)
{
    for (const Block &c : block.children)
        if (c.key == key)
            return &c;
    return nullptr;
}
} // namespace

class TestVersionRecord : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fixedPartNamesVersion1000();
    void stringTableHasEveryEntry();
    void translationIsUsEnglishUnicode();
    void iconGroupHoldsTheApplicationIcon();

private:
    QList<Resource> resources;
    const Resource *find(int type) const
    {
        for (const Resource &r : resources)
            if (r.type == type)
                return &r;
        return nullptr;
    }
    Block versionInfo() const { return readBlock(find(16)->data, 0); }
};

void TestVersionRecord::initTestCase()
{
    const QString windres =
        QStandardPaths::findExecutable(QStringLiteral("i686-w64-mingw32-windres"));
    QVERIFY2(!windres.isEmpty(), "windres is missing: run scripts/setup.sh");
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("ohmilka.res"));
    QProcess compile;
    compile.start(windres, {"--preprocessor=cpp", "--preprocessor-arg=-DRC_INVOKED", "-i",
                            OHMILKA_VERSION_RECORD, "-O", "res", "-o", output});
    QVERIFY(compile.waitForFinished());
    QVERIFY2(compile.exitCode() == 0, compile.readAllStandardError().constData());
    QFile res(output);
    QVERIFY(res.open(QIODevice::ReadOnly));
    resources = readResFile(res.readAll());
    QVERIFY(find(16)); // RT_VERSION
}

void TestVersionRecord::fixedPartNamesVersion1000()
{
    const Block info = versionInfo();
    QCOMPARE(info.key, QStringLiteral("VS_VERSION_INFO"));
    const QByteArray fixed = info.value;
    QCOMPARE(fixed.size(), 52);
    QCOMPARE(u32(fixed, 0), 0xFEEF04BDu);
    QCOMPARE(u32(fixed, 8), 0x00010000u);  // file version 1.0
    QCOMPARE(u32(fixed, 12), 0x00000000u); // .0.0
    QCOMPARE(u32(fixed, 16), 0x00010000u); // product version 1.0
    QCOMPARE(u32(fixed, 20), 0x00000000u);
    QCOMPARE(u32(fixed, 28), 0u); // no flags
    QCOMPARE(u32(fixed, 32), 4u); // 32-bit Windows
    QCOMPARE(u32(fixed, 36), 1u); // application
}

void TestVersionRecord::stringTableHasEveryEntry()
{
    const Block info = versionInfo();
    const Block *strings = child(info, QStringLiteral("StringFileInfo"));
    QVERIFY(strings);
    QCOMPARE(strings->children.size(), 1);
    const Block &table = strings->children.first();
    QCOMPARE(table.key, QStringLiteral("040904B0"));
    QMap<QString, QString> entries;
    for (const Block &entry : table.children)
        entries[entry.key] =
            QString::fromUtf16(reinterpret_cast<const char16_t *>(entry.value.constData()),
                               entry.value.size() / 2)
                .chopped(1);
    QCOMPARE(entries.value("FileVersion"), QStringLiteral("1.00"));
    QCOMPARE(entries.value("ProductVersion"), QStringLiteral("1.00"));
    QCOMPARE(entries.value("ProductName"), QStringLiteral("Ohmilka"));
    QCOMPARE(entries.value("InternalName"), QStringLiteral("Ohmilka"));
    QCOMPARE(entries.value("OriginalFilename"), QStringLiteral("Ohmilka.exe"));
    QCOMPARE(entries.value("FileDescription"), QString::fromUtf8(ohmilka::identity::description));
    QVERIFY(!entries.value("CompanyName").isEmpty());
    QVERIFY(!entries.value("LegalCopyright").isEmpty());
    QCOMPARE(entries.size(), 8);
}

void TestVersionRecord::translationIsUsEnglishUnicode()
{
    const Block info = versionInfo();
    const Block *var = child(info, QStringLiteral("VarFileInfo"));
    QVERIFY(var);
    const Block *translation = child(*var, QStringLiteral("Translation"));
    QVERIFY(translation);
    QCOMPARE(translation->value, QByteArray("\x09\x04\xB0\x04", 4));
}

void TestVersionRecord::iconGroupHoldsTheApplicationIcon()
{
    int groups = 0, icons = 0;
    for (const Resource &r : resources) {
        groups += r.type == 14;
        icons += r.type == 3;
    }
    QCOMPARE(groups, 1);
    QCOMPARE(icons, 1);
    const QByteArray group = find(14)->data;
    QCOMPARE(u16(group, 2), quint16(1)); // icons
    QCOMPARE(u16(group, 4), quint16(1)); // one entry
    QCOMPARE(quint8(group[6]), quint8(32));
    QCOMPARE(quint8(group[7]), quint8(32));
    QCOMPARE(quint8(group[8]), quint8(16));
    QCOMPARE(u16(group, 12), quint16(4)); // bits per pixel
    QFile ico(QStringLiteral(OHMILKA_SOURCE_DIR "/resources/ohmilka.ico"));
    QVERIFY(ico.open(QIODevice::ReadOnly));
    QCOMPARE(find(3)->data, ico.readAll().mid(22)); // the icon's one image, unchanged
}

QTEST_GUILESS_MAIN(TestVersionRecord)
#include "test_version_record.moc"
