#pragma once

#include <QPixmap>
#include <QWidget>

namespace kit {

// An image control: exactly the size of its picture, which it draws as it is.
class ImageControl final : public QWidget {
    Q_OBJECT
public:
    ImageControl(QWidget* parent, const QString& name, QPoint topLeft, const QPixmap& picture = {});

    void setPicture(const QPixmap& picture);
    QPixmap picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
};

} // namespace kit
