#include "frmSplash.h"

#include "AppInfo.h"
#include "Artwork.h"
#include "Frame.h"
#include "ImageControl.h"
#include "Label.h"
#include "Units.h"

namespace app {

using kit::px;
using kit::twipsRect;

namespace {

kit::Label* blackLabel(QWidget* parent, const char* name, const QRect& geometry, const QString& text,
                       const QFont& font, Qt::Alignment alignment = Qt::AlignLeft)
{
    auto* label = new kit::Label(parent, QString::fromLatin1(name), geometry, text);
    label->setFont(font);
    label->setForeColor(Qt::black);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setAutoSizeToText(true);
    return label;
}

} // namespace

frmSplash::frmSplash()
    : kit::ClassicWindow(QStringLiteral("frmSplash"), {px(7500), px(4710)}, kit::TitleButton::None)
{
    makeCaptionless();
    setBackgroundColor(Qt::black);
    setFont(kit::classicFont(QStringLiteral("MS Sans Serif"), 12, true));

    auto* frame = new kit::Frame(client(), QStringLiteral("fraMainFrame"), twipsRect(120, 120, 7275, 4455));
    frame->setBackColor(Qt::white);
    frame->setBorderVisible(false);

    new kit::ImageControl(frame, QStringLiteral("Image1"), kit::twipsPoint(240, 1200),
                          resources::assetPixmap(QStringLiteral("artSplashLogo")));
    new kit::ImageControl(frame, QStringLiteral("Image2"), kit::twipsPoint(3960, 3240),
                          resources::assetPixmap(QStringLiteral("artOsBadge")));
    blackLabel(frame, "lblProductName", twipsRect(3120, 840, 0, 0), QStringLiteral("Product"),
               kit::classicFont(QStringLiteral("Arial"), 15.75, true));
    blackLabel(frame, "lblPlatform", twipsRect(4320, 2280, 2685, 360), QStringLiteral("Windows ME/98/95"),
               kit::classicFont(QStringLiteral("MS Sans Serif"), 13.5, true), Qt::AlignRight);
    blackLabel(frame, "lblVersion", twipsRect(5475, 2640, 1530, 300), QStringLiteral("Version 1.30"),
               font(), Qt::AlignRight);
    blackLabel(frame, "lblCompany", twipsRect(4680, 3000, 2295, 255), QStringLiteral("Trelvane Software"),
               kit::defaultFont());
    blackLabel(frame, "lblCopyright", twipsRect(3360, 4200, 3615, 255),
               QStringLiteral("Copyright (C) 2001 Trelvane Software"), kit::defaultFont());
    load();
}

void frmSplash::load()
{
    findChild<kit::Label*>(QStringLiteral("lblVersion"))
        ->setCaption(QStringLiteral("Version %1.%2.%3")
                         .arg(platform::appinfo::versionMajor)
                         .arg(platform::appinfo::versionMinor)
                         .arg(platform::appinfo::versionRevision));
    findChild<kit::Label*>(QStringLiteral("lblProductName"))->setCaption(platform::appinfo::title());
}

} // namespace app
