// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "frmAbout.h"

#include "App.h"
#include "Colours.h"
#include "Cursors.h"
#include "Identity.h"
#include "Modul1.h"

#include <QDesktopServices>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace ohmilka {

namespace {
const QString webLinkName = u"Web programu: %1"_s;
const QString webLinkDescription = u"Otevře stránky programu v prohlížeči"_s;
} // namespace

frmAbout::frmAbout()
    : Form(Border::FixedDialog, 4110, 3450, u"O programu..."_s),
      linkPointer_(loadCursor(u":/resources/hand.cur"_s))
{
    cmdOK = add<CommandButton>(this, "cmdOK", {3075, 3000, 975, 375}, 2);
    cmdOK->setText(u"OK"_s);
    fraRamecek = add<Frame>(this, "fraRamecek", {15, 1560, 4080, 1305}, 1);
    lbl1 = add<Label>(fraRamecek, "lbl1", {120, 720, 450, 195}, 8);
    lbl1->setAutoSize(true);
    lbl1->setCaption(u"e-mail:"_s);
    lbl1->setForeColor(black);
    lbl2 =
        addLink("lbl2", {660, 720, 1695, 195}, 7, QString::fromUtf8(identity::authorEmail),
                u"E-mail autorovi: %1"_s, u"Otevře nový e-mail k programu v poštovním programu"_s);
    lbl3 = addLink("lbl3", {660, 975, 1695, 195}, 6, QString::fromUtf8(identity::webHost),
                   webLinkName, webLinkDescription);
    lbl4 = add<Label>(fraRamecek, "lbl4", {150, 960, 345, 195}, 5);
    lbl4->setAutoSize(true);
    lbl4->setCaption(u"web:"_s);
    lbl4->setForeColor(black);
    lblVersion = add<Label>(fraRamecek, "lblVersion", {120, 240, 525, 195}, 4);
    lblVersion->setAutoSize(true);
    lblVersion->setCaption(u"Version"_s);
    lblDescription = add<Label>(fraRamecek, "lblDescription", {120, 480, 2220, 195}, 3);
    lblDescription->setAutoSize(true);
    lblDescription->setCaption(QString::fromUtf8(identity::authorshipNotice));
    lblDescription->setForeColor(black);
    picLogo = add<PictureBox>(this, "picLogo", {15, 30, 4065, 1425}, 0);
    picLogo->setBorder(PictureBox::Border::Flat);
    picLogo->setPicture(QPixmap(u":/resources/logo.jpg"_s));
    picLogo->setAccessibleName(u"Logo programu Ohmilka"_s);
    Image1 = add<Image>(this, "Image1", {0, 2880, 3000, 540});
    Image1->setPixmap(QPixmap(u":/resources/banner.gif"_s));
    Image1->setLink(webLinkName.arg(lbl3->Caption()), webLinkDescription);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(lbl2, &Label::Click, this, &frmAbout::lbl2_Click);
    connect(lbl3, &Label::Click, this, &frmAbout::lbl3_Click);
    connect(Image1, &Image::Click, this, &frmAbout::Image1_Click);
    connect(lbl2, &Label::MouseMove, this, &frmAbout::lbl2_MouseMove);
    connect(lbl3, &Label::MouseMove, this, &frmAbout::lbl3_MouseMove);
    connect(fraRamecek, &Frame::MouseMove, this, &frmAbout::fraRamecek_MouseMove);
}

// A blue label with the hand pointer that assistive technology announces as a link; %1 in
// accessibleName stands for the caption.
Label *frmAbout::addLink(const char *name, TwipsRect rect, int tabIndex, const QString &caption,
                         const QString &accessibleName, const QString &accessibleDescription)
{
    auto *link = add<Label>(fraRamecek, name, rect, tabIndex);
    link->setAutoSize(true);
    link->setCaption(caption);
    link->setForeColor(blue);
    link->setCursor(linkPointer_);
    link->setLink(accessibleName.arg(caption), accessibleDescription);
    return link;
}

void frmAbout::Form_Load()
{
    centreOnScreen();
    lblVersion->setCaption(
        u"Version %1.%2.%3 cz"_s.arg(App::Major()).arg(App::Minor()).arg(App::Revision()));
}

void frmAbout::cmdOK_Click()
{
    Unload(*this);
}

void frmAbout::lbl2_Click()
{
    const QString mail =
        u"mailto:"_s + QString::fromUtf8(identity::authorEmail) + u"?subject=K programu Ohmilka"_s;
    QDesktopServices::openUrl(QUrl(mail));
}

void frmAbout::lbl3_Click()
{
    Modul1::OpenDocument(QString::fromUtf8(identity::webUrl));
}

void frmAbout::Image1_Click()
{
    lbl3_Click();
}

void frmAbout::lbl2_MouseMove()
{
    lbl2->setForeColor(red);
}

void frmAbout::lbl3_MouseMove()
{
    lbl3->setForeColor(red);
}

void frmAbout::Form_MouseMove()
{
    lbl2->setForeColor(blue);
    lbl3->setForeColor(blue);
}

void frmAbout::fraRamecek_MouseMove()
{
    Form_MouseMove();
}

} // namespace ohmilka
