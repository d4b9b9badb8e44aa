#pragma once

#include <QColor>
#include <QRgb>

// The skin's colours: deep blue-grey surfaces, near-black wells and displays,
// one cyan accent for lit symbols and a warm red for leaving the program.
namespace cantorino::skin {

inline constexpr QRgb kBodyTop = qRgb(0x22, 0x29, 0x38);
inline constexpr QRgb kBodyBottom = qRgb(0x12, 0x16, 0x20);
inline constexpr QRgb kPanelTop = qRgb(0x2c, 0x35, 0x48);
inline constexpr QRgb kPanelBottom = qRgb(0x1b, 0x21, 0x2e);
inline constexpr QRgb kWell = qRgb(0x0e, 0x12, 0x1a);
inline constexpr QRgb kWellDeep = qRgb(0x07, 0x09, 0x0e);
inline constexpr QRgb kDisplay = qRgb(0x00, 0x00, 0x00);
inline constexpr QRgb kOutline = qRgb(0x05, 0x07, 0x0b);

inline constexpr QRgb kKeyTop = qRgb(0x4c, 0x59, 0x72);
inline constexpr QRgb kKeyBottom = qRgb(0x23, 0x2a, 0x3a);
inline constexpr QRgb kKeyPressedTop = qRgb(0x15, 0x1a, 0x25);
inline constexpr QRgb kKeyPressedBottom = qRgb(0x2a, 0x33, 0x45);
inline constexpr QRgb kFaceTop = qRgb(0x2a, 0x32, 0x44);
inline constexpr QRgb kFaceBottom = qRgb(0x3b, 0x46, 0x5c);

inline constexpr QRgb kInk = qRgb(0xe4, 0xea, 0xf4);
inline constexpr QRgb kInkDim = qRgb(0x8a, 0x96, 0xac);
inline constexpr QRgb kAccent = qRgb(0x4c, 0xcd, 0xf7);
inline constexpr QRgb kAccentDeep = qRgb(0x1c, 0x86, 0xc2);
inline constexpr QRgb kWarm = qRgb(0xff, 0x6b, 0x78);

/// `rgb` with the given alpha, 0..255.
inline QColor withAlpha(QRgb rgb, int alpha)
{
    QColor c(rgb);
    c.setAlpha(alpha);
    return c;
}

}  // namespace cantorino::skin
