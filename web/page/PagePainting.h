#pragma once
// The display lists of the units the page paints itself, as JSON for painting.js to replay:
// the desktop's painting rules (forms/paint/), text measured with the canvas's fonts.
#include <string>

#include "forms/KindInterface.h"
#include "forms/props/LabelProps.h"
#include "forms/props/PicBoxProps.h"
#include "forms/props/ShapeBoxProps.h"

std::string PaintJson(const CreateArgs& args, const LabelProps& props);
std::string PaintJson(const CreateArgs& args, const ShapeBoxProps& props);
std::string PaintJson(const CreateArgs& args, const PicBoxProps& props);
