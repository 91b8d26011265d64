// SPDX-FileCopyrightText: 2026 The Ohmilka developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ColourCode.h"
#include "Controls.h"
#include "Forms.h"

#include <optional>
#include <vector>

namespace ohmilka {

// What sets one band's palette window apart from the others.
struct PickerDefinition {
    int band;
    int clientWidth; // twips
    int clientHeight;
    const char *frameName;
    int frameHeight;
    bool numberedGoldAndSilver = true; // label names carry the band number: lblZlata4
    std::optional<ColourStem> unloadingChoice = std::nullopt; // choosing it also unloads
};

// A palette window: one coloured label per colour the band offers, in a frame. The label under
// the pointer turns bold; the frame's and window's surfaces clear every highlight. A click
// paints the band on the main window and hides the palette.
class ColourPicker : public Form
{
    Q_OBJECT

protected:
    explicit ColourPicker(const PickerDefinition &definition);

private:
    void Form_MouseMove() override;
    void label_Click(ColourStem stem);
    void clearHighlights();

    PickerDefinition definition_;
    Frame *frame_;
    std::vector<Label *> labels_; // top to bottom
};

} // namespace ohmilka
