// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Sexpr.h"

#include <QTest>

using namespace ohmilka::partslist;

class SexprTest : public QObject
{
    Q_OBJECT

private slots:
    void listsAtomsAndStringsRead()
    {
        const std::optional<Sexpr> read = Sexpr::parse(
            "(kicad_sch (version 20230121)\n  (property \"Value\" \"4\\\"7 \\\\k\" (at 1 2 0))\n"
            "  (property \"MPN\" RC0603FR-0710KL))");
        QVERIFY(read);
        const Sexpr &sexpr = *read;
        QCOMPARE(sexpr.head(sexpr.root()), std::string_view("kicad_sch"));
        QCOMPARE(sexpr.value(sexpr.root(), "version"), std::string_view("20230121"));
        const std::uint32_t value = sexpr.next(sexpr.root(), "property");
        QCOMPARE(sexpr.argument(value, 1), std::string_view("4\"7 \\k")); // escapes read
        QCOMPARE(sexpr.node(value).line, 2u);
        const std::uint32_t mpn = sexpr.next(sexpr.root(), "property", value);
        QCOMPARE(sexpr.argument(mpn, 1), std::string_view("RC0603FR-0710KL"));
        QCOMPARE(sexpr.next(sexpr.root(), "property", mpn), Sexpr::none);
    }

    void malformedTextIsRefused_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("never closed") << QByteArray("(kicad_sch (version 1)");
        QTest::newRow("closed twice") << QByteArray("(kicad_sch))");
        QTest::newRow("a string never closed") << QByteArray("(kicad_sch \"abc)");
        QTest::newRow("text before the list") << QByteArray("kicad_sch (a)");
        QTest::newRow("deeper than any file") << QByteArray(300, '(') + QByteArray(300, ')');
    }
    void malformedTextIsRefused()
    {
        QFETCH(QByteArray, text);
        QVERIFY(!Sexpr::parse(text.toStdString()));
    }
};

QTEST_GUILESS_MAIN(SexprTest)
#include "test_sexpr.moc"
