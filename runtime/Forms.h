// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The forms layer: the program's windows as in a classic forms runtime.
//
// Every window class has one application-wide instance, reached by class through
// instance<F>(): created and loaded (its controls built from its layout, then Form_Load)
// on first use. Unload() raises Form_Unload and destroys the window once the running handler
// has returned; the next instance<F>() loads a fresh one. Show(vbModal) returns only when the
// window is hidden or unloaded, and the other windows take no input meanwhile. Layouts are
// written in twips, colours as 0x00BBGGRR values. Closing the start-up window unloads every
// other window; when none is left, FormRegistry::allUnloaded() ends the application.

#include "Twips.h"

#include <QByteArray>
#include <QList>
#include <QWidget>

#include <utility>
#include <vector>

namespace ohmilka {

class Line;

class Form : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool Visible READ isVisible WRITE setVisible)

public:
    enum ShowStyle { vbModeless = 0, vbModal = 1 };
    enum class Border { FixedSingle, FixedDialog, FixedToolWindow };
    enum class StartUpPosition { Manual, CenterScreen };

    void Show(ShowStyle style = vbModeless);
    void Move(float left, float top); // twips, outer corner; the size stays
    int Width() const;                // outer size in twips where the platform knows it
    int Height() const;
    void setVisible(bool visible) override;

signals:
    void hidden();

protected:
    Form(Border border, int clientWidth, int clientHeight, const QString &caption,
         StartUpPosition startUpPosition = StartUpPosition::Manual);

    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void Form_MouseMove() {}

    // Left and top halve the difference between screen and window size.
    void centreOnScreen();

    static constexpr int noTabIndex = -1;

    // A control of the layout, at its place in its container; tabIndex orders keyboard focus.
    template <class Control>
    Control *add(QWidget *container, const char *name, TwipsRect rect, int tabIndex = noTabIndex)
    {
        auto *control = new Control(container);
        place(control, name, rect, tabIndex);
        return control;
    }
    Line *addLine(const char *name, int x1, int y1, int x2, int y2, int widthPixels);

    bool event(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    friend class FormRegistry;

    QMargins expectedFrame() const;
    QSize outerSize() const;
    void noticeFrame();
    void keepAboveStartUpForm();
    void bringModalFormToFront() const;

    void place(QWidget *control, const char *name, TwipsRect rect, int tabIndex);
    void load(); // runs once, after the constructor has built the controls

    StartUpPosition startUpPosition_;
    bool unloading_ = false;
    bool frameGuessed_ = false; // centred with a frame not yet seen on this window

    std::vector<std::pair<int, QWidget *>> tabStops_;
};

class FormRegistry : public QObject
{
    Q_OBJECT

public:
    static FormRegistry &global();

    template <class F> F &instance()
    {
        if (auto *form = qobject_cast<F *>(find(formName(F::staticMetaObject.className()))))
            return *form;
        prepareLoading();
        auto *form = new F;
        loaded(form, F::staticMetaObject.className());
        return *form;
    }

    // A window's name is its class name without namespace.
    static QByteArrayView formName(const char *className);
    Form *find(QByteArrayView name) const;
    QList<Form *> loadedForms() const { return forms_; }
    void Unload(Form &form);
    // Closing the start-up window, or any later instance of its class, unloads every window.
    void setStartUpForm(const Form &form);
    Form *startUpForm() const;

signals:
    void allUnloaded();

private:
    void prepareLoading();
    void loaded(Form *form, const char *className);

    QList<Form *> forms_; // in load order
    QString startUpForm_;
    int unloadDepth_ = 0;
};

template <class F> F &instance()
{
    return FormRegistry::global().instance<F>();
}

inline void Unload(Form &form)
{
    FormRegistry::global().Unload(form);
}

} // namespace ohmilka
