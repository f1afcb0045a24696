#pragma once

#include <QWidget>

namespace kit {

// A frame of the classic toolkit: an etched border with the caption set into
// its top edge, in its own colours; the controls inside are its children.
class Frame final : public QWidget {
    Q_OBJECT
public:
    Frame(QWidget* parent, const QString& name, const QRect& geometry, const QString& caption = {});

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    void setBackColor(const QColor& color);
    void setForeColor(const QColor& color);
    void setBorderVisible(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_caption;
    bool m_border = true;
};

} // namespace kit
