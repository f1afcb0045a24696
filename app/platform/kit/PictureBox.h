#pragma once

#include "DrawMode.h"

#include <QColor>
#include <QImage>
#include <QWidget>

namespace kit {

// A picture box of the classic toolkit: a sunken 2-pixel border around an
// inside that shows the box's background colour with its picture at the
// top-left, at the picture's own size and clipped. What is drawn at run time
// goes to a persistent image of the inside, from which the box repaints;
// nothing is drawn straight to the screen, so repeated drawing never flickers.
//
// The drawing members keep the classic names. Coordinates are in the box's
// user scale: twips until ScaleWidth is set, which rescales the horizontal
// axis alone.
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

    bool AutoRedraw() const { return m_autoRedraw; }
    void setAutoRedraw(bool on) { m_autoRedraw = on; }
    // Back to the background, and the text position to the top-left corner.
    void Cls();
    double ScaleWidth() const { return m_scaleWidth; }
    void setScaleWidth(double units);
    double ScaleHeight() const { return m_scaleHeight; }
    int DrawMode() const { return static_cast<int>(m_drawMode); }
    void setDrawMode(int mode);
    double TextWidth(const QString& text) const;
    double TextHeight(const QString& text) const;
    double CurrentX() const { return m_currentX; }
    void setCurrentX(double x) { m_currentX = x; }
    double CurrentY() const { return m_currentY; }
    void setCurrentY(double y) { m_currentY = y; }
    QColor ForeColor() const { return m_foreColor; }
    void setForeColor(const QColor& color) { m_foreColor = color; }
    // Text output at the current position, in the fore colour and the box's
    // font, without anti-aliasing; not subject to DrawMode. The position then
    // moves to the start of the next line.
    void Print(const QString& text);
    // The filled box form of Line: a rectangle between two corners, border
    // and inside in the fore colour, combined with the image under DrawMode.
    void LineBoxFilled(double x1, double y1, double x2, double y2);
    // Puts the persistent image on the screen before returning.
    void Refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Puts the inside back to its background: colour, then picture.
    void clearToBackground();
    QImage& mutableImage() { return m_image; }

private:
    void fitToPicture();
    void resetScale();
    int toPixelX(double x) const;
    int toPixelY(double y) const;

    QImage m_picture;
    QImage m_image;
    QColor m_backColor = QColor(255, 255, 255);
    Border m_border = Border::Sunken;
    bool m_autoSize = false;

    bool m_autoRedraw = false;
    kit::DrawMode m_drawMode = kit::DrawMode::CopyPen;
    QColor m_foreColor = QColor(0, 0, 0);
    double m_scaleWidth = 0;
    double m_scaleHeight = 0;
    double m_currentX = 0;
    double m_currentY = 0;
};

} // namespace kit
