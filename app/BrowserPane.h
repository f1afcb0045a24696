#pragma once

#include <QString>
#include <QWidget>

class QWebEngineView;

namespace app {

// Call before the QApplication exists. QtWebEngine ends the whole process
// when it runs as root with its sandbox on, so as root the sandbox is
// switched off, with one line on standard error to say so.
void prepareBrowserEngine();

// The main window's web pane: a thin layer over the browser engine that only
// tells it where to go. The address goes to the engine exactly as given,
// with no trimming and no scheme added; the engine decides what to make of it.
class BrowserPane final : public QWidget {
    Q_OBJECT
public:
    BrowserPane(QWidget* parent, const QString& name, const QRect& geometry);

    // Starts a navigation and returns at once; the page arrives through the
    // event loop, so the engine's own start never holds back the window.
    void navigate(const QString& address);
    QString lastAddress() const { return m_lastAddress; }
    QWebEngineView* view() const { return m_view; }

signals:
    void navigationStarted(const QString& address);

private:
    QWebEngineView* m_view;
    QString m_lastAddress;
};

} // namespace app
