#include "MessageBox.h"

#include "AppInfo.h"
#include "Services.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

namespace {

QMessageBox::Icon toQtIcon(Icon icon)
{
    switch (icon) {
    case Icon::Question: return QMessageBox::Question;
    case Icon::Exclamation: return QMessageBox::Warning;
    case Icon::Information: return QMessageBox::Information;
    case Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Answer QtMessageBox::show(const MessageRequest& request)
{
    const auto buttons = request.buttons == Buttons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                           : QMessageBox::StandardButtons(QMessageBox::Ok);
    QMessageBox box(toQtIcon(request.icon), request.title, request.text, buttons,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MsgBox"));
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Ok;
    }
}

Answer messageBox(const QString& text, Buttons buttons, Icon icon, const QString& title)
{
    const MessageRequest request{text, buttons, icon, title.isEmpty() ? appinfo::title() : title};
    return Services::instance().messageBox().show(request);
}

} // namespace platform
