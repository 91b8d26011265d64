// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Platform.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QStyleFactory>

namespace ohmilka {

void setUpPlatformLook()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    // Fonts that the build carries with the program, where the system has none of its own, join
    // the system's before any window asks for them.
    for (const QString &file : QDir(QStringLiteral(":/fonts")).entryList())
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/") + file);
    // Liberation Sans has the metrics of Arial; nothing installable has those of the old
    // dialog font, and Liberation Sans is the closer fit for layouts made for it.
    for (const char *family : {"Arial", "MS Sans Serif", "MS Shell Dlg", "MS Shell Dlg 2"})
        QFont::insertSubstitution(QString::fromLatin1(family), QStringLiteral("Liberation Sans"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    // Liberation Sans at 97 % width draws captions as wide as the layouts size them for the old
    // dialog font (the help window's lines would overrun their frame at full width).
    QFont dialogFont(QStringLiteral("MS Sans Serif"));
    dialogFont.setPointSizeF(8.25);
    dialogFont.setStretch(97);
    QApplication::setFont(dialogFont);
}

QString symbolToUnicode(const QString &text)
{
    // The Symbol font puts the Greek alphabet on the Latin letters.
    static const QString latin =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    static const QString greek =
        QStringLiteral("ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖαβχδεφγηιϕκλμνοπθρστυϖωξψζ");
    QString mapped = text;
    for (QChar &c : mapped) {
        const auto at = latin.indexOf(c);
        if (at >= 0)
            c = greek.at(at);
    }
    return mapped;
}

} // namespace ohmilka
