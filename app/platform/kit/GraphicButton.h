#pragma once

#include <QPixmap>
#include <QPushButton>

namespace kit {

// A button that shows a picture on its face: centred and clipped to the
// face, with the caption drawn over it.
class GraphicButton final : public QPushButton {
    Q_OBJECT
public:
    GraphicButton(QWidget* parent, const QString& name, const QRect& geometry,
                  const QString& caption, const QPixmap& picture = {});

    void setPicture(const QPixmap& picture);
    QPixmap picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};

} // namespace kit
