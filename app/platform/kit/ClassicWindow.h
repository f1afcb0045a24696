#pragma once

#include <QFlags>
#include <QPixmap>
#include <QWidget>

class QMenuBar;

namespace kit {

enum class TitleButton { None = 0, Minimize = 1, Maximize = 2, Close = 4 };
Q_DECLARE_FLAGS(TitleButtons, TitleButton)

// The client area of a classic window: the controls lie on it, and its
// background picture is drawn at its top-left at its own size, clipped.
class ClientArea final : public QWidget {
    Q_OBJECT
public:
    explicit ClientArea(QWidget* window, QSize size);
    void setBackgroundPicture(const QPixmap& picture);
    QPixmap backgroundPicture() const { return m_background; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_background;
};

// A top-level window of the classic toolkit: a fixed client area, an
// optional menu bar above it, the title-bar buttons its design names,
// centred on the screen when first shown. Closing it unloads it.
class ClassicWindow : public QWidget {
    Q_OBJECT
public:
    ClassicWindow(const QString& name, QSize clientArea, TitleButtons buttons);

    // Where the controls of the design go; positions are relative to it.
    ClientArea* client() const { return m_client; }
    QMenuBar* menuBar();

    void setBackgroundColor(const QColor& color);
    void setBackgroundPicture(const QPixmap& picture) { m_client->setBackgroundPicture(picture); }
    // A window without a title bar and without a task-bar entry.
    void makeCaptionless();

protected:
    void showEvent(QShowEvent* event) override;

private:
    ClientArea* m_client;
    QMenuBar* m_menuBar = nullptr;
    bool m_placed = false;
};

} // namespace kit

Q_DECLARE_OPERATORS_FOR_FLAGS(kit::TitleButtons)
