#include "zentra/pfd/user_messages.h"

#include "zentra/draw/text_anchor.h"
#include "zentra/pfd/pfd_group_slots.h"

namespace zentra {

namespace s = pfd_slots;

void drawUserMessages(PfdPaint& p) {
    for (int n = 0; n < kPfdUserMessages; ++n) {
        const PfdUserMessage& m = p.settings.userMessages[size_t(n)];
        if (m.label.empty()) continue;
        drawAnchoredText(p.canvas, m.label.substr(0, kUserMessageLength),
                         p.fonts.font(s::kUserMessageFontFirst + n), m.position, m.alignment,
                         p.format, p.styles.brush(s::kUserMessageFirst + n));
    }
}

}  // namespace zentra
