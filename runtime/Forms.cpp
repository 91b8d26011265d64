#include "Forms.h"

#include "App.h"
#include "Controls.h"
#include "Platform.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPointer>

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
} // namespace

Form::Form(Border border, int clientWidth, int clientHeight, const QString &caption,
           StartUpPosition startUpPosition)
    : QWidget(nullptr, flagsFor(border)), startUpPosition_(startUpPosition)
{
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

void Form::Show(int style)
{
    if (style != vbModal) {
        setWindowModality(Qt::NonModal);
        show();
        return;
    }
    setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    connect(this, &Form::hidden, &loop, &QEventLoop::quit);
    QPointer<Form> self(this);
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
    move(pixelsFromTwips(left), pixelsFromTwips(top));
}

int Form::Width() const
{
    return twipsFromPixels(frameGeometry().width());
}

int Form::Height() const
{
    return twipsFromPixels(frameGeometry().height());
}

void Form::centreOnScreen()
{
    const float left = static_cast<float>(Screen::Width() - Width()) / 2;
    const float top = static_cast<float>(Screen::Height() - Height()) / 2;
    Move(left, top);
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
