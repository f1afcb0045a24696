#pragma once

#include <QList>
#include <QToolButton>
#include <QWidget>

namespace media {

// The multimedia control of the main window: a strip of the nine classic
// buttons (previous, next, play, pause, back, step, stop, record, eject).
// The buttons stay disabled until a file is opened in the control.
class MultimediaControl final : public QWidget {
    Q_OBJECT
public:
    MultimediaControl(QWidget* parent, const QString& name, const QRect& geometry);

    static QStringList buttonNames();
    QToolButton* button(const QString& name) const;

private:
    QList<QToolButton*> m_buttons;
};

} // namespace media
