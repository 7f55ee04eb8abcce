// The container side of one in-place OLE control that lives in a window of
// ours: the client site, the in-place site and the frame the control asks for.
#pragma once

#include <ole2.h>
#include <windows.h>

#include "ui/com_ptr.h"

namespace plimsett::ui {

// A site for a control placed in `window`, filling its client area. The
// control's frame is the window's top-level window. The site holds no
// reference to the control, so releasing the control ends the site too.
ComPtr<IOleClientSite> CreateOleSite(HWND window);

}  // namespace plimsett::ui
