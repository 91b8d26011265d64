// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Cursors.h"

#include <QFile>
#include <QPixmap>
#include <QtEndian>

namespace ohmilka {

QCursor loadCursor(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    // The first directory entry, after the 6-byte header, holds the hot spot at offset 4.
    if (bytes.size() < 22)
        return {};
    const int hotX = qFromLittleEndian<quint16>(bytes.constData() + 10);
    const int hotY = qFromLittleEndian<quint16>(bytes.constData() + 12);
    QPixmap picture;
    picture.loadFromData(bytes, "CUR");
    return QCursor(picture, hotX, hotY);
}

} // namespace ohmilka
