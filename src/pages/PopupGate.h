#pragma once

#include "pages/ElementInfo.h"

#include <optional>

// One click lets one window through: the element under the user's last
// mouse release in, or focused at the last Enter in, the active Page. It
// is let go when a window uses it, the active Page navigates or a Page closes.
class PopupGate
{
public:
    const std::optional<ElementInfo> &lastClicked() const { return m_lastClicked; }
    void clicked(const ElementInfo &element) { m_lastClicked = element; }
    void release() { m_lastClicked.reset(); }

private:
    std::optional<ElementInfo> m_lastClicked;
};
