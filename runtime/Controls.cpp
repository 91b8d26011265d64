// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "Controls.h"

#include "Accessibility.h"
#include "Colours.h"
#include "Platform.h"

#include <QMouseEvent>
#include <QPainter>

namespace ohmilka {

namespace {
void setColourRole(QWidget *widget, QPalette::ColorRole role, ColourValue colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, toQColor(colour));
    widget->setPalette(palette);
}
} // namespace

void ClickTracker::pressed(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

bool ClickTracker::released(QMouseEvent *event, const QWidget *control)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       control->rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    return click;
}

Label::Label(QWidget *parent)
    : QLabel(parent), backColor_(systemButtonFace), foreColor_(systemButtonText)
{
    setTextFormat(Qt::PlainText); // a caption is shown as written, never as markup
    setAccessibleRole(this, QAccessible::StaticText);
    setMouseTracking(true);
    setAutoFillBackground(true);
    applyColours();
}

void Label::setCaption(const QString &caption)
{
    caption_ = caption;
    showCaption();
}

void Label::setBackColor(ColourValue colour)
{
    backColor_ = colour;
    applyColours();
}

void Label::setForeColor(ColourValue colour)
{
    foreColor_ = colour;
    applyColours();
}

void Label::setFontBold(bool bold)
{
    QFont boldOrNot = font();
    boldOrNot.setBold(bold);
    setFont(boldOrNot);
}

void Label::setAutoSize(bool autoSize)
{
    autoSize_ = autoSize;
    showCaption();
}

void Label::setSingleBorder()
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void Label::setCentred()
{
    setAlignment(Qt::AlignCenter);
}

void Label::setSymbolFont(qreal pointSize)
{
    // The symbol fonts installed here do not all draw the Greek letters at their Unicode
    // places, so the mapped text is drawn in the window's ordinary face.
    symbolFont_ = true;
    QFont symbol = font();
    symbol.setPointSizeF(pointSize);
    setFont(symbol);
    showCaption();
}

void Label::setLink(const QString &accessibleName, const QString &accessibleDescription)
{
    markAsPressable(this, QAccessible::Link, accessibleName, accessibleDescription);
}

void Label::setPressable(const QString &accessibleDescription)
{
    markAsPressable(this, QAccessible::Button, caption_, accessibleDescription);
}

void Label::showCaption()
{
    setText(symbolFont_ ? symbolToUnicode(caption_) : caption_);
    if (autoSize_)
        adjustSize();
}

void Label::applyColours()
{
    setColourRole(this, QPalette::Window, backColor_);
    setColourRole(this, QPalette::WindowText, foreColor_);
}

void Label::mousePressEvent(QMouseEvent *event)
{
    click_.pressed(event);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    if (click_.released(event, this))
        emit Click();
}

void Label::mouseMoveEvent(QMouseEvent *event)
{
    emit MouseMove();
    event->accept();
}

Image::Image(QWidget *parent) : Label(parent) {}

PictureBox::PictureBox(QWidget *parent) : QFrame(parent), backColor_(systemButtonFace)
{
    setFocusPolicy(Qt::StrongFocus);
    setBorder(Border::Sunken);
}

void PictureBox::setBackColor(ColourValue colour)
{
    backColor_ = colour;
    update();
    emit BackColorChanged();
}

void PictureBox::setBorder(Border border)
{
    switch (border) {
    case Border::None:
        setFrameStyle(QFrame::NoFrame);
        break;
    case Border::Flat:
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
        break;
    case Border::Sunken:
        setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        break;
    }
}

void PictureBox::setPicture(const QPixmap &picture)
{
    setAccessibleRole(this, QAccessible::Graphic);
    picture_ = picture;
    update();
}

void PictureBox::setPressable(const QString &accessibleName)
{
    markAsPressable(this, QAccessible::Button, accessibleName, accessibleDescription());
}

void PictureBox::setLayoutOnly()
{
    markAsLayoutOnly(this);
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    {
        QPainter painter(this);
        painter.fillRect(rect(), toQColor(backColor_));
        if (!picture_.isNull())
            painter.drawPixmap(contentsRect().topLeft(), picture_);
    }
    QFrame::paintEvent(event);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    click_.pressed(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (click_.released(event, this))
        emit Click();
}

TextBox::TextBox(QWidget *parent) : QLineEdit(parent) {}

MultiLineTextBox::MultiLineTextBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setTabChangesFocus(true);
}

void MultiLineTextBox::setText(const QString &text)
{
    text_ = text;
    setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

ComboBox::ComboBox(QWidget *parent) : QComboBox(parent) {}

void ComboBox::setEntries(const QStringList &entries)
{
    clear();
    addItems(entries);
    setCurrentIndex(-1);
}

CommandButton::CommandButton(QWidget *parent) : QPushButton(parent)
{
    setAutoDefault(true); // outside a dialog this only lets Enter press the focused button
}

Frame::Frame(QWidget *parent) : QGroupBox(parent)
{
    setAccessibleRole(this, QAccessible::Grouping);
    setMouseTracking(true);
}

void Frame::mouseMoveEvent(QMouseEvent *event)
{
    emit MouseMove();
    event->accept();
}

Line::Line(QWidget *parent, QPoint from, QPoint to, int widthPixels)
    : QWidget(parent), from_(from), to_(to), width_(widthPixels)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    markAsDrawing(this);
    const QRect bounds = QRect(from, to).normalized().adjusted(-width_, -width_, width_, width_);
    setGeometry(bounds);
    lower();
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, width_, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(from_ - pos(), to_ - pos());
}

Shape::Shape(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    markAsDrawing(this);
    lower();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(toQColor(systemWindow));
    const qreal radius = std::min(width(), height()) / 4.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

} // namespace ohmilka
