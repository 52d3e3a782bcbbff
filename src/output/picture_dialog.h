#pragma once

// What the picture dialogs (the picture load and the second picture of a composition) offer.
inline constexpr const char* PictureDialogFilter =
    "ＢＭＰ／ＪＰＥＧ files (*.BMP;*.JPG;*.JPEG)|*.BMP;*.JPG;*.JPEG|"
    "ＢＭＰ files (*.BMP)|*.BMP|ＪＰＥＧ files (*.JPG;*.JPEG)|*.JPG;*.JPEG|ＰＮＧ files (*.PNG)|*.PNG|"
    "ALL files (*.*)|*.*";
inline constexpr const char* PictureDialogFileName = "*.BMP;*.JPG;*.JPEG";
