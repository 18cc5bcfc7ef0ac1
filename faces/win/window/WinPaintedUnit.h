#pragma once
// The kinds that draw everything themselves (label, shape box, picture box): owner-drawn STATIC
// windows replaying the core's display list, made once at the unit's size at the factor 1 and
// kept until a property changes.
#include <cstdint>
#include <span>
#include <string>

#include "core/paint/KeptList.h"
#include "faces/win/window/WinPropsUnit.h"

// A unit's picture decoded once, when it is first painted; a picture that does not decode is
// not tried again until it changes.
class KeptPicture {
public:
    KeptPicture() = default;
    KeptPicture(const KeptPicture&) = delete;
    KeptPicture& operator=(const KeptPicture&) = delete;
    ~KeptPicture() { Forget(); }

    HBITMAP Of(std::span<const uint8_t> bytes);
    void Forget();

private:
    HBITMAP m_bitmap = nullptr;
    bool m_failed = false;
};

// Replays `list` through a bitmap of the rectangle's size, so that a paint never flickers.
void PaintBuffered(HDC dc, const RECT& rect, const paint::DisplayList& list, HBITMAP picture);

// The owner-drawn STATIC window of a painted unit; it forwards its children's messages.
HWND MakePaintedChild(const CreateArgs& args, const std::wstring& text);

template <class Props>
class WinPaintedUnit : public WinPropsUnit<Props> {
public:
    using WinPropsUnit<Props>::WinPropsUnit;

    void Paint(HDC dc, const RECT& rect) override
    {
        const paint::DisplayList& list = m_list.At({this->m_width, this->m_height},
                                                   [this] { return Painting(); });
        PaintBuffered(dc, rect, list, Picture());
    }
    void Rescale() override { InvalidateRect(this->Hwnd(), nullptr, TRUE); }

protected:
    // The kind's painting rule at the unit's size at the factor 1.
    virtual paint::DisplayList Painting() = 0;
    virtual HBITMAP Picture() { return nullptr; }

    void Show(int32_t) override
    {
        m_list.Forget();
        this->Refresh();
    }

private:
    paint::KeptList m_list;
};
