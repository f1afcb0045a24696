#pragma once

#include <QByteArray>
#include <QStringList>
#include <QTcpServer>

// A small HTTP server on 127.0.0.1 for the web pane's tests: it answers every
// GET with a short page and records each request's target ("/typed?x=1").
// Requests for the site icon are answered but not recorded.
class LoopbackHttpServer final : public QTcpServer {
    Q_OBJECT
public:
    explicit LoopbackHttpServer(QObject* parent = nullptr);

    QString address(const QString& path = QStringLiteral("/")) const;
    const QStringList& targets() const { return m_targets; }

private:
    void answer(class QTcpSocket* socket);
    QStringList m_targets;
};
