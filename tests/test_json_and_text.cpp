// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

// Every command's JSON holds what its text says: each line of the text is the text of one
// object, and every number and name on the line is among that object's fields.

#include "CodeCommandRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using ohmilka::cli::Language;

namespace {
// The fields of an object and of those inside it, less its words for people.
struct Fields {
    QList<double> numbers;
    QStringList strings;
};

void collect(const QJsonValue &value, Fields &fields)
{
    if (value.isDouble())
        fields.numbers << value.toDouble();
    else if (value.isString())
        fields.strings << value.toString();
    else if (value.isArray())
        for (const QJsonValue &item : value.toArray())
            collect(item, fields);
    else if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (const QString &key : object.keys())
            if (!object.value(key).isString() ||
                (key != QLatin1String("text") && key != QLatin1String("reason") &&
                 key != QLatin1String("error")))
                collect(object.value(key), fields);
    }
}

// The object, at any depth, whose text is the line.
std::optional<QJsonObject> objectOfLine(const QJsonValue &value, const QString &line)
{
    if (value.isArray())
        for (const QJsonValue &item : value.toArray())
            if (auto found = objectOfLine(item, line))
                return found;
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    if (object.value("text").toString() == line)
        return object;
    for (const QJsonValue &member : object)
        if (auto found = objectOfLine(member, line))
            return found;
    return std::nullopt;
}

double prefixScale(const QString &prefix)
{
    static const QHash<QString, double> scales{{"p", 1e-12}, {"n", 1e-9}, {"µ", 1e-6},
                                               {"m", 1e-3},  {"k", 1e3},  {"M", 1e6}};
    return scales.value(prefix, 1);
}

// Whether a number as the text writes it, in units of scale, is one of the fields: rounded as
// written, or as a fraction where the text gives per cent.
bool holdsNumber(const Fields &fields, const QString &written, double scale, bool percent)
{
    const double number = QString(written).replace(u',', u'.').replace(u'−', u'-').toDouble();
    const int decimals = written.contains(u'.') || written.contains(u',')
                             ? int(written.size() - written.indexOf(QRegularExpression("[.,]")) - 1)
                             : 0;
    const double half = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9);
    for (double field : fields.numbers)
        for (double asWritten : {field / scale, percent ? field * 100 : field / scale})
            if (std::fabs(asWritten - number) <= half + 1e-12 * std::fabs(number))
                return true;
    return fields.strings.contains(written);
}

// What the line names that the object lacks: a number, a code such as E24 or R7, a colour or
// a quoted input.
QStringList missingFrom(const QString &line, const Fields &fields, bool unreadable)
{
    QStringList missing;
    static const QRegularExpression quotedInput("'([^']*)'");
    for (const auto &match : quotedInput.globalMatch(line))
        if (!fields.strings.join(u'\n').contains(match.captured(1)))
            missing << match.captured(0);
    if (unreadable) // the reason words the input, and the input is a field
        return missing;
    QString rest = line;
    rest.remove(quotedInput);
    static const QRegularExpression code("[A-Za-z0-9][A-Za-z0-9./-]*[A-Za-z0-9]");
    static const QRegularExpression letter("[A-Za-z]"), digit("[0-9]");
    static const QStringList colours{"black", "brown",  "red",    "orange", "yellow",
                                     "green", "blue",   "violet", "grey",   "white",
                                     "gold",  "silver", "pink"};
    const QString strings = fields.strings.join(u'\n');
    for (const auto &match : code.globalMatch(rest)) {
        const QString word = match.captured(0);
        const bool isCode = word.contains(letter) && word.contains(digit) &&
                            !QRegularExpression("^[0-9.]+[a-z]$").match(word).hasMatch();
        if ((isCode || colours.contains(word)) && !strings.contains(word))
            missing << word;
        if (isCode)
            rest.replace(match.capturedStart(), word.size(), QString(word.size(), u' '));
    }
    // A number, or a range of two, with its prefix and unit: "4.7 kΩ", "14.6–16.2 kΩ", "−6 %".
    static const QRegularExpression number("([−+-]?\\d+(?:[.,]\\d+)?)(?:–([−+-]?\\d+(?:[.,]\\d+)?))"
                                           "?(?: ?([pnµmkM]?)(Ω|V|A|W)| ?(%))?");
    for (const auto &match : number.globalMatch(rest)) {
        const double scale = prefixScale(match.captured(3));
        const bool percent = !match.captured(5).isEmpty();
        for (int part : {1, 2})
            if (const QString written = match.captured(part);
                !written.isEmpty() && !holdsNumber(fields, written, scale, percent))
                missing << written + match.captured(3) + match.captured(4) + match.captured(5);
    }
    return missing;
}
} // namespace

class TestJsonAndText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(folder_.isValid());
        const auto write = [&](const char *name, const char *text) {
            QFile file(folder_.filePath(QString::fromUtf8(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
        };
        write("list.csv", "Ref,Value,Tolerance,MPN,Qty\n"
                          "R1,4k7,1%,RC0603FR-074K7L,1\n"
                          "R2,4k8,,,1\n"
                          "R3,zz,,,1\n"
                          "C1,100n,,,2\n"
                          "R4,10k,1%,RC0603FR-074K7L,1\n"
                          "R5,DNP,,,1\n");
        write("ordered.csv", "Ref,Value,Footprint,MPN\n"
                             "R1,10k,R_0402_1005Metric,RC0603FR-0710KL\n"
                             "R2,4k7,R_0603,RC0603FR-0710KL\n"
                             "R3,1k,,ABC-1\n"
                             "R4,2k2,,ABC-1\n");
        write("stock.txt", "1k\n2k2\n4k7\n10k\n22k\n");
    }

    void jsonHoldsWhatTheTextSays_data()
    {
        QTest::addColumn<QString>("call");
        for (const char *call : {
                 "decode yellow violet red gold",
                 "decode BN BK BK RD BN",
                 "decode YE VT RD/OG GD",
                 "decode YE VT RD/OG GD --measured 47k",
                 "decode YE VT RD GD --measured 10k",
                 "decode RD RD SR",
                 "encode 4k7",
                 "encode 4k7 --bands 6",
                 "encode 4k75 --bands 4",
                 "encode 49R9 --smd",
                 "encode 1.23456 --smd",
                 "series 5k",
                 "series 4k7 --series E24,E96",
                 "smd 472 abc 01C 4R7 10r",
                 "combine 15.41k --parts 3",
                 "combine 15.41k --parts 2 --exclude 15k --within 0.01",
                 "combine 3k3 --stock STOCK --tolerance 1",
                 "divider --ratio 0.25",
                 "divider --vin 12 --vout 3.3 --series E96 --count 3",
                 "divider --vref 1.25 --vout 5 --vref-tolerance 2 --count 2 --within 0.00001",
                 "divider --ratio 0.5 --series E6 --total 1..1.5",
                 "divider --vin 5 --vout 1 --stock STOCK",
                 "check LIST",
                 "check LIST --series E12",
                 "check LIST MISSING",
                 "check ORDERED",
             })
            QTest::newRow(call) << QString::fromUtf8(call);
    }

    void jsonHoldsWhatTheTextSays()
    {
        QFETCH(QString, call);
        QStringList arguments = call.split(u' ');
        arguments.replaceInStrings(QRegularExpression("^LIST$"), folder_.filePath("list.csv"));
        arguments.replaceInStrings(QRegularExpression("^STOCK$"), folder_.filePath("stock.txt"));
        arguments.replaceInStrings(QRegularExpression("^ORDERED$"),
                                   folder_.filePath("ordered.csv"));
        arguments.replaceInStrings(QRegularExpression("^MISSING$"), folder_.filePath("none.csv"));
        for (const Language language : {Language::English, Language::Czech}) {
            const CodeCommandResult text = runCodeCommand(arguments, language);
            const CodeCommandResult json =
                runCodeCommand(QStringList(arguments) << "--json", language);
            QCOMPARE(json.status, text.status);
            QJsonArray objects;
            for (const QString &line : json.out.split(u'\n', Qt::SkipEmptyParts))
                objects << QJsonDocument::fromJson(line.toUtf8()).object();
            QStringList lines = text.out.split(u'\n', Qt::SkipEmptyParts);
            for (QString line : text.err.split(u'\n', Qt::SkipEmptyParts))
                if (!line.contains(QStringLiteral("values are written as")) &&
                    !line.contains(
                        QStringLiteral("hodnoty se zapisují takto"))) // a hint, no finding
                    lines << line.remove(QStringLiteral("ohmilka-code: "));
            for (const QString &line : lines) {
                const std::optional<QJsonObject> object = objectOfLine(objects, line);
                QVERIFY2(object, qPrintable("no object has the line: " + line));
                if (language != Language::English) // the fields are the same in either
                    continue;
                Fields fields;
                collect(*object, fields);
                const QString result = object->value("result").toString();
                const QStringList missing =
                    missingFrom(line, fields, result.startsWith(QLatin1String("unreadable")));
                QVERIFY2(missing.isEmpty(),
                         qPrintable(line + "\n  lacks: " + missing.join(u' ') + "\n  in: " +
                                    QJsonDocument(*object).toJson(QJsonDocument::Compact)));
            }
        }
    }

private:
    QTemporaryDir folder_;
};

QTEST_GUILESS_MAIN(TestJsonAndText)
#include "test_json_and_text.moc"
