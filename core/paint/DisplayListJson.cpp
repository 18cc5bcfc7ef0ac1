#include "core/paint/DisplayListJson.h"

#include <cstdio>

#include "core/paint/JsonText.h"

namespace paint {

namespace {

class OpWriter {
public:
    explicit OpWriter(std::string& out, const char* name) : m_out(out)
    {
        m_out += "[\"";
        m_out += name;
        m_out += '"';
    }
    ~OpWriter() { m_out += ']'; }

    OpWriter& operator<<(int64_t value)
    {
        m_out += ',';
        m_out += std::to_string(value);
        return *this;
    }
    // Radii are whole or half pixels.
    OpWriter& operator<<(double value)
    {
        char text[32];
        std::snprintf(text, sizeof text, value == double(int64_t(value)) ? "%.0f" : "%.1f", value);
        m_out += ',';
        m_out += text;
        return *this;
    }
    OpWriter& operator<<(const std::vector<Argb>& colours)
    {
        m_out += ",[";
        for (size_t i = 0; i < colours.size(); ++i)
            m_out += (i ? "," : "") + std::to_string(colours[i]);
        m_out += ']';
        return *this;
    }
    OpWriter& operator<<(const Rect& r)
    {
        return *this << int64_t(r.x) << int64_t(r.y) << int64_t(r.w) << int64_t(r.h);
    }
    OpWriter& operator<<(const std::string& utf8)
    {
        m_out += ',';
        AppendJsonText(m_out, utf8);
        return *this;
    }

private:
    std::string& m_out;
};

int64_t N(Argb colour) { return int64_t(colour); }
int64_t N(auto enumerator) { return int64_t(enumerator); }

}  // namespace

std::string DisplayListJson(const DisplayList& list)
{
    std::string out = "[";
    for (const PaintOp& op : list) {
        if (out.size() > 1)
            out += ',';
        std::visit(
            [&](const auto& o) {
                using T = std::decay_t<decltype(o)>;
                if constexpr (std::is_same_v<T, FillOp>)
                    OpWriter(out, "fill") << o.rect << N(o.colour);
                else if constexpr (std::is_same_v<T, FigureOp>)
                    OpWriter(out, "figure") << N(o.outline) << o.rect << o.rx << o.ry << N(o.colour);
                else if constexpr (std::is_same_v<T, RingOp>)
                    OpWriter(out, "ring") << N(o.outline) << o.outer << o.rx << o.ry << o.inner << o.inner_rx
                                          << o.inner_ry << N(o.colour);
                else if constexpr (std::is_same_v<T, StrokeOp>)
                    OpWriter(out, "stroke") << N(o.outline) << o.rect << o.rx << o.ry << N(o.pen) << N(o.dash)
                                            << N(o.filled) << N(o.fill);
                else if constexpr (std::is_same_v<T, LineOp>)
                    OpWriter(out, "line") << o.rect << N(o.colour) << N(o.dash);
                else if constexpr (std::is_same_v<T, RampOp>)
                    OpWriter(out, "ramp") << o.rect << int64_t(o.direction) << o.ramp;
                else if constexpr (std::is_same_v<T, PictureOp>)
                    OpWriter(out, "picture") << o.clip << o.target;
                else if constexpr (std::is_same_v<T, TextOp>)
                    OpWriter(out, "text")
                        << int64_t(o.x) << int64_t(o.baseline) << o.text << N(o.colour)
                        << int64_t(o.font.pixels) << int64_t(o.font.weight)
                        << int64_t(o.font.italic + 2 * o.font.underline + 4 * o.font.strike_out)
                        << o.font.face;
                else if constexpr (std::is_same_v<T, ClipOp>)
                    OpWriter(out, "clip") << o.rect;
                else
                    OpWriter(out, "unclip");
            },
            op);
    }
    out += ']';
    return out;
}

}  // namespace paint
