#pragma once
// A painted unit's display list kept from one paint to the next, made again only after the
// unit changed (Forget) or at another size: making a label's list measures its whole caption.
//   kept.At({60, 20}, make) calls make once; again at {60, 20} it does not; after Forget it does
#include <optional>

#include "core/paint/DisplayList.h"

namespace paint {

class KeptList {
public:
    template <class Make>
    const DisplayList& At(Size size, Make make)
    {
        if (!m_list || !(m_size == size)) {
            m_list = make();
            m_size = size;
        }
        return *m_list;
    }
    void Forget() { m_list.reset(); }

private:
    std::optional<DisplayList> m_list;
    Size m_size;
};

}  // namespace paint
