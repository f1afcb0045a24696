#include "MultimediaControl.h"

#include <QHBoxLayout>

namespace media {

namespace {

// The glyphs the classic control drew on its buttons.
QString glyphOf(const QString& name)
{
    static const QHash<QString, QString> glyphs{
        {QStringLiteral("Prev"), QStringLiteral("|\u25C0\u25C0")},
        {QStringLiteral("Next"), QStringLiteral("\u25B6\u25B6|")},
        {QStringLiteral("Play"), QStringLiteral("\u25B6")},
        {QStringLiteral("Pause"), QStringLiteral("||")},
        {QStringLiteral("Back"), QStringLiteral("\u25C0|")},
        {QStringLiteral("Step"), QStringLiteral("|\u25B6")},
        {QStringLiteral("Stop"), QStringLiteral("\u25A0")},
        {QStringLiteral("Record"), QStringLiteral("\u25CF")},
        {QStringLiteral("Eject"), QStringLiteral("\u23CF")},
    };
    return glyphs.value(name);
}

} // namespace

MultimediaControl::MultimediaControl(QWidget* parent, const QString& name, const QRect& geometry)
    : QWidget(parent)
{
    setObjectName(name);
    setGeometry(geometry);
    auto* strip = new QHBoxLayout(this);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->setSpacing(0);
    for (const QString& buttonName : buttonNames()) {
        auto* button = new QToolButton(this);
        button->setObjectName(buttonName + QStringLiteral("Button"));
        button->setText(glyphOf(buttonName));
        button->setToolTip(buttonName);
        button->setEnabled(false);
        button->setFixedHeight(geometry.height());
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        strip->addWidget(button);
        m_buttons.append(button);
    }
}

QStringList MultimediaControl::buttonNames()
{
    return {QStringLiteral("Prev"),  QStringLiteral("Next"), QStringLiteral("Play"),
            QStringLiteral("Pause"), QStringLiteral("Back"), QStringLiteral("Step"),
            QStringLiteral("Stop"),  QStringLiteral("Record"), QStringLiteral("Eject")};
}

QToolButton* MultimediaControl::button(const QString& name) const
{
    return findChild<QToolButton*>(name + QStringLiteral("Button"));
}

} // namespace media
