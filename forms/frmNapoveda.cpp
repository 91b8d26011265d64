// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "frmNapoveda.h"

#include "Identity.h"

using namespace Qt::StringLiterals;

namespace ohmilka {

namespace {
// The licence in Czech; the English text in LICENSE is the binding one.
const QString licenceLine1 = u"Ohmilka 1.00 – výpočet hodnoty rezistoru z barevných proužků"_s;
const QString licenceLine3 = QString::fromUtf8(identity::licenceCopyright);
const QString licenceLine4 =
    u"Licence MIT: Každé osobě, která získá kopii tohoto programu a související dokumentace, "
    u"se bezplatně uděluje povolení nakládat s programem bez omezení, včetně práva jej "
    u"používat, kopírovat, upravovat, slučovat, zveřejňovat, šířit, sublicencovat a prodávat "
    u"jeho kopie a dovolit totéž osobám, kterým je program poskytnut, za podmínky, že výše "
    u"uvedená poznámka o autorských právech a toto povolení budou součástí všech kopií nebo "
    u"podstatných částí programu. Závazné je anglické znění v souboru LICENSE."_s;
const QString licenceLine6 = u"Vyloučení odpovědnosti"_s;
const QString licenceLine7 =
    u"Program je poskytován „tak, jak je“, bez jakékoli záruky, výslovné nebo předpokládané, "
    u"včetně záruk prodejnosti, vhodnosti pro určitý účel a neporušení práv. Autoři ani "
    u"držitelé autorských práv v žádném případě neodpovídají za žádné nároky, škody ani jinou "
    u"odpovědnost, ať ze smlouvy, z protiprávního jednání nebo jinak, vzniklé z programu, "
    u"z jeho užívání nebo z jiného nakládání s ním."_s;
const QString lineBreak = u"\r\n"_s;
} // namespace

frmNapoveda::frmNapoveda() : Form(Border::FixedDialog, 4935, 5385, u"Nápověda"_s)
{
    fraBMI = add<Frame>(this, "fraBMI", {120, 120, 4695, 1815}, 3);
    lblInfo2 = add<Label>(fraBMI, "lblInfo2", {120, 720, 3930, 195}, 6);
    lblInfo2->setAutoSize(true);
    lblInfo2->setCaption(u"tu rezistoru. Čtvrtý proužek slouží k určení odchylky +/- "_s);
    lblInfo1 = add<Label>(fraBMI, "lblInfo1", {120, 480, 4425, 195}, 5);
    lblInfo1->setAutoSize(true);
    lblInfo1->setCaption(u"Vždy musí být nastaveny alespoň 3 proužky, které určují hono-"_s);
    lblinfo = add<Label>(fraBMI, "lblinfo", {120, 240, 4350, 195}, 4);
    lblinfo->setAutoSize(true);
    lblinfo->setCaption(u"Pro nastavení barev na odporu klikněte na jednotlivé proužky"_s);
    Frame1 = add<Frame>(this, "Frame1", {120, 1920, 4695, 2895}, 1);
    Frame1->setTitle(u" Licence "_s);
    txtLicence = add<MultiLineTextBox>(Frame1, "txtLicence", {120, 360, 4455, 2415}, 2);
    txtLicence->setReadOnly(true);
    cmdOK = add<CommandButton>(this, "cmdOK", {3840, 4920, 975, 375}, 0);
    cmdOK->setText(u"OK"_s);

    connect(cmdOK, &QPushButton::clicked, this, &frmNapoveda::cmdOK_Click);
}

void frmNapoveda::Form_Load()
{
    centreOnScreen();
    txtLicence->setText(licenceLine1 + lineBreak + lineBreak + licenceLine3 + lineBreak +
                        licenceLine4 + lineBreak + lineBreak + licenceLine6 + lineBreak +
                        licenceLine7);
}

void frmNapoveda::Form_Unload()
{
    Unload(*this); // already unloading: no effect
}

void frmNapoveda::cmdOK_Click()
{
    Unload(*this);
}

} // namespace ohmilka
