// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#include "ColourPicker.h"

#include "Text.h"
#include "frmNResistor.h"

using namespace Qt::StringLiterals;

namespace ohmilka {

namespace {
QByteArray labelName(const PickerDefinition &definition, const BandColour &colour)
{
    QByteArray name = "lbl" + QByteArray(colour.stemName.data(), qsizetype(colour.stemName.size()));
    const bool goldOrSilver =
        colour.stem == ColourStem::Zlata || colour.stem == ColourStem::Stribrna;
    if (definition.numberedGoldAndSilver || !goldOrSilver)
        name += QByteArray::number(definition.band);
    return name;
}
} // namespace

ColourPicker::ColourPicker(const PickerDefinition &definition)
    : Form(Border::FixedToolWindow, definition.clientWidth, definition.clientHeight,
           u"  %1. proužek"_s.arg(definition.band), StartUpPosition::CenterScreen),
      definition_(definition)
{
    frame_ = add<Frame>(this, definition.frameName, {360, 0, 1335, definition.frameHeight});
    frame_->setTitle(u"%1. barva"_s.arg(definition.band));
    QFont arial(u"Arial"_s);
    arial.setPointSizeF(8.25);
    frame_->setFont(arial);
    connect(frame_, &Frame::MouseMove, this, &ColourPicker::clearHighlights);

    int row = 0;
    for (ColourStem stem : offeredColours(definition.band)) {
        const BandColour &colour = bandColour(stem);
        auto *label = add<Label>(frame_, labelName(definition, colour).constData(),
                                 {120, 240 + 360 * row++, 1095, 255});
        label->setCaption(toQString(colour.caption));
        label->setBackColor(colour.value);
        label->setForeColor(colour.captionColour);
        label->setSingleBorder();
        label->setCentred();
        label->setPressable(u"Nastaví %1. proužek na tuto barvu"_s.arg(definition.band));
        connect(label, &Label::MouseMove, label, [label] { label->setFontBold(true); });
        connect(label, &Label::Click, this, [this, stem] { label_Click(stem); });
        labels_.push_back(label);
    }
}

void ColourPicker::label_Click(ColourStem stem)
{
    instance<frmNResistor>().picOdpor(definition_.band)->setBackColor(bandColour(stem).value);
    setVisible(false);
    if (definition_.unloadingChoice == stem)
        Unload(*this);
}

void ColourPicker::Form_MouseMove()
{
    clearHighlights();
}

void ColourPicker::clearHighlights()
{
    for (Label *label : labels_)
        label->setFontBold(false);
}

} // namespace ohmilka
