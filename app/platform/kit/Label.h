#pragma once

#include <QLabel>

namespace kit {

// A label of the classic toolkit: transparent unless given a background
// colour, an optional single-line border, word wrap and alignment, and,
// where the design asks for it, sized to its text.
class Label final : public QLabel {
    Q_OBJECT
public:
    Label(QWidget* parent, const QString& name, const QRect& geometry, const QString& caption);

    void setForeColor(const QColor& color);
    void setBackColor(const QColor& color);
    void setSingleBorder(bool on);
    void setAutoSizeToText(bool on);
    void setCaption(const QString& caption);

private:
    void fitToText();

    bool m_autoSize = false;
};

} // namespace kit
