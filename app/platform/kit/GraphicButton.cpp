#include "GraphicButton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace kit {

GraphicButton::GraphicButton(QWidget* parent, const QString& name, const QRect& geometry,
                             const QString& caption, const QPixmap& picture)
    : QPushButton(caption, parent), m_picture(picture)
{
    setObjectName(name);
    setGeometry(geometry);
    setAutoDefault(false);
}

void GraphicButton::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

void GraphicButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    const QRect face = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (!m_picture.isNull()) {
        painter.save();
        painter.setClipRect(face);
        // Centred as the classic button centred it: half the difference in
        // size, in whole pixels.
        const QPoint topLeft((width() - m_picture.width()) / 2, (height() - m_picture.height()) / 2);
        painter.drawPixmap(topLeft, m_picture);
        painter.restore();
    }
    option.text = caption;
    painter.drawControl(QStyle::CE_PushButtonLabel, option);
}

} // namespace kit
