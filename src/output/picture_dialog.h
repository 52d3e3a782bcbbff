#pragma once

// What the picture dialogs (the picture load and the second picture of a composition) offer: the
// first type shows every picture the program reads, PNG beside BMP and JPEG.
inline constexpr const char* PictureDialogFilter =
    "ＢＭＰ／ＪＰＥＧ／ＰＮＧ files (*.BMP;*.JPG;*.JPEG;*.PNG)|*.BMP;*.JPG;*.JPEG;*.PNG|"
    "ＢＭＰ files (*.BMP)|*.BMP|ＪＰＥＧ files (*.JPG;*.JPEG)|*.JPG;*.JPEG|ＰＮＧ files (*.PNG)|*.PNG|"
    "ALL files (*.*)|*.*";
inline constexpr const char* PictureDialogFileName = "*.BMP;*.JPG;*.JPEG;*.PNG";
