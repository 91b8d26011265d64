// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "frmNResistor.h"

#include "Accessibility.h"
#include "Calculation.h"
#include "Text.h"
#include "frmAbout.h"
#include "frmBarva1.h"
#include "frmBarva2.h"
#include "frmBarva3.h"
#include "frmBarva4.h"
#include "frmNapoveda.h"

#include <QIcon>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace ohmilka {

frmNResistor::frmNResistor() : Form(Border::FixedSingle, 5355, 2490, u"Ohmilka v. 1.00 cz"_s)
{
    // The 16-colour application icon; the PNG holds the same image as ohmilka.ico and needs no
    // image plugin to load.
    setWindowIcon(QIcon(u":/resources/icons/ohmilka-32.png"_s));
    cmdAbout = add<CommandButton>(this, "cmdAbout", {4320, 0, 1095, 375}, 10);
    cmdAbout->setText(u"O aplikaci..."_s);
    cmdHelp = add<CommandButton>(this, "cmdHelp", {3360, 0, 975, 375}, 9);
    cmdHelp->setText(u"Nápověda"_s);
    fraHodnota = add<Frame>(this, "fraHodnota", {120, 1320, 5175, 1095}, 4);
    fraHodnota->setTitle(u"Vypočet z barevných proužků"_s);
    Picture1 = add<PictureBox>(fraHodnota, "Picture1", {240, 360, 1335, 615}, 11);
    Picture1->setBorder(PictureBox::Border::None);
    Picture1->setLayoutOnly();
    cmdHodnota = add<CommandButton>(Picture1, "cmdHodnota", {0, 120, 1215, 375}, 12);
    cmdHodnota->setText(u"Vypočítej ->"_s);
    txtHodnota = add<TextBox>(fraHodnota, "txtHodnota", {1680, 480, 1215, 375}, 5);
    txtHodnota->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtHodnota->setReadOnly(true);
    cmbHodnota = add<ComboBox>(fraHodnota, "cmbHodnota", {3000, 480, 735, 315}, 6);
    QStringList units;
    for (std::string_view prefix : unitPrefixes)
        units << toQString(prefix);
    cmbHodnota->setEntries(units);
    lblO = add<Label>(fraHodnota, "lblO", {3840, 480, 150, 240}, 7);
    lblO->setSymbolFont(9.75);
    lblO->setAutoSize(true);
    lblO->setCaption(u"W"_s);
    lblTolerance = add<Label>(fraHodnota, "lblTolerance", {4200, 480, 45, 240}, 8);
    QFont toleranceFont = lblTolerance->font(); // "MS Sans Serif", as the window's
    toleranceFont.setPointSizeF(9.75);
    lblTolerance->setFont(toleranceFont);
    lblTolerance->setAutoSize(true);
    picOdpor4 = add<PictureBox>(this, "picOdpor4", {2745, 750, 135, 420}, 3);
    picOdpor3 = add<PictureBox>(this, "picOdpor3", {2505, 750, 135, 420}, 2);
    picOdpor2 = add<PictureBox>(this, "picOdpor2", {2265, 750, 135, 420}, 1);
    picOdpor1 = add<PictureBox>(this, "picOdpor1", {2040, 750, 135, 420}, 0);
    Line2 = addLine("Line2", 3480, 960, 3960, 960, 2);
    Line1 = addLine("Line1", 1440, 960, 1920, 960, 2);
    Shape1 = add<Shape>(this, "Shape1", {1920, 720, 1575, 495});

    txtHodnota->setAccessibleName(u"Hodnota"_s);
    cmbHodnota->setAccessibleName(u"Jednotka"_s);
    lblO->setAccessibleName(u"ohmů"_s);
    lblTolerance->setAccessibleName(u"Odchylka"_s);
    for (int band = 1; band <= 4; ++band) {
        picOdpor(band)->setPressable(u"%1. proužek"_s.arg(band));
        describeBand(band);
        connect(picOdpor(band), &PictureBox::BackColorChanged, this,
                [this, band] { describeBand(band); });
        connect(picOdpor(band), &PictureBox::Click, this, [this, band] { picOdpor_Click(band); });
    }
    connect(cmdHodnota, &QPushButton::clicked, this, &frmNResistor::cmdHodnota_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &frmNResistor::cmdAbout_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmNResistor::cmdHelp_Click);
}

PictureBox *frmNResistor::picOdpor(int band) const
{
    const std::array bands{picOdpor1, picOdpor2, picOdpor3, picOdpor4};
    return bands.at(static_cast<std::size_t>(band - 1));
}

void frmNResistor::describeBand(int band)
{
    const BandColour *colour = offeredColour(band, picOdpor(band)->BackColor());
    picOdpor(band)->setAccessibleDescription(colour ? toQString(colour->caption)
                                                    : u"nenastaveno"_s);
}

void frmNResistor::Form_Load()
{
    centreOnScreen();
}

void frmNResistor::Form_Unload()
{
    Unload(*this); // already unloading: no effect
}

void frmNResistor::picOdpor_Click(int band)
{
    switch (band) {
    case 1:
        instance<frmBarva1>().Show(vbModal);
        break;
    case 2:
        instance<frmBarva2>().Show(vbModal);
        break;
    case 3:
        instance<frmBarva3>().Show(vbModal);
        break;
    case 4:
        instance<frmBarva4>().Show(vbModal);
        break;
    }
}

void frmNResistor::cmdHodnota_Click()
{
    const ResistorValue result = calculateValue(picOdpor1->BackColor(), picOdpor2->BackColor(),
                                                picOdpor3->BackColor(), picOdpor4->BackColor());
    if (result.tolerance)
        lblTolerance->setCaption(toQString(*result.tolerance));
    cmbHodnota->setCurrentIndex(result.unitIndex);
    const std::string separator = QLocale::system().decimalPoint().toStdString();
    txtHodnota->setText(QString::fromStdString(numberText(result.shownNumber, separator)));
    announceResult();
}

// A screen reader speaks the row as it shows it, through the button the user just pressed.
void frmNResistor::announceResult()
{
    QStringList row{txtHodnota->text(), cmbHodnota->currentText(), lblO->text(),
                    lblTolerance->Caption()};
    row.removeAll(QString());
    announceThrough(cmdHodnota, row.join(u' '));
}

void frmNResistor::cmdAbout_Click()
{
    instance<frmAbout>().Show(vbModal);
}

void frmNResistor::cmdHelp_Click()
{
    instance<frmNapoveda>().Show(vbModal);
}

} // namespace ohmilka
