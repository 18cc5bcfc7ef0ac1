#pragma once
// The display lists of the units the page paints itself, as JSON for painting.js to replay:
// the desktop's painting rules (core/paint/), text measured with the canvas's fonts.
#include <string>

#include "core/KindInterface.h"
#include "core/props/LabelProps.h"
#include "core/props/PicBoxProps.h"
#include "core/props/ShapeBoxProps.h"

std::string PaintJson(const CreateArgs& args, const LabelProps& props);
std::string PaintJson(const CreateArgs& args, const ShapeBoxProps& props);
std::string PaintJson(const CreateArgs& args, const PicBoxProps& props);
