#include "Label.h"

#include "Units.h"

namespace kit {

Label::Label(QWidget* parent, const QString& name, const QRect& geometry, const QString& caption)
    : QLabel(caption, parent)
{
    setObjectName(name);
    setGeometry(geometry);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(false);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    setTextFormat(Qt::PlainText);
    setMargin(0);
    setIndent(0);
}

void Label::setForeColor(const QColor& color)
{
    setColour(this, QPalette::WindowText, color);
}

void Label::setBackColor(const QColor& color)
{
    setColour(this, QPalette::Window, color);
    setAttribute(Qt::WA_TranslucentBackground, false);
    setAutoFillBackground(true);
}

void Label::setSingleBorder(bool on)
{
    setFrameStyle(on ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    setLineWidth(1);
}

void Label::setAutoSizeToText(bool on)
{
    m_autoSize = on;
    fitToText();
}

void Label::setCaption(const QString& caption)
{
    setText(caption);
    fitToText();
}

void Label::fitToText()
{
    if (!m_autoSize)
        return;
    // A right-aligned label that sizes itself keeps its right edge, as the
    // classic one did; any other keeps its left edge.
    const QRect before = geometry();
    const QSize wanted = fontMetrics().size(Qt::TextSingleLine, text()) +
                         QSize(2 * frameWidth(), 2 * frameWidth());
    QRect after(before.topLeft(), wanted);
    if (alignment() & Qt::AlignRight)
        after.moveRight(before.right());
    setGeometry(after);
}

} // namespace kit
