#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace kit {

// A picture box of the classic toolkit: a sunken 2-pixel border around an
// inside that shows the box's background colour with its picture at the
// top-left, at the picture's own size and clipped. What is drawn at run time
// goes to a persistent image of the inside, from which the box repaints.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum class Border { None, Sunken };
    static constexpr int sunkenBorderWidth = 2;

    PictureBox(QWidget* parent, const QString& name, const QRect& geometry);

    void setPicture(const QImage& picture);
    QImage picture() const { return m_picture; }
    void setBackColor(const QColor& color);
    QColor backColor() const { return m_backColor; }
    void setBorder(Border border);
    Border border() const { return m_border; }
    // Sizes the box to each new picture plus its border, keeping its top-left.
    void setAutoSize(bool on);
    bool autoSize() const { return m_autoSize; }

    int borderWidth() const { return m_border == Border::Sunken ? sunkenBorderWidth : 0; }
    QRect insideRect() const;
    // The persistent image of the inside, as the box shows it.
    const QImage& image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Puts the inside back to its background: colour, then picture.
    void clearToBackground();
    QImage& mutableImage() { return m_image; }

private:
    void fitToPicture();

    QImage m_picture;
    QImage m_image;
    QColor m_backColor = QColor(255, 255, 255);
    Border m_border = Border::Sunken;
    bool m_autoSize = false;
};

} // namespace kit
