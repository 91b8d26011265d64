// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Forms.h"

#include "Accessibility.h"
#include "App.h"
#include "Controls.h"
#include "Platform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QHash>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>

#include <algorithm>

namespace ohmilka {

namespace {
Qt::WindowFlags flagsFor(Form::Border border)
{
    const Qt::WindowFlags common = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    switch (border) {
    case Form::Border::FixedSingle:
        return Qt::Window | common | Qt::WindowMinimizeButtonHint;
    case Form::Border::FixedDialog:
        return Qt::Dialog | common;
    case Form::Border::FixedToolWindow:
        return Qt::Tool | common;
    }
    return Qt::Window | common;
}

// The frame the window manager last drew around a window of each kind (dialog, tool window...).
QHash<int, QMargins> &framesSeen()
{
    static QHash<int, QMargins> frames;
    return frames;
}

QMargins frameOf(const QWidget *window)
{
    return window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
}
} // namespace

Form::Form(Border border, int clientWidth, int clientHeight, const QString &caption,
           StartUpPosition startUpPosition)
    : QWidget(nullptr, flagsFor(border)), startUpPosition_(startUpPosition)
{
    setAccessibleRole(this,
                      border == Border::FixedSingle ? QAccessible::Window : QAccessible::Dialog);
    setWindowTitle(caption);
    setFixedSize(pixelsFromTwips(clientWidth), pixelsFromTwips(clientHeight));
    setMouseTracking(true);
}

void Form::place(QWidget *control, const char *name, TwipsRect rect, int tabIndex)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(pixelsFromTwips(rect.left), pixelsFromTwips(rect.top),
                         pixelsFromTwips(rect.width), pixelsFromTwips(rect.height));
    // A control keeps the pointer's moves to itself: the frame or window beneath hears of
    // them only where the pointer is over its own bare surface.
    control->setAttribute(Qt::WA_NoMousePropagation);
    if (tabIndex != noTabIndex)
        tabStops_.emplace_back(tabIndex, control);
}

Line *Form::addLine(const char *name, int x1, int y1, int x2, int y2, int widthPixels)
{
    auto *line = new Line(this, QPoint(pixelsFromTwips(x1), pixelsFromTwips(y1)),
                          QPoint(pixelsFromTwips(x2), pixelsFromTwips(y2)), widthPixels);
    line->setObjectName(QString::fromLatin1(name));
    return line;
}

void Form::load()
{
    create(); // so that the frame size is known, where the platform tells it, before Form_Load
    std::stable_sort(tabStops_.begin(), tabStops_.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QWidget *previous = nullptr;
    for (const auto &[index, control] : tabStops_) {
        if (!(control->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            setTabOrder(previous, control);
        else
            control->setFocus();
        previous = control;
    }
    if (startUpPosition_ == StartUpPosition::CenterScreen)
        centreOnScreen();
    Form_Load();
}

void Form::Show(ShowStyle style)
{
    if (style != vbModal) {
        setWindowModality(Qt::NonModal);
        show();
        return;
    }
    setWindowModality(Qt::ApplicationModal);
    keepAboveStartUpForm();
    QEventLoop loop;
    connect(this, &Form::hidden, &loop, &QEventLoop::quit);
    QPointer<Form> self(this);
    announceOpening(this);
    show();
    if (self && isVisible())
        loop.exec(QEventLoop::DialogExec);
    // The window may have unloaded itself meanwhile: nothing of it is touched from here on.
}

void Form::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (!visible)
        emit hidden();
}

void Form::Move(float left, float top)
{
    // The inner area is placed inside the frame: Qt's own idea of the frame lags behind the
    // window manager's, and before the first frame it places the inner area at the corner.
    const QPoint corner(pixelsFromTwips(left), pixelsFromTwips(top));
    const QMargins frame = expectedFrame();
    setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), size()));
}

int Form::Width() const
{
    return twipsFromPixels(outerSize().width());
}

int Form::Height() const
{
    return twipsFromPixels(outerSize().height());
}

// A window manager tells the frame only once it has framed the window; until then the frame
// last seen on a window of the same kind stands in for it.
QMargins Form::expectedFrame() const
{
    const QMargins frame = frameOf(this);
    return frame.isNull() ? framesSeen().value(windowType()) : frame;
}

QSize Form::outerSize() const
{
    return size().grownBy(expectedFrame());
}

void Form::centreOnScreen()
{
    frameGuessed_ = frameOf(this).isNull();
    const float left = static_cast<float>(Screen::Width() - Width()) / 2;
    const float top = static_cast<float>(Screen::Height() - Height()) / 2;
    Move(left, top);
}

// Once the frame of a window centred with a guessed frame is known, it is remembered for its
// kind, and the window is centred again if the guess was wrong: it moves at most once.
void Form::noticeFrame()
{
    if (!frameGuessed_)
        return;
    const QMargins frame = frameOf(this);
    if (frame.isNull())
        return;
    frameGuessed_ = false;
    const QMargins guessed = framesSeen().value(windowType());
    framesSeen()[windowType()] = frame;
    if (frame != guessed)
        centreOnScreen();
}

// On the window-system side a modal window belongs to the start-up window, so that window
// managers keep it above that window and minimise and restore the two together.
void Form::keepAboveStartUpForm()
{
    Form *owner = FormRegistry::global().startUpForm();
    if (!owner || owner == this || !owner->windowHandle())
        return;
    create();
    windowHandle()->setTransientParent(owner->windowHandle());
}

// A modal window that was minimised or went behind others comes back when the user turns to a
// window it blocks.
void Form::bringModalFormToFront() const
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == this)
        return;
    if (modal->isMinimized())
        modal->showNormal();
    modal->raise();
    modal->activateWindow();
}

bool Form::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Paint:
        noticeFrame();
        break;
    case QEvent::WindowActivate:
        noticeFrame();
        bringModalFormToFront();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void Form::mouseMoveEvent(QMouseEvent *event)
{
    Form_MouseMove();
    event->accept();
}

void Form::closeEvent(QCloseEvent *event)
{
    event->ignore();
    Unload(*this);
}

FormRegistry &FormRegistry::global()
{
    static FormRegistry registry;
    return registry;
}

QByteArrayView FormRegistry::formName(const char *className)
{
    const QByteArrayView qualified(className);
    return qualified.sliced(qualified.lastIndexOf(':') + 1);
}

Form *FormRegistry::find(QByteArrayView name) const
{
    for (Form *form : forms_)
        if (form->objectName().toLatin1() == name)
            return form;
    return nullptr;
}

void FormRegistry::setStartUpForm(const Form &form)
{
    startUpForm_ = form.objectName();
}

Form *FormRegistry::startUpForm() const
{
    return find(startUpForm_.toLatin1());
}

void FormRegistry::prepareLoading()
{
    setUpPlatformLook();
}

void FormRegistry::loaded(Form *form, const char *className)
{
    form->setObjectName(QString::fromLatin1(formName(className)));
    forms_.append(form);
    form->load();
}

void FormRegistry::Unload(Form &form)
{
    if (form.unloading_)
        return;
    form.unloading_ = true;
    ++unloadDepth_;
    forms_.removeOne(&form); // from now on instance<F>() loads a fresh window
    form.Form_Unload();
    form.hide();
    form.deleteLater();
    if (form.objectName() == startUpForm_) {
        while (!forms_.isEmpty())
            Unload(*forms_.first());
    }
    if (--unloadDepth_ == 0 && forms_.isEmpty())
        emit allUnloaded();
}

} // namespace ohmilka
