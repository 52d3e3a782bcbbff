#pragma once
#include "common/pixels.h"

// The message box's two 32 × 32 pictures, our own 16-colour pixel art: a white "i" on a blue
// disc (information, Image_MK) and a white "?" on a red disc (question, Image_YN), both on black.
PixelBuffer InformationPicture();
PixelBuffer QuestionPicture();

// The box draws its picture with black replaced by its own colour.
PixelBuffer WithBlackReplaced(PixelBuffer picture, Pixel replacement);
