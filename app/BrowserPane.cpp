#include "BrowserPane.h"

#include <QCoreApplication>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QWebEngineView>

#include <cstdio>
#include <unistd.h>

namespace app {

void prepareBrowserEngine()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (::geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        std::fputs("trelvane: running as root, so the web pane's sandbox is switched off\n", stderr);
    }
}

BrowserPane::BrowserPane(QWidget* parent, const QString& name, const QRect& geometry)
    : QWidget(parent), m_view(new QWebEngineView(this))
{
    setObjectName(name);
    setGeometry(geometry);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    // The pane is the tab stop: the engine's own focus widget appears only
    // once its first page has arrived.
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_view);
}

void BrowserPane::navigate(const QString& address)
{
    m_lastAddress = address;
    emit navigationStarted(address);
    QTimer::singleShot(0, m_view, [view = m_view, address] {
        view->setUrl(QUrl(address, QUrl::TolerantMode));
    });
}

} // namespace app
