// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

// The controls the windows are made of. Each carries, as Qt properties of the same names,
// the properties the program reads and writes: BackColor, Caption, ForeColor, FontBold, Text,
// ListIndex. Click and MouseMove are signals.

#include "Colours.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

namespace ohmilka {

// Press and release on the same control make a click.
class ClickTracker
{
public:
    void pressed(QMouseEvent *event);
    bool released(QMouseEvent *event, const QWidget *control);

private:
    bool pressed_ = false;
};

class Label : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(bool FontBold READ FontBold WRITE setFontBold)

public:
    explicit Label(QWidget *parent);

    QString Caption() const { return caption_; }
    void setCaption(const QString &caption);
    ColourValue BackColor() const { return backColor_; }
    void setBackColor(ColourValue colour);
    ColourValue ForeColor() const { return foreColor_; }
    void setForeColor(ColourValue colour);
    bool FontBold() const { return font().bold(); }
    void setFontBold(bool bold);

    void setAutoSize(bool autoSize); // the label's size follows its caption
    void setSingleBorder();
    void setCentred();
    // The caption is in the Symbol typeface: shown as the letters it stands for.
    void setSymbolFont(qreal pointSize);
    // Announced to assistive technology as a link or a button that it can press.
    void setLink(const QString &accessibleName, const QString &accessibleDescription);
    void setPressable(const QString &accessibleDescription);

signals:
    void Click();
    void MouseMove();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void showCaption();
    void applyColours();

    QString caption_;
    ColourValue backColor_;
    ColourValue foreColor_;
    bool autoSize_ = false;
    bool symbolFont_ = false;
    ClickTracker click_;
};

// Shows a picture at its natural size; clickable like a label.
class Image : public Label
{
    Q_OBJECT

public:
    explicit Image(QWidget *parent);
};

class PictureBox : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor NOTIFY BackColorChanged)

public:
    enum class Border { None, Flat, Sunken };

    explicit PictureBox(QWidget *parent);

    ColourValue BackColor() const { return backColor_; }
    void setBackColor(ColourValue colour);
    void setBorder(Border border);
    void setPicture(const QPixmap &picture);
    // Announced to assistive technology as a button that it can press.
    void setPressable(const QString &accessibleName);
    // The box only holds other controls; assistive technology sees them in its place.
    void setLayoutOnly();

signals:
    void Click();
    void BackColorChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    ColourValue backColor_;
    QPixmap picture_;
    ClickTracker click_;
};

class TextBox : public QLineEdit
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText)

public:
    explicit TextBox(QWidget *parent);
};

// Multi-line, wrapped at word boundaries, with a vertical scroll bar. Text gives back the string
// that was assigned, CR LF line breaks included.
class MultiLineTextBox : public QPlainTextEdit
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE setText)

public:
    explicit MultiLineTextBox(QWidget *parent);

    QString Text() const { return text_; }
    void setText(const QString &text);

private:
    QString text_;
};

class ComboBox : public QComboBox
{
    Q_OBJECT
    Q_PROPERTY(int ListIndex READ currentIndex WRITE setCurrentIndex)

public:
    explicit ComboBox(QWidget *parent);
    void setEntries(const QStringList &entries); // nothing selected afterwards
};

// Enter or Space presses the button while it has the focus; it is never a default button.
class CommandButton : public QPushButton
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setText)

public:
    explicit CommandButton(QWidget *parent);
};

class Frame : public QGroupBox
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ title WRITE setTitle)

public:
    explicit Frame(QWidget *parent);

signals:
    void MouseMove();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
};

// Lines and shapes are drawn on the window's surface, beneath the controls; the pointer passes
// through them to the window.
class Line : public QWidget
{
    Q_OBJECT

public:
    Line(QWidget *parent, QPoint from, QPoint to, int widthPixels);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint from_;
    QPoint to_;
    int width_;
};

class Shape : public QWidget
{
    Q_OBJECT

public:
    explicit Shape(QWidget *parent); // a rounded rectangle, black outline, opaque fill

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace ohmilka
