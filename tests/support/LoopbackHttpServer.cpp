#include "LoopbackHttpServer.h"

#include <QHostAddress>
#include <QTcpSocket>

LoopbackHttpServer::LoopbackHttpServer(QObject* parent) : QTcpServer(parent)
{
    listen(QHostAddress::LocalHost, 0);
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QString LoopbackHttpServer::address(const QString& path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
}

void LoopbackHttpServer::answer(QTcpSocket* socket)
{
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    const qsizetype end = request.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    const QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
    const QString target = requestLine.size() > 1 ? QString::fromLatin1(requestLine[1]) : QString();
    if (target != QLatin1String("/favicon.ico"))
        m_targets.append(target);
    socket->setProperty("request", request.mid(end + 4));
    const QByteArray body = "<html><body><h1>Trelvane test page</h1></body></html>";
    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                  QByteArray::number(body.size()) + "\r\n\r\n" + body);
}
