// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// Helpers the window tests share: the main window as a user starts it, its controls and result
// row, windows opened from it with a click, accessibility lookups, and layout rows in twips.

#include "Forms.h"
#include "StartUp.h"
#include "StopOnFailure.h"
#include "frmNResistor.h"

#include <QAccessible>
#include <QRect>
#include <QTest>
#include <QTimer>

#include <functional>

namespace windowtesting {

// The main window, shown, where the offscreen pointer cannot confuse it with a centred window
// (it sends a move to the first window under the point).
inline ohmilka::frmNResistor &showMainWindow()
{
    auto &main = static_cast<ohmilka::frmNResistor &>(ohmilka::startProgram());
    main.Move(0, 0);
    return main;
}

// A control of window by its name; where there is none, the current test fails and the result
// is null.
template <class T = QWidget> T *control(const QWidget &window, const QString &name)
{
    auto *found = window.findChild<T *>(name);
    if (!found)
        QTest::qFail(
            qPrintable(QStringLiteral("no control %1 in %2").arg(name, window.objectName())),
            __FILE__, __LINE__);
    return found;
}

// Clicks and points at controls by name, as a user does; a missing one fails the test.
inline void click(const QWidget &window, const QString &name)
{
    if (QWidget *found = control(window, name))
        QTest::mouseClick(found, Qt::LeftButton);
}
inline void pointAt(const QWidget &window, const QString &name)
{
    if (QWidget *found = control(window, name))
        QTest::mouseMove(found);
}

// A property of a control as the window shows it; invalid where the control is missing.
inline QVariant shownProperty(const QWidget &window, const QString &name, const char *property)
{
    const QWidget *found = control(window, name);
    return found ? found->property(property) : QVariant();
}

// The result row as the main window shows it.
inline QString shownNumber(const QWidget &main)
{
    return shownProperty(main, QStringLiteral("txtHodnota"), "Text").toString();
}
inline int shownUnit(const QWidget &main)
{
    return shownProperty(main, QStringLiteral("cmbHodnota"), "ListIndex").toInt();
}
inline QString shownTolerance(const QWidget &main)
{
    return shownProperty(main, QStringLiteral("lblTolerance"), "Caption").toString();
}

// What assistive technology sees of a control of window; null where the control is missing.
inline QAccessibleInterface *accessible(const QWidget &window, const QString &name)
{
    QWidget *found = control(window, name);
    return found ? QAccessible::queryAccessibleInterface(found) : nullptr;
}

// Unloads whatever is still loaded and lets the unloaded windows go.
inline void unloadEverything()
{
    auto &registry = ohmilka::FormRegistry::global();
    while (!registry.loadedForms().isEmpty())
        ohmilka::Unload(*registry.loadedForms().first());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Runs open, which shows a modal window, and steps in that window; closes the window afterwards
// if the steps left it open. Fails the current test if the window does not open; the caller
// ends when the test has failed (RETURN_IF_FAILED), here or in the steps.
inline void inWindowOpenedWhen(QWidget &main, const std::function<void()> &open,
                               const QByteArray &window,
                               const std::function<void(ohmilka::Form &)> &steps)
{
    // The timer fires in the modal window's event loop, and dies with this call if none ran.
    QTimer inWindow;
    inWindow.setSingleShot(true);
    QObject::connect(&inWindow, &QTimer::timeout, &main, [window, steps] {
        ohmilka::Form *shown = ohmilka::FormRegistry::global().find(window);
        if (!shown || !shown->isVisible()) {
            QTest::qFail((window + " is not shown").constData(), __FILE__, __LINE__);
            return;
        }
        steps(*shown);
        if (ohmilka::FormRegistry::global().find(window) == shown && shown->isVisible())
            shown->close();
    });
    inWindow.start(0);
    open();
    if (inWindow.isActive() && !QTest::currentTestFailed())
        QTest::qFail((window + " did not open").constData(), __FILE__, __LINE__);
}

// Clicks opener on the main window and runs steps in the modal window it opens.
inline void inWindowOpenedBy(QWidget &main, const QString &opener, const QByteArray &window,
                             const std::function<void(ohmilka::Form &)> &steps)
{
    QWidget *button = control(main, opener);
    if (!button)
        return;
    inWindowOpenedWhen(
        main, [button] { QTest::mouseClick(button, Qt::LeftButton); }, window, steps);
}

// Clicks opener and runs steps in the window it opens, which must have unloaded itself once
// closed; lets the unloaded window go.
inline void inUnloadingWindowOpenedBy(QWidget &main, const QString &opener,
                                      const QByteArray &window,
                                      const std::function<void(ohmilka::Form &)> &steps)
{
    RETURN_IF_FAILED(inWindowOpenedBy(main, opener, window, steps));
    QCOMPARE(ohmilka::FormRegistry::global().find(window), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Layout rows: control name, container name and its rectangle in twips; a width of 0 stands for
// a control that sizes itself to its text.
inline void addLayoutColumns()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("twips");
}

inline void addLayoutRow(const char *name, const char *container, int left, int top, int width,
                         int height)
{
    QTest::newRow(name) << QString::fromLatin1(container) << QRect(left, top, width, height);
}

// Checks the current row's control in window.
inline void checkLayoutRow(QWidget &window)
{
    QFETCH(QString, container);
    QFETCH(QRect, twips);
    QWidget *laidOut = control(window, QLatin1String(QTest::currentDataTag()));
    if (!laidOut)
        return;
    QCOMPARE(laidOut->parentWidget()->objectName(), container);
    const QRect g = laidOut->geometry();
    QCOMPARE(QPoint(g.x() * 15, g.y() * 15), twips.topLeft());
    if (twips.width() > 0)
        QCOMPARE(g.size() * 15, twips.size());
    else
        QCOMPARE(g.size(), laidOut->sizeHint());
}

} // namespace windowtesting
