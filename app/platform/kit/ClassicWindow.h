#pragma once

#include <QFlags>
#include <QPixmap>
#include <QWidget>

namespace kit {

enum class TitleButton { None = 0, Minimize = 1, Maximize = 2, Close = 4 };
Q_DECLARE_FLAGS(TitleButtons, TitleButton)

// A top-level window of the classic toolkit: a fixed client area, the
// title-bar buttons its design names, centred on the screen when first
// shown, with an icon and a background picture drawn at the top-left at
// its own size and clipped at the edges. Closing it unloads it.
class ClassicWindow : public QWidget {
    Q_OBJECT
public:
    ClassicWindow(const QString& name, QSize clientArea, TitleButtons buttons);

    void setBackgroundColor(const QColor& color);
    void setBackgroundPicture(const QPixmap& picture);
    QPixmap backgroundPicture() const { return m_background; }
    // A window without a title bar and without a task-bar entry.
    void makeCaptionless();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QPixmap m_background;
    bool m_placed = false;
};

} // namespace kit

Q_DECLARE_OPERATORS_FOR_FLAGS(kit::TitleButtons)
