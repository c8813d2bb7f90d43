// Painting of labels and the link.
#include "app/caption_painting.h"

void paintCaption(platform::Window window, std::span<const platform::Color> gradient,
                  unsigned format, platform::Color textColor) {
    platform::PaintContext context = platform::beginPaint(window);
    const platform::Rect area = platform::clientRect(window);
    if (gradient.empty())
        platform::fillRect(context, area, platform::systemColor(platform::sysColor::BtnFace));
    else
        platform::fillHorizontalGradient(context, area, gradient.data(),
                                         static_cast<int>(gradient.size()));
    platform::drawText(context, platform::getWindowText(window), area, format, textColor);
    platform::endPaint(context);
}
