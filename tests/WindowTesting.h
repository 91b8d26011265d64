#pragma once

// Helpers the window tests share: the main window as a user starts it, its controls and result
// row, windows opened from it with a click, accessibility lookups, and layout rows in twips.

#include "Forms.h"
#include "StartUp.h"
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

// A control of window by its name; the test program stops where there is none.
template <class T = QWidget> T *control(const QWidget &window, const QString &name)
{
    auto *found = window.findChild<T *>(name);
    if (!found)
        qFatal("no control %s in %s", qPrintable(name), qPrintable(window.objectName()));
    return found;
}

// The result row as the main window shows it.
inline QString shownNumber(const QWidget &main)
{
    return control(main, QStringLiteral("txtHodnota"))->property("Text").toString();
}
inline int shownUnit(const QWidget &main)
{
    return control(main, QStringLiteral("cmbHodnota"))->property("ListIndex").toInt();
}
inline QString shownTolerance(const QWidget &main)
{
    return control(main, QStringLiteral("lblTolerance"))->property("Caption").toString();
}

// What assistive technology sees of a control.
inline QAccessibleInterface *accessible(QWidget *control)
{
    return QAccessible::queryAccessibleInterface(control);
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
// if the steps left it open.
inline void inWindowOpenedWhen(QWidget &main, const std::function<void()> &open,
                               const QByteArray &window,
                               const std::function<void(ohmilka::Form &)> &steps)
{
    QTimer::singleShot(0, &main, [window, steps] {
        ohmilka::Form *shown = ohmilka::FormRegistry::global().find(window);
        QVERIFY2(shown && shown->isVisible(), window.constData());
        steps(*shown);
        if (ohmilka::FormRegistry::global().find(window) == shown && shown->isVisible())
            shown->close();
    });
    open();
}

// Clicks opener on the main window and runs steps in the modal window it opens.
inline void inWindowOpenedBy(QWidget &main, const QString &opener, const QByteArray &window,
                             const std::function<void(ohmilka::Form &)> &steps)
{
    inWindowOpenedWhen(
        main, [&] { QTest::mouseClick(main.findChild<QWidget *>(opener), Qt::LeftButton); }, window,
        steps);
}

// Clicks opener and runs steps in the window it opens, which must have unloaded itself once
// closed; lets the unloaded window go.
inline void inUnloadingWindowOpenedBy(QWidget &main, const QString &opener,
                                      const QByteArray &window,
                                      const std::function<void(ohmilka::Form &)> &steps)
{
    inWindowOpenedBy(main, opener, window, steps);
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
    auto *control = window.findChild<QWidget *>(QLatin1String(QTest::currentDataTag()));
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), container);
    const QRect g = control->geometry();
    QCOMPARE(QPoint(g.x() * 15, g.y() * 15), twips.topLeft());
    if (twips.width() > 0)
        QCOMPARE(g.size() * 15, twips.size());
    else
        QCOMPARE(g.size(), control->sizeHint());
}

} // namespace windowtesting
