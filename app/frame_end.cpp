#include "app/frame_end.h"

#include "app/ole_session.h"
#include "app/window_icons.h"

namespace frame {

void ReleaseFrame() {
    ReleaseWindowIcons();
    EndOle();
}

}  // namespace frame
